#include "lessons/division/LongDivisionTwoDigit.h"

#include "frame/Random.h"

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

// The step texts, as written on the board.
const QString u2a =
    u"【ステップ２】\n\n　{P} を {d} でわる。\n　商の {q} を {u} の上に書き、\n　{d} に 商の {q} をかけた {m} を \n　{P} の下に書く。\n　その下に線をひき、線の下に {P} から\n　{m} をひいた {r} を書く。"_s;
const QString u2b =
    u"【ステップ２】\n\n　{P} を {d} でわる。\n　商の {q} を {t} の上に書き、\n　{d} に 商の {q} をかけた {m} を {P}\n　の下に書く。\n　その下に線をひき、線の下に {P} から\n　{m} をひいた {r} と、その右に \n　一の位の {n} を おろして書く。"_s;
const QString u2d =
    u"【ステップ２】\n\n　{P} を {d} でわる。\n　商の {q} を {h} の上に書き、\n　{d} に 商の {q} をかけた {m} を {P}\n　の下に書く。\n　その下に線をひき、線の下に {P} から\n　{m} をひいた {r} と、その右に \n　十の位の {n} を おろして書く。"_s;
const QString u2e =
    u"【ステップ２】\n\n　{D100}は{d} でわれないので、{P} を \n　{d} でわる。\n　商の {q} を {t} の上に書き、\n　{d} に 商の {q} をかけた {m} を {P}\n　の下に書く。\n　その下に線をひき、線の下に {P} から\n　{m} をひいた {r} と、その右に\n　一の位の {n} を おろして書く。"_s;
const QString u3a =
    u"【ステップ３】\n\n　次に、この {P} を {d} でわる。\n　商の {q} を {u} の上に書き、{d} に 商の\n　{q} をかけた {m} を {P} の下に書く。\n　その下に 線をひき、線の下に {P} から\n　{m} をひいた {r} を書く。"_s;
const QString u3b =
    u"【ステップ３】\n\n　次に、この {P} は {d} でわれないので\n　商の ０ を {u} の上に書き、{d} に商の\n　０ をかける計算は はぶく。"_s;
const QString u3c =
    u"【ステップ３】\n\n　次に、この {P} を {d} でわる。\n　商の {q} を {t}の上に書き、{d} に 商の\n　{q} をかけた {m} を {P} の下に書く。\n　その下に 線をひき、線の下に {P} から\n　{m} をひいた {r} と、その右に \n　一の位の {u} を おろして書く。"_s;
const QString u3d =
    u"【ステップ３】\n\n　この {P} は {d} で われないので、\n　０ を {t}の上に書き、{d} に 0 \n　を かけるのは はぶき、  その右に \n　一の位の {u} を おろして書く。"_s;
const QString u3e =
    u"【ステップ３】\n\n　次に、この {P} を {d} でわる。\n　商の {q} を {u}の上に書き、{d} に 商の\n　{q} をかけた {m} を {P} の下に書く。\n　その下に 線をひき、線の下に {P} から\n　{m} をひいた {r} を書く。"_s;

QString pattern(const StepFacts& f)
{
    const bool shortStart = f.layoutCase == LayoutCase::ShortStart;
    if (f.step == 2) {
        if (f.subTopic == 1) return u2a + closingPattern;
        if (f.subTopic == 2) return shortStart ? shortStartOnlyPattern() : u2b;
        return shortStart ? u2e : u2d;
    }
    if (f.subTopic == 2) return (f.q > 0 ? u3a : u3b) + closingPattern;
    if (shortStart) return u3e + closingPattern;
    return f.q > 0 ? u3c : u3d;
}

} // namespace

QString shortStartOnlyPattern()
{
    return u"【ステップ２】\n\n　{D10} は {d} で われないので、\n　{P} を {d} で わる。\n　商の {q} を {u} の上に書き、\n　{d} に 商の {q} をかけた {m} を \n　{P} の下に書く。\n　その下に線をひき、線の下に {P}\n　から {m} をひいた {r} を書く。"_s +
           closingPattern;
}

const PlanDesign& twoDigitPlan()
{
    static const PlanDesign design{.firstDigits = 2,
                                   .dividendLeft = twoDigitDividendLeft,
                                   .rows = twoDigitRows(),
                                   .example = twoDigitExample,
                                   .stepText = twoDigitStepText,
                                   .edgeNudge = twoDigitNudge,
                                   .quotientPrompt = twoDigitQuotientPrompt};
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
    if (f.step >= 4) return lastStepText(f.P, f.d, f.q, f.u, f.m, f.r, f.Q);
    return fillStepText(pattern(f), f);
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
    int D = 0;
    const auto draw = [&] {
        if (kind == TwoDigitKind::OneDigitQuotient)
            D = d * (Random(7) + 2);
        else if (kind == TwoDigitKind::TwoDigitQuotient)
            D = d * (Random(k) + 11);
        else if (d > 50)
            D = d * 10;
        else
            D = d * (Random(9 / (d / 10) - 1) + 1) * 10;
        D += Random(d - 2) + 1;
    };
    if (drawUntil(draw, [&] { return D > 100 && D < 1000; })) return {D, d};
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
