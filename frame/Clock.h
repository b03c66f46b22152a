#pragma once
#include <QDateTime>
#include <functional>

namespace kazemaru {

QDateTime currentDateTime(); // local date and time
qint64 monotonicMs();        // for elapsed times
void setClockSource(std::function<QDateTime()> now, std::function<qint64()> monotonic);

// "mm/dd  hh:mm AM/PM", the clock text of every status bar.
QString clockText(const QDateTime& t);

} // namespace kazemaru
