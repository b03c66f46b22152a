#include "lessons/decimals/NumberLine.h"

#include "frame/Palette.h"
#include "lessons/decimals/DecimalStructure.h"

#include <QPainter>

namespace kazemaru {

namespace {

// Half the length of a mark: a whole, a half, any other tenth.
int reach(int tenths)
{
    if (tenths % 10 == 0) return 14;
    if (tenths % 5 == 0) return 10;
    return 6;
}

constexpr int markWidth = 2; // centred on its x, so it covers a whole pixel on either side

} // namespace

NumberLine::NumberLine(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

int NumberLine::markX(int tenths)
{
    return kazemaru::markX(tenths) - numberLineLeft;
}

int NumberLine::markTop(int tenths)
{
    return axisY - reach(tenths);
}

int NumberLine::markBottom(int tenths)
{
    return axisY + reach(tenths);
}

int NumberLine::lastMark()
{
    // The line goes on a little past 4 so that 4.1 has its mark too.
    return (numberLineWidth - 8 - markX(0)) / tenthPitch;
}

void NumberLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Whole-pixel rectangles in logical coordinates stay sharp at every device pixel ratio.
    const qreal sx = qreal(width()) / numberLineWidth;
    const qreal sy = qreal(height()) / numberLineHeight;
    p.scale(sx, sy);
    const QColor ink = colour::navy;
    const int end = numberLineWidth - 2;
    p.fillRect(QRect(markX(0), axisY - 1, end - markX(0), 2), ink);
    for (int t = 0; t <= lastMark(); ++t)
        p.fillRect(QRect(markX(t) - markWidth / 2, markTop(t), markWidth, markBottom(t) - markTop(t) + 1), ink);
}

} // namespace kazemaru
