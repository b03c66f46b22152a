#include "frame/widgets/Label.h"

#include <QPainter>

namespace kazemaru {

Label::Label(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    fit();
}

void Label::setText(const QString& text)
{
    if (text == QLabel::text()) return;
    QLabel::setText(text);
    fit();
}

void Label::fit()
{
    const QSize hint = sizeHint().expandedTo(QSize(1, 1));
    if (alignment() & Qt::AlignRight) {
        const int right = x() + width();
        setGeometry(right - hint.width(), y(), hint.width(), hint.height());
    } else {
        resize(hint);
    }
}

int Label::lineStep(int gaps) const
{
    // A label given a maximum height closes its lines up, down to the font's own line height,
    // rather than run past it.
    const int height = fontMetrics().height();
    const int natural = qRound(height * 1.2);
    if (gaps == 0 || maximumHeight() >= QWIDGETSIZE_MAX) return natural;
    const int fitting = (maximumHeight() - height - 2) / gaps;
    return qBound(height, fitting, natural);
}

QSize Label::sizeHint() const
{
    const QStringList lines = text().split(u'\n');
    if (lines.size() < 2) return QLabel::sizeHint();
    const QFontMetrics fm = fontMetrics();
    int width = 0;
    for (const QString& line : lines)
        width = qMax(width, fm.horizontalAdvance(line));
    const int gaps = int(lines.size() - 1);
    return {width + 2, lineStep(gaps) * gaps + fm.height() + 2};
}

void Label::paintEvent(QPaintEvent* event)
{
    const QStringList lines = text().split(u'\n');
    if (lines.size() < 2) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QFontMetrics fm = fontMetrics();
    const QRect area = contentsRect();
    const int step = lineStep(int(lines.size() - 1));
    int y = area.top() + 1;
    for (const QString& line : lines) {
        const int advance = fm.horizontalAdvance(line);
        int x = area.left() + 1;
        if (alignment() & Qt::AlignRight)
            x = area.right() - advance;
        else if (alignment() & Qt::AlignHCenter)
            x = area.left() + (area.width() - advance) / 2;
        p.drawText(x, y + fm.ascent(), line);
        y += step;
    }
}

} // namespace kazemaru
