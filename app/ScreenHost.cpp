#include "app/ScreenHost.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <cmath>

namespace kazemaru {

ScreenHost::ScreenHost(QWidget* screen, double scale, QWidget* parent)
    : QGraphicsView(parent)
    , screen_(screen)
{
    if (parent) setWindowFlag(Qt::Window);
    setObjectName(screen->objectName() + QStringLiteral("Host"));
    setWindowTitle(screen->windowTitle());
    // The host is the window that blocks the others while a lesson is open; the screen inside it
    // is no window of its own and would only block its own host.
    setWindowModality(screen->windowModality());
    screen->setWindowModality(Qt::NonModal);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setBackgroundBrush(screen->palette().window());

    auto* scene = new QGraphicsScene(this);
    setScene(scene);
    // Taken over hidden, as it was: taking it over must not show it (and run its show handler).
    const bool shown = screen->isVisible();
    screen->hide();
    proxy_ = new QGraphicsProxyWidget(nullptr, Qt::Widget);
    proxy_->setVisible(false);
    proxy_->setWidget(screen);
    // The host's own window has the frame: the screen is drawn without a second one in the scene.
    proxy_->setWindowFlags(Qt::Widget);
    scene->addItem(proxy_);
    // The screen stands at the scene's origin, where the view shows it whole, wherever it is moved
    // (a window's position means nothing inside the host; the host is the window that moves).
    const auto pin = [this] {
        if (!proxy_->pos().isNull()) proxy_->setPos(0, 0);
    };
    connect(proxy_, &QGraphicsWidget::geometryChanged, this, pin);
    pin();
    scene->setSceneRect(QRectF(QPointF(0, 0), QSizeF(screen->size())));
    screen->installEventFilter(this);
    setScale(scale);
    if (shown) screen->show();
}

void ScreenHost::setScale(double scale)
{
    setTransform(QTransform::fromScale(scale, scale));
    const QSize size = screen_->size();
    setFixedSize(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale)));
}

bool ScreenHost::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == screen_) {
        switch (event->type()) {
        case QEvent::Show:
            // Shown by its button or the program: the host comes up with it, with the keyboard.
            if (!isVisible()) show();
            proxy_->setFocus();
            break;
        case QEvent::Hide:
            // Hidden by its back button or by the program.
            if (isVisible()) hide();
            break;
        case QEvent::WindowTitleChange: setWindowTitle(screen_->windowTitle()); break;
        default: break;
        }
    }
    return QGraphicsView::eventFilter(watched, event);
}

void ScreenHost::closeEvent(QCloseEvent* event)
{
    // The window frame's close acts on the screen, as it would on the screen's own window: a lesson
    // screen hides (and the host with it), the contents screen ends the program.
    if (screen_->isVisible() && !screen_->close())
        event->ignore();
    else
        event->accept();
}

} // namespace kazemaru
