#include "frame/Clock.h"

#include <QElapsedTimer>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

std::function<QDateTime()>& nowSource()
{
    static std::function<QDateTime()> s;
    return s;
}

std::function<qint64()>& monotonicSource()
{
    static std::function<qint64()> s;
    return s;
}

} // namespace

QDateTime currentDateTime()
{
    return nowSource() ? nowSource()() : QDateTime::currentDateTime();
}

qint64 monotonicMs()
{
    if (monotonicSource()) return monotonicSource()();
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

void setClockSource(std::function<QDateTime()> now, std::function<qint64()> monotonic)
{
    nowSource() = std::move(now);
    monotonicSource() = std::move(monotonic);
}

QString clockText(const QDateTime& t)
{
    const int hour = t.time().hour();
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return u"%1/%2  %3:%4 %5"_s.arg(t.date().month(), 2, 10, QChar(u'0'))
        .arg(t.date().day(), 2, 10, QChar(u'0'))
        .arg(hour12, 2, 10, QChar(u'0'))
        .arg(t.time().minute(), 2, 10, QChar(u'0'))
        .arg(hour < 12 ? u"AM"_s : u"PM"_s);
}

} // namespace kazemaru
