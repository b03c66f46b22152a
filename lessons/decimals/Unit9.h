#pragma once
// The structure of decimals: an explanation memo, then problems of three kinds (counting 0.1s,
// reading the number line, changing units). Study mode reveals the answer with the answer button;
// test mode takes it through the tens, ones and tenths selectors and marks it.
#include "frame/LessonScreen.h"
#include "lessons/decimals/DecimalStructure.h"

namespace kazemaru {

class TForm9 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm9(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  public Q_SLOTS:
    void FormCreate() override;       // show handler: keeps the lesson mode of the last visit
    void CuteButton3Click() override; // mode button: refuses test mode for the explanation
    void ComboBox2Change();           // problem menu
    void CuteButton5Click();          // answer button (study mode)
    void ComboBox5Change();           // tens
    void ComboBox4Change();           // ones: judges a count
    void ComboBox3Change();           // tenths: judges a decimal

  protected:
    void screenReset() override;
    QString menuChosen() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void selectorSetUp();
    bool pose(); // draws a problem of the chosen kind and shows it; false without a kind
    QString askForKind() const;
    void judgeEntry(); // answer text, judge mark and cue

    SimpleComboBox* problemMenu_ = nullptr;
    QWidget* numberLine_ = nullptr;
    QWidget* arrow_ = nullptr;
    QPlainTextEdit* explanation_ = nullptr; // Memo1: this screen has no point memo
    int kind_ = NoKind;
    StructureProblem problem_;
    bool posed_ = false;

    friend struct test::Probe; // the tests read these; the program never needs them
    int problemKind() const { return kind_; }
    const StructureProblem& problem() const { return problem_; }
    bool posed() const { return posed_; } // a test problem waits for (or has) its answer
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
