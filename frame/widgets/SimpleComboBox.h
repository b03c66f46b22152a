#pragma once
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace kazemaru {

// A drop-down "in simple style": an edit field that shows a heading or the chosen item, above a
// list that is always open. Only the child's choices emit changed(); programmatic changes are silent.
class SimpleComboBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QStringList items READ items WRITE setItems)
  public:
    SimpleComboBox(const QStringList& items, QWidget* parent);

    int itemIndex() const { return index_; }
    void setItemIndex(int index); // programmatic: selects without firing; -1 clears the choice

    QString text() const;
    void setText(const QString& text); // the field's text (a heading)

    QStringList items() const { return items_; }
    void setItems(const QStringList& items);

    QLineEdit* field() const { return field_; }
    QListWidget* list() const { return list_; }

    // The child's choice: selects the item, shows it in the field and emits changed(). Choosing the
    // item already chosen acts again. Does nothing while the selector is disabled or hidden.
    Q_INVOKABLE void choose(int index);

  Q_SIGNALS:
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* event) override;

  private:
    int itemForTyped(const QString& typed) const;
    void select(int index);

    QStringList items_;
    QLineEdit* field_;
    QListWidget* list_;
    int index_ = -1;
    bool guard_ = false;       // true while the program itself changes the list's selection
    bool pressChosen_ = false; // the current mouse press already chose through the selection
};

} // namespace kazemaru
