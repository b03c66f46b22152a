#pragma once
// Written long division by a one-digit divisor: worked examples step by step, and test
// problems that the child writes into the figure row by row.
#include "app/LessonScreen.h"
#include "lessons/division/LongDivisionFigure.h"
#include "lessons/division/LongDivisionOneDigit.h"

#include <memory>

namespace kazemaru {

class TForm4 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm4(QWidget* parent);
    ~TForm4() override;

    int exampleCounter() const { return example_; }
    int stepCounter() const { return walk_ ? walk_->step() : 0; }
    int quotientDigitCount() const { return entry_ ? entry_->quotientDigits() : 0; }
    longdiv::LayoutCase layoutCase() const { return layoutCase_; }
    int pendingValue() const { return entry_ ? entry_->pendingValue() : 0; }
    const longdiv::Problem& problem() const { return problem_; }

    // The point memo's lines.
    static QStringList memoLines();

  public Q_SLOTS:
    void CuteButton5Click(); // step button
    void CuteButton7Click(); // restore button
    void ComboBox4Change();  // quotient digit
    void ComboBox3Change();  // tens of a number
    void ComboBox2Change();  // ones of a number: enters it

  protected:
    void screenReset() override;
    void resetCountersOnShow() override;
    QString menuChosen() override;
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void selectorSetUp(longdiv::SelectorMode mode);
    void layOutProblem(); // divisor, dividend and bracket shown, the arrow beside the quotient row
    void apply(const longdiv::EntryOutcome& out);

    longdiv::Figure figure_;
    std::unique_ptr<longdiv::FigureWidgets> widgets_;
    std::unique_ptr<longdiv::OneDigitWalk> walk_;
    std::unique_ptr<longdiv::OneDigitEntry> entry_;
    longdiv::Problem problem_;
    longdiv::LayoutCase layoutCase_ = longdiv::LayoutCase::Regular;
    int example_ = 0;
};

} // namespace kazemaru
