#include "lessons/decimals/ColumnProblem.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace kazemaru {

int placeUnit(int places)
{
    int unit = 1;
    for (int i = 0; i < places; ++i)
        unit *= 10;
    return unit;
}

int columnDigit(int units, int column)
{
    return units / placeUnit(column - 1) % 10;
}

QString decimalText(int units, int places)
{
    const int unit = placeUnit(places);
    return u"%1.%2"_s.arg(units / unit).arg(units % unit, places, 10, QChar(u'0'));
}

QString ColumnProblem::sign() const
{
    return operation == ColumnOperation::Add ? u" + "_s : u" - "_s;
}

QString ColumnProblem::text() const
{
    return firstText() + sign() + secondText();
}

QString ColumnProblem::questionText() const
{
    return text() + u" = ?"_s;
}

QString ColumnProblem::equationText() const
{
    return text() + u" = "_s + answerText();
}

QString ColumnProblem::answerRowThrough(int columns) const
{
    if (columns <= 0) return {};
    const QString all = answerText();
    return all.right(columns < places ? columns : columns + 1);
}

namespace {

// The columns `units` takes when written with `places` places (the ones always).
int columnsOf(int units, int places)
{
    int columns = places + 1;
    while (units >= placeUnit(columns))
        ++columns;
    return columns;
}

} // namespace

int ColumnProblem::workedColumns() const
{
    return columnsOf(std::max({first, second, answer()}), places);
}

int ColumnProblem::answerColumns() const
{
    return columnsOf(answer(), places);
}

ColumnMarks ColumnProblem::marksThrough(int columns) const
{
    ColumnMarks m;
    columns = std::clamp(columns, 0, maxColumns - 1);
    for (int j = 1; j <= columns; ++j) {
        const std::optional<int> right = m.mark[j - 1]; // index 0 never shows anything
        if (operation == ColumnOperation::Add) {
            if (columnDigit(first, j) + columnDigit(second, j) + (right ? *right : 0) >= 10) m.mark[j] = 1;
            continue;
        }
        const int available = right ? *right : columnDigit(first, j);
        if (columnDigit(second, j) <= available) continue;
        for (int k = j; k < maxColumns; ++k) {
            const int lender = columnDigit(first, k + 1);
            m.struck[k] = true;
            m.mark[k] = lender > 0 ? lender - 1 : 9;
            if (lender > 0) break;
        }
    }
    return m;
}

} // namespace kazemaru
