#pragma once
// The class's roster on this computer: the children of the class as the class server last gave
// them, kept in the database kyozai so that the child picker offers them without the server, and
// merged with the children who study on this computer.
#include "data/LearningRecord.h"
#include "store/TableStore.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace kazemaru {

using StoreError = std::optional<QString>;

// The children the picker offers: the roster in its order (a child who studies here under this
// computer's name and colour), then this computer's children who are not on it. While the class
// has a roster, the unused child every database starts with (`unusedStarters`) is left out.
QList<ChildProfile> pickableChildren(const QList<ChildProfile>& local, const QStringList& unusedStarters,
                                     const QList<ChildProfile>& roster);

class ClassRoster {
  public:
    explicit ClassRoster(TableStore& store);

    StoreError tryRead(const QString& classCode, QList<ChildProfile>& roster); // in the roster's order
    // Keeps `roster` as the class's roster; `changed` says whether it differs from the one kept.
    StoreError tryKeep(const QString& classCode, const QList<ChildProfile>& roster, bool& changed);
    // This computer's children merged with the roster (pickableChildren).
    StoreError tryReadPickable(const QString& classCode, QList<ChildProfile>& children);
    // A roster child chosen here studies here from now on, under the same id; being on the roster
    // already, the child is never sent to it again. Nothing happens to a child who studies here.
    StoreError tryAdopt(const QString& classCode, const QString& uid);

  private:
    StoreError failed(const QString& message, StoreFault fault) const;

    TableStore& store_;
};

} // namespace kazemaru
