#include "data/KyozaiSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <initializer_list>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Runs each statement in turn; the first failure's error, or an invalid error when all ran.
QSqlError run(const QSqlDatabase& db, std::initializer_list<QString> statements)
{
    for (const QString& statement : statements) {
        QSqlQuery q(db);
        if (!q.exec(statement)) return q.lastError();
    }
    return {};
}

// Version 0 → 1: the children, every answer, and runs that belong to a child.
QSqlError toVersion1(const QSqlDatabase& db)
{
    // The tables of release 1.1 exactly as it made them, for a new file or one that never had
    // them all (release 1.0 kept no run history).
    if (const QSqlError e = run(
            db,
            {u"CREATE TABLE IF NOT EXISTS \"dorill\" (\"NB\" INTEGER, \"MND\" TEXT, \"KAI\" INTEGER, \"KOT\" INTEGER, "
             u"\"HNT\" TEXT, \"AMS\" INTEGER, \"AMI\" INTEGER)"_s,
             u"CREATE TABLE IF NOT EXISTS \"dorills\" (\"NB\" INTEGER, \"MND\" TEXT, \"KAI\" TEXT, \"KOT\" TEXT, "
             u"\"HNT\" TEXT)"_s,
             u"CREATE TABLE IF NOT EXISTS \"drill_runs\" (\"started\" TEXT, \"drill\" INTEGER, \"sub_topic\" INTEGER, "
             u"\"places\" TEXT, \"time_limit\" INTEGER, \"problems\" INTEGER, \"rights\" INTEGER, \"score\" INTEGER, "
             u"\"seconds\" INTEGER, \"ending\" TEXT)"_s,
             u"CREATE TABLE children (uid TEXT PRIMARY KEY NOT NULL, name TEXT NOT NULL, colour INTEGER NOT NULL, "
             u"position INTEGER NOT NULL, sent INTEGER)"_s,
             u"CREATE TABLE answers (uid TEXT PRIMARY KEY NOT NULL, child_uid TEXT NOT NULL, answered_at TEXT NOT NULL, "
             u"lesson INTEGER NOT NULL, sub_topic INTEGER NOT NULL, kind TEXT NOT NULL, problem TEXT NOT NULL, "
             u"given TEXT NOT NULL, expected TEXT NOT NULL, correct INTEGER NOT NULL, seconds REAL NOT NULL, "
             u"attempt INTEGER NOT NULL, sent INTEGER)"_s,
             // The records window reads a child's items, their last answers and marks from this index
             // alone, and a lesson's latest answers through the next.
             u"CREATE INDEX answers_by_child ON answers (child_uid, lesson, sub_topic, answered_at, correct)"_s,
             u"CREATE INDEX answers_by_lesson ON answers (child_uid, lesson, answered_at)"_s,
             u"CREATE INDEX answers_unsent ON answers (answered_at) WHERE sent IS NULL"_s,
             u"ALTER TABLE drill_runs ADD COLUMN uid TEXT"_s, u"ALTER TABLE drill_runs ADD COLUMN child_uid TEXT"_s,
             u"ALTER TABLE drill_runs ADD COLUMN sent INTEGER"_s});
        e.isValid())
        return e;

    // The first child, who owns every run kept so far.
    const QString first = newRowUid();
    QSqlQuery child(db);
    if (!child.prepare(u"INSERT INTO children (uid, name, colour, position) VALUES (?, ?, 0, 1)"_s))
        return child.lastError();
    child.addBindValue(first);
    child.addBindValue(firstChildName());
    if (!child.exec()) return child.lastError();

    QList<qint64> runs;
    QSqlQuery all(db);
    if (!all.exec(u"SELECT rowid FROM drill_runs ORDER BY rowid"_s)) return all.lastError();
    while (all.next())
        runs.append(all.value(0).toLongLong());
    all.finish();
    QSqlQuery own(db);
    if (!own.prepare(u"UPDATE drill_runs SET uid = ?, child_uid = ? WHERE rowid = ?"_s)) return own.lastError();
    for (const qint64 rowid : runs) {
        own.bindValue(0, newRowUid());
        own.bindValue(1, first);
        own.bindValue(2, rowid);
        if (!own.exec()) return own.lastError();
    }

    // The runs are read by child now; the index by drill alone is not needed any more.
    return run(db, {u"DROP INDEX IF EXISTS drill_runs_by_drill_sub_topic_started"_s,
                    u"CREATE UNIQUE INDEX drill_runs_by_uid ON drill_runs (uid)"_s,
                    u"CREATE INDEX drill_runs_by_child ON drill_runs (child_uid, drill, sub_topic, started)"_s,
                    u"CREATE INDEX drill_runs_unsent ON drill_runs (started) WHERE sent IS NULL"_s});
}

// Version 1 → 2: a row the class server refused is kept with the server's reason and waits no
// more; the class's roster as the server last gave it, so that the child picker works offline.
QSqlError toVersion2(const QSqlDatabase& db)
{
    return run(db, {u"ALTER TABLE children ADD COLUMN refused TEXT"_s, u"ALTER TABLE answers ADD COLUMN refused TEXT"_s,
                    u"ALTER TABLE drill_runs ADD COLUMN refused TEXT"_s, u"DROP INDEX answers_unsent"_s,
                    u"CREATE INDEX answers_unsent ON answers (answered_at) WHERE sent IS NULL AND refused IS NULL"_s,
                    u"DROP INDEX drill_runs_unsent"_s,
                    u"CREATE INDEX drill_runs_unsent ON drill_runs (started) WHERE sent IS NULL AND refused IS NULL"_s,
                    u"CREATE INDEX answers_refused ON answers (uid) WHERE refused IS NOT NULL"_s,
                    u"CREATE INDEX drill_runs_refused ON drill_runs (uid) WHERE refused IS NOT NULL"_s,
                    u"CREATE TABLE class_roster (class_code TEXT NOT NULL, uid TEXT NOT NULL, name TEXT NOT NULL, "
                    u"colour INTEGER NOT NULL, position INTEGER NOT NULL, PRIMARY KEY (class_code, uid))"_s});
}

} // namespace

QList<SchemaStep> kyozaiUpgrades()
{
    return {toVersion1, toVersion2};
}

const TableDef& childrenTable()
{
    static const TableDef table{u"children"_s,
                                {{u"uid"_s, u"TEXT"_s},
                                 {u"name"_s, u"TEXT"_s},
                                 {u"colour"_s, u"INTEGER"_s},
                                 {u"position"_s, u"INTEGER"_s},
                                 {u"sent"_s, u"INTEGER"_s},
                                 {u"refused"_s, u"TEXT"_s}}};
    return table;
}

const TableDef& answersTable()
{
    static const TableDef table{u"answers"_s,
                                {{u"uid"_s, u"TEXT"_s},
                                 {u"child_uid"_s, u"TEXT"_s},
                                 {u"answered_at"_s, u"TEXT"_s},
                                 {u"lesson"_s, u"INTEGER"_s},
                                 {u"sub_topic"_s, u"INTEGER"_s},
                                 {u"kind"_s, u"TEXT"_s},
                                 {u"problem"_s, u"TEXT"_s},
                                 {u"given"_s, u"TEXT"_s},
                                 {u"expected"_s, u"TEXT"_s},
                                 {u"correct"_s, u"INTEGER"_s},
                                 {u"seconds"_s, u"REAL"_s},
                                 {u"attempt"_s, u"INTEGER"_s},
                                 {u"sent"_s, u"INTEGER"_s},
                                 {u"refused"_s, u"TEXT"_s}}};
    return table;
}

const TableDef& rosterTable()
{
    static const TableDef table{u"class_roster"_s,
                                {{u"class_code"_s, u"TEXT"_s},
                                 {u"uid"_s, u"TEXT"_s},
                                 {u"name"_s, u"TEXT"_s},
                                 {u"colour"_s, u"INTEGER"_s},
                                 {u"position"_s, u"INTEGER"_s}}};
    return table;
}

QString firstChildName()
{
    return u"こども１"_s;
}

QString newRowUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace kazemaru
