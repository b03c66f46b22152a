#include "lessons/division/Unit8.h"

#include "frame/Prompts.h"
#include "lessons/division/DivisionAnswer.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Quotient hundreds, tens, ones, then remainder hundreds, tens, ones (あ ま り), left to right.
const SelectorDesign selectorTable[] = {
    {8, 728, u"商", 100, 0, 31}, {7, 760, u"商", 10, 0, 31}, {6, 792, u"商", 1, 0, 31},
    {5, 832, u"あ", 100, 1, 31}, {4, 864, u"ま", 10, 1, 31}, {3, 896, u"り", 1, 1, 31},
};

const QString answerPrompt =
    u"商 と あまり を、大きい位から じゅんに えらんでね！\nあまりなしでも ０ を えらんでね！"_s;

DrillDesign divisionDrillDesign()
{
    return {.table = DrillTable::Division,
            .selectors = selectorTable,
            .selectorTop = 280,
            .grid = QRect(150, 112, 619, 401),
            .answerPrompt = answerPrompt,
            .nextPrompt = answerPrompt,
            .emptyStatusBar = true};
}

} // namespace

// The frame facts: division drill.
const FrameFacts& TForm8::frameFacts()
{
    static const FrameFacts f{
        .form = 8,
        .titles = {facts::chapterTitle(u"わり算のドリル"_s, 360)},
        .menu = {.field = u"　メニュー"_s,
                 .items = {u"１けたでわる"_s, u"２けたでわる"_s, u"３けたでわる"_s},
                 .left = 800,
                 .width = 130},
        .prompt = facts::promptLine(u"Label2"_s, prompt::chooseMenuTight, 72, 608),
        .picture = u"Image1"_s,
        .blinkInterval = 1000,
        .promptAfterJudging = prompt::goOnTight,
        .quitQuestion = facts::mayQuitTight,
        .buttons = drillButtons(),
        .memoTop = std::nullopt,
        .showCue = cue::digit,
    };
    return f;
}

TForm8::TForm8(TDataModule1* data, QWidget* parent)
    : DrillScreen(frameFacts(), divisionDrillDesign(), data, parent)
{
}

QString TForm8::poseProblem()
{
    problem_ = drawDivisionDrillProblem(subTopic());
    return divisionDrillQuestionText(problem_);
}

DrillAnswer TForm8::judgeAnswer() const
{
    const int quotient = entered(0).value();
    const int remainder = entered(1).value();
    return {divisionDrillRight(problem_, quotient, remainder),
            divisionDrillRow(problemCounter(), problem_, quotient, remainder),
            {.problem = divisionDrillQuestionText(problem_),
             .given = quotientWithRemainder(quotient, remainder),
             .expected = quotientWithRemainder(problem_.quotient(), problem_.remainder())}};
}

QList<QPair<int, int>> TForm8::answerKey() const
{
    if (!running() || problem_.divisor == 0) return {};
    return choicesFor(selectorTable, 0, problem_.quotient()) + choicesFor(selectorTable, 1, problem_.remainder());
}

} // namespace kazemaru
