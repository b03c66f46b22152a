#pragma once
// The decimal drill: timed additions and subtractions of decimals with one, two or three places,
// answered digit by digit from the tens down to the problem's last place.
#include "lessons/decimals/DecimalDrill.h"
#include "lessons/shared/DrillScreen.h"

namespace kazemaru {

class TForm12 : public DrillScreen {
    Q_OBJECT
  public:
    // `data` keeps the run's rows in its table dorills.
    TForm12(TDataModule1* data, QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  protected:
    QString poseProblem() override;
    bool selectorInUse(int number) const override;
    bool recordsAnswer(int number) const override;
    DrillAnswer judgeAnswer() const override;
    void selectorsSetUp() override;
    int problemPlaces() const override { return problem_.places; }

  private:
    ColumnProblem problem_;

    friend struct test::Probe; // the tests read these; the program never needs them
    const ColumnProblem& problem() const { return problem_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
