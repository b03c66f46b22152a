// The large numbers lesson's arithmetic: kanji numerals read back to their numbers, and every
// draw of the three generators gives an exact answer that the nine selectors can enter.
#include "lessons/numbers/KanjiNumeral.h"
#include "lessons/numbers/LargeNumbers.h"
#include "tests/support/TestSupport.h"

#include <QRegularExpression>
#include <QtTest>
#include <set>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::Harness;

namespace {

constexpr qint64 tenMillion = 10'000'000;

// Reads a kanji numeral in the lesson's own form back to its whole value: units 兆, 億, 万 in
// falling order, places 千, 百, 十 in falling order inside each, no digit written twice.
// Returns -1 for anything out of that form.
qint64 readKanji(const QString& numeral)
{
    static const QString digits = u"一二三四五六七八九"_s;
    static const QString places = u"千百十"_s;
    static const QString units = u"兆億万"_s;
    static const qint64 unitValues[] = {1'000'000'000'000, 100'000'000, 10'000};
    qint64 total = 0, group = 0;
    int digit = 0, lastPlace = -1, lastUnit = -1;
    for (const QChar c : numeral) {
        if (const qsizetype d = digits.indexOf(c); d >= 0) {
            if (digit) return -1;
            digit = int(d) + 1;
        } else if (const qsizetype p = places.indexOf(c); p >= 0) {
            if (p <= lastPlace) return -1;
            group += (digit ? digit : 1) * qint64(std::pow(10, 3 - p));
            digit = 0;
            lastPlace = int(p);
        } else if (const qsizetype u = units.indexOf(c); u >= 0) {
            if (u <= lastUnit || (group == 0 && digit == 0)) return -1;
            total += (group + digit) * unitValues[u];
            group = digit = 0;
            lastPlace = -1;
            lastUnit = int(u);
        } else {
            return -1;
        }
    }
    return total + group + digit;
}

// The value of "答え：…兆…億…千万".
qint64 readUnits(const QString& text)
{
    static const QRegularExpression form(u"^答え：(?:(\\d+)兆)?(?:(\\d+)億)?(?:(\\d)千万)?$"_s);
    const auto m = form.match(text);
    if (!m.hasMatch()) return -1;
    return m.captured(1).toLongLong() * 1'000'000'000'000 + m.captured(2).toLongLong() * 100'000'000 +
           m.captured(3).toLongLong() * tenMillion;
}

} // namespace

class TestLargeNumbers : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void kanjiNumeral_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("numeral");
        QTest::newRow("1") << 1 << u"一千万"_s;
        QTest::newRow("10") << 10 << u"一億"_s;
        QTest::newRow("12") << 12 << u"一億二千万"_s;
        QTest::newRow("1,001") << 1'001 << u"百億一千万"_s;
        QTest::newRow("99,999") << 99'999 << u"九千九百九十九億九千万"_s;
        QTest::newRow("100,000") << 100'000 << u"一兆"_s;
        QTest::newRow("1,100,110") << 1'100'110 << u"十一兆十一億"_s;
        QTest::newRow("100,000,000") << 100'000'000 << u"千兆"_s;
        QTest::newRow("123,456,789") << 123'456'789 << u"千二百三十四兆五千六百七十八億九千万"_s;
        QTest::newRow("999,999,998") << 999'999'998 << u"九千九百九十九兆九千九百九十九億八千万"_s;
        QTest::newRow("0 has none") << 0 << QString();
    }
    void kanjiNumeral()
    {
        QFETCH(int, n);
        QFETCH(QString, numeral);
        QCOMPARE(kazemaru::kanjiNumeral(n), numeral);
        if (n > 0) QCOMPARE(readKanji(numeral), n * tenMillion);
    }

    // Every value of each group of four places, beside empty and full other groups, and a stride
    // through the whole range (KAZEMARU_NUMERAL_STRIDE=1 reads all 999,999,999 back).
    void everyNumeralReadsBackToItsNumber()
    {
        const auto check = [](int n) {
            const QString numeral = kazemaru::kanjiNumeral(n);
            if (readKanji(numeral) != n * tenMillion) QFAIL(qPrintable(u"%1 reads %2"_s.arg(n).arg(numeral)));
        };
        for (int v = 0; v <= 9999; ++v) {
            for (const int other : {0, 9999}) {
                for (const int last : {0, 1, 9}) {
                    if (v + other + last == 0) continue;
                    check(v * 100'000 + other * 10 + last); // the 兆 group
                    check(other * 100'000 + v * 10 + last); // the 億 group
                }
            }
        }
        const int stride = qEnvironmentVariableIsSet("KAZEMARU_NUMERAL_STRIDE")
                               ? qMax(1, qEnvironmentVariableIntValue("KAZEMARU_NUMERAL_STRIDE"))
                               : 9973;
        for (int n = 1; n <= tenMillionsMax; n += stride)
            check(n);
        check(tenMillionsMax);
    }

    // The digits of a kanji-answer problem and the answer line of a digit-answer problem.
    void digitsAndUnits()
    {
        QCOMPARE(tenMillionsDigits(1), u"10000000"_s);
        QCOMPARE(tenMillionsDigits(999'999'998), u"9999999980000000"_s);
        QCOMPARE(unitsText(98), u"9億8千万"_s);
        QCOMPARE(unitsText(980'000'000), u"9800兆"_s);
        QCOMPARE(unitsText(100'001), u"1兆1千万"_s);
        QCOMPARE(unitsText(12'345), u"1234億5千万"_s);
    }

    // Sub-topic 1: form, magnitude and number in that order, every form and magnitude at both
    // ends of its number range.
    void writingDrawSpace()
    {
        const int ranges[] = {998, 998, 998, 999'998, 999'998, 999'998, 999'999'998, 999'999'998, 999'999'998};
        for (int f = 0; f < 9; ++f) {
            for (int m = 0; m < 9; ++m) {
                for (const int n : {0, ranges[m] - 1}) {
                    Harness h;
                    h.queueDraws({f, m, n});
                    const LargeNumberProblem p = drawLargeNumberProblem(1);
                    QVERIFY(h.drawRanges == (std::vector<int>{9, 9, ranges[m]}));
                    QCOMPARE(p.answer, n + 1);
                    QVERIFY(p.answer >= 1 && p.answer <= tenMillionsMax);
                    QCOMPARE(p.kanjiAnswer(), f <= 4);
                    QCOMPARE(largeNumberQuestion(p),
                             f <= 4 ? u"次の数を 漢字で 書くと？"_s : u"次の数を 数字で 書くと？"_s);
                    QCOMPARE(largeNumberProblemText(p),
                             f <= 4 ? tenMillionsDigits(p.answer) : kazemaru::kanjiNumeral(p.answer));
                    QCOMPARE(largeNumberAnswerText(p),
                             u"答え："_s + (f <= 4 ? kazemaru::kanjiNumeral(p.answer) : tenMillionsDigits(p.answer)));
                }
            }
        }
    }

    // Sub-topics 2 and 3: every form, factor draw and operand draw. The question is read back and
    // the answer checked in whole units, so an inexact division or a wrong unit shows.
    void scalingDrawSpace_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<int>("firstForm");
        QTest::addColumn<int>("lastForm");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("operandRange");
        QTest::addColumn<int>("operandStep");
        QTest::newRow("万 ×") << 2 << 0 << 2 << u"万の"_s << 98 << 100;
        QTest::newRow("億 ×") << 2 << 3 << 5 << u"億の"_s << 98 << 1;
        QTest::newRow("百億 ×") << 2 << 6 << 7 << u"億の"_s << 98 << 100;
        QTest::newRow("兆 ×") << 2 << 8 << 8 << u"兆の"_s << 98 << 1;
        QTest::newRow("十億 ÷") << 3 << 0 << 2 << u"億を"_s << 8 << 10;
        QTest::newRow("百億 ÷") << 3 << 3 << 5 << u"億を"_s << 98 << 100;
        QTest::newRow("兆 ÷") << 3 << 6 << 7 << u"兆を"_s << 98 << 1;
        QTest::newRow("百兆 ÷") << 3 << 8 << 8 << u"兆を"_s << 98 << 100;
    }
    void scalingDrawSpace()
    {
        QFETCH(int, subTopic);
        QFETCH(int, firstForm);
        QFETCH(int, lastForm);
        QFETCH(QString, unit);
        QFETCH(int, operandRange);
        QFETCH(int, operandStep);
        static const QRegularExpression question(u"^(\\d+)([万億兆])[のを](\\d+)(倍は？|でわると？)$"_s);
        const std::map<QString, qint64> unitValue{
            {u"万"_s, 10'000}, {u"億"_s, 100'000'000}, {u"兆"_s, 1'000'000'000'000}};
        for (int f = firstForm; f <= lastForm; ++f) {
            for (int factorDraw = 0; factorDraw < 9; ++factorDraw) {
                for (int a = 0; a < operandRange; ++a) {
                    Harness h;
                    h.queueDraws({f, factorDraw, a});
                    const LargeNumberProblem p = drawLargeNumberProblem(subTopic);
                    QVERIFY(h.drawRanges == (std::vector<int>{9, 9, operandRange}));
                    QCOMPARE(p.factor, factorDraw > 5 ? 100 : 10);
                    QCOMPARE(p.operand, (a + 1) * operandStep);
                    QVERIFY(!p.kanjiAnswer());
                    QVERIFY2(p.answer >= 1 && p.answer <= tenMillionsMax, qPrintable(QString::number(p.answer)));

                    const QString text = largeNumberProblemText(p);
                    QVERIFY(text.startsWith(QString::number(p.operand) + unit));
                    const auto m = question.match(text);
                    QVERIFY2(m.hasMatch(), qPrintable(text));
                    const qint64 shown = m.captured(1).toLongLong() * unitValue.at(m.captured(2));
                    const qint64 factor = m.captured(3).toLongLong();
                    const qint64 value = p.answer * tenMillion;
                    if (subTopic == 2)
                        QCOMPARE(shown * factor, value);
                    else
                        QCOMPARE(value * factor, shown); // exact: nothing was lost to the division
                    QCOMPARE(readUnits(largeNumberAnswerText(p)), value);
                }
            }
        }
    }

    void scalingExamples()
    {
        Harness h;
        h.queueDraws({4, 0, 19});
        LargeNumberProblem p = drawLargeNumberProblem(2);
        QCOMPARE(largeNumberProblemText(p), u"20億の10倍は？"_s);
        QCOMPARE(p.answer, 2'000);
        h.queueDraws({8, 8, 97});
        QCOMPARE(drawLargeNumberProblem(2).answer, 980'000'000);
        h.queueDraws({0, 6, 0});
        p = drawLargeNumberProblem(3);
        QCOMPARE(largeNumberProblemText(p), u"10億を100でわると？"_s);
        QCOMPARE(largeNumberAnswerText(p), u"答え：1千万"_s);
        h.drawRanges.clear();
        QCOMPARE(drawLargeNumberProblem(0).subTopic, 0);
        QVERIFY(h.drawRanges.empty());
    }

    void judging()
    {
        const LargeNumberProblem one{.subTopic = 1, .form = 0, .answer = 1};
        QVERIFY(largeNumberKanjiRight(one, u"一千万"_s));
        QVERIFY(!largeNumberKanjiRight(one, u"千万"_s));
        QVERIFY(!largeNumberKanjiRight(one, QString()));
        const LargeNumberProblem big{.subTopic = 1, .form = 0, .answer = 123'456'789};
        QVERIFY(!largeNumberKanjiRight(big, u"二百千三十四兆五千六百七十八億九千万"_s)); // right kanji, wrong order
        QVERIFY(largeNumberDigitsRight(big, 123'456'789));
        QVERIFY(!largeNumberDigitsRight(big, 123'456'780));
    }

    void explanationsAndChart()
    {
        for (int s = 1; s <= largeNumberSubTopics; ++s)
            QCOMPARE(largeNumberExplanation(s).count(u'\n'), 9);
        QVERIFY(largeNumberExplanation(4).isEmpty());
        const QStringList heads = placeValueChartHeads();
        QCOMPARE(heads.size(), 16);
        QCOMPARE(heads.first(), u"千\n兆\nの\n位"_s);
        QCOMPARE(heads[11], u"一\n万\nの\n位"_s);
        QCOMPARE(heads.last(), u"　\n一\nの\n位"_s);
    }
};

QTEST_MAIN(TestLargeNumbers)
#include "tst_largenumbers.moc"
