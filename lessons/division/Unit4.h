#pragma once
// Written long division by a one-digit divisor: worked examples step by step, and test
// problems that the child writes into the figure row by row.
#include "lessons/division/LongDivisionOneDigit.h"
#include "lessons/division/LongDivisionScreen.h"

namespace kazemaru {

class TForm4 : public longdiv::LongDivisionScreen {
    Q_OBJECT
  public:
    explicit TForm4(QWidget* parent);

    // The point memo's lines.
    static QStringList memoLines();

  public Q_SLOTS:
    void ComboBox4Change() { quotientChosen(); } // quotient digit
    void ComboBox3Change() { placeChosen(3); }   // tens of a number
    void ComboBox2Change() { onesChosen(); }     // ones of a number: enters it

  protected:
    int exampleCount(int) const override { return 3; }
    std::unique_ptr<longdiv::ExampleWalk> makeWalk(longdiv::Figure& figure, int subTopic, int example) override;
    longdiv::Problem drawProblem(int subTopic) override;
    std::unique_ptr<longdiv::WrittenEntry> makeEntry(longdiv::Figure& figure, int subTopic,
                                                     const longdiv::Problem& problem) override;
    void placeForStart(longdiv::Figure& figure) override;
    void placeAfterMenu(longdiv::Figure& figure) override;
    void placeForRestore(longdiv::Figure& figure) override;

  private:
    static longdiv::LongDivisionDesign design();
};

} // namespace kazemaru
