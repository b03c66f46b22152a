#pragma once
// Dividing whole tens and hundreds by one digit: an explanation per sub-topic in study mode,
// random problems answered with hundreds, tens and ones selectors in test mode.
#include "frame/LessonScreen.h"
#include "lessons/division/MentalDivision.h"

namespace kazemaru {

class TForm3 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm3(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  public Q_SLOTS:
    void ComboBox4Change(); // answer hundreds
    void ComboBox3Change(); // answer tens
    void ComboBox2Change(); // answer ones: judges

  protected:
    void screenReset() override;
    QString menuChosen() override;
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void selectorSetUp();

    TensHundredsProblem problem_;

    friend struct test::Probe; // the tests read these; the program never needs them
    const TensHundredsProblem& problem() const { return problem_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
