#include "app/ChildPicker.h"

#include "app/GrownUpWindow.h"
#include "frame/FrameFacts.h"
#include "frame/widgets/Factory.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

struct ProfileColour {
    QColor colour;
    const char16_t* name;
};

// Light faces that navy names read well on, and that tell children apart at a glance.
const ProfileColour profileColours[] = {
    {QColor(0xFF, 0xB8, 0xD9), u"ピンク"},   {QColor(0xA6, 0xCA, 0xF0), u"みずいろ"},
    {QColor(0xBD, 0xE8, 0xAF), u"みどり"},   {QColor(0xFF, 0xE0, 0x80), u"きいろ"},
    {QColor(0xFF, 0xC4, 0x8C), u"オレンジ"}, {QColor(0xD6, 0xBF, 0xFF), u"むらさき"},
};

constexpr int columns = 3;

} // namespace

QColor childColour(int index)
{
    return profileColours[std::clamp(index, 0, int(std::size(profileColours)) - 1)].colour;
}

QString childColourName(int index)
{
    return QString::fromUtf16(profileColours[std::clamp(index, 0, int(std::size(profileColours)) - 1)].name);
}

ChildPicker::ChildPicker(QWidget* parent)
    : QWidget(parent)
    , buttons_(new QWidget)
    , grid_(new QGridLayout(buttons_))
{
    setObjectName(u"ChildPicker"_s);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour::background);
    setPalette(pal);

    auto* question = new QLabel(u"だれが べんきょうする？"_s, this);
    question->setObjectName(u"Label1"_s);
    question->setFont(programFont(36, true));
    question->setStyleSheet(u"color: #000080;"_s);
    question->setAlignment(Qt::AlignCenter);

    grid_->setHorizontalSpacing(24);
    grid_->setVerticalSpacing(24);
    grid_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(buttons_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setPalette(pal);
    buttons_->setPalette(pal);
    buttons_->setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 64, 24, 24);
    layout->setSpacing(48);
    layout->addWidget(question);
    layout->addWidget(scroll, 1);
    hide();
}

void ChildPicker::ask(const QList<ChildProfile>& children)
{
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int i = 0; i < children.size(); ++i) {
        const ChildProfile& child = children[i];
        auto* button = makeButton(
            buttons_, {u"Child%1"_s.arg(i + 1), child.name, 0, 0, 280, 72, childColour(child.colour), colour::navy},
            28);
        button->setFixedSize(280, 72);
        connect(button, &QAbstractButton::clicked, this, [this, uid = child.uid] {
            hide();
            Q_EMIT chosen(uid);
        });
        grid_->addWidget(button, i / columns, i % columns);
    }
    setGeometry(parentWidget()->rect());
    show();
    raise();
}

} // namespace kazemaru
