#pragma once
// Drives a drill screen as a child does: menu, time, "スタート", digits, buttons.
#include "lessons/shared/DrillScreen.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTableView>

namespace kazemaru::test {

inline SimpleComboBox* drillBox(DrillScreen& form, int n)
{
    return child<SimpleComboBox>(&form, QStringLiteral("ComboBox%1").arg(n));
}
inline QAbstractButton* drillButton(DrillScreen& form, int n)
{
    return child<QAbstractButton>(&form, QStringLiteral("CuteButton%1").arg(n));
}
inline QString drillText(DrillScreen& form, const QString& name)
{
    return child<QLabel>(&form, name)->text();
}

// Menu item subTopic − 1, then time item `timeItem` ("　　なし" is 0, "　５ふん" 1, …).
inline void chooseDrill(DrillScreen& form, int subTopic, int timeItem)
{
    drillBox(form, 1)->choose(subTopic - 1);
    drillBox(form, 2)->choose(timeItem);
}

// Chooses `digits` in the selectors `numbers`, in that order.
inline void chooseDigits(DrillScreen& form, std::initializer_list<int> numbers, std::initializer_list<int> digits)
{
    auto d = digits.begin();
    for (int n : numbers)
        drillBox(form, n)->choose(*d++);
}

// Presses "けっか": true when the result grid then shows `model` at `place`, over the problem area.
inline bool resultGridShown(DrillScreen& form, const QAbstractItemModel* model, const QRect& place)
{
    drillButton(form, 6)->click();
    const auto* grid = child<QTableView>(&form, QStringLiteral("DBGrid1"));
    return grid->isVisible() && grid->geometry() == place && grid->model() == model;
}

// The division drill: the quotient digits, then the remainder digits; the remainder's ones record
// the answer.
inline void answerDrill(DrillScreen& form, int quotient, int remainder)
{
    chooseDigits(form, {8, 7, 6, 5, 4, 3},
                 {quotient / 100 % 10, quotient / 10 % 10, quotient % 10, remainder / 100 % 10, remainder / 10 % 10,
                  remainder % 10});
}

// Answers the posed problem through the screen's answer key; a wrong answer changes the judging digit.
inline void answerPosed(DrillScreen& form, bool right)
{
    QList<QPair<int, int>> key = test::Probe::answerKey(form);
    if (!right) key.back().second = (key.back().second + 1) % 10;
    for (const auto& [number, digit] : key)
        drillBox(form, number)->choose(digit);
}

} // namespace kazemaru::test
