#include "lessons/numbers/LargeNumbers.h"

#include "frame/Random.h"
#include "lessons/numbers/KanjiNumeral.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Writing a number: the form draw first (0 … 4 asks for kanji), then the magnitude, then the number.
LargeNumberProblem drawWriting()
{
    LargeNumberProblem p{.subTopic = 1, .form = Random(9)};
    const int magnitude = Random(9);
    if (magnitude <= 2)
        p.answer = Random(998) + 1;
    else if (magnitude <= 5)
        p.answer = Random(999'998) + 1;
    else
        p.answer = Random(999'999'998) + 1;
    return p;
}

// Three chances in nine of 100.
int drawFactor()
{
    return Random(9) > 5 ? 100 : 10;
}

// Multiplying a number of 万, 億 or 兆; the answer in 千万 (万 is 1/1000 of it, 億 10, 兆 100,000).
LargeNumberProblem drawMultiplying()
{
    LargeNumberProblem p{.subTopic = 2, .form = Random(9)};
    p.factor = drawFactor();
    if (p.form <= 2) {
        p.operand = (Random(98) + 1) * 100; // whole hundreds of 万, so the product is whole 千万
        p.answer = p.operand * p.factor / 1000;
    } else if (p.form <= 5) {
        p.operand = Random(98) + 1;
        p.answer = p.operand * p.factor * 10;
    } else if (p.form <= 7) {
        p.operand = (Random(98) + 1) * 100;
        p.answer = p.operand * p.factor * 10;
    } else {
        p.operand = Random(98) + 1;
        p.answer = p.operand * p.factor * 100'000;
    }
    return p;
}

// Dividing a number of 億 or 兆; every operand is a whole multiple of what the division needs.
LargeNumberProblem drawDividing()
{
    LargeNumberProblem p{.subTopic = 3, .form = Random(9)};
    p.factor = drawFactor();
    const int shift = p.factor / 10; // 億 ÷ 10 is 千万, so one place less to remove
    if (p.form <= 2) {
        p.operand = (Random(8) + 1) * 10;
        p.answer = p.operand / shift;
    } else if (p.form <= 5) {
        p.operand = (Random(98) + 1) * 100;
        p.answer = p.operand / shift;
    } else if (p.form <= 7) {
        p.operand = Random(98) + 1;
        p.answer = p.operand * 10'000 / shift;
    } else {
        p.operand = (Random(98) + 1) * 100;
        p.answer = p.operand * 10'000 / shift;
    }
    return p;
}

QString operandUnit(const LargeNumberProblem& p)
{
    if (p.subTopic == 2) return p.form <= 2 ? u"万の"_s : p.form <= 7 ? u"億の"_s : u"兆の"_s;
    return p.form <= 5 ? u"億を"_s : u"兆を"_s;
}

} // namespace

LargeNumberProblem drawLargeNumberProblem(int subTopic)
{
    if (subTopic < 1 || subTopic > largeNumberSubTopics) return {};
    Randomize();
    switch (subTopic) {
    case 1: return drawWriting();
    case 2: return drawMultiplying();
    default: return drawDividing();
    }
}

QString largeNumberExplanation(int subTopic)
{
    // The runs of spaces are part of the design: they set the worked lines apart from the text.
    switch (subTopic) {
    case 1:
        return u"大きな数を 漢字で 表すには、\n"
               u"４けたごとに、一、十、百、千の位を くりかえし、\n"
               u"２つめの ４けたからは じゅんに、万、億、兆 \n"
               u"を つければいいので、４けたごとに わけると\n"
               u"わかりやすいよ。ただし、０は とばしてね。\n"
               u"\n"
               u"上の数を 漢字で 表すと、\n"
               u"\n"
               u"   九千八百七十六兆 五千四百三十二億\n"
               u"                            九千八百七十六万 五千四百三十二"_s;
    case 2:
        return u"ある数を １０倍 すると、位が １けた 上がるので、\n"
               u"その数の さいごに ０ を １つ つければ いいよ。\n"
               u"\n"
               u"    20億の 10倍 → 200億\n"
               u"\n"
               u"１００倍の 時は、１０倍を ２回するのと 同じで、\n"
               u"２けた 上がるので、その数の さいごに ０ を ２つ \n"
               u"つければ いいよ。\n"
               u"\n"
               u"    20億の 100倍 → 2000億"_s;
    case 3:
        return u"ある数を １０で わると、位が １けた 下がるので、\n"
               u"その数の さいごの ０ を １つ とれば いいよ。\n"
               u"\n"
               u"    2000億を 10で わる → 200億\n"
               u"\n"
               u"１００で わる時は、１０で ２回わるのと 同じで、\n"
               u"２けた 下がるので、その数の さいごの ０ を ２つ \n"
               u"とれば いいよ。\n"
               u"\n"
               u"    2000億を 100で わる → 20億"_s;
    default: return {};
    }
}

QStringList placeValueChartHeads()
{
    QStringList heads;
    for (const QChar group : u"兆億万"_s)
        for (const QChar place : u"千百十一"_s)
            heads.append(QString(place) + u'\n' + group + u"\nの\n位"_s);
    // The ones group has no unit: an ideographic space keeps its heads level with the others.
    for (const QChar place : u"千百十一"_s)
        heads.append(u"　\n"_s + place + u"\nの\n位"_s);
    return heads;
}

QString placeValueChartSample()
{
    return u"9 8 7 6 5 4 3 2 9 8 7 6 5 4 3 2 "_s;
}

QString largeNumberQuestion(const LargeNumberProblem& p)
{
    if (p.subTopic != 1) return {};
    return p.kanjiAnswer() ? u"次の数を 漢字で 書くと？"_s : u"次の数を 数字で 書くと？"_s;
}

QString largeNumberProblemText(const LargeNumberProblem& p)
{
    switch (p.subTopic) {
    case 1: return p.kanjiAnswer() ? tenMillionsDigits(p.answer) : kanjiNumeral(p.answer);
    case 2: return QString::number(p.operand) + operandUnit(p) + QString::number(p.factor) + u"倍は？"_s;
    case 3: return QString::number(p.operand) + operandUnit(p) + QString::number(p.factor) + u"でわると？"_s;
    default: return {};
    }
}

QString largeNumberEntryPrompt(const LargeNumberProblem& p)
{
    if (p.kanjiAnswer()) return u"「数」と「字」を くみあわせて えらび、\nさいごに「◆」を クリックしてね！"_s;
    return u"答えは、大きな位から じゅんに 千万の位まで えらんでね！"_s;
}

QString unitsText(int tenMillions)
{
    QString text;
    if (const int cho = tenMillions / 100'000; cho > 0) text += QString::number(cho) + u"兆"_s;
    if (const int oku = tenMillions % 100'000 / 10; oku > 0) text += QString::number(oku) + u"億"_s;
    if (const int sen = tenMillions % 10; sen > 0) text += QString::number(sen) + u"千万"_s;
    return text;
}

QString largeNumberAnswer(const LargeNumberProblem& p, int tenMillions)
{
    if (p.kanjiAnswer()) return kanjiNumeral(tenMillions);
    if (tenMillions == 0) return u"0"_s; // an entry of all zeros
    return p.subTopic == 1 ? tenMillionsDigits(tenMillions) : unitsText(tenMillions);
}

QString largeNumberAnswerText(const LargeNumberProblem& p)
{
    return u"答え："_s + largeNumberAnswer(p, p.answer);
}

QString largeNumberKind(const LargeNumberProblem& p)
{
    switch (p.subTopic) {
    case 1: return p.kanjiAnswer() ? u"漢字で書く"_s : u"数字で書く"_s;
    case 2: return u"%1倍"_s.arg(p.factor);
    case 3: return u"%1でわる"_s.arg(p.factor);
    default: return {};
    }
}

QString largeNumberProblem(const LargeNumberProblem& p)
{
    if (p.subTopic == 1) return largeNumberQuestion(p) + u' ' + largeNumberProblemText(p);
    return largeNumberProblemText(p);
}

bool largeNumberDigitsRight(const LargeNumberProblem& p, int entered)
{
    return entered == p.answer;
}

bool largeNumberKanjiRight(const LargeNumberProblem& p, const QString& entered)
{
    return entered == kanjiNumeral(p.answer);
}

} // namespace kazemaru
