#include "lessons/division/WrittenPlan.h"

#include <algorithm>

namespace kazemaru::longdiv {

using namespace Qt::StringLiterals;

WrittenPlan writtenPlan(const Problem& problem, int firstDigits)
{
    WrittenPlan plan;
    plan.problem = problem;
    const QString digits = QString::number(problem.dividend);
    const int len = int(digits.size());
    auto digit = [&](int i) { return digits[i].digitValue(); };
    int pos = std::clamp(firstDigits, 1, len);
    int P = digits.left(pos).toInt();
    if (P < problem.divisor && pos < len) {
        plan.shortStart = true;
        P = P * 10 + digit(pos++);
    }
    for (;;) {
        PlanStep s;
        s.partial = P;
        s.quotient = problem.divisor > 0 ? P / problem.divisor : 0;
        s.product = s.quotient * problem.divisor;
        s.difference = P - s.product;
        s.column = pos - 1;
        s.down = pos < len ? digit(pos) : -1;
        plan.steps.push_back(s);
        if (pos == len) return plan;
        P = s.difference * 10 + digit(pos++);
    }
}

QString quotientPlacePrompt(int place)
{
    return place <= 0 ? onesQuotientPrompt() : place == 1 ? tensQuotientPrompt() : hundredsQuotientPrompt();
}

QString fillStepText(QString pattern, const StepFacts& f)
{
    const std::pair<const char*, int> numbers[] = {
        {"{P}", f.P}, {"{d}", f.d}, {"{q}", f.q}, {"{m}", f.m}, {"{r}", f.r},        {"{n}", f.n},
        {"{Q}", f.Q}, {"{u}", f.u}, {"{t}", f.t}, {"{h}", f.h}, {"{D10}", f.D / 10}, {"{D100}", f.D / 100},
    };
    for (const auto& [name, value] : numbers)
        pattern.replace(QLatin1String(name), QString::number(value));
    return pattern;
}

Row productRow(int i)
{
    return allRows[size_t(1 + 2 * std::clamp(i, 0, 2))];
}

Row differenceRow(int i)
{
    return allRows[size_t(2 + 2 * std::clamp(i, 0, 2))];
}

PlanLayout::PlanLayout(Figure& figure, const PlanDesign& design, int subTopic, bool study)
    : figure_(figure)
    , design_(design)
    , subTopic_(subTopic)
    , study_(study)
{
}

void PlanLayout::placeQuotient(int column)
{
    figure_.place(Row::Quotient, design_.dividendLeft + digitPitch * column + design_.quotientNudge);
}

void PlanLayout::write(Row row, const QString& text, int column, LayoutCase c, bool broughtDown)
{
    RowState& r = figure_.row(row);
    const RowState& designed = design_.rows[size_t(rowIndex(row))];
    int end = design_.dividendLeft + digitPitch * (column + 1);
    if (design_.edgeNudge) end += design_.edgeNudge({row, subTopic_, c, study_, broughtDown});
    // A right-aligned row keeps at least its designed box. A row designed to grow from its left
    // edge keeps that edge and ends under its column all the same; a longer text grows leftwards.
    const int box = designed.alignRight ? designed.width : end - designed.left;
    r.alignRight = true;
    r.width = std::max(box, written::cellsWidth(text));
    r.left = end - r.width;
    r.text = text;
}

QString broughtDown(const PlanDesign& design, const QString& shown, int number)
{
    if (design.zeroGivesWay && shown == u"0"_s) return QString::number(number);
    return shown + QString::number(number);
}

PlanWalk::PlanWalk(Figure& figure, const PlanDesign& design, int subTopic, int example)
    : layout_(figure, design, subTopic, true)
    , plan_(writtenPlan(design.example(subTopic, example), design.firstDigits))
{
}

StepFacts PlanWalk::facts(const PlanStep& s) const
{
    const auto [D, d] = plan_.problem;
    StepFacts f;
    f.subTopic = layout_.subTopic();
    f.step = step_;
    f.layoutCase = case_;
    f.D = D;
    f.d = d;
    f.P = s.partial;
    f.q = s.quotient;
    f.m = s.product;
    f.r = s.difference;
    f.n = s.down;
    f.Q = d > 0 ? D / d : 0;
    f.u = D % 10;
    f.t = D / 10 % 10;
    f.h = D / 100 % 10;
    return f;
}

StepShown PlanWalk::nextStep()
{
    ++step_;
    StepShown out;
    out.caption = stepCaption(step_ >= 4 ? 1 : step_ + 1);
    Figure& figure = layout_.figure();
    const auto [D, d] = plan_.problem;
    if (step_ == 1) {
        figure.divisor = QString::number(d);
        figure.dividend = QString::number(D);
        figure.bracket = true;
        out.text = u"【ステップ１】\n\n　もんだいを 右図のように書く。"_s;
        return out;
    }
    const size_t i = std::min(size_t(step_ - 2), plan_.steps.size() - 1);
    const PlanStep& s = plan_.steps[i];
    const bool last = i + 1 == plan_.steps.size();
    auto writeRows = [&] {
        layout_.write(productRow(product_), QString::number(s.product), s.column, case_);
        figure.rules[size_t(std::min(product_, 2))] = true;
        const QString difference = s.down < 0         ? QString::number(s.difference)
                                   : s.difference > 0 ? joined(s.difference, s.down)
                                                      : QString::number(s.down);
        layout_.write(differenceRow(product_), difference, s.column + (s.down < 0 ? 0 : 1), case_);
        ++product_;
    };
    if (i == 0) {
        case_ = plan_.shortStart ? LayoutCase::ShortStart : LayoutCase::Regular;
        layout_.placeQuotient(s.column);
        figure.show(Row::Quotient, s.quotient);
        writeRows();
    } else {
        figure.append(Row::Quotient, s.quotient);
        if (s.quotient > 0) {
            writeRows();
        } else if (s.down >= 0) {
            // Nothing to subtract: the next digit comes down beside the last difference.
            case_ = LayoutCase::ZeroMiddle;
            const Row row = differenceRow(product_ - 1);
            layout_.write(row, broughtDown(layout_.design(), figure.text(row), s.down), s.column + 1, case_, true);
        }
    }
    const StepFacts f = facts(s);
    out.text = layout_.design().stepText(f);
    if (last) {
        figure.show(Row::Quotient, f.Q);
        out.answer = answerLine(D, d, f.Q, D % d);
        out.ends = true;
    }
    return out;
}

PlanEntry::PlanEntry(Figure& figure, const PlanDesign& design, int subTopic, const Problem& problem,
                     std::optional<LayoutCase> path)
    : figure_(figure)
    , layout_(figure, design, subTopic, false)
    , plan_(writtenPlan(problem, design.firstDigits))
    , path_(path)
{
    used_ = plan_.steps.front().column;
    if (path_) case_ = *path_;
}

QString firstQuotientPrompt(const WrittenPlan& plan)
{
    return quotientPlacePrompt(plan.length() - 1 - plan.steps.front().column);
}

QString PlanEntry::firstPrompt() const
{
    return firstQuotientPrompt(plan_);
}

namespace {

written::EntryOutcome asked(SelectorMode mode, const QString& prompt)
{
    written::EntryOutcome out;
    out.taken = true;
    out.setUp = mode;
    out.prompt.text = prompt;
    return out;
}

} // namespace

written::EntryOutcome PlanEntry::chooseQuotient(int digit)
{
    if (finished_) return {};
    ++k_;
    written::EntryOutcome out = onQuotient(digit);
    if (!out.judged) out = asked(SelectorMode::Number, arrowPrompt());
    return out;
}

written::EntryOutcome PlanEntry::choosePlace(int weight, int digit)
{
    if (finished_) return {};
    pending_.set(weight, digit);
    written::EntryOutcome out;
    out.taken = true;
    return out;
}

written::EntryOutcome PlanEntry::chooseOnes(int digit)
{
    if (finished_) return {};
    const int number = pending_.value() + digit;
    const written::EntryOutcome out = onNumber(number);
    if (!out.judged) pending_.clear();
    return out;
}

written::EntryOutcome PlanEntry::finish(int remainder)
{
    const QString quotient = figure_.text(Row::Quotient);
    quotient_ = quotient.toLongLong();
    remainder_ = remainder;
    total_ = static_cast<int>(quotient.toLongLong() * plan_.problem.divisor + remainder);
    finished_ = true;
    written::EntryOutcome out;
    out.taken = true;
    out.judged = true;
    out.right = entryIsRight(plan_.problem.dividend, plan_.problem.divisor, quotient, remainder);
    return out;
}

bool PlanEntry::zeroOnPath(int k, int digit) const
{
    if (!path_) return digit == 0;
    const int last = int(plan_.steps.size());
    const LayoutCase c = *path_;
    return (k == 2 && (c == LayoutCase::ZeroMiddle || c == LayoutCase::ZeroMiddleAndLast)) ||
           (k == last && k > 1 && (c == LayoutCase::ZeroMiddleAndLast || c == LayoutCase::ZeroLast));
}

QList<PlanEntry::KeyChoice> PlanEntry::answerKey() const
{
    if (k_ > 0 || finished_) return {};
    QList<KeyChoice> key;
    const int n = int(plan_.steps.size());
    for (int i = 0; i < n; ++i) {
        const PlanStep& s = plan_.steps[size_t(i)];
        const bool last = i == n - 1;
        key.append({true, s.quotient});
        // A 0 after the first digit has no product: the next digit is brought down beside the
        // difference, or, at the end, the difference is the remainder.
        if (i > 0 && zeroOnPath(i + 1, s.quotient)) {
            if (!last) key.append({false, s.down});
            continue;
        }
        key.append({false, s.product});
        // A difference that is not the remainder is written with the next digit brought down.
        key.append({false, last ? s.difference : s.difference * 10 + s.down});
    }
    return key;
}

QString PlanEntry::quotientPrompt() const
{
    const int place = plan_.length() - 1 - used_;
    const PlanDesign& design = layout_.design();
    return design.quotientPrompt ? design.quotientPrompt(k_, place) : quotientPlacePrompt(place);
}

written::EntryOutcome PlanEntry::onQuotient(int g)
{
    Figure& f = figure_;
    if (k_ == 1) {
        if (!path_) case_ = plan_.shortStart ? LayoutCase::ShortStart : LayoutCase::Regular;
        layout_.placeQuotient(used_);
        f.show(Row::Quotient, g);
    } else {
        f.append(Row::Quotient, g);
        if (zeroOnPath(k_, g)) {
            if (used_ >= plan_.length() - 1) return finish(f.number(difference_));
            if (!path_) case_ = LayoutCase::ZeroMiddle;
            expect_ = Expect::BringDown;
            f.point(difference_);
            return {};
        }
    }
    expect_ = Expect::Product;
    f.point(productRow(product_));
    return {};
}

written::EntryOutcome PlanEntry::onNumber(int N)
{
    Figure& f = figure_;
    const QString number = QString::number(N);
    switch (expect_) {
    case Expect::Product:
        layout_.write(productRow(product_), number, used_, case_);
        f.rules[size_t(std::min(product_, 2))] = true;
        difference_ = differenceRow(product_);
        ++product_;
        expect_ = Expect::Difference;
        f.point(difference_);
        return asked(SelectorMode::Number, arrowPrompt());
    case Expect::Difference: {
        const bool more = used_ < plan_.length() - 1;
        if (more) ++used_; // the difference comes with the next digit brought down
        layout_.write(difference_, number, used_, case_);
        if (!more) return finish(N);
        break;
    }
    case Expect::BringDown:
        ++used_;
        layout_.write(difference_, broughtDown(layout_.design(), f.text(difference_), N), used_, case_, true);
        break;
    }
    f.point(Row::Quotient);
    return asked(SelectorMode::Quotient, quotientPrompt());
}

} // namespace kazemaru::longdiv
