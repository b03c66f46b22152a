#include "lessons/decimals/OnePlaceColumns.h"

#include "frame/Random.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// A tenths digit 1 … 8 after a whole part 0, so that no operand is 0.0; else 0 … 8.
int tenthsDigit(int whole)
{
    return whole == 0 ? Random(8) + 1 : Random(9);
}

bool adding(const ColumnProblem& p)
{
    return p.operation == ColumnOperation::Add;
}

const QString addFirst = u"小数第一位をたした答えを えらんでね！"_s;
const QString subtractFirst = u"小数第一位の答えを えらんでね！"_s;

} // namespace

ColumnProblem drawOnePlaceProblem(int subTopic)
{
    ColumnProblem p;
    if (subTopic != OnePlaceAddition && subTopic != OnePlaceSubtraction) return p;
    Randomize();
    const int size = Random(9);
    int a = 0, b = 0; // whole parts
    if (subTopic == OnePlaceAddition) {
        a = Random(8);
        if (size >= 7) {
            b = Random(70) + 10;
        } else {
            if (!drawUntil([&] { b = Random(8); }, [&] { return a + b <= 8; })) {
                a = 1;
                b = 3;
            }
        }
    } else {
        p.operation = ColumnOperation::Subtract;
        if (size >= 7) {
            a = Random(89) + 10;
            b = Random(9);
        } else {
            a = Random(7) + 2;
            if (!drawUntil([&] { b = Random(7); }, [&] { return a - b >= 2; })) {
                a = 3;
                b = 1;
            }
        }
    }
    p.first = 10 * a + tenthsDigit(a);
    p.second = 10 * b + tenthsDigit(b);
    return p;
}

QString OnePlaceWalk::stepText(int step) const
{
    const int a = columnDigit(problem_.first, 1), b = columnDigit(problem_.second, 1);
    const int A = problem_.first / 10, B = problem_.second / 10;
    const auto n = [](int v) { return QString::number(v); };
    if (step == 1) return setOutText();
    const QString heading = ColumnWalk::heading(step);

    const bool fourSteps = stepCount() == 4;
    if (adding(problem_)) {
        switch (step) {
        case 2:
            return heading + u"　小数第一位の "_s + n(a) + u" と "_s + n(b) +
                   u" を たした数\n　（２けたの時は 一の位の数）を\n　線の下に書き、その左に「．」を書く。\n"
                   u"　（２けたの時は、くり上げたことを \n　上に 小さく書いておく。）"_s;
        case 3:
            if (!fourSteps)
                return heading + u"　一の位の "_s + n(A) + u" と "_s + n(B) +
                       u" と、くり上がりが \n　あれば それも たして 線の下にかく。\n　これで 計算は終わり。"_s;
            return heading + u"　一の位の "_s + n(A) + u" と "_s + n(B % 10) +
                   u" と、くり上がりが \n　あればそれも たした数（２けたの時は \n　一の位の数）を 線の下にかく。\n"
                   u"　（２けたの時は、くり上げたことを \n　上に 小さく書いておく。）"_s;
        default:
            return heading + u"　十の位の "_s + n(B / 10) +
                   u" と 　くり上がりがあれば \n　それも たして 線の下にかく。\n　これで 計算は終わり。"_s;
        }
    }

    const QString borrowed = u"　くり下げた けっか を 上に 小さく\n　書いておく。"_s;
    const QString done = u"\n　これで 計算は終わり。"_s;
    switch (step) {
    case 2:
        if (a >= b)
            return heading + u"　小数第一位の "_s + n(a) + u" から "_s + n(b) +
                   u" を ひいた数を\n　線の下に書き、その左に「．」を書く。"_s;
        if (A % 10 > 0)
            return heading + u"　小数第一位の "_s + n(a) + u" から "_s + n(b) +
                   u" は ひけない\n　ので、一の位から １をくり下げ、\n　"_s + n(a + 10) + u" から "_s + n(b) +
                   u" を ひいた数を 線の下に\n　書き、その左に「．」を書く。\n"_s + borrowed;
        return heading + u"　小数第一位の "_s + n(a) + u" から"_s + n(b) +
               u" はひけず、\n　一の位からは くり下げができないので、\n　十の位から １をくり下げ、\n　"_s + n(a + 10) +
               u" から "_s + n(b) + u" を ひいた数を 線の下に\n　書き、その左に「．」を書く。\n"_s + borrowed;
    case 3: {
        // The ones digit left after the tenths borrowed, if they did.
        const std::optional<int> mark = problem_.marksThrough(1).mark[1];
        const int m = mark.value_or(A % 10);
        const QString from = mark ? u"　くり下げた "_s : u"　一の位の "_s;
        if (fourSteps && m < B)
            return heading + u"　一の位の "_s + n(m) + u" から "_s + n(B) +
                   u" は ひけない\n　ので、十の位から １をくり下げ、\n　"_s + n(m + 10) + u" から "_s + n(B) +
                   u" を ひいた数を 線の下に\n　書く。\n"_s + borrowed;
        return heading + from + n(m) + u" から "_s + n(B) + u" を \n　ひいた数を 線の下に書く。"_s +
               (fourSteps ? QString() : done);
    }
    default: {
        const std::optional<int> tens = problem_.marksThrough(2).mark[2];
        // A borrow that took the only ten leaves nothing to write.
        if (problem_.answer() < 100)
            return heading + u"　くり下げて 十の位は ０ に なったので、\n　線の下には 何も 書かない。"_s + done;
        if (tens) return heading + u"　くり下げた "_s + n(*tens) + u" を 線の下にかく。"_s + done;
        return heading + u"　十の位の "_s + n(A / 10) + u" を 線の下にかく。"_s + done;
    }
    }
}

QString OnePlaceEntry::firstPrompt() const
{
    return adding() ? addFirst : subtractFirst;
}

written::EntryPrompt OnePlaceEntry::promptAfter(int column) const
{
    const bool add = adding();
    if (column == 1) return {add ? u"一の位をたした答えを えらんでね！"_s : u"一の位の答えを えらんでね！"_s};
    return {add ? u"十の位をたした答えを えらんでね！"_s : u"十の位の答えを えらんでね！"_s};
}

written::EntryPrompt OnePlaceEntry::promptAfterCarry(int column) const
{
    // The tenths' carry digit alone writes nothing yet: the tenths are still asked for.
    return {column == 1 ? addFirst : QString()};
}

} // namespace kazemaru
