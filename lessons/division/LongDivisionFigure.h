#pragma once
// The widgets of a long-division figure on a screen, kept in step with a Figure: the divisor
// and dividend, the rows in fixed digit cells, the bracket, the rules and the red arrow.
#include "lessons/division/LongDivision.h"

#include <QLabel>
#include <QRect>

namespace kazemaru {

class Shape;
class Picture;

namespace longdiv {

using written::DigitRow;

// Where a screen places the figure.
struct FigureDesign {
    RowState divisor;                    // Label8
    RowState dividend;                   // Label9
    std::array<RowState, rowCount> rows; // Label7, Label10 … Label15
    int bracketLeft = 0;                 // Shape1, the bracket's top bar, and Image2, its curved stroke
    int bracketWidth = 0;                // the top bar's
    int ruleLeft = 0;                    // Shape2 … Shape4 under the products
    int ruleWidth = 0;
    int arrowLeft = 0; // Image3
    std::array<int, 3> ruleTops{376, 441, 505};
    int bracketTop = 312;
    int pixelSize = 27;
    int rowHeight = 32;
};

class FigureWidgets {
  public:
    // Creates the widgets on the screen under their design names, all empty or hidden.
    FigureWidgets(QWidget* screen, const FigureDesign& design);

    void show(const Figure& figure);
    DigitRow* row(Row r) const { return rows_[static_cast<size_t>(rowIndex(r))]; }

  private:
    DigitRow* makeRow(QWidget* screen, int number, const RowState& design);
    void place(DigitRow* label, const RowState& state);

    FigureDesign design_;
    std::array<DigitRow*, rowCount> rows_{};
    DigitRow* divisor_ = nullptr;
    DigitRow* dividend_ = nullptr;
    Shape* bar_ = nullptr;
    Picture* curve_ = nullptr;
    std::array<Shape*, 3> rules_{};
    Picture* arrow_ = nullptr;
};

} // namespace longdiv
} // namespace kazemaru
