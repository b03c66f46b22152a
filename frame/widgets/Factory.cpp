#include "frame/widgets/Factory.h"

#include "frame/FrameFacts.h"
#include "frame/Windows.h"

#include <QScreen>
#include <QSyntaxHighlighter>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Full-width digits, points and letters are an em wide each, the ink in the middle or, for the
// point, at the left, so "０．１ｃｍ" reads "0. 1 c m". Within a memo each run of them is set
// close, with the same small gap between the inks, as Japanese type sets a number in prose; the
// text itself stays as it is.
class FullWidthRuns : public QSyntaxHighlighter {
  public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

  protected:
    void highlightBlock(const QString& text) override;
};

bool setClose(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'０' && u <= u'９') || u == u'．' || (u >= u'Ａ' && u <= u'Ｚ') || (u >= u'ａ' && u <= u'ｚ');
}

void FullWidthRuns::highlightBlock(const QString& text)
{
    QFont face = document()->defaultFont();
    face.setFamilies(alignedFamilies());
    const QFontMetricsF metrics(face);
    const qreal gap = metrics.horizontalAdvance(u'０') / 12;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && setClose(text[end]))
            ++end;
        // Each character but the run's last ends where the next one's ink, one gap on, begins.
        for (qsizetype i = start; i + 1 < end; ++i) {
            const qreal advance = metrics.horizontalAdvance(text[i]);
            const qreal wanted = metrics.boundingRect(text[i]).right() + gap - metrics.boundingRect(text[i + 1]).left();
            QTextCharFormat close;
            close.setFontLetterSpacingType(QFont::PercentageSpacing);
            close.setFontLetterSpacing(100 * wanted / advance);
            setFormat(int(i), 1, close);
        }
        start = end + 1;
    }
}

// A top-level window's frame as the window manager drew it (none before it is framed).
QMargins frameMargins(const QWidget* window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace

Label* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int pixelSize, bool bold,
                 const QColor& colour)
{
    auto* label = new Label(QString(), parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    label->move(left, top);
    label->setText(text);
    label->fit();
    return label;
}

CuteButton* makeButton(QWidget* parent, const ButtonFact& fact, int pixelSize)
{
    auto* button = new CuteButton(fact.caption, fact.colour, fact.textColour, parent);
    button->setObjectName(fact.name);
    QFont f = button->font();
    f.setPixelSize(pixelSize);
    f.setBold(true);
    button->setFont(f);
    button->setGeometry(fact.left, fact.top, fact.width, fact.height);
    return button;
}

QStringList programFamilies()
{
    return QStringList{u"Comfortaa"_s} + alignedFamilies();
}

QStringList alignedFamilies()
{
    return {u"HG丸ｺﾞｼｯｸM-PRO"_s, u"MotoyaLMaru"_s, u"Noto Sans CJK JP"_s};
}

void alignByCharacters(QWidget* widget)
{
    QFont f = widget->font();
    f.setFamilies(alignedFamilies());
    widget->setFont(f);
}

QStringList digitItems()
{
    return {u"０"_s, u"１"_s, u"２"_s, u"３"_s, u"４"_s, u"５"_s, u"６"_s, u"７"_s, u"８"_s, u"９"_s};
}

SimpleComboBox* makeDigitSelector(QWidget* parent, const QString& name, int left, int top, const QString& heading,
                                  int width, int height)
{
    auto* box = new SimpleComboBox(digitItems(), parent);
    box->setObjectName(name);
    QFont f = box->font();
    f.setPixelSize(16); // the ten digits fill the open list: big enough for a child's finger
    f.setBold(true);
    box->setFont(f);
    box->setGeometry(left, top, width, height);
    box->setText(heading);
    return box;
}

QPlainTextEdit* makeMemo(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& lines)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setGeometry(geometry);
    new FullWidthRuns(memo->document());
    memo->setPlainText(lines.join(u'\n'));
    memo->hide();
    return memo;
}

void centreOnScreen(QWidget* window)
{
    window = windowShowing(window);
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QPoint middle = screen->availableGeometry().center();
    // A window the window manager has not framed yet (a lesson at its first showing) has no title
    // bar to count: it takes the frame of the window it belongs to, which the same window manager
    // draws alike, and places its inside where that frame leaves it, so that it stands where the
    // contents window stands and its title bar stays on the screen.
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (const QMargins borrowed = owner ? frameMargins(owner) : QMargins();
        frameMargins(window).isNull() && !borrowed.isNull()) {
        QRect frame = window->geometry().marginsAdded(borrowed);
        frame.moveCenter(middle);
        window->setGeometry(frame.marginsRemoved(borrowed));
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(middle);
    window->move(frame.topLeft());
}

} // namespace kazemaru
