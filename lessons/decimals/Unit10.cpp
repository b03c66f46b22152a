#include "lessons/decimals/Unit10.h"

#include "frame/Palette.h"
#include "frame/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// The selector of column c is ComboBox(c + 1); weights in tenths.
const SelectorDesign selectorDesigns[] = {
    {4, 832, u"十", 100},
    {3, 856, u"一", 10},
    {2, 904, u"一", 1},
};

ColumnScreenDesign design()
{
    // Built on first use: the shared label designs are made before it.
    static const LabelDesign labels[] = {columnProblemLine, columnStepText, {12, 760, 528, 53, false, colour::red}};
    return {
        .labels = labels,
        .judgeMark = 12,
        .selectors = selectorDesigns,
        .selectorTop = 224,
        .pointMarkerLeft = 882,
        .figure = ColumnFigureDesign{},
        .memoLines = TForm10::memoLines(),
        .memo = QRect(192, 136, 585, 177),
    };
}

} // namespace

// The frame facts: decimal addition and subtraction, one place.
const FrameFacts& TForm10::frameFacts()
{
    static const FrameFacts f{
        .form = 10,
        .titles = {facts::chapterTitle(u"小数のたし算・ひき算１"_s), facts::lessonTitle(u"ひっ算"_s, 448)},
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

TForm10::TForm10(QWidget* parent)
    : ColumnScreen(frameFacts(), design(), parent)
{
}

QStringList TForm10::memoLines()
{
    return {
        QString(),
        u"　【ひっ算のしかた】"_s,
        QString(),
        u"　・もんだいを、タテに 小数点を そろえて 書けば、"_s,
        u"　　あとは、小数点のことは気にせずに、整数の"_s,
        u"　　たし算・ひき算と同じやり方で計算すればいいよ。"_s,
    };
}

QString TForm10::menuChosen()
{
    button(nextButton)->setEnabled(true);
    return prompt::goOnTight;
}

std::unique_ptr<ColumnWalk> TForm10::walkFor(const ColumnProblem& problem) const
{
    return std::make_unique<OnePlaceWalk>(problem);
}

std::unique_ptr<ColumnEntry> TForm10::entryFor(const ColumnProblem& problem) const
{
    return std::make_unique<OnePlaceEntry>(problem);
}

} // namespace kazemaru
