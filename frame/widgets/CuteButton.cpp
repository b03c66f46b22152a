#include "frame/widgets/CuteButton.h"

#include "frame/Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kazemaru {

CuteButton::CuteButton(const QString& caption, const QColor& face, const QColor& text, QWidget* parent)
    : QPushButton(caption, parent)
    , face_(face)
    , text_(text)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void CuteButton::enterEvent(QEnterEvent* e)
{
    hovered_ = true;
    update();
    QPushButton::enterEvent(e);
}

void CuteButton::leaveEvent(QEvent* e)
{
    hovered_ = false;
    update();
    QPushButton::leaveEvent(e);
}

void CuteButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = qMin(r.height() / 2.0, 10.0);

    QColor base = face_;
    if (!isEnabled()) {
        const int grey = qGray(base.rgb());
        base = QColor(grey, grey, grey).lighter(115);
    } else if (isDown()) {
        base = base.darker(115);
    } else if (hovered_) {
        base = base.lighter(108);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(125));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(110));

    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, g);
    p.setPen(QPen(base.darker(150), 1.2));
    p.drawPath(path);
    if (hasFocus()) {
        p.setPen(QPen(colour::highlight, 1.5, Qt::DotLine));
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), radius - 2, radius - 2);
    }

    QColor ink = text_;
    if (!isEnabled()) ink = colour::disabledInk;
    p.setPen(ink);
    p.setFont(font());
    p.drawText(rect().translated(0, isDown() ? 1 : 0), Qt::AlignCenter, text());
}

} // namespace kazemaru
