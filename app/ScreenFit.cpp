#include "app/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace kazemaru {

namespace {
// The size every screen's design is drawn for (the fractions screen is 8 pixels lower).
constexpr QSize designSize(955, 716);
} // namespace

double fitScale(const QSize& available, const QMargins& frame, const QSize& window)
{
    if (window.isEmpty()) return 1.0;
    const double across = double(available.width() - frame.left() - frame.right()) / window.width();
    const double down = double(available.height() - frame.top() - frame.bottom()) / window.height();
    const double fit = std::min({1.0, across, down});
    // Hundredths, rounded down, so that the scaled window is never a pixel too large.
    return std::max(smallestScale, std::floor(fit * 100.0 + 1e-9) / 100.0);
}

QMargins assumedFrame()
{
    // A title bar of the common desktops at their usual size, and thin borders.
    return {4, 40, 4, 4};
}

QMargins frameOf(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    const QMargins margins = handle && window->isVisible() ? handle->frameMargins() : QMargins();
    return margins.isNull() ? assumedFrame() : margins;
}

double scaleForScreen(const QScreen* screen, const QMargins& frame)
{
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return 1.0;
    return fitScale(screen->availableGeometry().size(), frame, designSize);
}

void fitOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    const QSize room(free.width() - frame.left() - frame.right(), free.height() - frame.top() - frame.bottom());
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size()) window->resize(size);
    // Inside the free area, title bar included.
    QRect placed(window->pos(), size.grownBy(frame));
    placed.moveLeft(std::clamp(placed.left(), free.left(), std::max(free.left(), free.right() + 1 - placed.width())));
    placed.moveTop(std::clamp(placed.top(), free.top(), std::max(free.top(), free.bottom() + 1 - placed.height())));
    if (placed.topLeft() != window->pos()) window->move(placed.topLeft());
}

} // namespace kazemaru
