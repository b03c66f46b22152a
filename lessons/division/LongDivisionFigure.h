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
    QRect bar;                           // Shape1, the bracket's top bar
    QRect curve;                         // Image2, the bracket's curved stroke
    int ruleLeft = 0;                    // Shape2 … Shape4 under the products
    int ruleWidth = 0;
    std::array<int, 3> ruleTops{};
    int arrowLeft = 0; // Image3
    int pixelSize = 27;
    int rowHeight = 32;
};

// A figure design with the bracket at bracketLeft, the rules under the products at their usual
// tops, and the arrow at arrowLeft.
FigureDesign figureDesign(const RowState& divisor, const RowState& dividend, const std::array<RowState, rowCount>& rows,
                          int bracketLeft, int bracketWidth, int ruleLeft, int ruleWidth, int arrowLeft);

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
