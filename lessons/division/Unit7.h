#pragma once
// Written long division by a three-digit divisor: worked examples step by step, and test
// problems whose rows follow the shape of their true quotient.
#include "lessons/division/LongDivisionScreen.h"

namespace kazemaru {

class TForm7 : public longdiv::LongDivisionScreen {
    Q_OBJECT
  public:
    explicit TForm7(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

    static QStringList memoLines(); // the point memo's lines

  public Q_SLOTS:
    void ComboBox6Change() { quotientChosen(); } // quotient digit
    void ComboBox5Change() { placeChosen(5); }   // thousands of a number
    void ComboBox4Change() { placeChosen(4); }   // hundreds of a number
    void ComboBox3Change() { placeChosen(3); }   // tens of a number
    void ComboBox2Change() { onesChosen(); }     // ones of a number: enters it
};

} // namespace kazemaru
