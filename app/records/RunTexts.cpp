#include "app/records/RunTexts.h"

#include "app/Shell.h"
#include "frame/FrameFacts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

QString limitText(int seconds)
{
    return seconds > 0 ? u"%1ふん"_s.arg(seconds / 60) : u"なし"_s;
}

QString durationText(int seconds)
{
    return seconds >= 60 ? u"%1ふん%2びょう"_s.arg(seconds / 60).arg(seconds % 60) : u"%1びょう"_s.arg(seconds);
}

QString paceText(const DrillRunRecord& run)
{
    return QString::number(run.secondsPerProblem(), 'f', 1);
}

} // namespace

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) return text;
    QString inner = text;
    inner.replace(u"\""_s, u"\"\""_s);
    return u'"' + inner + u'"';
}

QString drillName(int drill)
{
    return drill == 8 || drill == 12 ? frameFacts(drill).titles.value(0).text : u"ドリル %1"_s.arg(drill);
}

int subTopicCount(int drill)
{
    return drill == 8 || drill == 12 ? int(frameFacts(drill).menu.items.size()) : 0;
}

QString subTopicName(int drill, int subTopic)
{
    if (subTopic >= 1 && subTopic <= subTopicCount(drill)) return frameFacts(drill).menu.items[subTopic - 1];
    return u"メニュー %1"_s.arg(subTopic);
}

QStringList runColumnTitles()
{
    return {u"日時"_s,      u"時間"_s,         u"もんだい"_s,         u"○のかず"_s,
            u"せいせき"_s,  u"かかった時間"_s, u"1もんの びょう数"_s, u"小数のけた"_s,
            u"おわりかた"_s};
}

bool runCellIsNumber(int column)
{
    return column >= 2 && column <= 6;
}

QString runCell(const DrillRunRecord& run, int column)
{
    switch (column) {
    case 0: return run.started.toString(u"yyyy/MM/dd HH:mm"_s);
    case 1: return limitText(run.timeLimit);
    case 2: return QString::number(run.problems);
    case 3: return QString::number(run.rights);
    case 4: return u"%1てん"_s.arg(run.score);
    case 5: return durationText(run.seconds);
    case 6: return paceText(run);
    case 7: return run.places;
    case 8: return runEndText(run.ending);
    default: return {};
    }
}

QByteArray csvDocument(const QList<QStringList>& rows)
{
    QStringList lines;
    for (const QStringList& fields : rows) {
        QStringList quoted;
        for (const QString& f : fields)
            quoted << csvField(f);
        lines << quoted.join(u',');
    }
    return "\xEF\xBB\xBF" + (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

QByteArray runsCsv(const QList<DrillRunRecord>& runs)
{
    QList<QStringList> rows{{u"日時"_s, u"ドリル"_s, u"メニュー"_s, u"小数のけた"_s, u"時間（びょう）"_s, u"もんだい"_s,
                             u"○のかず"_s, u"せいせき（てん）"_s, u"かかった時間（びょう）"_s, u"1もんの びょう数"_s,
                             u"おわりかた"_s}};
    for (const DrillRunRecord& r : runs) {
        rows << QStringList{r.started.toString(u"yyyy-MM-dd HH:mm:ss"_s),
                            drillName(r.drill),
                            subTopicName(r.drill, r.subTopic),
                            r.places,
                            QString::number(r.timeLimit),
                            QString::number(r.problems),
                            QString::number(r.rights),
                            QString::number(r.score),
                            QString::number(r.seconds),
                            paceText(r),
                            runEndText(r.ending)};
    }
    return csvDocument(rows);
}

} // namespace kazemaru
