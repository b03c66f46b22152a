#pragma once
// Long division of a four- or five-digit dividend by a three-digit divisor: the worked examples
// and their texts, the test problems with the layout case of their true quotient, and the
// columns of the figure.
#include "lessons/division/WrittenPlan.h"

namespace kazemaru::longdiv {

// The dividend's digits stand in the columns 656–676, 676–696, 696–716, 716–736 and 736–756.
inline constexpr int threeDigitDividendLeft = 656;
inline constexpr int threeDigitQuotientLeft = 698; // where the quotient row waits for a problem

std::array<RowState, rowCount> threeDigitRows();
const PlanDesign& threeDigitPlan();

int threeDigitExampleCount(int subTopic);
Problem threeDigitExample(int subTopic, int example);
QString threeDigitStepText(const StepFacts& f);

// A random test problem: four digits in sub-topic 1, five in sub-topic 2.
Problem drawThreeDigitProblem(int subTopic);
// The shape of the true quotient, which the entry of a test problem follows.
LayoutCase threeDigitCase(int subTopic, const Problem& problem);

} // namespace kazemaru::longdiv
