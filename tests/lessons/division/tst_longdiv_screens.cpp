// The two- and three-digit long-division screens driven through their widgets, each handler
// once: examples walked to the end, a test problem entered through the selectors and judged,
// restore, the menu change, the next button before a menu choice, and the point memo; and where
// the restore button stands on all three long-division screens.
#include "lessons/division/Unit4.h"
#include "lessons/division/Unit6.h"
#include "lessons/division/Unit7.h"
#include "tests/support/TestSupport.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace kazemaru;
using namespace Qt::StringLiterals;

namespace {

struct Screen {
    test::Harness h;
    std::unique_ptr<longdiv::LongDivisionScreen> form;
    int quotientBox = 0;

    explicit Screen(int n)
    {
        if (n == 4)
            form.reset(new TForm4(nullptr));
        else if (n == 6)
            form.reset(new TForm6(nullptr));
        else
            form.reset(new TForm7(nullptr));
        quotientBox = n == 4 ? 4 : n - 1;
        form->FormCreate();
    }
    QLabel* label(int n) const { return test::child<QLabel>(form.get(), u"Label%1"_s.arg(n)); }
    QString text(int n) const { return label(n)->text(); }
    SimpleComboBox* box(int n) const { return test::child<SimpleComboBox>(form.get(), u"ComboBox%1"_s.arg(n)); }
    QAbstractButton* button(int n) const { return test::child<QAbstractButton>(form.get(), u"CuteButton%1"_s.arg(n)); }
    QString prompt() const { return text(3); }

    void menu(int subTopic) { box(1)->choose(subTopic - 1); }
    // Quotient digits as −1 − g, numbers through their place selectors from the highest.
    void write(const QList<int>& script)
    {
        for (int v : script) {
            if (v < 0) {
                box(quotientBox)->choose(-1 - v);
                continue;
            }
            for (int weight = 1000, n = 5; weight >= 10; weight /= 10, --n)
                if (v >= weight) box(n)->choose(v / weight % 10);
            box(2)->choose(v % 10);
        }
    }
};

} // namespace

class LongDivisionScreens : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void longestExampleToItsEnd_data();
    void longestExampleToItsEnd();
    void testProblemEnteredAndJudged_data();
    void testProblemEnteredAndJudged();
    void nextBeforeAnyMenuChoicePosesNothing_data();
    void nextBeforeAnyMenuChoicePosesNothing();
    void pointMemo_data();
    void pointMemo();
    void restoreButtonClearOfTheFigure_data();
    void restoreButtonClearOfTheFigure();
};

void LongDivisionScreens::longestExampleToItsEnd_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("example");
    QTest::newRow("TForm6") << 6 << 3 << u"5642 ÷ 43 = ?"_s << u"5642 ÷ 43 = 131 あまり 9"_s << 15 << 1;
    QTest::newRow("TForm7") << 7 << 2 << u"47134 ÷ 324 = ?"_s << u"47134 ÷ 324 = 145 あまり 154"_s << 15 << 2;
}

void LongDivisionScreens::longestExampleToItsEnd()
{
    QFETCH(int, form);
    QFETCH(int, subTopic);
    QFETCH(QString, problem);
    QFETCH(QString, answer);
    QFETCH(int, lastRow);
    QFETCH(int, example);

    Screen s(form);
    s.menu(subTopic);
    QVERIFY(s.button(4)->isEnabled() && !s.button(5)->isEnabled());
    for (int i = 1; i < example; ++i) { // the examples before it, each to its end
        s.button(4)->click();
        while (s.button(5)->isEnabled())
            s.button(5)->click();
    }
    s.button(4)->click();
    QCOMPARE(test::Probe::exampleCounter(*s.form), example);
    QCOMPARE(s.text(4), problem);
    QVERIFY(s.button(5)->isEnabled());
    for (int step = 1; step <= 4; ++step) {
        QVERIFY(!s.button(4)->isEnabled());
        s.button(5)->click();
        QVERIFY(s.text(5).startsWith(u"【ステップ%1】"_s.arg(QChar(u'０' + step))));
    }
    QCOMPARE(s.text(4), answer);
    QVERIFY(!s.text(lastRow).isEmpty());
    QVERIFY(s.button(4)->isEnabled() && !s.button(5)->isEnabled());
    QCOMPARE(s.h.lastCue(), cue::choice);
    QCOMPARE(test::Probe::stepCounter(*s.form), 0);
}

void LongDivisionScreens::testProblemEnteredAndJudged_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("firstPrompt");
    QTest::addColumn<QList<int>>("script");
    // 43 × 13 + 5 = 564, then a 2 appended.
    QTest::newRow("TForm6") << 6 << 3 << QList<int>{3, 3, 2, 2, 4, 2} << u"5642 ÷ 43 = ?"_s
                            << u"商の百の位を 答えてね！"_s << QList<int>{-2, 43, 134, -4, 129, 52, -2, 43, 9};
    // Divisor 324 from its three digits, then the dividend.
    QTest::newRow("TForm7") << 7 << 2 << QList<int>{2, 2, 3, 37133} << u"47134 ÷ 324 = ?"_s
                            << u"商の百の位を 答えてね！"_s << QList<int>{-2, 324, 1473, -5, 1296, 1774, -6, 1620, 154};
}

void LongDivisionScreens::testProblemEnteredAndJudged()
{
    QFETCH(int, form);
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(QString, problem);
    QFETCH(QString, firstPrompt);
    QFETCH(QList<int>, script);

    Screen s(form);
    s.menu(subTopic);
    s.button(3)->click();
    s.h.draws.assign(draws.begin(), draws.end());
    s.button(4)->click();
    QCOMPARE(s.text(4), problem);
    QCOMPARE(s.prompt(), firstPrompt);
    QVERIFY(!s.box(s.quotientBox)->isHidden() && s.box(2)->isHidden());
    QCOMPARE(s.box(s.quotientBox)->x(), 904);
    QVERIFY(s.button(7)->isEnabled() && !s.button(5)->isEnabled());

    s.write(script);
    QCOMPARE(s.text(6), u"○"_s);
    // Every number the child entered stands in the figure as entered, every place of it.
    QStringList shown;
    for (const QLabel* l : s.form->findChildren<QLabel*>())
        shown << l->text().remove(u' ');
    for (int v : script)
        if (v >= 0) QVERIFY2(shown.contains(QString::number(v)), qPrintable(QString::number(v)));
    QCOMPARE(s.h.lastCue(), cue::right);
    const QString quotient = s.text(7);
    // Once judged, a further quotient digit is neither written nor judged.
    s.h.cues.clear();
    s.box(s.quotientBox)->choose(1);
    QCOMPARE(s.text(7), quotient);
    QVERIFY(s.h.cues.empty());

    // The restore button lays the same problem out again for a fresh attempt, which is judged too.
    s.button(7)->click();
    QCOMPARE(s.text(4), problem);
    QCOMPARE(s.prompt(), firstPrompt);
    QCOMPARE(s.text(6), QString());
    QCOMPARE(s.text(7), QString());
    QVERIFY(!s.box(s.quotientBox)->isHidden() && s.box(s.quotientBox)->isEnabled());
    s.write(script.mid(0, 1));
    QCOMPARE(test::Probe::quotientDigitCount(*s.form), 1);

    // A menu change leaves nothing to restore until the next test problem.
    s.menu(1);
    QVERIFY(!s.button(7)->isEnabled());
}

void LongDivisionScreens::nextBeforeAnyMenuChoicePosesNothing_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("TForm6") << 6;
    QTest::newRow("TForm7") << 7;
}

void LongDivisionScreens::nextBeforeAnyMenuChoicePosesNothing()
{
    QFETCH(int, form);
    Screen s(form);
    for (int mode = 0; mode < 2; ++mode) { // test mode, then study mode
        s.button(3)->click();
        s.button(4)->click();
        QCOMPARE(s.text(4), QString());
        QCOMPARE(s.text(9), QString());
        QVERIFY(!s.button(5)->isEnabled() && !s.button(7)->isEnabled());
        QCOMPARE(s.prompt(), u"メニューを えらんでね！"_s);
    }
    QVERIFY(s.h.drawRanges.empty());
}

void LongDivisionScreens::pointMemo_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("lines");
    QTest::newRow("TForm6") << 6 << 144 << 15;
    QTest::newRow("TForm7") << 7 << 152 << 14;
}

void LongDivisionScreens::pointMemo()
{
    QFETCH(int, form);
    QFETCH(int, top);
    QFETCH(int, lines);
    Screen s(form);
    auto* memo = test::child<QPlainTextEdit>(s.form.get(), u"Memo1"_s);
    s.button(6)->click();
    QVERIFY(!memo->isHidden());
    QCOMPARE(memo->y(), top);
    QCOMPARE(memo->document()->blockCount(), lines);
    QCOMPARE(memo->toPlainText().split(u'\n').value(1), u"　【計算のポイント】"_s);
}

void LongDivisionScreens::restoreButtonClearOfTheFigure_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("example"); // 0: a test problem, entered to the end and judged
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("script");
    // The figures that reach furthest down and right: three quotient digits and a remainder row.
    QTest::newRow("TForm4 436 ÷ 3, step 4") << 4 << 2 << 1 << QList<int>{} << QList<int>{};
    QTest::newRow("TForm4 436 ÷ 3, judged")
        << 4 << 2 << 0 << QList<int>{5, 1, 334, 0} << QList<int>{-2, 3, 13, -5, 12, 16, -6, 15, 1};
    QTest::newRow("TForm6 5642 ÷ 43, step 4") << 6 << 3 << 1 << QList<int>{} << QList<int>{};
    QTest::newRow("TForm6 5642 ÷ 43, judged")
        << 6 << 3 << 0 << QList<int>{3, 3, 2, 2, 4, 2} << QList<int>{-2, 43, 134, -4, 129, 52, -2, 43, 9};
    QTest::newRow("TForm7 47134 ÷ 324, step 4") << 7 << 2 << 2 << QList<int>{} << QList<int>{};
    QTest::newRow("TForm7 47134 ÷ 324, judged")
        << 7 << 2 << 0 << QList<int>{2, 2, 3, 37133} << QList<int>{-2, 324, 1473, -5, 1296, 1774, -6, 1620, 154};
}

// No label, line or picture of the figure, nor the judge mark, the problem line or the step text
// reaches the restore button; the point memo covers it whole.
void LongDivisionScreens::restoreButtonClearOfTheFigure()
{
    QFETCH(int, form);
    QFETCH(int, subTopic);
    QFETCH(int, example);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, script);

    Screen s(form);
    s.menu(subTopic);
    if (example == 0) {
        s.button(3)->click();
        s.h.draws.assign(draws.begin(), draws.end());
        s.button(4)->click();
        s.write(script);
        QCOMPARE(s.text(6), u"○"_s);
    } else {
        for (int i = 1; i <= example; ++i) {
            s.button(4)->click();
            while (s.button(5)->isEnabled())
                s.button(5)->click();
        }
        QVERIFY(s.text(5).startsWith(u"【ステップ４】"_s));
    }
    QVERIFY(!s.text(15).isEmpty()); // the last difference row is written

    const QRect restore = s.button(7)->geometry();
    QStringList reached;
    for (const QWidget* w : s.form->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        const bool figure = name.startsWith(u"Shape"_s) || name == u"Image2"_s || name == u"Image3"_s;
        const auto* text = qobject_cast<const QLabel*>(w);
        const bool label = text && name.startsWith(u"Label"_s) && !text->text().isEmpty();
        if ((figure || label) && !w->isHidden() && w->geometry().intersects(restore)) reached << name;
    }
    QVERIFY2(reached.isEmpty(), qPrintable(reached.join(u' ')));
    QVERIFY(test::child<QWidget>(s.form.get(), u"Memo1"_s)->geometry().contains(restore));
}

QTEST_MAIN(LongDivisionScreens)
#include "tst_longdiv_screens.moc"
