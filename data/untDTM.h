#pragma once
// The data module of the drill results: the tables dorill (division drill) and dorills
// (decimal drill) of the database kyozai, the live queries through which the drills reach them,
// and the result grids bound to those queries.
#include "data/DrillHistory.h"
#include "data/LearningRecordStore.h"
#include "store/TableStore.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <optional>

class QSqlQuery;
class QSqlQueryModel;
class QTableView;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

enum class DrillTable { Division, Decimal };

// One column of a result grid: its centred title, the field it shows and its width in pixels.
struct GridColumn {
    QString title;
    QString field;
    int width;
};

// Everything the program knows about one drill table: its fields in their positional order,
// the design name of its query and its result grid's columns, left to right.
struct DrillTableDesign {
    DrillTable id;
    TableDef table;
    QString queryName;
    QList<GridColumn> grid;
};
const DrillTableDesign& drillTableDesign(DrillTable t);

// What went wrong in a store operation, for the screen to show: which table, what could not be
// done and the store's own message. Empty when the operation succeeded.
using StoreError = std::optional<QString>;

// What a parent can do about a store fault, in plain words; empty when there is nothing to say.
QString storeFaultAdvice(StoreFault fault);

// A box's text for a store fault: what could not be done to which record ("<record>を <what>。"),
// the advice for the fault, and the store's own message.
QString failureText(const QString& record, const QString& what, StoreFault fault, const QString& message);

class TDataModule1 : public QObject {
    Q_OBJECT
  public:
    // `databaseFolder` is the database kyozai; nothing on disk is touched until the first use.
    explicit TDataModule1(const QString& databaseFolder, QObject* parent = nullptr);
    ~TDataModule1() override;

    // The live queries, "select * from dorill" and "select * from dorills"; empty (closed) until
    // their drill first requeries them. A grid binds to them directly: Qt's model is its own
    // data source.
    QSqlQueryModel* const DBISAMQuery2;
    QSqlQueryModel* const DBISAMQuery4;

    QSqlQueryModel* query(DrillTable t) const { return state(t).query; }
    static QString tableName(DrillTable t) { return drillTableDesign(t).table.name; }

    // Each operation opens the database on first use and gives back what went wrong, if anything;
    // nothing stored is lost by a failure, and the next call tries again. No box is shown: the
    // screen that asked decides how to tell the child.
    StoreError tryRequery(DrillTable t);                                         // reads the table afresh
    StoreError tryClear(DrillTable t);                                           // deletes every row
    StoreError tryAppendRow(DrillTable t, const QVariantList& valuesByPosition); // stored on return

    // Shows the table's query in `view`: the grid's columns (titles centred, fields, widths) in
    // their order, in the look of a results grid.
    void bindGrid(QTableView* view, DrillTable t);

    // The run history (data/DrillHistory.h), with the same care as the drill rows. A run without
    // an id or a child is given a new id and the child studying now. The runs of one child, or of
    // every child when `childUid` is empty.
    StoreError tryRecordRun(const DrillRunRecord& run); // stored on return
    StoreError tryReadRuns(int drill, int subTopic, QList<DrillRunRecord>& runs,
                           const QString& childUid = {});                                 // oldest first
    StoreError tryReadRunKinds(QList<DrillRunKind>& kinds, const QString& childUid = {}); // by drill, sub-topic

    TableStore& store() { return store_; }
    // The children and their answers, in the same database.
    LearningRecordStore& learningRecord() { return record_; }

  Q_SIGNALS:
    // A drill run was stored (a class server may want it).
    void runRecorded();

  private:
    struct TableState {
        QSqlQueryModel* query;
        bool open = false;
    };
    TableState& state(DrillTable t) { return tables_[int(t)]; }
    const TableState& state(DrillTable t) const { return tables_[int(t)]; }
    StoreError requeryModel(DrillTable t);
    StoreError failed(const QString& what, DrillTable t) const;
    StoreError historyFailed(const QString& what) const;
    StoreError historyQueryFailed(const QSqlQuery& q) const;

    TableStore store_;
    TableState tables_[2];
    LearningRecordStore record_;

    friend struct test::Probe; // the tests read these; the program never needs them
    bool isQueryOpen(DrillTable t) const { return state(t).open; }
};

// The look of every results grid: a cream background, read-only, no row numbers, titles centred.
void setResultGridLook(QTableView* view);

} // namespace kazemaru
