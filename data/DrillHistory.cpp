#include "data/DrillHistory.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

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

const QString stampFormat = u"yyyy-MM-dd HH:mm:ss"_s; // sorts as text in time order

} // namespace

const TableDef& drillHistoryTable()
{
    static const TableDef table{u"drill_runs"_s,
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
                                 {u"sent"_s, u"INTEGER"_s},
                                 {u"refused"_s, u"TEXT"_s}}};
    return table;
}

QString runEndCode(RunEnd e)
{
    for (const EndName& n : endNames)
        if (n.end == e) return QString::fromUtf16(n.code);
    return {};
}

RunEnd runEndFromCode(const QString& code)
{
    for (const EndName& e : endNames)
        if (code == QStringView(e.code)) return e.end;
    return RunEnd::Abandoned;
}

QString runEndText(RunEnd e)
{
    for (const EndName& n : endNames)
        if (n.end == e) return QString::fromUtf16(n.text);
    return {};
}

QString stampText(const QDateTime& t)
{
    return t.toString(stampFormat);
}

// Reads by position: parsing by format, and asking the C library for the local offset of every
// run, would cost tens of microseconds a run; the offset is asked once a day instead (at noon,
// away from clock changes).
QDateTime StampReader::operator()(const QString& text)
{
    const QStringView v(text);
    if (v.size() != 19) return QDateTime::fromString(text, stampFormat);
    const auto at = [&](qsizetype from, qsizetype n) { return v.mid(from, n).toInt(); };
    const QDate date(at(0, 4), at(5, 2), at(8, 2));
    auto offset = offsets_.constFind(date);
    if (offset == offsets_.cend()) offset = offsets_.insert(date, QDateTime(date, QTime(12, 0)).offsetFromUtc());
    return QDateTime(date, QTime(at(11, 2), at(14, 2), at(17, 2)), Qt::OffsetFromUTC, *offset);
}

QString runSelect()
{
    return u"SELECT started, drill, sub_topic, places, time_limit, problems, rights, score, seconds, ending, uid, "
           u"child_uid FROM drill_runs "_s;
}

DrillRunRecord runAt(const QSqlQuery& q, StampReader& stamp)
{
    DrillRunRecord r;
    r.started = stamp(q.value(0).toString());
    r.drill = q.value(1).toInt();
    r.subTopic = q.value(2).toInt();
    r.places = q.value(3).toString();
    r.timeLimit = q.value(4).toInt();
    r.problems = q.value(5).toInt();
    r.rights = q.value(6).toInt();
    r.score = q.value(7).toInt();
    r.seconds = q.value(8).toInt();
    r.ending = runEndFromCode(q.value(9).toString());
    r.uid = q.value(10).toString();
    r.childUid = q.value(11).toString();
    return r;
}

} // namespace kazemaru
