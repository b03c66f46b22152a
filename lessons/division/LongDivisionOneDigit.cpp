#include "lessons/division/LongDivisionOneDigit.h"

#include "frame/Random.h"

#include <algorithm>

namespace kazemaru::longdiv {

using namespace Qt::StringLiterals;

std::array<RowState, rowCount> oneDigitRows()
{
    // text, left, top, width, right-aligned
    return {{
        {QString(), oneDigitColumn1, 280, 60, false}, // quotient
        {QString(), 720, 348, 40, false},             // first product
        {QString(), 720, 380, 40, true},              // first difference
        {QString(), 720, 412, 40, true},              // second product
        {QString(), 740, 444, 40, true},              // second difference
        {QString(), 740, 476, 40, true},              // third product
        {QString(), 740, 508, 40, true},              // last difference, ending at 780
    }};
}

const PlanDesign& oneDigitPlan()
{
    static const PlanDesign design{.firstDigits = 1,
                                   .dividendLeft = oneDigitColumn1,
                                   .quotientNudge = 0,
                                   .zeroGivesWay = true,
                                   .rows = oneDigitRows(),
                                   .example = oneDigitExample,
                                   .stepText = oneDigitStepText};
    return design;
}

int oneDigitExampleCount(int)
{
    return 3;
}

Problem oneDigitExample(int subTopic, int example)
{
    static constexpr std::array<int, 3> twoDigit{84, 86, 74};
    static constexpr std::array<int, 3> threeDigit{436, 325, 235};
    const auto i = static_cast<size_t>(std::clamp(example, 1, 3) - 1);
    return subTopic == 1 ? Problem{twoDigit[i], 7} : Problem{threeDigit[i], 3};
}

bool oneDigitDividendFits(int subTopic, int dividend)
{
    return subTopic == 1 ? dividend >= 10 && dividend <= 99 : dividend >= 100 && dividend <= 999;
}

Problem oneDigitFixedProblem(int subTopic)
{
    return subTopic == 1 ? Problem{58, 4} : Problem{436, 3};
}

Problem drawOneDigitProblem(int subTopic)
{
    // Rounding down to a multiple of the divisor and adding a remainder can leave the figure's
    // columns; such a dividend is drawn again, every draw in the same order.
    int D = 0;
    int d = 0;
    const auto draw = [&] {
        const bool withRemainder = Random(9) >= 5;
        d = Random(7) + 2;
        if (subTopic == 1) {
            const int D0 = Random(99 - 10 * d) + 10 * d;
            D = D0 - D0 % d;
            if (withRemainder) {
                int e = d - 2;
                if (e > 0) e = Random(e);
                D += e + 1;
            }
        } else {
            const int D0 = Random(898) + 101;
            D = D0 - D0 % d;
            if (withRemainder) D += Random(d - 2) + 1;
        }
    };
    if (drawUntil(draw, [&] { return oneDigitDividendFits(subTopic, D); })) return {D, d};
    return oneDigitFixedProblem(subTopic);
}

// The step texts, as written on the board.
namespace {

// Multiply and subtract, up to the difference r: shared by the second steps.
QString multiplyAndSubtract(int P, int d, int q, int m, int r)
{
    return compose({u"\n"_s, u"　"_s,
                    d,       u" に 商の "_s,
                    q,       u" をかけた "_s,
                    m,       u" を "_s,
                    P,       u" の"_s,
                    u"\n"_s, u"　下に書く。"_s,
                    u"\n"_s, u"　その下に線をひき、線の下に "_s,
                    P,       u" から"_s,
                    u"\n"_s, u"　"_s,
                    m,       u" をひいた "_s,
                    r});
}

QString bringDown(const QString& place, int n)
{
    return compose({u" と、その右に "_s + place + u"の "_s, u"\n"_s, u"　"_s, n, u" を おろして書く。"_s});
}

QString step2Text(int subTopic, LayoutCase c, int D, int d, int P, int q, int m, int r, int n)
{
    if (c == LayoutCase::ShortStart) {
        const int h = D / 100;
        const int t = D / 10 % 10;
        return compose({u"【ステップ２】\n\n　"_s, h, u" は "_s, d, u" で われないので、"_s, u"\n"_s, u"　"_s, P,
                        u" を "_s, d, u" で わる。"_s, u"\n"_s, u"　商の "_s, q, u" を "_s, t, u" の上に書き、"_s}) +
               multiplyAndSubtract(P, d, q, m, r) + bringDown(u"一の位"_s, n);
    }
    const QString head = compose({u"【ステップ２】\n\n　"_s, P, u" を "_s, d, u" でわる。"_s, u"\n"_s, u"　商の "_s, q,
                                  u" を "_s, P, u" の上に書き、"_s}) +
                         multiplyAndSubtract(P, d, q, m, r);
    if (subTopic == 1) {
        if (r > 0) return head + bringDown(u"一の位"_s, n);
        return head + compose({u" は はぶき、一の位から"_s, u"\n"_s, u"　おろした"_s, n, u" だけを書く。"_s});
    }
    if (r > 0) return head + bringDown(u"十の位"_s, n);
    return head + compose({u" は はぶき、"_s, u"\n"_s, u"　十の位からおろした "_s, n, u" だけを書く。"_s});
}

// The division of a later step, from "divide P by d" to the difference r written below the rule.
QString divideAndWrite(const QString& title, int P, int d, int q, int over, int m, int r, bool tight, bool splitFrom)
{
    // Two spellings of the same sentence: "の上に" after the digit with or without a space, and
    // "P から" broken before or after "から".
    const QString above = tight ? u"の上に書き、"_s : u" の上に書き、"_s;
    const QString subtract = splitFrom ? compose({P, u"\n"_s, u"　から "_s, m, u" をひいた "_s})
                                       : compose({P, u" から"_s, u"\n"_s, u"　"_s, m, u" をひいた "_s});
    return compose({title, u"　次に、この "_s, P, u" を "_s, d, u" でわり、"_s, u"\n"_s, u"　商の "_s, q, u" を "_s,
                    over}) +
           above +
           compose({d, u" に 商の"_s, u"\n"_s, u"　"_s, q, u" をかけた "_s, m, u" を "_s, P, u" の下に書く。"_s,
                    u"\n"_s, u"　その下に 線をひき、線の下に "_s}) +
           subtract + compose({r, u" を書く。"_s});
}

// The third step: the second quotient digit, the last one of a two-digit dividend or of a
// short start.
QString step3Text(const StepFacts& f)
{
    const int P = f.P, d = f.d, q = f.q, m = f.m, r = f.r, t = f.t, u = f.u, Q = f.Q;
    const QString title = u"【ステップ３】\n\n"_s;
    if (f.subTopic == 1) {
        if (q > 0) return divideAndWrite(title, P, d, q, u, m, r, false, true) + closing(Q, r);
        return compose({title, u"　次に、この "_s, P, u" は "_s, d, u" でわれないので"_s, u"\n"_s, u"　商の ０ を "_s,
                        u, u" の上に書き、"_s, d, u" に商の"_s, u"\n"_s, u"　０ をかける計算は はぶく。"_s}) +
               closing(Q, r);
    }
    if (f.layoutCase == LayoutCase::ShortStart)
        return divideAndWrite(title, P, d, q, u, m, r, false, false) + closing(Q, r);
    if (f.layoutCase == LayoutCase::ZeroMiddle)
        return compose({title,   u"　次に、この "_s,
                        P,       u" は "_s,
                        d,       u" で われないので、"_s,
                        u"\n"_s, u"　０ を "_s,
                        t,       u" の上に書き、"_s,
                        d,       u" に ０を"_s,
                        u"\n"_s, u"　かける計算は はぶき、一の位の "_s,
                        u,       u" を "_s,
                        u"\n"_s, u"　おろして "_s,
                        P,       u" の右に書く。"_s});
    return divideAndWrite(title, P, d, q, t, m, r, true, true);
}

} // namespace

QString oneDigitStepText(const StepFacts& f)
{
    if (f.step == 2) return step2Text(f.subTopic, f.layoutCase, f.D, f.d, f.P, f.q, f.m, f.r, f.n);
    if (f.step == 3) return step3Text(f);
    return lastStepText(f.P, f.d, f.q, f.u, f.m, f.r, f.Q);
}

} // namespace kazemaru::longdiv
