#include "lessons/shared/DigitRow.h"

#include <QPainter>

namespace kazemaru::written {

int cellsWidth(const QString& text, int pitch, int pointWidth)
{
    int width = 0;
    for (const QChar c : text)
        width += c == u'.' && pointWidth > 0 ? pointWidth : pitch;
    return width;
}

DigitRow::DigitRow(QWidget* parent, int pitch, int pointWidth)
    : QLabel(parent)
    , pitch_(pitch)
    , pointWidth_(pointWidth)
{
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect DigitRow::cell(qsizetype i) const
{
    const QString t = text();
    const int start = alignment() & Qt::AlignRight ? width() - cellsWidth() : 0;
    const int x = start + written::cellsWidth(t.left(i), pitch_, pointWidth_);
    const int w = written::cellsWidth(t.mid(i, 1), pitch_, pointWidth_);
    return QRect(x, 0, w, height());
}

void DigitRow::paintEvent(QPaintEvent*)
{
    const QString t = text();
    if (t.isEmpty()) return;
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    for (qsizetype i = 0; i < t.size(); ++i)
        p.drawText(cell(i), Qt::AlignCenter, t.mid(i, 1));
}

} // namespace kazemaru::written
