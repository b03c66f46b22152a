#pragma once
// What the written decimal addition and subtraction screens share: the worked example walked step
// by step, and the answer entered column by column from the last place leftwards. Each screen
// derives its own walk (step texts) and entry (prompts, how many columns it takes).
#include "lessons/decimals/ColumnProblem.h"
#include "lessons/shared/StepProtocol.h"
#include "lessons/shared/WrittenEntry.h"

#include <QList>
#include <QPair>
#include <QString>

namespace kazemaru {

// A worked example: step 1 sets the problem out, each further step works one column from the
// last place leftwards, and the last one gives the equation. A press after the last step starts
// again at step 1.
class ColumnWalk : public written::StepWalk {
  public:
    explicit ColumnWalk(const ColumnProblem& problem)
        : problem_(problem)
    {
    }

    written::StepShown nextStep() override;
    virtual int stepCount() const = 0;

    // The figure once the step last shown is done: the columns worked, answer row and marks.
    virtual int workedColumns() const { return step_ > 0 ? step_ - 1 : 0; }
    QString answerRow() const { return problem_.answerRowThrough(workedColumns()); }
    virtual ColumnMarks marks() const { return problem_.marksThrough(workedColumns()); }

  protected:
    virtual QString stepText(int step) const = 0;
    // Whether the last step writes the equation into the problem line.
    virtual bool endsWithEquation() const { return true; }
    // "【ステップ２】" and an empty line: every step text opens with it.
    static QString heading(int step);
    // Step 1, the same on every column screen: the problem set out in columns.
    static QString setOutText();

    ColumnProblem problem_;
};

// The selectors of the answer by the column they write (1 = the last place).
using OpenColumns = unsigned; // bit c − 1 set: the selector of column c is open
inline constexpr OpenColumns openColumn(int column)
{
    return 1u << (column - 1);
}

// The answer entered column by column from the last place leftwards. In an addition a two-digit
// column sum is entered as two choices: its tens digit first in the selector of the next column,
// which only sets the carry mark there, then its ones digit in the column's own selector, which
// writes it and moves on. When the last column of the entry is due, a digit chosen first in the
// selector beyond it is the answer's leading digit, written with it. A subtraction's borrow marks
// come from the problem's digits and appear once the column to their right is entered. Wrong
// digits are not rejected: only judging says so.
class ColumnEntry : public written::Entry {
  public:
    // `ownColumns` are entered each in a stage of their own; the screen has selectors for
    // columns 1 … `selectorColumns`.
    ColumnEntry(const ColumnProblem& problem, int ownColumns, int selectorColumns);
    // The selectors open for the first column, as OpenColumns.
    unsigned firstOpen() const override { return openAt(0); }

    // The child chose `digit` in the selector of `column`. Nothing happens once judged. A set-up
    // opens only the selectors its OpenColumns name, all of them cleared.
    written::EntryOutcome choose(int column, int digit);

    QString answerRow() const { return answerRow_; }
    const ColumnMarks& marks() const { return marks_; }
    int stage() const { return stage_; } // columns entered
    // The column whose digit, chosen before, was written with the final one to lead the answer;
    // 0 when none.
    int leadingColumn() const { return leading_; }
    bool judged() const { return judged_; }
    bool right() const { return entered_ == problem_.answer(); }
    // The number the answer row holds, in units of the last place.
    int enteredUnits() const { return entered_; }
    // The column whose entry completes the answer.
    int finalColumn() const;
    // The choices (column, digit) that enter the right answer from here on, a leading digit before
    // its column, without carry digits; none once judged or once a column was entered wrongly.
    QList<QPair<int, int>> remainingKey() const;

  protected:
    // The prompt once `column` is entered and the next one is due.
    virtual written::EntryPrompt promptAfter(int column) const = 0;
    // The prompt after a carry digit was chosen while `column` is due (none: the prompt stays).
    virtual written::EntryPrompt promptAfterCarry(int column) const
    {
        Q_UNUSED(column);
        return {};
    }
    bool adding() const { return problem_.operation == ColumnOperation::Add; }
    const ColumnProblem& problem() const { return problem_; }

  private:
    written::EntryOutcome enter(int column, int digit);
    OpenColumns openAt(int stage) const;

    ColumnProblem problem_;
    int ownColumns_;
    int selectorColumns_;
    int stage_ = 0;                            // columns entered
    std::array<int, maxColumns + 1> chosen_{}; // the digit last chosen in the selector of a column
    int entered_ = 0;                          // units of the last place, only what was written
    QString answerRow_;
    ColumnMarks marks_;
    int leading_ = 0;
    bool judged_ = false;
};

} // namespace kazemaru
