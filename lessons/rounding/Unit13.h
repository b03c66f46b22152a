#pragma once
// Rounding: an explanation of approximate numbers and worked examples in study mode; numbers of
// three to seven digits to round to a place, at a place or to leading digits in test mode,
// answered with seven digit selectors.
#include "frame/LessonScreen.h"
#include "lessons/rounding/Rounding.h"

namespace kazemaru {

class TForm13 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm13(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  public Q_SLOTS:
    void ComboBox1Change() override;  // menu
    void CuteButton3Click() override; // mode button
    void CuteButton4Click() override; // next button: poses a problem in either mode
    void ComboBox8Change();           // 百万
    void ComboBox7Change();           // 十万
    void ComboBox6Change();           // 万
    void ComboBox5Change();           // 千
    void ComboBox4Change();           // 百
    void ComboBox3Change();           // 十
    void ComboBox2Change();           // 一: judges

  protected:
    void screenReset() override;

  private:
    void selectorSetUp();
    void showStudy();

    RoundingProblem problem_;
    QPlainTextEdit* explanation_ = nullptr;

    friend struct test::Probe; // the tests read these; the program never needs them
    const RoundingProblem& problem() const { return problem_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
