#pragma once
// "だれが べんきょうする？": laid over the contents screen when two or more children study on
// this computer, one large button per child in the child's colour; one click chooses.
#include "data/LearningRecord.h"

#include <QColor>
#include <QList>
#include <QWidget>

class QGridLayout;

namespace kazemaru {

// The colour of profile colour `index` (0 … LearningRecordStore::colourCount − 1), and its
// name for a grown-up.
QColor childColour(int index);
QString childColourName(int index);

class ChildPicker : public QWidget {
    Q_OBJECT
  public:
    explicit ChildPicker(QWidget* parent);

    // One button per child, "Child1", "Child2" … in this order; covers the parent and shows.
    void ask(const QList<ChildProfile>& children);

  Q_SIGNALS:
    void chosen(const QString& childUid);

  private:
    QWidget* buttons_;
    QGridLayout* grid_;
};

} // namespace kazemaru
