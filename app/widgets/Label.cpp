#include "app/widgets/Label.h"

namespace kazemaru {

Label::Label(const QString& text, QWidget* parent, bool autoSize)
    : QLabel(text, parent)
    , autoSize_(autoSize)
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

void Label::setAutoSize(bool on)
{
    autoSize_ = on;
    fit();
}

void Label::fit()
{
    if (!autoSize_) return;
    const QSize hint = sizeHint().expandedTo(QSize(1, 1));
    if (alignment() & Qt::AlignRight) {
        const int right = x() + width();
        setGeometry(right - hint.width(), y(), hint.width(), hint.height());
    } else {
        resize(hint);
    }
}

} // namespace kazemaru
