// The large numbers lesson's arithmetic: kanji numerals read back to their numbers, and every
// draw of the three generators gives an exact answer that the nine selectors can enter.
#include "lessons/numbers/KanjiNumeral.h"
#include "lessons/numbers/LargeNumbers.h"
#include "tests/support/Arithmetic.h"
#include "tests/support/TestSupport.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::readKanji;

namespace {

constexpr qint64 tenMillion = 10'000'000;
const QHash<QChar, qint64> unitValues{{u'万', 10'000}, {u'億', 100'000'000}, {u'兆', 1'000'000'000'000}};

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
    }
    void kanjiNumeral()
    {
        QFETCH(int, n);
        QFETCH(QString, numeral);
        QCOMPARE(kazemaru::kanjiNumeral(n), numeral);
        const LargeNumberProblem p{.subTopic = 1, .answer = n};
        QVERIFY(largeNumberKanjiRight(p, numeral));
        QVERIFY(!largeNumberKanjiRight(p, numeral.mid(1)) && !largeNumberKanjiRight(p, numeral.chopped(1)));
    }

    // Every value of each group of four places beside empty and full other groups, and a stride
    // through the whole range (KAZEMARU_NUMERAL_STRIDE=1 reads all 999,999,999 back).
    void everyNumeralReadsBackToItsNumber()
    {
        const auto check = [](int n) {
            if (readKanji(kazemaru::kanjiNumeral(n)) != n * tenMillion) QFAIL(qPrintable(QString::number(n)));
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
    }

    // Sub-topic 1 draws form, magnitude and number, in that order: every form and magnitude at
    // both ends of its number range.
    void writingDrawSpace()
    {
        const int ranges[] = {998, 998, 998, 999'998, 999'998, 999'998, 999'999'998, 999'999'998, 999'999'998};
        for (int f = 0; f < 9; ++f) {
            for (int m = 0; m < 9; ++m) {
                for (const int n : {0, ranges[m] - 1}) {
                    test::Harness h;
                    h.queueDraws({f, m, n});
                    const LargeNumberProblem p = drawLargeNumberProblem(1);
                    QVERIFY(h.drawRanges == (std::vector<int>{9, 9, ranges[m]}));
                    QCOMPARE(p.answer, n + 1);
                    QCOMPARE(p.kanjiAnswer(), f <= 4);
                    QCOMPARE(largeNumberProblemText(p),
                             f <= 4 ? tenMillionsDigits(p.answer) : kazemaru::kanjiNumeral(p.answer));
                }
            }
        }
    }

    // Sub-topics 2 and 3: every form, factor draw and operand draw. The question and the answer
    // line are read back in whole units, so an inexact division or a wrong unit shows.
    void scalingDrawSpace_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<int>("firstForm");
        QTest::addColumn<int>("lastForm");
        QTest::addColumn<int>("operandRange");
        QTest::addColumn<int>("operandStep");
        QTest::newRow("万の") << 2 << 0 << 2 << 98 << 100;
        QTest::newRow("億の") << 2 << 3 << 5 << 98 << 1;
        QTest::newRow("百億の") << 2 << 6 << 7 << 98 << 100;
        QTest::newRow("兆の") << 2 << 8 << 8 << 98 << 1;
        QTest::newRow("十億を") << 3 << 0 << 2 << 8 << 10;
        QTest::newRow("百億を") << 3 << 3 << 5 << 98 << 100;
        QTest::newRow("兆を") << 3 << 6 << 7 << 98 << 1;
        QTest::newRow("百兆を") << 3 << 8 << 8 << 98 << 100;
    }
    void scalingDrawSpace()
    {
        QFETCH(int, subTopic);
        QFETCH(int, firstForm);
        QFETCH(int, lastForm);
        QFETCH(int, operandRange);
        QFETCH(int, operandStep);
        static const QRegularExpression question(u"^(\\d+)([万億兆])(の|を)(10|100)(倍は？|でわると？)$"_s);
        static const QRegularExpression answer(u"^答え：(?:(\\d+)兆)?(?:(\\d+)億)?(?:([1-9])千万)?$"_s);
        const QString unit = QString::fromUtf8(QTest::currentDataTag()).right(2);
        for (int f = firstForm; f <= lastForm; ++f) {
            for (int factorDraw = 0; factorDraw < 9; ++factorDraw) {
                for (int a = 0; a < operandRange; ++a) {
                    test::Harness h;
                    h.queueDraws({f, factorDraw, a});
                    const LargeNumberProblem p = drawLargeNumberProblem(subTopic);
                    QVERIFY(h.drawRanges == (std::vector<int>{9, 9, operandRange}));
                    QCOMPARE(p.factor, factorDraw > 5 ? 100 : 10);
                    QVERIFY(p.answer >= 1 && p.answer <= tenMillionsMax);

                    const QString text = largeNumberProblemText(p);
                    QCOMPARE(text.left(text.indexOf(unit)), QString::number((a + 1) * operandStep));
                    const auto q = question.match(text);
                    QVERIFY2(q.hasMatch(), qPrintable(text));
                    const qint64 shown = q.captured(1).toLongLong() * unitValues[q.captured(2)[0]];
                    const qint64 value = p.answer * tenMillion, factor = q.captured(4).toLongLong();
                    QCOMPARE(subTopic == 2 ? shown * factor : shown, subTopic == 2 ? value : value * factor);
                    const auto m = answer.match(largeNumberAnswerText(p));
                    QVERIFY(m.hasMatch());
                    QCOMPARE(m.captured(1).toLongLong() * unitValues[u'兆'] +
                                 m.captured(2).toLongLong() * unitValues[u'億'] +
                                 m.captured(3).toLongLong() * tenMillion,
                             value);
                }
            }
        }
    }
};

QTEST_MAIN(TestLargeNumbers)
#include "tst_largenumbers.moc"
