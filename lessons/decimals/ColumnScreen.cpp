#include "lessons/decimals/ColumnScreen.h"

#include "app/Palette.h"
#include "app/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// The problem line and the step text.
const LabelDesign labelDesigns[] = {
    {4, 120, 176, 40, false, colour::navy},
    {5, 120, 256, 24, true, colour::teal},
};

} // namespace

ColumnScreen::ColumnScreen(int form, QWidget* parent, const ColumnScreenDesign& design, const QStringList& memoLines)
    : LessonScreen(form, parent)
    , selectors_(design.selectors)
    , figure_(this, design.figure)
{
    addLabels(labelDesigns);
    addLabels({&design.judgeMark, 1});
    setJudgeMark(label(design.judgeMark.number));
    addLabel(u"Label13"_s, u"小"_s, design.pointMarkerLeft, design.selectorTop, 19, false, colour::navy)->hide();

    addDigitSelectors(selectors_, design.selectorTop);
    spaceTheSevens(selectors_);
    // Short lines: a larger hand than the frame's fills the box and reads easily.
    setMemoLines(memoLines, design.memo, 18);
}

void ColumnScreen::screenReset()
{
    LessonScreen::screenReset();
    walk_.reset();
    entry_.reset();
    label(4)->setText(QString());
    label(5)->setText(QString());
    figure_.clear();
    label(13)->hide();
    hideSelectors(selectors_);
    button(5)->setEnabled(false);
    // An interrupted walk starts again at step 1.
    button(5)->setText(written::stepCaption(1));
}

// The mode button leaves the prompt line as it is: a null prompt.
QString ColumnScreen::testEntered()
{
    if (missingChoice().isEmpty()) button(4)->setEnabled(true);
    return QString();
}

QString ColumnScreen::studyEntered()
{
    return QString();
}

QString ColumnScreen::nextInStudy()
{
    const QString missing = missingChoice();
    if (!missing.isEmpty()) return missing;
    problem_ = drawProblem();
    walk_ = walkOf(problem_);
    // The example's problem stands above it from the start; the figure waits for step 1.
    label(4)->setText(problem_.questionText());
    button(5)->setEnabled(true);
    return prompt::goOnStep;
}

QString ColumnScreen::nextInTest()
{
    const QString missing = missingChoice();
    if (!missing.isEmpty()) return missing;
    problem_ = drawProblem();
    entry_ = entryOf(problem_);
    label(4)->setText(problem_.questionText());
    figure_.showProblem(problem_);
    selectorSetUp(entry_->firstOpen());
    return entry_->firstPrompt();
}

void ColumnScreen::CuteButton5Click()
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

void ColumnScreen::selectorSetUp(OpenColumns open)
{
    for (const SelectorDesign& s : selectors_) {
        selector(s.number)->show();
        selector(s.number)->setEnabled(false);
    }
    for (int column = 1; column <= maxColumns; ++column)
        if (open & openColumn(column)) selector(selectorOf(column))->setEnabled(true);
    clearSelectors(selectors_);
    label(13)->setText(u"小\n数\n点"_s);
    label(13)->show();
}

void ColumnScreen::columnChosen(int column)
{
    const int digit = selector(selectorOf(column))->itemIndex();
    if (!entry_ || digit < 0) return;
    const ColumnChoice choice = entry_->choose(column, digit);
    if (!choice.taken) return;
    if (choice.entersColumn) takeDigit(selectorOf(column));
    if (choice.leadingColumn > 0) takeDigit(selectorOf(choice.leadingColumn));
    figure_.setAnswerRow(entry_->answerRow());
    figure_.showMarks(entry_->marks());
    if (choice.judged) {
        label(4)->setText(problem_.equationText());
        // The answer is complete: nothing more is taken until the next problem.
        for (const SelectorDesign& s : selectors_)
            selector(s.number)->setEnabled(false);
        judge(entry_->right());
        return;
    }
    if (choice.setUp) selectorSetUp(choice.open);
    if (!choice.prompt.text.isEmpty()) {
        if (choice.prompt.blink)
            promptBlink(choice.prompt.text);
        else
            prompt()->setText(choice.prompt.text);
    }
    playCue(cue::digit);
}

QList<QPair<int, int>> ColumnScreen::answerKey() const
{
    QList<QPair<int, int>> key;
    if (!entry_) return key;
    for (const auto& [column, digit] : entry_->remainingKey())
        key.append({selectorOf(column), digit});
    return key;
}

} // namespace kazemaru
