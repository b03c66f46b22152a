#include "data/LearningRecordStore.h"

#include "data/KyozaiSchema.h"
#include "data/StoreStatement.h"
#include "data/untDTM.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Bound as an empty text, never as NULL: the answer's texts are NOT NULL.
QString text(const QString& s)
{
    return s.isNull() ? u""_s : s;
}

qsizetype characters(const QString& s)
{
    return s.toUcs4().size();
}

} // namespace

LearningRecordStore::LearningRecordStore(TableStore& store)
    : store_(store)
{
}

NameCheck LearningRecordStore::checkName(const QString& name, const QList<ChildProfile>& children,
                                         const QString& exceptUid)
{
    if (name.trimmed().isEmpty()) return NameCheck::Empty;
    if (characters(name) > nameLength) return NameCheck::TooLong;
    for (const ChildProfile& c : children)
        if (c.uid != exceptUid && c.name == name) return NameCheck::Taken;
    return NameCheck::Fine;
}

StoreError LearningRecordStore::failed(const QString& what, const QString& message, StoreFault fault) const
{
    const QString plain = storeFaultAdvice(fault);
    return u"べんきょうの きろくを %1。\n%2%3"_s.arg(what, plain.isEmpty() ? QString() : plain + u'\n', message);
}

StoreError LearningRecordStore::tryReadChildren(QList<ChildProfile>& children)
{
    children.clear();
    if (!store_.open()) return failed(u"読めませんでした"_s, store_.lastError(), store_.lastFault());
    Statement s(store_, u"SELECT uid, name, colour FROM children ORDER BY position, rowid"_s);
    if (!s) return failed(u"読めませんでした"_s, s.message, s.fault);
    while (s.query.next())
        children.append({s.query.value(0).toString(), s.query.value(1).toString(), s.query.value(2).toInt()});
    return std::nullopt;
}

StoreError LearningRecordStore::tryAddChild(const QString& name, int colour, ChildProfile& added)
{
    if (!store_.open()) return failed(u"書きこめませんでした"_s, store_.lastError(), store_.lastFault());
    const ChildProfile child{newRowUid(), name, std::clamp(colour, 0, colourCount - 1)};
    Statement s(store_,
                u"INSERT INTO children (uid, name, colour, position) "
                u"VALUES (?, ?, ?, (SELECT coalesce(max(position), 0) + 1 FROM children))"_s,
                {child.uid, child.name, child.colour});
    if (!s) return failed(u"書きこめませんでした"_s, s.message, s.fault);
    added = child;
    return std::nullopt;
}

StoreError LearningRecordStore::tryUpdateChild(const ChildProfile& child)
{
    if (!store_.open()) return failed(u"書きこめませんでした"_s, store_.lastError(), store_.lastFault());
    Statement s(store_, u"UPDATE children SET name = ?, colour = ? WHERE uid = ?"_s,
                {child.name, std::clamp(child.colour, 0, colourCount - 1), child.uid});
    if (!s) return failed(u"書きこめませんでした"_s, s.message, s.fault);
    return std::nullopt;
}

StoreError LearningRecordStore::tryRemoveChild(const QString& uid)
{
    if (!store_.open()) return failed(u"消せませんでした"_s, store_.lastError(), store_.lastFault());
    // One transaction: the child and all of theirs go together or not at all.
    Statement begin(store_, u"BEGIN IMMEDIATE"_s);
    if (!begin) return failed(u"消せませんでした"_s, begin.message, begin.fault);
    const auto undo = [this](const Statement& s) {
        QSqlQuery(store_.database()).exec(u"ROLLBACK"_s);
        return failed(u"消せませんでした"_s, s.message, s.fault);
    };
    {
        Statement count(store_, u"SELECT count(*) FROM children WHERE uid <> ?"_s, {uid});
        if (!count) return undo(count);
        if (!count.query.next() || count.query.value(0).toInt() == 0) {
            count.query.finish();
            QSqlQuery(store_.database()).exec(u"ROLLBACK"_s);
            return failed(u"消せませんでした"_s, u"the last child is never removed"_s, StoreFault::Other);
        }
    }
    for (const QString& statement :
         {u"DELETE FROM answers WHERE child_uid = ?"_s, u"DELETE FROM drill_runs WHERE child_uid = ?"_s,
          u"DELETE FROM children WHERE uid = ?"_s}) {
        Statement s(store_, statement, {uid});
        if (!s) return undo(s);
    }
    Statement commit(store_, u"COMMIT"_s);
    if (!commit) return undo(commit);
    if (current_ == uid) current_.clear();
    return std::nullopt;
}

QString LearningRecordStore::currentChildUid()
{
    if (current_.isEmpty()) {
        QList<ChildProfile> children;
        if (!tryReadChildren(children) && !children.isEmpty()) current_ = children.first().uid;
    }
    return current_;
}

StoreError LearningRecordStore::tryReadSummary(const QString& childUid, QList<ItemSummary>& items)
{
    items.clear();
    if (!store_.open()) return failed(u"読めませんでした"_s, store_.lastError(), store_.lastFault());
    Statement s(store_,
                u"SELECT lesson, sub_topic, count(*), sum(correct), max(answered_at) FROM answers "
                u"WHERE child_uid = ? GROUP BY lesson, sub_topic ORDER BY lesson, sub_topic"_s,
                {childUid});
    if (!s) return failed(u"読めませんでした"_s, s.message, s.fault);
    while (s.query.next())
        items.append({s.query.value(0).toInt(), s.query.value(1).toInt(), s.query.value(2).toInt(),
                      s.query.value(3).toInt(), QDateTime::fromString(s.query.value(4).toString(), Qt::ISODateWithMs)});
    return std::nullopt;
}

StoreError LearningRecordStore::tryReadWeakItems(const QString& childUid, const QList<ItemSummary>& answered,
                                                 QList<WeakItem>& weak)
{
    weak.clear();
    if (!store_.open()) return failed(u"読めませんでした"_s, store_.lastError(), store_.lastFault());
    // Each item's latest answers, read backwards through the index: a few rows an item, however
    // long the child's record has grown.
    for (const ItemSummary& item : answered) {
        if (item.answers < weakAtLeast) continue;
        Statement s(store_,
                    u"SELECT count(*), coalesce(sum(correct), 0) FROM (SELECT correct FROM answers "
                    u"WHERE child_uid = ? AND lesson = ? AND sub_topic = ? ORDER BY answered_at DESC LIMIT ?)"_s,
                    {childUid, item.lesson, item.subTopic, weakWindow});
        if (!s) return failed(u"読めませんでした"_s, s.message, s.fault);
        if (!s.query.next()) continue;
        weak.append({item.lesson, item.subTopic, s.query.value(0).toInt(), s.query.value(1).toInt()});
    }
    weak = rankWeakItems(std::move(weak));
    return std::nullopt;
}

QList<WeakItem> LearningRecordStore::rankWeakItems(QList<WeakItem> recent)
{
    recent.removeIf([](const WeakItem& w) { return w.answers < weakAtLeast || w.rights >= w.answers; });
    // Lowest rate first (compared as fractions, exactly), then in the order given.
    std::stable_sort(recent.begin(), recent.end(), [](const WeakItem& a, const WeakItem& b) {
        return qint64(a.rights) * b.answers < qint64(b.rights) * a.answers;
    });
    if (recent.size() > weakShownAtMost) recent.resize(weakShownAtMost);
    return recent;
}

QString LearningRecordStore::answerSelect()
{
    return u"SELECT uid, child_uid, answered_at, lesson, sub_topic, kind, problem, given, expected, correct, seconds, "
           u"attempt FROM answers "_s;
}

AnswerRecord LearningRecordStore::answerAt(const QSqlQuery& q)
{
    AnswerRecord r;
    r.uid = q.value(0).toString();
    r.childUid = q.value(1).toString();
    r.answeredAt = QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs);
    r.lesson = q.value(3).toInt();
    r.subTopic = q.value(4).toInt();
    r.kind = q.value(5).toString();
    r.problem = q.value(6).toString();
    r.given = q.value(7).toString();
    r.expected = q.value(8).toString();
    r.right = q.value(9).toInt() != 0;
    r.seconds = q.value(10).toDouble();
    r.attempt = q.value(11).toInt();
    return r;
}

StoreError LearningRecordStore::readAnswers(const QString& where, const QVariantList& values, QList<AnswerRecord>& rows)
{
    rows.clear();
    if (!store_.open()) return failed(u"読めませんでした"_s, store_.lastError(), store_.lastFault());
    Statement s(store_, answerSelect() + where, values);
    if (!s) return failed(u"読めませんでした"_s, s.message, s.fault);
    while (s.query.next())
        rows.append(answerAt(s.query));
    return std::nullopt;
}

StoreError LearningRecordStore::tryReadLatestAnswers(const QString& childUid, int lesson, int limit,
                                                     QList<AnswerRecord>& rows)
{
    return readAnswers(u"WHERE child_uid = ? AND lesson = ? ORDER BY answered_at DESC, rowid DESC LIMIT ?"_s,
                       {childUid, lesson, limit}, rows);
}

StoreError LearningRecordStore::tryReadAnswers(const QString& childUid, QList<AnswerRecord>& rows)
{
    return readAnswers(u"WHERE child_uid = ? ORDER BY answered_at, rowid"_s, {childUid}, rows);
}

QString LearningRecordStore::stampText(const QDateTime& at)
{
    const int offset = at.offsetFromUtc() / 60;
    const int hours = std::abs(offset) / 60, minutes = std::abs(offset) % 60;
    return at.toString(u"yyyy-MM-ddTHH:mm:ss.zzz"_s) + u"%1%2:%3"_s.arg(QChar(offset < 0 ? u'-' : u'+'))
                                                           .arg(hours, 2, 10, QChar(u'0'))
                                                           .arg(minutes, 2, 10, QChar(u'0'));
}

QVariantList LearningRecordStore::answerRow(const AnswerRecord& a)
{
    return {a.uid,           a.childUid,    stampText(a.answeredAt), a.lesson,        a.subTopic, text(a.kind),
            text(a.problem), text(a.given), text(a.expected),        a.right ? 1 : 0, a.seconds,  a.attempt,
            QVariant(),      QVariant()};
}

} // namespace kazemaru
