// The decimal drill: the draw space of its four kinds with their redraws and fixed problems, the
// rows it stores, and the screen's wiring from the menu to the result grid.
#include "frame/Random.h"
#include "lessons/decimals/Unit12.h"
#include "tests/support/DrillDriving.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QRandomGenerator>
#include <QSqlQueryModel>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

// Draws by their range once the scripted ones are used up: the same value for every Random(n).
QHash<int, int> drawFor;
int drawByRange(int n)
{
    return drawFor.value(n, 0);
}

QString stored(const QSqlQueryModel* q, int row)
{
    QStringList texts;
    for (int c = 1; c < q->columnCount(); ++c)
        texts << q->data(q->index(row, c)).toString();
    return texts.join(u'|');
}

} // namespace

class TestDecimalDrill : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Every size of every kind: its places, answers the selectors can enter (the tens at the top),
    // differences of at least one unit.
    void drawSpace()
    {
        Harness h;
        h.fallbackDraw = [](int n) { return int(QRandomGenerator::global()->bounded(n)); };
        for (int subTopic = 1; subTopic <= decimalDrillSubTopics; ++subTopic)
            for (int a = 0; a < 9; ++a)
                for (int i = 0; i < 400; ++i) {
                    h.queueDraws({a});
                    const ColumnProblem p = drawDecimalDrillProblem(subTopic);
                    const QString what = u"%1, draw %2: %3"_s.arg(subTopic).arg(a).arg(p.questionText());
                    QVERIFY2(p.places == (subTopic % 2 ? 1 : a <= 4 ? 2 : 3), qPrintable(what));
                    QVERIFY2((p.operation == ColumnOperation::Add) == (subTopic <= 2), qPrintable(what));
                    QVERIFY2(p.second > 0 && p.answer() >= 1 && p.answer() < placeUnit(p.places + 2), qPrintable(what));
                }
    }

    // One place, the larger numbers: every first number with the seconds that bring the sum to
    // 99.9 and to 100.0. A sum below 100.0 is posed as drawn; one of 100.0, which the tens
    // selector cannot enter, is drawn again (here 10.1 + 0.1).
    void sumsStayBelowAHundred()
    {
        Harness h;
        for (int first = 101; first <= 998; ++first)
            for (int second : {999 - first, 1000 - first}) {
                if (second < 1 || second > 98) continue;
                h.draws = {8, first - 101, second - 1, 0, 0};
                const ColumnProblem p = drawDecimalDrillProblem(1);
                const bool fits = first + second <= 999;
                if (p.first != (fits ? first : 101) || p.second != (fits ? second : 1))
                    QFAIL(qPrintable(u"%1 + %2 posed as %3"_s.arg(first).arg(second).arg(p.questionText())));
            }
    }

    // A pair that does not fit is drawn again (first, then second); after 1000 the fixed problem.
    void redrawsAndFallbacks()
    {
        const struct {
            int subTopic;
            std::initializer_list<int> script; // the size, then pairs, before the draws by range
            QHash<int, int> byRange;
            QString question;
            int pairs;
        } cases[] = {
            {1, {8, 897, 97, 5, 6}, {}, u"10.6 + 0.7 = ?"_s, 2}, // a sum of 109.6 drawn again
            {1, {8}, {{898, 897}, {98, 97}}, u"45.6 + 3.2 = ?"_s, 1000},
            {3, {0, 0, 86, 7, 0}, {}, u"1.8 - 0.2 = ?"_s, 2},
            {3, {7}, {{87, 86}}, u"3.2 - 1.6 = ?"_s, 1000},
            {4, {4}, {{898, 897}}, u"3.24 - 1.68 = ?"_s, 1000},
            {4, {5}, {{8998, 8997}}, u"3.456 - 1.687 = ?"_s, 1000},
        };
        for (const auto& c : cases) {
            Harness h;
            h.queueDraws(c.script);
            drawFor = c.byRange;
            h.fallbackDraw = drawByRange;
            QCOMPARE(drawDecimalDrillProblem(c.subTopic).questionText(), c.question);
            QCOMPARE(int(h.drawRanges.size()), 1 + 2 * c.pairs);
        }
    }

    // A two-place subtraction answered right, a three-place one wrong; the rows, summary and grid.
    void aRun()
    {
        QTemporaryDir tmp;
        Harness h;
        TDataModule1 dm(tmp.path() + u"/kyozai"_s);
        TForm12 form(&dm, nullptr);
        form.show();
        QVERIFY(test::Probe::missingHandlers(form).isEmpty());
        QCOMPARE(h.cues, std::vector<int>({cue::choice}));
        QVERIFY(!form.findChild<QWidget*>(u"StatusBar2"_s) && child<QWidget>(&form, u"Label9"_s)->isHidden());

        chooseDrill(form, 4, 0);
        h.queueDraws({0, 5, 0});
        drillButton(form, 3)->click();
        QCOMPARE(drillText(form, u"Label4"_s), u"1.05 - 1.01 = ?"_s);
        // In the program's look the number reads as one: its point is narrower than a digit.
        applyLook(*qApp);
        TForm12 looked(&dm, nullptr);
        const QFontMetricsF problemFont(child<QLabel>(&looked, u"Label4"_s)->font());
        QVERIFY(problemFont.horizontalAdvance(u"1.05"_s) < 3.6 * problemFont.horizontalAdvance(u'0'));
        QCOMPARE(drillText(form, u"Label2"_s), u"答えを 大きい位から じゅんに えらんでね！"_s);
        QCOMPARE(drillText(form, u"Label9"_s), u"小\n数\n点"_s);
        QVERIFY(drillBox(form, 4)->isEnabled() && !drillBox(form, 3)->isEnabled());

        // The first decimal place only enters its digit; the second records.
        h.cues.clear();
        chooseDigits(form, {7, 6, 5}, {0, 0, 0});
        QCOMPARE(h.cues, std::vector<int>({cue::digit, cue::digit, cue::digit}));
        drillBox(form, 4)->choose(4);
        QCOMPARE(h.lastCue(), int(cue::choice));
        QVERIFY(!drillBox(form, 4)->isEnabled() && drillButton(form, 4)->isEnabled());

        h.queueDraws({5, 0, 0}); // 1.000 - 1.001, then 1000 pairs of draws 0: the fixed problem
        drillButton(form, 4)->click();
        QCOMPARE(drillText(form, u"Label2"_s), u"答え を、大きい位から じゅんに えらんでね！"_s);
        chooseDigits(form, {7, 6, 5, 4, 3}, {0, 0, 0, 0, 0});
        QCOMPARE(dm.DBISAMQuery4->rowCount(), 2);
        QCOMPARE(stored(dm.DBISAMQuery4, 0), u"　1.05 - 1.01|　0.04|　0.04|　○"_s);
        QCOMPARE(stored(dm.DBISAMQuery4, 1), u"　3.456 - 1.687|　1.769|　0.000|　×"_s);
        QCOMPARE(decimalDrillRow(3, {ColumnOperation::Add, 1, 5, 98}, 13),
                 QVariantList({3, u"　0.5 + 9.8"_s, u"　10.3"_s, u"　1.3"_s, u"　×"_s}));

        drillButton(form, 5)->click();
        QCOMPARE(drillText(form, u"Label7"_s), u"せいせき： 50 てん"_s);
        QVERIFY(resultGridShown(form, dm.DBISAMQuery4, QRect(230, 112, 491, 401)));
        // The summary lines start left of the grid: out of sight while it is open; the selectors
        // stand clear of it and stay.
        for (int n = 5; n <= 8; ++n)
            QVERIFY(child<QLabel>(&form, u"Label%1"_s.arg(n))->isHidden());
        for (int n = 3; n <= 7; ++n)
            QVERIFY(!drillBox(form, n)->isHidden());
        drillButton(form, 6)->click();
        QVERIFY(!child<QLabel>(&form, u"Label7"_s)->isHidden());
        QVERIFY(h.dialogs.empty());
    }
};

QTEST_MAIN(TestDecimalDrill)
#include "tst_decimaldrill.moc"
