#pragma once
// The records window lives in a library of its own beside the program (it alone needs Qt Charts),
// loaded when a grown-up first opens the window, so that starting the program never waits for it.
#include <QString>

class QWidget;

namespace kazemaru {

class RecordsWindow;
class TDataModule1;

// The library's file: the program folder + "libkazemaru-records.so".
QString recordsLibraryPath();

// Shows `window`, or a new records window on `data` when it is null, with the history read afresh,
// and returns it. When the library cannot be loaded, says so in an error box and returns nullptr.
RecordsWindow* openRecordsWindow(TDataModule1* data, QWidget* parent, RecordsWindow* window);

// The library's entry point, resolved by this name: what openRecordsWindow does once it is loaded.
using OpenRecordsEntry = RecordsWindow* (*)(TDataModule1* data, QWidget* parent, RecordsWindow* window);
inline constexpr char openRecordsEntryName[] = "kazemaruOpenRecords";

} // namespace kazemaru
