// The area screen's wiring: the menu brings each sub-topic's figures, the step button walks its
// steps while the figures stay, and the unit relations clear the screen of figures.
#include "lessons/area/Unit14.h"
#include "tests/support/ShownScreen.h"

#include <QImage>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

const QString chooseMenu = u"「メニュー」を えらんでね！"_s;
const QString stepOn = u"「ステップ」ボタンで すすめてね！"_s;

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
    std::unique_ptr<test::ShownScreen<TForm14>> s;

    QAbstractButton* stepButton() { return s->button(3); }
    QStringList shownFigures()
    {
        QStringList shown;
        for (const QString& name : plainFigures + notchedShape + cutFigures)
            if (s->visible(name)) shown.append(name);
        return shown;
    }

  private Q_SLOTS:
    void init() { s = std::make_unique<test::ShownScreen<TForm14>>(); }
    void cleanup() { s.reset(); }

    void rectanglesAndTheirSteps()
    {
        QVERIFY(test::Probe::missingHandlers(*s->screen).isEmpty());
        QVERIFY(!stepButton()->isEnabled());
        QVERIFY(shownFigures().isEmpty());
        s->box(1)->choose(0);
        QCOMPARE(shownFigures(), plainFigures);
        QCOMPARE(s->text(u"Label4"_s), areaOpening(1));
        QVERIFY(stepButton()->isEnabled());
        QCOMPARE(s->text(u"Label3"_s), u"「ステップ」ボタンですすめてね！"_s);
        QCOMPARE(s->harness.lastCue(), 12);
        stepButton()->click();
        QCOMPARE(stepButton()->text(), u"ステップ２"_s);
        QCOMPARE(s->text(u"Label4"_s), test::Probe::walk(*s->screen).text());
    }

    // The cut figures come with the first step and stay through the walk and its restart; the
    // unit relations then hide every figure and turn the step button off.
    void notchedShapeKeepsItsFiguresUntilTheUnits()
    {
        s->box(1)->choose(1);
        QCOMPARE(shownFigures(), notchedShape);
        for (int press = 1; press <= 5; ++press) {
            stepButton()->click();
            QCOMPARE(test::Probe::walk(*s->screen).step(), (press - 1) % 4 + 1);
            QCOMPARE(shownFigures(), notchedShape + cutFigures);
            QCOMPARE(s->text(u"Label3"_s), press == 4 ? chooseMenu : stepOn);
            QCOMPARE(s->harness.lastCue(), press == 4 ? 12 : 17);
        }

        // The last blink has ended: the units' prompt must blink anew.
        auto* blink = test::child<QTimer>(s->screen.get(), u"Timer2"_s);
        for (int tick = 0; tick < 3; ++tick)
            s->screen->Timer2Timer();
        QVERIFY(!blink->isActive());
        s->box(1)->choose(2);
        QVERIFY(shownFigures().isEmpty());
        QVERIFY(!stepButton()->isEnabled());
        QCOMPARE(stepButton()->text(), u"ステップ１"_s);
        QCOMPARE(s->text(u"Label4"_s), areaOpening(3));
        QCOMPARE(s->text(u"Label3"_s), chooseMenu);
        QVERIFY(blink->isActive());
    }

    // A notch hides the corner it covers and draws the figure's inner edges.
    void notchCutsTheCorner()
    {
        s->box(1)->choose(1);
        const QImage picture = s->screen->grab().toImage();
        QCOMPARE(picture.pixelColor(620, 178), colour::background); // inside the notch
        QCOMPARE(picture.pixelColor(620, 210), colour::white);      // inside the shape
        QCOMPARE(picture.pixelColor(596, 178), colour::navy);       // inner edge down the notch
        QCOMPARE(picture.pixelColor(620, 187), colour::navy);       // inner edge along its foot
    }
};

QTEST_MAIN(TestForm14)
#include "tst_form14.moc"
