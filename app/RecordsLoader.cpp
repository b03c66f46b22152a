#include "app/RecordsLoader.h"

#include "app/records/RecordsWindow.h" // the type alone: its functions are in the library

#include "frame/CuePlayer.h"
#include "frame/Dialogs.h"

#include <QDir>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace kazemaru {

QString recordsLibraryPath()
{
    return programFolder() + u"libkazemaru-records.so"_s;
}

RecordsWindow* openRecordsWindow(const RecordsRequest& request)
{
    // Loaded once and kept for the rest of the run: its window lives as long as the contents screen.
    static OpenRecordsEntry entry = nullptr;
    if (!entry) {
        QLibrary library(recordsLibraryPath());
        // Every symbol at once, so that a library that does not match the program fails here, in a
        // box, and not later in the middle of the window.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
        entry = reinterpret_cast<OpenRecordsEntry>(library.resolve(openRecordsEntryName));
        if (!entry) {
            reportError(u"きろくを ひらけません。\r\n%1\r\n%2"_s.arg(QDir::toNativeSeparators(recordsLibraryPath()),
                                                                     library.errorString()));
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
