#include "lessons/division/MentalDivision.h"

#include "frame/Random.h"
#include "lessons/division/DivisionAnswer.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

// ---- Dividing whole tens and hundreds by one digit ----

QString tensHundredsExplanation(int subTopic)
{
    // The runs of spaces put the continuation lines' equals signs under the first one in the
    // screen's rounded font, where digits and spaces are half a character wide and ÷ a whole one.
    switch (subTopic) {
    case 1:
        return u"40 ÷ 2 の計算は、\n40 を 4 x 10 と 考え、次のように\n計算すればいいよ。\n\n"
               u"40 ÷ 2 = 4 x 10 ÷ 2\n        = 4 ÷ 2 x 10\n        = 2 x 10\n"
               u"        = 20\n\nすなわち、何十を わる 計算では、\n0 を はずして 計算し、"
               u"答えに 0 を \nつければいいよ。"_s;
    case 2:
        // Two zeros come off the hundreds, so two go back onto the answer.
        return u"400 ÷ 2 の計算は、\n400 を 4 x 100 と 考え、次のように\n計算すればいいよ。\n\n"
               u"400 ÷ 2 = 4 x 100 ÷ 2\n         = 4 ÷ 2 x 100\n         = 2 x 100\n"
               u"         = 200\n\nすなわち、何百を わる 計算では、\n00 を はずして 計算し、"
               u"答えに 00 を \nつければいいよ。"_s;
    case 3:
        return u"240 ÷ 3 の計算は、\n240 を 24 x 10 と 考え、次のように\n計算すればいいよ。\n\n"
               u"240 ÷ 3 = 24 x 10 ÷ 3\n         = 24 ÷ 3 x 10\n         = 8 x 10\n"
               u"         = 80\n\nすなわち、何百何十を わる 計算では、\n0 を はずして 計算し、"
               u"答えに 0 を \nつければいいよ。"_s;
    default: return {};
    }
}

TensHundredsProblem drawTensHundredsProblem(int subTopic)
{
    if (subTopic < 1 || subTopic > tensHundredsSubTopics) return {};
    Randomize();
    int divisor = Random(7) + 2;
    // Whole tens and hundreds need a one-digit product; hundreds and tens need two digits.
    const auto suits = [subTopic](int product) { return subTopic == 3 ? product > 10 : product < 10; };
    int m = 0;
    if (!drawUntil([&] { m = Random(3) + 1; }, [&] { return suits(divisor * m); })) {
        // Divisors 2 and 3 never give a two-digit product, so sub-topic 3 always lands here for them.
        divisor = 4;
        m = subTopic == 3 ? 3 : 2;
    }
    const int place = subTopic == 2 ? 100 : 10;
    return {divisor * m * place, divisor, m * place};
}

QString tensHundredsQuestionText(const TensHundredsProblem& p)
{
    return u"%1 ÷ %2 = ?"_s.arg(p.dividend).arg(p.divisor);
}

QString tensHundredsAnswerText(const TensHundredsProblem& p)
{
    return u"%1 ÷ %2 = %3"_s.arg(p.dividend).arg(p.divisor).arg(p.answer);
}

bool tensHundredsRight(const TensHundredsProblem& p, int entered)
{
    return entered == p.answer;
}

// ---- Dividing by whole tens and hundreds ----

QString divideByExample(int n)
{
    switch (n) {
    case 1:
        return u"240 ÷ 60　の計算では、\nわられる数と わる数の 右はしに\nある０を 同じ数だけ消しても、\n"
               u"商は かわらないので、\n24 ÷ 6 = 4　から、\n240 ÷ 60 = 4\n\nたしかめてみると、\n60 x 4 = 240"_s;
    case 2:
        return u"1800 ÷ 300　の計算では、\n同じかんがえかたで、\n18 ÷ 3 = 6　から、\n1800 ÷ 300 = 6\n\n"
               u"たしかめてみると、\n300 x 6 = 1800"_s;
    case 3:
        return u"300 ÷ 60　の計算では、\n同じかんがえかたで、\n30 ÷ 6 = 5　から、\n300 ÷ 60 = 5\n\n"
               u"たしかめてみると、\n60 x 5 = 300"_s;
    case 4:
        return u"250 ÷ 60　の計算では、\n同じかんがえかたで、\n25 ÷ 6 = 4　あまり 1　で、\n"
               u"あまりは 消した０をもどすので、\n250 ÷ 60 = 4　あまり 10\n\nたしかめてみると、\n"
               u"60 x 4 + 10 = 250"_s;
    case 5:
        return u"1900 ÷ 300　の計算では、\n同じかんがえかたで、\n19 ÷ 3 = 6　あまり 1　から、\n"
               u"1900 ÷ 300 = 6　あまり 100\n\nたしかめてみると、\n300 x 6 + 100 = 1900"_s;
    default: return {};
    }
}

DivideByProblem drawDivideByProblem()
{
    Randomize();
    const int kind = Random(19) + 1;
    const int q = Random(7) + 2;
    const int d = Random(7) + 2;
    // Kinds 1-5 and 11-15 divide by tens, 6-10 and 16-19 by hundreds; 11-19 leave a remainder.
    const int place = (kind <= 5 || (kind >= 11 && kind <= 15)) ? 10 : 100;
    int r = 0;
    if (kind >= 11) r = d == 2 ? 1 : Random(d - 2) + 1;
    const int divisor = d * place;
    return {q * divisor + r * place, divisor};
}

QString divideByQuestionText(const DivideByProblem& p)
{
    return u"%1 ÷ %2 = ?"_s.arg(p.dividend).arg(p.divisor);
}

QString divideByAnswerText(const DivideByProblem& p)
{
    return u"%1 ÷ %2 = "_s.arg(p.dividend).arg(p.divisor) + quotientWithRemainder(p.quotient(), p.remainder());
}

QString divideByKind(const DivideByProblem& p)
{
    return p.divisor < 100 ? u"何十でわる"_s : u"何百でわる"_s;
}

bool divideByRight(const DivideByProblem& p, int quotientDigit, int remainder)
{
    return p.divisor * quotientDigit + remainder == p.dividend && remainder < p.divisor;
}

} // namespace kazemaru
