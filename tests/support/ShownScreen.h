#pragma once
// One lesson screen built and shown on its own with every seam installed, its widgets read by
// design name. A screen test makes one per test function and drops it afterwards.
#include "frame/widgets/SimpleComboBox.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

namespace kazemaru::test {

template <typename Screen> struct ShownScreen {
    Harness harness; // outlives the screen
    std::unique_ptr<Screen> screen = std::make_unique<Screen>(nullptr);

    ShownScreen() { screen->show(); }

    QString text(const QString& label) const { return child<QLabel>(screen.get(), label)->text(); }
    bool visible(const QString& name) const { return !child<QWidget>(screen.get(), name)->isHidden(); }
    QAbstractButton* button(int n) const
    {
        return child<QAbstractButton>(screen.get(), QStringLiteral("CuteButton%1").arg(n));
    }
    SimpleComboBox* box(int n) const
    {
        return child<SimpleComboBox>(screen.get(), QStringLiteral("ComboBox%1").arg(n));
    }
};

// The point button shows the memo at `geometry` with `line` among its lines (cue 15), and a
// second press hides it (cue 11).
template <typename Screen> void checkPointMemo(ShownScreen<Screen>& s, const QRect& geometry, const QString& line)
{
    s.button(6)->click();
    auto* memo = child<QPlainTextEdit>(s.screen.get(), QStringLiteral("Memo1"));
    QVERIFY(memo->isVisible());
    QCOMPARE(memo->geometry(), geometry);
    QVERIFY(memo->toPlainText().contains(line));
    QCOMPARE(s.harness.lastCue(), 15);
    s.button(6)->click();
    QVERIFY(!memo->isVisible());
    QCOMPARE(s.harness.lastCue(), 11);
}

} // namespace kazemaru::test
