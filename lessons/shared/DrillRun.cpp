#include "lessons/shared/DrillRun.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace kazemaru {

int drillTimeLimit(int itemIndex)
{
    static constexpr int limits[timeSelectorItems] = {0, 300, 600, 900};
    return itemIndex >= 0 && itemIndex < timeSelectorItems ? limits[itemIndex] : 0;
}

QString drillNumberText(int problemCounter)
{
    return u"もんだい："_s + QString::number(problemCounter);
}

int drillScore(int problemCounter, int rightCount)
{
    return problemCounter > 0 ? rightCount * 100 / problemCounter : 0;
}

DrillSummary drillSummary(int problemCounter, int rightCount, qint64 elapsedSeconds)
{
    const int score = drillScore(problemCounter, rightCount);
    const qint64 seconds = std::max<qint64>(elapsedSeconds, 0);
    return {u"もんだい： "_s + QString::number(problemCounter), u"○のかず： "_s + QString::number(rightCount),
            u"せいせき： %1 てん"_s.arg(score), u"じかん　： %1 ふん %2 びょう"_s.arg(seconds / 60).arg(seconds % 60)};
}

} // namespace kazemaru
