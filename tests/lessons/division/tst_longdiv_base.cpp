// The long-division screen base carries a screen other than the lessons: a tiny screen that
// halves one-digit numbers, with its own figure, selectors, plan, examples and texts.
#include "frame/Random.h"
#include "lessons/division/LongDivisionScreen.h"
#include "lessons/division/Unit7.h"
#include "tests/support/TestSupport.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace kazemaru;
using namespace kazemaru::longdiv;
using namespace Qt::StringLiterals;

namespace {

// Halving one-digit numbers: examples, problems and entry all come from the written plan.
std::array<RowState, rowCount> halfRows()
{
    std::array<RowState, rowCount> rows;
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = {QString(), 600, 280 + 32 * int(i), 20, true};
    return rows;
}

const LabelDesign labels[] = {
    {4, 100, 200, 40, false, Qt::black}, {5, 100, 300, 24, true, Qt::black}, {6, 700, 540, 53, false, Qt::red}};
const SelectorDesign selectors[] = {{8, 850, u"一", 1, 0, 28}, {9, 904, u"商", 1, 0, 28}};

const PlanDesign& halfPlan()
{
    static const PlanDesign plan{
        .dividendLeft = 600,
        .rows = halfRows(),
        .example =
            [](int, int example) {
                return Problem{example == 1 ? 8 : 9, 2};
            },
        .stepText = [](const StepFacts& f) { return fillStepText(u"{P} halved is {q}"_s, f); }};
    return plan;
}

LongDivisionDesign halfDesign()
{
    LongDivisionDesign d;
    d.labels = labels;
    d.selectors = selectors;
    d.quotientSelector = 9;
    d.quotientLeft = 880;
    d.figure.rows = halfRows();
    d.figure.divisor = {QString(), 560, 316, 20, false};
    d.figure.dividend = {QString(), 600, 316, 20, false};
    d.memoLines = {u"half"_s};
    d.memoGeometry = QRect(100, 150, 400, 100);
    d.rules = {halfPlan, [](int) { return 2; }, [](int) { return Problem{Random(9) + 1, 2}; }, nullptr};
    return d;
}

class HalfScreen : public LongDivisionScreen {
    Q_OBJECT
  public:
    HalfScreen()
        : LongDivisionScreen(TForm7::frameFacts(), halfDesign(), nullptr)
    {
    }
  public Q_SLOTS:
    void ComboBox9Change() { quotientChosen(); }
    void ComboBox8Change() { onesChosen(); }
};

} // namespace

class LongDivisionBase : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void examplesWalkStepByStep();
    void problemsEnteredAndJudged_data();
    void problemsEnteredAndJudged();
};

void LongDivisionBase::examplesWalkStepByStep()
{
    test::Harness h;
    HalfScreen s;
    QVERIFY(test::Probe::missingHandlers(s).isEmpty());
    s.FormCreate();
    test::child<SimpleComboBox>(&s, u"ComboBox1"_s)->choose(0);
    auto* next = test::child<QAbstractButton>(&s, u"CuteButton4"_s);
    auto* step = test::child<QAbstractButton>(&s, u"CuteButton5"_s);
    for (int example : {1, 2, 1}) {
        next->click();
        QCOMPARE(test::Probe::exampleCounter(s), example);
        step->click();
        step->click();
        const int D = example == 1 ? 8 : 9;
        auto* line = test::child<QLabel>(&s, u"Label4"_s);
        QCOMPARE(line->text(), answerLine(D, 2, D / 2, D % 2));
        QVERIFY(line->width() >= line->sizeHint().width()); // the label grows with its text
        QCOMPARE(test::child<QLabel>(&s, u"Label7"_s)->text(), QString::number(D / 2));
        QVERIFY(next->isEnabled() && !step->isEnabled());
        QCOMPARE(h.lastCue(), cue::choice);
    }
    auto* point = test::child<QAbstractButton>(&s, u"CuteButton6"_s);
    point->click();
    QCOMPARE(test::child<QPlainTextEdit>(&s, u"Memo1"_s)->toPlainText(), u"half"_s);
}

void LongDivisionBase::problemsEnteredAndJudged_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("product");
    QTest::addColumn<int>("remainder");
    QTest::addColumn<QString>("mark");
    QTest::newRow("9 ÷ 2 right") << 8 << 4 << 8 << 1 << u"○"_s;
    QTest::newRow("9 ÷ 2, remainder too large") << 8 << 3 << 6 << 3 << u"×"_s;
    QTest::newRow("6 ÷ 2 right") << 5 << 3 << 6 << 0 << u"○"_s;
}

void LongDivisionBase::problemsEnteredAndJudged()
{
    QFETCH(int, draw);
    QFETCH(int, quotient);
    QFETCH(int, product);
    QFETCH(int, remainder);
    QFETCH(QString, mark);

    test::Harness h;
    HalfScreen s;
    s.FormCreate();
    test::child<SimpleComboBox>(&s, u"ComboBox1"_s)->choose(0);
    test::child<QAbstractButton>(&s, u"CuteButton3"_s)->click();
    h.queueDraws({draw});
    test::child<QAbstractButton>(&s, u"CuteButton4"_s)->click();
    auto* ones = test::child<SimpleComboBox>(&s, u"ComboBox8"_s);
    auto* q = test::child<SimpleComboBox>(&s, u"ComboBox9"_s);
    QCOMPARE(test::child<QLabel>(&s, u"Label3"_s)->text(), u"商の一の位を 答えてね！"_s);
    QVERIFY(!q->isHidden() && ones->isHidden());
    QCOMPARE(q->x(), 880);
    for (int round = 0; round < 2; ++round) { // the restore button lays the same problem out again
        q->choose(quotient);
        QVERIFY(q->isHidden() && !ones->isHidden());
        ones->choose(product);
        ones->choose(remainder);
        QCOMPARE(test::child<QLabel>(&s, u"Label6"_s)->text(), mark);
        QCOMPARE(test::child<QLabel>(&s, u"Label13"_s)->text(), QString()); // untouched rows stay empty
        test::child<QAbstractButton>(&s, u"CuteButton7"_s)->click();
        QCOMPARE(test::child<QLabel>(&s, u"Label9"_s)->text(), QString::number(draw + 1));
        QCOMPARE(test::child<QLabel>(&s, u"Label6"_s)->text(), QString());
    }
}

QTEST_MAIN(LongDivisionBase)
#include "tst_longdiv_base.moc"
