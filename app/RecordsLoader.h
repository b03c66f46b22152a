#pragma once
// The records window lives in a library of its own beside the program (it alone needs Qt Charts),
// loaded when a grown-up first opens the window, so that starting the program never waits for it.
#include <QString>
#include <functional>

class QWidget;

namespace kazemaru {

class AnswerRecorder;
class RecordsWindow;
class TDataModule1;

// What the window is opened on. The program cannot connect to the window's signals by their
// functions (they are in the library), so what its "れんしゅうする" does comes as `practise`.
struct RecordsRequest {
    TDataModule1* data = nullptr;
    AnswerRecorder* answers = nullptr; // waited for briefly, so that the latest answers are shown
    QWidget* parent = nullptr;
    RecordsWindow* window = nullptr; // the window opened before, or null for a new one
    // The child `childUid` is to practise `lesson`'s menu item `subTopic` in test mode.
    std::function<void(const QString& childUid, int lesson, int subTopic)> practise;
};

// Shows request.window, or a new records window when it is null, with the children and the history
// read afresh, and returns it. When the library cannot be loaded, says so in an error box and
// returns nullptr.
RecordsWindow* openRecordsWindow(const RecordsRequest& request);

// Reads the children and records afresh into a window that openRecordsWindow gave (names changed
// while it is open).
void reloadRecordsWindow(RecordsWindow* window);

// The library's entry point, resolved by this name: what openRecordsWindow does once it is loaded.
using OpenRecordsEntry = RecordsWindow* (*)(const RecordsRequest& request);
inline constexpr char openRecordsEntryName[] = "kazemaruOpenRecords";

} // namespace kazemaru
