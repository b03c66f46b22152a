#include "lessons/division/LongDivisionTwoDigit.h"

#include "app/Random.h"

#include <algorithm>

namespace kazemaru::longdiv {

using namespace Qt::StringLiterals;

std::array<RowState, rowCount> twoDigitRows()
{
    // text, left, top, width, right-aligned
    return {{
        {QString(), twoDigitQuotientLeft, 280, 80, false}, // quotient
        {QString(), 680, 348, 60, false},                  // first product
        {QString(), 680, 380, 60, true},                   // first difference
        {QString(), 680, 412, 60, true},                   // second product
        {QString(), 700, 444, 60, true},                   // second difference
        {QString(), 700, 476, 60, true},                   // third product
        {QString(), 702, 508, 60, true},                   // last difference, ending at 762
    }};
}

namespace {

int twoDigitNudge(const RowPlacing& p)
{
    return p.row == Row::Difference3 ? 2 : 0;
}

// After the first difference the arrow, not the place, is named when the ones digit comes next.
QString twoDigitQuotientPrompt(int k, int place)
{
    return k == 1 && place == 0 ? arrowPrompt() : quotientPlacePrompt(place);
}

const QString nl = u"\n"_s;

QString step2(const StepFacts& f)
{
    const QString head = u"【ステップ２】\n\n　"_s;
    if (f.subTopic == 1)
        return compose({head,
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
                        u" の下に書く。"_s,
                        nl,
                        u"　その下に線をひき、線の下に "_s,
                        f.P,
                        u" から"_s,
                        nl,
                        u"　"_s,
                        f.m,
                        u" をひいた "_s,
                        f.r,
                        u" を書く。"_s}) +
               closing(f.q, f.r);
    if (f.subTopic == 2 && f.layoutCase == LayoutCase::ShortStart) return shortStartOnlyStep(f);
    if (f.layoutCase == LayoutCase::ShortStart)
        return compose({head,
                        f.D / 100,
                        u"は"_s,
                        f.d,
                        u" でわれないので、"_s,
                        f.P,
                        u" を "_s,
                        nl,
                        u"　"_s,
                        f.d,
                        u" でわる。"_s,
                        nl,
                        u"　商の "_s,
                        f.q,
                        u" を "_s,
                        f.t,
                        u" の上に書き、"_s,
                        nl,
                        u"　"_s,
                        f.d,
                        u" に 商の "_s,
                        f.q,
                        u" をかけた "_s,
                        f.m,
                        u" を "_s,
                        f.P,
                        nl,
                        u"　の下に書く。"_s,
                        nl,
                        u"　その下に線をひき、線の下に "_s,
                        f.P,
                        u" から"_s,
                        nl,
                        u"　"_s,
                        f.m,
                        u" をひいた "_s,
                        f.r,
                        u" と、その右に"_s,
                        nl,
                        u"　一の位の "_s,
                        f.n,
                        u" を おろして書く。"_s});
    // Regular: the first quotient digit stands over the tens (three digits) or hundreds (four).
    const bool four = f.subTopic == 3;
    return compose({head,
                    f.P,
                    u" を "_s,
                    f.d,
                    u" でわる。"_s,
                    nl,
                    u"　商の "_s,
                    f.q,
                    u" を "_s,
                    four ? f.h : f.t,
                    u" の上に書き、"_s,
                    nl,
                    u"　"_s,
                    f.d,
                    u" に 商の "_s,
                    f.q,
                    u" をかけた "_s,
                    f.m,
                    u" を "_s,
                    f.P,
                    nl,
                    u"　の下に書く。"_s,
                    nl,
                    u"　その下に線をひき、線の下に "_s,
                    f.P,
                    u" から"_s,
                    nl,
                    u"　"_s,
                    f.m,
                    u" をひいた "_s,
                    f.r,
                    u" と、その右に "_s,
                    nl,
                    four ? u"　十の位の "_s : u"　一の位の "_s,
                    f.n,
                    u" を おろして書く。"_s});
}

// "Next, divide P by d; write q over `over`, then m under P and r under the rule." Some texts
// write the digit without a space before "の上に".
QString divideAgain(const StepFacts& f, int over, bool tight)
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
                    tight ? u"の上に書き、"_s : u" の上に書き、"_s,
                    f.d,
                    u" に 商の"_s,
                    nl,
                    u"　"_s,
                    f.q,
                    u" をかけた "_s,
                    f.m,
                    u" を "_s,
                    f.P,
                    u" の下に書く。"_s,
                    nl,
                    u"　その下に 線をひき、線の下に "_s,
                    f.P,
                    u" から"_s,
                    nl,
                    u"　"_s,
                    f.m,
                    u" をひいた "_s,
                    f.r});
}

QString step3(const StepFacts& f)
{
    if (f.subTopic == 2) {
        if (f.q > 0) return divideAgain(f, f.u, false) + u" を書く。"_s + closing(f.Q, f.r);
        return compose({u"【ステップ３】\n\n　次に、この "_s, f.P, u" は "_s, f.d, u" でわれないので"_s, nl,
                        u"　商の ０ を "_s, f.u, u" の上に書き、"_s, f.d, u" に商の"_s, nl,
                        u"　０ をかける計算は はぶく。"_s}) +
               closing(f.Q, f.r);
    }
    if (f.final) return divideAgain(f, f.u, true) + u" を書く。"_s + closing(f.Q, f.r); // the short start
    if (f.q > 0)
        return divideAgain(f, f.t, true) +
               compose({u" と、その右に "_s, nl, u"　一の位の "_s, f.u, u" を おろして書く。"_s});
    return compose({u"【ステップ３】\n\n　この "_s, f.P, u" は "_s, f.d, u" で われないので、"_s, nl, u"　０ を "_s,
                    f.t, u"の上に書き、"_s, f.d, u" に 0 "_s, nl, u"　を かけるのは はぶき、 "_s, u" その右に "_s, nl,
                    u"　一の位の "_s, f.u, u" を おろして書く。"_s});
}

} // namespace

QString shortStartOnlyStep(const StepFacts& f)
{
    return compose({u"【ステップ２】\n\n　"_s,
                    f.D / 10,
                    u" は "_s,
                    f.d,
                    u" で われないので、"_s,
                    nl,
                    u"　"_s,
                    f.P,
                    u" を "_s,
                    f.d,
                    u" で わる。"_s,
                    nl,
                    u"　商の "_s,
                    f.q,
                    u" を "_s,
                    f.u,
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
                    u" の下に書く。"_s,
                    nl,
                    u"　その下に線をひき、線の下に "_s,
                    f.P,
                    nl,
                    u"　から "_s,
                    f.m,
                    u" をひいた "_s,
                    f.r,
                    u" を書く。"_s}) +
           closing(f.q, f.r);
}

const PlanDesign& twoDigitPlan()
{
    static const PlanDesign design = [] {
        PlanDesign d;
        d.firstDigits = 2;
        d.dividendLeft = twoDigitDividendLeft;
        d.rows = twoDigitRows();
        d.example = twoDigitExample;
        d.stepText = twoDigitStepText;
        d.edgeNudge = twoDigitNudge;
        d.quotientPrompt = twoDigitQuotientPrompt;
        return d;
    }();
    return design;
}

int twoDigitExampleCount(int subTopic)
{
    return subTopic == 1 ? 2 : 3;
}

Problem twoDigitExample(int subTopic, int example)
{
    static constexpr std::array<int, 2> two{72, 86};
    static constexpr std::array<int, 3> three{748, 657, 213};
    static constexpr std::array<int, 3> four{5642, 4528, 3246};
    const auto i = static_cast<size_t>(std::clamp(example, 1, twoDigitExampleCount(subTopic)) - 1);
    if (subTopic == 1) return {two[i], 24};
    if (subTopic == 2) return {three[i], 32};
    return {four[i], 43};
}

QString twoDigitStepText(const StepFacts& f)
{
    if (f.step == 2) return step2(f);
    if (f.step == 3) return step3(f);
    return lastStepText(f.P, f.d, f.q, f.u, f.m, f.r, f.Q);
}

TwoDigitKind twoDigitKind(int a)
{
    return a <= 2   ? TwoDigitKind::OneDigitQuotient
           : a <= 6 ? TwoDigitKind::TwoDigitQuotient
                    : TwoDigitKind::TensQuotient;
}

Problem twoDigitFixedProblem(TwoDigitKind kind)
{
    switch (kind) {
    case TwoDigitKind::OneDigitQuotient: return {245, 32};
    case TwoDigitKind::TwoDigitQuotient: return {545, 32};
    case TwoDigitKind::TensQuotient: break;
    }
    return {335, 32};
}

namespace {

// A three-digit dividend with a remainder of 1 … d − 2, of the kind chosen by a.
Problem drawThreeDigitDividend(TwoDigitKind kind)
{
    int d = 0;
    int k = 0;
    if (kind == TwoDigitKind::OneDigitQuotient) {
        d = (Random(8) + 1) * 10 + Random(7) + 2;
    } else {
        d = (Random(7) + 1) * 10 + Random(8) + 1;
        k = 90 / (d / 10) - 11;
    }
    for (int tries = 0; tries < twoDigitMaxTries; ++tries) {
        int D = 0;
        if (kind == TwoDigitKind::OneDigitQuotient)
            D = d * (Random(7) + 2);
        else if (kind == TwoDigitKind::TwoDigitQuotient)
            D = d * (Random(k) + 11);
        else if (d > 50)
            D = d * 10;
        else
            D = d * (Random(9 / (d / 10) - 1) + 1) * 10;
        D += Random(d - 2) + 1;
        if (D > 100 && D < 1000) return {D, d};
    }
    return twoDigitFixedProblem(kind);
}

} // namespace

Problem drawTwoDigitProblem(int subTopic)
{
    const int a = Random(9);
    if (subTopic == 1) {
        int D = Random(49) + 50;
        const int d = (Random(2) + 1) * 10 + Random(8) + 1;
        if (a <= 3) D -= D % d;
        return {D, d};
    }
    Problem p = drawThreeDigitDividend(twoDigitKind(a));
    if (subTopic == 3) p.dividend = p.dividend * 10 + Random(9);
    return p;
}

} // namespace kazemaru::longdiv
