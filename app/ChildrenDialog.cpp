#include "app/ChildrenDialog.h"

#include "app/ChildPicker.h"
#include "app/GrownUpWindow.h"
#include "data/AnswerRecorder.h"
#include "data/LearningRecordStore.h"
#include "frame/Dialogs.h"
#include "frame/FrameFacts.h"
#include "frame/widgets/Factory.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

QIcon swatch(int colour)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour::navy);
    p.setBrush(childColour(colour));
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    return QIcon(pixmap);
}

} // namespace

ChildrenDialog::ChildrenDialog(LearningRecordStore& record, AnswerRecorder* answers, QWidget* parent)
    : QDialog(parent)
    , record_(record)
    , answers_(answers)
{
    setObjectName(u"ChildrenDialog"_s);
    QLabel* title = setUpGrownUpWindow(this, u"こどもの なまえ"_s, 600, 520, 16);

    list_ = new QListWidget(this);
    list_->setObjectName(u"ListBox1"_s);
    list_->setFont(programFont(20, true));
    list_->setIconSize(QSize(20, 20));
    list_->setStyleSheet(u"QListWidget { background-color: #FFFBF0; } QListWidget::item { padding: 4px; }"_s);
    connect(list_, &QListWidget::itemSelectionChanged, this, &ChildrenDialog::ListBox1Click);

    name_ = new QLineEdit(this);
    name_->setObjectName(u"Edit1"_s);
    name_->setFont(programFont(20));
    name_->setPlaceholderText(u"なまえ"_s);

    colours_ = new QButtonGroup(this);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(u"いろ："_s, this));
    for (int c = 0; c < LearningRecordStore::colourCount; ++c) {
        auto* b = new QPushButton(this);
        b->setObjectName(u"Colour%1"_s.arg(c + 1));
        b->setCheckable(true);
        b->setFixedSize(36, 36);
        b->setToolTip(childColourName(c));
        b->setStyleSheet(u"QPushButton { background-color: %1; border: 2px solid #A0A0D0; border-radius: 18px; }"
                         u"QPushButton:checked { border: 4px solid #000080; }"_s.arg(childColour(c).name()));
        colours_->addButton(b, c);
        colourRow->addWidget(b);
    }
    colourRow->addStretch();
    colours_->button(0)->setChecked(true);

    note_ = new QLabel(this);
    note_->setObjectName(u"Label2"_s);
    note_->setStyleSheet(u"color: #C00000;"_s);
    note_->setWordWrap(true);

    auto* add = makeButton(this, {u"CuteButton1"_s, u"ふやす"_s, 0, 0, 110, 34, colour::skyBlue, colour::navy});
    rename_ = makeButton(this, {u"CuteButton2"_s, u"かえる"_s, 0, 0, 110, 34, colour::mint, colour::navy});
    remove_ = makeButton(this, {u"CuteButton3"_s, u"けす"_s, 0, 0, 110, 34, colour::maroon, colour::cream});
    auto* close = makeButton(this, {u"CuteButton4"_s, u"とじる"_s, 0, 0, 90, 34, colour::navy, colour::cream});
    // The layout keeps the buttons as made, with air around their captions.
    for (QPushButton* b : std::initializer_list<QPushButton*>{add, rename_, remove_, close})
        b->setMinimumSize(b->size());
    connect(add, &QAbstractButton::clicked, this, &ChildrenDialog::CuteButton1Click);
    connect(rename_, &QAbstractButton::clicked, this, &ChildrenDialog::CuteButton2Click);
    connect(remove_, &QAbstractButton::clicked, this, &ChildrenDialog::CuteButton3Click);
    connect(close, &QAbstractButton::clicked, this, &ChildrenDialog::CuteButton4Click);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(u"なまえ（%1もじまで）："_s.arg(LearningRecordStore::nameLength), this));
    nameRow->addWidget(name_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(rename_);
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(title);
    layout->addWidget(list_, 1);
    layout->addLayout(nameRow);
    layout->addLayout(colourRow);
    layout->addWidget(note_);
    layout->addLayout(buttons);
}

bool ChildrenDialog::reload()
{
    const QString was = chosen() >= 0 ? children_[chosen()].uid : QString();
    const QSignalBlocker quiet(list_);
    list_->clear();
    if (StoreError error = record_.tryReadChildren(children_)) {
        reportError(*error);
        remove_->setEnabled(false);
        rename_->setEnabled(false);
        return false;
    }
    for (const ChildProfile& child : children_)
        list_->addItem(new QListWidgetItem(swatch(child.colour), child.name));
    remove_->setEnabled(children_.size() > 1);
    select(was.isEmpty() ? record_.currentChildUid() : was);
    return true;
}

void ChildrenDialog::select(const QString& uid)
{
    for (int i = 0; i < children_.size(); ++i)
        if (children_[i].uid == uid) list_->setCurrentRow(i);
    ListBox1Click();
}

int ChildrenDialog::chosen() const
{
    const int row = list_->currentRow();
    return row >= 0 && row < children_.size() ? row : -1;
}

int ChildrenDialog::colour() const
{
    return std::max(0, colours_->checkedId());
}

void ChildrenDialog::ListBox1Click()
{
    const int row = chosen();
    rename_->setEnabled(row >= 0);
    if (row < 0) return;
    name_->setText(children_[row].name);
    if (QAbstractButton* b = colours_->button(children_[row].colour)) b->setChecked(true);
    note_->clear();
}

bool ChildrenDialog::nameFits(const QString& name, const QString& exceptUid)
{
    switch (LearningRecordStore::checkName(name, children_, exceptUid)) {
    case NameCheck::Fine: note_->clear(); return true;
    case NameCheck::Empty: note_->setText(u"なまえを 入れてください。"_s); break;
    case NameCheck::TooLong: note_->setText(u"なまえは %1もじまでです。"_s.arg(LearningRecordStore::nameLength)); break;
    case NameCheck::Taken: note_->setText(u"「%1」は もう います。ちがう なまえに してください。"_s.arg(name)); break;
    }
    name_->setFocus();
    return false;
}

void ChildrenDialog::CuteButton1Click()
{
    const QString name = name_->text();
    if (!nameFits(name, {})) return;
    ChildProfile added;
    if (StoreError error = record_.tryAddChild(name, colour(), added)) {
        reportError(*error);
        return;
    }
    reload();
    select(added.uid);
    // The next child gets a colour of their own unless the grown-up picks another.
    name_->clear();
    colours_->button((added.colour + 1) % LearningRecordStore::colourCount)->setChecked(true);
    Q_EMIT childrenChanged();
}

void ChildrenDialog::CuteButton2Click()
{
    const int row = chosen();
    if (row < 0) return;
    ChildProfile child = children_[row];
    if (!nameFits(name_->text(), child.uid)) return;
    child.name = name_->text();
    child.colour = colour();
    if (StoreError error = record_.tryUpdateChild(child)) {
        reportError(*error);
        return;
    }
    reload();
    Q_EMIT childrenChanged();
}

void ChildrenDialog::CuteButton3Click()
{
    const int row = chosen();
    if (row < 0 || children_.size() < 2) return;
    const ChildProfile child = children_[row];
    if (showDialog(DialogKind::Confirm, u"「%1」を けしますか？\n「%1」の こたえと ドリルの きろくも すべて けします。"
                                        u"けした きろくは もとに もどせません。"_s.arg(child.name)) !=
        DialogAnswer::Yes)
        return;
    if (answers_) {
        // Answers on their way to the disk must not outlive the child.
        answers_->forgetChild(child.uid);
        answers_->waitUntilStored(2000);
    }
    if (StoreError error = record_.tryRemoveChild(child.uid)) {
        reportError(*error);
        return;
    }
    list_->setCurrentRow(-1);
    reload();
    Q_EMIT childrenChanged();
}

void ChildrenDialog::CuteButton4Click()
{
    close();
}

} // namespace kazemaru
