#include "lessons/division/LongDivisionThreeDigit.h"

#include "app/Random.h"
#include "lessons/division/LongDivisionTwoDigit.h"

#include <algorithm>

namespace kazemaru::longdiv {

using namespace Qt::StringLiterals;

std::array<RowState, rowCount> threeDigitRows()
{
    // text, left, top, width, right-aligned
    return {{
        {QString(), threeDigitQuotientLeft, 280, 80, false}, // quotient
        {QString(), 656, 348, 80, false},                    // first product
        {QString(), 656, 380, 81, true},                     // first difference
        {QString(), 650, 412, 89, true},                     // second product
        {QString(), 676, 444, 85, true},                     // second difference
        {QString(), 668, 476, 93, true},                     // third product
        {QString(), 701, 508, 60, true},                     // last difference, ending at 761
    }};
}

namespace {

// How far a row's right edge stands past the end of its column: a pixel or a few, and not
// always the same in study and test mode.
int threeDigitNudge(const RowPlacing& p)
{
    const bool zeroMiddle = p.layoutCase == LayoutCase::ZeroMiddle || p.layoutCase == LayoutCase::ZeroMiddleAndLast;
    const bool shortStart = p.layoutCase == LayoutCase::ShortStart;
    switch (p.row) {
    case Row::Difference1: return p.broughtDown || (shortStart && p.subTopic == 2) || p.study ? 1 : -1;
    case Row::Product2:
        if (shortStart) return p.study ? 3 : 1;
        if (zeroMiddle) return p.study ? 1 : 3;
        return p.study ? 1 : -1;
    case Row::Difference2:
        if (p.subTopic == 1) return p.study ? 1 : -1;
        if (shortStart) return 3;
        if (zeroMiddle) return p.study ? 1 : 3;
        return 1;
    case Row::Product3: return 1;
    case Row::Difference3: return 5;
    default: return 0;
    }
}

const QString nl = u"\n"_s;

QString step2(const StepFacts& f)
{
    if (f.subTopic == 1 && f.layoutCase == LayoutCase::ShortStart) return shortStartOnlyStep(f);
    const bool shortStart = f.layoutCase == LayoutCase::ShortStart;
    QString head = u"【ステップ２】\n\n　"_s;
    if (shortStart) head += compose({f.D / 100, u" は "_s, f.d, u" で われないので、"_s, nl, u"　"_s});
    const int over = f.subTopic == 2 && !shortStart ? f.h : f.t;
    const QString under = f.subTopic == 2 && !shortStart ? u"　の下に書く。"_s : u" の下に書く。"_s;
    const QString down = f.subTopic == 2 && !shortStart ? u"　右に、十の位の "_s : u"　右に "_s;
    return head + compose({f.P,
                           u" を "_s,
                           f.d,
                           shortStart ? u" で わる。"_s : u" でわる。"_s,
                           nl,
                           u"　商の "_s,
                           f.q,
                           u" を "_s,
                           over,
                           u" の上に書き、"_s,
                           nl,
                           u"　"_s,
                           f.d,
                           u" に 商の "_s,
                           f.q,
                           u" をかけた "_s,
                           f.m,
                           u" を "_s,
                           nl,
                           u"　"_s,
                           f.P,
                           under,
                           nl,
                           u"　その下に線をひき、線の下に "_s,
                           f.P,
                           nl,
                           u"　から "_s,
                           f.m,
                           u" をひいた "_s,
                           f.r,
                           u" と、その"_s,
                           nl,
                           down,
                           f.n,
                           u" を おろして書く。"_s});
}

// "Next, divide P by d: q over `over`, m under P, r under the rule."
QString divideAgain(const StepFacts& f, int over, const QString& timesQ)
{
    return compose({u"【ステップ３】\n\n　次に、この "_s,
                    f.P,
                    u" を "_s,
                    f.d,
                    u" でわる。"_s,
                    nl,
                    u"　商の "_s,
                    f.q,
                    u" を "_s,
                    over,
                    u"の上に書き、"_s,
                    f.d,
                    u" に "_s,
                    nl,
                    timesQ,
                    f.q,
                    u" をかけた "_s,
                    f.m,
                    u" を "_s,
                    f.P,
                    nl,
                    u"　の下に書く。"_s,
                    nl,
                    u"　その下に 線をひき、線の下に "_s,
                    f.P,
                    nl,
                    u"　から "_s,
                    f.m,
                    u" をひいた "_s,
                    f.r});
}

QString step3(const StepFacts& f)
{
    if (f.final) {
        // The short start of five digits writes "商の " with a space before the digit.
        const bool spaced = f.subTopic == 2;
        return divideAgain(f, f.u, spaced ? u"　商の "_s : u"　商の"_s) + u" を書く。"_s + closing(f.Q, f.r);
    }
    if (f.q > 0)
        return divideAgain(f, f.t, u"　商の "_s) +
               compose({u" と、その"_s, nl, u"　右に "_s, f.u, u" を おろして書く。"_s});
    return compose({u"【ステップ３】\n\n　"_s, f.P, u" は "_s, f.d, u" でわれないので"_s, nl, u"　商の ０ を "_s, f.t,
                    u" の上に書き、"_s, f.d, nl, u"　に商の ０ をかける計算は はぶいて、"_s, nl, u"　"_s, f.P,
                    u" の右に "_s, f.u, u"　をおろして書く。"_s});
}

QString step4(const StepFacts& f)
{
    return compose({u"【ステップ４】\n\n　次に、この "_s,
                    f.P,
                    u" を "_s,
                    f.d,
                    u" でわる。"_s,
                    nl,
                    u"　商の "_s,
                    f.q,
                    u" を "_s,
                    f.u,
                    u" の上に書き、"_s,
                    f.d,
                    u" に "_s,
                    nl,
                    u"　商の"_s,
                    f.q,
                    u" をかけた "_s,
                    f.m,
                    u" を "_s,
                    f.P,
                    u" "_s,
                    nl,
                    u"　の下に書く。その下に 線をひき、"_s,
                    nl,
                    u"　"_s,
                    f.P,
                    u" から "_s,
                    f.m,
                    u"　を ひいた "_s,
                    f.r,
                    nl,
                    u"　を 線の下に書く。"_s}) +
           closing(f.Q, f.r);
}

} // namespace

const PlanDesign& threeDigitPlan()
{
    static const PlanDesign design = [] {
        PlanDesign d;
        d.firstDigits = 3;
        d.dividendLeft = threeDigitDividendLeft;
        d.rows = threeDigitRows();
        d.example = threeDigitExample;
        d.stepText = threeDigitStepText;
        d.edgeNudge = threeDigitNudge;
        return d;
    }();
    return design;
}

int threeDigitExampleCount(int subTopic)
{
    return subTopic == 1 ? 2 : 3;
}

Problem threeDigitExample(int subTopic, int example)
{
    static constexpr std::array<int, 2> four{2176, 6386};
    static constexpr std::array<int, 3> five{23748, 47134, 66232};
    const auto i = static_cast<size_t>(std::clamp(example, 1, threeDigitExampleCount(subTopic)) - 1);
    return subTopic == 1 ? Problem{four[i], 245} : Problem{five[i], 324};
}

QString threeDigitStepText(const StepFacts& f)
{
    if (f.step == 2) return step2(f);
    if (f.step == 3) return step3(f);
    return step4(f);
}

Problem drawThreeDigitProblem(int subTopic)
{
    const int hundreds = Random(8) + 1;
    const int tens = Random(9);
    const int d = hundreds * 100 + tens * 10 + Random(8) + 1;
    const int D = subTopic == 1 ? Random(8998) + 1001 : Random(89998) + 10001;
    return {D, d};
}

LayoutCase threeDigitCase(int subTopic, const Problem& p)
{
    const auto [D, d] = p;
    const int Q = D / d;
    if (subTopic == 1) {
        if (D / 10 < d) return LayoutCase::ShortStart;
        return Q % 10 == 0 ? LayoutCase::ZeroLast : LayoutCase::Regular;
    }
    if (D / 100 < d) return LayoutCase::ShortStart;
    if (Q % 100 / 10 == 0) return Q % 10 == 0 ? LayoutCase::ZeroMiddleAndLast : LayoutCase::ZeroMiddle;
    return Q % 10 == 0 ? LayoutCase::ZeroLast : LayoutCase::Regular;
}

} // namespace kazemaru::longdiv
