#pragma once
// Written addition and subtraction of decimals with one place (TForm10): the problem generator,
// the worked example walked step by step, and the column-by-column entry of an answer.
#include "app/Random.h"
#include "lessons/decimals/ColumnProblem.h"
#include "lessons/shared/StepProtocol.h"

#include <QList>
#include <QPair>
#include <QString>

namespace kazemaru {

// Sub-topics of the menu.
enum OnePlaceTopic { OnePlaceAddition = 1, OnePlaceSubtraction = 2 };

// Redraw loops give up after this many draws and pose their fixed problem.
inline constexpr int onePlaceMaxDraws = maxRedraws;

// Reseeds the generator, draws the size (Random(9)), the whole parts, then the tenths digits.
// Additions stay below 100, differences are at least 1.2, no operand is 0.0 and no tenths digit
// is 9. Outside 1 … 2 nothing is drawn and the problem is 0.0 + 0.0.
ColumnProblem drawOnePlaceProblem(int subTopic);

// The worked example: step 1 sets the problem out, each further step works one column from the
// tenths leftwards, and the last one gives the equation. Three steps, or four when the tens
// column is worked. A press after the last step starts again at step 1.
class OnePlaceWalk : public written::StepWalk {
  public:
    explicit OnePlaceWalk(const ColumnProblem& problem)
        : problem_(problem)
    {
    }

    written::StepShown nextStep() override;
    int stepCount() const { return problem_.workedColumns() + 1; }

    // The figure once the step last shown is done: answer row and column marks.
    int workedColumns() const { return step_ > 0 ? step_ - 1 : 0; }
    QString answerRow() const { return problem_.answerRowThrough(workedColumns()); }
    ColumnMarks marks() const { return problem_.marksThrough(workedColumns()); }

  private:
    QString stepText(int step) const;

    ColumnProblem problem_;
};

// The selectors of the answer by the column they write: 1 tenths, 2 ones, 3 tens.
using OpenColumns = unsigned; // bit c − 1 set: the selector of column c is open
inline constexpr OpenColumns openColumn(int column)
{
    return 1u << (column - 1);
}

// What a choice does to the screen besides the answer row and the marks.
struct ColumnChoice {
    bool taken = false;        // the choice counted (a digit cue unless it judged)
    bool setUp = false;        // the selectors are cleared and only `open` ones stay enabled
    OpenColumns open = 0;      // with setUp
    QString prompt;            // blinked when not empty
    bool entersColumn = false; // the digit was written into the answer row
    bool judged = false;
};

// The answer entered column by column from the tenths leftwards. In an addition a two-digit
// column sum is entered as two choices: its tens digit first in the selector of the next column,
// which only sets the carry mark there, then its ones digit in the column's own selector, which
// writes it and moves on. A subtraction's borrow marks come from the problem's digits and appear
// once the column to their right is entered. Wrong digits are not rejected: only judging says so.
class OnePlaceEntry {
  public:
    explicit OnePlaceEntry(const ColumnProblem& problem);

    QString firstPrompt() const;
    OpenColumns firstOpen() const;

    // The child chose `digit` in the selector of `column`. Nothing happens once judged.
    ColumnChoice choose(int column, int digit);

    QString answerRow() const { return answerRow_; }
    const ColumnMarks& marks() const { return marks_; }
    int stage() const { return stage_; }
    int enteredUnits() const { return entered_; } // tenths, only the columns entered
    bool judged() const { return judged_; }
    bool right() const { return entered_ == problem_.answer(); }
    // The choices (column, digit) that enter the right answer from here on, without carry digits;
    // none once judged or once a column was entered wrongly.
    QList<QPair<int, int>> remainingKey() const;

  private:
    ColumnChoice enter(int column, int digit);

    ColumnProblem problem_;
    int stage_ = 0;              // columns entered
    std::array<int, 4> carry_{}; // carry digit chosen in the selector of a column, by column
    int entered_ = 0;
    QString answerRow_;
    ColumnMarks marks_;
    bool judged_ = false;
};

} // namespace kazemaru
