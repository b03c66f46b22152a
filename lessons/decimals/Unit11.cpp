#include "lessons/decimals/Unit11.h"

#include "frame/Palette.h"
#include "frame/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// The answer's places, weighed in thousandths whatever the problem's places.
const SelectorDesign selectorDesigns[] = {
    {7, 784, u"十", 10000}, {6, 808, u"一", 1000}, {5, 856, u"一", 100}, {4, 880, u"二", 10}, {3, 904, u"三", 1},
};

ColumnScreenDesign design()
{
    // Built on first use: the shared label designs are made before it.
    static const LabelDesign labels[] = {columnProblemLine, columnStepText, {15, 752, 536, 53, false, colour::red}};
    return {
        .labels = labels,
        .judgeMark = 15,
        .selectors = selectorDesigns,
        .selectorTop = 224,
        .pointMarkerLeft = 834,
        .figure = ColumnFigureDesign{.places = 2,
                                     .right = 744,
                                     .rowWidth = 144,
                                     .answerWidth = 176,
                                     .sign = {576, 400},
                                     .rule = {560, 444, 209, 2},
                                     .marks = 3},
        .memoLines = TForm11::memoLines(),
        .memo = QRect(192, 136, 585, 161),
    };
}

const MenuFact problemMenu{
    .name = u"ComboBox2"_s, .field = u" もんだい"_s, .items = {u"小数第二位"_s, u"小数第三位"_s}, .top = 128};

} // namespace

// The frame facts: decimal addition and subtraction, up to three places.
const FrameFacts& TForm11::frameFacts()
{
    static const FrameFacts f{
        .form = 11,
        .titles = {facts::chapterTitle(u"小数のたし算・ひき算２"_s), facts::lessonTitle(u"ひっ算"_s, 448)},
        .menu = facts::menu({u"たし算"_s, u"ひき算"_s}, u"メニュー"_s),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenuTight),
        .picture = u"Image3"_s,
        .promptAfterJudging = prompt::goOnTight,
        .quitQuestion = facts::mayQuitTight,
        .buttons = columnButtons(),
        .memoTop = 136,
    };
    return f;
}

TForm11::TForm11(QWidget* parent)
    : ColumnScreen(frameFacts(), design(), parent)
{
    problemMenu_ = addMenu(problemMenu);
    problemMenu_->hide();
}

QStringList TForm11::memoLines()
{
    return {
        QString(),
        u"　【ひっ算のしかた】"_s,
        QString(),
        u"　・もんだいを、タテに 小数点を そろえて 書けば、"_s,
        u"　　あとは、小数第二位でも第三位でも、小数点の"_s,
        u"　　ことは気にせずに、整数のたし算・ひき算と同じ"_s,
        u"　　やり方で計算すればいいよ。"_s,
        u"　　"_s,
    };
}

void TForm11::FormCreate()
{
    ColumnScreen::FormCreate();
    problemMenu_->hide();
}

QString TForm11::menuChosen()
{
    problemMenu_->show();
    return prompt::chooseProblem;
}

void TForm11::ComboBox2Change()
{
    const int index = problemMenu_->itemIndex();
    if (index < 0) return;
    // A problem drawn for the other number of places is not read with these.
    screenReset();
    kind_ = index + 1;
    button(nextButton)->setEnabled(true);
    promptBlink(prompt::goOnTight);
    playCue(cue::choice);
}

QString TForm11::missingChoice() const
{
    if (subTopic() == 0) return openingPrompt();
    return kind_ == 0 ? prompt::chooseProblem : QString();
}

std::unique_ptr<ColumnWalk> TForm11::walkFor(const ColumnProblem& problem) const
{
    return std::make_unique<ThreePlaceWalk>(problem);
}

std::unique_ptr<ColumnEntry> TForm11::entryFor(const ColumnProblem& problem) const
{
    return std::make_unique<ThreePlaceEntry>(problem);
}

AnswerFacts TForm11::judgedAnswer() const
{
    AnswerFacts answer = ColumnScreen::judgedAnswer();
    // The problem menu's item that poses problems of these places ("小数第二位", "小数第三位").
    for (int kind : {TwoPlaces, ThreePlaces})
        if (placesOfKind(kind) == problem().places) answer.kind = problemMenu.items.value(kind - 1);
    return answer;
}

void TForm11::digitChosen(int selector)
{
    const int column = selector - 5 + problem().places;
    if (column >= 1) columnChosen(column);
}

} // namespace kazemaru
