#include "lessons/division/Unit6.h"

#include "frame/Prompts.h"
#include "lessons/division/LongDivisionTwoDigit.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

using namespace longdiv;

namespace {

const SelectorDesign selectorDesigns[] = {
    {4, 850, u"百", 100, 0, 28},
    {3, 877, u"十", 10, 0, 28},
    {2, 904, u"一", 1, 0, 28},
    {5, 904, u"商", 1, 0, 28},
};

LongDivisionDesign design()
{
    LongDivisionDesign d;
    d.selectors = selectorDesigns;
    d.quotientSelector = 5;
    d.figure = {.divisor = {QString(), 608, 316, 40, true},
                .dividend = {QString(), twoDigitDividendLeft, 316, 80, false},
                .rows = twoDigitRows(),
                .bracketLeft = 656,
                .bracketWidth = 105,
                .ruleLeft = 664,
                .ruleWidth = 97,
                .arrowLeft = 640};
    d.memoLines = TForm6::memoLines();
    d.memoGeometry = QRect(88, 144, 720, 440);
    d.rules = {twoDigitPlan, twoDigitExampleCount, drawTwoDigitProblem, nullptr};
    return d;
}

} // namespace

// The frame facts: long division by a two-digit divisor.
const FrameFacts& TForm6::frameFacts()
{
    static const FrameFacts f{
        .form = 6,
        .titles = {facts::chapterTitle(u"わり算"_s), facts::lessonTitle(u"２けたで わる（筆算）"_s)},
        .menu = facts::menu({u"２けた ÷ ２けた"_s, u"３けた ÷ ２けた"_s, u"４けた ÷ ２けた"_s}),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenu, 80, 608),
        .picture = u"Image1"_s,
        .pictureLeft = 8,
        .pictureTop = 584,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = longdiv::longDivisionButtons(),
        .memoTop = 144,
    };
    return f;
}

TForm6::TForm6(QWidget* parent)
    : LongDivisionScreen(frameFacts(), design(), parent)
{
}

QStringList TForm6::memoLines()
{
    return {
        QString(),
        u"　【計算のポイント】"_s,
        QString(),
        u"　・３６９２ ÷ ２４ では、わる数（２けたの ２４）と わられる数"_s,
        u"　　の左から２けたの数（３６）を くらべると、３６の方が 大きい"_s,
        u"　　ので、３６ ÷ ２４ の計算をおこない、６ の上に 商の １ を "_s,
        u"　　たてる。"_s,
        QString(),
        u"　・２３４５÷ ２４ では、わる数（２けたの ２４）と わられる数"_s,
        u"　　の左から２けたの数（２３）を くらべると、２３の方が 小さく"_s,
        u"　　て われないので、１つずらし、２３４ ÷ ２４ の 計算を"_s,
        u"　　おこない、４ の上に 商の ９ を たてる。"_s,
        QString(),
        QString(),
        u"　　　　"_s,
    };
}

} // namespace kazemaru
