#include "data/untDTM.h"

#include "data/KyozaiSchema.h"

#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

const DrillTableDesign designs[] = {
    {DrillTable::Division,
     {u"dorill"_s,
      {{u"NB"_s, u"INTEGER"_s},
       {u"MND"_s, u"TEXT"_s},
       {u"KAI"_s, u"INTEGER"_s},
       {u"KOT"_s, u"INTEGER"_s},
       {u"HNT"_s, u"TEXT"_s},
       {u"AMS"_s, u"INTEGER"_s},
       {u"AMI"_s, u"INTEGER"_s}}},
     u"DBISAMQuery2"_s,
     {{u"Ｎｏ"_s, u"NB"_s, 40},
      {u"もんだい"_s, u"MND"_s, 140},
      {u"答え（正）"_s, u"KAI"_s, 90},
      {u"あまり（正）"_s, u"AMS"_s, 90},
      {u"答え"_s, u"KOT"_s, 90},
      {u"あまり"_s, u"AMI"_s, 90},
      {u"○×"_s, u"HNT"_s, 40}}},
    {DrillTable::Decimal,
     {u"dorills"_s,
      {{u"NB"_s, u"INTEGER"_s},
       {u"MND"_s, u"TEXT"_s},
       {u"KAI"_s, u"TEXT"_s},
       {u"KOT"_s, u"TEXT"_s},
       {u"HNT"_s, u"TEXT"_s}}},
     u"DBISAMQuery4"_s,
     {{u"Ｎｏ"_s, u"NB"_s, 40},
      {u"もんだい"_s, u"MND"_s, 140},
      {u"答え（正）"_s, u"KAI"_s, 90},
      {u"答え（入力）"_s, u"KOT"_s, 90},
      {u"○×"_s, u"HNT"_s, 90}}},
};

const QList<GridColumn>& gridColumns(DrillTable t)
{
    return drillTableDesign(t).grid;
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

const DrillTableDesign& drillTableDesign(DrillTable t)
{
    return designs[t == DrillTable::Division ? 0 : 1];
}

TDataModule1::TDataModule1(const QString& databaseFolder, QObject* parent)
    : QObject(parent)
    , DBISAMQuery2(new DrillQueryModel(DrillTable::Division, this))
    , DBISAMQuery4(new DrillQueryModel(DrillTable::Decimal, this))
    , store_(databaseFolder, {designs[0].table, designs[1].table, drillHistoryTable(), childrenTable(), answersTable()},
             kyozaiUpgrades())
    , tables_{{DBISAMQuery2}, {DBISAMQuery4}}
    , record_(store_)
{
    for (const DrillTableDesign& d : designs)
        query(d.id)->setObjectName(d.queryName);
}

TDataModule1::~TDataModule1()
{
    // The queries use the store's connection, which closes with the store.
    for (TableState& t : tables_)
        t.query->clear();
}

QString storeFaultAdvice(StoreFault fault)
{
    switch (fault) {
    case StoreFault::Locked:
        return u"ほかの プログラムが きろくの ファイルを つかっていて、%1びょう まっても あきませんでした。"
               u"その プログラムを とじてください。"_s.arg(TableStore::busyTimeoutMs / 1000);
    case StoreFault::Full:
        return u"ディスクが いっぱいです。いらない ファイルを けして、あきを つくってください。"
               u"これまでの きろくは のこっています。"_s;
    case StoreFault::ReadOnly: return u"きろくの ファイルに 書きこむことが ゆるされていません。"_s;
    case StoreFault::NotADatabase: return u"きろくの ファイルが こわれているか、ドリルの きろくでは ありません。"_s;
    case StoreFault::CannotOpen: return u"きろくの フォルダーか ファイルを ひらけません。"_s;
    case StoreFault::Disk: return u"ディスクの 読み書きに しっぱいしました。"_s;
    case StoreFault::Newer:
        return u"きろくの ファイルは、この Kazemaru より あたらしい Kazemaru で つくられたので、"
               u"この Kazemaru では つかえません。ファイルは そのままに してあります。"_s;
    case StoreFault::None:
    case StoreFault::Other: break;
    }
    return {};
}

QString failureText(const QString& record, const QString& what, StoreFault fault, const QString& message)
{
    const QString plain = storeFaultAdvice(fault);
    return u"%1を %2。\n%3%4"_s.arg(record, what, plain.isEmpty() ? QString() : plain + u'\n', message);
}

namespace {

QString drillRecord(DrillTable t)
{
    return u"ドリルの きろく（%1）"_s.arg(TDataModule1::tableName(t));
}

QString historyRecord()
{
    return u"ドリルの れきし（%1）"_s.arg(drillHistoryTable().name);
}

// The condition that keeps one child's runs (through their index), or none for every child's.
QString ofChild(const QString& childUid)
{
    return childUid.isEmpty() ? QString() : u"child_uid = ? AND"_s;
}

} // namespace

StoreError TDataModule1::failed(const QString& what, DrillTable t) const
{
    return failureText(drillRecord(t), what, store_.lastFault(), store_.lastError());
}

StoreError TDataModule1::requeryModel(DrillTable t)
{
    TableState& s = state(t);
    s.query->setQuery(u"select * from "_s + tableName(t), store_.database());
    if (s.query->lastError().isValid()) {
        const QString message = store_.filePath() + u": "_s + s.query->lastError().text().trimmed();
        const StoreFault fault = TableStore::faultOf(s.query->lastError());
        s.query->clear();
        s.open = false;
        return failureText(drillRecord(t), u"読めませんでした"_s, fault, message);
    }
    // The tables hold one run each; fetching everything makes the grid and the row count whole.
    while (s.query->canFetchMore())
        s.query->fetchMore();
    s.open = true;
    return std::nullopt;
}

StoreError TDataModule1::tryRequery(DrillTable t)
{
    if (!store_.open()) return failed(u"読めませんでした"_s, t);
    return requeryModel(t);
}

StoreError TDataModule1::tryClear(DrillTable t)
{
    if (!store_.clear(tableName(t))) return failed(u"消せませんでした"_s, t);
    return requeryModel(t);
}

StoreError TDataModule1::tryAppendRow(DrillTable t, const QVariantList& valuesByPosition)
{
    if (!store_.append(tableName(t), valuesByPosition)) return failed(u"書きこめませんでした"_s, t);
    return requeryModel(t);
}

StoreError TDataModule1::historyFailed(const QString& what) const
{
    return failureText(historyRecord(), what, store_.lastFault(), store_.lastError());
}

StoreError TDataModule1::historyQueryFailed(const QSqlQuery& q) const
{
    return failureText(historyRecord(), u"読めませんでした"_s, TableStore::faultOf(q.lastError()),
                       store_.filePath() + u": "_s + q.lastError().text().trimmed());
}

StoreError TDataModule1::tryRecordRun(const DrillRunRecord& run)
{
    const QVariantList row{stampText(run.started),
                           run.drill,
                           run.subTopic,
                           run.places,
                           run.timeLimit,
                           run.problems,
                           run.rights,
                           run.score,
                           run.seconds,
                           runEndCode(run.ending),
                           run.uid.isEmpty() ? newRowUid() : run.uid,
                           run.childUid.isEmpty() ? record_.currentChildUid() : run.childUid,
                           QVariant(),
                           QVariant()};
    if (!store_.append(drillHistoryTable().name, row)) return historyFailed(u"書きこめませんでした"_s);
    Q_EMIT runRecorded();
    return std::nullopt;
}

StoreError TDataModule1::tryReadRuns(int drill, int subTopic, QList<DrillRunRecord>& runs, const QString& childUid)
{
    runs.clear();
    if (!store_.open()) return historyFailed(u"読めませんでした"_s);
    QSqlQuery q(store_.database());
    q.setForwardOnly(true);
    const bool ok = q.prepare(runSelect() +
                              u"WHERE %1 drill = ? AND sub_topic = ? ORDER BY started, rowid"_s.arg(ofChild(childUid)));
    if (!childUid.isEmpty()) q.addBindValue(childUid);
    q.addBindValue(drill);
    q.addBindValue(subTopic);
    if (!ok || !q.exec()) return historyQueryFailed(q);
    StampReader stamp;
    while (q.next())
        runs.append(runAt(q, stamp));
    return std::nullopt;
}

StoreError TDataModule1::tryReadRunKinds(QList<DrillRunKind>& kinds, const QString& childUid)
{
    kinds.clear();
    if (!store_.open()) return historyFailed(u"読めませんでした"_s);
    QSqlQuery q(store_.database());
    q.setForwardOnly(true);
    const bool ok = q.prepare(u"SELECT drill, sub_topic, count(*), max(started) FROM drill_runs WHERE %1 1 "
                              u"GROUP BY drill, sub_topic ORDER BY drill, sub_topic"_s.arg(ofChild(childUid)));
    if (!childUid.isEmpty()) q.addBindValue(childUid);
    if (!ok || !q.exec()) return historyQueryFailed(q);
    StampReader stamp;
    while (q.next())
        kinds.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), stamp(q.value(3).toString())});
    return std::nullopt;
}

void setResultGridLook(QTableView* view)
{
    view->setStyleSheet(u"QTableView { background-color: #FFFBF0; }"_s);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void TDataModule1::bindGrid(QTableView* view, DrillTable t)
{
    view->setModel(query(t));
    setResultGridLook(view);
    // A requery resets the model and with it the header's column order.
    connect(query(t), &QAbstractItemModel::modelReset, view, [view, t] { layOutColumns(view, t); });
    layOutColumns(view, t);
}

} // namespace kazemaru
