#pragma once
// Dividing by whole tens and hundreds: five worked examples in study mode, and test problems
// answered with a quotient digit and a remainder of up to three digits.
#include "frame/LessonScreen.h"
#include "lessons/division/MentalDivision.h"

namespace kazemaru {

class TForm5 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm5(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  public Q_SLOTS:
    void ComboBox4Change();          // quotient digit
    void ComboBox3Change();          // remainder hundreds
    void ComboBox2Change();          // remainder tens
    void ComboBox1Change() override; // remainder ones: judges (this screen has no menu)

  protected:
    void screenReset() override;
    void resetCountersOnShow() override { example_ = 0; }
    bool nextEnabledOnShow() const override { return true; }
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void selectorSetUp();

    DivideByProblem problem_;
    int example_ = 0;

    friend struct test::Probe; // the tests read these; the program never needs them
    int exampleCounter() const { return example_; }
    const DivideByProblem& problem() const { return problem_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
