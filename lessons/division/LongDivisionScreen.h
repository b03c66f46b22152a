#pragma once
// The written long-division screen: a figure design, number selectors with their place weights
// and a quotient selector, the step button walking worked examples, test problems entered row
// by row, the restore button and the point memo. Examples and entry both come from the written
// plan; a screen supplies its design, plan, examples and generator, and the handlers are shared.
#include "lessons/division/LongDivisionFigure.h"
#include "lessons/division/WrittenPlan.h"
#include "lessons/shared/WrittenScreen.h"

#include <memory>

namespace kazemaru::longdiv {

// Problem line 4, step text 5 and judge mark 6 as every long-division screen places them.
extern const std::array<LabelDesign, 3> longDivisionLabels;
// Next, step, point and restore above the usual bottom row. The restore button stands over the
// quit button, under the figure's left part: below the lowest row (its box ends at 540), left of
// the judge mark (from 752) and of the remainder, and right of the step text; the point memo
// covers it whole on all three screens.
QList<ButtonFact> longDivisionButtons();

// What a screen's lesson supplies besides its widgets.
struct PlannedRules {
    const PlanDesign& (*plan)() = nullptr;
    int (*exampleCount)(int subTopic) = nullptr;
    Problem (*draw)(int subTopic) = nullptr;
    // The layout case whose rows the entry follows whatever the child chooses; null: the rows
    // follow the child's quotient digits.
    LayoutCase (*path)(int subTopic, const Problem& problem) = nullptr;
};

struct LongDivisionDesign {
    std::span<const LabelDesign> labels = longDivisionLabels;
    std::span<const SelectorDesign> selectors; // number selectors (place weights) and the quotient selector
    int quotientSelector = 0;                  // design number of the quotient selector
    int selectorTop = 184;
    int quotientLeft = 904; // where the quotient selector stands whenever the selectors are set up
    FigureDesign figure;
    QStringList memoLines;
    QRect memoGeometry;
    int memoPixelSize = 0; // 0: the frame's
    PlannedRules rules;
};

class LongDivisionScreen : public WrittenScreen {
    Q_OBJECT
  public:
    LongDivisionScreen(const FrameFacts& facts, const LongDivisionDesign& design, QWidget* parent);
    ~LongDivisionScreen() override;

  public Q_SLOTS:
    void CuteButton7Click(); // restore button

  protected:
    static constexpr int restoreButton = 7;

    // The selector handlers of a screen pass their choice on.
    void quotientChosen();
    void placeChosen(int selectorNumber); // a higher place of the number being entered
    void onesChosen();                    // enters the number

    void screenReset() override;
    void resetCountersOnShow() override;
    QString menuChosen() override;
    QString testEntered() override;
    QString studyEntered() override;

    std::unique_ptr<written::StepWalk> makeWalk() override;
    std::unique_ptr<written::Entry> makeEntry() override;
    void showFigure() override;
    QString answeredLine() const override;
    AnswerFacts judgedAnswer() const override;
    void selectorSetUp(unsigned open) override;

  private:
    PlanEntry* entry() const { return static_cast<PlanEntry*>(entry_.get()); }
    std::unique_ptr<PlanEntry> entryFor(const Problem& problem);
    void placeRows();     // every row back in its designed place
    void layOutProblem(); // divisor, dividend and bracket shown, the arrow beside the quotient row

    LongDivisionDesign design_;
    Figure figure_;
    std::unique_ptr<FigureWidgets> widgets_;
    Problem problem_;
    int example_ = 0;

    friend struct test::Probe; // the tests read these; the program never needs them
    int exampleCounter() const { return example_; }
    // The shape the entered problem takes so far.
    LayoutCase layoutCase() const { return entry() ? entry()->layoutCase() : LayoutCase::Regular; }
    const Problem& problem() const { return problem_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru::longdiv
