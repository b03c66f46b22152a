#include "data/ClassQueue.h"

#include "data/KyozaiSchema.h"
#include "data/LearningRecordStore.h"
#include "data/StoreStatement.h"
#include "data/untDTM.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

QString tableName(QueueTable t)
{
    switch (t) {
    case QueueTable::Children: return u"children"_s;
    case QueueTable::Answers: return u"answers"_s;
    case QueueTable::Runs: return u"drill_runs"_s;
    }
    return {};
}

} // namespace

QString unusedStarterCondition()
{
    return u"(c.name = ? AND c.sent IS NULL AND NOT EXISTS (SELECT 1 FROM answers a WHERE a.child_uid = c.uid) "
           u"AND NOT EXISTS (SELECT 1 FROM drill_runs r WHERE r.child_uid = c.uid))"_s;
}

ClassQueue::ClassQueue(TableStore& store)
    : store_(store)
{
}

StoreError ClassQueue::failed(const QString& message, StoreFault fault) const
{
    return failureText(u"クラスの サーバーに おくる きろく"_s, u"読み書きできませんでした"_s, fault, message);
}

StoreError ClassQueue::tryReadChildren(QList<ChildProfile>& children)
{
    children.clear();
    if (!store_.open()) return failed(store_.lastError(), store_.lastFault());
    Statement s(store_,
                u"SELECT c.uid, c.name, c.colour FROM children c WHERE c.sent IS NULL AND c.refused IS NULL "
                u"AND NOT %1 ORDER BY c.position, c.rowid"_s.arg(unusedStarterCondition()),
                {firstChildName()});
    if (!s) return failed(s.message, s.fault);
    while (s.query.next())
        children.append({s.query.value(0).toString(), s.query.value(1).toString(), s.query.value(2).toInt()});
    return std::nullopt;
}

StoreError ClassQueue::tryReadAnswers(int limit, QList<AnswerRecord>& rows)
{
    rows.clear();
    if (!store_.open()) return failed(store_.lastError(), store_.lastFault());
    // Through the index of the rows not sent, in the order they were answered.
    Statement s(store_,
                LearningRecordStore::answerSelect() +
                    u"WHERE sent IS NULL AND refused IS NULL ORDER BY answered_at, rowid LIMIT ?"_s,
                {limit});
    if (!s) return failed(s.message, s.fault);
    while (s.query.next())
        rows.append(LearningRecordStore::answerAt(s.query));
    return std::nullopt;
}

StoreError ClassQueue::tryReadRuns(int limit, QList<DrillRunRecord>& runs)
{
    runs.clear();
    if (!store_.open()) return failed(store_.lastError(), store_.lastFault());
    Statement s(store_, runSelect() + u"WHERE sent IS NULL AND refused IS NULL ORDER BY started, rowid LIMIT ?"_s,
                {limit});
    if (!s) return failed(s.message, s.fault);
    StampReader stamp;
    while (s.query.next())
        runs.append(runAt(s.query, stamp));
    return std::nullopt;
}

StoreError ClassQueue::mark(QueueTable table, const QString& assignment, const QVariant& value, const QStringList& uids)
{
    if (uids.isEmpty()) return std::nullopt;
    if (!store_.open()) return failed(store_.lastError(), store_.lastFault());
    // One transaction: one wait for the disk however many rows, and all marked or none.
    Statement begin(store_, u"BEGIN IMMEDIATE"_s);
    if (!begin) return failed(begin.message, begin.fault);
    const QString statement = u"UPDATE %1 SET %2 = ? WHERE uid = ?"_s.arg(tableName(table), assignment);
    for (const QString& uid : uids) {
        Statement s(store_, statement, {value, uid});
        if (!s) {
            QSqlQuery(store_.database()).exec(u"ROLLBACK"_s);
            return failed(s.message, s.fault);
        }
    }
    Statement commit(store_, u"COMMIT"_s);
    if (!commit) {
        QSqlQuery(store_.database()).exec(u"ROLLBACK"_s);
        return failed(commit.message, commit.fault);
    }
    return std::nullopt;
}

StoreError ClassQueue::tryMarkSent(QueueTable table, const QStringList& uids, qint64 sentAt)
{
    return mark(table, u"sent"_s, sentAt, uids);
}

StoreError ClassQueue::tryMarkRefused(QueueTable table, const QStringList& uids, const QString& reason)
{
    return mark(table, u"refused"_s, reason.isEmpty() ? u"?"_s : reason, uids);
}

StoreError ClassQueue::tryRetryRefused()
{
    if (!store_.open()) return failed(store_.lastError(), store_.lastFault());
    for (const QString& table : {u"children"_s, u"answers"_s, u"drill_runs"_s}) {
        Statement s(store_, u"UPDATE %1 SET refused = NULL WHERE refused IS NOT NULL"_s.arg(table));
        if (!s) return failed(s.message, s.fault);
    }
    return std::nullopt;
}

StoreError ClassQueue::tryCount(QueueCounts& counts)
{
    counts = {};
    if (!store_.open()) return failed(store_.lastError(), store_.lastFault());
    Statement s(store_, u"SELECT (SELECT count(*) FROM answers WHERE sent IS NULL AND refused IS NULL) + "
                        u"(SELECT count(*) FROM drill_runs WHERE sent IS NULL AND refused IS NULL), "
                        u"(SELECT count(*) FROM answers WHERE refused IS NOT NULL) + "
                        u"(SELECT count(*) FROM drill_runs WHERE refused IS NOT NULL) + "
                        u"(SELECT count(*) FROM children WHERE refused IS NOT NULL)"_s);
    if (!s) return failed(s.message, s.fault);
    if (s.query.next()) counts = {s.query.value(0).toInt(), s.query.value(1).toInt()};
    return std::nullopt;
}

} // namespace kazemaru
