#pragma once
// The teacher's class table: one row per lesson (all its menu items together) and per menu item,
// in the contents screen's order, and one column per child of the class, each cell the child's
// % ○ there, coloured from red to green like the child's own lesson table; a cell never practised
// stays plain. A cell's tooltip and its count roles give the answers and ○ behind it.
#include "data/ClassServer.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>

namespace kazemaru {

class ClassTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // Answers and ○ of a cell, for whoever reads the model (the window's own reading, tests).
    static constexpr int AnswersRole = Qt::UserRole;
    static constexpr int RightsRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;
    // The font of the lessons' own rows.
    void setBoldFont(const QFont& font) { bold_ = font; }

    // The class's children in the roster's order and its cells (by lesson, menu item, child).
    void setClass(const QList<ChildProfile>& children, const QList<ClassViewCell>& cells);
    const QList<ChildProfile>& children() const { return children_; }

    // A row's lesson and menu item; −1 as the item for a lesson's own row.
    int lessonOf(int row) const { return rows_.value(row).lesson; }
    int itemOf(int row) const { return rows_.value(row).subTopic; }
    // The summary of one child, for the child's own lesson table: every cell of theirs.
    QList<ItemSummary> childItems(const QString& childUid) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Row {
        int lesson = 0;
        int subTopic = -1; // −1: the lesson's row
    };
    struct Tally {
        int answers = 0;
        int rights = 0;
        QDateTime last;
    };
    const Tally* tally(int row, int column) const;

    QList<ChildProfile> children_;
    QList<Row> rows_;
    QHash<QString, Tally> tallies_; // by lesson, menu item (−1 for the lesson) and child
    QFont bold_;
};

} // namespace kazemaru
