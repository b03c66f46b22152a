#include "lessons/decimals/DecimalDrill.h"

#include "frame/Random.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Draws first, then second, again while `fits` rejects the pair, at most maxRedraws
// pairs in all; the fixed problem when the last pair still does not fit.
template <typename Draw, typename Fits>
void drawPair(ColumnProblem& p, Draw draw, Fits fits, int fallbackFirst, int fallbackSecond)
{
    const bool found = drawUntil(
        [&] {
            p.first = draw.first();
            p.second = draw.second();
        },
        [&] { return fits(p); });
    if (found) return;
    p.first = fallbackFirst;
    p.second = fallbackSecond;
}

struct Ranges {
    int firstCount, firstLow, secondCount, secondLow;
    int first() const { return Random(firstCount) + firstLow; }
    int second() const { return Random(secondCount) + secondLow; }
};

bool greaterFirst(const ColumnProblem& p)
{
    return p.first > p.second;
}

} // namespace

ColumnProblem drawDecimalDrillProblem(int subTopic)
{
    ColumnProblem p;
    if (subTopic < 1 || subTopic > decimalDrillSubTopics) return p;
    Randomize();
    const int a = Random(9);
    p.operation = subTopic <= 2 ? ColumnOperation::Add : ColumnOperation::Subtract;
    switch (subTopic) {
    case 1:
        if (a <= 7) {
            p.first = Random(98) + 1;
            p.second = Random(98) + 1;
        } else {
            // A sum of 100.0 or more would not fit the selectors, whose highest place is the tens.
            drawPair(
                p, Ranges{898, 101, 98, 1}, [](const ColumnProblem& q) { return q.answer() < 1000; }, 456, 32);
        }
        break;
    case 2:
        p.places = a <= 4 ? 2 : 3;
        p.first = p.places == 2 ? Random(899) + 100 : Random(8999) + 1000;
        p.second = p.places == 2 ? Random(899) + 100 : Random(8999) + 1000;
        break;
    case 3:
        if (a <= 7) {
            drawPair(p, Ranges{88, 11, 87, 2}, greaterFirst, 32, 16);
        } else {
            p.first = Random(898) + 101;
            p.second = Random(88) + 11;
        }
        break;
    default:
        p.places = a <= 4 ? 2 : 3;
        if (p.places == 2)
            drawPair(p, Ranges{2900, 100, 898, 101}, greaterFirst, 324, 168);
        else
            drawPair(p, Ranges{29000, 1000, 8998, 1001}, greaterFirst, 3456, 1687);
        break;
    }
    return p;
}

bool decimalDrillSelectorInUse(int places, int selector)
{
    return selector > decimalTensSelector ? false : selector >= decimalDrillRecordingSelector(places);
}

QString decimalDrillKind(const ColumnProblem& p)
{
    switch (p.places) {
    case 2: return u"小数第二位"_s;
    case 3: return u"小数第三位"_s;
    default: return {};
    }
}

QVariantList decimalDrillRow(int problemNumber, const ColumnProblem& p, int enteredUnits)
{
    const bool right = enteredUnits == p.answer();
    return {problemNumber, u"　"_s + p.text(), u"　"_s + p.answerText(), u"　"_s + decimalText(enteredUnits, p.places),
            right ? u"　○"_s : u"　×"_s};
}

} // namespace kazemaru
