#include "frame/Windows.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>

namespace kazemaru {

QWidget* windowShowing(QWidget* widget)
{
    QWidget* window = widget->window();
    if (const QGraphicsProxyWidget* proxy = window->graphicsProxyWidget(); proxy && proxy->scene()) {
        const QList<QGraphicsView*> views = proxy->scene()->views();
        if (!views.isEmpty()) return views.first()->window();
    }
    return window;
}

void bringToFront(QWidget* widget)
{
    QWidget* window = windowShowing(widget);
    window->raise();
    window->activateWindow();
}

} // namespace kazemaru
