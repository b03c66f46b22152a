#pragma once
// A screen shown scaled down: on a screen too small for the program's windows, each of the
// program's screens (the contents screen and the lesson screens) is shown inside a host window
// that draws it scaled by one factor — text and pictures stay sharp, since they are drawn at the
// scaled size — and passes the child's clicks and typing on to it where they land on the scaled
// picture. The screen itself keeps its design coordinates; showing, hiding and closing it, its
// title and its modality carry over to the host.
#include <QGraphicsView>

class QGraphicsProxyWidget;

namespace kazemaru {

class ScreenHost : public QGraphicsView {
    Q_OBJECT
  public:
    // Takes over `screen`, a window without a parent, and shows it scaled by `scale`; `parent`
    // is the window the host stays in front of, if any.
    ScreenHost(QWidget* screen, double scale, QWidget* parent = nullptr);

    void setScale(double scale);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* screen_;
    QGraphicsProxyWidget* proxy_;
};

} // namespace kazemaru
