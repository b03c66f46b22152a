// The answer key of a long division: the quotient digits and the rows they ask for, which a child
// who knows the answer enters. Over the one-digit lesson's whole problem space and the two- and
// three-digit lessons' divisors at their extremes, the key is taken choice by choice and ends in
// the right quotient and remainder.
#include "lessons/division/LongDivisionOneDigit.h"
#include "lessons/division/LongDivisionThreeDigit.h"
#include "lessons/division/LongDivisionTwoDigit.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::longdiv;

namespace {

// Enters the key of D ÷ d; empty when the entry ends judged right with the quotient and remainder
// of D ÷ d, else what went wrong.
QString enterKey(const PlanDesign& plan, int subTopic, int D, int d, std::optional<LayoutCase> path = std::nullopt)
{
    Figure f = designedFigure(plan.rows);
    PlanEntry entry(f, plan, subTopic, {D, d}, path);
    const QList<PlanEntry::KeyChoice> key = entry.answerKey();
    if (key.isEmpty() || !key.front().quotientDigit) return u"no key"_s;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const auto [quotientDigit, value] = key[i];
        written::EntryOutcome out;
        if (quotientDigit) {
            out = entry.chooseQuotient(value);
        } else {
            // Through the places, as the selectors enter a number: the higher ones, then the ones.
            for (int weight = 1000; weight >= 10; weight /= 10)
                if (value >= weight) entry.choosePlace(weight, value / weight % 10);
            out = entry.chooseOnes(value % 10);
        }
        const bool last = i == key.size() - 1;
        if (!out.taken || out.judged != last) return u"choice %1 of %2 %3"_s.arg(i).arg(key.size()).arg(out.judged);
        if (last && !out.right) return u"judged wrong"_s;
    }
    if (!entry.answerKey().isEmpty()) return u"a key once entered"_s;
    if (entry.enteredQuotient() != D / d || entry.enteredRemainder() != D % d)
        return u"entered %1 r %2"_s.arg(entry.enteredQuotient()).arg(entry.enteredRemainder());
    return {};
}

} // namespace

class LongDivisionAnswerKey : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void oneDigitDivisors()
    {
        for (int d = 2; d <= 9; ++d)
            for (int D = 10; D <= 999; ++D) {
                const QString fault = enterKey(oneDigitPlan(), D < 100 ? 1 : 2, D, d);
                QVERIFY2(fault.isEmpty(), qPrintable(u"%1 ÷ %2: %3"_s.arg(D).arg(d).arg(fault)));
            }
    }
    void twoDigitDivisors()
    {
        for (int d = 11; d <= 98; ++d) {
            // Every divisor with the dividends of three digits and fewer; four-digit ones at the extremes.
            const bool extreme = d == 11 || d == 12 || d == 19 || d == 50 || d == 98;
            for (int D = std::max(d, 50); D <= (extreme ? 9999 : 999); ++D) {
                const QString fault = enterKey(twoDigitPlan(), D < 100 ? 1 : D < 1000 ? 2 : 3, D, d);
                QVERIFY2(fault.isEmpty(), qPrintable(u"%1 ÷ %2: %3"_s.arg(D).arg(d).arg(fault)));
            }
        }
    }
    // The rows follow the shape of the true quotient: short starts, zeros in the middle and last.
    void threeDigitDivisors()
    {
        for (int d : {101, 109, 123, 500, 989}) {
            for (int D = 1001; D <= 99998; D += (d == 123 ? 1 : 7)) {
                const int subTopic = D < 10000 ? 1 : 2;
                const Problem p{D, d};
                const QString fault = enterKey(threeDigitPlan(), subTopic, D, d, threeDigitCase(subTopic, p));
                QVERIFY2(fault.isEmpty(), qPrintable(u"%1 ÷ %2: %3"_s.arg(D).arg(d).arg(fault)));
            }
        }
    }
};

QTEST_MAIN(LongDivisionAnswerKey)
#include "tst_longdiv_answerkey.moc"
