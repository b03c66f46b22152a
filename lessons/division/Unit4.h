#pragma once
// Written long division by a one-digit divisor: worked examples step by step, and test
// problems that the child writes into the figure row by row.
#include "lessons/division/LongDivisionScreen.h"

namespace kazemaru {

class TForm4 : public longdiv::LongDivisionScreen {
    Q_OBJECT
  public:
    explicit TForm4(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

    // The point memo's lines.
    static QStringList memoLines();

  public Q_SLOTS:
    void ComboBox4Change() { quotientChosen(); } // quotient digit
    void ComboBox3Change() { placeChosen(3); }   // tens of a number
    void ComboBox2Change() { onesChosen(); }     // ones of a number: enters it
};

} // namespace kazemaru
