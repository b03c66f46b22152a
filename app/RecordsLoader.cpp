#include "app/RecordsLoader.h"

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

RecordsWindow* openRecordsWindow(TDataModule1* data, QWidget* parent, RecordsWindow* window)
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
            reportError(u"ドリルの きろくを ひらけません。\r\n%1\r\n%2"_s.arg(
                QDir::toNativeSeparators(recordsLibraryPath()), library.errorString()));
            return nullptr;
        }
    }
    return entry(data, parent, window);
}

} // namespace kazemaru
