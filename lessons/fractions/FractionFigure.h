#pragma once
// A fraction on a screen: an optional whole part, then the numerator over a short bar over the
// denominator. Its four widgets keep their design names (e.g. Label12, Label7, Shape1, Label8).
#include "lessons/fractions/Fractions.h"

#include <QColor>
#include <QPoint>

class QWidget;

namespace kazemaru {

class Label;
class Shape;

struct FractionFigureDesign {
    int wholeLabel;
    QPoint whole;
    int numeratorLabel;
    QPoint numerator; // the numerator's 40-pixel box, its text centred over the bar
    int bar;          // ShapeN, 34 x 2
    QPoint barAt;
    int denominatorLabel;
    QPoint denominator; // its text centred under the bar
};

class FractionFigure {
  public:
    FractionFigure(QWidget* screen, const FractionFigureDesign& design, int pixelSize, const QColor& colour);

    // Shows the whole part when it is not 0, and the fraction part with its bar when it has one.
    void show(const Fraction& f);
    void clear(); // all texts empty, bar hidden

  private:
    Label* whole_;
    Label* numerator_;
    Shape* bar_;
    Label* denominator_;
};

} // namespace kazemaru
