#pragma once
// Arithmetic of the division drill (TForm8): the problem generator of its three kinds, the time
// limits of its time selector, judging an answer, the result row it stores and the run summary.
// Problems are drawn from the program's one random generator, in a fixed order of draws.
#include <QString>
#include <QVariantList>

namespace kazemaru {

// Sub-topics of the menu: 1 one-digit divisor, 2 two-digit divisor, 3 three-digit divisor.
inline constexpr int divisionDrillSubTopics = 3;

// The redraw loop of the two-digit kind gives up after this many draws and poses 76 ÷ 23.
inline constexpr int divisionDrillMaxDraws = 1000;

struct DivisionDrillProblem {
    int dividend = 0;
    int divisor = 0;
    int quotient() const { return divisor ? dividend / divisor : 0; }
    int remainder() const { return divisor ? dividend % divisor : 0; }
};

// Reseeds the generator, draws the form a (Random(9)), then the divisor and the dividend of the
// sub-topic's kind. Outside 1 … 3 nothing is drawn and the problem is all 0.
DivisionDrillProblem drawDivisionDrillProblem(int subTopic);

// Items of the time selector and their limits in seconds: "　　なし" 0 (no limit), "　５ふん" 300,
// "１０ぷん" 600, "１５ふん" 900; no item chosen (−1) gives 0.
inline constexpr int timeSelectorItems = 4;
int drillTimeLimit(int itemIndex);

// "もんだい：3", the problem number above the problem line.
QString divisionDrillNumberText(int problemCounter);

// "76 ÷ 23 = ?", the problem line.
QString divisionDrillQuestionText(const DivisionDrillProblem& p);

// Right when both the quotient and the remainder are.
bool divisionDrillRight(const DivisionDrillProblem& p, int enteredQuotient, int enteredRemainder);

// The dorill row of an answer, values by field position: NB, MND ("　76 ÷ 23"), KAI, KOT,
// HNT (" ○" or " ×"), AMS, AMI.
QVariantList divisionDrillRow(int problemNumber, const DivisionDrillProblem& p, int enteredQuotient,
                              int enteredRemainder);

// The four summary lines of an ended run. The score is right answers out of problems posed,
// rounded down (0 when nothing was posed); the time is whole minutes and seconds.
struct DrillSummary {
    QString problems; // "もんだい： 12"
    QString rights;   // "○のかず： 9"
    QString score;    // "せいせき： 75 てん"
    QString time;     // "じかん　： 2 ふん 5 びょう"
};
DrillSummary drillSummary(int problemCounter, int rightCount, qint64 elapsedSeconds);

} // namespace kazemaru
