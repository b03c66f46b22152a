#pragma once
// The written long-division screen: a figure design, number selectors with their place weights
// and a quotient selector, the step button walking worked examples, test problems entered row
// by row, the restore button and the point memo. A screen supplies its design, examples,
// generator and entry; the handlers are shared.
#include "app/LessonScreen.h"
#include "lessons/division/LongDivisionFigure.h"
#include "lessons/division/WrittenPlan.h"

#include <memory>

namespace kazemaru::longdiv {

// Problem line 4, step text 5 and judge mark 6 as every long-division screen places them.
extern const std::array<LabelDesign, 3> longDivisionLabels;

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
};

class LongDivisionScreen : public LessonScreen {
    Q_OBJECT
  public:
    LongDivisionScreen(int form, const LongDivisionDesign& design, QWidget* parent);
    ~LongDivisionScreen() override;

    int exampleCounter() const { return example_; }
    int stepCounter() const { return walk_ ? walk_->step() : 0; }
    int quotientDigitCount() const { return entry_ ? entry_->quotientDigits() : 0; }
    LayoutCase layoutCase() const { return layoutCase_; }
    int pendingValue() const { return entry_ ? entry_->pendingValue() : 0; }
    const Problem& problem() const { return problem_; }

  public Q_SLOTS:
    void CuteButton5Click(); // step button
    void CuteButton7Click(); // restore button

  protected:
    // What a screen supplies.
    virtual int exampleCount(int subTopic) const = 0;
    virtual std::unique_ptr<ExampleWalk> makeWalk(Figure& figure, int subTopic, int example) = 0;
    virtual Problem drawProblem(int subTopic) = 0;
    virtual std::unique_ptr<WrittenEntry> makeEntry(Figure& figure, int subTopic, const Problem& problem) = 0;
    // Where rows stand as an example or a problem starts, after a menu choice, and when a problem
    // is laid out again.
    virtual void placeForStart(Figure& figure) = 0;
    virtual void placeAfterMenu(Figure&) {}
    virtual void placeForRestore(Figure& figure) { placeForStart(figure); }

    // The selector handlers of a screen pass their choice on.
    void quotientChosen();
    void placeChosen(int selectorNumber); // a higher place of the number being entered
    void onesChosen();                    // enters the number

    void screenReset() override;
    void resetCountersOnShow() override;
    QString menuChosen() override;
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void selectorSetUp(SelectorMode mode);
    void layOutProblem(); // divisor, dividend and bracket shown, the arrow beside the quotient row
    void apply(const EntryOutcome& out);
    void showFigure();

    LongDivisionDesign design_;
    Figure figure_;
    std::unique_ptr<FigureWidgets> widgets_;
    std::unique_ptr<ExampleWalk> walk_;
    std::unique_ptr<WrittenEntry> entry_;
    Problem problem_;
    LayoutCase layoutCase_ = LayoutCase::Regular;
    int example_ = 0;
};

// What a screen driven by the written plan supplies besides its design.
struct PlannedRules {
    const PlanDesign& (*plan)() = nullptr;
    int (*exampleCount)(int subTopic) = nullptr;
    Problem (*draw)(int subTopic) = nullptr;
    // The layout case whose rows the entry follows whatever the child chooses; null: the rows
    // follow the child's quotient digits.
    LayoutCase (*path)(int subTopic, const Problem& problem) = nullptr;
};

// A long-division screen whose examples and entry both come from the written plan.
class PlannedDivisionScreen : public LongDivisionScreen {
    Q_OBJECT
  public:
    PlannedDivisionScreen(int form, const LongDivisionDesign& design, const PlannedRules& rules, QWidget* parent);

  protected:
    int exampleCount(int subTopic) const override;
    std::unique_ptr<ExampleWalk> makeWalk(Figure& figure, int subTopic, int example) override;
    Problem drawProblem(int subTopic) override;
    std::unique_ptr<WrittenEntry> makeEntry(Figure& figure, int subTopic, const Problem& problem) override;
    void placeForStart(Figure& figure) override;

  private:
    PlannedRules rules_;
};

} // namespace kazemaru::longdiv
