#include "frame/widgets/SimpleComboBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace kazemaru {
namespace {

// '0'…'9' and the full-width '０'…'９' an input method gives, as the digit; -1 otherwise.
int digitOf(QChar c)
{
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'\uFF10' && c <= u'\uFF19') return c.unicode() - u'\uFF10';
    return -1;
}

} // namespace

SimpleComboBox::SimpleComboBox(const QStringList& items, QWidget* parent)
    : QWidget(parent)
    , field_(new QLineEdit(this))
    , list_(new QListWidget(this))
{
    field_->setContextMenuPolicy(Qt::NoContextMenu);
    field_->setDragEnabled(false);
    field_->setAcceptDrops(false);
    field_->setTextMargins(0, 0, 0, 0);
    field_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    // Item views take the platform's own font unless told otherwise; the list reads like the field.
    list_->setFont(font());
    setItems(items);

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (guard_) return;
        const auto selected = list_->selectedItems();
        if (selected.isEmpty()) return;
        pressChosen_ = true;
        choose(list_->row(selected.first()));
    });
    // A click on the item already selected changes no selection but is still a choice.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (pressChosen_) {
            pressChosen_ = false;
            return;
        }
        choose(list_->row(item));
    });
}

void SimpleComboBox::setItems(const QStringList& items)
{
    guard_ = true;
    items_ = items;
    list_->clear();
    list_->addItems(items);
    index_ = -1;
    guard_ = false;
}

QString SimpleComboBox::text() const
{
    return field_->text();
}

void SimpleComboBox::setText(const QString& text)
{
    field_->setText(text);
    field_->setCursorPosition(0);
}

void SimpleComboBox::select(int index)
{
    guard_ = true;
    index_ = (index >= 0 && index < items_.size()) ? index : -1;
    if (index_ < 0) {
        list_->clearSelection();
        list_->setCurrentItem(nullptr);
    } else {
        list_->setCurrentRow(index_);
    }
    guard_ = false;
}

void SimpleComboBox::setItemIndex(int index)
{
    select(index);
    if (index_ >= 0) setText(items_[index_]);
}

void SimpleComboBox::choose(int index)
{
    if (!isEnabled() || isHidden() || index < 0 || index >= items_.size()) return;
    select(index);
    setText(items_[index]);
    Q_EMIT changed();
}

int SimpleComboBox::itemForTyped(const QString& typed) const
{
    if (typed.size() != 1 || digitOf(typed[0]) < 0) return -1;
    const int digit = digitOf(typed[0]);
    for (int i = 0; i < items_.size(); ++i) {
        const QString item = items_[i].trimmed();
        if (item.size() == 1 && digitOf(item[0]) == digit) return i;
    }
    return -1;
}

bool SimpleComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress) pressChosen_ = false;
    if (watched != field_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
        if (const int i = itemForTyped(key->text()); i >= 0) choose(i);
        return true; // the field keeps its text whatever else is typed
    }
    case QEvent::InputMethod: {
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (const int i = itemForTyped(im->commitString()); i >= 0) choose(i);
        QInputMethodEvent swallowed; // end any composition without changing the text
        QWidget::eventFilter(watched, &swallowed);
        return true;
    }
    default: return QWidget::eventFilter(watched, event);
    }
}

void SimpleComboBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) list_->setFont(font());
    QWidget::changeEvent(event);
}

void SimpleComboBox::resizeEvent(QResizeEvent*)
{
    const int fieldHeight = qMin(height(), fontMetrics().height() + 6);
    field_->setGeometry(0, 0, width(), fieldHeight);
    list_->setGeometry(0, fieldHeight, width(), height() - fieldHeight);
}

} // namespace kazemaru
