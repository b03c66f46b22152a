#include "lessons/division/LongDivisionScreen.h"

#include "frame/CuePlayer.h"
#include "frame/Prompts.h"
#include "frame/Random.h"
#include "lessons/division/DivisionAnswer.h"

using namespace Qt::StringLiterals;

namespace kazemaru::longdiv {

namespace {

constexpr int judgeMark = 6;

} // namespace

const std::array<LabelDesign, 3> longDivisionLabels{{
    {WrittenScreen::problemLine, 104, 208, 40, false, colour::navy},
    {WrittenScreen::stepText, 104, 296, 24, true, colour::navy},
    {judgeMark, 752, 544, 53, false, colour::red},
}};

QList<ButtonFact> longDivisionButtons()
{
    using namespace facts;
    return {next(472), step(u"CuteButton5"_s, 840, 520), point(), restore(u"CuteButton7"_s, 632, 544), mode(), back(),
            quit()};
}

namespace {

WrittenDesign writtenDesign(const LongDivisionDesign& d)
{
    return {.labels = d.labels,
            .judgeMark = judgeMark,
            .selectors = d.selectors,
            .selectorTop = d.selectorTop,
            .stepPrompt = prompt::goOnStepSpaced,
            .walksAgain = false,
            .memoLines = d.memoLines,
            .memoGeometry = d.memoGeometry,
            .memoPixelSize = d.memoPixelSize};
}

} // namespace

LongDivisionScreen::LongDivisionScreen(const FrameFacts& facts, const LongDivisionDesign& design, QWidget* parent)
    : WrittenScreen(facts, writtenDesign(design), parent)
    , design_(design)
    , figure_(designedFigure(design.figure.rows))
{
    // The longest step texts close their lines up rather than run into the guide and its prompt.
    label(stepText)->setMaximumHeight(facts.pictureTop - label(stepText)->y());
    widgets_ = std::make_unique<FigureWidgets>(this, design.figure);
}

LongDivisionScreen::~LongDivisionScreen() = default;

void LongDivisionScreen::showFigure()
{
    widgets_->show(figure_);
}

void LongDivisionScreen::placeRows()
{
    figure_.rows = design_.figure.rows;
}

void LongDivisionScreen::screenReset()
{
    WrittenScreen::screenReset();
    if (walk_) walk_->restart();
    figure_.clear();
    showFigure();
}

void LongDivisionScreen::resetCountersOnShow()
{
    entry_.reset();
    button(stepButton)->setEnabled(false);
    button(restoreButton)->setEnabled(false);
}

QString LongDivisionScreen::menuChosen()
{
    example_ = 0;
    button(nextButton)->setEnabled(true);
    button(stepButton)->setEnabled(false);
    // The last problem belongs to the other sub-topic's rules: it cannot be laid out again.
    button(restoreButton)->setEnabled(false);
    placeRows();
    showFigure();
    return prompt::goOn;
}

QString LongDivisionScreen::testEntered()
{
    button(nextButton)->setEnabled(true);
    button(stepButton)->setEnabled(false);
    return prompt::goOn;
}

QString LongDivisionScreen::studyEntered()
{
    example_ = 0;
    return testEntered();
}

std::unique_ptr<written::StepWalk> LongDivisionScreen::makeWalk()
{
    placeRows();
    example_ = example_ % design_.rules.exampleCount(subTopic()) + 1;
    auto walk = std::make_unique<PlanWalk>(figure_, design_.rules.plan(), subTopic(), example_);
    problem_ = walk->problem();
    label(problemLine)->setText(longdiv::problemLine(problem_.dividend, problem_.divisor));
    showFigure();
    return walk;
}

std::unique_ptr<PlanEntry> LongDivisionScreen::entryFor(const Problem& problem)
{
    std::optional<LayoutCase> path;
    if (design_.rules.path) path = design_.rules.path(subTopic(), problem);
    return std::make_unique<PlanEntry>(figure_, design_.rules.plan(), subTopic(), problem, path);
}

std::unique_ptr<written::Entry> LongDivisionScreen::makeEntry()
{
    placeRows();
    Randomize();
    problem_ = design_.rules.draw(subTopic());
    auto entry = entryFor(problem_);
    layOutProblem();
    button(stepButton)->setEnabled(false);
    button(restoreButton)->setEnabled(true);
    return entry;
}

void LongDivisionScreen::layOutProblem()
{
    label(problemLine)->setText(longdiv::problemLine(problem_.dividend, problem_.divisor));
    figure_.divisor = QString::number(problem_.divisor);
    figure_.dividend = QString::number(problem_.dividend);
    figure_.bracket = true;
    figure_.arrowShown = true;
    figure_.point(Row::Quotient);
    showFigure();
}

void LongDivisionScreen::CuteButton7Click()
{
    if (!entry_) return;
    screenReset();
    entry_ = entryFor(problem_);
    selectorSetUp(SelectorMode::Quotient);
    placeRows();
    layOutProblem();
    // The entry starts again, so the prompt asks for it again.
    promptBlink(entry_->firstPrompt());
    playCue(cue::digit);
}

void LongDivisionScreen::selectorSetUp(unsigned open)
{
    const bool number = open == SelectorMode::Number;
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
    if (digit >= 0 && entry()) apply(entry()->chooseQuotient(digit));
}

void LongDivisionScreen::placeChosen(int selectorNumber)
{
    const int digit = selector(selectorNumber)->itemIndex();
    if (digit < 0 || !entry()) return;
    for (const SelectorDesign& s : design_.selectors)
        if (s.number == selectorNumber) apply(entry()->choosePlace(s.weight, digit));
}

void LongDivisionScreen::onesChosen()
{
    for (const SelectorDesign& s : design_.selectors) {
        if (s.weight != 1 || s.number == design_.quotientSelector) continue;
        const int digit = selector(s.number)->itemIndex();
        if (digit >= 0 && entry()) apply(entry()->chooseOnes(digit));
    }
}

QString LongDivisionScreen::answeredLine() const
{
    const auto [D, d] = problem_;
    return answerLine(D, d, D / d, D % d);
}

AnswerFacts LongDivisionScreen::judgedAnswer() const
{
    const auto [D, d] = problem_;
    return {.problem = longdiv::problemLine(D, d),
            .given =
                entry() ? quotientWithRemainder(entry()->enteredQuotient(), entry()->enteredRemainder()) : QString(),
            .expected = quotientWithRemainder(D / d, D % d)};
}

QList<QPair<int, int>> LongDivisionScreen::answerKey() const
{
    QList<QPair<int, int>> key;
    if (!entry()) return key;
    for (const PlanEntry::KeyChoice& c : entry()->answerKey()) {
        if (c.quotientDigit) {
            key.append({design_.quotientSelector, c.value});
            continue;
        }
        // A number's places from the highest it has (the table runs from the highest place) down
        // to the ones, which enter it.
        for (const SelectorDesign& s : design_.selectors)
            if (s.number != design_.quotientSelector && (s.weight == 1 || c.value >= s.weight))
                key.append({s.number, c.value / s.weight % 10});
    }
    return key;
}

} // namespace kazemaru::longdiv
