#pragma once
// Large numbers up to the 千兆 place: the place-value chart and explanations in study mode;
// in test mode numbers to write in kanji or in digits, and ×10, ×100, ÷10, ÷100 problems,
// answered with nine digit selectors in units of 千万 or with two kanji selectors.
#include "frame/LessonScreen.h"
#include "lessons/numbers/LargeNumbers.h"

namespace kazemaru {

class TForm2 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm2(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  public Q_SLOTS:
    void CuteButton4Click() override; // next
    void CuteButton5Click();          // restore: the same problem with an empty entry
    void ComboBox10Change();          // 千兆
    void ComboBox9Change();           // 百兆
    void ComboBox8Change();           // 十兆
    void ComboBox7Change();           // 一兆
    void ComboBox6Change();           // 千億
    void ComboBox5Change();           // 百億
    void ComboBox4Change();           // 十億
    void ComboBox3Change();           // 一億
    void ComboBox2Change();           // 千万: judges
    void ComboBox11Change();          // kanji place or ◆, which judges
    void ComboBox12Change();          // kanji digit

  protected:
    void screenReset() override;
    void resetCountersOnShow() override;
    QString menuChosen() override;
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void showStudy();
    void showProblem();
    void selectorSetUp();
    void appendKanji(const QString& kanji);
    void judgeKanji();
    AnswerFacts answerFacts(const QString& given) const; // the posed problem answered with `given`

    LargeNumberProblem problem_; // empty while no problem is posed
    QString entry_;
    bool kanjiJudged_ = false; // a kanji entry was judged since the last reset

    friend struct test::Probe; // the tests read these; the program never needs them
    const LargeNumberProblem& problem() const { return problem_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
