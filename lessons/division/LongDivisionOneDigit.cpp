#include "lessons/division/LongDivisionOneDigit.h"

#include "app/Random.h"

#include <algorithm>

namespace kazemaru::longdiv {

using namespace Qt::StringLiterals;

std::array<RowState, rowCount> oneDigitRows()
{
    // text, left, top, width, right-aligned
    return {{
        {QString(), 720, 280, 60, false}, // quotient
        {QString(), 720, 348, 40, false}, // first product
        {QString(), 720, 380, 40, true},  // first difference
        {QString(), 720, 412, 40, true},  // second product
        {QString(), 740, 444, 40, true},  // second difference
        {QString(), 740, 476, 40, true},  // third product
        {QString(), 740, 508, 40, true},  // last difference, ending at 780
    }};
}

void placeShortStart(Figure& figure)
{
    figure.place(Row::Quotient, oneDigitColumn2);
    figure.place(Row::Difference1, oneDigitColumn2);
    figure.place(Row::Product2, oneDigitColumn2);
    // The first partial dividend has two digits here; a one-digit product ends under its second.
    figure.row(Row::Product1).alignRight = true;
}

void placeRegularStart(Figure& figure)
{
    figure.place(Row::Quotient, oneDigitColumn1);
    figure.place(Row::Difference1, oneDigitColumn1);
    figure.place(Row::Product2, oneDigitColumn1);
    figure.row(Row::Product1).alignRight = false;
}

Problem oneDigitExample(int subTopic, int example)
{
    static constexpr std::array<int, 3> twoDigit{84, 86, 74};
    static constexpr std::array<int, 3> threeDigit{436, 325, 235};
    const auto i = static_cast<size_t>(std::clamp(example, 1, 3) - 1);
    return subTopic == 1 ? Problem{twoDigit[i], 7} : Problem{threeDigit[i], 3};
}

bool oneDigitDividendFits(int subTopic, int dividend)
{
    return subTopic == 1 ? dividend >= 10 && dividend <= 99 : dividend >= 100 && dividend <= 999;
}

Problem oneDigitFixedProblem(int subTopic)
{
    return subTopic == 1 ? Problem{58, 4} : Problem{436, 3};
}

Problem drawOneDigitProblem(int subTopic)
{
    // Rounding down to a multiple of the divisor and adding a remainder can leave the figure's
    // columns; such a dividend is drawn again, every draw in the same order.
    int D = 0;
    int d = 0;
    const auto draw = [&] {
        const bool withRemainder = Random(9) >= 5;
        d = Random(7) + 2;
        if (subTopic == 1) {
            const int D0 = Random(99 - 10 * d) + 10 * d;
            D = D0 - D0 % d;
            if (withRemainder) {
                int e = d - 2;
                if (e > 0) e = Random(e);
                D += e + 1;
            }
        } else {
            const int D0 = Random(898) + 101;
            D = D0 - D0 % d;
            if (withRemainder) D += Random(d - 2) + 1;
        }
    };
    if (drawUntil(draw, [&] { return oneDigitDividendFits(subTopic, D); })) return {D, d};
    return oneDigitFixedProblem(subTopic);
}

QString oneDigitFirstPrompt(int subTopic, const Problem& problem)
{
    if (subTopic == 2 && problem.dividend / 100 >= problem.divisor) return hundredsQuotientPrompt();
    return tensQuotientPrompt();
}

bool oneDigitExampleGoesOn(int subTopic, int example, int step)
{
    if (subTopic == 1) return step <= 2;
    return (example <= 2 && step <= 3) || (example == 3 && step <= 2);
}

OneDigitEntry::OneDigitEntry(Figure& figure, int subTopic, const Problem& problem)
    : WrittenEntry(figure, subTopic, problem.dividend, problem.divisor)
{
}

QString OneDigitEntry::firstPrompt() const
{
    return oneDigitFirstPrompt(subTopic_, {dividend_, divisor_});
}

EntryOutcome OneDigitEntry::onQuotient(int g)
{
    Figure& f = figure_;
    if (k_ == 1) {
        const int first = subTopic_ == 1 ? dividend_ / 10 : dividend_ / 100;
        if (first < divisor_) {
            case_ = LayoutCase::ShortStart;
            placeShortStart(f);
        }
        f.show(Row::Quotient, g);
        f.point(Row::Product1);
    } else if (k_ == 2) {
        f.append(Row::Quotient, g);
        if (g > 0) {
            f.point(Row::Product2);
        } else if (subTopic_ == 1 || case_ == LayoutCase::ShortStart) {
            return finish(f.number(Row::Difference1)); // nothing left to bring down
        } else {
            f.point(Row::Difference1); // the ones digit comes down beside the first difference
            case_ = LayoutCase::ZeroMiddle;
        }
    } else if (k_ == 3) {
        f.append(Row::Quotient, g);
        const bool regular = case_ == LayoutCase::Regular;
        if (g == 0) return finish(f.number(regular ? Row::Difference2 : Row::Difference1));
        f.point(regular ? Row::Product3 : Row::Product2);
    }
    return {};
}

EntryOutcome OneDigitEntry::onNumber(int N)
{
    Figure& f = figure_;
    const bool regular = case_ == LayoutCase::Regular;
    if (k_ == 1 && s_ == 1) {
        f.show(Row::Product1, N);
        f.point(Row::Difference1);
        f.rules[0] = true;
        return askRow(SelectorMode::Number, arrowPrompt());
    }
    if (k_ == 1 && s_ == 2) {
        f.show(Row::Difference1, N);
        f.point(Row::Quotient);
        const bool onesNext = subTopic_ == 1 || case_ == LayoutCase::ShortStart;
        return askRow(SelectorMode::Quotient, onesNext ? onesQuotientPrompt() : tensQuotientPrompt());
    }
    if (k_ == 2 && s_ == 1) {
        if (case_ == LayoutCase::ZeroMiddle) {
            // The brought-down digit: a first difference of 0 is replaced, not written before it.
            f.place(Row::Difference1, oneDigitColumn2);
            const QString& L = f.text(Row::Difference1);
            f.show(Row::Difference1, L == u"0"_s ? QString::number(N) : L + QString::number(N));
            f.point(Row::Quotient);
            return askRow(SelectorMode::Quotient, onesQuotientPrompt());
        }
        if (case_ == LayoutCase::ShortStart) f.place(Row::Product2, oneDigitColumn2);
        f.show(Row::Product2, N);
        f.point(Row::Difference2);
        f.rules[1] = true;
        return askRow(SelectorMode::Number, arrowPrompt());
    }
    if (k_ == 2 && s_ == 2) {
        f.show(Row::Difference2, N);
        if (subTopic_ == 1) {
            f.place(Row::Difference2, oneDigitColumn1);
            return finish(N);
        }
        if (!regular) return finish(N);
        f.point(Row::Quotient);
        return askRow(SelectorMode::Quotient, onesQuotientPrompt());
    }
    if (k_ == 3 && s_ == 1) {
        if (regular) {
            f.show(Row::Product3, N);
            f.point(Row::Difference3);
            f.rules[2] = true;
        } else {
            f.place(Row::Product2, oneDigitColumn2);
            f.show(Row::Product2, N);
            f.point(Row::Difference2);
            f.rules[1] = true;
        }
        return askRow(SelectorMode::Number, arrowPrompt());
    }
    if (k_ == 3 && s_ == 2) {
        f.show(regular ? Row::Difference3 : Row::Difference2, N);
        return finish(N);
    }
    return {};
}

} // namespace kazemaru::longdiv
