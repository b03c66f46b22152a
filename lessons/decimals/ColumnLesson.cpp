#include "lessons/decimals/ColumnLesson.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace kazemaru {

written::StepShown ColumnWalk::nextStep()
{
    step_ = step_ % stepCount() + 1;
    written::StepShown shown;
    shown.text = stepText(step_);
    shown.ends = step_ == stepCount();
    shown.caption = written::stepCaption(shown.ends ? 1 : step_ + 1);
    if (shown.ends && endsWithEquation()) shown.answer = problem_.equationText();
    return shown;
}

QString ColumnWalk::heading(int step)
{
    return u"【%1】\n\n"_s.arg(written::stepCaption(step));
}

QString ColumnWalk::setOutText()
{
    return heading(1) + u"　もんだいを、小数点をあわせて  \n　タテにならべ、下に線をひく。"_s;
}

ColumnEntry::ColumnEntry(const ColumnProblem& problem, int ownColumns, int selectorColumns)
    : problem_(problem)
    , ownColumns_(std::clamp(ownColumns, 1, maxColumns))
    , selectorColumns_(std::clamp(selectorColumns, ownColumns_, maxColumns))
{
}

int ColumnEntry::finalColumn() const
{
    return std::min(problem_.answerColumns(), ownColumns_);
}

OpenColumns ColumnEntry::openAt(int stage) const
{
    const int due = stage + 1;
    OpenColumns open = openColumn(due);
    // An addition takes the column sum's tens digit in the selector to the left first.
    if (adding() && due + 1 <= selectorColumns_) open |= openColumn(due + 1);
    return open;
}

written::EntryOutcome ColumnEntry::choose(int column, int digit)
{
    if (judged_ || column < 1 || column > selectorColumns_ || digit < 0 || digit > 9) return {};
    if (column == stage_ + 1) return enter(column, digit);
    if (adding() && column == stage_ + 2) {
        chosen_[size_t(column)] = digit;
        written::EntryOutcome c;
        c.taken = true;
        c.prompt = promptAfterCarry(stage_ + 1);
        return c;
    }
    return {};
}

written::EntryOutcome ColumnEntry::enter(int column, int digit)
{
    stage_ = column;
    chosen_[size_t(column)] = digit;
    entered_ += digit * placeUnit(column - 1);
    if (column == 1) answerRow_.clear();
    answerRow_.prepend(QString::number(digit));
    if (column == problem_.places) answerRow_.prepend(u'.');

    const int next = column + 1;
    const int carried = next <= maxColumns ? chosen_[size_t(next)] : 0;
    if (!adding())
        marks_ = problem_.marksThrough(column);
    else if (next <= ownColumns_ && carried > 0)
        marks_.mark[size_t(column)] = 1;

    written::EntryOutcome c;
    c.taken = true;
    if (column == finalColumn()) {
        // A digit chosen beyond the entry's own columns leads the answer.
        if (next > ownColumns_ && next <= selectorColumns_ && carried > 0) {
            answerRow_.prepend(QString::number(carried));
            entered_ += carried * placeUnit(column);
            leading_ = next;
        }
        judged_ = true;
        c.judged = true;
        c.right = right();
        return c;
    }
    c.setUp = openAt(stage_);
    c.prompt = promptAfter(column);
    return c;
}

QList<QPair<int, int>> ColumnEntry::remainingKey() const
{
    QList<QPair<int, int>> key;
    // A wrong column already written cannot be taken back.
    if (judged_ || entered_ != problem_.answer() % placeUnit(stage_)) return key;
    const int last = finalColumn();
    for (int column = stage_ + 1; column <= last; ++column) {
        if (column == last && problem_.answerColumns() > last)
            key.append({last + 1, columnDigit(problem_.answer(), last + 1)});
        key.append({column, columnDigit(problem_.answer(), column)});
    }
    return key;
}

} // namespace kazemaru
