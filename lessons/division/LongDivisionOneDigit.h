#pragma once
// Long division of a two- or three-digit dividend by a one-digit divisor: the worked examples
// and their steps, the test problems, and the row-by-row entry of a test problem.
#include "lessons/division/LongDivision.h"

namespace kazemaru::longdiv {

// The dividend's digits stand in the columns 720–740, 740–760 and 760–780.
inline constexpr int oneDigitColumn1 = 720;
inline constexpr int oneDigitColumn2 = 740;

// The rows as designed on the one-digit screen.
std::array<RowState, rowCount> oneDigitRows();

// Rows that the short-start case moves one column right; the quotient row starts over the
// second dividend digit, and the first product ends under it.
void placeShortStart(Figure& figure);
// Puts the quotient row and the rows that may have moved back where a division starts.
void placeRegularStart(Figure& figure);

// The worked example 1 … 3 of a sub-topic.
Problem oneDigitExample(int subTopic, int example);

// Whether the figure has columns for the dividend: two digits in sub-topic 1, three in 2.
bool oneDigitDividendFits(int subTopic, int dividend);
// A random test problem of the sub-topic; draws it again when the dividend does not fit,
// and after maxRedraws tries poses the sub-topic's fixed problem.
Problem drawOneDigitProblem(int subTopic);
Problem oneDigitFixedProblem(int subTopic);

// The prompt that asks for the first quotient digit of a test problem.
QString oneDigitFirstPrompt(int subTopic, const Problem& problem);

// Whether an example goes on after the given step.
bool oneDigitExampleGoesOn(int subTopic, int example, int step);

// The step-by-step walk through a worked example, writing into the figure.
class OneDigitWalk : public ExampleWalk {
  public:
    OneDigitWalk(Figure& figure, int subTopic, int example);

    StepShown nextStep() override;

  private:
    StepShown step1();
    StepShown step2();
    StepShown step3();
    StepShown step4();
    void divide(int partial); // forms q, m and r of the partial dividend

    Figure& figure_;
    int subTopic_;
    int example_;
    // The working numbers of the step: partial dividend, quotient digit, product, difference,
    // the digit brought down next.
    int P_ = 0, q_ = 0, m_ = 0, r_ = 0, n_ = 0;
};

// The entry of a test problem into the figure.
class OneDigitEntry : public WrittenEntry {
  public:
    OneDigitEntry(Figure& figure, int subTopic, const Problem& problem);

    QString firstPrompt() const override;

  protected:
    EntryOutcome onQuotient(int digit) override;
    EntryOutcome onNumber(int number) override;
};

} // namespace kazemaru::longdiv
