#pragma once
// What this computer still owes the class server, read from and marked in the database kyozai:
// the children not on the class's roster yet, and the answers and drill runs not sent yet, oldest
// first. A row is marked sent only after the server committed it, and marked refused (with the
// server's reason) when the server will never take it, so that it waits no more and blocks none
// behind it. Works on the connection of the store it is given, on that store's thread.
#include "data/DrillHistory.h"
#include "data/LearningRecord.h"
#include "store/TableStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kazemaru {

using StoreError = std::optional<QString>;

enum class QueueTable { Children, Answers, Runs };

struct QueueCounts {
    int waiting = 0; // answers and runs not sent yet (refused ones not counted)
    int refused = 0; // answers, runs and children the server refused
};

// The condition on a row of children (named c) that says it is the child every database starts
// with and that nobody has used: never renamed, never sent, without answers or runs. Its one
// value is firstChildName().
QString unusedStarterCondition();

class ClassQueue {
  public:
    explicit ClassQueue(TableStore& store);

    // The children to put on the roster, in the order they were added. The child every database
    // starts with is left out while nobody has used it: a class's roster of forty "こども１" would
    // help no one.
    StoreError tryReadChildren(QList<ChildProfile>& children);
    // The oldest `limit` answers or runs not sent and not refused.
    StoreError tryReadAnswers(int limit, QList<AnswerRecord>& rows);
    StoreError tryReadRuns(int limit, QList<DrillRunRecord>& runs);

    // Marks rows by id, all in one transaction: sent at `sentAt` (seconds since 1970, UTC), or
    // refused for `reason`.
    StoreError tryMarkSent(QueueTable table, const QStringList& uids, qint64 sentAt);
    StoreError tryMarkRefused(QueueTable table, const QStringList& uids, const QString& reason);
    // The refused rows wait again (after the school has mended what the server refused them for).
    StoreError tryRetryRefused();

    StoreError tryCount(QueueCounts& counts);

  private:
    StoreError failed(const QString& message, StoreFault fault) const;
    StoreError mark(QueueTable table, const QString& assignment, const QVariant& value, const QStringList& uids);

    TableStore& store_;
};

} // namespace kazemaru
