// The arithmetic of the two mental-division lessons, swept over every draw the generators make.
#include "frame/Random.h"
#include "lessons/division/MentalDivision.h"
#include "tests/support/Arithmetic.h"
#include "tests/support/TestSupport.h"

#include <QRegularExpression>
#include <QtTest>
#include <set>
#include <tuple>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::checkStatements;
using kazemaru::test::Harness;

namespace {

// An answer that the hundreds, tens and ones selectors can enter.
bool fitsThreeSelectors(int value)
{
    return value >= 0 && value <= 999;
}

} // namespace

class TestMentalDivision : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void tensHundredsEveryDraw();
    void tensHundredsBoundedRedraw();
    void tensHundredsNoSubTopicDrawsNothing();
    void tensHundredsExplanations();
    void divideByEveryDraw();
    void divideByJudging();
    void divideByExamples();
    void realGeneratorStaysInRange();
};

// Every divisor draw with every multiplier draw: a passing multiplier is used at once, a failing
// one repeated to the limit ends in the fallback problem.
void TestMentalDivision::tensHundredsEveryDraw()
{
    for (int subTopic = 1; subTopic <= 3; ++subTopic) {
        std::set<std::tuple<int, int, int>> seen;
        for (int dDraw = 0; dDraw < 7; ++dDraw) {
            for (int mDraw = 0; mDraw < 3; ++mDraw) {
                Harness h;
                h.draws.push_back(dDraw);
                for (int i = 0; i < maxRedraws; ++i)
                    h.draws.push_back(mDraw);
                const TensHundredsProblem p = drawTensHundredsProblem(subTopic);
                const int d = dDraw + 2, m = mDraw + 1;
                const bool passes = subTopic == 3 ? d * m > 10 : d * m < 10;
                const int place = subTopic == 2 ? 100 : 10;
                const TensHundredsProblem expected = passes ? TensHundredsProblem{d * m * place, d, m * place}
                                                            : TensHundredsProblem{4 * (subTopic == 3 ? 3 : 2) * place,
                                                                                  4, (subTopic == 3 ? 3 : 2) * place};
                QCOMPARE(p.dividend, expected.dividend);
                QCOMPARE(p.divisor, expected.divisor);
                QCOMPARE(p.answer, expected.answer);
                QCOMPARE(h.drawRanges.front(), 7);
                QCOMPARE(h.drawRanges.size(), passes ? 2u : size_t(1 + maxRedraws));
                for (size_t i = 1; i < h.drawRanges.size(); ++i)
                    QCOMPARE(h.drawRanges[i], 3);
                // Answerable with the hundreds, tens and ones selectors, and the judge agrees.
                QVERIFY(fitsThreeSelectors(p.answer));
                QCOMPARE(p.divisor * p.answer, p.dividend);
                QVERIFY(tensHundredsRight(p, p.answer));
                seen.insert({p.dividend, p.divisor, p.answer});
            }
        }
        // What each sub-topic teaches: whole tens, whole hundreds, or hundreds and tens.
        for (const auto& [dividend, divisor, answer] : seen) {
            if (subTopic == 1) QVERIFY(dividend % 10 == 0 && dividend < 100 && answer >= 10 && answer <= 30);
            if (subTopic == 2) QVERIFY(dividend % 100 == 0 && dividend < 1000 && answer % 100 == 0);
            if (subTopic == 3) QVERIFY(dividend >= 120 && dividend <= 240 && (answer == 20 || answer == 30));
            QVERIFY(divisor >= 2 && divisor <= 8);
        }
        QCOMPARE(seen.size(), subTopic == 3 ? 8u : 12u);
    }
}

// The 1000th draw still counts; a thousand failures use the fallback and draw no more.
void TestMentalDivision::tensHundredsBoundedRedraw()
{
    {
        Harness h;
        h.draws.push_back(6); // divisor 8: only m = 1 gives a one-digit product
        for (int i = 1; i < maxRedraws; ++i)
            h.draws.push_back(1 + i % 2);
        h.draws.push_back(0);
        const TensHundredsProblem p = drawTensHundredsProblem(1);
        QCOMPARE(p.dividend, 80);
        QCOMPARE(p.divisor, 8);
        QCOMPARE(p.answer, 10);
        QVERIFY(h.draws.empty());
    }
    {
        Harness h;
        h.fallbackDraw = [](int) { return 0; }; // divisor 2, m 1: never two digits
        const TensHundredsProblem p = drawTensHundredsProblem(3);
        QCOMPARE(p.dividend, 120);
        QCOMPARE(p.divisor, 4);
        QCOMPARE(p.answer, 30);
        QCOMPARE(h.drawRanges.size(), size_t(1 + maxRedraws));
    }
}

void TestMentalDivision::tensHundredsNoSubTopicDrawsNothing()
{
    Harness h;
    for (int subTopic : {0, 4, -1}) {
        const TensHundredsProblem p = drawTensHundredsProblem(subTopic);
        QCOMPARE(p.divisor, 0);
        QCOMPARE(p.dividend, 0);
    }
    QVERIFY(h.drawRanges.empty());
}

void TestMentalDivision::tensHundredsExplanations()
{
    for (int subTopic = 1; subTopic <= 3; ++subTopic) {
        const QString text = tensHundredsExplanation(subTopic);
        // The opening line, the chain of four steps.
        QCOMPARE(checkStatements(text), 4);
        QVERIFY(!text.contains(u'\r'));
    }
    // As many zeros go back onto the answer as were taken off.
    QVERIFY(tensHundredsExplanation(1).contains(u"0 を はずして 計算し、答えに 0 を \nつければいいよ。"_s));
    QVERIFY(tensHundredsExplanation(2).contains(u"00 を はずして 計算し、答えに 00 を \nつければいいよ。"_s));
    QVERIFY(tensHundredsExplanation(3).contains(u"0 を はずして 計算し、答えに 0 を \nつければいいよ。"_s));
    QVERIFY(tensHundredsExplanation(0).isEmpty());
    QVERIFY(tensHundredsExplanation(4).isEmpty());
}

// Every kind, quotient digit, divisor digit and remainder digit.
void TestMentalDivision::divideByEveryDraw()
{
    int problems = 0;
    for (int kDraw = 0; kDraw < 19; ++kDraw) {
        for (int qDraw = 0; qDraw < 7; ++qDraw) {
            for (int dDraw = 0; dDraw < 7; ++dDraw) {
                const int kind = kDraw + 1, q = qDraw + 2, d = dDraw + 2;
                const bool withRemainder = kind >= 11;
                const int rDraws = withRemainder && d > 2 ? d - 2 : 1;
                for (int rDraw = 0; rDraw < rDraws; ++rDraw) {
                    Harness h;
                    h.queueDraws({kDraw, qDraw, dDraw});
                    std::vector<int> ranges{19, 7, 7};
                    if (withRemainder && d > 2) {
                        h.queueDraws({rDraw});
                        ranges.push_back(d - 2);
                    }
                    const DivideByProblem p = drawDivideByProblem();
                    QVERIFY(h.drawRanges == ranges);
                    QVERIFY(h.draws.empty());

                    const int place = (kind <= 5 || (kind >= 11 && kind <= 15)) ? 10 : 100;
                    const int r = withRemainder ? rDraw + 1 : 0;
                    QCOMPARE(p.divisor, d * place);
                    QCOMPARE(p.quotient(), q);
                    QCOMPARE(p.remainder(), r * place);
                    // One quotient digit; the remainder fits the three remainder selectors.
                    QVERIFY(p.quotient() >= 0 && p.quotient() <= 9);
                    QVERIFY(fitsThreeSelectors(p.remainder()));
                    QVERIFY(divideByRight(p, p.quotient(), p.remainder()));
                    ++problems;
                }
            }
        }
    }
    // 10 kinds without remainder × 49, 9 kinds with one of the d − 2 (at least 1) remainders.
    QCOMPARE(problems, 10 * 49 + 9 * 7 * (1 + 1 + 2 + 3 + 4 + 5 + 6));
}

void TestMentalDivision::divideByJudging()
{
    const DivideByProblem p{250, 60};
    // 60 x 3 + 70 = 250, but 70 is not a remainder of a division by 60.
    QVERIFY(!divideByRight(p, 3, 70));
    QVERIFY(divideByRight(p, 4, 10));
    QVERIFY(!divideByRight(p, 4, 0));

    const DivideByProblem exact{1800, 300};
    QVERIFY(divideByRight(exact, 6, 0));
    QVERIFY(!divideByRight(exact, 5, 300));
    QCOMPARE(divideByAnswerText(exact), u"1800 ÷ 300 = 6"_s);
}

void TestMentalDivision::divideByExamples()
{
    for (int n = 1; n <= divideByExampleCount; ++n) {
        const QString text = divideByExample(n);
        QVERIFY(!text.isEmpty());
        QVERIFY(!text.contains(u'\r'));
        // The reduced division, the division itself and the check are all right.
        QCOMPARE(checkStatements(text), 3);
    }
    QVERIFY(divideByExample(0).isEmpty());
    QVERIFY(divideByExample(6).isEmpty());
}

// Without scripted draws the generators still stay inside their problem spaces.
void TestMentalDivision::realGeneratorStaysInRange()
{
    for (int i = 0; i < 300; ++i) {
        const TensHundredsProblem t = drawTensHundredsProblem(1 + i % 3);
        QVERIFY(t.divisor >= 2 && t.divisor <= 8 && t.divisor * t.answer == t.dividend);
        QVERIFY(fitsThreeSelectors(t.answer) && t.answer > 0);
        const DivideByProblem p = drawDivideByProblem();
        QVERIFY(p.quotient() >= 2 && p.quotient() <= 8);
        QVERIFY(p.remainder() < p.divisor && fitsThreeSelectors(p.remainder()));
    }
}

QTEST_GUILESS_MAIN(TestMentalDivision)
#include "tst_mentaldivision.moc"
