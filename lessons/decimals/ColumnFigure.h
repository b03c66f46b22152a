#pragma once
// The written layout of a decimal column addition or subtraction on a screen: the two operand
// rows right-aligned one above the other, the sign, the rule, the answer row growing from the
// right under it, and the small marks and strike lines of carries and borrows. Every digit stands
// in a fixed-pitch cell, so the columns line up whatever the font, and the marks and strike lines
// are placed from those cells.
#include "lessons/decimals/ColumnProblem.h"
#include "lessons/shared/DigitRow.h"

#include <QPoint>
#include <QRect>

namespace kazemaru {

class Label;
class Shape;

// Where a screen places its figure. Rows are Label6 (first operand), Label7 (second), Label8
// (answer); the sign Label9; the rule Shape1; mark j (above column j + 1) Label(9 + j) and strike
// line j Shape(1 + j), for j = 1 … marks.
struct ColumnFigureDesign {
    int places = 1;  // 1 … 3, until a problem gives its own
    int right = 752; // right edge of every row
    int firstTop = 360;
    int secondTop = 400;
    int answerTop = 452;
    int rowWidth = 112;
    int answerWidth = 0; // 0: as wide as the operand rows
    QPoint sign{608, 400};
    QRect rule{600, 444, 177, 2};
    int markTop = 336;
    int marks = 2;
    int pixelSize = 40;
    int markPixelSize = 21;
    int pitch = 30;      // a digit's cell
    int pointWidth = 16; // the decimal point's cell
    int rowHeight = 40;
};

class ColumnFigure {
  public:
    // Creates the widgets on the screen under their design names, all empty or hidden.
    ColumnFigure(QWidget* screen, const ColumnFigureDesign& design);

    // Empty rows, sign and marks; rule and strike lines hidden.
    void clear();
    // The operand rows, the sign and the rule; the columns follow the problem's decimal places.
    void showProblem(const ColumnProblem& problem);
    void setAnswerRow(const QString& text);
    // Every mark and strike line as given (those beyond the figure's marks are not drawn).
    void showMarks(const ColumnMarks& marks);

    // The cell of `column` (1 = the last decimal place) in a row, in the screen's coordinates,
    // whether or not the row has a digit there. The point stands left of the column of the
    // first decimal place.
    QRect columnCell(int column) const;

    written::DigitRow* firstRow() const { return rows_[0]; }
    written::DigitRow* secondRow() const { return rows_[1]; }
    written::DigitRow* answerRow() const { return rows_[2]; }
    Label* mark(int j) const;
    Shape* strike(int j) const;

  private:
    // Marks centred over their columns, strike lines across the first operand's digits.
    void placeMarks();

    ColumnFigureDesign design_;
    int places_;
    std::array<written::DigitRow*, 3> rows_{};
    Label* sign_ = nullptr;
    Shape* rule_ = nullptr;
    std::array<Label*, maxColumns + 1> marks_{}; // by j; index 0 unused
    std::array<Shape*, maxColumns + 1> strikes_{};
};

} // namespace kazemaru
