// The six worked examples of the one-digit long division, step by step: the explanation, the
// step button's caption, the answer line and every row of the figure with its place.
#include "lessons/division/LongDivisionOneDigit.h"

#include <QtTest>

using namespace kazemaru::longdiv;
using namespace Qt::StringLiterals;

namespace {

// "7=12@720 10=7@720 …": every non-empty row as label number, text and Left; then the rules.
QString snapshot(const Figure& f)
{
    QStringList parts;
    for (Row r : allRows)
        if (!f.text(r).isEmpty()) parts << u"%1=%2@%3"_s.arg(rowLabelNumber(r)).arg(f.text(r)).arg(f.left(r));
    parts << u"rules=%1%2%3"_s.arg(int(f.rules[0])).arg(int(f.rules[1])).arg(int(f.rules[2]));
    return parts.join(u' ');
}

// Where the last digit of a row ends: its box's right edge, or after its digits from the left.
int lastDigitEnd(const RowState& r)
{
    return r.alignRight ? r.left + r.width : r.left + digitPitch * int(r.text.size());
}

const QString T1 = u"【ステップ１】\n\n　もんだいを 右図のように書く。"_s;

} // namespace

class LongDivisionSteps : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void walk_data();
    void walk();
    void digitsStandUnderTheirColumns_data() { walk_data(); }
    void digitsStandUnderTheirColumns();
};

void LongDivisionSteps::walk_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("example");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("answer");

    QTest::newRow("84 ÷ 7, no remainder")
        << 1 << 1
        << QStringList{T1,
                       u"【ステップ２】\n\n　8 を 7 でわる。\n　商の 1 を 8 の上に書き、\n　7 に 商の 1 をかけた 7 を 8 の\n"
                       u"　下に書く。\n　その下に線をひき、線の下に 8 から\n　7 をひいた 1 と、その右に 一の位の \n"
                       u"　4 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 14 を 7 でわり、\n　商の 2 を 4 の上に書き、7 に 商の\n"
                       u"　2 をかけた 14 を 14 の下に書く。\n　その下に 線をひき、線の下に 14\n　から 14 をひいた 0 を書く。\n"
                       u"　これで 計算は 終わり。\n　商は 12 で あまり 0"_s}
        << QStringList{u"rules=000"_s, u"7=1@720 10=7@720 11=14@720 rules=100"_s,
                       u"7=12@720 10=7@720 11=14@720 12=14@720 13=0@720 rules=110"_s}
        << u"84 ÷ 7 = 12"_s;
    QTest::newRow("86 ÷ 7, remainder 2")
        << 1 << 2
        << QStringList{T1,
                       u"【ステップ２】\n\n　8 を 7 でわる。\n　商の 1 を 8 の上に書き、\n　7 に 商の 1 をかけた 7 を 8 の\n"
                       u"　下に書く。\n　その下に線をひき、線の下に 8 から\n　7 をひいた 1 と、その右に 一の位の \n"
                       u"　6 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 16 を 7 でわり、\n　商の 2 を 6 の上に書き、7 に 商の\n"
                       u"　2 をかけた 14 を 16 の下に書く。\n　その下に 線をひき、線の下に 16\n　から 14 をひいた 2 を書く。\n"
                       u"　これで 計算は 終わり。\n　商は 12 で あまり 2"_s}
        << QStringList{u"rules=000"_s, u"7=1@720 10=7@720 11=16@720 rules=100"_s,
                       u"7=12@720 10=7@720 11=16@720 12=14@720 13=2@720 rules=110"_s}
        << u"86 ÷ 7 = 12 あまり 2"_s;
    QTest::newRow("74 ÷ 7, last quotient digit 0")
        << 1 << 3
        << QStringList{T1,
                       u"【ステップ２】\n\n　7 を 7 でわる。\n　商の 1 を 7 の上に書き、\n　7 に 商の 1 をかけた 7 を 7 の\n"
                       u"　下に書く。\n　その下に線をひき、線の下に 7 から\n　7 をひいた 0 は はぶき、一の位から\n"
                       u"　おろした4 だけを書く。"_s,
                       u"【ステップ３】\n\n　次に、この 4 は 7 でわれないので\n　商の ０ を 4 の上に書き、7 に商の\n"
                       u"　０ をかける計算は はぶく。\n　これで 計算は 終わり。\n　商は 10 で あまり 4"_s}
        << QStringList{u"rules=000"_s, u"7=1@720 10=7@720 11=4@720 rules=100"_s,
                       u"7=10@720 10=7@720 11=4@720 rules=100"_s}
        << u"74 ÷ 7 = 10 あまり 4"_s;
    QTest::newRow("436 ÷ 3, three quotient digits")
        << 2 << 1
        << QStringList{T1,
                       u"【ステップ２】\n\n　4 を 3 でわる。\n　商の 1 を 4 の上に書き、\n　3 に 商の 1 をかけた 3 を 4 の\n"
                       u"　下に書く。\n　その下に線をひき、線の下に 4 から\n　3 をひいた 1 と、その右に 十の位の \n"
                       u"　3 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 13 を 3 でわり、\n　商の 4 を 3の上に書き、3 に 商の\n"
                       u"　4 をかけた 12 を 13 の下に書く。\n　その下に 線をひき、線の下に 13\n　から 12 をひいた 1 を書く。"_s,
                       u"【ステップ４】\n\n　次に、この 16 を 3 でわる。\n　商の 5 を 6 の上に書き、3 に 商の\n"
                       u"　5 をかけた 15 を 16 の下に書く。\n　その下に 線をひき、16 から 15 を\n　ひいた 1 を 線の下に書く。\n"
                       u"　これで 計算は 終わり。\n　商は 145 で あまり 1"_s}
        << QStringList{u"rules=000"_s, u"7=1@720 10=3@720 11=13@720 rules=100"_s,
                       u"7=14@720 10=3@720 11=13@720 12=12@720 13=16@740 rules=110"_s,
                       u"7=145@720 10=3@720 11=13@720 12=12@720 13=16@740 14=15@740 15=1@740 rules=111"_s}
        << u"436 ÷ 3 = 145 あまり 1"_s;
    QTest::newRow("325 ÷ 3, zero middle digit")
        << 2 << 2
        << QStringList{T1,
                       u"【ステップ２】\n\n　3 を 3 でわる。\n　商の 1 を 3 の上に書き、\n　3 に 商の 1 をかけた 3 を 3 の\n"
                       u"　下に書く。\n　その下に線をひき、線の下に 3 から\n　3 をひいた 0 は はぶき、\n"
                       u"　十の位からおろした 2 だけを書く。"_s,
                       u"【ステップ３】\n\n　次に、この 2 は 3 で われないので、\n　０ を 2 の上に書き、3 に ０を\n"
                       u"　かける計算は はぶき、一の位の 5 を \n　おろして 2 の右に書く。"_s,
                       u"【ステップ４】\n\n　次に、この 25 を 3 でわる。\n　商の 8 を 5 の上に書き、3 に 商の\n"
                       u"　8 をかけた 24 を 25 の下に書く。\n　その下に 線をひき、25 から 24 を\n　ひいた 1 を 線の下に書く。\n"
                       u"　これで 計算は 終わり。\n　商は 108 で あまり 1"_s}
        << QStringList{u"rules=000"_s, u"7=1@720 10=3@720 11=2@720 rules=100"_s,
                       u"7=10@720 10=3@720 11=25@740 rules=100"_s,
                       u"7=108@720 10=3@720 11=25@740 12=24@740 13=1@740 rules=110"_s}
        << u"325 ÷ 3 = 108 あまり 1"_s;
    QTest::newRow("235 ÷ 3, short start")
        << 2 << 3
        << QStringList{T1,
                       u"【ステップ２】\n\n　2 は 3 で われないので、\n　23 を 3 で わる。\n　商の 7 を 3 の上に書き、\n"
                       u"　3 に 商の 7 をかけた 21 を 23 の\n　下に書く。\n　その下に線をひき、線の下に 23 から\n"
                       u"　21 をひいた 2 と、その右に 一の位の \n　5 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 25 を 3 でわり、\n　商の 8 を 5 の上に書き、3 に 商の\n"
                       u"　8 をかけた 24 を 25 の下に書く。\n　その下に 線をひき、線の下に 25 から\n　24 をひいた 1 を書く。\n"
                       u"　これで 計算は 終わり。\n　商は 78 で あまり 1"_s}
        << QStringList{u"rules=000"_s, u"7=7@740 10=21@720 11=25@740 rules=100"_s,
                       u"7=78@740 10=21@720 11=25@740 12=24@740 13=1@740 rules=110"_s}
        << u"235 ÷ 3 = 78 あまり 1"_s;
}

void LongDivisionSteps::walk()
{
    QFETCH(int, subTopic);
    QFETCH(int, example);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, figures);
    QFETCH(QString, answer);

    Figure f = designedFigure(oneDigitRows());
    PlanWalk walk(f, oneDigitPlan(), subTopic, example);
    const Problem p = walk.problem();
    for (int i = 0; i < texts.size(); ++i) {
        const StepShown shown = walk.nextStep();
        QCOMPARE(walk.step(), i + 1);
        QCOMPARE(shown.text, texts[i]);
        QCOMPARE(snapshot(f), figures[i]);
        const bool last = i == texts.size() - 1;
        QCOMPARE(shown.ends, last);
        // The caption names the step shown next; after the fourth it starts over.
        QCOMPARE(shown.caption, stepCaption(i + 2 > 4 ? 1 : i + 2));
        QCOMPARE(shown.answer, last ? answer : QString());
        QCOMPARE(f.divisor, QString::number(p.divisor));
        QCOMPARE(f.dividend, QString::number(p.dividend));
        QVERIFY(f.bracket);
    }
}

void LongDivisionSteps::digitsStandUnderTheirColumns()
{
    QFETCH(int, subTopic);
    QFETCH(int, example);
    QFETCH(QStringList, texts);

    Figure f = designedFigure(oneDigitRows());
    PlanWalk walk(f, oneDigitPlan(), subTopic, example);
    for (int i = 0; i < texts.size(); ++i)
        walk.nextStep();
    const Problem p = walk.problem();
    const int dividendEnd = oneDigitColumn1 + digitPitch * int(QString::number(p.dividend).size());
    // The quotient's last digit stands over the dividend's last digit, and so does the remainder.
    QCOMPARE(lastDigitEnd(f.row(Row::Quotient)), dividendEnd);
    QCOMPARE(f.text(Row::Quotient), QString::number(p.dividend / p.divisor));
    Row lastRow = Row::Difference1;
    for (Row r : {Row::Difference2, Row::Difference3})
        if (!f.text(r).isEmpty()) lastRow = r;
    QCOMPARE(f.number(lastRow), p.dividend % p.divisor);
    QCOMPARE(lastDigitEnd(f.row(lastRow)), dividendEnd);
    // Each product ends where the difference above it (or the dividend) ends.
    const int firstDigits = walk.layoutCase() == LayoutCase::ShortStart ? 2 : 1;
    QCOMPARE(lastDigitEnd(f.row(Row::Product1)), oneDigitColumn1 + digitPitch * firstDigits);
    if (!f.text(Row::Product2).isEmpty())
        QCOMPARE(lastDigitEnd(f.row(Row::Product2)), lastDigitEnd(f.row(Row::Difference1)));
    if (!f.text(Row::Product3).isEmpty())
        QCOMPARE(lastDigitEnd(f.row(Row::Product3)), lastDigitEnd(f.row(Row::Difference2)));
}

QTEST_APPLESS_MAIN(LongDivisionSteps)
#include "tst_longdiv_steps.moc"
