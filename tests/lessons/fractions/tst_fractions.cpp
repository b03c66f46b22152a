// The arithmetic of the fractions lesson, swept over every draw its generators can make.
#include "frame/Random.h"
#include "lessons/fractions/Fractions.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::Harness;

namespace {

// Runs `draw` once for every tuple of operand draws below `ranges`, the problem draw cycling
// through first … last; a tuple that fails is followed by `holding`, so it costs one redraw.
// `check` gets the problem, its operand draws and whether they were taken at once.
template <typename Draw, typename Check>
void sweep(int first, int last, const QList<int>& ranges, const QList<int>& holding, Draw draw, Check check)
{
    Harness h;
    QList<int> draws(ranges.size(), 0);
    for (qsizetype n = 0;; ++n) {
        h.draws.clear();
        h.drawRanges.clear();
        h.draws.push_back(first + int(n % (last - first + 1)));
        h.draws.insert(h.draws.end(), draws.begin(), draws.end());
        h.draws.insert(h.draws.end(), holding.begin(), holding.end());
        const auto problem = draw();
        const size_t taken = h.drawRanges.size();
        QCOMPARE(h.drawRanges.front(), 9);
        check(problem, draws, taken);
        qsizetype i = draws.size() - 1;
        for (; i >= 0 && ++draws[i] == ranges[i]; --i)
            draws[i] = 0;
        if (i < 0) return;
    }
}

} // namespace

class TestFractions : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Two fractions of one denominator: never equal, the larger numerator wins.
    void comparisonOfTwoFractions()
    {
        int redrawn = 0;
        sweep(0, 7, {7, 7, 6}, {0, 1, 0}, drawComparison, [&](const Comparison& c, const QList<int>& d, size_t taken) {
            const int u = d[0] + 1, v = d[1] + 1, den = d[2] + 3;
            const bool holds = u != v && u < den && v < den;
            QCOMPARE(taken, holds ? 4u : 7u);
            redrawn += !holds;
            QVERIFY(c.form <= 7);
            QCOMPARE(c.left.denominator, c.right.denominator);
            QVERIFY(c.left.numerator != c.right.numerator);
            QVERIFY(c.left.numerator < c.left.denominator && c.right.numerator < c.right.denominator);
            QCOMPARE(c.left.whole + c.right.whole, 0);
            QCOMPARE(c.larger, c.left.numerator > c.right.numerator ? int(LeftSide) : int(RightSide));
            const QString side = c.larger == LeftSide ? u"左"_s : u"右"_s;
            QCOMPARE(comparisonReason(c), u"分母が同じなので、分子が大きい "_s + side + u"の方が\n大きいよ。"_s);
        });
        QVERIFY(redrawn > 0);
    }

    // A fraction against 1: always smaller, so the right side is the larger.
    void comparisonWithOne()
    {
        sweep(8, 8, {7, 6}, {0, 0}, drawComparison, [](const Comparison& c, const QList<int>& d, size_t taken) {
            const bool holds = d[0] + 1 < d[1] + 3;
            QCOMPARE(taken, holds ? 3u : 5u);
            QCOMPARE(c.right, (Fraction{1, 0, 0}));
            QVERIFY(c.left.numerator < c.left.denominator && c.left.whole == 0);
            QCOMPARE(c.larger, int(RightSide));
        });
        const Comparison seven{8, {0, 3, 7}, {1, 0, 0}, RightSide};
        QCOMPARE(comparisonReason(seven), u"１は「7 分の 7」と同じなので、右の方が\n大きいよ。"_s);
    }

    // Improper fractions with a remainder become mixed numbers and back again.
    void improperToMixed()
    {
        sweep(0, 4, {16, 7}, {5, 3}, drawConversion, [](const Conversion& c, const QList<int>& d, size_t taken) {
            const int p = d[0] + 3, den = d[1] + 2;
            QCOMPARE(taken, p > den && p % den > 0 ? 3u : 5u);
            QVERIFY(c.toMixed());
            // Without a remainder the held draws give 8/5: the quotient is the whole part, the
            // remainder the numerator.
            const Fraction given = p > den && p % den > 0 ? Fraction{0, p, den} : Fraction{0, 8, 5};
            QCOMPARE(c.given, given);
            const Fraction a{given.numerator / given.denominator, given.numerator % given.denominator,
                             given.denominator};
            QCOMPARE(c.answer, a);
            QVERIFY(a.whole >= 1 && a.whole <= 8);
            QVERIFY(a.numerator >= 1 && a.numerator <= 7 && a.denominator <= 8);
            QVERIFY(conversionRight(c, a.whole, a.numerator, a.denominator));
            QVERIFY(!conversionRight(c, a.whole, a.numerator, a.denominator + 1));
            QVERIFY(!conversionRight(c, a.whole + 1, a.numerator, a.denominator));
            QVERIFY(!conversionRight(c, a.whole, a.numerator + 1, a.denominator));
        });
    }

    void mixedToImproper()
    {
        int largest = 0;
        sweep(5, 8, {7, 6, 4}, {}, drawConversion, [&](const Conversion& c, const QList<int>& d, size_t taken) {
            const int n = d[0] + 1, den = d[1] + 3;
            if (n >= den) return; // the loop draws again; the holding cases cover every outcome
            QCOMPARE(taken, 4u);
            QVERIFY(!c.toMixed());
            QCOMPARE(c.given, (Fraction{d[2] + 1, n, den}));
            const Fraction a{0, (d[2] + 1) * den + n, den};
            QCOMPARE(c.answer, a);
            largest = qMax(largest, a.numerator);
            // The numerator's tens and ones, whatever was entered before.
            QVERIFY(conversionRight(c, a.numerator / 10, a.numerator % 10, den));
            QVERIFY(!conversionRight(c, a.numerator % 10, a.numerator / 10, den) || a.numerator % 11 == 0);
            QVERIFY(!conversionRight(c, a.numerator / 10, a.numerator % 10, den - 1));
        });
        QCOMPARE(largest, 39);
    }

    // A thousand failures end in the fixed fractions; an improper fraction with no remainder
    // (12/4) is never posed, even when it is the last draw.
    void fallbacks()
    {
        Harness h;
        h.queueDraws({0});
        h.fallbackDraw = [](int n) { return n == 16 ? 9 : n == 7 ? 2 : 0; }; // 12 over 4
        const Conversion improper = drawConversion();
        QCOMPARE(improper.given, (Fraction{0, 8, 5}));
        QCOMPARE(improper.answer, (Fraction{1, 3, 5}));
        QCOMPARE(h.drawRanges.size(), size_t(1 + 2 * maxRedraws));

        h.queueDraws({5});
        h.fallbackDraw = [](int n) { return n == 7 ? 6 : n == 6 ? 0 : 3; }; // 7 over 3, whole part 4
        const Conversion mixed = drawConversion();
        QCOMPARE(mixed.given, (Fraction{4, 3, 5}));
        QCOMPARE(mixed.answer, (Fraction{0, 23, 5}));

        for (int form : {0, 8}) {
            h.queueDraws({form});
            const Comparison c = drawComparison(); // 7 and 7 over 3, or 7 over 3
            QCOMPARE(c.left, (Fraction{0, 3, 7}));
            QCOMPARE(c.right, (form == 8 ? Fraction{1, 0, 0} : Fraction{0, 5, 7}));
            QCOMPARE(c.larger, int(RightSide));
        }
    }

    // The walks go round: after the last step the first comes again.
    void stepWalks_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("wholes"); // the left fraction's whole part at each press
        QTest::newRow("kinds") << 3 << QStringList{u"ステップ２"_s, u"ステップ３"_s, u"ステップ１"_s, u"ステップ２"_s}
                               << QList{0, 0, 1, 0};
        QTest::newRow("conversions") << 4 << QStringList{u"ステップ２"_s, u"ステップ１"_s, u"ステップ２"_s}
                                     << QList{0, 2, 0};
    }
    void stepWalks()
    {
        QFETCH(int, subTopic);
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, wholes);
        int step = 0;
        for (qsizetype press = 0; press < captions.size(); ++press) {
            step = nextFractionStep(subTopic, step);
            const FractionStep s = fractionStep(subTopic, step);
            QCOMPARE(s.caption, captions[press]);
            QCOMPARE(s.left.whole, wholes[press]);
            QVERIFY(s.left.hasFraction() && s.right.hasFraction());
        }
        QCOMPARE(nextFractionStep(1, 0), 0);
    }
};

QTEST_MAIN(TestFractions)
#include "tst_fractions.moc"
