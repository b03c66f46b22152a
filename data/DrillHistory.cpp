#include "data/DrillHistory.h"

#include "data/KyozaiSchema.h"
#include "data/untDTM.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

const QString historyName = u"drill_runs"_s;
const QString stampFormat = u"yyyy-MM-dd HH:mm:ss"_s; // sorts as text in time order

struct EndName {
    RunEnd end;
    const char16_t* code;
    const char16_t* text;
};
constexpr EndName endNames[] = {
    {RunEnd::Stopped, u"stop", u"ストップ"},
    {RunEnd::TimeUp, u"timeup", u"時間ぎれ"},
    {RunEnd::Abandoned, u"abandon", u"とちゅうでやめた"},
};

// Reads "2026-05-17 15:42:00" as stampFormat writes it, by position, as a local time. Parsing by
// format, and asking the C library for the local offset of every run, would cost tens of
// microseconds a run; the offset is asked once a day instead (at noon, away from clock changes).
class StampReader {
  public:
    QDateTime operator()(const QString& text)
    {
        const QStringView v(text);
        if (v.size() != 19) return QDateTime::fromString(text, stampFormat);
        const auto at = [&](qsizetype from, qsizetype n) { return v.mid(from, n).toInt(); };
        const QDate date(at(0, 4), at(5, 2), at(8, 2));
        auto offset = offsets_.constFind(date);
        if (offset == offsets_.cend()) offset = offsets_.insert(date, QDateTime(date, QTime(12, 0)).offsetFromUtc());
        return QDateTime(date, QTime(at(11, 2), at(14, 2), at(17, 2)), Qt::OffsetFromUTC, *offset);
    }

  private:
    QHash<QDate, int> offsets_;
};

RunEnd runEndFromCode(const QString& code)
{
    for (const EndName& e : endNames)
        if (code == QStringView(e.code)) return e.end;
    return RunEnd::Abandoned;
}

} // namespace

const TableDef& drillHistoryTable()
{
    static const TableDef table{historyName,
                                {{u"started"_s, u"TEXT"_s},
                                 {u"drill"_s, u"INTEGER"_s},
                                 {u"sub_topic"_s, u"INTEGER"_s},
                                 {u"places"_s, u"TEXT"_s},
                                 {u"time_limit"_s, u"INTEGER"_s},
                                 {u"problems"_s, u"INTEGER"_s},
                                 {u"rights"_s, u"INTEGER"_s},
                                 {u"score"_s, u"INTEGER"_s},
                                 {u"seconds"_s, u"INTEGER"_s},
                                 {u"ending"_s, u"TEXT"_s},
                                 {u"uid"_s, u"TEXT"_s},
                                 {u"child_uid"_s, u"TEXT"_s},
                                 {u"sent"_s, u"INTEGER"_s}}};
    return table;
}

QString runEndCode(RunEnd e)
{
    for (const EndName& n : endNames)
        if (n.end == e) return QString::fromUtf16(n.code);
    return {};
}

QString runEndText(RunEnd e)
{
    for (const EndName& n : endNames)
        if (n.end == e) return QString::fromUtf16(n.text);
    return {};
}

namespace {

StoreError historyFailed(const QString& what, const QString& message)
{
    return u"ドリルの れきし（%1）を %2。\n%3"_s.arg(historyName, what, message);
}

// The condition that keeps one child's runs (through their index), or none for every child's.
QString ofChild(const QString& childUid)
{
    return childUid.isEmpty() ? QString() : u"child_uid = ? AND"_s;
}

QString queryError(const TableStore& store, const QSqlQuery& q)
{
    return store.filePath() + u": "_s + q.lastError().text().trimmed();
}

} // namespace

StoreError TDataModule1::tryRecordRun(const DrillRunRecord& run)
{
    const QVariantList row{run.started.toString(stampFormat),
                           run.drill,
                           run.subTopic,
                           run.places,
                           run.timeLimit,
                           run.problems,
                           run.rights,
                           run.score,
                           run.seconds,
                           runEndCode(run.ending),
                           run.uid.isEmpty() ? newRowUid() : run.uid,
                           run.childUid.isEmpty() ? record_.currentChildUid() : run.childUid,
                           QVariant()};
    if (!store_.append(historyName, row)) return historyFailed(u"書きこめませんでした"_s, store_.lastError());
    return std::nullopt;
}

StoreError TDataModule1::tryReadRuns(int drill, int subTopic, QList<DrillRunRecord>& runs, const QString& childUid)
{
    runs.clear();
    if (!store_.open()) return historyFailed(u"読めませんでした"_s, store_.lastError());
    QSqlQuery q(store_.database());
    q.setForwardOnly(true);
    const bool ok =
        q.prepare(u"SELECT started, places, time_limit, problems, rights, score, seconds, ending, uid, "
                  u"child_uid FROM drill_runs WHERE %1 drill = ? AND sub_topic = ? ORDER BY started, rowid"_s.arg(
                      ofChild(childUid)));
    if (!childUid.isEmpty()) q.addBindValue(childUid);
    q.addBindValue(drill);
    q.addBindValue(subTopic);
    if (!ok || !q.exec()) return historyFailed(u"読めませんでした"_s, queryError(store_, q));
    StampReader stamp;
    while (q.next()) {
        DrillRunRecord r;
        r.started = stamp(q.value(0).toString());
        r.drill = drill;
        r.subTopic = subTopic;
        r.places = q.value(1).toString();
        r.timeLimit = q.value(2).toInt();
        r.problems = q.value(3).toInt();
        r.rights = q.value(4).toInt();
        r.score = q.value(5).toInt();
        r.seconds = q.value(6).toInt();
        r.ending = runEndFromCode(q.value(7).toString());
        r.uid = q.value(8).toString();
        r.childUid = q.value(9).toString();
        runs.append(r);
    }
    return std::nullopt;
}

StoreError TDataModule1::tryReadRunKinds(QList<DrillRunKind>& kinds, const QString& childUid)
{
    kinds.clear();
    if (!store_.open()) return historyFailed(u"読めませんでした"_s, store_.lastError());
    QSqlQuery q(store_.database());
    q.setForwardOnly(true);
    const bool ok = q.prepare(u"SELECT drill, sub_topic, count(*), max(started) FROM drill_runs WHERE %1 1 "
                              u"GROUP BY drill, sub_topic ORDER BY drill, sub_topic"_s.arg(ofChild(childUid)));
    if (!childUid.isEmpty()) q.addBindValue(childUid);
    if (!ok || !q.exec()) return historyFailed(u"読めませんでした"_s, queryError(store_, q));
    StampReader stamp;
    while (q.next())
        kinds.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), stamp(q.value(3).toString())});
    return std::nullopt;
}

} // namespace kazemaru
