#include "lessons/division/LongDivisionScreen.h"

#include "app/CuePlayer.h"
#include "app/Prompts.h"
#include "app/Random.h"

using namespace Qt::StringLiterals;

namespace kazemaru::longdiv {

const std::array<LabelDesign, 3> longDivisionLabels{{
    {4, 104, 208, 40, false, colour::navy},
    {5, 104, 296, 24, true, colour::navy},
    {6, 752, 544, 53, false, colour::red},
}};

LongDivisionScreen::LongDivisionScreen(int form, const LongDivisionDesign& design, QWidget* parent)
    : LessonScreen(form, parent)
    , design_(design)
    , figure_(designedFigure(design.figure.rows))
{
    addLabels(design.labels);
    setJudgeMark(label(6));
    // The longest step texts close their lines up rather than run into the guide and its prompt.
    label(5)->setMaximumHeight(facts().pictureTop - label(5)->y());

    addDigitSelectors(design.selectors, design.selectorTop);
    spaceTheSevens(design.selectors);

    widgets_ = std::make_unique<FigureWidgets>(this, design.figure);
    setMemoLines(design.memoLines, design.memoGeometry, design.memoPixelSize);
}

LongDivisionScreen::~LongDivisionScreen() = default;

void LongDivisionScreen::showFigure()
{
    widgets_->show(figure_);
}

void LongDivisionScreen::screenReset()
{
    LessonScreen::screenReset();
    if (walk_) walk_->restart();
    button(5)->setText(stepCaption(1));
    for (const LabelDesign& l : design_.labels)
        label(l.number)->setText(QString());
    figure_.clear();
    showFigure();
    hideSelectors(design_.selectors);
}

void LongDivisionScreen::resetCountersOnShow()
{
    entry_.reset();
    button(5)->setEnabled(false);
    button(7)->setEnabled(false);
}

QString LongDivisionScreen::menuChosen()
{
    example_ = 0;
    button(4)->setEnabled(true);
    button(5)->setEnabled(false);
    // The last problem belongs to the other sub-topic's rules: it cannot be laid out again.
    button(7)->setEnabled(false);
    placeAfterMenu(figure_);
    showFigure();
    return prompt::goOn;
}

QString LongDivisionScreen::testEntered()
{
    button(4)->setEnabled(true);
    button(5)->setEnabled(false);
    return prompt::goOn;
}

QString LongDivisionScreen::studyEntered()
{
    example_ = 0;
    return testEntered();
}

QString LongDivisionScreen::nextInStudy()
{
    if (subTopic() == 0) return openingPrompt(); // nothing to pose before a menu choice
    placeForStart(figure_);
    example_ = example_ % exampleCount(subTopic()) + 1;
    walk_ = makeWalk(figure_, subTopic(), example_);
    problem_ = walk_->problem();
    label(4)->setText(problemLine(problem_.dividend, problem_.divisor));
    button(5)->setEnabled(true);
    showFigure();
    return prompt::goOnStepSpaced;
}

QString LongDivisionScreen::nextInTest()
{
    if (subTopic() == 0) return openingPrompt();
    placeForStart(figure_);
    Randomize();
    problem_ = drawProblem(subTopic());
    entry_ = makeEntry(figure_, subTopic(), problem_);
    layoutCase_ = LayoutCase::Regular;
    layOutProblem();
    button(5)->setEnabled(false);
    button(7)->setEnabled(true);
    selectorSetUp(SelectorMode::Quotient);
    return entry_->firstPrompt();
}

void LongDivisionScreen::layOutProblem()
{
    label(4)->setText(problemLine(problem_.dividend, problem_.divisor));
    figure_.divisor = QString::number(problem_.divisor);
    figure_.dividend = QString::number(problem_.dividend);
    figure_.bracket = true;
    figure_.arrowShown = true;
    figure_.point(Row::Quotient);
    showFigure();
}

void LongDivisionScreen::CuteButton5Click()
{
    if (!walk_) return;
    const StepShown shown = walk_->nextStep();
    layoutCase_ = walk_->layoutCase();
    showFigure();
    const written::StepReaction reaction = written::showStep(shown, {label(5), label(4), button(5), button(4)});
    if (reaction.ended) walk_->restart();
    playCue(reaction.cue);
    promptBlink(reaction.prompt);
}

void LongDivisionScreen::CuteButton7Click()
{
    if (!entry_) return;
    screenReset();
    entry_ = makeEntry(figure_, subTopic(), problem_);
    layoutCase_ = LayoutCase::Regular;
    selectorSetUp(SelectorMode::Quotient);
    placeForRestore(figure_);
    layOutProblem();
    // The entry starts again, so the prompt asks for it again.
    promptBlink(entry_->firstPrompt());
    playCue(cue::digit);
}

void LongDivisionScreen::selectorSetUp(SelectorMode mode)
{
    const bool number = mode == SelectorMode::Number;
    for (const SelectorDesign& s : design_.selectors)
        selector(s.number)->setVisible(number != (s.number == design_.quotientSelector));
    clearSelectors(design_.selectors);
    for (const SelectorDesign& s : design_.selectors)
        selector(s.number)->setEnabled(true);
    selector(design_.quotientSelector)->move(design_.quotientLeft, design_.selectorTop);
}

void LongDivisionScreen::quotientChosen()
{
    const int digit = selector(design_.quotientSelector)->itemIndex();
    if (digit >= 0 && entry_) apply(entry_->chooseQuotient(digit));
}

void LongDivisionScreen::placeChosen(int selectorNumber)
{
    const int digit = selector(selectorNumber)->itemIndex();
    if (digit < 0 || !entry_) return;
    for (const SelectorDesign& s : design_.selectors)
        if (s.number == selectorNumber) apply(entry_->choosePlace(s.weight, digit));
}

void LongDivisionScreen::onesChosen()
{
    for (const SelectorDesign& s : design_.selectors) {
        if (s.weight != 1 || s.number == design_.quotientSelector) continue;
        const int digit = selector(s.number)->itemIndex();
        if (digit >= 0 && entry_) apply(entry_->chooseOnes(digit));
    }
}

void LongDivisionScreen::apply(const EntryOutcome& out)
{
    layoutCase_ = entry_->layoutCase();
    showFigure();
    if (out.judged) {
        const auto [D, d] = problem_;
        label(4)->setText(answerLine(D, d, D / d, D % d));
        // The entry is over: the selectors wait for the restore or the next button.
        for (const SelectorDesign& s : design_.selectors)
            selector(s.number)->setEnabled(false);
        judge(out.right);
        return;
    }
    if (out.setUp) selectorSetUp(*out.setUp);
    if (!out.prompt.isEmpty()) promptBlink(out.prompt);
    if (out.cue) playCue(cue::digit);
}

PlannedDivisionScreen::PlannedDivisionScreen(int form, const LongDivisionDesign& design, const PlannedRules& rules,
                                             QWidget* parent)
    : LongDivisionScreen(form, design, parent)
    , rules_(rules)
{
}

int PlannedDivisionScreen::exampleCount(int subTopic) const
{
    return rules_.exampleCount(subTopic);
}

std::unique_ptr<ExampleWalk> PlannedDivisionScreen::makeWalk(Figure& figure, int subTopic, int example)
{
    return std::make_unique<PlanWalk>(figure, rules_.plan(), subTopic, example);
}

Problem PlannedDivisionScreen::drawProblem(int subTopic)
{
    return rules_.draw(subTopic);
}

std::unique_ptr<WrittenEntry> PlannedDivisionScreen::makeEntry(Figure& figure, int subTopic, const Problem& problem)
{
    std::optional<LayoutCase> path;
    if (rules_.path) path = rules_.path(subTopic, problem);
    return std::make_unique<PlanEntry>(figure, rules_.plan(), subTopic, problem, path);
}

void PlannedDivisionScreen::placeForStart(Figure& figure)
{
    // The quotient row waits where it is designed for an example or a problem.
    figure.place(Row::Quotient, rules_.plan().rows[size_t(rowIndex(Row::Quotient))].left);
}

} // namespace kazemaru::longdiv
