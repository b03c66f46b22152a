// The decimal drill: the draw space of its four kinds with their redraws and fixed problems, the
// rows it stores, and the screen's wiring from the menu to the result grid.
#include "app/Random.h"
#include "lessons/decimals/Unit12.h"
#include "tests/support/DrillDriving.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSqlQueryModel>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

// Draws by their range once the scripted ones are used up: the same value for every Random(n).
using DrawsByRange = QHash<int, int>;
DrawsByRange drawFor;
int drawByRange(int n)
{
    return drawFor.value(n, 0);
}

} // namespace

class TestDecimalDrill : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Every size of every kind: the places it poses, answers the selectors can enter (tens at the
    // top), subtractions at least one unit.
    void drawSpace()
    {
        Harness h;
        h.fallbackDraw = [](int n) { return int(QRandomGenerator::global()->bounded(n)); };
        const int places[decimalDrillSubTopics + 1][9] = {{},
                                                          {1, 1, 1, 1, 1, 1, 1, 1, 1},
                                                          {2, 2, 2, 2, 2, 3, 3, 3, 3},
                                                          {1, 1, 1, 1, 1, 1, 1, 1, 1},
                                                          {2, 2, 2, 2, 2, 3, 3, 3, 3}};
        for (int subTopic = 1; subTopic <= decimalDrillSubTopics; ++subTopic)
            for (int a = 0; a < 9; ++a)
                for (int i = 0; i < 400; ++i) {
                    h.queueDraws({a});
                    const ColumnProblem p = drawDecimalDrillProblem(subTopic);
                    const QString what = u"%1, draw %2: %3"_s.arg(subTopic).arg(a).arg(p.questionText());
                    QVERIFY2(p.places == places[subTopic][a], qPrintable(what));
                    QVERIFY2((p.operation == ColumnOperation::Add) == (subTopic <= 2), qPrintable(what));
                    QVERIFY2(p.first > 0 && p.second > 0, qPrintable(what));
                    QVERIFY2(p.answer() >= 1 && p.answer() < placeUnit(p.places + 2), qPrintable(what));
                }
        QCOMPARE(drawDecimalDrillProblem(0).answer(), 0);
    }

    // The pair is drawn again (first, then second) while it does not fit; the fixed problem after
    // 1000 pairs that do not.
    void redrawsAndFallbacks_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<QList<int>>("script"); // the size, then the pairs, before the draws by range
        QTest::addColumn<DrawsByRange>("byRange");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("pairs");
        QTest::newRow("sum of 100.0 redrawn")
            << 1 << QList<int>{8, 897, 97, 5, 6} << DrawsByRange{} << u"10.6 + 0.7 = ?"_s << 2;
        QTest::newRow("sum always too big")
            << 1 << QList<int>{8} << DrawsByRange{{898, 897}, {98, 97}} << u"45.6 + 3.2 = ?"_s << 1000;
        QTest::newRow("one place, redrawn")
            << 3 << QList<int>{0, 0, 86, 7, 0} << DrawsByRange{} << u"1.8 - 0.2 = ?"_s << 2;
        QTest::newRow("one place, fixed") << 3 << QList<int>{7} << DrawsByRange{{87, 86}} << u"3.2 - 1.6 = ?"_s << 1000;
        QTest::newRow("two places, fixed")
            << 4 << QList<int>{4} << DrawsByRange{{898, 897}} << u"3.24 - 1.68 = ?"_s << 1000;
        QTest::newRow("three places, fixed")
            << 4 << QList<int>{5} << DrawsByRange{{8998, 8997}} << u"3.456 - 1.687 = ?"_s << 1000;
    }
    void redrawsAndFallbacks()
    {
        QFETCH(int, subTopic);
        QFETCH(QList<int>, script);
        QFETCH(DrawsByRange, byRange);
        QFETCH(QString, question);
        QFETCH(int, pairs);
        Harness h;
        for (int v : script)
            h.draws.push_back(v);
        drawFor = byRange;
        h.fallbackDraw = drawByRange;
        QCOMPARE(drawDecimalDrillProblem(subTopic).questionText(), question);
        QCOMPARE(int(h.drawRanges.size()), 1 + 2 * pairs);
    }

    void storedRows_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("entered");
        QTest::addColumn<QStringList>("texts"); // MND, KAI, KOT, HNT
        const int add = int(ColumnOperation::Add), sub = int(ColumnOperation::Subtract);
        QTest::newRow("one place") << add << 1 << 5 << 98 << 103
                                   << QStringList{u"　0.5 + 9.8"_s, u"　10.3"_s, u"　10.3"_s, u"　○"_s};
        QTest::newRow("four hundredths") << sub << 2 << 105 << 101 << 4
                                         << QStringList{u"　1.05 - 1.01"_s, u"　0.04"_s, u"　0.04"_s, u"　○"_s};
        QTest::newRow("all zeros, three places")
            << sub << 3 << 4002 << 1005 << 0 << QStringList{u"　4.002 - 1.005"_s, u"　2.997"_s, u"　0.000"_s, u"　×"_s};
    }
    void storedRows()
    {
        QFETCH(int, operation);
        QFETCH(int, places);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, entered);
        QFETCH(QStringList, texts);
        const QVariantList row =
            decimalDrillRow(7, ColumnProblem{ColumnOperation(operation), places, first, second}, entered);
        QCOMPARE(row.size(), 5);
        QCOMPARE(row[0].toInt(), 7);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(row[i + 1].toString(), texts[i]);
    }

    // The screen: a two-place subtraction answered, then a three-place problem, the summary and the grid.
    void aRun()
    {
        QTemporaryDir tmp;
        Harness h;
        TDataModule1 dm(tmp.path() + u"/kyozai"_s);
        TForm12 form(&dm, nullptr);
        form.show();
        QVERIFY(form.missingHandlers().isEmpty());
        QCOMPARE(h.cues, std::vector<int>({cue::choice}));
        QCOMPARE(drillText(form, u"Label2"_s), u"「メニュー」をえらんでね！"_s);
        QVERIFY(!form.findChild<QWidget*>(u"StatusBar2"_s));
        QVERIFY(child<QWidget>(&form, u"Label9"_s)->isHidden());

        chooseDrill(form, 4, 0);
        h.queueDraws({0, 5, 0}); // 1.05 - 1.01
        drillButton(form, 3)->click();
        QCOMPARE(drillText(form, u"Label4"_s), u"1.05 - 1.01 = ?"_s);
        QCOMPARE(drillText(form, u"Label2"_s), u"答えを 大きい位から じゅんに えらんでね！"_s);
        QCOMPARE(drillText(form, u"Label9"_s), u"小\n数\n点"_s);
        QVERIFY(child<QWidget>(&form, u"Label9"_s)->isVisible());
        for (int n = 7; n >= 4; --n)
            QVERIFY(drillBox(form, n)->isEnabled());
        QVERIFY(!drillBox(form, 3)->isEnabled());

        // The first decimal place only enters its digit; the second records.
        h.cues.clear();
        chooseDigits(form, {7, 6, 5}, {0, 0, 0});
        QCOMPARE(h.cues, std::vector<int>({cue::digit, cue::digit, cue::digit}));
        QVERIFY(!drillButton(form, 4)->isEnabled());
        drillBox(form, 4)->choose(4);
        QCOMPARE(h.lastCue(), int(cue::choice));
        QCOMPARE(form.rightCount(), 1);
        QVERIFY(!drillBox(form, 4)->isEnabled() && drillButton(form, 4)->isEnabled());
        QCOMPARE(dm.DBISAMQuery4->rowCount(), 1);
        QCOMPARE(dm.DBISAMQuery4->data(dm.DBISAMQuery4->index(0, 3)).toString(), u"　0.04"_s);

        h.queueDraws({5, 0, 0}); // 1.000 - 1.001 is redrawn by the fallback draws of 0 until 3.456 - 1.687
        drillButton(form, 4)->click();
        QCOMPARE(drillText(form, u"Label4"_s), u"3.456 - 1.687 = ?"_s);
        QCOMPARE(drillText(form, u"Label2"_s), u"答え を、大きい位から じゅんに えらんでね！"_s);
        QVERIFY(drillBox(form, 3)->isEnabled());
        chooseDigits(form, {7, 6, 5, 4, 3}, {0, 1, 7, 6, 8});
        QCOMPARE(form.rightCount(), 1);
        QCOMPARE(dm.DBISAMQuery4->data(dm.DBISAMQuery4->index(1, 3)).toString(), u"　1.768"_s);

        drillButton(form, 5)->click();
        QCOMPARE(drillText(form, u"Label7"_s), u"せいせき： 50 てん"_s);
        QVERIFY(resultGridShown(form, dm.DBISAMQuery4, QRect(230, 112, 491, 401)));
        QVERIFY(h.dialogs.empty());
    }
};

QTEST_MAIN(TestDecimalDrill)
#include "tst_decimaldrill.moc"
