// The worked examples and memos whose numbers a child reads and learns from: every line with a
// number pinned to its text, every statement of arithmetic in them true, and the areas and
// fractions of the worked steps checked against the figures and against each other.
#include "lessons/area/Unit14.h"
#include "lessons/decimals/DecimalStructure.h"
#include "lessons/division/MentalDivision.h"
#include "lessons/division/Unit4.h"
#include "lessons/division/Unit6.h"
#include "lessons/division/Unit7.h"
#include "lessons/fractions/Fractions.h"
#include "lessons/numbers/LargeNumbers.h"
#include "lessons/rounding/Rounding.h"
#include "lessons/rules/CalculationRules.h"
#include "tests/support/Arithmetic.h"
#include "tests/support/ShownScreen.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

Q_DECLARE_METATYPE(kazemaru::Fraction)

namespace {

// The lines of `text` that hold a digit, without the spaces that lay them out.
QStringList numberLines(const QString& text)
{
    static const QRegularExpression digit(u"[0-9０-９]"_s);
    QStringList lines;
    for (const QString& line : text.split(u'\n'))
        if (line.contains(digit)) lines << line.trimmed();
    return lines;
}

// The area of a figure's rectangle at 10 pixels a centimetre, in c㎡.
int area(QWidget* screen, const QString& shape)
{
    const QSize s = child<QWidget>(screen, shape)->size();
    return qRound(s.width() / 10.0) * qRound(s.height() / 10.0);
}

} // namespace

class TestWorkedExamples : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void numbersOfTheStudyTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("statements");
        const QStringList zerosBack{u"0 を はずして 計算し、答えに 0 を"_s};
        QTest::newRow("何十をわる") << tensHundredsExplanation(1)
                                    << QStringList{u"40 ÷ 2 の計算は、"_s,
                                                   u"40 を 4 x 10 と 考え、次のように"_s,
                                                   u"40 ÷ 2 = 4 x 10 ÷ 2"_s,
                                                   u"= 4 ÷ 2 x 10"_s,
                                                   u"= 2 x 10"_s,
                                                   u"= 20"_s} +
                                           zerosBack
                                    << 4;
        // Two zeros come off the hundreds, so two go back.
        QTest::newRow("何百をわる") << tensHundredsExplanation(2)
                                    << QStringList{u"400 ÷ 2 の計算は、"_s,
                                                   u"400 を 4 x 100 と 考え、次のように"_s,
                                                   u"400 ÷ 2 = 4 x 100 ÷ 2"_s,
                                                   u"= 4 ÷ 2 x 100"_s,
                                                   u"= 2 x 100"_s,
                                                   u"= 200"_s,
                                                   u"00 を はずして 計算し、答えに 00 を"_s}
                                    << 4;
        QTest::newRow("何百何十をわる") << tensHundredsExplanation(3)
                                        << QStringList{u"240 ÷ 3 の計算は、"_s,
                                                       u"240 を 24 x 10 と 考え、次のように"_s,
                                                       u"240 ÷ 3 = 24 x 10 ÷ 3"_s,
                                                       u"= 24 ÷ 3 x 10"_s,
                                                       u"= 8 x 10"_s,
                                                       u"= 80"_s} +
                                               zerosBack
                                        << 4;
        QTest::newRow("何十、何百でわる 1")
            << divideByExample(1)
            << QStringList{u"240 ÷ 60　の計算では、"_s, u"ある０を 同じ数だけ消しても、"_s, u"24 ÷ 6 = 4　から、"_s,
                           u"240 ÷ 60 = 4"_s, u"60 x 4 = 240"_s}
            << 3;
        QTest::newRow("何十、何百でわる 2") << divideByExample(2)
                                            << QStringList{u"1800 ÷ 300　の計算では、"_s, u"18 ÷ 3 = 6　から、"_s,
                                                           u"1800 ÷ 300 = 6"_s, u"300 x 6 = 1800"_s}
                                            << 3;
        QTest::newRow("何十、何百でわる 3")
            << divideByExample(3)
            << QStringList{u"300 ÷ 60　の計算では、"_s, u"30 ÷ 6 = 5　から、"_s, u"300 ÷ 60 = 5"_s, u"60 x 5 = 300"_s}
            << 3;
        QTest::newRow("何十、何百でわる 4")
            << divideByExample(4)
            << QStringList{u"250 ÷ 60　の計算では、"_s, u"25 ÷ 6 = 4　あまり 1　で、"_s,
                           u"あまりは 消した０をもどすので、"_s, u"250 ÷ 60 = 4　あまり 10"_s, u"60 x 4 + 10 = 250"_s}
            << 3;
        QTest::newRow("何十、何百でわる 5")
            << divideByExample(5)
            << QStringList{u"1900 ÷ 300　の計算では、"_s, u"19 ÷ 3 = 6　あまり 1　から、"_s,
                           u"1900 ÷ 300 = 6　あまり 100"_s, u"300 x 6 + 100 = 1900"_s}
            << 3;
        QTest::newRow("１けたで わる")
            << TForm4::memoLines().join(u'\n')
            << QStringList{u"・58 ÷ 4 = 14  あまり 2"_s,
                           u"上のわり算では、 14 を 「商」、 2 を 「あまり」 というよ。"_s,
                           u"答が たつ位を 次に すすめて、２けたの数にして われば"_s,
                           u"・それぞれのわり算で、答えに ０ が たつ時は、「わる数 ｘ ０」"_s,
                           u"58 ÷ 4 = 14  あまり 2"_s,
                           u"4 x 14 + 2 = 58"_s}
            << 3;
        QTest::newRow("２けたで わる") << TForm6::memoLines().join(u'\n')
                                       << QStringList{u"・３６９２ ÷ ２４ では、わる数（２けたの ２４）と わられる数"_s,
                                                      u"の左から２けたの数（３６）を くらべると、３６の方が 大きい"_s,
                                                      u"ので、３６ ÷ ２４ の計算をおこない、６ の上に 商の １ を"_s,
                                                      u"・２３４５÷ ２４ では、わる数（２けたの ２４）と わられる数"_s,
                                                      u"の左から２けたの数（２３）を くらべると、２３の方が 小さく"_s,
                                                      u"て われないので、１つずらし、２３４ ÷ ２４ の 計算を"_s,
                                                      u"おこない、４ の上に 商の ９ を たてる。"_s}
                                       << 0;
        QTest::newRow("３けたで わる") << TForm7::memoLines().join(u'\n')
                                       << QStringList{u"・３６９２ ÷ ２４５ では、わる数（３けたの ２４５）と"_s,
                                                      u"わられる数の左から３けたの数（３６９）を くらべると、"_s,
                                                      u"３６９の方が 大きいので、３６９ ÷ ２４５ の計算を"_s,
                                                      u"おこない、９ の上に 商の １ を たてる。"_s,
                                                      u"・２３４５÷ ２４５ では、わる数（３けたの ２４５）と"_s,
                                                      u"わられる数の左から３けたの数（２３４）を くらべると、"_s,
                                                      u"２３４の方が 小さくて われないので、１つずらし、"_s,
                                                      u"２３４５ ÷ ２４５ の 計算をおこない、５ の上に 商の"_s,
                                                      u"９ を たてる。"_s}
                                       << 0;
        QTest::newRow("小数のしくみ") << decimalStructureMemo().join(u'\n')
                                      << QStringList{u"１ｃｍ ＝ １０ｍｍ　なので、"_s,
                                                     u"１ｃｍの直線を １０等分した めもり をつけると、"_s,
                                                     u"１めもりは １ｍｍ だけど、これを ｃｍの単位で"_s,
                                                     u"表せば、０．１ｃｍ になるよ。"_s,
                                                     u"５めもりでは ０．５ｃｍ、１０めもりでは １ｃｍ"_s,
                                                     u"１ｍ ＝ １００ｃｍ なので、"_s,
                                                     u"１ｍの直線を １００等分した めもり をつけると、"_s,
                                                     u"１めもりは １ｃｍ だけど、これを ｍの単位で"_s,
                                                     u"表せば、 ０．０１ｍ になるよ。"_s,
                                                     u"５めもりでは ０．０５ｍ、１００めもりでは １ｍ"_s,
                                                     u"１ｍ ＝ １０００ｍｍ なので、"_s,
                                                     u"１ｍの直線を １０００等分した めもり をつけると、"_s,
                                                     u"１めもりは １ｍｍ だけど、これを ｍの単位で"_s,
                                                     u"表せば、０．００１ｍ になるよ。"_s,
                                                     u"５めもりでは ０．００５ｍ、１０００めもりでは"_s,
                                                     u"１ｍ になるよ。"_s,
                                                     u"この ０．１ や ０．０１ や ０．００１ のような 1"_s}
                                      << 0;
        QTest::newRow("がい数と四捨五入")
            << roundingExplanation().join(u'\n')
            << QStringList{u"２７３８ を 何千 という「がい数」にすれば、"_s,
                           u"約３０００ になるよ。"_s,
                           u"下の位（百の位）の数が、０～４の時は「切り下げ」"_s,
                           u"て 百の位から下を ０ と みなし、５～９の時は"_s,
                           u"「切り上げ」て 百の位から下を １０００ と みなし"_s,
                           u"て、千の位に １ を たせばいいよ。"_s,
                           u"上のれい では、百の位が ７ なので、切り上げ"_s, // 2738 has 7 hundreds
                           u"て 約３０００ に なるよ。"_s,
                           u"何千何百の「がい数」にするには、十の位が ３"_s,
                           u"なので、切り下げて 約２７００ に なるよ。"_s}
            << 0;
        QTest::newRow("計算のきまり") << rulesMemoLines().join(u'\n')
                                      << QStringList{u"１．（　）のある式の計算"_s,
                                                     u"２．＋、－、ｘ、÷ が まじった式の計算"_s,
                                                     u"３．ｘ と ÷ だけが まじった式の計算"_s,
                                                     u"４．たし算とひき算の関係"_s,
                                                     u"□ + 80 = 100　の式の□は、次の式でもとめる。"_s,
                                                     u"□ = 100 - 80 = 20"_s,
                                                     u"□ - 80 = 20　の式の□は、次の式でもとめる。"_s,
                                                     u"□ = 20 + 80 = 100"_s,
                                                     u"５．かけ算とわり算の関係"_s,
                                                     u"□ x 4 = 32　の式の□は、次の式でもとめる。"_s,
                                                     u"□ = 32 ÷ 4 = 8"_s,
                                                     u"□ ÷ 4 = 8　の式の□は、次の式でもとめる。"_s,
                                                     u"□ = 8 x 4 = 32"_s}
                                      << 4;
        QTest::newRow("面積の単位") << areaOpening(3)
                                    << QStringList{u"1 ㎡ = 100 cm x 100 cm = 10000 c㎡"_s,
                                                   u"1 k㎡ = 1000 m x 1000 m = 1000000 ㎡"_s}
                                    << 0;
    }
    void numbersOfTheStudyTexts()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(int, statements);
        QCOMPARE(numberLines(text), lines);
        QString wrong;
        QCOMPARE(checkStatements(text, &wrong), statements);
    }

    // The large numbers: the chart's digits written in kanji read back to them, and every "→" of
    // ×10, ×100, ÷10 and ÷100 holds.
    void largeNumberExamples()
    {
        const QStringList kanji = largeNumberExplanation(1).split(u'\n').mid(8, 2);
        QCOMPARE(readKanji(kanji.join(QString()).remove(u' ')),
                 QString(placeValueChartSample()).remove(u' ').toLongLong());
        static const QRegularExpression scaled(u"(\\d+)億(の|を) (\\d+)(倍|で わる) → (\\d+)億"_s);
        int examples = 0;
        for (int subTopic : {2, 3}) {
            for (auto m = scaled.globalMatch(largeNumberExplanation(subTopic)); m.hasNext(); ++examples) {
                const auto e = m.next();
                const qint64 a = e.captured(1).toLongLong(), f = e.captured(3).toLongLong(),
                             r = e.captured(5).toLongLong();
                QCOMPARE(e.captured(2) == u"の"_s ? a * f : a / f, r);
            }
        }
        QCOMPARE(examples, 4);
    }

    // The rounding examples round 2736 on its digits: to the hundreds, at the hundreds, to two
    // leading digits.
    void roundingExamples_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("zeros");
        QTest::newRow("百の位まで") << 2
                                    << QStringList{u"2736 を 百の位までのがい数に"_s, u"五入して 約2700 になるよ。"_s}
                                    << 2;
        QTest::newRow("百の位で") << 3
                                  << QStringList{u"2736 を 百の位で四捨五入して"_s, u"四捨五入して 約3000 になるよ。"_s}
                                  << 3;
        QTest::newRow("上から２けた") << 4 << QStringList{u"2736 を 上から２けたのがい数に"_s, u"約2700 になるよ。"_s}
                                      << 2;
    }
    void roundingExamples()
    {
        QFETCH(int, subTopic);
        QFETCH(QStringList, lines);
        QFETCH(int, zeros);
        QCOMPARE(numberLines(roundingExample(subTopic)), lines);
        QVERIFY(lines.last().contains(u"約%1"_s.arg(roundOnDigits(2736, zeros))));
    }

    // Each step of the area lesson, and the areas it works out against the figures on the screen:
    // a rectangle's area from its sides, the notched shape as its rectangle less the notch.
    void areaSteps_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("figures"); // whose areas the step's lines end with, in order
        QTest::newRow("rectangles 1")
            << 0 << 1
            << u"【ステップ１】\n\n　長方形や正方形の面積は、次のしきで\n　計算すればいいよ。\n\n"
               u"　面積 = タテの長さ x ヨコの長さ"_s
            << QStringList();
        QTest::newRow("rectangles 2") << 0 << 2
                                      << u"【ステップ２】\n\n　左の長方形の面積は：　6 x 10 = 60 c㎡\n\n"
                                         u"　右の正方形の面積は：　6 x 6 = 36 c㎡"_s
                                      << QStringList{u"Shape1"_s, u"Shape2"_s};
        QTest::newRow("notched 1")
            << 1 << 1
            << u"【ステップ１】\n\n　図１～図３のように、凸凹の形に線を入れて\n"
               u"　長方形や正方形のあつまりを作り、それらの \n　たし算やひき算で もとめればいいよ。"_s
            << QStringList();
        QTest::newRow("notched 2, figure 1")
            << 1 << 2
            << u"【ステップ２】\n\n　図１のケース： \n　Ａの面積：6 x 10 = 60 \n"
               u"　Ｂの面積： (6 - 4) x (10 - 6) = 2 x 4 = 8 \n　凸凹の面積：A - B = 60 - 8 = 52 c㎡"_s
            << QStringList{u"Shape5"_s, u"Shape6"_s, u"Shape3-Shape4"_s};
        QTest::newRow("notched 3, figure 2")
            << 1 << 3
            << u"【ステップ２】\n\n　図２のケース： \n　Ａの面積：6 x 6 = 36 \n"
               u"　Ｂの面積： 4 x (10 - 6) = 4 x 4 = 16 \n　凸凹の面積：A + B = 36 + 16 = 52 c㎡"_s
            << QStringList{u"Shape7"_s, u"Shape9"_s, u"Shape3-Shape4"_s};
        QTest::newRow("notched 4, figure 3") << 1 << 4
                                             << u"【ステップ２】\n\n　図３のケース： \n　Ａの面積：(6 - 4) x 6 = 12 \n"
                                                u"　Ｂの面積： 4 x 10 = 40 \n　凸凹の面積：A + B = 12 + 40 = 52 c㎡"_s
                                             << QStringList{u"Shape11"_s, u"Shape10"_s, u"Shape3-Shape4"_s};
    }
    void areaSteps()
    {
        QFETCH(int, subTopic);
        QFETCH(int, step);
        QFETCH(QString, text);
        QFETCH(QStringList, figures);
        ShownScreen<TForm14> s;
        s.box(1)->choose(subTopic);
        for (int i = 0; i < step; ++i)
            s.button(3)->click();
        QCOMPARE(s.text(u"Label4"_s), text);
        QCOMPARE(checkStatements(text), figures.size());
        static const QRegularExpression result(u"= (\\d+) (c㎡)?$"_s);
        QList<int> results, areas;
        for (const QString& line : text.split(u'\n'))
            if (const auto m = result.match(line); m.hasMatch()) results << m.captured(1).toInt();
        for (const QString& figure : figures) {
            const QStringList parts = figure.split(u'-');
            areas << area(s.screen.get(), parts[0]) - (parts.size() > 1 ? area(s.screen.get(), parts[1]) : 0);
        }
        QCOMPARE(results, areas);
    }

    // The walks through the kinds of fractions and the conversions: each step's texts and fractions,
    // a proper fraction below 1, an improper one at least 1, a mixed number a whole and a proper
    // fraction, and a conversion whose two sides are equal, as its worked line says.
    void fractionSteps_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<QString>("example");
        QTest::addColumn<Fraction>("left");
        QTest::addColumn<Fraction>("right");
        QTest::newRow("真分数") << 3 << 1 << u"ステップ２"_s
                                << u"　真分数：分子が分母より小さい\n　　　　　次のような分数だよ。"_s << QString()
                                << Fraction{0, 3, 5} << Fraction{0, 8, 9};
        QTest::newRow("仮分数") << 3 << 2 << u"ステップ３"_s
                                << u"　仮分数：分子が分母と同じか分母より大きい\n　　　　　次のような分数だよ。"_s
                                << QString() << Fraction{0, 5, 5} << Fraction{0, 8, 6};
        QTest::newRow("帯分数") << 3 << 3 << u"ステップ１"_s
                                << u"　帯分数：整数と真分数を合わせた\n　　　　　次のような分数だよ。"_s << QString()
                                << Fraction{1, 2, 6} << Fraction{2, 1, 8};
        QTest::newRow("仮分数を帯分数に")
            << 4 << 1 << u"ステップ２"_s
            << u"　仮分数を帯分数になおすには、\n　分子を分母でわり、商を整数に書き、\n　あまりを分子に書けばいいよ。"_s
            << u"　　　　　（13 ÷ 5 = 2 あまり 3）"_s << Fraction{0, 13, 5} << Fraction{2, 3, 5};
        QTest::newRow("帯分数を仮分数に")
            << 4 << 2 << u"ステップ１"_s
            << u"　帯分数を仮分数になおすには、\n　分母に整数をかけた答えに分子をたした\n　数を分子に書けばいいよ。"_s
            << u"　　　　　（3 x 2 + 1 = 7）"_s << Fraction{2, 1, 3} << Fraction{0, 7, 3};
    }
    void fractionSteps()
    {
        QFETCH(int, subTopic);
        QFETCH(int, step);
        QFETCH(QString, caption);
        QFETCH(QString, explanation);
        QFETCH(QString, example);
        QFETCH(Fraction, left);
        QFETCH(Fraction, right);
        const FractionStep s = fractionStep(subTopic, step);
        QCOMPARE(s.caption, caption);
        QCOMPARE(s.explanation, explanation);
        QCOMPARE(s.example, example);
        QCOMPARE(s.left, left);
        QCOMPARE(s.right, right);
        if (subTopic == 3) {
            for (const Fraction& f : {left, right}) {
                const bool proper = f.numerator < f.denominator;
                QVERIFY(step == 1   ? f.whole == 0 && proper
                        : step == 2 ? f.whole == 0 && !proper
                                    : f.whole > 0 && proper);
            }
            return;
        }
        // Equal values, w + n/d on both sides cross-multiplied; the worked line divides the improper
        // numerator by the denominator, or multiplies the denominator by the whole part and adds.
        QCOMPARE((left.whole * left.denominator + left.numerator) * right.denominator,
                 (right.whole * right.denominator + right.numerator) * left.denominator);
        QCOMPARE(checkStatements(example), 1);
        const Fraction& improper = left.whole == 0 ? left : right;
        const Fraction& mixed = left.whole == 0 ? right : left;
        QList<int> numbers;
        for (auto m = QRegularExpression(u"\\d+"_s).globalMatch(example); m.hasNext();)
            numbers << m.next().captured().toInt();
        const QList<int> expected =
            step == 1 ? QList<int>{improper.numerator, improper.denominator, mixed.whole, mixed.numerator}
                      : QList<int>{mixed.denominator, mixed.whole, mixed.numerator, improper.numerator};
        QCOMPARE(numbers, expected);
    }
};

QTEST_MAIN(TestWorkedExamples)
#include "tst_workedexamples.moc"
