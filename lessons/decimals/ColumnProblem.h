#pragma once
// A written (column) addition or subtraction of two decimals with the same number of places, the
// arithmetic every decimal screen shares. The operands are whole numbers of units of the last
// decimal place (3.25 with two places is 325). Columns are numbered from the right: column 1 is
// the last decimal place, column p the first one, column p + 1 the ones and p + 2 the tens.
#include <QString>
#include <array>
#include <optional>

namespace kazemaru {

enum class ColumnOperation { Add, Subtract };

inline constexpr int maxPlaces = 3;
inline constexpr int maxColumns = maxPlaces + 3; // up to hundreds, room for a borrow passing on

// 10, 100 or 1000: the units in one whole for `places` decimal places.
int placeUnit(int places);

// The digit of `units` in `column` (1 = the last place).
int columnDigit(int units, int column);

// `units` written with its point and exactly `places` decimal places: 5 with one place is "0.5",
// 4 with two "0.04", 1234 with three "1.234", 0 with two "0.00".
QString decimalText(int units, int places);

// The small marks written above the first operand while the columns are worked from the right.
// Mark j stands above column j + 1: in an addition the carried 1 out of column j; in a
// subtraction the digit column j + 1 keeps after lending 1, with strike line j across its old
// digit. A borrow from a 0 lends through it: the 0 becomes 9 and the borrow passes on.
struct ColumnMarks {
    std::array<std::optional<int>, maxColumns + 1> mark{}; // by j; index 0 unused
    std::array<bool, maxColumns + 1> struck{};
};

struct ColumnProblem {
    ColumnOperation operation = ColumnOperation::Add;
    int places = 1; // 1 … 3
    int first = 0;  // units of the last place
    int second = 0;

    int answer() const { return operation == ColumnOperation::Add ? first + second : first - second; }
    QString sign() const; // " + " or " - "
    QString firstText() const { return decimalText(first, places); }
    QString secondText() const { return decimalText(second, places); }
    QString answerText() const { return decimalText(answer(), places); }
    QString text() const;         // "3.2 - 1.6"
    QString questionText() const; // "3.2 - 1.6 = ?"
    QString equationText() const; // "3.2 - 1.6 = 1.6"

    // The answer row once columns 1 … `columns` are written, the point with the first decimal
    // place: 41.2 with one place is "", ".2", "1.2", then "41.2" from three columns on.
    QString answerRowThrough(int columns) const;
    // The number of columns the written calculation works: the places, the ones, and the tens when
    // an operand or the answer has them.
    int workedColumns() const;
    // The columns the answer row fills: the places, the ones, and any digits left of them.
    int answerColumns() const;

    // The marks once columns 1 … `columns` are worked: carries in an addition; borrows in a
    // subtraction, where a column borrows when the second operand's digit is greater than the
    // digit it has (its own, or what a borrow of the column to its right left).
    ColumnMarks marksThrough(int columns) const;
};

} // namespace kazemaru
