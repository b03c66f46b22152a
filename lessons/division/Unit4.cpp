#include "lessons/division/Unit4.h"

#include "frame/Prompts.h"
#include "lessons/division/LongDivisionOneDigit.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

using namespace longdiv;

namespace {

const SelectorDesign selectorDesigns[] = {
    {3, 880, u"十", 10},
    {2, 904, u"一", 1},
    {4, 904, u"商"},
};

LongDivisionDesign design()
{
    LongDivisionDesign d;
    d.selectors = selectorDesigns;
    d.quotientSelector = 4;
    d.figure = {.divisor = {QString(), 672, 316, 20, false},
                .dividend = {QString(), oneDigitColumn1, 316, 60, false},
                .rows = oneDigitRows(),
                .bracketLeft = 696,
                .bracketWidth = 105,
                .ruleLeft = 704,
                .ruleWidth = 97,
                .arrowLeft = 680};
    d.memoLines = TForm4::memoLines();
    d.memoGeometry = QRect(104, 128, 720, 456); // down to 584: over the restore button too
    d.memoPixelSize = 13;                       // all 33 lines fit in the box without scrolling
    d.rules = {oneDigitPlan, oneDigitExampleCount, drawOneDigitProblem, nullptr};
    return d;
}

} // namespace

// The frame facts: long division by a one-digit divisor.
const FrameFacts& TForm4::frameFacts()
{
    static const FrameFacts f{
        .form = 4,
        .titles = {facts::chapterTitle(u"わり算"_s), facts::lessonTitle(u"１けたで わる（筆算）"_s)},
        .menu = facts::menu({u"２けた ÷ １けた"_s, u"３けた ÷ １けた"_s}),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenu),
        .picture = u"Image1"_s,
        .pictureLeft = 8,
        .pictureTop = 584,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = longdiv::longDivisionButtons(),
        .memoTop = 128,
        .runsShowAtCreation = true,
    };
    return f;
}

TForm4::TForm4(QWidget* parent)
    : LongDivisionScreen(frameFacts(), design(), parent)
{
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
