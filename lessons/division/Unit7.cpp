#include "lessons/division/Unit7.h"

#include "frame/Prompts.h"
#include "lessons/division/LongDivisionThreeDigit.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

using namespace longdiv;

namespace {

const SelectorDesign selectorDesigns[] = {
    {5, 823, u"千", 1000, 0, 28}, {4, 850, u"百", 100, 0, 28}, {3, 877, u"十", 10, 0, 28},
    {2, 904, u"一", 1, 0, 28},    {6, 904, u"商", 1, 0, 28},
};

LongDivisionDesign design()
{
    LongDivisionDesign d;
    d.selectors = selectorDesigns;
    d.quotientSelector = 6;
    d.figure = {.divisor = {QString(), 564, 316, 60, true},
                .dividend = {QString(), threeDigitDividendLeft, 316, 100, false},
                .rows = threeDigitRows(),
                .bracketLeft = 632,
                .bracketWidth = 129,
                .ruleLeft = 640,
                .ruleWidth = 129,
                .arrowLeft = 616};
    d.memoLines = TForm7::memoLines();
    d.memoGeometry = QRect(112, 152, 720, 440);
    // The rows of a test problem follow the shape of its true quotient, whatever the child chooses.
    d.rules = {threeDigitPlan, threeDigitExampleCount, drawThreeDigitProblem, threeDigitCase};
    return d;
}

} // namespace

// The frame facts: long division by a three-digit divisor.
const FrameFacts& TForm7::frameFacts()
{
    static const FrameFacts f{
        .form = 7,
        .titles = {facts::chapterTitle(u"わり算"_s), facts::lessonTitle(u"３けたで わる（筆算）"_s)},
        .menu = facts::menu({u"４けた ÷ ３けた"_s, u"５けた ÷ ３けた"_s}),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenu, 80, 608),
        .picture = u"Image1"_s,
        .pictureLeft = 8,
        .pictureTop = 584,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = longdiv::longDivisionButtons(),
        .memoTop = 152,
    };
    return f;
}

TForm7::TForm7(QWidget* parent)
    : LongDivisionScreen(frameFacts(), design(), parent)
{
}

QStringList TForm7::memoLines()
{
    return {
        QString(),
        u"　【計算のポイント】"_s,
        QString(),
        u"　・３６９２ ÷ ２４５ では、わる数（３けたの ２４５）と "_s,
        u"　　わられる数の左から３けたの数（３６９）を くらべると、"_s,
        u"　　３６９の方が 大きいので、３６９ ÷ ２４５ の計算を"_s,
        u"　　おこない、９ の上に 商の １ を たてる。"_s,
        QString(),
        u"　・２３４５÷ ２４５ では、わる数（３けたの ２４５）と "_s,
        u"　　わられる数の左から３けたの数（２３４）を くらべると、"_s,
        u"　　２３４の方が 小さくて われないので、１つずらし、"_s,
        u"　　２３４５ ÷ ２４５ の 計算をおこない、５ の上に 商の "_s,
        u"　　９ を たてる。"_s,
        u"　　"_s,
    };
}

} // namespace kazemaru
