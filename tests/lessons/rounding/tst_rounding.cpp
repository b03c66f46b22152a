// The arithmetic of the rounding lesson: half-up rounding at every boundary, the place names,
// and every problem the generator can pose, swept over its draws.
#include "frame/Random.h"
#include "lessons/rounding/Rounding.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::Harness;

namespace {

int powerOfTen(int k)
{
    int p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

// The number draw that makes `number` of its size class.
int numberDraw(int sizeClass, int number)
{
    return number - powerOfTen(sizeClass + 1) - 1;
}

} // namespace

class TestRounding : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Around every boundary of every unit: the nearest multiple, exactly half rounding up.
    void halfUpAtEveryBoundary()
    {
        for (int unit = 10; unit <= 10'000'000; unit *= 10) {
            const int h = unit / 2;
            for (int k = 0; k <= 9; ++k) {
                const int base = k * unit;
                QCOMPARE(roundHalfUp(base, unit), base);
                QCOMPARE(roundHalfUp(base + 1, unit), base);
                QCOMPARE(roundHalfUp(base + h - 1, unit), base);
                QCOMPARE(roundHalfUp(base + h, unit), base + unit);
                QCOMPARE(roundHalfUp(base + unit - 1, unit), base + unit);
            }
        }
    }

    void questions_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<int>("sizeClass");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("task");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("answer");
        QTest::newRow("to 百") << 2 << 2 << 2736 << 0 << u"2736 の 百の位までの \nがい数は？"_s << 2700;
        QTest::newRow("at 百") << 3 << 2 << 2736 << 4 << u"2736 の 百の位を\n四捨五入した がい数は？"_s << 3000;
        QTest::newRow("two digits") << 4 << 2 << 2736 << 0 << u"2736 の 上から２けたの \nがい数は？"_s << 2700;
        QTest::newRow("three digits") << 4 << 2 << 2750 << 5 << u"2750 の 上から３けたの \nがい数は？"_s << 2750;
        QTest::newRow("three-digit number keeps two")
            << 4 << 1 << 455 << 8 << u"455 の 上から２けたの \nがい数は？"_s << 460;
    }
    void questions()
    {
        QFETCH(int, subTopic);
        QFETCH(int, sizeClass);
        QFETCH(int, number);
        QFETCH(int, task);
        const RoundingProblem p = roundingProblem(subTopic, sizeClass, number, task);
        QTEST(p.question, "question");
        QTEST(p.answer, "answer");
        QCOMPARE(roundingAnswerText(p), u"答え： "_s + QString::number(p.answer));
    }

    // Every size class and task: the unit and the place named (十 … 百万), and the leading digit
    // rounding at its own place to 0 (1 … 4) or to the next power of ten (5 … 9).
    void everyTaskOfEverySizeClass()
    {
        const QStringList names{u"十"_s, u"百"_s, u"千"_s, u"万"_s, u"十万"_s, u"百万"_s};
        for (int c = 1; c <= 5; ++c) {
            for (int task = 0; task <= 8; ++task) {
                const int k = task <= 4 ? c : c + 1;
                for (int lead = 1; lead <= 9; ++lead) {
                    const int x = lead * powerOfTen(c + 1) + powerOfTen(c + 1) / 3;
                    const RoundingProblem at = roundingProblem(3, c, x, task);
                    QCOMPARE(at.unit, powerOfTen(k + 1));
                    QVERIFY(at.question.contains(u" の "_s + names[k - 1] + u"の位を"_s));
                    if (task >= 5) QCOMPARE(at.answer, lead <= 4 ? 0 : powerOfTen(c + 2));

                    const RoundingProblem to = roundingProblem(2, c, x, task);
                    QCOMPARE(to.unit, powerOfTen(c));
                    QVERIFY(to.question.contains(u" の "_s + names[c - 1] + u"の位までの"_s));

                    const RoundingProblem leading = roundingProblem(4, c, x, task);
                    const bool three = task >= 5 && c > 1;
                    QCOMPARE(leading.unit, powerOfTen(three ? c - 1 : c));
                    QVERIFY(leading.question.contains(three ? u"上から３けた"_s : u"上から２けた"_s));
                }
            }
        }
    }

    // Drawn problems, scripted to every size and task draw at both ends of the number range:
    // each one posed can be entered with the seven selectors, and one that cannot is drawn again.
    void everyDrawnProblemFitsTheSelectors()
    {
        for (int subTopic = 2; subTopic <= 4; ++subTopic) {
            for (int r = 0; r <= 8; ++r) {
                const int c = r / 2 + 1;
                const int lowest = powerOfTen(c + 1) + 1, highest = 10 * powerOfTen(c + 1) - 2;
                for (int x : {lowest, highest}) {
                    for (int s = 0; s <= 8; ++s) {
                        Harness h;
                        h.queueDraws({r, numberDraw(c, x)});
                        if (subTopic != 2) h.queueDraws({s});
                        const RoundingProblem p = drawRoundingProblem(subTopic);
                        QVERIFY(p.answer >= 0 && p.answer <= roundingLargestAnswer);
                        QCOMPARE(p.answer, roundHalfUp(p.number, p.unit));
                        const RoundingProblem asDrawn = roundingProblem(subTopic, c, x, s);
                        const std::size_t oneDraw = subTopic == 2 ? 2 : 3;
                        if (asDrawn.answer <= roundingLargestAnswer) {
                            QCOMPARE(p.question, asDrawn.question);
                            QCOMPARE(h.drawRanges.size(), oneDraw);
                        } else {
                            // The draws after the script are all 0: the smallest three-digit task.
                            QCOMPARE(h.drawRanges.size(), 2 * oneDraw);
                            QCOMPARE(p.number, 101);
                        }
                        QCOMPARE(h.drawRanges[0], 9);
                        QCOMPARE(h.drawRanges[1], 9 * powerOfTen(c + 1) - 2);
                        if (subTopic != 2) QCOMPARE(h.drawRanges[2], 9);
                    }
                }
            }
        }
    }

    // Draws that never fit give up after the bounded redraws with the worked example's task.
    void unfitDrawsFallBackToTheWorkedExample()
    {
        const int answers[] = {2700, 3000, 2700};
        for (int subTopic = 2; subTopic <= 4; ++subTopic) {
            Harness h;
            h.fallbackDraw = [](int n) { return n - 1; };
            const RoundingProblem p = drawRoundingProblem(subTopic);
            QCOMPARE(h.drawRanges.size(), std::size_t(maxRedraws * (subTopic == 2 ? 2 : 3)));
            QCOMPARE(p.number, 2736);
            QCOMPARE(p.answer, answers[subTopic - 2]);
            QCOMPARE(p.question, roundingProblem(subTopic, 2, 2736, 0).question);
        }
        Harness h;
        QCOMPARE(drawRoundingProblem(1).unit, 0);
        QVERIFY(h.drawRanges.empty());
    }

    void studyTexts()
    {
        QCOMPARE(roundingExplanation().size(), 20);
        QVERIFY(roundingExplanation()[14].contains(u"百の位が ７ なので"_s)); // 2738 has 7 hundreds
        // Each worked example's result is the one the lesson's rounding gives.
        for (int subTopic = 2; subTopic <= 4; ++subTopic)
            QVERIFY(roundingExample(subTopic).contains(
                u"約%1 になるよ。"_s.arg(roundingProblem(subTopic, 2, 2736, 0).answer)));
    }
};

QTEST_MAIN(TestRounding)
#include "tst_rounding.moc"
