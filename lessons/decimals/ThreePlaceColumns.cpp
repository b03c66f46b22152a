#include "lessons/decimals/ThreePlaceColumns.h"

#include "frame/Random.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// The name of a decimal place, 1 the first (tenths); 0 the ones.
QString placeName(int place)
{
    static const QString names[] = {u"一の位"_s, u"小数第一位"_s, u"小数第二位"_s, u"小数第三位"_s};
    return names[std::clamp(place, 0, 3)];
}

// The decimal place column `column` writes, 0 for the ones.
int placeOf(const ColumnProblem& p, int column)
{
    return p.places - column + 1;
}

const QString twoDigitsToo = u"\n２けたの時もあるよ！"_s;

} // namespace

ColumnProblem drawThreePlaceProblem(int subTopic, int kind)
{
    ColumnProblem p;
    p.places = 2;
    const bool adding = subTopic == ThreePlaceAddition;
    if ((!adding && subTopic != ThreePlaceSubtraction) || (kind != TwoPlaces && kind != ThreePlaces)) return p;
    p.places = placesOfKind(kind);
    Randomize();
    const int one = placeUnit(p.places); // 1.00 or 1.000
    if (adding) {
        // 1.00 … 9.98 (1.000 … 9.998)
        p.first = Random(9 * one - 1) + one;
        p.second = Random(9 * one - 1) + one;
        return p;
    }
    p.operation = ColumnOperation::Subtract;
    // 1.01 … 9.98 (1.001 … 9.998)
    const auto draw = [&] {
        p.first = Random(9 * one - 2) + one + 1;
        p.second = Random(9 * one - 2) + one + 1;
    };
    if (!drawUntil(draw, [&] { return p.first > p.second; })) {
        p.first = p.places == 2 ? 324 : 3456;
        p.second = p.places == 2 ? 168 : 1687;
    }
    return p;
}

int ThreePlaceWalk::workedColumns() const
{
    // The last step writes the whole part, whatever columns it takes.
    return step_ == stepCount() ? problem_.answerColumns() : ColumnWalk::workedColumns();
}

ColumnMarks ThreePlaceWalk::marks() const
{
    // Carries and borrows are marked for the decimal places only.
    return problem_.marksThrough(std::min(ColumnWalk::workedColumns(), problem_.places));
}

QString ThreePlaceWalk::stepText(int step) const
{
    if (step == 1) return setOutText();
    const QString head = heading(step);
    const bool add = problem_.operation == ColumnOperation::Add;
    if (step == stepCount()) {
        return head +
               (add ? u"　一の位をたし、くり上がりがあれば \n　それも たした数を 線の下にかく。\n"_s
                    : u"　一の位を ひいた数を 線の下に\n　書く。\n"_s) +
               u"　これで 計算は終わり。"_s;
    }
    const QString place = placeName(placeOf(problem_, step - 1));
    const QString carried = u"　（２けたの時は、くり上げたことを \n　上に 小さく書いておく。）"_s;
    if (!add) {
        return head + u"　"_s + place +
               u"を ひいた数を 線の下に\n　書く。\n　（ひけなければ、上の位からくり\n"
               u"　下げてひき、くり下げた けっかを \n　上に 小さく書いておく。）"_s;
    }
    if (step == 2)
        return head + u"　"_s + place + u"を たした数（２けたの\n　時は 一の位の数）を 線の下に書く。\n"_s + carried;
    return head + u"　"_s + place +
           u"をたし、くり上がりが \n　あれば それも たした数（２けた \n　の時は一の位の数）を 線の下にかく。\n"_s +
           carried;
}

QString ThreePlaceEntry::firstPrompt() const
{
    const QString place = placeName(problem().places);
    return adding() ? place + u"を たした数を えらんでね！"_s + twoDigitsToo : place + u"の答えを えらんでね！"_s;
}

written::EntryPrompt ThreePlaceEntry::promptAfter(int column) const
{
    const int next = placeOf(problem(), column) - 1; // the place now due
    if (!adding()) return {placeName(next) + u"の答えを えらんでね！"_s};
    switch (next) {
    case 2: return {u"小数第二位を たした答えを えらんでね！"_s + twoDigitsToo};
    case 1: return {u"小数第一位を たした数を えらんでね！"_s + twoDigitsToo};
    default:
        // Set quietly: the ones complete the answer.
        return {u"一の位を たした数を えらんでね！"_s + twoDigitsToo, false};
    }
}

} // namespace kazemaru
