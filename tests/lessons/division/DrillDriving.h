#pragma once
// Drives the division drill as a child does: menu, time, "スタート", digits, buttons.
#include "lessons/division/Unit8.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>

namespace kazemaru::test {

inline SimpleComboBox* drillBox(TForm8& form, int n)
{
    return child<SimpleComboBox>(&form, QStringLiteral("ComboBox%1").arg(n));
}
inline QAbstractButton* drillButton(TForm8& form, int n)
{
    return child<QAbstractButton>(&form, QStringLiteral("CuteButton%1").arg(n));
}
inline QString drillText(TForm8& form, const QString& name)
{
    return child<QLabel>(&form, name)->text();
}

// Menu item subTopic − 1, then time item `timeItem` ("　　なし" is 0, "　５ふん" 1, …).
inline void chooseDrill(TForm8& form, int subTopic, int timeItem)
{
    drillBox(form, 1)->choose(subTopic - 1);
    drillBox(form, 2)->choose(timeItem);
}

// Enters the quotient digits, then the remainder digits; the remainder's ones record the answer.
inline void answerDrill(TForm8& form, int quotient, int remainder)
{
    drillBox(form, 8)->choose(quotient / 100 % 10);
    drillBox(form, 7)->choose(quotient / 10 % 10);
    drillBox(form, 6)->choose(quotient % 10);
    drillBox(form, 5)->choose(remainder / 100 % 10);
    drillBox(form, 4)->choose(remainder / 10 % 10);
    drillBox(form, 3)->choose(remainder % 10);
}

} // namespace kazemaru::test
