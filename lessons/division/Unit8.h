#pragma once
// The division drill: the child picks a kind of division and a time limit, answers generated
// problems against the countdown, and sees the summary and the run's rows in the result grid.
#include "lessons/division/DivisionDrill.h"
#include "lessons/shared/DrillScreen.h"

namespace kazemaru {

class TForm8 : public DrillScreen {
    Q_OBJECT
  public:
    // `data` keeps the run's rows in its table dorill.
    TForm8(TDataModule1* data, QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  protected:
    QString poseProblem() override;
    bool recordsAnswer(int number) const override { return number == 3; } // the remainder's ones
    DrillAnswer judgeAnswer() const override;

  private:
    DivisionDrillProblem problem_;

    friend struct test::Probe; // the tests read these; the program never needs them
    const DivisionDrillProblem& problem() const { return problem_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
