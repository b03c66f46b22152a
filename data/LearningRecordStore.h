#pragma once
// The learning record in the database kyozai: the children who study on this computer, which of
// them is studying now, and what the records window reads of their answers. It works on the
// drill store's connection, with the same care: values are bound, each change is committed
// before it returns, and a failure is given back as text for the screen to show.
#include "data/LearningRecord.h"
#include "store/TableStore.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>
#include <optional>

class QSqlQuery;

namespace kazemaru {

using StoreError = std::optional<QString>;

// What may be wrong with a name a grown-up typed.
enum class NameCheck { Fine, Empty, TooLong, Taken };

class LearningRecordStore {
  public:
    explicit LearningRecordStore(TableStore& store);

    static constexpr int nameLength = 10; // characters
    static constexpr int colourCount = 6; // profile colours 0 … 5
    static constexpr int weakWindow = 20; // the last answers of an item that say whether it is weak
    static constexpr int weakAtLeast = 5; // fewer answers than this say nothing yet
    static constexpr int weakShownAtMost = 5;

    // Whether `name` may be given to a child: not blank, at most nameLength characters, and no
    // other child (any but `exceptUid`) called the same.
    static NameCheck checkName(const QString& name, const QList<ChildProfile>& children, const QString& exceptUid = {});

    // The children in the order they were added (there is always at least one).
    StoreError tryReadChildren(QList<ChildProfile>& children);
    StoreError tryAddChild(const QString& name, int colour, ChildProfile& added);
    StoreError tryUpdateChild(const ChildProfile& child); // name and colour
    // Removes the child with every answer and drill run of theirs; never the last child.
    StoreError tryRemoveChild(const QString& uid);

    // The child studying now; the first child until one is chosen. Empty only while the store
    // cannot be read.
    QString currentChildUid();
    void setCurrentChildUid(const QString& uid) { current_ = uid; }

    // For the records window, of one child: every menu item answered (by lesson, item), the
    // weak items among those answered (lowest ○ rate first, at most weakShownAtMost, none without
    // a ×), a lesson's latest answers (newest first) and all answers (oldest first).
    StoreError tryReadSummary(const QString& childUid, QList<ItemSummary>& items);
    StoreError tryReadWeakItems(const QString& childUid, const QList<ItemSummary>& answered, QList<WeakItem>& weak);
    // Of each item's marks over its last answers, the weak ones as the records show them: at least
    // weakAtLeast answers and one ×, lowest ○ rate first (ties in the order given), at most
    // weakShownAtMost. The class server's records are ranked the same way.
    static QList<WeakItem> rankWeakItems(QList<WeakItem> recent);
    StoreError tryReadLatestAnswers(const QString& childUid, int lesson, int limit, QList<AnswerRecord>& rows);
    StoreError tryReadAnswers(const QString& childUid, QList<AnswerRecord>& rows);

    // An answer's values in the order of the table answers.
    static QVariantList answerRow(const AnswerRecord& answer);
    // "SELECT <an answer's fields> FROM answers ", and the answer of a row such a query is on.
    static QString answerSelect();
    static AnswerRecord answerAt(const QSqlQuery& query);

  private:
    // The answer's time as stored: local time with its offset, to the millisecond.
    static QString stampText(const QDateTime& at);
    StoreError failed(const QString& what, const QString& message, StoreFault fault) const;
    StoreError readAnswers(const QString& where, const QVariantList& values, QList<AnswerRecord>& rows);

    TableStore& store_;
    QString current_;
};

} // namespace kazemaru
