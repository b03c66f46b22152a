#pragma once
// Arithmetic every timed drill shares: the limits of the time selector, the problem number line
// and the summary of an ended run.
#include <QString>

namespace kazemaru {

// Items of the time selector and their limits in seconds: "　　なし" 0 (no limit), "　５ふん" 300,
// "１０ぷん" 600, "１５ふん" 900; no item chosen (−1) gives 0.
inline constexpr int timeSelectorItems = 4;
int drillTimeLimit(int itemIndex);

// "もんだい：3", the problem number above the problem line.
QString drillNumberText(int problemCounter);

// The four summary lines of an ended run. The score is right answers out of problems posed,
// rounded down (0 when nothing was posed); the time is whole minutes and seconds.
struct DrillSummary {
    QString problems; // "もんだい： 12"
    QString rights;   // "○のかず： 9"
    QString score;    // "せいせき： 75 てん"
    QString time;     // "じかん　： 2 ふん 5 びょう"
};
// The score of a run: right answers out of problems posed, rounded down; 0 when nothing was posed.
int drillScore(int problemCounter, int rightCount);
DrillSummary drillSummary(int problemCounter, int rightCount, qint64 elapsedSeconds);

} // namespace kazemaru
