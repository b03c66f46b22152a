#include "frame/widgets/Factory.h"

#include "frame/FrameFacts.h"

#include <QScreen>

using namespace Qt::StringLiterals;

namespace kazemaru {

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
    return {u"HG丸ｺﾞｼｯｸM-PRO"_s, u"MotoyaLMaru"_s, u"Noto Sans CJK JP"_s};
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
    memo->setPlainText(lines.join(u'\n'));
    memo->hide();
    return memo;
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace kazemaru
