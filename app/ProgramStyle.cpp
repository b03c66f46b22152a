#include "app/ProgramStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace kazemaru {
namespace {

// Two chevrons pointing the way the hidden menus lie, drawn at whatever size is asked for.
class ChevronIcon : public QIconEngine {
  public:
    explicit ChevronIcon(Qt::Orientation orientation)
        : orientation_(orientation)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        // Drawn pointing right around the icon's centre, and turned a quarter for the vertical one.
        const qreal s = std::min(rect.width(), rect.height()) / 16.0;
        QPainterPath path;
        for (qreal x : {-4.0, 0.5}) {
            path.moveTo(x, -4);
            path.lineTo(x + 3.5, 0);
            path.lineTo(x, 4);
        }
        const QPointF centre = QRectF(rect).center();
        QTransform place;
        place.translate(centre.x(), centre.y());
        place.scale(s, s);
        if (orientation_ == Qt::Vertical) place.rotate(90);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QColor ink = mode == QIcon::Disabled ? QColor(0, 0, 0, 90) : QColor(40, 40, 40);
        painter->setPen(QPen(ink, 1.4 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(place.map(path));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new ChevronIcon(orientation_); }

  private:
    Qt::Orientation orientation_;
};

} // namespace

ProgramStyle::ProgramStyle(const QString& base)
    : QProxyStyle(base)
{
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new ChevronIcon(Qt::Horizontal));
    if (icon == SP_ToolBarVerticalExtensionButton) return QIcon(new ChevronIcon(Qt::Vertical));
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace kazemaru
