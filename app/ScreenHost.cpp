#include "app/ScreenHost.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QTimer>
#include <cmath>

namespace kazemaru {

ScreenHost::ScreenHost(QWidget* screen, double scale, QWidget* parent)
    : QGraphicsView(parent)
    , screen_(screen)
{
    if (parent) setWindowFlag(Qt::Window);
    setObjectName(screen->objectName() + QStringLiteral("Host"));
    setWindowTitle(screen->windowTitle());
    setWindowModality(screen->windowModality());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setBackgroundBrush(screen->palette().window());

    auto* scene = new QGraphicsScene(this);
    setScene(scene);
    proxy_ = scene->addWidget(screen, Qt::Widget);
    // The view shows the screen whole wherever the screen thinks it stands.
    const auto follow = [this] { setSceneRect(proxy_->geometry()); };
    connect(proxy_, &QGraphicsWidget::geometryChanged, this, follow);
    follow();
    screen->installEventFilter(this);
    setScale(scale);
}

void ScreenHost::setScale(double scale)
{
    scale_ = scale;
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

bool ScreenHost::viewportEvent(QEvent* event)
{
    const bool handled = QGraphicsView::viewportEvent(event);
    if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &ScreenHost::firstPainted);
    }
    return handled;
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
