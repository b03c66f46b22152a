#pragma once
// The run history: one row for every drill run that ended or was left with at least one answer,
// kept in the table drill_runs beside the drill tables. Nothing clears it; it lives as long as
// the database folder.
#include "store/TableStore.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

class QSqlQuery;

namespace kazemaru {

enum class RunEnd { Stopped, TimeUp, Abandoned };

struct DrillRunRecord {
    QDateTime started; // local date and time of "スタート", to the second
    int drill = 0;     // the drill's screen: 8 division, 12 decimals
    int subTopic = 0;  // its menu item, 1 …
    QString places;    // decimal places posed ("1", "2・3"); empty for the division drill
    int timeLimit = 0; // seconds; 0 = no limit
    int problems = 0;  // problems posed
    int rights = 0;    // ○ count
    int score = 0;     // 0 … 100
    int seconds = 0;   // elapsed
    RunEnd ending = RunEnd::Stopped;
    QString uid;      // made on this computer when the run is recorded (a UUID), as for answers
    QString childUid; // who ran it

    // Seconds per problem posed; 0 when none was.
    double secondsPerProblem() const { return problems > 0 ? double(seconds) / problems : 0.0; }
};

// A drill and sub-topic that has runs, with how many and the start of the latest.
struct DrillRunKind {
    int drill = 0;
    int subTopic = 0;
    int runs = 0;
    QDateTime latest;
};

// The table's design, with the index the records window reads through.
const TableDef& drillHistoryTable();

// The ending as stored ("stop", "timeup", "abandon") and as a grown-up reads it.
QString runEndCode(RunEnd e);
QString runEndText(RunEnd e);
RunEnd runEndFromCode(const QString& code); // an unknown code reads as left

// A start time as stored: "2026-05-17 15:42:00", which sorts as text in time order.
QString stampText(const QDateTime& t);

// Reads stored start times back as local times; one reader serves a whole query.
class StampReader {
  public:
    QDateTime operator()(const QString& text);

  private:
    QHash<QDate, int> offsets_; // the local offset of each day met
};

// "SELECT <the run's columns> FROM drill_runs ": a query that reads whole runs, for runAt.
QString runSelect();
// The run at the current row of a query made from runSelect().
DrillRunRecord runAt(const QSqlQuery& query, StampReader& stamp);

} // namespace kazemaru
