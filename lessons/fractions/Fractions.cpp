#include "lessons/fractions/Fractions.h"

#include "frame/Random.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

Fraction toMixedNumber(const Fraction& improper)
{
    if (!improper.hasFraction()) return improper;
    const int numerator = improper.whole * improper.denominator + improper.numerator;
    return {numerator / improper.denominator, numerator % improper.denominator, improper.denominator};
}

Fraction toImproperFraction(const Fraction& mixed)
{
    if (!mixed.hasFraction()) return mixed;
    return {0, mixed.whole * mixed.denominator + mixed.numerator, mixed.denominator};
}

namespace {

// A numerator 1 … 7 below a denominator 3 … 8, drawn together until they fit; `fallback` when
// they never do.
Fraction drawProperFraction(const Fraction& fallback)
{
    int n = 0, d = 0;
    const bool found = drawUntil(
        [&] {
            n = Random(7) + 1;
            d = Random(6) + 3;
        },
        [&] { return n < d; });
    return found ? Fraction{0, n, d} : fallback;
}

} // namespace

Comparison drawComparison()
{
    Randomize();
    Comparison c;
    c.form = Random(9);
    if (c.form <= 7) {
        // Two different numerators below one denominator.
        int u = 0, v = 0, d = 0;
        const bool found = drawUntil(
            [&] {
                u = Random(7) + 1;
                v = Random(7) + 1;
                d = Random(6) + 3;
            },
            [&] { return u != v && u < d && v < d; });
        if (!found) {
            u = 3;
            v = 5;
            d = 7;
        }
        c.left = {0, u, d};
        c.right = {0, v, d};
        c.larger = u <= v ? RightSide : LeftSide;
    } else {
        // A proper fraction against 1.
        c.left = drawProperFraction({0, 3, 7});
        c.right = {1, 0, 0};
        c.larger = RightSide;
    }
    return c;
}

Conversion drawConversion()
{
    Randomize();
    Conversion c;
    c.form = Random(9);
    if (c.toMixed()) {
        // An improper fraction whose division leaves a remainder.
        int p = 0, d = 0;
        const bool found = drawUntil(
            [&] {
                p = Random(16) + 3;
                d = Random(7) + 2;
            },
            [&] { return p > d && p % d > 0; });
        if (!found) {
            p = 8;
            d = 5;
        }
        c.given = {0, p, d};
        c.answer = toMixedNumber(c.given);
    } else {
        const Fraction f = drawProperFraction({0, 3, 5});
        const int w = Random(4) + 1;
        c.given = {w, f.numerator, f.denominator};
        c.answer = toImproperFraction(c.given);
    }
    return c;
}

QString comparisonReason(const Comparison& c)
{
    const QString side = c.larger == LeftSide ? u"左"_s : u"右"_s;
    if (c.right.hasFraction()) return u"分母が同じなので、分子が大きい "_s + side + u"の方が\n大きいよ。"_s;
    const QString d = QString::number(c.left.denominator);
    return u"１は「"_s + d + u" 分の "_s + d + u"」と同じなので、"_s + side + u"の方が\n大きいよ。"_s;
}

bool conversionRight(const Conversion& c, int first, int second, int denominator)
{
    if (denominator != c.answer.denominator) return false;
    if (c.toMixed()) return first == c.answer.whole && second == c.answer.numerator;
    return 10 * first + second == c.answer.numerator;
}

QString conversionQuestion(const Conversion& c)
{
    return c.toMixed() ? u"次の分数を帯分数になおすと？"_s : u"次の分数を仮分数になおすと？"_s;
}

QString conversionPrompt(const Conversion& c)
{
    return c.toMixed() ? u"答えは 整数→分子→分母のじゅんに えらんでね！"_s
                       : u"答えは 分子（十の位）→分子（一の位）→\n分母のじゅんに えらんでね！"_s;
}

QString fractionText(const Fraction& f)
{
    const QString fraction = u"%1/%2"_s.arg(f.numerator).arg(f.denominator);
    if (!f.hasFraction()) return QString::number(f.whole);
    return f.whole > 0 ? QString::number(f.whole) + u'と' + fraction : fraction;
}

QString comparisonText(const Comparison& c)
{
    return fractionText(c.left) + u" と "_s + fractionText(c.right);
}

QString comparisonKind(const Comparison& c)
{
    return c.right.hasFraction() ? u"分母が同じ"_s : u"１とくらべる"_s;
}

QString conversionEntryText(const Conversion& c, int first, int second, int denominator)
{
    if (c.toMixed()) return u"%1と%2/%3"_s.arg(first).arg(second).arg(denominator);
    return u"%1/%2"_s.arg(10 * first + second).arg(denominator);
}

QString conversionKind(const Conversion& c)
{
    return c.toMixed() ? u"仮分数を帯分数に"_s : u"帯分数を仮分数に"_s;
}

int fractionStepCount(int subTopic)
{
    return subTopic == 3 ? 3 : subTopic == 4 ? 2 : 0;
}

int nextFractionStep(int subTopic, int step)
{
    const int count = fractionStepCount(subTopic);
    if (count == 0) return 0;
    return step >= count ? 1 : step + 1;
}

FractionStep fractionStep(int subTopic, int step)
{
    if (subTopic == 3) {
        switch (step) {
        case 1:
            return {u"ステップ２"_s,
                    u"　真分数：分子が分母より小さい\n　　　　　次のような分数だよ。"_s,
                    {},
                    {0, 3, 5},
                    {0, 8, 9}};
        case 2:
            return {u"ステップ３"_s,
                    u"　仮分数：分子が分母と同じか分母より大きい\n　　　　　次のような分数だよ。"_s,
                    {},
                    {0, 5, 5},
                    {0, 8, 6}};
        case 3:
            return {u"ステップ１"_s,
                    u"　帯分数：整数と真分数を合わせた\n　　　　　次のような分数だよ。"_s,
                    {},
                    {1, 2, 6},
                    {2, 1, 8}};
        }
    } else if (subTopic == 4) {
        switch (step) {
        case 1:
            return {u"ステップ２"_s,
                    u"　仮分数を帯分数になおすには、\n　分子を分母でわり、商を整数に書き、\n"
                    u"　あまりを分子に書けばいいよ。"_s,
                    u"　　　　　（13 ÷ 5 = 2 あまり 3）"_s,
                    {0, 13, 5},
                    {2, 3, 5}};
        case 2:
            return {u"ステップ１"_s,
                    u"　帯分数を仮分数になおすには、\n　分母に整数をかけた答えに分子をたした\n"
                    u"　数を分子に書けばいいよ。"_s,
                    u"　　　　　（3 x 2 + 1 = 7）"_s,
                    {2, 1, 3},
                    {0, 7, 3}};
        }
    }
    return {};
}

QString fractionPartsExplanation()
{
    return u"上の図では、長さ１の線分を ５等分した\nメモリがつけてあるよ。メモリの１つぶん\n"
           u"と ３つぶんの長さは 分数では次のように\n表すよ。"_s;
}

QString fractionNamesExplanation()
{
    return u"この分数を「５分の１」、「５分の３」と\n読み、分数の下の数を分母といい、１が \n"
           u"いくつに分かれているかを表し、上の数を\n分子といい、５等分されたものの いくつ\n"
           u"ぶんかを表すよ。\n「５分の５」は １と同じだよ。"_s;
}

} // namespace kazemaru
