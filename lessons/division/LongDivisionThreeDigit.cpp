#include "lessons/division/LongDivisionThreeDigit.h"

#include "frame/Random.h"
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

// The step texts, as written on the board.
const QString v2a =
    u"【ステップ２】\n\n　{P} を {d} でわる。\n　商の {q} を {t} の上に書き、\n　{d} に 商の {q} をかけた {m} を \n　{P} の下に書く。\n　その下に線をひき、線の下に {P}\n　から {m} をひいた {r} と、その\n　右に {n} を おろして書く。"_s;
const QString v2c =
    u"【ステップ２】\n\n　{P} を {d} でわる。\n　商の {q} を {h} の上に書き、\n　{d} に 商の {q} をかけた {m} を \n　{P}　の下に書く。\n　その下に線をひき、線の下に {P}\n　から {m} をひいた {r} と、その\n　右に、十の位の {n} を おろして書く。"_s;
const QString v2d =
    u"【ステップ２】\n\n　{D100} は {d} で われないので、\n　{P} を {d} で わる。\n　商の {q} を {t} の上に書き、\n　{d} に 商の {q} をかけた {m} を \n　{P} の下に書く。\n　その下に線をひき、線の下に {P}\n　から {m} をひいた {r} と、その\n　右に {n} を おろして書く。"_s;
const QString v3a =
    u"【ステップ３】\n\n　次に、この {P} を {d} でわる。\n　商の {q} を {u}の上に書き、{d} に \n　商の{q} をかけた {m} を {P}\n　の下に書く。\n　その下に 線をひき、線の下に {P}\n　から {m} をひいた {r} を書く。"_s;
const QString v3b =
    u"【ステップ３】\n\n　次に、この {P} を {d} でわる。\n　商の {q} を {t}の上に書き、{d} に \n　商の {q} をかけた {m} を {P}\n　の下に書く。\n　その下に 線をひき、線の下に {P}\n　から {m} をひいた {r} と、その\n　右に {u} を おろして書く。"_s;
const QString v3c =
    u"【ステップ３】\n\n　次に、この {P} を {d} でわる。\n　商の {q} を {u}の上に書き、{d} に \n　商の {q} をかけた {m} を {P}\n　の下に書く。\n　その下に 線をひき、線の下に {P}\n　から {m} をひいた {r} を書く。"_s;
const QString v3d =
    u"【ステップ３】\n\n　{P} は {d} でわれないので\n　商の ０ を {t} の上に書き、{d}\n　に商の ０ をかける計算は はぶいて、\n　{P} の右に {u}　をおろして書く。"_s;
const QString v4 =
    u"【ステップ４】\n\n　次に、この {P} を {d} でわる。\n　商の {q} を {u} の上に書き、{d} に \n　商の{q} をかけた {m} を {P} \n　の下に書く。その下に 線をひき、\n　{P} から {m}　を ひいた {r}\n　を 線の下に書く。"_s;

QString pattern(const StepFacts& f)
{
    const bool shortStart = f.layoutCase == LayoutCase::ShortStart;
    if (f.step == 2) {
        if (f.subTopic == 1) return shortStart ? shortStartOnlyPattern() : v2a;
        return shortStart ? v2d : v2c;
    }
    if (f.step == 3) {
        if (f.subTopic == 1) return v3a + closingPattern;
        if (shortStart) return v3c + closingPattern;
        return f.q > 0 ? v3b : v3d;
    }
    return v4 + closingPattern;
}

} // namespace

const PlanDesign& threeDigitPlan()
{
    static const PlanDesign design{.firstDigits = 3,
                                   .dividendLeft = threeDigitDividendLeft,
                                   .rows = threeDigitRows(),
                                   .example = threeDigitExample,
                                   .stepText = threeDigitStepText,
                                   .edgeNudge = threeDigitNudge};
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
    return fillStepText(pattern(f), f);
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
