#include "lessons/decimals/Unit10.h"

#include "app/Palette.h"
#include "app/Prompts.h"

#include <QListWidget>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Problem line, step text and judge mark.
const LabelDesign labelDesigns[] = {
    {4, 120, 176, 40, false, colour::navy},
    {5, 120, 256, 24, true, colour::teal},
    {12, 760, 528, 53, false, colour::red},
};

// The selector of column c is ComboBox(c + 1); weights in tenths.
const SelectorDesign selectorDesigns[] = {
    {4, 832, u"十", 100},
    {3, 856, u"一", 10},
    {2, 904, u"一", 1},
};
constexpr int selectorTop = 224;

int selectorOf(int column)
{
    return column + 1;
}

} // namespace

TForm10::TForm10(QWidget* parent)
    : LessonScreen(10, parent)
    , figure_(this, ColumnFigureDesign{})
{
    addLabels(labelDesigns);
    setJudgeMark(label(12));
    // The decimal point marker between the ones and the tenths selector.
    addLabel(u"Label13"_s, u"小"_s, 882, selectorTop, 19, false, colour::navy)->hide();

    // The eighth item carries an ideographic space after its digit.
    QStringList items = digitItems();
    items[7] = u"７　"_s;
    addDigitSelectors(selectorDesigns, selectorTop);
    for (const SelectorDesign& s : selectorDesigns) {
        SimpleComboBox* box = selector(s.number);
        box->setItems(items);
        box->list()->setTextElideMode(Qt::ElideNone);
    }
    setMemoLines(memoLines(), QRect(192, 136, 585, 177));
    // Six short lines: a larger hand than the frame's fills the box and reads easily.
    QFont memoFont = memo()->font();
    memoFont.setPixelSize(18);
    memo()->setFont(memoFont);
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

void TForm10::screenReset()
{
    LessonScreen::screenReset();
    walk_.reset();
    entry_.reset();
    label(4)->setText(QString());
    label(5)->setText(QString());
    figure_.clear();
    label(13)->hide();
    hideSelectors(selectorDesigns);
    button(5)->setEnabled(false);
    // An interrupted walk starts again at step 1.
    button(5)->setText(written::stepCaption(1));
}

QString TForm10::menuChosen()
{
    button(4)->setEnabled(true);
    return prompt::goOnTight;
}

QString TForm10::testEntered()
{
    // Without a sub-topic there is nothing to pose.
    if (subTopic() == 0) return openingPrompt();
    button(4)->setEnabled(true);
    return prompt()->text();
}

QString TForm10::studyEntered()
{
    return subTopic() == 0 ? openingPrompt() : prompt()->text();
}

QString TForm10::nextInStudy()
{
    if (subTopic() == 0) return openingPrompt();
    problem_ = drawOnePlaceProblem(subTopic());
    walk_.emplace(problem_);
    button(5)->setEnabled(true);
    return u"「ステップ」ボタンですすめてね！"_s;
}

QString TForm10::nextInTest()
{
    if (subTopic() == 0) return openingPrompt();
    problem_ = drawOnePlaceProblem(subTopic());
    entry_.emplace(problem_);
    label(4)->setText(problem_.questionText());
    figure_.showProblem(problem_);
    selectorSetUp(entry_->firstOpen());
    return entry_->firstPrompt();
}

void TForm10::CuteButton5Click()
{
    if (!walk_) return;
    const written::StepShown shown = walk_->nextStep();
    figure_.showProblem(problem_);
    figure_.setAnswerRow(walk_->answerRow());
    figure_.showMarks(walk_->marks());
    const written::StepReaction reaction = written::showStep(shown, {label(5), label(4), button(5), button(4)});
    label(4)->fit(); // set through QLabel, which does not size the box to the text
    label(5)->fit();
    // The example can be walked again from step 1.
    button(5)->setEnabled(true);
    playCue(reaction.cue);
    promptBlink(reaction.prompt);
}

void TForm10::selectorSetUp(OpenColumns open)
{
    for (const SelectorDesign& s : selectorDesigns) {
        SimpleComboBox* box = selector(s.number);
        box->show();
        box->setEnabled(open & openColumn(s.number - 1));
    }
    clearSelectors(selectorDesigns);
    label(13)->setText(u"小\n数\n点"_s);
    label(13)->show();
}

void TForm10::columnChosen(int column)
{
    const int digit = selector(selectorOf(column))->itemIndex();
    if (!entry_ || digit < 0) return;
    const ColumnChoice choice = entry_->choose(column, digit);
    if (!choice.taken) return;
    if (choice.entersColumn) takeDigit(selectorOf(column));
    figure_.setAnswerRow(entry_->answerRow());
    figure_.showMarks(entry_->marks());
    if (choice.judged) {
        label(4)->setText(problem_.equationText());
        // The answer is complete: nothing more is taken until the next problem.
        for (const SelectorDesign& s : selectorDesigns)
            selector(s.number)->setEnabled(false);
        judge(entered().value() == problem_.answer());
        return;
    }
    if (choice.setUp) selectorSetUp(choice.open);
    if (!choice.prompt.isEmpty()) promptBlink(choice.prompt);
    playCue(cue::digit);
}

QList<QPair<int, int>> TForm10::answerKey() const
{
    QList<QPair<int, int>> key;
    if (!entry_) return key;
    for (const auto& [column, digit] : entry_->remainingKey())
        key.append({selectorOf(column), digit});
    return key;
}

} // namespace kazemaru
