#pragma once
// A screen of written decimal addition and subtraction: a generated problem walked step by step
// on the column figure in study mode, and written column by column from the last place leftwards
// in test mode. The lessons give the generator, the walk, the entry and their widget tables.
#include "app/LessonScreen.h"
#include "lessons/decimals/ColumnFigure.h"
#include "lessons/decimals/ColumnLesson.h"

#include <memory>

namespace kazemaru {

// Where a column screen places its own widgets.
struct ColumnScreenDesign {
    LabelDesign judgeMark;
    std::span<const SelectorDesign> selectors;
    int selectorTop;
    int pointMarkerLeft; // Label13, between the ones and the tenths selector
    ColumnFigureDesign figure;
    QRect memo;
};

class ColumnScreen : public LessonScreen {
    Q_OBJECT
  public:
    ColumnScreen(int form, QWidget* parent, const ColumnScreenDesign& design, const QStringList& memoLines);

    const ColumnProblem& problem() const { return problem_; }
    int stepCounter() const { return walk_ ? walk_->step() : 0; }
    const ColumnFigure& figure() const { return figure_; }
    QList<QPair<int, int>> answerKey() const override;

  public Q_SLOTS:
    void CuteButton5Click(); // step button

  protected:
    // What the lesson asks for while nothing can be posed; empty once a problem can be.
    virtual QString missingChoice() const = 0;
    virtual ColumnProblem drawProblem() const = 0;
    virtual std::unique_ptr<ColumnWalk> walkOf(const ColumnProblem& problem) const = 0;
    virtual std::unique_ptr<ColumnEntry> entryOf(const ColumnProblem& problem) const = 0;
    // The selector that writes `column` of the posed problem (1 = the last place).
    virtual int selectorOf(int column) const = 0;

    // The child chose a digit in the selector of `column`.
    void columnChosen(int column);

    void screenReset() override;
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void selectorSetUp(OpenColumns open);

    std::span<const SelectorDesign> selectors_;
    ColumnFigure figure_;
    ColumnProblem problem_;
    std::unique_ptr<ColumnWalk> walk_;
    std::unique_ptr<ColumnEntry> entry_;
};

} // namespace kazemaru
