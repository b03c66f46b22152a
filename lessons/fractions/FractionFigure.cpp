#include "lessons/fractions/FractionFigure.h"

#include "frame/widgets/Factory.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

constexpr int barWidth = 34;
constexpr int numeratorWidth = 40;

// A label of fixed width whose text stays centred as it changes.
Label* centredLabel(QWidget* screen, int number, QPoint at, int width, int pixelSize, const QColor& colour)
{
    Label* label = makeLabel(screen, u"Label%1"_s.arg(number), QString(), at.x(), at.y(), pixelSize, true, colour);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFixedWidth(width);
    return label;
}

} // namespace

FractionFigure::FractionFigure(QWidget* screen, const FractionFigureDesign& design, int pixelSize, const QColor& colour)
{
    whole_ = makeLabel(screen, u"Label%1"_s.arg(design.wholeLabel), QString(), design.whole.x(), design.whole.y(),
                       pixelSize, true, colour);
    numerator_ = centredLabel(screen, design.numeratorLabel, design.numerator, numeratorWidth, pixelSize, colour);
    // The denominator's box is as wide as it takes for its centre to fall under the bar's.
    const int barCentre = design.barAt.x() + barWidth / 2;
    denominator_ = centredLabel(screen, design.denominatorLabel, design.denominator,
                                2 * (barCentre - design.denominator.x()), pixelSize, colour);
    bar_ = new Shape(colour, screen);
    bar_->setObjectName(u"Shape%1"_s.arg(design.bar));
    bar_->setGeometry(design.barAt.x(), design.barAt.y(), barWidth, 2);
    bar_->hide();
}

void FractionFigure::show(const Fraction& f)
{
    whole_->setText(f.whole != 0 ? QString::number(f.whole) : QString());
    numerator_->setText(f.hasFraction() ? QString::number(f.numerator) : QString());
    denominator_->setText(f.hasFraction() ? QString::number(f.denominator) : QString());
    bar_->setVisible(f.hasFraction());
}

void FractionFigure::clear()
{
    show({});
}

} // namespace kazemaru
