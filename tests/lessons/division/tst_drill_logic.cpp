// The division drill's arithmetic: every problem its generator can pose fits the digit
// selectors, draws come in their fixed order, and the texts of a run are exact.
#include "frame/Random.h"
#include "lessons/division/DivisionDrill.h"
#include "tests/support/TestSupport.h"

#include <QtTest>
#include <set>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

struct Range {
    int lo, hi;
};

// What a problem of sub-topic s drawn with form a must look like.
struct Form {
    Range divisor, dividend;
};

Form expectedForm(int s, int a)
{
    switch (s) {
    case 1: return {{2, 8}, a <= 4 ? Range{11, 98} : Range{101, 998}};
    case 2: return a <= 2 ? Form{{11, 38}, {21, 98}} : Form{{11, 88}, a <= 6 ? Range{101, 998} : Range{1001, 9998}};
    default: return {{101, 888}, a <= 4 ? Range{1001, 9998} : Range{10001, 99998}};
    }
}

// The draw ranges after the form, up to the dividend, for sub-topic s and form a.
std::vector<int> divisorDraws(int s, int a)
{
    switch (s) {
    case 1: return {7};
    case 2: return a <= 2 ? std::vector<int>{3, 8} : std::vector<int>{8, 8};
    default: return {8, 9, 8};
    }
}

int dividendDraw(int s, int a)
{
    return expectedForm(s, a).dividend.hi - expectedForm(s, a).dividend.lo + 1;
}

// Every combination of the divisor's draws, each drawn value in 0 … range−1.
std::vector<std::vector<int>> allDivisorDraws(const std::vector<int>& ranges)
{
    std::vector<std::vector<int>> out{{}};
    for (int n : ranges) {
        std::vector<std::vector<int>> next;
        for (const auto& prefix : out)
            for (int v = 0; v < n; ++v) {
                next.push_back(prefix);
                next.back().push_back(v);
            }
        out = next;
    }
    return out;
}

bool digitsFit(int d)
{
    return d % 10 != 0 && d % 10 != 9 && (d / 10) % 10 != 9;
}

} // namespace

class TestDrillLogic : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void drawsComeInOrder_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<int>("a");
        for (int s = 1; s <= divisionDrillSubTopics; ++s)
            for (int a = 0; a < 9; ++a)
                QTest::addRow("sub-topic %d, form %d", s, a) << s << a;
    }

    void drawsComeInOrder()
    {
        QFETCH(int, subTopic);
        QFETCH(int, a);
        test::Harness h;
        h.queueDraws({a});
        DivisionDrillProblem p = drawDivisionDrillProblem(subTopic);
        std::vector<int> want{9};
        for (int n : divisorDraws(subTopic, a))
            want.push_back(n);
        want.push_back(dividendDraw(subTopic, a));
        if (subTopic == 2 && a <= 2) {
            // All draws 0: divisor 11, dividend 21 — greater at the first draw, no redraw.
            QCOMPARE(p.divisor, 11);
            QCOMPARE(p.dividend, 21);
        }
        QCOMPARE(h.drawRanges, want);
        QCOMPARE(p.divisor, expectedForm(subTopic, a).divisor.lo);
        QCOMPARE(p.dividend, expectedForm(subTopic, a).dividend.lo);
    }

    void everyProblemFitsTheSelectors_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<int>("a");
        for (int s = 1; s <= divisionDrillSubTopics; ++s)
            for (int a = 0; a < 9; ++a)
                QTest::addRow("sub-topic %d, form %d", s, a) << s << a;
    }

    // Every divisor the draws can give, with the smallest, the largest and (for the small
    // two-digit dividends) every dividend: quotient and remainder never need more than three digits.
    void everyProblemFitsTheSelectors()
    {
        QFETCH(int, subTopic);
        QFETCH(int, a);
        const Form form = expectedForm(subTopic, a);
        const int dividendRange = dividendDraw(subTopic, a);
        std::vector<int> dividendValues{0, dividendRange - 1};
        if (dividendRange <= 88)
            for (int v = 1; v < dividendRange - 1; ++v)
                dividendValues.push_back(v);

        std::set<int> divisors, dividends;
        test::Harness h;
        for (const auto& drawn : allDivisorDraws(divisorDraws(subTopic, a)))
            for (int v : dividendValues) {
                h.draws.clear();
                h.draws.push_back(a);
                h.draws.insert(h.draws.end(), drawn.begin(), drawn.end());
                h.draws.push_back(v);
                // A redraw of the two-digit kind draws the largest dividend, which always serves.
                h.fallbackDraw = [](int n) { return n - 1; };
                const DivisionDrillProblem p = drawDivisionDrillProblem(subTopic);
                QVERIFY(p.divisor >= form.divisor.lo && p.divisor <= form.divisor.hi);
                QVERIFY(p.dividend >= form.dividend.lo && p.dividend <= form.dividend.hi);
                if (subTopic == 2 && a <= 2) QVERIFY(p.dividend > p.divisor);
                QVERIFY2(p.quotient() >= 0 && p.quotient() <= 999 && p.remainder() <= 999,
                         qPrintable(u"%1 ÷ %2"_s.arg(p.dividend).arg(p.divisor)));
                QVERIFY(subTopic == 1 || digitsFit(p.divisor));
                divisors.insert(p.divisor);
                dividends.insert(p.dividend);
            }
        // The divisors are exactly those whose digits the draws allow.
        std::set<int> wantDivisors;
        for (int d = form.divisor.lo; d <= form.divisor.hi; ++d)
            if (subTopic == 1 || digitsFit(d)) wantDivisors.insert(d);
        if (subTopic == 2) std::erase_if(wantDivisors, [&](int d) { return d / 10 > (a <= 2 ? 3 : 8); });
        QCOMPARE(divisors, wantDivisors);
        QCOMPARE(*dividends.begin(), form.dividend.lo);
        QCOMPARE(*dividends.rbegin(), form.dividend.hi);
    }

    void twoDigitRedrawIsBounded()
    {
        test::Harness h;
        // Divisor 38; the dividend draws stay at 21 for 998 draws, then 60 serves.
        h.queueDraws({0, 2, 7});
        for (int i = 0; i < 998; ++i)
            h.draws.push_back(0);
        h.draws.push_back(39);
        DivisionDrillProblem p = drawDivisionDrillProblem(2);
        QCOMPARE(p.divisor, 38);
        QCOMPARE(p.dividend, 60);
        QCOMPARE(h.drawRanges.size(), size_t(3 + 999));

        // A dividend equal to the divisor is not greater: 38 drawn a thousand times gives up.
        h.drawRanges.clear();
        h.queueDraws({2, 2, 7});
        h.fallbackDraw = [](int n) { return n == 78 ? 17 : 0; };
        p = drawDivisionDrillProblem(2);
        QCOMPARE(std::count(h.drawRanges.begin(), h.drawRanges.end(), 78), maxRedraws);
        QCOMPARE(p.dividend, 76);
        QCOMPARE(p.divisor, 23);
        QCOMPARE(p.quotient(), 3);
        QCOMPARE(p.remainder(), 7);
    }

    void outsideTheMenuNothingIsDrawn()
    {
        test::Harness h;
        for (int s : {0, 4, -1}) {
            const DivisionDrillProblem p = drawDivisionDrillProblem(s);
            QCOMPARE(p.dividend, 0);
            QCOMPARE(p.quotient(), 0);
        }
        QVERIFY(h.drawRanges.empty());
    }

    void timeLimits()
    {
        QCOMPARE(drillTimeLimit(-1), 0);
        QCOMPARE(drillTimeLimit(0), 0);
        QCOMPARE(drillTimeLimit(1), 300);
        QCOMPARE(drillTimeLimit(2), 600);
        QCOMPARE(drillTimeLimit(3), 900);
        QCOMPARE(drillTimeLimit(4), 0);
    }

    void textsAndRows()
    {
        const DivisionDrillProblem p{76, 23};
        QCOMPARE(divisionDrillQuestionText(p), u"76 ÷ 23 = ?"_s);
        QCOMPARE(drillNumberText(12), u"もんだい：12"_s);
        QCOMPARE(divisionDrillRow(4, p, 3, 7), QVariantList({4, u"　76 ÷ 23"_s, 3, 3, u" ○"_s, 7, 7}));
        // Both parts must be right.
        QCOMPARE(divisionDrillRow(5, p, 3, 6), QVariantList({5, u"　76 ÷ 23"_s, 3, 3, u" ×"_s, 7, 6}));
        QVERIFY(!divisionDrillRight(p, 2, 7));
        QVERIFY(divisionDrillRight({48, 6}, 8, 0));
    }

    void summary_data()
    {
        QTest::addColumn<int>("problems");
        QTest::addColumn<int>("rights");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("time");
        QTest::newRow("one right") << 1 << 1 << qint64(5) << u"せいせき： 100 てん"_s
                                   << u"じかん　： 0 ふん 5 びょう"_s;
        QTest::newRow("one wrong") << 1 << 0 << qint64(0) << u"せいせき： 0 てん"_s << u"じかん　： 0 ふん 0 びょう"_s;
        QTest::newRow("rounded down") << 3 << 2 << qint64(60) << u"せいせき： 66 てん"_s
                                      << u"じかん　： 1 ふん 0 びょう"_s;
        QTest::newRow("15 minutes") << 7 << 1 << qint64(900) << u"せいせき： 14 てん"_s
                                    << u"じかん　： 15 ふん 0 びょう"_s;
        QTest::newRow("nothing posed") << 0 << 0 << qint64(125) << u"せいせき： 0 てん"_s
                                       << u"じかん　： 2 ふん 5 びょう"_s;
    }

    void summary()
    {
        QFETCH(int, problems);
        QFETCH(int, rights);
        QFETCH(qint64, seconds);
        QFETCH(QString, score);
        QFETCH(QString, time);
        const DrillSummary s = drillSummary(problems, rights, seconds);
        QCOMPARE(s.problems, u"もんだい： "_s + QString::number(problems));
        QCOMPARE(s.rights, u"○のかず： "_s + QString::number(rights));
        QCOMPARE(s.score, score);
        QCOMPARE(s.time, time);
    }
};

QTEST_GUILESS_MAIN(TestDrillLogic)
#include "tst_drill_logic.moc"
