#pragma once
// Written long division by a three-digit divisor: worked examples step by step, and test
// problems that the child writes into the figure row by row.
#include "lessons/division/LongDivisionScreen.h"
#include "lessons/division/LongDivisionThreeDigit.h"

namespace kazemaru {

class TForm7 : public longdiv::LongDivisionScreen {
    Q_OBJECT
  public:
    explicit TForm7(QWidget* parent);

    // The point memo's lines.
    static QStringList memoLines();

  public Q_SLOTS:
    void ComboBox6Change() { quotientChosen(); } // quotient digit
    void ComboBox5Change() { placeChosen(5); }   // thousands of a number
    void ComboBox4Change() { placeChosen(4); }   // hundreds of a number
    void ComboBox3Change() { placeChosen(3); }   // tens of a number
    void ComboBox2Change() { onesChosen(); }     // ones of a number: enters it

  protected:
    int exampleCount(int subTopic) const override;
    std::unique_ptr<longdiv::ExampleWalk> makeWalk(longdiv::Figure& figure, int subTopic, int example) override;
    longdiv::Problem drawProblem(int subTopic) override;
    std::unique_ptr<longdiv::WrittenEntry> makeEntry(longdiv::Figure& figure, int subTopic,
                                                     const longdiv::Problem& problem) override;
    QString firstPrompt(int subTopic, const longdiv::Problem& problem) const override;
    void placeForStart(longdiv::Figure& figure) override;

  private:
    static longdiv::LongDivisionDesign design();
};

} // namespace kazemaru
