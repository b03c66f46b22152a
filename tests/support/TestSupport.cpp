#include "tests/support/TestSupport.h"

#include "frame/CuePlayer.h"
#include "frame/Random.h"

#include <QFile>
#include <QtTest>

namespace kazemaru::test {

Harness::Harness()
{
    setRandomSource([this](int n) {
        drawRanges.push_back(n);
        if (!draws.empty()) {
            const int v = draws.front();
            draws.pop_front();
            if (v < 0 || v >= n) qFatal("scripted draw %d out of range for Random(%d)", v, n);
            return v;
        }
        return fallbackDraw ? fallbackDraw(n) : 0;
    });
    setCueObserver([this](int n) { cues.push_back(n); });
    setDialogResponder([this](DialogKind kind, const QString& text) {
        dialogs.push_back({kind, text});
        return kind == DialogKind::Confirm ? confirmAnswer : DialogAnswer::Ok;
    });
    setClockSource([this] { return now; }, [this] { return monotonic; });
}

Harness::~Harness()
{
    setRandomSource({});
    setCueObserver({});
    setDialogResponder({});
    setClockSource({}, {});
}

bool makeBlockingFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

void Harness::queueDraws(std::initializer_list<int> values)
{
    draws.insert(draws.end(), values);
}

} // namespace kazemaru::test
