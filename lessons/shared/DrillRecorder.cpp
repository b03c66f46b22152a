#include "lessons/shared/DrillRecorder.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

DrillRecorder::DrillRecorder(TDataModule1* data, DrillTable table)
    : data_(data)
    , table_(table)
{
}

StoreError DrillRecorder::firstOfRun(const StoreError& error)
{
    if (!error || reported_) return std::nullopt;
    reported_ = true;
    return error;
}

StoreError DrillRecorder::writeKept()
{
    if (!data_) return u"ドリルの きろくを しまう ところが ありません。"_s;
    if (clearOwed_) {
        if (StoreError e = data_->tryClear(table_)) return e;
        clearOwed_ = false;
    }
    while (!kept_.isEmpty()) {
        if (StoreError e = data_->tryAppendRow(table_, kept_.first())) return e;
        kept_.removeFirst();
    }
    return std::nullopt;
}

StoreError DrillRecorder::start()
{
    kept_.clear();
    clearOwed_ = true;
    reported_ = false;
    return firstOfRun(writeKept());
}

StoreError DrillRecorder::record(const QVariantList& row)
{
    kept_.append(row);
    return firstOfRun(writeKept());
}

QString DrillRecorder::unsavedText() const
{
    return kept_.isEmpty() ? QString() : u"※ %1もんの こたえは きろくできませんでした。"_s.arg(kept_.size());
}

StoreError DrillRecorder::flush()
{
    return firstOfRun(writeKept());
}

} // namespace kazemaru
