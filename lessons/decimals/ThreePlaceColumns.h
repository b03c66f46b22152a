#pragma once
// Written addition and subtraction of decimals with two or three places (TForm11): the problem
// generator, the worked example walked step by step, and the column-by-column entry of an answer.
#include "lessons/decimals/ColumnLesson.h"

namespace kazemaru {

// Sub-topics of the menu and kinds of the problem menu.
enum ThreePlaceTopic { ThreePlaceAddition = 1, ThreePlaceSubtraction = 2 };
enum ThreePlaceKind { TwoPlaces = 1, ThreePlaces = 2 };

// The decimal places of a problem kind: 2 or 3.
inline constexpr int placesOfKind(int kind)
{
    return kind + 1;
}

// Reseeds the generator and draws both operands between 1 and 10 in units of the last place. A
// subtraction redraws until the first is the greater and after too many draws poses 3.24 - 1.68
// (or 3.456 - 1.687). Outside the sub-topics and kinds nothing is drawn: 0.00 + 0.00.
ColumnProblem drawThreePlaceProblem(int subTopic, int kind);

// The worked example: four steps with two places, five with three; the last one writes the
// whole part, one or two digits, and the equation.
class ThreePlaceWalk : public ColumnWalk {
  public:
    using ColumnWalk::ColumnWalk;
    int stepCount() const override { return problem_.places + 2; }
    int workedColumns() const override;
    ColumnMarks marks() const override;

  protected:
    QString stepText(int step) const override;
};

// The answer entered from the last place to the ones; a sum of ten or more takes its tens digit
// in the tens selector before the ones complete it.
class ThreePlaceEntry : public ColumnEntry {
  public:
    explicit ThreePlaceEntry(const ColumnProblem& problem)
        : ColumnEntry(problem, problem.places + 1, problem.places + 2)
    {
    }
    QString firstPrompt() const override;

  protected:
    written::EntryPrompt promptAfter(int column) const override;
};

} // namespace kazemaru
