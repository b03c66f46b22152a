#pragma once
// The table store: a database folder holding one SQLite file with named tables of typed fields.
// It opens on first use (creating the folder, the file and the tables), so building one costs
// nothing and touches no disk. Every failing operation returns false and leaves the store's own
// message in lastError(); a later call simply tries again.
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace kazemaru {

struct FieldDef {
    QString name; // e.g. "NB"
    QString type; // SQLite declared type: "INTEGER" or "TEXT"
};

struct TableDef {
    QString name;                    // e.g. "dorill"
    QList<FieldDef> fields;          // in their positional order
    QList<QStringList> indexes = {}; // the fields of each index, made with the table
};

class TableStore {
  public:
    // `folder` is the database: created on first use, holding databaseFileName.
    TableStore(const QString& folder, QList<TableDef> tables);
    ~TableStore();
    TableStore(const TableStore&) = delete;
    TableStore& operator=(const TableStore&) = delete;

    // The one file of the database inside its folder.
    static QString databaseFileName() { return QStringLiteral("kyozai.sqlite3"); }

    QString folder() const { return folder_; }
    QString filePath() const;

    // Extra QSQLITE connect options for the next opening (e.g. "QSQLITE_OPEN_READONLY").
    void setConnectOptions(const QString& options) { connectOptions_ = options; }

    // Opens the database if it is not open yet: creates the folder and the file, checks that the
    // file really is a database, makes the tables that are missing. True when open.
    bool open();
    bool isOpen() const { return open_; }

    // The connection, for query models; valid only while isOpen().
    QSqlDatabase database() const;

    // Deletes every row of the table.
    bool clear(const QString& table);

    // Appends one row, values by field position; committed when this returns true.
    bool append(const QString& table, const QVariantList& values);

    // The store's message for the last failure.
    QString lastError() const { return lastError_; }

  private:
    bool fail(const QString& message);
    bool exec(const QString& statement);
    const TableDef* table(const QString& name) const;
    void closeConnection();

    QString folder_;
    QList<TableDef> tables_;
    QString connectionName_;
    QString connectOptions_;
    QString lastError_;
    bool open_ = false;
};

} // namespace kazemaru
