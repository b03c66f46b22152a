#pragma once
// Fractions: what a fraction is, comparing two fractions, the kinds of fractions, and converting
// between improper fractions and mixed numbers. Fractions are drawn as numerator over a bar over
// denominator, with an optional whole part in front.
#include "frame/LessonScreen.h"
#include "lessons/fractions/FractionFigure.h"
#include "lessons/fractions/Fractions.h"

#include <memory>
#include <optional>

namespace kazemaru {

class TForm16 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm16(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();
    ~TForm16() override;

  public Q_SLOTS:
    void CuteButton3Click() override; // mode button: only sub-topics with a test switch
    void CuteButton5Click();          // answer button or step button
    void ComboBox5Change();           // left or right: judges a comparison
    void ComboBox4Change();           // whole part, or the numerator's tens
    void ComboBox3Change();           // numerator, or its ones
    void ComboBox2Change();           // denominator: judges a conversion

  protected:
    void screenReset() override;
    QString menuChosen() override;
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void showComparison(const Comparison& c);
    void selectorSetUp();

    std::unique_ptr<FractionFigure> left_;
    std::unique_ptr<FractionFigure> right_;
    std::optional<Comparison> comparison_; // the comparison on the screen, until it is answered
    std::optional<Conversion> conversion_; // the conversion on the screen
    int step_ = 0;

    friend struct test::Probe; // the tests read these; the program never needs them
    int step() const { return step_; }
    const std::optional<Comparison>& comparison() const { return comparison_; }
    const std::optional<Conversion>& conversion() const { return conversion_; }
    QList<QPair<int, int>> answerKey() const override;
};

} // namespace kazemaru
