#pragma once
// The carry and borrow marks of a written column calculation as a short text for comparisons.
#include "lessons/decimals/ColumnProblem.h"

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

} // namespace kazemaru::test
