#include "lessons/division/Unit4.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

using namespace longdiv;

namespace {

const SelectorDesign selectorDesigns[] = {
    {3, 880, u"十", 10},
    {2, 904, u"一", 1},
    {4, 904, u"商"},
};

} // namespace

TForm4::TForm4(QWidget* parent)
    : LongDivisionScreen(4, design(), parent)
{
}

LongDivisionDesign TForm4::design()
{
    LongDivisionDesign d;
    d.selectors = selectorDesigns;
    d.quotientSelector = 4;
    d.figure = figureDesign({QString(), 672, 316, 20, false}, {QString(), oneDigitColumn1, 316, 60, false},
                            oneDigitRows(), 696, 105, 704, 97, 680);
    d.memoLines = memoLines();
    d.memoGeometry = QRect(104, 128, 720, 456); // down to 584: over the restore button too
    d.memoPixelSize = 13;                       // all 33 lines fit in the box without scrolling
    return d;
}

std::unique_ptr<ExampleWalk> TForm4::makeWalk(Figure& figure, int subTopic, int example)
{
    return std::make_unique<OneDigitWalk>(figure, subTopic, example);
}

Problem TForm4::drawProblem(int subTopic)
{
    return drawOneDigitProblem(subTopic);
}

std::unique_ptr<WrittenEntry> TForm4::makeEntry(Figure& figure, int subTopic, const Problem& problem)
{
    return std::make_unique<OneDigitEntry>(figure, subTopic, problem);
}

void TForm4::placeForStart(Figure& figure)
{
    placeRegularStart(figure);
}

void TForm4::placeAfterMenu(Figure& figure)
{
    placeRegularStart(figure);
    figure.place(Row::Difference2, oneDigitColumn2);
}

void TForm4::placeForRestore(Figure& figure)
{
    placeAfterMenu(figure);
}

QStringList TForm4::memoLines()
{
    return {
        QString(),
        u"　【計算のポイント】"_s,
        QString(),
        u"　・58 ÷ 4 = 14  あまり 2"_s,
        QString(),
        u"　　上のわり算では、 14 を 「商」、 2 を 「あまり」 というよ。"_s,
        QString(),
        u"　・わられる数の 大きい位から じゅんに わり算を すすめて"_s,
        u"　　いくよ。"_s,
        QString(),
        u"　・それぞれのわり算では、あまりが わる数より 小さくなる"_s,
        u"　　ように 答えを きめてね。"_s,
        QString(),
        u"　・それぞれのわり算で、わられる数が わる数より 小さい時は、"_s,
        u"　　答が たつ位を 次に すすめて、２けたの数にして われば"_s,
        u"　　いいよ。"_s,
        u"　"_s,
        u"　・それぞれのわり算で、答えに ０ が たつ時は、「わる数 ｘ ０」"_s,
        u"　　の計算は はぶいていいよ。"_s,
        QString(),
        QString(),
        u"　【答えのたしかめ】"_s,
        QString(),
        u"　　58 ÷ 4 = 14  あまり 2"_s,
        QString(),
        u"　　上のわり算の 答えを たしかめるには、下のように、"_s,
        QString(),
        u"　　わる数に 商を かけ、あまりを たした数が 割られる数に"_s,
        QString(),
        u"　　なればいいよ。"_s,
        QString(),
        u"　　4 x 14 + 2 = 58 "_s,
        QString(),
    };
}

} // namespace kazemaru
