#include "app/records/ClassTable.h"

#include "app/records/LessonTexts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

QString key(int lesson, int subTopic, const QString& child)
{
    return u"%1/%2/%3"_s.arg(lesson).arg(subTopic).arg(child);
}

} // namespace

void ClassTableModel::setClass(const QList<ChildProfile>& children, const QList<ClassViewCell>& cells)
{
    beginResetModel();
    children_ = children;
    rows_.clear();
    tallies_.clear();
    for (int lesson = firstLesson; lesson <= lastLesson; ++lesson) {
        if (!lessonJudges(lesson)) continue;
        rows_.append({lesson, -1});
        for (int item : lessonItems(lesson))
            rows_.append({lesson, item});
    }
    for (const ClassViewCell& c : cells) {
        for (const int sub : {c.subTopic, -1}) {
            Tally& t = tallies_[key(c.lesson, sub, c.childUid)];
            t.answers += c.answers;
            t.rights += c.rights;
            if (!t.last.isValid() || c.last > t.last) t.last = c.last;
        }
    }
    endResetModel();
}

QList<ItemSummary> ClassTableModel::childItems(const QString& childUid) const
{
    QList<ItemSummary> items;
    for (const Row& r : rows_) {
        if (r.subTopic < 0) continue;
        const auto t = tallies_.constFind(key(r.lesson, r.subTopic, childUid));
        if (t != tallies_.cend()) items.append({r.lesson, r.subTopic, t->answers, t->rights, t->last});
    }
    return items;
}

const ClassTableModel::Tally* ClassTableModel::tally(int row, int column) const
{
    if (row < 0 || row >= rows_.size() || column < 0 || column >= children_.size()) return nullptr;
    const auto t = tallies_.constFind(key(rows_[row].lesson, rows_[row].subTopic, children_[column].uid));
    return t == tallies_.cend() ? nullptr : &*t;
}

int ClassTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(children_.size());
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const bool lessonRow = rows_.value(index.row()).subTopic < 0;
    if (role == Qt::FontRole && lessonRow) return bold_;
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    const Tally* t = tally(index.row(), index.column());
    if (!t) return {}; // never practised: a plain cell
    switch (role) {
    case Qt::DisplayRole: return percentText(t->rights, t->answers);
    case Qt::BackgroundRole: return rateColour(t->rights, t->answers);
    case AnswersRole: return t->answers;
    case RightsRole: return t->rights;
    case Qt::ToolTipRole: {
        const Row& r = rows_[index.row()];
        return u"%1\n%2\n%3もん中 ○%4（%5）\nさいごに やった日 %6"_s
            .arg(children_[index.column()].name, r.subTopic < 0 ? lessonName(r.lesson) : itemName(r.lesson, r.subTopic))
            .arg(t->answers)
            .arg(t->rights)
            .arg(percentText(t->rights, t->answers), t->last.toString(u"yyyy/MM/dd"_s));
    }
    default: return {};
    }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return children_.value(section).name;
        return {};
    }
    const Row r = rows_.value(section);
    if (role == Qt::DisplayRole)
        return r.subTopic < 0 ? lessonName(r.lesson) : u"　　"_s + itemName(r.lesson, r.subTopic);
    if (role == Qt::FontRole && r.subTopic < 0) return bold_;
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

} // namespace kazemaru
