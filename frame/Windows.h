#pragma once
// The desktop window a screen is in: the screen's own, or the host window that shows it scaled
// down on a small screen (app/ScreenHost).
class QWidget;

namespace kazemaru {

// The window on the desktop that shows `widget`.
QWidget* windowShowing(QWidget* widget);

// Raises the window that shows `widget` and gives it the keyboard.
void bringToFront(QWidget* widget);

} // namespace kazemaru
