#pragma once
// What the screen and logic tests share: scripted random draws, recorded cues and dialogs,
// a fixed clock, and lookup of widgets by their design names.
#include "app/Shell.h"
#include "frame/Clock.h"
#include "frame/Dialogs.h"
#include "tests/support/Probe.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <vector>

namespace kazemaru::test {

// Installs every seam for the lifetime of the object and removes them again afterwards.
class Harness {
  public:
    Harness();
    ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // Random draws: queued values are returned in order (each must be < n); once the queue is
    // empty, draws fall back to `fallbackDraw(n)` (default: 0).
    void queueDraws(std::initializer_list<int> values);
    std::deque<int> draws;
    std::vector<int> drawRanges; // the n of every Random(n) call, in order
    int (*fallbackDraw)(int n) = nullptr;

    // Cues requested since the last clear.
    std::vector<int> cues;
    int lastCue() const { return cues.empty() ? 0 : cues.back(); }

    // Dialogs shown, and the answer the next confirmation gets.
    struct Dialog {
        DialogKind kind;
        QString text;
    };
    std::vector<Dialog> dialogs;
    DialogAnswer confirmAnswer = DialogAnswer::No;

    // The clock: local time and monotonic milliseconds the program sees.
    QDateTime now = QDateTime(QDate(2026, 5, 17), QTime(15, 42));
    qint64 monotonic = 0;
};

// The whole program as start-up builds it, on a database folder of its own, with every seam
// installed before the first screen is made.
struct Program {
    QTemporaryDir data;
    Harness harness;
    Shell shell{data.path()};
};

// Puts a plain file at `path`, where nothing can then make a folder (a database folder below it
// cannot be created); false when the file could not be written.
bool makeBlockingFile(const QString& path);

// The child widget of `parent` named `name`, failing the test when it is missing.
template <typename T> T* child(QObject* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w) qFatal("no widget named %s", qPrintable(name));
    return w;
}

} // namespace kazemaru::test
