#include "lessons/rules/CalculationRules.h"

#include "frame/Random.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

int digitFactor()
{
    return Random(7) + 2; // 2 … 8
}

// Draws (a, b, c) up to maxRedraws times until `holds`; the fixed triple when it never does.
template <typename Condition> void drawBracketOperands(int& a, int& b, int& c, Condition holds)
{
    const bool found = drawUntil(
        [&] {
            a = Random(89) + 10;
            b = Random(89) + 10;
            c = Random(98) + 1;
        },
        [&] { return holds(a, b, c); });
    if (found) return;
    a = 42;
    b = 23;
    c = 16;
}

int answerOf(int subTopic, int form, int a, int b, int c, int d)
{
    switch (subTopic) {
    case 1:
        if (form <= 3) return a - (b + c);
        if (form <= 6) return a + (b - c);
        return a - (b - c);
    case 2:
        if (form <= 2) return a + c * d;
        if (form <= 5) return a * b - c * d;
        if (form <= 7) return a / b + c / d;
        return a * b + c / d;
    case 3: return form <= 4 ? a * b / c : a / b * c;
    case 4: return form <= 4 ? c - b : c + b;
    case 5: return form <= 4 ? a : c;
    default: return 0;
    }
}

// The expression without its " = ?" ending.
QString expression(const RulesProblem& p)
{
    const QString a = QString::number(p.a), b = QString::number(p.b), c = QString::number(p.c),
                  d = QString::number(p.d);
    const int r = p.form;
    switch (p.subTopic) {
    case 1:
        if (r <= 3) return a + u" - ( "_s + b + u" + "_s + c + u" )"_s;
        if (r <= 6) return a + u" + ( "_s + b + u" - "_s + c + u" )"_s;
        return a + u" - ( "_s + b + u" - "_s + c + u" )"_s;
    case 2:
        if (r <= 2) return a + u" + "_s + c + u" x "_s + d;
        if (r <= 5) return a + u" x "_s + b + u" - "_s + c + u" x "_s + d;
        if (r <= 7) return a + u" ÷ "_s + b + u" + "_s + c + u" ÷ "_s + d;
        return a + u" x "_s + b + u" + "_s + c + u" ÷ "_s + d;
    case 3: return r <= 4 ? a + u" x "_s + b + u" ÷ "_s + c : a + u" ÷ "_s + b + u" x "_s + c;
    case 4: return (r <= 4 ? u"□ + "_s : u"□ - "_s) + b + u" = "_s + c;
    case 5: return r <= 4 ? u"□ x "_s + b + u" = "_s + c : u"□ ÷ "_s + b + u" = "_s + a;
    default: return {};
    }
}

// The expression with its first operations done.
QString middleStep(const RulesProblem& p)
{
    const auto n = [](int v) { return QString::number(v); };
    const int r = p.form;
    switch (p.subTopic) {
    case 1:
        if (r <= 3) return n(p.a) + u" - "_s + n(p.b + p.c);
        if (r <= 6) return n(p.a) + u" + "_s + n(p.b - p.c);
        return n(p.a) + u" - "_s + n(p.b - p.c);
    case 2:
        if (r <= 2) return n(p.a) + u" + "_s + n(p.c * p.d);
        if (r <= 5) return n(p.a * p.b) + u" - "_s + n(p.c * p.d);
        if (r <= 7) return n(p.a / p.b) + u" + "_s + n(p.c / p.d);
        return n(p.a * p.b) + u" + "_s + n(p.c / p.d);
    case 3: return r <= 4 ? n(p.a * p.b) + u" ÷ "_s + n(p.c) : n(p.a / p.b) + u" x "_s + n(p.c);
    default: return {};
    }
}

QString ruleText(const RulesProblem& p)
{
    const int r = p.form;
    switch (p.subTopic) {
    case 1: return u"カッコのある式では、カッコの中を\nさきに計算すればいいよ。\n\n"_s;
    case 2:
        if (r <= 2) return u"かけ算とたし算が まじっている式では、\nかけ算を さきに計算すればいいよ。\n\n"_s;
        if (r <= 5) return u"かけ算とひき算が まじっている式では、\n２つのかけ算を さきに計算すればいいよ。\n\n"_s;
        if (r <= 7) return u"わり算とたし算が まじっている式では、\n２つのわり算を さきに計算すればいいよ。\n\n"_s;
        return u"かけ算とわり算とたし算が まじっている式では、\nかけ算とわり算を さきに計算すればいいよ。\n\n"_s;
    case 3: return u"かけ算とわり算だけの式では、左から\nじゅんに計算すればいいよ。\n\n"_s;
    default: return {};
    }
}

} // namespace

RulesProblem rulesProblem(int subTopic, int form, int a, int b, int c, int d)
{
    return {subTopic, form, a, b, c, d, answerOf(subTopic, form, a, b, c, d)};
}

RulesProblem drawRulesProblem(int subTopic)
{
    if (subTopic < 1 || subTopic > rulesSubTopics) return {};
    Randomize();
    const int r = Random(9);
    int a = 0, b = 0, c = 0, d = 0;
    switch (subTopic) {
    case 1:
        if (r <= 3)
            drawBracketOperands(a, b, c, [](int a, int b, int c) { return b + c < a; });
        else if (r <= 6)
            drawBracketOperands(a, b, c, [](int, int b, int c) { return b > c; });
        else
            drawBracketOperands(a, b, c, [](int a, int b, int c) { return b > c && b - c < a; });
        break;
    case 2:
        if (r <= 2) {
            a = Random(98) + 1;
            c = Random(98) + 1;
            d = digitFactor();
        } else if (r <= 5) {
            const bool found = drawUntil(
                [&] {
                    a = Random(89) + 10;
                    b = digitFactor();
                    c = Random(98) + 1;
                    d = digitFactor();
                },
                [&] { return a * b > c * d; });
            if (!found) {
                a = 42;
                b = 3;
                c = 16;
                d = 4;
            }
        } else if (r <= 7) {
            const int p = digitFactor();
            b = digitFactor();
            a = p * b;
            const int q = digitFactor();
            d = digitFactor();
            c = q * d;
        } else {
            a = Random(89) + 10;
            b = digitFactor();
            const int q = digitFactor();
            d = digitFactor();
            c = q * d;
        }
        break;
    case 3:
        if (r <= 4) {
            a = digitFactor();
            const int p = digitFactor();
            c = digitFactor();
            b = p * c;
        } else {
            const int p = digitFactor();
            b = digitFactor();
            a = p * b;
            c = digitFactor();
        }
        break;
    case 4:
        a = Random(88) + 11;
        b = Random(88) + 11;
        c = a + b;
        break;
    case 5:
        a = digitFactor();
        b = digitFactor();
        c = a * b;
        break;
    }
    return rulesProblem(subTopic, r, a, b, c, d);
}

QString rulesQuestionText(const RulesProblem& p)
{
    if (p.subTopic < 1 || p.subTopic > rulesSubTopics) return {};
    if (isBoxProblem(p.subTopic)) return u"次の式の□の数は？\n\n"_s + expression(p);
    return expression(p) + u" = ?"_s;
}

QString rulesSolvedText(const RulesProblem& p)
{
    if (p.subTopic < 1 || p.subTopic > rulesSubTopics || isBoxProblem(p.subTopic)) return rulesQuestionText(p);
    return expression(p) + u" = "_s + QString::number(p.answer);
}

QString rulesWorkedText(const RulesProblem& p)
{
    const QString n = QString::number(p.answer);
    const bool adding = p.form <= 4;
    switch (p.subTopic) {
    case 4:
        return u"□ = "_s + QString::number(p.c) + (adding ? u" - "_s : u" + "_s) + QString::number(p.b) + u" = "_s + n;
    case 5:
        return adding ? u"□ = "_s + QString::number(p.c) + u" ÷ "_s + QString::number(p.b) + u" = "_s + n
                      : u"□ = "_s + QString::number(p.a) + u" x "_s + QString::number(p.b) + u" = "_s + n;
    case 1:
    case 2:
    case 3: return ruleText(p) + expression(p) + u" = "_s + middleStep(p) + u" = "_s + n;
    default: return {};
    }
}

QString rulesBoxValueText(const RulesProblem& p)
{
    return u"□は "_s + QString::number(p.answer);
}

QStringList rulesMemoLines()
{
    return {
        QString(),
        u"　１．（　）のある式の計算"_s,
        QString(),
        u"　　　（　）の中を さきに計算する。"_s,
        QString(),
        u"　２．＋、－、ｘ、÷ が まじった式の計算"_s,
        QString(),
        u"　　　かけ算とわり算を さきに計算する。"_s,
        QString(),
        u"　３．ｘ と ÷ だけが まじった式の計算"_s,
        QString(),
        u"　　　左からじゅんに計算する。"_s,
        QString(),
        u"　４．たし算とひき算の関係"_s,
        QString(),
        u"　　　□ + 80 = 100　の式の□は、次の式でもとめる。"_s,
        u"　　　□ = 100 - 80 = 20"_s,
        QString(),
        u"　　　□ - 80 = 20　の式の□は、次の式でもとめる。"_s,
        u"　　　□ = 20 + 80 = 100"_s,
        QString(),
        u"　５．かけ算とわり算の関係"_s,
        QString(),
        u"　　　□ x 4 = 32　の式の□は、次の式でもとめる。"_s,
        u"　　　□ = 32 ÷ 4 = 8"_s,
        QString(),
        u"　　　□ ÷ 4 = 8　の式の□は、次の式でもとめる。"_s,
        u"　　　□ = 8 x 4 = 32"_s,
        QString(),
        u"　　　"_s,
    };
}

} // namespace kazemaru
