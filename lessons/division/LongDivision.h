#pragma once
// The written long-division figure as data, and the entry machinery that the long-division
// screens share: rows with their texts and places, the red arrow, selector modes, the number
// being composed from place selectors, and the judgement by quotient and remainder.
#include "app/PlaceValue.h"
#include "lessons/shared/DigitRow.h"
#include "lessons/shared/StepProtocol.h"

#include <QString>
#include <QStringList>
#include <array>
#include <initializer_list>
#include <optional>

namespace kazemaru::longdiv {

using written::stepCaption;
using written::StepShown;

struct Problem {
    int dividend = 0;
    int divisor = 0;
    bool operator==(const Problem&) const = default;
};

// The rows of the figure below the bracket, top to bottom, plus the quotient row above it.
enum class Row { Quotient, Product1, Difference1, Product2, Difference2, Product3, Difference3 };
inline constexpr int rowCount = 7;
inline constexpr std::array<Row, rowCount> allRows{Row::Quotient,    Row::Product1, Row::Difference1, Row::Product2,
                                                   Row::Difference2, Row::Product3, Row::Difference3};

int rowIndex(Row row);
int rowLabelNumber(Row row); // the design number of the row's label: 7, 10 … 15
int arrowTop(Row row);       // where the red arrow stands to mark the row

// Every digit of the figure stands in a cell of this width.
inline constexpr int digitPitch = written::defaultPitch;

// Which shape the division takes in the figure.
enum class LayoutCase {
    Regular,           // the first quotient digit stands over the last digit of the first partial dividend
    ShortStart,        // the first digits are smaller than the divisor: one more digit is taken
    ZeroMiddle,        // the middle quotient digit is 0
    ZeroMiddleAndLast, // the middle and last quotient digits are 0
    ZeroLast,          // the last quotient digit is 0
};

enum class SelectorMode { Quotient, Number };

// One row: its text and its box. Digits stand in cells of digitPitch from the box's left edge,
// or, right-aligned, from its right edge.
struct RowState {
    QString text;
    int left = 0;
    int top = 0;
    int width = 0;
    bool alignRight = false;

    int rightEdge() const { return left + width; }
};

// The whole figure: divisor, dividend, rows, bracket, rules and arrow.
struct Figure {
    QString divisor;
    QString dividend;
    std::array<RowState, rowCount> rows;
    bool bracket = false;        // the bar and curve between divisor and dividend
    std::array<bool, 3> rules{}; // the rules under the first, second and third product
    bool arrowShown = false;
    int arrowTop = 290;

    RowState& row(Row r) { return rows[static_cast<size_t>(rowIndex(r))]; }
    const RowState& row(Row r) const { return rows[static_cast<size_t>(rowIndex(r))]; }
    const QString& text(Row r) const { return row(r).text; }
    int left(Row r) const { return row(r).left; }
    int number(Row r) const { return row(r).text.toInt(); }

    void show(Row r, const QString& text) { row(r).text = text; }
    void show(Row r, int value) { row(r).text = QString::number(value); }
    void append(Row r, int digit) { row(r).text += QString::number(digit); }
    void place(Row r, int left) { row(r).left = left; }
    void point(Row r) { arrowTop = longdiv::arrowTop(r); }

    // Empties every text and hides bracket, rules and arrow; rows keep their places.
    void clear();
};

// The figure of a screen as designed, before any row has been moved.
Figure designedFigure(const std::array<RowState, rowCount>& rows);

// A step text or problem line is a run of fixed fragments and numbers.
struct Piece {
    Piece(const QString& s)
        : text(s)
    {
    }
    Piece(int n)
        : text(QString::number(n))
    {
    }
    QString text;
};
QString compose(std::initializer_list<Piece> pieces);

QString problemLine(int dividend, int divisor); // "D ÷ d = ?"
// The problem with its answer; the remainder is named only when it is not 0.
QString answerLine(int dividend, int divisor, int quotient, int remainder);
// The close of every last step: the calculation is over, the quotient is {Q} with remainder {r}.
inline const QString closingPattern = QStringLiteral("\n　これで 計算は 終わり。\n　商は {Q} で あまり {r}");
// The close with its numbers filled in.
QString closing(int Q, int r);
// The step that divides the last partial dividend P, with its close.
QString lastStepText(int P, int d, int q, int u, int m, int r, int Q);
// Two numbers written side by side: 1 and 3 give "13".
QString joined(int left, int right);

// Right when divisor × quotient + remainder is the dividend and the remainder is below the divisor.
bool entryIsRight(int dividend, int divisor, const QString& quotientRow, int remainder);

// What the screen has to do after a selector choice.
struct EntryOutcome {
    std::optional<SelectorMode> setUp; // run the selector set-up in this mode
    QString prompt;                    // blink this prompt when not empty
    bool cue = false;                  // play the digit cue
    bool judged = false;               // the entry is finished and judged
    bool right = false;
};

// The row-by-row entry of a written division: k quotient digits so far, s numbers since the
// last quotient digit. Each screen supplies its own path through the figure; once judged, the
// entry is over and further choices change nothing.
class WrittenEntry {
  public:
    WrittenEntry(Figure& figure, int subTopic, int dividend, int divisor);
    virtual ~WrittenEntry() = default;

    EntryOutcome chooseQuotient(int digit);
    EntryOutcome choosePlace(int weight, int digit); // tens, hundreds, … of the next number
    EntryOutcome chooseOnes(int digit);              // enters the number

    // The prompt that asks for the first quotient digit.
    virtual QString firstPrompt() const = 0;

    int quotientDigits() const { return k_; }
    int numbersSinceQuotient() const { return s_; }
    int pendingValue() const { return pending_.value(); }
    LayoutCase layoutCase() const { return case_; }
    void setLayoutCase(LayoutCase c) { case_ = c; }
    bool finished() const { return finished_; }
    int enteredRemainder() const { return remainder_; }
    int answerTotal() const { return total_; }

  protected:
    // Called with k and s already counted. A quotient digit that does not finish the entry is
    // followed by a number: the caller then asks for the row under the arrow.
    virtual EntryOutcome onQuotient(int digit) = 0;
    virtual EntryOutcome onNumber(int number) = 0;

    EntryOutcome finish(int remainder);
    static EntryOutcome askRow(SelectorMode mode, const QString& prompt);

    Figure& figure_;
    const int subTopic_;
    const int dividend_;
    const int divisor_;
    int k_ = 0;
    int s_ = 0;
    LayoutCase case_ = LayoutCase::Regular;

  private:
    PlaceValue pending_; // the higher places wait here until the ones digit enters the number
    bool finished_ = false;
    int remainder_ = 0;
    int total_ = 0;
};

// A worked example of a long-division screen, walked step by step into its figure.
class ExampleWalk : public written::StepWalk {
  public:
    const Problem& problem() const { return problem_; }
    LayoutCase layoutCase() const { return case_; }

  protected:
    explicit ExampleWalk(const Problem& problem)
        : problem_(problem)
    {
    }
    Problem problem_;
    LayoutCase case_ = LayoutCase::Regular;
};

// Prompts shared by the long-division screens.
QString arrowPrompt();        // answer the row the arrow marks
QString onesQuotientPrompt(); // answer the quotient's ones place
QString tensQuotientPrompt();
QString hundredsQuotientPrompt();

} // namespace kazemaru::longdiv
