#pragma once
// Long division of a two-, three- or four-digit dividend by a two-digit divisor: the worked
// examples and their texts, the test problems, and the columns of the figure.
#include "lessons/division/WrittenPlan.h"

namespace kazemaru::longdiv {

// The dividend's digits stand in the columns 680–700, 700–720, 720–740 and 740–760.
inline constexpr int twoDigitDividendLeft = 680;
inline constexpr int twoDigitQuotientLeft = 698; // where the quotient row waits for a problem

std::array<RowState, rowCount> twoDigitRows();
const PlanDesign& twoDigitPlan();

int twoDigitExampleCount(int subTopic);
Problem twoDigitExample(int subTopic, int example);
QString twoDigitStepText(const StepFacts& f);
// The second step when it is the last: the first digits are not enough, the first partial
// dividend is the whole dividend and its one quotient digit the answer.
QString shortStartOnlyPattern();

// The three kinds of problem that sub-topics 2 and 3 draw from.
enum class TwoDigitKind { OneDigitQuotient, TwoDigitQuotient, TensQuotient };
TwoDigitKind twoDigitKind(int a); // a = the first draw, 0 … 8
Problem twoDigitFixedProblem(TwoDigitKind kind);
// A random test problem of the sub-topic; sub-topic 3 appends a digit to a problem of sub-topic 2.
Problem drawTwoDigitProblem(int subTopic);

} // namespace kazemaru::longdiv
