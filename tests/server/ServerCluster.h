#pragma once
// The throw-away PostgreSQL server that scripts/pg-test-cluster.sh starts for these tests: what
// its ENVFILE (named by KAZEMARU_PG_ENV) says, and connections to it as its administrator or as
// any login.
#include "data/ClassServer.h"

#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QtTest>

namespace kazemaru::test {

class ServerCluster {
  public:
    // False (with a message for the test log) when no cluster was started for this run.
    bool load()
    {
        const QString file = qEnvironmentVariable("KAZEMARU_PG_ENV");
        QFile f(file);
        if (file.isEmpty() || !f.open(QIODevice::ReadOnly)) {
            qWarning("No test cluster: run through ctest, or start one with scripts/pg-test-cluster.sh start ENV "
                     "and set KAZEMARU_PG_ENV=ENV");
            return false;
        }
        for (const QByteArray& line : f.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0) values_.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
        }
        return values_.contains(QStringLiteral("KAZEMARU_PG_PORT"));
    }

    QString operator[](const char* key) const
    {
        return values_.value(QStringLiteral("KAZEMARU_PG_") + QLatin1String(key));
    }
    int port() const { return (*this)["PORT"].toInt(); }

    // Settings for a computer of class `which` ("A" or "B") or for its teacher.
    ClassServerSettings pupil(const char* which) const { return settings(which, "PUPIL_"); }
    ClassServerSettings teacher(const char* which) const { return settings(which, "TEACHER_"); }
    QString password(const ClassServerSettings& s) const
    {
        for (const char* role : {"PUPIL_A", "PUPIL_B", "TEACHER_A", "TEACHER_B"})
            if ((*this)[role] == s.user) return (*this)[(QByteArray(role) + "_PASSWORD").constData()];
        return {};
    }

    // A connection of its own through the private socket as the cluster's superuser, or over
    // TCP with TLS as a login.
    QSqlDatabase admin(const QString& name) const
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName((*this)["SOCKET"]);
        db.setPort(port());
        db.setDatabaseName((*this)["DATABASE"]);
        db.setUserName(QStringLiteral("postgres"));
        return db;
    }
    QSqlDatabase login(const QString& name, const QString& user, const QString& password) const
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName((*this)["HOST"]);
        db.setPort(port());
        db.setDatabaseName((*this)["DATABASE"]);
        db.setUserName(user);
        db.setPassword(password);
        db.setConnectOptions(QStringLiteral("sslmode=require;connect_timeout=5"));
        return db;
    }

  private:
    ClassServerSettings settings(const char* which, const char* kind) const
    {
        ClassServerSettings s;
        s.host = (*this)["HOST"];
        s.port = port();
        s.database = (*this)["DATABASE"];
        s.classCode = (*this)[(QByteArray("CLASS_") + which).constData()];
        s.user = (*this)[(QByteArray(kind) + which).constData()];
        return s;
    }

    QHash<QString, QString> values_;
};

inline QString newUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Runs one statement; on failure the server's SQLSTATE (or "connection" when there is none).
inline QString execState(QSqlDatabase db, const QString& statement)
{
    QSqlQuery q(db);
    if (q.exec(statement)) return {};
    const QString code = q.lastError().nativeErrorCode();
    return code.isEmpty() ? QStringLiteral("connection: ") + q.lastError().text() : code;
}

} // namespace kazemaru::test
