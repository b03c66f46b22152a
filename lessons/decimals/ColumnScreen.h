#pragma once
// A screen of written decimal addition and subtraction: a generated problem walked step by step
// on the column figure in study mode, and written column by column from the last place leftwards
// in test mode. The lessons give the generator, the walk, the entry and their widget tables.
#include "lessons/decimals/ColumnFigure.h"
#include "lessons/decimals/ColumnLesson.h"
#include "lessons/shared/WrittenScreen.h"

#include <memory>

namespace kazemaru {

// The problem line and the step text, where every column screen has them.
extern const LabelDesign columnProblemLine;
extern const LabelDesign columnStepText;
// The step button takes the next button's usual place.
QList<ButtonFact> columnButtons();

// Where a column screen places its own widgets.
struct ColumnScreenDesign {
    std::span<const LabelDesign> labels; // the problem line, the step text and the judge mark
    int judgeMark;
    std::span<const SelectorDesign> selectors;
    int selectorTop;
    int pointMarkerLeft; // Label13, between the ones and the tenths selector
    ColumnFigureDesign figure;
    QStringList memoLines;
    QRect memo;
};

class ColumnScreen : public WrittenScreen {
    Q_OBJECT
  public:
    ColumnScreen(const FrameFacts& facts, const ColumnScreenDesign& design, QWidget* parent);

    const ColumnProblem& problem() const { return problem_; }

  protected:
    static constexpr int pointMarker = 13;

    virtual ColumnProblem drawProblem() const = 0;
    virtual std::unique_ptr<ColumnWalk> walkFor(const ColumnProblem& problem) const = 0;
    virtual std::unique_ptr<ColumnEntry> entryFor(const ColumnProblem& problem) const = 0;
    // The selector that writes `column` of the posed problem (1 = the last place).
    virtual int selectorOf(int column) const = 0;

    // The child chose a digit in the selector of `column`.
    void columnChosen(int column);

    void screenReset() override;
    QString testEntered() override;
    QString studyEntered() override;

    std::unique_ptr<written::StepWalk> makeWalk() override;
    std::unique_ptr<written::Entry> makeEntry() override;
    void showFigure() override;
    QString answeredLine() const override;
    AnswerFacts judgedAnswer() const override;
    void selectorSetUp(unsigned open) override;

  private:
    ColumnWalk* walk() const { return static_cast<ColumnWalk*>(walk_.get()); }
    ColumnEntry* entry() const { return static_cast<ColumnEntry*>(entry_.get()); }

    ColumnFigure figure_;
    ColumnProblem problem_;

    friend struct test::Probe; // the tests read these; the program never needs them
    const ColumnFigure& figure() const { return figure_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
