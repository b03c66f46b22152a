#pragma once
// Arithmetic of the decimal drill (TForm12): the problem generator of its four kinds, the
// selectors each problem uses, judging an answer and the result row it stores. Problems are
// drawn from the program's one random generator, in a fixed order of draws.
#include "lessons/decimals/ColumnProblem.h"

#include <QVariantList>

namespace kazemaru {

// Sub-topics of the menu: 1 addition with one place, 2 addition with two or three places,
// 3 subtraction with one place, 4 subtraction with two or three places.
inline constexpr int decimalDrillSubTopics = 4;

// Reseeds the generator, draws the size (Random(9)), then the first and the second number of the
// sub-topic's kind. Sums stay below 100 and differences at least one unit, so every answer fits
// the selectors. Outside 1 … 4 nothing is drawn and the problem is 0.0 + 0.0.
ColumnProblem drawDecimalDrillProblem(int subTopic);

// The answer's selectors, left to right: tens ComboBox7, ones ComboBox6, then the decimal places
// ComboBox5, ComboBox4, ComboBox3. A problem with p places uses the first p decimal ones.
inline constexpr int decimalTensSelector = 7;
bool decimalDrillSelectorInUse(int places, int selector);
// The selector of the problem's last decimal place, whose choice records the answer.
inline int decimalDrillRecordingSelector(int places)
{
    return 6 - places;
}

// The kind of problem within the menu items of two or three places, named as the places are
// named there: "小数第二位" or "小数第三位"; empty for one place.
QString decimalDrillKind(const ColumnProblem& p);

// The dorills row of an answer, values by field position: NB, MND ("　3.2 - 1.6"),
// KAI ("　1.6"), KOT (the entered units written the same way), HNT ("　○" or "　×").
QVariantList decimalDrillRow(int problemNumber, const ColumnProblem& p, int enteredUnits);

} // namespace kazemaru
