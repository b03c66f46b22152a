// The entry point of the records window's library (see app/RecordsLoader.h), which the program
// resolves by name when a grown-up first opens the window.
#include "app/RecordsLoader.h"
#include "app/ScreenFit.h"
#include "app/records/RecordsWindow.h"
#include "frame/Windows.h"

extern "C" Q_DECL_EXPORT kazemaru::RecordsWindow* kazemaruOpenRecords(kazemaru::TDataModule1* data, QWidget* parent,
                                                                      kazemaru::RecordsWindow* window)
{
    static_assert(std::is_same_v<decltype(&kazemaruOpenRecords), kazemaru::OpenRecordsEntry>);
    if (!window) {
        window = new kazemaru::RecordsWindow(data, parent);
        // A window of its own even where the contents screen is shown scaled in a host window,
        // laid out to the room its screen has.
        window->setWindowFlag(Qt::BypassGraphicsProxyWidget);
        kazemaru::fitOnScreen(window);
    }
    window->reload();
    window->show();
    kazemaru::bringToFront(window);
    return window;
}
