// Test problems of the one-digit long division: every problem the generator can pose, and the
// row-by-row entry of each, done the way a child writes the division on paper.
#include "frame/Random.h"
#include "lessons/division/LongDivisionOneDigit.h"
#include "lessons/shared/WrittenEntry.h"
#include "tests/support/TestSupport.h"

#include <QtTest>
#include <optional>
#include <set>

using namespace kazemaru;
using namespace kazemaru::longdiv;
using namespace Qt::StringLiterals;
using kazemaru::written::EntryOutcome;

namespace {

int lastDigitEnd(const RowState& r)
{
    return r.alignRight ? r.left + r.width : r.left + digitPitch * int(r.text.size());
}

std::optional<Row> rowMarked(const Figure& f)
{
    for (Row r : allRows)
        if (arrowTop(r) == f.arrowTop) return r;
    return std::nullopt;
}

QString expectedPlacePrompt(int place)
{
    return place == 0 ? onesQuotientPrompt() : place == 1 ? tensQuotientPrompt() : hundredsQuotientPrompt();
}

// One choice of the written division: a quotient digit, or a number with what the figure shows
// for it, where its last digit ends, and where the arrow goes next (none: judged).
struct Writing {
    bool quotient = false;
    int value = 0;
    QString shown;
    int end = 0;
    std::optional<Row> next;
    QString prompt;
};

// The division as written on paper: divide, multiply, subtract, bring down, digit by digit.
std::vector<Writing> onPaper(int D, int d)
{
    const QString digits = QString::number(D);
    const int len = int(digits.size());
    auto digit = [&](int i) { return digits[i].digitValue(); };
    auto column = [](int used) { return oneDigitColumn1 + digitPitch * used; };
    int pos = 1;
    int P = digit(0);
    if (P < d && len > 1) P = P * 10 + digit(pos++);
    int nextProduct = 1;
    std::vector<Writing> out;
    for (;;) {
        const int q = P / d;
        if (q > 0) {
            out.push_back({true, q, {}, column(pos), allRows[size_t(nextProduct)], arrowPrompt()});
            const int m = q * d;
            const int r = P - m;
            out.push_back({false, m, QString::number(m), column(pos), allRows[size_t(nextProduct + 1)], arrowPrompt()});
            if (pos == len) {
                out.push_back({false, r, QString::number(r), column(pos), std::nullopt, {}});
                return out;
            }
            P = r * 10 + digit(pos++);
            out.push_back({false, P, QString::number(P), column(pos), Row::Quotient, expectedPlacePrompt(len - pos)});
            nextProduct += 2;
        } else if (pos == len) {
            out.push_back({true, 0, {}, column(pos), std::nullopt, {}});
            return out;
        } else {
            const Row difference = allRows[size_t(nextProduct - 1)];
            out.push_back({true, 0, {}, column(pos), difference, arrowPrompt()});
            const int down = digit(pos++);
            P = P * 10 + down;
            out.push_back(
                {false, down, QString::number(P), column(pos), Row::Quotient, expectedPlacePrompt(len - pos)});
        }
    }
}

// A fresh test problem's figure: dividend and bracket shown, the arrow beside the quotient row.
Figure posed(const Problem& p)
{
    Figure f = designedFigure(oneDigitRows());
    f.divisor = QString::number(p.divisor);
    f.dividend = QString::number(p.dividend);
    f.bracket = true;
    f.arrowShown = true;
    f.point(Row::Quotient);
    return f;
}

EntryOutcome enterNumber(PlanEntry& e, int n)
{
    if (n >= 10) e.choosePlace(10, n / 10);
    return e.chooseOnes(n % 10);
}

// Every dividend and divisor the generator poses in a sub-topic, checked draw by draw.
std::set<std::pair<int, int>> everyProblem(int subTopic, int& redrawn)
{
    std::set<std::pair<int, int>> problems;
    test::Harness h;
    for (int a = 0; a < 9; ++a)
        for (int d = 2; d <= 8; ++d) {
            const int span = subTopic == 1 ? 99 - 10 * d : 898;
            const int remainders = a >= 5 ? std::max(1, d - 2) : 1;
            for (int x = 0; x < span; ++x)
                for (int e = 0; e < remainders; ++e) {
                    const int D0 = subTopic == 1 ? x + 10 * d : x + 101;
                    int D = D0 - D0 % d;
                    std::vector<int> ranges{9, 7, span};
                    h.draws = {a, d - 2, x};
                    if (a >= 5) {
                        D += e + 1;
                        if (d > 2) {
                            ranges.push_back(d - 2);
                            h.draws.push_back(e);
                        }
                    }
                    h.drawRanges.clear();
                    const Problem p = drawOneDigitProblem(subTopic);
                    if (oneDigitDividendFits(subTopic, D)) {
                        if (p != Problem{D, d} || h.drawRanges != ranges) qFatal("draw %d %d %d %d", a, d, x, e);
                    } else {
                        // Drawn again with every draw 0: no remainder, divisor 2, the lowest dividend.
                        ++redrawn;
                        const Problem again = subTopic == 1 ? Problem{20, 2} : Problem{100, 2};
                        if (p != again || h.drawRanges.size() != ranges.size() + 3) qFatal("redraw %d", D);
                    }
                    problems.insert({p.dividend, p.divisor});
                }
        }
    return problems;
}

} // namespace

class LongDivisionEntry : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void generatorKeepsDividendsInTheFigure();
    void generatorFallsBackAfterTooManyTries();
    void everyProblemWrittenOutIsRight();
    void secondQuotientDigitZeroEndsTheEntry();
    void zeroDifferenceIsReplacedByTheDigitBroughtDown();
    void onlyQuotientAndRemainderAreJudged();
    void remainderNotBelowDivisorIsWrong();
    void pendingTensWaitForTheOnes();
    void nothingChangesOnceJudged();
};

void LongDivisionEntry::generatorKeepsDividendsInTheFigure()
{
    for (int subTopic = 1; subTopic <= 2; ++subTopic) {
        int redrawn = 0;
        const auto problems = everyProblem(subTopic, redrawn);
        QVERIFY(redrawn > 0); // the rounding does leave the columns now and then
        for (const auto& [D, d] : problems)
            QVERIFY(oneDigitDividendFits(subTopic, D));
        // The highest and lowest multiples are posed.
        if (subTopic == 1)
            QVERIFY(problems.count({98, 7}) && problems.count({96, 8}) && problems.count({20, 2}));
        else
            QVERIFY(problems.count({996, 3}) && problems.count({992, 8}) && problems.count({100, 2}));
    }
}

void LongDivisionEntry::generatorFallsBackAfterTooManyTries()
{
    test::Harness h;
    // Sub-topic 1: divisor 8, dividend 98 rounded to 96, remainder 6 → 102 every time.
    h.fallbackDraw = [](int n) { return n - 1; };
    QCOMPARE(drawOneDigitProblem(1), oneDigitFixedProblem(1));
    QCOMPARE(int(h.drawRanges.size()), 4 * maxRedraws);
    // Sub-topic 2: divisor 6, dividend 998 rounded to 996, remainder 4 → 1000 every time.
    h.drawRanges.clear();
    h.fallbackDraw = [](int n) { return n == 9 ? 8 : n == 7 ? 4 : n == 898 ? 897 : 3; };
    QCOMPARE(drawOneDigitProblem(2), oneDigitFixedProblem(2));
    QCOMPARE(int(h.drawRanges.size()), 4 * maxRedraws);
    QCOMPARE(oneDigitFixedProblem(1), (Problem{58, 4}));
    QCOMPARE(oneDigitFixedProblem(2), (Problem{436, 3}));
}

void LongDivisionEntry::everyProblemWrittenOutIsRight()
{
    for (int subTopic = 1; subTopic <= 2; ++subTopic) {
        int redrawn = 0;
        auto problems = everyProblem(subTopic, redrawn);
        const Problem fixed = oneDigitFixedProblem(subTopic);
        problems.insert({fixed.dividend, fixed.divisor});
        for (const auto& [D, d] : problems) {
            const QByteArray what = u"%1 ÷ %2"_s.arg(D).arg(d).toUtf8();
            const Problem p{D, d};
            Figure f = posed(p);
            PlanEntry entry(f, oneDigitPlan(), subTopic, p);
            const std::vector<Writing> writings = onPaper(D, d);
            // The first prompt names the place over which the first quotient digit stands.
            QVERIFY2(entry.firstPrompt() ==
                         expectedPlacePrompt(int(QString::number(D).size()) - (writings[0].end - 720) / 20),
                     what);
            for (const Writing& w : writings) {
                const std::optional<Row> marked = rowMarked(f);
                QVERIFY2(marked && (*marked == Row::Quotient) == w.quotient, what);
                const EntryOutcome out = w.quotient ? entry.chooseQuotient(w.value) : enterNumber(entry, w.value);
                const RowState& row = f.row(*marked);
                if (!w.quotient) QVERIFY2(row.text == w.shown, what);
                QVERIFY2(lastDigitEnd(row) == w.end, what);
                if (!w.next) {
                    QVERIFY2(out.judged && out.right && !out.cue() && out.prompt.text.isEmpty(), what);
                    break;
                }
                QVERIFY2(!out.judged && out.cue() && out.prompt.text == w.prompt, what);
                QVERIFY2(rowMarked(f) == w.next, what);
                const SelectorMode mode = *w.next == Row::Quotient ? SelectorMode::Quotient : SelectorMode::Number;
                QVERIFY2(out.setUp == mode, what);
            }
            QVERIFY2(test::Probe::finished(entry) && test::Probe::answerTotal(entry) == D &&
                         test::Probe::enteredRemainder(entry) == D % d,
                     what);
            QVERIFY2(f.text(Row::Quotient) == QString::number(D / d), what);
        }
    }
}

void LongDivisionEntry::secondQuotientDigitZeroEndsTheEntry()
{
    const Problem p{81, 4};
    Figure f = posed(p);
    PlanEntry e(f, oneDigitPlan(), 1, p);
    e.chooseQuotient(2);
    enterNumber(e, 8);
    enterNumber(e, 1);
    const EntryOutcome out = e.chooseQuotient(0);
    QVERIFY(out.judged && out.right);
    QCOMPARE(test::Probe::enteredRemainder(e), 1);
    QCOMPARE(f.text(Row::Quotient), u"20"_s);
    QCOMPARE(f.text(Row::Product2), QString());
}

void LongDivisionEntry::zeroDifferenceIsReplacedByTheDigitBroughtDown()
{
    const Problem p{906, 3};
    Figure f = posed(p);
    PlanEntry e(f, oneDigitPlan(), 2, p);
    e.chooseQuotient(3);
    enterNumber(e, 9);
    enterNumber(e, 0);
    QCOMPARE(f.text(Row::Difference1), u"0"_s);
    QCOMPARE(e.chooseQuotient(0).prompt.text, arrowPrompt());
    QCOMPARE(e.layoutCase(), LayoutCase::ZeroMiddle);
    QCOMPARE(rowMarked(f), Row::Difference1);
    enterNumber(e, 6);
    QCOMPARE(f.text(Row::Difference1), u"6"_s);
    QCOMPARE(f.left(Row::Difference1), oneDigitColumn2);
    // A difference other than 0 gets the digit written beside it.
    const Problem q{716, 7};
    Figure g = posed(q);
    PlanEntry e2(g, oneDigitPlan(), 2, q);
    e2.chooseQuotient(1);
    enterNumber(e2, 7);
    enterNumber(e2, 1);
    e2.chooseQuotient(0);
    enterNumber(e2, 6);
    QCOMPARE(g.text(Row::Difference1), u"16"_s);
}

void LongDivisionEntry::onlyQuotientAndRemainderAreJudged()
{
    const Problem p{86, 7};
    Figure f = posed(p);
    PlanEntry e(f, oneDigitPlan(), 1, p);
    e.chooseQuotient(1);
    enterNumber(e, 99);
    enterNumber(e, 3);
    e.chooseQuotient(2);
    enterNumber(e, 0);
    const EntryOutcome out = enterNumber(e, 2);
    QVERIFY(out.judged && out.right);
    QCOMPARE(f.text(Row::Product1), u"99"_s);
    QCOMPARE(f.text(Row::Difference1), u"3"_s);
}

void LongDivisionEntry::remainderNotBelowDivisorIsWrong()
{
    // 7 × 11 + 7 is 84, but a remainder of 7 is not below 7.
    const Problem p{84, 7};
    Figure f = posed(p);
    PlanEntry e(f, oneDigitPlan(), 1, p);
    e.chooseQuotient(1);
    enterNumber(e, 7);
    enterNumber(e, 14);
    e.chooseQuotient(1);
    enterNumber(e, 7);
    const EntryOutcome out = enterNumber(e, 7);
    QVERIFY(out.judged && !out.right);
    QCOMPARE(test::Probe::answerTotal(e), 84);
    QVERIFY(!entryIsRight(84, 7, u"11"_s, 7));
    QVERIFY(entryIsRight(84, 7, u"12"_s, 0));
    QVERIFY(!entryIsRight(84, 7, u"12"_s, 1));
}

void LongDivisionEntry::pendingTensWaitForTheOnes()
{
    const Problem p{436, 3};
    Figure f = posed(p);
    PlanEntry e(f, oneDigitPlan(), 2, p);
    e.chooseQuotient(1);
    QVERIFY(e.choosePlace(10, 2).cue());
    QCOMPARE(test::Probe::pendingValue(e), 20);
    e.choosePlace(10, 1); // chosen again: the last choice counts
    enterNumber(e, 3);
    QCOMPARE(f.text(Row::Product1), u"13"_s);
    QCOMPARE(test::Probe::pendingValue(e), 0);
    e.chooseOnes(3); // no tens this time
    QCOMPARE(f.text(Row::Difference1), u"3"_s);
}

void LongDivisionEntry::nothingChangesOnceJudged()
{
    const Problem p{81, 4};
    Figure f = posed(p);
    PlanEntry e(f, oneDigitPlan(), 1, p);
    e.chooseQuotient(2);
    enterNumber(e, 8);
    enterNumber(e, 1);
    QVERIFY(e.chooseQuotient(0).judged);
    const QString quotient = f.text(Row::Quotient);
    for (const EntryOutcome& out : {e.chooseQuotient(0), e.chooseQuotient(5), e.choosePlace(10, 3), e.chooseOnes(4)}) {
        QVERIFY(!out.judged && !out.cue() && !out.setUp && out.prompt.text.isEmpty());
    }
    QCOMPARE(f.text(Row::Quotient), quotient);
    QCOMPARE(test::Probe::quotientDigits(e), 2);
}

QTEST_APPLESS_MAIN(LongDivisionEntry)
#include "tst_longdiv_entry.moc"
