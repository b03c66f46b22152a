#include "app/records/ChartScale.h"

#include <algorithm>

namespace kazemaru {

DateScale dateScale(const QDateTime& first, const QDateTime& last)
{
    // Ticks at noon: a run sits near the tick of its own date, and a clock change of an hour
    // never carries a tick over midnight into the day before or after.
    constexpr qint64 room = 3 * 3600;
    const QTime noon(12, 0);
    const QDate firstDay = first.addSecs(-room - 12 * 3600).date(); // its noon is at least `room` before
    const QDateTime after = std::max(last, first).addSecs(room);
    const QDate lastDay = after.time() <= noon ? after.date() : after.date().addDays(1);
    const int days = int(std::max<qint64>(firstDay.daysTo(lastDay), 1));
    constexpr int mostSteps = 9;
    DateScale scale;
    scale.stepDays = (days + mostSteps - 1) / mostSteps;
    const int steps = (days + scale.stepDays - 1) / scale.stepDays;
    scale.ticks = steps + 1;
    scale.start = QDateTime(firstDay, noon);
    scale.end = QDateTime(firstDay.addDays(qint64(steps) * scale.stepDays), noon);
    return scale;
}

} // namespace kazemaru
