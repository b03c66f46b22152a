#pragma once
// Written column calculations in tests: the carry and borrow marks as a short text, and a child
// who enters an answer the way the written method writes it.
#include "lessons/decimals/ColumnLesson.h"
#include "lessons/shared/DigitRow.h"

#include <QStringList>

namespace kazemaru::test {

// "1:9* 2:4": the marks shown, by j, struck ones with a *.
inline QString marksText(const ColumnMarks& m)
{
    QStringList out;
    for (int j = 1; j <= maxColumns; ++j)
        if (m.mark[size_t(j)])
            out << QStringLiteral("%1:%2%3").arg(j).arg(*m.mark[size_t(j)]).arg(m.struck[size_t(j)] ? u"*" : u"");
    return out.join(u' ');
}

// Enters the answer of `p` column by column from the last place, in an addition a column's carry
// digit (or the answer's tens digit) first, choosing only in open selectors. Returns what went
// wrong, or an empty string.
inline QString enterByMethod(ColumnEntry& entry, const ColumnProblem& p)
{
    OpenColumns open = entry.firstOpen();
    const auto choose = [&](int column, int digit) {
        if (!(open & openColumn(column))) return false;
        const written::EntryOutcome c = entry.choose(column, digit);
        if (c.setUp) open = *c.setUp;
        return c.taken;
    };
    for (int column = 1; column <= entry.finalColumn(); ++column) {
        const int u = placeUnit(column);
        const bool carry = p.operation == ColumnOperation::Add && p.first % u + p.second % u >= u;
        if ((carry && !choose(column + 1, 1)) || !choose(column, columnDigit(p.answer(), column)))
            return QStringLiteral("column %1 not open").arg(column);
    }
    return entry.judged() ? QString() : QStringLiteral("not judged");
}

// The horizontal centre, on the screen, of the digit of `column` in a row of a figure with
// `places` decimal places.
inline int digitCentre(const written::DigitRow* row, int column, int places)
{
    const qsizetype i = row->text().size() - column - (column > places ? 1 : 0);
    return row->mapToParent(row->cell(i).center()).x();
}

inline int centreOf(const QWidget* w)
{
    return w->geometry().center().x();
}

} // namespace kazemaru::test
