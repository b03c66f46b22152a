#include "lessons/decimals/ColumnScreen.h"

#include "frame/Palette.h"
#include "frame/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

const LabelDesign columnProblemLine{WrittenScreen::problemLine, 120, 176, 40, false, colour::navy};
const LabelDesign columnStepText{WrittenScreen::stepText, 120, 256, 24, true, colour::teal};

QList<ButtonFact> columnButtons()
{
    using namespace facts;
    return {next(472), step(u"CuteButton5"_s, 840, 520), point(), mode(), back(), quit()};
}

namespace {

WrittenDesign writtenDesign(const ColumnScreenDesign& d)
{
    return {.labels = d.labels,
            .judgeMark = d.judgeMark,
            .selectors = d.selectors,
            .selectorTop = d.selectorTop,
            .stepPrompt = prompt::goOnStep,
            .walksAgain = true,
            .memoLines = d.memoLines,
            .memoGeometry = d.memo,
            // Short lines: a larger hand than the frame's fills the box and reads easily.
            .memoPixelSize = 18};
}

} // namespace

ColumnScreen::ColumnScreen(const FrameFacts& facts, const ColumnScreenDesign& design, QWidget* parent)
    : WrittenScreen(facts, writtenDesign(design), parent)
    , figure_(this, design.figure)
{
    addLabel(u"Label%1"_s.arg(pointMarker), u"小"_s, design.pointMarkerLeft, design.selectorTop, 19, false,
             colour::navy)
        ->hide();
}

void ColumnScreen::screenReset()
{
    WrittenScreen::screenReset();
    walk_.reset();
    entry_.reset();
    figure_.clear();
    label(pointMarker)->hide();
    button(stepButton)->setEnabled(false);
}

// The mode button leaves the prompt line as it is: a null prompt.
QString ColumnScreen::testEntered()
{
    if (missingChoice().isEmpty()) button(nextButton)->setEnabled(true);
    return QString();
}

QString ColumnScreen::studyEntered()
{
    return QString();
}

std::unique_ptr<written::StepWalk> ColumnScreen::makeWalk()
{
    problem_ = drawProblem();
    auto walk = walkFor(problem_);
    // The example's problem stands above it from the start; the figure waits for step 1.
    label(problemLine)->setText(problem_.questionText());
    return walk;
}

std::unique_ptr<written::Entry> ColumnScreen::makeEntry()
{
    problem_ = drawProblem();
    auto entry = entryFor(problem_);
    label(problemLine)->setText(problem_.questionText());
    figure_.showProblem(problem_);
    return entry;
}

void ColumnScreen::showFigure()
{
    if (walk()) {
        figure_.showProblem(problem_);
        figure_.setAnswerRow(walk()->answerRow());
        figure_.showMarks(walk()->marks());
    } else if (entry()) {
        figure_.setAnswerRow(entry()->answerRow());
        figure_.showMarks(entry()->marks());
    }
}

QString ColumnScreen::answeredLine() const
{
    return problem_.equationText();
}

AnswerFacts ColumnScreen::judgedAnswer() const
{
    return {.problem = problem_.questionText(),
            .given = decimalText(entry() ? entry()->enteredUnits() : 0, problem_.places),
            .expected = problem_.answerText()};
}

void ColumnScreen::selectorSetUp(unsigned open)
{
    for (const SelectorDesign& s : selectorDesigns()) {
        selector(s.number)->show();
        selector(s.number)->setEnabled(false);
    }
    for (int column = 1; column <= maxColumns; ++column)
        if (open & openColumn(column)) selector(selectorOf(column))->setEnabled(true);
    clearSelectors(selectorDesigns());
    label(pointMarker)->setText(u"小\n数\n点"_s);
    label(pointMarker)->show();
}

void ColumnScreen::columnChosen(int column)
{
    const int digit = selector(selectorOf(column))->itemIndex();
    if (!entry() || digit < 0) return;
    const int stage = entry()->stage();
    const written::EntryOutcome out = entry()->choose(column, digit);
    // The entered number holds what the answer row shows: the column just written, and a leading
    // digit chosen before and written with the final column.
    if (entry()->stage() != stage) takeDigit(selectorOf(column));
    if (out.judged && entry()->leadingColumn() > 0) takeDigit(selectorOf(entry()->leadingColumn()));
    apply(out);
}

QList<QPair<int, int>> ColumnScreen::answerKey() const
{
    QList<QPair<int, int>> key;
    if (!entry()) return key;
    for (const auto& [column, digit] : entry()->remainingKey())
        key.append({selectorOf(column), digit});
    return key;
}

} // namespace kazemaru
