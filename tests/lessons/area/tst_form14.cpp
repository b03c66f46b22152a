// The area screen's wiring: the menu brings each sub-topic's figures, the step button walks its
// steps while the figures stay, and the unit relations clear the screen of figures.
#include "lessons/area/Unit14.h"
#include "tests/support/TestSupport.h"

#include <QImage>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;
using kazemaru::test::Harness;

namespace {

const QString chooseMenu = u"「メニュー」を えらんでね！"_s;
const QString stepOn = u"「ステップ」ボタンで すすめてね！"_s;

// The widgets of each group of figures.
QStringList names(const QString& prefix, int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list.append(prefix + QString::number(n));
    return list;
}
const QStringList plainFigures = names(u"Shape"_s, 1, 2) + names(u"Label"_s, 5, 8);
const QStringList notchedShape = names(u"Shape"_s, 3, 4) + names(u"Label"_s, 9, 12);
const QStringList cutFigures = names(u"Shape"_s, 5, 12) + names(u"Label"_s, 13, 21);

} // namespace

class TestForm14 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<Harness> h;
    std::unique_ptr<TForm14> screen;

    QString text(const QString& name) { return child<QLabel>(screen.get(), name)->text(); }
    QAbstractButton* stepButton() { return child<QAbstractButton>(screen.get(), u"CuteButton3"_s); }
    SimpleComboBox* menu() { return child<SimpleComboBox>(screen.get(), u"ComboBox1"_s); }
    // The figure widgets shown, in the order of the groups above.
    QStringList shownFigures()
    {
        QStringList shown;
        for (const QString& name : plainFigures + notchedShape + cutFigures)
            if (!child<QWidget>(screen.get(), name)->isHidden()) shown.append(name);
        return shown;
    }

  private Q_SLOTS:
    void init()
    {
        h = std::make_unique<Harness>();
        screen = std::make_unique<TForm14>(nullptr);
        screen->show();
    }
    void cleanup()
    {
        screen.reset();
        h.reset();
    }

    void showingWaitsForTheMenu()
    {
        QVERIFY(!stepButton()->isEnabled());
        QVERIFY(shownFigures().isEmpty());
        QCOMPARE(text(u"Label3"_s), u"メニューを えらんでね！"_s);
        QCOMPARE(h->lastCue(), 12);
        QVERIFY(screen->missingHandlers().isEmpty());
    }

    void rectanglesWalkTwoSteps()
    {
        menu()->choose(0);
        QCOMPARE(shownFigures(), plainFigures);
        QCOMPARE(text(u"Label4"_s), areaOpening(1));
        QVERIFY(stepButton()->isEnabled());
        QCOMPARE(stepButton()->text(), u"ステップ１"_s);
        QCOMPARE(text(u"Label3"_s), u"「ステップ」ボタンですすめてね！"_s);
        QCOMPARE(h->lastCue(), 12);

        stepButton()->click();
        QCOMPARE(stepButton()->text(), u"ステップ２"_s);
        QVERIFY(text(u"Label4"_s).startsWith(u"【ステップ１】"_s));
        QCOMPARE(text(u"Label3"_s), stepOn);
        QCOMPARE(h->lastCue(), 17);
        stepButton()->click();
        QCOMPARE(stepButton()->text(), u"ステップ１"_s);
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        QCOMPARE(h->lastCue(), 12);
        QCOMPARE(shownFigures(), plainFigures);
    }

    // The cut figures come with the first step and stay through the walk and its restart; the
    // unit relations then hide every figure and turn the step button off.
    void notchedShapeKeepsItsFiguresUntilTheUnits()
    {
        menu()->choose(1);
        QCOMPARE(shownFigures(), notchedShape);
        for (int press = 1; press <= 5; ++press) {
            stepButton()->click();
            QCOMPARE(screen->walk().step(), (press - 1) % 4 + 1);
            QCOMPARE(shownFigures(), notchedShape + cutFigures);
            QCOMPARE(text(u"Label3"_s), press == 4 ? chooseMenu : stepOn);
        }

        // The last blink has ended: the units' prompt must blink anew.
        auto* blink = child<QTimer>(screen.get(), u"Timer2"_s);
        for (int tick = 0; tick < 3; ++tick)
            screen->Timer2Timer();
        QVERIFY(!blink->isActive());
        menu()->choose(2);
        QVERIFY(shownFigures().isEmpty());
        QVERIFY(!stepButton()->isEnabled());
        QCOMPARE(stepButton()->text(), u"ステップ１"_s);
        QCOMPARE(text(u"Label4"_s), areaOpening(3));
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        QCOMPARE(screen->blinkTicks(), 0);
        QVERIFY(blink->isActive());
        QCOMPARE(h->lastCue(), 12);
    }

    // A notch hides the corner it covers and draws the figure's inner edges.
    void notchCutsTheCorner()
    {
        menu()->choose(1);
        const QImage picture = screen->grab().toImage();
        QCOMPARE(picture.pixelColor(620, 178), colour::background); // inside the notch
        QCOMPARE(picture.pixelColor(620, 210), colour::white);      // inside the shape
        QCOMPARE(picture.pixelColor(596, 178), colour::navy);       // inner edge down the notch
        QCOMPARE(picture.pixelColor(620, 187), colour::navy);       // inner edge along its foot
        QCOMPARE(picture.pixelColor(560, 168), colour::navy);       // the shape's own top edge
    }
};

QTEST_MAIN(TestForm14)
#include "tst_form14.moc"
