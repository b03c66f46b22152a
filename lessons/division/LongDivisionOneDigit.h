#pragma once
// Long division of a two- or three-digit dividend by a one-digit divisor: the worked examples
// and their texts, the test problems, and the columns of the figure.
#include "lessons/division/WrittenPlan.h"

namespace kazemaru::longdiv {

// The dividend's digits stand in the columns 720–740, 740–760 and 760–780.
inline constexpr int oneDigitColumn1 = 720;
inline constexpr int oneDigitColumn2 = 740;

// The rows as designed on the one-digit screen: boxes two digits wide.
std::array<RowState, rowCount> oneDigitRows();
const PlanDesign& oneDigitPlan();

// The worked example 1 … 3 of a sub-topic.
int oneDigitExampleCount(int subTopic);
Problem oneDigitExample(int subTopic, int example);
QString oneDigitStepText(const StepFacts& f);

// Whether the figure has columns for the dividend: two digits in sub-topic 1, three in 2.
bool oneDigitDividendFits(int subTopic, int dividend);
// A random test problem of the sub-topic; draws it again when the dividend does not fit,
// and after maxRedraws tries poses the sub-topic's fixed problem.
Problem drawOneDigitProblem(int subTopic);
Problem oneDigitFixedProblem(int subTopic);

} // namespace kazemaru::longdiv
