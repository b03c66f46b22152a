#include "lessons/decimals/Unit12.h"

#include "frame/Palette.h"
#include "frame/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Tens, ones, then the first, second and third decimal places. The weights read the places of a
// three-place answer; fewer places leave the lower selectors unused and at 0.
const SelectorDesign selectorTable[] = {
    {7, 784, u"十", 10000}, {6, 808, u"一", 1000}, {5, 856, u"一", 100}, {4, 880, u"二", 10}, {3, 904, u"三", 1},
};

constexpr int pointMarker = 9; // between the ones and the tenths selector

DrillDesign decimalDrillDesign()
{
    return {.table = DrillTable::Decimal,
            .selectors = selectorTable,
            .selectorTop = 280,
            .grid = QRect(230, 112, 491, 401),
            .answerPrompt = u"答えを 大きい位から じゅんに えらんでね！"_s,
            .nextPrompt = u"答え を、大きい位から じゅんに えらんでね！"_s,
            .emptyStatusBar = false};
}

} // namespace

// The frame facts: decimal drill.
const FrameFacts& TForm12::frameFacts()
{
    static const FrameFacts f{
        .form = 12,
        .titles = {facts::chapterTitle(u"小数の計算のドリル"_s, 360)},
        .menu = {.field = u"　         メニュー"_s,
                 .items = {u"たし算（小数第一位）"_s, u"たし算（小数第二・三位）"_s, u"ひき算（小数第一位）"_s,
                           u"ひき算（小数第二・三位）"_s},
                 .left = 696,
                 .width = 234,
                 .height = 113},
        .prompt = facts::promptLine(u"Label2"_s, prompt::chooseMenuTight, 72, 608),
        .picture = u"Image1"_s,
        .blinkInterval = 1000,
        .promptAfterJudging = prompt::goOnTight,
        .quitQuestion = facts::mayQuitTight,
        .buttons = drillButtons(),
        .memoTop = std::nullopt,
    };
    return f;
}

TForm12::TForm12(TDataModule1* data, QWidget* parent)
    : DrillScreen(frameFacts(), decimalDrillDesign(), data, parent)
{
    // The decimal point marker between the ones and the first decimal place.
    addLabel(u"Label%1"_s.arg(pointMarker), u"小\n数\n点"_s, 834, 280, 19, false, colour::navy)->hide();
}

QString TForm12::poseProblem()
{
    problem_ = drawDecimalDrillProblem(subTopic());
    return problem_.questionText();
}

bool TForm12::selectorInUse(int number) const
{
    return decimalDrillSelectorInUse(problem_.places, number);
}

bool TForm12::recordsAnswer(int number) const
{
    return number == decimalDrillRecordingSelector(problem_.places);
}

DrillAnswer TForm12::judgeAnswer() const
{
    const int units = entered().value() / placeUnit(maxPlaces - problem_.places);
    return {units == problem_.answer(),
            decimalDrillRow(problemCounter(), problem_, units),
            {.problem = problem_.questionText(),
             .given = decimalText(units, problem_.places),
             .expected = problem_.answerText(),
             .kind = decimalDrillKind(problem_)}};
}

void TForm12::selectorsSetUp()
{
    label(pointMarker)->show();
}

QList<QPair<int, int>> TForm12::answerKey() const
{
    if (!running()) return {};
    QList<QPair<int, int>> key;
    const int thousandths = problem_.answer() * placeUnit(maxPlaces - problem_.places);
    for (const auto& choice : choicesFor(selectorTable, 0, thousandths))
        if (selectorInUse(choice.first)) key.append(choice);
    return key;
}

} // namespace kazemaru
