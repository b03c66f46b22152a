#include "data/ClassRoster.h"

#include "data/ClassQueue.h"
#include "data/KyozaiSchema.h"
#include "data/StoreStatement.h"
#include "data/untDTM.h"

#include <QDateTime>
#include <QSet>

using namespace Qt::StringLiterals;

namespace kazemaru {

QList<ChildProfile> pickableChildren(const QList<ChildProfile>& local, const QStringList& unusedStarters,
                                     const QList<ChildProfile>& roster)
{
    QList<ChildProfile> out;
    QSet<QString> shown;
    for (const ChildProfile& r : roster) {
        const auto here =
            std::find_if(local.cbegin(), local.cend(), [&](const ChildProfile& c) { return c.uid == r.uid; });
        out.append(here == local.cend() ? r : *here);
        shown.insert(r.uid);
    }
    for (const ChildProfile& c : local)
        if (!shown.contains(c.uid) && !(!roster.isEmpty() && unusedStarters.contains(c.uid))) out.append(c);
    return out;
}

ClassRoster::ClassRoster(TableStore& store)
    : store_(store)
{
}

StoreError ClassRoster::failed(const QString& message, StoreFault fault) const
{
    return failureText(u"クラスの めいぼ"_s, u"読み書きできませんでした"_s, fault, message);
}

StoreError ClassRoster::tryRead(const QString& classCode, QList<ChildProfile>& roster)
{
    roster.clear();
    if (!store_.open()) return failed(store_.lastError(), store_.lastFault());
    Statement s(store_, u"SELECT uid, name, colour FROM class_roster WHERE class_code = ? ORDER BY position"_s,
                {classCode});
    if (!s) return failed(s.message, s.fault);
    while (s.query.next())
        roster.append({s.query.value(0).toString(), s.query.value(1).toString(), s.query.value(2).toInt()});
    return std::nullopt;
}

StoreError ClassRoster::tryKeep(const QString& classCode, const QList<ChildProfile>& roster, bool& changed)
{
    changed = false;
    QList<ChildProfile> kept;
    if (StoreError e = tryRead(classCode, kept)) return e;
    changed = kept.size() != roster.size();
    for (qsizetype i = 0; !changed && i < roster.size(); ++i)
        changed = kept[i].uid != roster[i].uid || kept[i].name != roster[i].name || kept[i].colour != roster[i].colour;
    if (!changed) return std::nullopt; // nothing written when the class is as it was
    Statement begin(store_, u"BEGIN IMMEDIATE"_s);
    if (!begin) return failed(begin.message, begin.fault);
    const auto undo = [this](const Statement& s) {
        QSqlQuery(store_.database()).exec(u"ROLLBACK"_s);
        return failed(s.message, s.fault);
    };
    Statement clear(store_, u"DELETE FROM class_roster WHERE class_code = ?"_s, {classCode});
    if (!clear) return undo(clear);
    for (qsizetype i = 0; i < roster.size(); ++i) {
        const ChildProfile& c = roster[i];
        Statement add(store_, u"INSERT OR REPLACE INTO class_roster VALUES (?, ?, ?, ?, ?)"_s,
                      {classCode, c.uid, c.name, c.colour, qlonglong(i + 1)});
        if (!add) return undo(add);
    }
    Statement commit(store_, u"COMMIT"_s);
    if (!commit) return undo(commit);
    return std::nullopt;
}

StoreError ClassRoster::tryReadPickable(const QString& classCode, QList<ChildProfile>& children)
{
    children.clear();
    QList<ChildProfile> roster;
    if (StoreError e = tryRead(classCode, roster)) return e;
    QList<ChildProfile> local;
    QStringList unused;
    Statement s(store_,
                u"SELECT c.uid, c.name, c.colour, %1 FROM children c ORDER BY c.position, c.rowid"_s.arg(
                    unusedStarterCondition()),
                {firstChildName()});
    if (!s) return failed(s.message, s.fault);
    while (s.query.next()) {
        local.append({s.query.value(0).toString(), s.query.value(1).toString(), s.query.value(2).toInt()});
        if (s.query.value(3).toBool()) unused << local.last().uid;
    }
    children = pickableChildren(local, unused, roster);
    return std::nullopt;
}

StoreError ClassRoster::tryAdopt(const QString& classCode, const QString& uid)
{
    if (!store_.open()) return failed(store_.lastError(), store_.lastFault());
    Statement s(store_,
                u"INSERT OR IGNORE INTO children (uid, name, colour, position, sent) "
                u"SELECT uid, name, colour, (SELECT coalesce(max(position), 0) + 1 FROM children), ? "
                u"FROM class_roster WHERE class_code = ? AND uid = ?"_s,
                {QDateTime::currentSecsSinceEpoch(), classCode, uid});
    if (!s) return failed(s.message, s.fault);
    return std::nullopt;
}

} // namespace kazemaru
