#pragma once
// The written long-division figure as data, and what every long division says and judges: rows
// with their texts and places, the red arrow, the selector modes, the step texts' pieces, the
// problem and answer lines, the prompts, and the judgement by quotient and remainder.
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

// The selectors a choice sets up: the quotient selector alone, or the place selectors of a number.
enum SelectorMode : unsigned { Quotient, Number };

// One row: its text and its box. Digits stand in cells of digitPitch from the box's left edge,
// or, right-aligned, from its right edge.
struct RowState {
    QString text;
    int left = 0;
    int top = 0;
    int width = 0;
    bool alignRight = false;
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

// Prompts shared by the long-division screens.
QString arrowPrompt();        // answer the row the arrow marks
QString onesQuotientPrompt(); // answer the quotient's ones place
QString tensQuotientPrompt();
QString hundredsQuotientPrompt();

} // namespace kazemaru::longdiv
