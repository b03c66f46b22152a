// The long-division screen base carries a screen other than the one-digit lesson: a tiny
// screen that halves one-digit numbers, with its own figure, selectors, examples and entry.
#include "app/Random.h"
#include "lessons/division/LongDivisionScreen.h"
#include "tests/support/TestSupport.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace kazemaru;
using namespace kazemaru::longdiv;
using namespace Qt::StringLiterals;

namespace {

class HalfWalk : public ExampleWalk {
  public:
    HalfWalk(Figure& figure, int example)
        : ExampleWalk({example == 1 ? 8 : 9, 2})
        , figure_(figure)
    {
    }
    StepShown nextStep() override
    {
        const auto [D, d] = problem_;
        if (++step_ == 1) {
            figure_.divisor = QString::number(d);
            figure_.dividend = QString::number(D);
            figure_.bracket = true;
            return {u"write"_s, stepCaption(2), {}, false};
        }
        figure_.show(Row::Quotient, D / d);
        figure_.show(Row::Difference1, D % d);
        return {u"halve"_s, stepCaption(1), answerLine(D, d, D / d, D % d), true};
    }

  private:
    Figure& figure_;
};

class HalfEntry : public WrittenEntry {
  public:
    HalfEntry(Figure& figure, const Problem& p)
        : WrittenEntry(figure, 1, p.dividend, p.divisor)
    {
    }

  protected:
    EntryOutcome onQuotient(int g) override
    {
        figure_.show(Row::Quotient, g);
        figure_.point(Row::Difference1);
        return {};
    }
    EntryOutcome onNumber(int n) override
    {
        figure_.show(Row::Difference1, n);
        return finish(n);
    }
};

const LabelDesign labels[] = {
    {4, 100, 200, 40, false, Qt::black}, {5, 100, 300, 24, true, Qt::black}, {6, 700, 540, 53, false, Qt::red}};
const SelectorDesign selectors[] = {{8, 850, u"一", 1, 0, 28}, {9, 904, u"商", 1, 0, 28}};

LongDivisionDesign halfDesign()
{
    LongDivisionDesign d;
    d.labels = labels;
    d.selectors = selectors;
    d.quotientSelector = 9;
    d.quotientLeft = 880;
    for (size_t i = 0; i < d.figure.rows.size(); ++i)
        d.figure.rows[i] = {QString(), 600, 280 + 32 * int(i), 20, false};
    d.figure.divisor = {QString(), 560, 316, 20, false};
    d.figure.dividend = {QString(), 600, 316, 20, false};
    d.memoLines = {u"half"_s};
    d.memoGeometry = QRect(100, 150, 400, 100);
    return d;
}

class HalfScreen : public LongDivisionScreen {
    Q_OBJECT
  public:
    HalfScreen()
        : LongDivisionScreen(7, halfDesign(), nullptr)
    {
    }
  public Q_SLOTS:
    void ComboBox9Change() { quotientChosen(); }
    void ComboBox8Change() { onesChosen(); }

  protected:
    int exampleCount(int) const override { return 2; }
    std::unique_ptr<ExampleWalk> makeWalk(Figure& f, int, int example) override
    {
        return std::make_unique<HalfWalk>(f, example);
    }
    Problem drawProblem(int) override { return {Random(9) + 1, 2}; }
    std::unique_ptr<WrittenEntry> makeEntry(Figure& f, int, const Problem& p) override
    {
        return std::make_unique<HalfEntry>(f, p);
    }
    QString firstPrompt(int, const Problem&) const override { return u"halve"_s; }
    void placeForStart(Figure&) override {}
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
    QVERIFY(s.missingHandlers().isEmpty());
    s.FormCreate();
    test::child<SimpleComboBox>(&s, u"ComboBox1"_s)->choose(0);
    auto* next = test::child<QAbstractButton>(&s, u"CuteButton4"_s);
    auto* step = test::child<QAbstractButton>(&s, u"CuteButton5"_s);
    for (int example : {1, 2, 1}) {
        next->click();
        QCOMPARE(s.exampleCounter(), example);
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
    QTest::addColumn<int>("remainder");
    QTest::addColumn<QString>("mark");
    QTest::newRow("9 ÷ 2 right") << 8 << 4 << 1 << u"○"_s;
    QTest::newRow("9 ÷ 2, remainder too large") << 8 << 3 << 3 << u"×"_s;
    QTest::newRow("6 ÷ 2 right") << 5 << 3 << 0 << u"○"_s;
}

void LongDivisionBase::problemsEnteredAndJudged()
{
    QFETCH(int, draw);
    QFETCH(int, quotient);
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
    QCOMPARE(test::child<QLabel>(&s, u"Label3"_s)->text(), u"halve"_s);
    QVERIFY(!q->isHidden() && ones->isHidden());
    QCOMPARE(q->x(), 880);
    for (int round = 0; round < 2; ++round) { // the restore button lays the same problem out again
        q->choose(quotient);
        QVERIFY(q->isHidden() && !ones->isHidden());
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
