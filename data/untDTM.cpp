#include "data/untDTM.h"

#include "app/Dialogs.h"

#include <QHeaderView>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

struct GridColumn {
    QString title;
    QString field;
    int width;
};

const QList<GridColumn>& gridColumns(DrillTable t)
{
    static const QList<GridColumn> division = {
        {u"Ｎｏ"_s, u"NB"_s, 40},          {u"もんだい"_s, u"MND"_s, 140}, {u"答え（正）"_s, u"KAI"_s, 90},
        {u"あまり（正）"_s, u"AMS"_s, 90}, {u"答え"_s, u"KOT"_s, 90},      {u"あまり"_s, u"AMI"_s, 90},
        {u"○×"_s, u"HNT"_s, 40},
    };
    static const QList<GridColumn> decimal = {
        {u"Ｎｏ"_s, u"NB"_s, 40},          {u"もんだい"_s, u"MND"_s, 140}, {u"答え（正）"_s, u"KAI"_s, 90},
        {u"答え（入力）"_s, u"KOT"_s, 90}, {u"○×"_s, u"HNT"_s, 90},
    };
    return t == DrillTable::Division ? division : decimal;
}

QList<TableDef> drillTables()
{
    const QString i = u"INTEGER"_s, s = u"TEXT"_s;
    return {
        {u"dorill"_s,
         {{u"NB"_s, i}, {u"MND"_s, s}, {u"KAI"_s, i}, {u"KOT"_s, i}, {u"HNT"_s, s}, {u"AMS"_s, i}, {u"AMI"_s, i}}},
        {u"dorills"_s, {{u"NB"_s, i}, {u"MND"_s, s}, {u"KAI"_s, s}, {u"KOT"_s, s}, {u"HNT"_s, s}}},
    };
}

// A query whose grid titles come from the grid's columns, centred; numbers are right-aligned
// and texts left-aligned, as a data grid shows them.
class DrillQueryModel : public QSqlQueryModel {
  public:
    DrillQueryModel(DrillTable table, QObject* parent)
        : QSqlQueryModel(parent)
        , table_(table)
    {
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && section >= 0 && section < record().count()) {
            if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
            if (role == Qt::DisplayRole) {
                const QString field = record().fieldName(section);
                for (const GridColumn& c : gridColumns(table_))
                    if (c.field.compare(field, Qt::CaseInsensitive) == 0) return c.title;
            }
        }
        return QSqlQueryModel::headerData(section, orientation, role);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::TextAlignmentRole) {
            const int type = QSqlQueryModel::data(index, Qt::DisplayRole).metaType().id();
            const bool number = type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::Double;
            return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        return QSqlQueryModel::data(index, role);
    }

  private:
    DrillTable table_;
};

// Puts the grid's columns in their order with their widths; the query returns the fields in
// the table's order, which differs for the division drill.
void layOutColumns(QTableView* view, DrillTable t)
{
    const auto* model = qobject_cast<const QSqlQueryModel*>(view->model());
    if (!model) return;
    const QSqlRecord record = model->record();
    QHeaderView* header = view->horizontalHeader();
    int visual = 0;
    for (const GridColumn& c : gridColumns(t)) {
        const int logical = record.indexOf(c.field);
        if (logical < 0) continue;
        header->moveSection(header->visualIndex(logical), visual++);
        view->setColumnWidth(logical, c.width);
    }
}

} // namespace

TDataModule1::TDataModule1(const QString& databaseFolder, QObject* parent)
    : QObject(parent)
    , DBISAMQuery2(new DrillQueryModel(DrillTable::Division, this))
    , DBISAMQuery4(new DrillQueryModel(DrillTable::Decimal, this))
    , store_(databaseFolder, drillTables())
{
    DBISAMQuery2->setObjectName(u"DBISAMQuery2"_s);
    DBISAMQuery4->setObjectName(u"DBISAMQuery4"_s);
}

TDataModule1::~TDataModule1()
{
    // The queries use the store's connection, which closes with the store.
    DBISAMQuery2->clear();
    DBISAMQuery4->clear();
}

QString TDataModule1::tableName(DrillTable t)
{
    return t == DrillTable::Division ? u"dorill"_s : u"dorills"_s;
}

bool TDataModule1::report(const QString& what, DrillTable t)
{
    reportError(u"ドリルの きろく（%1）を %2。\n%3"_s.arg(tableName(t), what, store_.lastError()));
    return false;
}

bool TDataModule1::requeryModel(DrillTable t)
{
    QSqlQueryModel* model = query(t);
    model->setQuery(u"select * from "_s + tableName(t), store_.database());
    if (model->lastError().isValid()) {
        const QString message = store_.filePath() + u": "_s + model->lastError().text().trimmed();
        model->clear();
        (t == DrillTable::Division ? open2_ : open4_) = false;
        reportError(u"ドリルの きろく（%1）を 読めませんでした。\n%2"_s.arg(tableName(t), message));
        return false;
    }
    // The tables hold one run each; fetching everything makes the grid and the row count whole.
    while (model->canFetchMore())
        model->fetchMore();
    (t == DrillTable::Division ? open2_ : open4_) = true;
    return true;
}

bool TDataModule1::requery(DrillTable t)
{
    if (!store_.open()) return report(u"読めませんでした"_s, t);
    return requeryModel(t);
}

bool TDataModule1::clear(DrillTable t)
{
    if (!store_.clear(tableName(t))) return report(u"消せませんでした"_s, t);
    return requeryModel(t);
}

bool TDataModule1::appendRow(DrillTable t, const QVariantList& valuesByPosition)
{
    if (!store_.append(tableName(t), valuesByPosition)) return report(u"書きこめませんでした"_s, t);
    return requeryModel(t);
}

void TDataModule1::bindGrid(QTableView* view, DrillTable t)
{
    view->setModel(query(t));
    view->setStyleSheet(u"QTableView { background-color: #FFFBF0; }"_s);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // A requery resets the model and with it the header's column order.
    connect(query(t), &QAbstractItemModel::modelReset, view, [view, t] { layOutColumns(view, t); });
    layOutColumns(view, t);
}

} // namespace kazemaru
