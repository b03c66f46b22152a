#pragma once
// The rules of calculation: expressions with brackets, mixed operations and □. Study mode poses
// an expression and the answer button shows the rule and the worked evaluation; test mode takes
// the value through thousands, hundreds, tens and ones selectors.
#include "frame/LessonScreen.h"
#include "lessons/rules/CalculationRules.h"

namespace kazemaru {

class TForm15 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm15(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  public Q_SLOTS:
    void CuteButton5Click(); // answer button
    void ComboBox5Change();  // thousands
    void ComboBox4Change();  // hundreds
    void ComboBox3Change();  // tens
    void ComboBox2Change();  // ones: judges

  protected:
    void screenReset() override;
    bool nextEnabledOnShow() const override { return subTopic() > 0; }
    QString menuChosen() override;
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void selectorSetUp();

    RulesProblem problem_;
    // The study problem the answer button was enabled for; none once the screen is reset.
    bool answerAwaited_ = false; // the posed example waits for the answer button
    friend struct test::Probe;   // the tests read these; the program never needs them
    const RulesProblem& problem() const { return problem_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
