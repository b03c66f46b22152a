#pragma once
// Written long division by a two-digit divisor: worked examples step by step, and test
// problems that the child writes into the figure row by row.
#include "lessons/division/LongDivisionScreen.h"

namespace kazemaru {

class TForm6 : public longdiv::LongDivisionScreen {
    Q_OBJECT
  public:
    explicit TForm6(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

    static QStringList memoLines(); // the point memo's lines

  public Q_SLOTS:
    void ComboBox5Change() { quotientChosen(); } // quotient digit
    void ComboBox4Change() { placeChosen(4); }   // hundreds of a number
    void ComboBox3Change() { placeChosen(3); }   // tens of a number
    void ComboBox2Change() { onesChosen(); }     // ones of a number: enters it
};

} // namespace kazemaru
