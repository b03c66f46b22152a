#include "store/TableStore.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <filesystem>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Every store gets its own connection, so several can live side by side.
QString newConnectionName()
{
    static QAtomicInt counter;
    return u"kazemaru-store-%1"_s.arg(counter.fetchAndAddRelaxed(1) + 1);
}

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(u'"', u"\"\""_s);
    return u'"' + inner + u'"';
}

QString errorText(const QSqlError& error)
{
    return error.text().trimmed().isEmpty() ? u"unknown error"_s : error.text().trimmed();
}

} // namespace

TableStore::TableStore(const QString& folder, QList<TableDef> tables, QList<SchemaStep> upgrades)
    : folder_(QDir::cleanPath(folder))
    , tables_(std::move(tables))
    , upgrades_(std::move(upgrades))
    , connectionName_(newConnectionName())
{
}

TableStore::~TableStore()
{
    closeConnection();
}

QString TableStore::filePath() const
{
    return folder_ + u'/' + databaseFileName();
}

QSqlDatabase TableStore::database() const
{
    return QSqlDatabase::database(connectionName_, false);
}

StoreFault TableStore::faultOf(const QSqlError& error)
{
    // Qt gives SQLite's result code; the low byte is its primary code.
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (!ok) return StoreFault::Other;
    switch (code) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return StoreFault::Locked;
    case 13: // SQLITE_FULL
        return StoreFault::Full;
    case 3: // SQLITE_PERM
    case 8: // SQLITE_READONLY
        return StoreFault::ReadOnly;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return StoreFault::NotADatabase;
    case 14: // SQLITE_CANTOPEN
        return StoreFault::CannotOpen;
    case 10: // SQLITE_IOERR
        return StoreFault::Disk;
    default: return StoreFault::Other;
    }
}

bool TableStore::fail(const QString& message, StoreFault fault)
{
    lastError_ = message;
    lastFault_ = fault;
    return false;
}

bool TableStore::fail(const QString& message, const QSqlError& error)
{
    return fail(message, faultOf(error));
}

bool TableStore::exec(const QString& statement)
{
    QSqlQuery query(database());
    if (!query.exec(statement)) return fail(filePath() + u": "_s + errorText(query.lastError()), query.lastError());
    return true;
}

const TableDef* TableStore::table(const QString& name) const
{
    for (const TableDef& t : tables_)
        if (t.name == name) return &t;
    return nullptr;
}

void TableStore::closeConnection()
{
    open_ = false;
    if (!QSqlDatabase::contains(connectionName_)) return;
    database().close();
    QSqlDatabase::removeDatabase(connectionName_);
}

bool TableStore::open()
{
    if (open_) return true;

    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder_.toStdString()), ec);
    if (ec || !QFileInfo(folder_).isDir())
        return fail(u"cannot create the database folder %1: %2"_s.arg(folder_, ec ? QString::fromLocal8Bit(ec.message())
                                                                                  : u"not a folder"_s),
                    StoreFault::CannotOpen);

    QString openError;
    StoreFault openFault = StoreFault::Other;
    {
        QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                              ? database()
                              : QSqlDatabase::addDatabase(u"QSQLITE"_s, connectionName_);
        if (!db.isValid()) {
            openError = u"the SQLite driver of Qt SQL is not available"_s;
        } else {
            db.setDatabaseName(filePath());
            db.setConnectOptions(connectOptions_);
            if (!db.open()) {
                openError = filePath() + u": "_s + errorText(db.lastError());
                openFault = faultOf(db.lastError());
            }
        }
    }
    if (!openError.isEmpty()) {
        closeConnection();
        return fail(openError, openFault);
    }

    // Opening succeeds on any file; the first statement finds out whether it is a database. A file
    // of a later version is refused before anything is written to it, even its journal mode.
    // Write-ahead logging commits an appended row without a full journal rewrite, and with
    // synchronous=FULL a committed row is on the disk when the append returns, so it survives a
    // power cut too. Another program holding the database is waited for a second at most.
    bool ready = exec(u"PRAGMA busy_timeout=%1"_s.arg(busyTimeoutMs)) &&
                 exec(u"SELECT count(*) FROM sqlite_master"_s) && refuseNewer() && exec(u"PRAGMA journal_mode=WAL"_s) &&
                 exec(u"PRAGMA synchronous=FULL"_s) && (upgrades_.isEmpty() ? makeMissingTables() : upgrade());
    if (!ready) {
        const QString message = lastError_;
        const StoreFault fault = lastFault_;
        closeConnection();
        return fail(message, fault);
    }
    open_ = true;
    return true;
}

bool TableStore::makeMissingTables()
{
    const QStringList existing = database().tables();
    for (const TableDef& t : tables_) {
        if (existing.contains(t.name)) continue;
        QStringList fields;
        for (const FieldDef& f : t.fields)
            fields << quoted(f.name) + u' ' + f.type;
        if (!exec(u"CREATE TABLE %1 (%2)"_s.arg(quoted(t.name), fields.join(u", "_s)))) return false;
    }
    for (const TableDef& t : tables_) {
        for (const QStringList& index : t.indexes) {
            QStringList fields;
            for (const QString& f : index)
                fields << quoted(f);
            const QString name = quoted(t.name + u"_by_"_s + index.join(u'_'));
            if (!exec(u"CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)"_s.arg(name, quoted(t.name), fields.join(u", "_s))))
                return false;
        }
    }
    return true;
}

int TableStore::fileVersion()
{
    QSqlQuery query(database());
    if (!query.exec(u"PRAGMA user_version"_s) || !query.next()) {
        fail(filePath() + u": "_s + errorText(query.lastError()), query.lastError());
        return -1;
    }
    return query.value(0).toInt();
}

bool TableStore::refuseNewer()
{
    if (upgrades_.isEmpty()) return true;
    const int version = fileVersion();
    if (version < 0) return false;
    if (version <= schemaVersion()) return true;
    return fail(u"%1: made by a later release (schema version %2; this release knows up to %3)"_s.arg(filePath())
                    .arg(version)
                    .arg(schemaVersion()),
                StoreFault::Newer);
}

bool TableStore::upgrade()
{
    const int seen = fileVersion();
    if (seen < 0) return false;
    if (seen == schemaVersion()) return true;
    // Read again under the write lock: another copy of the program may have upgraded the file
    // since the first look.
    if (!exec(u"BEGIN IMMEDIATE"_s)) return false;
    const auto rollBack = [this] {
        const QString message = lastError_;
        const StoreFault fault = lastFault_;
        QSqlQuery(database()).exec(u"ROLLBACK"_s);
        return fail(message, fault);
    };
    const int from = fileVersion();
    if (from < 0 || !refuseNewer()) return rollBack();
    for (int k = from; k < schemaVersion(); ++k) {
        if (const QSqlError error = upgrades_[k](database()); error.isValid()) {
            fail(u"%1: upgrade to schema version %2: %3"_s.arg(filePath()).arg(k + 1).arg(errorText(error)), error);
            return rollBack();
        }
    }
    if (!exec(u"PRAGMA user_version=%1"_s.arg(schemaVersion())) || !exec(u"COMMIT"_s)) return rollBack();
    return true;
}

bool TableStore::clear(const QString& name)
{
    if (!open()) return false;
    if (!table(name)) return fail(u"no table named %1"_s.arg(name), StoreFault::Other);
    return exec(u"DELETE FROM "_s + quoted(name));
}

bool TableStore::append(const QString& name, const QVariantList& values)
{
    if (!open()) return false;
    const TableDef* t = table(name);
    if (!t) return fail(u"no table named %1"_s.arg(name), StoreFault::Other);
    if (values.size() != t->fields.size())
        return fail(u"table %1 has %2 fields, not %3"_s.arg(name).arg(t->fields.size()).arg(values.size()),
                    StoreFault::Other);

    QStringList marks;
    for (qsizetype i = 0; i < values.size(); ++i)
        marks << u"?"_s;
    QSqlQuery query(database());
    if (!query.prepare(u"INSERT INTO %1 VALUES (%2)"_s.arg(quoted(name), marks.join(u", "_s))))
        return fail(filePath() + u": "_s + errorText(query.lastError()), query.lastError());
    for (const QVariant& v : values)
        query.addBindValue(v);
    // Outside a transaction every statement commits on its own: the row is stored when exec returns.
    if (!query.exec()) return fail(filePath() + u": "_s + errorText(query.lastError()), query.lastError());
    return true;
}

} // namespace kazemaru
