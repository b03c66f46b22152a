#include "lessons/division/LongDivisionFigure.h"

#include "frame/widgets/Factory.h"

#include <algorithm>

namespace kazemaru::longdiv {

using namespace Qt::StringLiterals;

FigureWidgets::FigureWidgets(QWidget* screen, const FigureDesign& design)
    : design_(design)
{
    divisor_ = makeRow(screen, 8, design.divisor);
    dividend_ = makeRow(screen, 9, design.dividend);
    for (Row r : allRows)
        rows_[static_cast<size_t>(rowIndex(r))] = makeRow(screen, rowLabelNumber(r), design.rows[size_t(rowIndex(r))]);

    bar_ = new Shape(Qt::black, screen);
    bar_->setObjectName(u"Shape1"_s);
    bar_->setGeometry(design.bracketLeft, design.bracketTop, design.bracketWidth, 2);
    for (int i = 0; i < 3; ++i) {
        auto* rule = new Shape(Qt::black, screen);
        rule->setObjectName(u"Shape%1"_s.arg(i + 2));
        rule->setGeometry(design.ruleLeft, design.ruleTops[size_t(i)], design.ruleWidth, 2);
        rules_[size_t(i)] = rule;
    }
    curve_ = new Picture(u":/bracket.svg"_s, screen);
    curve_->setObjectName(u"Image2"_s);
    curve_->setGeometry(design.bracketLeft, design.bracketTop + 2, 17, 33);
    arrow_ = new Picture(u":/arrow.svg"_s, screen);
    arrow_->setObjectName(u"Image3"_s);
    arrow_->setGeometry(design.arrowLeft, arrowTop(Row::Quotient), 20, 11);

    show(designedFigure(design.rows));
}

DigitRow* FigureWidgets::makeRow(QWidget* screen, int number, const RowState& design)
{
    auto* label = new DigitRow(screen);
    label->setObjectName(u"Label%1"_s.arg(number));
    QFont f = label->font();
    f.setPixelSize(design_.pixelSize);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour::navy);
    label->setPalette(pal);
    place(label, design);
    return label;
}

void FigureWidgets::place(DigitRow* label, const RowState& state)
{
    // A left-aligned row grows to the right with its digits; a right-aligned one keeps its box,
    // so that its last digit stays in the column where the box ends.
    const int width = state.alignRight ? state.width : std::max(state.width, written::cellsWidth(state.text));
    label->setAlignment(state.alignRight ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    label->setText(state.text);
    label->setGeometry(state.left, state.top, width, design_.rowHeight);
}

void FigureWidgets::show(const Figure& figure)
{
    RowState divisor = design_.divisor;
    divisor.text = figure.divisor;
    place(divisor_, divisor);
    RowState dividend = design_.dividend;
    dividend.text = figure.dividend;
    place(dividend_, dividend);
    for (Row r : allRows)
        place(row(r), figure.row(r));
    bar_->setVisible(figure.bracket);
    curve_->setVisible(figure.bracket);
    for (size_t i = 0; i < rules_.size(); ++i)
        rules_[i]->setVisible(figure.rules[i]);
    arrow_->move(design_.arrowLeft, figure.arrowTop);
    arrow_->setVisible(figure.arrowShown);
}

} // namespace kazemaru::longdiv
