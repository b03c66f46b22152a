// The entry point of the records window's library (see app/RecordsLoader.h), which the program
// resolves by name when a grown-up first opens the window.
#include "app/RecordsLoader.h"
#include "app/ScreenFit.h"
#include "app/records/RecordsWindow.h"
#include "frame/Windows.h"

extern "C" Q_DECL_EXPORT kazemaru::RecordsWindow* kazemaruOpenRecords(const kazemaru::RecordsRequest& request)
{
    using namespace kazemaru;
    static_assert(std::is_same_v<decltype(&kazemaruOpenRecords), OpenRecordsEntry>);
    RecordsWindow* window = request.window;
    if (!window) {
        window = new RecordsWindow(request.data, request.parent, request.answers);
        if (request.practise) QObject::connect(window, &RecordsWindow::practiseRequested, window, request.practise);
        // Laid out to the room its screen has.
        fitOnScreen(window);
    }
    window->reload();
    window->show();
    bringToFront(window);
    return window;
}
