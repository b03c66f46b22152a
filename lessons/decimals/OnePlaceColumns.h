#pragma once
// Written addition and subtraction of decimals with one place (TForm10): the problem generator,
// the worked example walked step by step, and the column-by-column entry of an answer.
#include "lessons/decimals/ColumnLesson.h"

namespace kazemaru {

// Sub-topics of the menu.
enum OnePlaceTopic { OnePlaceAddition = 1, OnePlaceSubtraction = 2 };

// Reseeds the generator, draws the size (Random(9)), the whole parts, then the tenths digits.
// Additions stay below 100, differences are at least 1.2, no operand is 0.0 and no tenths digit
// is 9. Outside 1 … 2 nothing is drawn and the problem is 0.0 + 0.0.
ColumnProblem drawOnePlaceProblem(int subTopic);

// The worked example: three steps, or four when the tens column is worked.
class OnePlaceWalk : public ColumnWalk {
  public:
    using ColumnWalk::ColumnWalk;
    int stepCount() const override { return problem_.workedColumns() + 1; }

  protected:
    QString stepText(int step) const override;
    // A three-step subtraction leaves the problem line as it is.
    bool endsWithEquation() const override { return problem_.operation == ColumnOperation::Add || stepCount() == 4; }
};

// The answer entered from the tenths to the tens; the ones complete it when it has no tens.
class OnePlaceEntry : public ColumnEntry {
  public:
    explicit OnePlaceEntry(const ColumnProblem& problem)
        : ColumnEntry(problem, 3, 3)
    {
    }
    QString firstPrompt() const override;

  protected:
    written::EntryPrompt promptAfter(int column) const override;
    written::EntryPrompt promptAfterCarry(int column) const override;
};

} // namespace kazemaru
