#include "frame/widgets/Shape.h"

#include "frame/Palette.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kazemaru {

Shape::Shape(const QColor& colour, QWidget* parent)
    : QWidget(parent)
    , colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setOutline(const QColor& ink, Qt::Edges solid, Qt::Edges dashed)
{
    ink_ = ink;
    solid_ = solid;
    dashed_ = dashed;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), colour_);
    if (!solid_ && !dashed_) return;
    const int right = width() - 1, bottom = height() - 1;
    const auto edge = [&](Qt::Edge e, int x1, int y1, int x2, int y2) {
        if (!((solid_ | dashed_) & e)) return;
        p.setPen(QPen(ink_, 1, (solid_ & e) ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(x1, y1, x2, y2);
    };
    edge(Qt::TopEdge, 0, 0, right, 0);
    edge(Qt::BottomEdge, 0, bottom, right, bottom);
    edge(Qt::LeftEdge, 0, 0, 0, bottom);
    edge(Qt::RightEdge, right, 0, right, bottom);
}

Picture::Picture(const QString& resource, QWidget* parent)
    : QWidget(parent)
    , resource_(resource)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Picture::~Picture() = default;

void Picture::paintEvent(QPaintEvent*)
{
    if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(resource_);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&p, QRectF(rect()));
}

StatusBar::StatusBar(const QList<int>& panelWidths, QWidget* parent)
    : QWidget(parent)
    , widths_(panelWidths)
{
    for (qsizetype i = 0; i < widths_.size(); ++i)
        texts_.append(QString());
    QFont f = font();
    f.setPixelSize(12);
    f.setBold(true);
    setFont(f);
}

QString StatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < texts_.size() ? texts_[panel] : QString();
}

void StatusBar::setPanelText(int panel, const QString& text)
{
    if (panel < 0 || panel >= texts_.size() || texts_[panel] == text) return;
    texts_[panel] = text;
    update();
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), colour::statusFill);
    p.setPen(colour::statusLine);
    p.drawLine(0, 0, width(), 0);
    int x = 0;
    for (qsizetype i = 0; i < widths_.size(); ++i) {
        const bool last = i == widths_.size() - 1;
        const int w = last ? width() - x : widths_[i];
        const QRect cell(x + 2, 2, w - 4, height() - 4);
        p.setPen(colour::statusCell);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.drawText(cell, Qt::AlignCenter, texts_[i]);
        x += w;
    }
}

} // namespace kazemaru
