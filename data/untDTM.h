#pragma once
// The data module of the drill results: the tables dorill (division drill) and dorills
// (decimal drill) of the database kyozai, the live queries through which the drills reach them,
// and the result grids bound to those queries.
#include "store/TableStore.h"

#include <QObject>
#include <QString>
#include <QVariantList>

class QSqlQueryModel;
class QTableView;

namespace kazemaru {

enum class DrillTable { Division, Decimal };

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

    QSqlQueryModel* query(DrillTable t) const { return t == DrillTable::Division ? DBISAMQuery2 : DBISAMQuery4; }
    static QString tableName(DrillTable t);
    bool isQueryOpen(DrillTable t) const { return t == DrillTable::Division ? open2_ : open4_; }

    // Each operation opens the database on first use. A failure is shown in an error box that
    // carries the store's own message and gives false; nothing stored is lost, and the next call
    // tries again.
    bool requery(DrillTable t);                                         // reads the table afresh
    bool clear(DrillTable t);                                           // deletes every row
    bool appendRow(DrillTable t, const QVariantList& valuesByPosition); // stored when it returns

    // Shows the table's query in `view`: the grid's columns (titles centred, fields, widths) in
    // their order, on a cream background.
    void bindGrid(QTableView* view, DrillTable t);

    TableStore& store() { return store_; }

  private:
    bool requeryModel(DrillTable t);
    bool report(const QString& what, DrillTable t);

    TableStore store_;
    bool open2_ = false;
    bool open4_ = false;
};

} // namespace kazemaru
