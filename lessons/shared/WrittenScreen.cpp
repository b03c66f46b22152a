#include "lessons/shared/WrittenScreen.h"

#include "frame/CuePlayer.h"

namespace kazemaru {

WrittenScreen::WrittenScreen(const FrameFacts& facts, const WrittenDesign& design, QWidget* parent)
    : LessonScreen(facts, parent)
    , design_(design)
{
    addLabels(design.labels);
    setJudgeMark(label(design.judgeMark));
    addDigitSelectors(design.selectors, design.selectorTop);
    spaceTheSevens(design.selectors);
    setMemoLines(design.memoLines, design.memoGeometry, design.memoPixelSize);
}

WrittenScreen::~WrittenScreen() = default;

void WrittenScreen::screenReset()
{
    LessonScreen::screenReset();
    for (const LabelDesign& l : design_.labels)
        label(l.number)->setText(QString());
    hideSelectors(design_.selectors);
    // An interrupted walk starts again at step 1.
    button(stepButton)->setText(written::stepCaption(1));
}

QString WrittenScreen::missingChoice() const
{
    return subTopic() == 0 ? openingPrompt() : QString();
}

QString WrittenScreen::nextInStudy()
{
    const QString missing = missingChoice();
    if (!missing.isEmpty()) return missing;
    walk_ = makeWalk();
    button(stepButton)->setEnabled(true);
    return design_.stepPrompt;
}

QString WrittenScreen::nextInTest()
{
    const QString missing = missingChoice();
    if (!missing.isEmpty()) return missing;
    entry_ = makeEntry();
    selectorSetUp(entry_->firstOpen());
    return entry_->firstPrompt();
}

void WrittenScreen::CuteButton5Click()
{
    if (!walk_) return;
    const written::StepShown shown = walk_->nextStep();
    showFigure();
    const written::StepReaction reaction =
        written::showStep(shown, {label(stepText), label(problemLine), button(stepButton), button(nextButton)});
    if (reaction.ended) {
        walk_->restart();
        if (design_.walksAgain) button(stepButton)->setEnabled(true);
    }
    playCue(reaction.cue);
    promptBlink(reaction.prompt);
}

void WrittenScreen::apply(const written::EntryOutcome& out)
{
    if (!out.taken) return;
    showFigure();
    if (out.judged) {
        const AnswerFacts answer = judgedAnswer();
        label(problemLine)->setText(answeredLine());
        // The answer is complete: the selectors wait for the next problem.
        for (const SelectorDesign& s : design_.selectors)
            selector(s.number)->setEnabled(false);
        judge(out.right, answer);
        return;
    }
    if (out.setUp) selectorSetUp(*out.setUp);
    if (!out.prompt.text.isEmpty()) {
        if (out.prompt.blink)
            promptBlink(out.prompt.text);
        else
            prompt()->setText(out.prompt.text);
    }
    playCue(cue::digit);
}

} // namespace kazemaru
