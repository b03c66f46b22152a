#pragma once
// Database files as the learning record's tests see them from outside the program: a
// connection of the test's own (as another program would open the file), the database made by
// release 1.1, and a file's fingerprint.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace kazemaru::test {

class RawFile {
  public:
    explicit RawFile(const QString& path)
        : name_(QStringLiteral("raw-%1").arg(++count()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        if (!db.open()) qFatal("cannot open %s", qPrintable(path));
    }
    ~RawFile()
    {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }
    bool exec(const QString& statement) const
    {
        QSqlQuery q(database());
        if (q.exec(statement)) return true;
        qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
        return false;
    }
    // Every row of a query, each value as text ("" for NULL is told apart as "<null>").
    QList<QStringList> rows(const QString& select) const
    {
        QList<QStringList> out;
        QSqlQuery q(database());
        if (!q.exec(select)) qFatal("%s: %s", qPrintable(select), qPrintable(q.lastError().text()));
        while (q.next()) {
            QStringList row;
            for (int c = 0; c < q.record().count(); ++c)
                row << (q.value(c).isNull() ? QStringLiteral("<null>") : q.value(c).toString());
            out << row;
        }
        return out;
    }
    QString value(const QString& select) const { return rows(select).value(0).value(0); }
    QStringList columns(const QString& table) const
    {
        QStringList names;
        for (const QStringList& row : rows(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
            names << row.value(1);
        return names;
    }

  private:
    static int& count()
    {
        static int n = 0;
        return n;
    }
    QString name_;
};

// The database made by release 1.1 through its real drills (see its README).
inline QString releaseFixture()
{
    return QStringLiteral(KAZEMARU_SOURCE_DIR "/tests/fixtures/kyozai-1.1/kyozai.sqlite3");
}

// A writable copy of it as the database folder `folder` (made if missing); its file's path.
inline QString copyReleaseFixture(const QString& folder)
{
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/kyozai.sqlite3");
    QFile::remove(path);
    if (!QFile::copy(releaseFixture(), path)) qFatal("cannot copy the fixture");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

inline QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace kazemaru::test
