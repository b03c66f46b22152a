#pragma once
// The table store: a database folder holding one SQLite file with named tables of typed fields.
// It opens on first use (creating the folder, the file and the tables), so building one costs
// nothing and touches no disk. Every failing operation returns false and leaves the store's own
// message in lastError(); a later call simply tries again.
//
// A store given upgrade steps keeps a schema version in the file (SQLite's user_version): the
// steps make a new file and bring a file of an earlier version up to this one, all in one
// transaction, and a file of a later version is refused without a byte of it changed.
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

class QSqlError;

namespace kazemaru {

// What kind of trouble the last failure was, so that the screen can say it in plain words.
enum class StoreFault {
    None,
    Locked,       // another program held the database longer than the busy wait
    Full,         // no room left on the disk (or under the database's page limit)
    ReadOnly,     // the file or its folder may not be written
    NotADatabase, // the file is damaged or is something else
    CannotOpen,   // the folder cannot be made or the file cannot be opened
    Disk,         // the disk failed to read or write
    Newer,        // the file was made by a later release of the program; it is left as it is
    Other,
};

struct FieldDef {
    QString name; // e.g. "NB"
    QString type; // SQLite declared type: "INTEGER" or "TEXT"
};

struct TableDef {
    QString name;                    // e.g. "dorill"
    QList<FieldDef> fields;          // in their positional order
    QList<QStringList> indexes = {}; // the fields of each index, made with the table
};

// One step of the schema, from version k to k + 1, run inside the upgrade's transaction on the
// store's connection. It gives back the error of the statement that failed (an invalid error when
// it is done). A step is history: once released it never changes.
using SchemaStep = std::function<QSqlError(const QSqlDatabase& db)>;

class TableStore {
  public:
    // `folder` is the database: created on first use, holding databaseFileName. Without `upgrades`
    // the tables missing from the file are made from `tables`; with them, upgrades[k] takes a file
    // from version k to k + 1 (a new file starts at 0) and `tables` are only the rows' shapes.
    TableStore(const QString& folder, QList<TableDef> tables, QList<SchemaStep> upgrades = {});
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
    // file really is a database, makes the tables that are missing or upgrades the file to the
    // store's version. True when open.
    bool open();

    // The connection, for query models; valid once open() gave true.
    QSqlDatabase database() const;

    // Deletes every row of the table.
    bool clear(const QString& table);

    // Appends one row, values by field position; committed when this returns true.
    bool append(const QString& table, const QVariantList& values);

    // The store's message for the last failure, and its kind.
    QString lastError() const { return lastError_; }
    StoreFault lastFault() const { return lastFault_; }

    // The kind of a failure SQLite reported through Qt.
    static StoreFault faultOf(const QSqlError& error);

    // How long an operation waits for another program that holds the database.
    static constexpr int busyTimeoutMs = 1000;

  private:
    bool fail(const QString& message, StoreFault fault);
    bool fail(const QString& message, const QSqlError& error);
    bool exec(const QString& statement);
    bool makeMissingTables();
    int schemaVersion() const { return int(upgrades_.size()); } // what this store brings its file to
    int fileVersion();                                          // the file's user_version; -1 when it cannot be read
    bool refuseNewer();
    bool upgrade();
    const TableDef* table(const QString& name) const;
    void closeConnection();

    QString folder_;
    QList<TableDef> tables_;
    QList<SchemaStep> upgrades_;
    QString connectionName_;
    QString connectOptions_;
    QString lastError_;
    StoreFault lastFault_ = StoreFault::None;
    bool open_ = false;
};

} // namespace kazemaru
