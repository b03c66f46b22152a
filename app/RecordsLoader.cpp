#include "app/RecordsLoader.h"

#include "app/records/RecordsWindow.h" // the type alone: its functions are in the library

#include "frame/CuePlayer.h"
#include "frame/Dialogs.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace kazemaru {

RecordsWindow* openRecordsWindow(const RecordsRequest& request)
{
    // Loaded once and kept for the rest of the run: its window lives as long as the contents screen.
    static OpenRecordsEntry entry = nullptr;
    if (!entry) {
        const QString file = u"libkazemaru-records.so"_s;
        QString error;
        entry = reinterpret_cast<OpenRecordsEntry>(programLibraryEntry(file, openRecordsEntryName, error));
        if (!entry) {
            reportError(
                u"きろくを ひらけません。\r\n%1\r\n%2"_s.arg(QDir::toNativeSeparators(programFolder() + file), error));
            return nullptr;
        }
    }
    return entry(request);
}

void reloadRecordsWindow(RecordsWindow* window)
{
    // By name, through the meta-object: the program does not link the library's functions.
    if (!QMetaObject::invokeMethod(window, "reload"))
        qWarning("the records window has no slot reload(): the library does not match the program");
}

} // namespace kazemaru
