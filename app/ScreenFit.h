#pragma once
// How large the program's windows are shown on the screen at hand. The screens are drawn for a
// 955 × 716 window; where a screen's free area cannot hold that window with its frame (a small
// school laptop with a title bar and a panel), the whole program is shown scaled down to fit, never
// cut off. Qt's own high-DPI scaling, which makes it larger where the desktop asks for it, works
// in logical pixels underneath this and is left as Qt does it.
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QtCore/qnamespace.h>

class QScreen;
class QWidget;

namespace kazemaru {

// The flags of a window that a screen opens as a window of its own (the records window, the
// children's names, the help): a real window at full size also where the screen is shown scaled
// in a host window. Given when the window is made: a window made as the child of a hosted screen is
// drawn inside the host from then on, which a flag set later no longer undoes.
inline constexpr Qt::WindowFlags ownWindowFlags = Qt::Window | Qt::BypassGraphicsProxyWidget;

// The smallest factor a window is scaled by: below half size its text is too small to read.
inline constexpr double smallestScale = 0.5;

// The factor that fits a window of `window` size, with `frame` around it, into `available`: 1 when
// it fits as it is, never above 1, rounded down to hundredths, and never below smallestScale.
double fitScale(const QSize& available, const QMargins& frame, const QSize& window);

// The frame a window manager puts around a window, assumed until the real one is known: the
// window system tells it only once a window is on the screen.
QMargins assumedFrame();

// The frame around `window` as the window system has it; assumedFrame() while it has none.
QMargins frameOf(const QWidget* window);

// The factor for the program's windows on `screen` (the primary screen when null).
double scaleForScreen(const QScreen* screen, const QMargins& frame);

// Makes a window that lays itself out (the records window, the help viewer) no larger than its
// screen's free area, frame included, and keeps it inside that area.
void fitOnScreen(QWidget* window);

} // namespace kazemaru
