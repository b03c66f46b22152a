#pragma once
// The design of the database kyozai, version by version. Release 1.1 kept no version (0): the
// drill tables dorill and dorills and the run history drill_runs. Version 1 adds the children
// who study on this computer and every judged answer, and gives every run its own id and its
// child. Each later design is one more step at the end of kyozaiUpgrades(); a released step is
// never changed, so a file of any release is brought to this one the same way.
//
// Every row that may leave this computer (children, answers, runs) has a nullable `sent`
// marker and the answers and runs an index of the rows not sent yet, so that a class server can
// be given each row once, keyed by its id. Version 2 keeps a row the class server refused with
// the server's reason (`refused`; it waits no more) and the class's roster (`class_roster`).
#include "store/TableStore.h"

#include <QList>
#include <QString>

namespace kazemaru {

// upgrades[k] takes a file from version k to k + 1; their count is this release's version.
QList<SchemaStep> kyozaiUpgrades();

// The tables children, answers and class_roster at this release, fields in their stored order.
const TableDef& childrenTable();
const TableDef& answersTable();
const TableDef& rosterTable();

// The name of the child every database starts with; a grown-up renames it under おうちのかたへ.
QString firstChildName();

// A new id for a child or a row: a UUID without braces.
QString newRowUid();

} // namespace kazemaru
