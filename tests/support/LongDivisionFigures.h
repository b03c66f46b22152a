#pragma once
// Reading a long-division figure in tests: a one-line picture of its rows, where a row's last
// digit ends, the row the arrow marks; and entering a number through its places.
#include "lessons/division/WrittenPlan.h"

#include <QtTest>

#include <QStringList>
#include <optional>

namespace kazemaru::test {

// "7=12@698 10=7@680 …": every non-empty row as label number, text and Left; then the rules.
inline QString snapshot(const longdiv::Figure& f)
{
    using namespace Qt::StringLiterals;
    QStringList parts;
    for (longdiv::Row r : longdiv::allRows)
        if (!f.text(r).isEmpty()) parts << u"%1=%2@%3"_s.arg(longdiv::rowLabelNumber(r)).arg(f.text(r)).arg(f.left(r));
    parts << u"rules=%1%2%3"_s.arg(int(f.rules[0])).arg(int(f.rules[1])).arg(int(f.rules[2]));
    return parts.join(u' ');
}

inline int lastDigitEnd(const longdiv::RowState& r)
{
    return r.alignRight ? r.left + r.width : r.left + longdiv::digitPitch * int(r.text.size());
}

inline std::optional<longdiv::Row> rowMarked(const longdiv::Figure& f)
{
    for (longdiv::Row r : longdiv::allRows)
        if (longdiv::arrowTop(r) == f.arrowTop) return r;
    return std::nullopt;
}

// Thousands, hundreds and tens as they are needed, then the ones, which enter the number.
inline written::EntryOutcome enterNumber(longdiv::PlanEntry& e, int n)
{
    for (int weight = 1000; weight >= 10; weight /= 10)
        if (n >= weight) e.choosePlace(weight, n / weight % 10);
    return e.chooseOnes(n % 10);
}

// A fresh test problem's figure: dividend and bracket shown, the arrow beside the quotient row.
inline longdiv::Figure posedFigure(const std::array<longdiv::RowState, longdiv::rowCount>& rows,
                                   const longdiv::Problem& p)
{
    longdiv::Figure f = longdiv::designedFigure(rows);
    f.divisor = QString::number(p.divisor);
    f.dividend = QString::number(p.dividend);
    f.bracket = true;
    f.arrowShown = true;
    f.point(longdiv::Row::Quotient);
    return f;
}

// Walks worked example `example` of `plan` and compares every step after the first with its
// explanation, its figure (as a snapshot) and, at the end, the answer line.
inline void compareWalk(const longdiv::PlanDesign& plan, int subTopic, int example, const QStringList& texts,
                        const QStringList& figures, const QString& answer)
{
    longdiv::Figure f = longdiv::designedFigure(plan.rows);
    longdiv::PlanWalk walk(f, plan, subTopic, example);
    QCOMPARE(walk.nextStep().text, QStringLiteral("【ステップ１】\n\n　もんだいを 右図のように書く。"));
    QCOMPARE(f.dividend, QString::number(walk.problem().dividend));
    for (int i = 0; i < texts.size(); ++i) {
        const longdiv::StepShown shown = walk.nextStep();
        const bool last = i == texts.size() - 1;
        QCOMPARE(shown.text, texts[i]);
        QCOMPARE(snapshot(f), figures[i]);
        QCOMPARE(shown.ends, last);
        QCOMPARE(shown.caption, longdiv::stepCaption(i + 3 > 4 ? 1 : i + 3));
        QCOMPARE(shown.answer, last ? answer : QString());
    }
}

} // namespace kazemaru::test
