#pragma once
// The rows of one drill run on their way to the drill's table. A row the store cannot take is
// kept and written, in its order, before the next one; a "スタート" whose clearing failed clears
// before any row is written, so the table never mixes two runs. Only the run's first failure is
// given back to be shown: a store that fails for every answer gives one box, not one per answer.
#include "data/untDTM.h"

#include <QList>
#include <QVariantList>

namespace kazemaru {

class DrillRecorder {
  public:
    // `data` may be null: then nothing can be stored.
    DrillRecorder(TDataModule1* data, DrillTable table);

    // A new run: forgets what the last one kept and clears the table for this one.
    StoreError start();
    // Stores the row of an answer after any kept rows.
    StoreError record(const QVariantList& row);
    // One more try for the kept rows, as the run ends.
    StoreError flush();

    // The summary's line about the answers of this run that are not in the table: "※ 3もんの こたえは
    // きろくできませんでした。"; empty when none.
    QString unsavedText() const;

    // The run's first store error, to be shown; later ones of the same run are kept quiet.
    StoreError firstOfRun(const StoreError& error);

  private:
    StoreError writeKept();

    TDataModule1* data_;
    DrillTable table_;
    QList<QVariantList> kept_;
    bool clearOwed_ = false;
    bool reported_ = false;
};

} // namespace kazemaru
