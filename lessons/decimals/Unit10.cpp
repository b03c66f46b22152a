#include "lessons/decimals/Unit10.h"

#include "app/Palette.h"
#include "app/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {


// The selector of column c is ComboBox(c + 1); weights in tenths.
const SelectorDesign selectorDesigns[] = {
    {4, 832, u"十", 100},
    {3, 856, u"一", 10},
    {2, 904, u"一", 1},
};

const ColumnScreenDesign design{
    .judgeMark = {12, 760, 528, 53, false, colour::red},
    .selectors = selectorDesigns,
    .selectorTop = 224,
    .pointMarkerLeft = 882,
    .figure = ColumnFigureDesign{},
    .memo = QRect(192, 136, 585, 177),
};

} // namespace

TForm10::TForm10(QWidget* parent)
    : ColumnScreen(10, parent, design, memoLines())
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
    button(4)->setEnabled(true);
    return prompt::goOnTight;
}

QString TForm10::missingChoice() const
{
    // Without a sub-topic there is nothing to pose.
    return subTopic() == 0 ? openingPrompt() : QString();
}

std::unique_ptr<ColumnWalk> TForm10::walkOf(const ColumnProblem& problem) const
{
    return std::make_unique<OnePlaceWalk>(problem);
}

std::unique_ptr<ColumnEntry> TForm10::entryOf(const ColumnProblem& problem) const
{
    return std::make_unique<OnePlaceEntry>(problem);
}

} // namespace kazemaru
