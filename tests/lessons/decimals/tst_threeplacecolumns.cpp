// Written decimal addition and subtraction with two and three places: the generator's draws, a
// broad sweep of problems walked and entered against the written method, and the edge cases.
#include "frame/Random.h"
#include "lessons/decimals/ThreePlaceColumns.h"
#include "tests/support/ColumnDriving.h"
#include "tests/support/TestSupport.h"

#include <QtTest>
#include <random>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

constexpr auto add = ColumnOperation::Add, subtract = ColumnOperation::Subtract;

ColumnProblem problem(ColumnOperation op, int places, int first, int second)
{
    return {op, places, first, second};
}

// The written method, worked out on its own: after columns 1 … w are worked, mark k stands for a
// carry out of column k, or for a borrow from column k + 1 (its digit less one, a 0 lending as a
// 9 and passing the borrow on, so the marks of a passing borrow appear with the column it serves).
QString methodMarks(const ColumnProblem& p, int worked)
{
    const auto out = [&](int k) {
        const int u = placeUnit(k);
        return p.operation == add ? p.first % u + p.second % u >= u : p.first % u < p.second % u;
    };
    ColumnMarks m;
    for (int k = 1; k <= std::min(worked, p.places); ++k) {
        for (int c = k; c <= p.places + 1 && out(c); ++c) {
            m.mark[size_t(c)] = p.operation == add ? 1 : (columnDigit(p.first, c + 1) + 9) % 10;
            m.struck[size_t(c)] = p.operation == subtract;
            if (p.operation == add || columnDigit(p.first, c + 1) != 0) break;
        }
    }
    return test::marksText(m);
}

// The answer row once w columns are written: the digits of the answer from the right, the point
// before the first decimal place, and the whole part at the end.
QString methodRow(const ColumnProblem& p, int worked)
{
    const int answer = p.answer();
    if (worked > p.places)
        return QString::number(answer / placeUnit(p.places)) + u'.' +
               QString::number(answer % placeUnit(p.places)).rightJustified(p.places, u'0');
    QString row;
    for (int j = 1; j <= worked; ++j)
        row = (j == p.places ? u"."_s : QString()) + QString::number(answer / placeUnit(j - 1) % 10) + row;
    return row;
}

// Problems from the generator's ranges, of all four kinds, with a fixed seed.
QList<ColumnProblem> sweep(int perKind)
{
    std::mt19937 random(20261210);
    QList<ColumnProblem> all;
    for (int places : {2, 3}) {
        const int one = placeUnit(places);
        std::uniform_int_distribution<int> operand(one, 10 * one - 2);
        for (int i = 0; i < perKind; ++i) {
            all.append(problem(add, places, operand(random), operand(random)));
            int a = operand(random), b = operand(random);
            if (a == b) continue;
            all.append(problem(subtract, places, std::max(a, b), std::min(a, b)));
        }
    }
    return all;
}

} // namespace

Q_DECLARE_METATYPE(kazemaru::ColumnProblem)

class TestThreePlaceColumns : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The draws of each kind, the bounded redraw with its fixed problems, and nothing posed
    // without a sub-topic and a kind.
    void draws()
    {
        const struct {
            int subTopic, kind;
            std::initializer_list<int> draws;
            int (*fallback)(int);
            QString question;
            std::vector<int> ranges;
        } cases[] = {
            {1, 1, {175, 48}, nullptr, u"2.75 + 1.48 = ?"_s, {899, 899}},
            {1, 2, {3567, 2456}, nullptr, u"4.567 + 3.456 = ?"_s, {8999, 8999}},
            {2, 1, {100, 200, 223, 118}, nullptr, u"3.24 - 2.19 = ?"_s, {898, 898, 898, 898}},
            {2, 1, {}, [](int) { return 0; }, u"3.24 - 1.68 = ?"_s, std::vector<int>(2 * maxRedraws, 898)},
            {2, 2, {}, [](int) { return 5; }, u"3.456 - 1.687 = ?"_s, std::vector<int>(2 * maxRedraws, 8998)},
            {0, 1, {}, nullptr, u"0.00 + 0.00 = ?"_s, {}},
            {1, 0, {}, nullptr, u"0.00 + 0.00 = ?"_s, {}},
        };
        for (const auto& c : cases) {
            test::Harness h;
            h.queueDraws(c.draws);
            h.fallbackDraw = c.fallback;
            QCOMPARE(drawThreePlaceProblem(c.subTopic, c.kind).questionText(), c.question);
            QCOMPARE(h.drawRanges, c.ranges);
        }
    }

    // A broad sweep: at every step the walk's answer row and marks are the written method's and it
    // ends with the equation; the child who writes the method (carry digits first, the tens
    // before the ones) enters through open selectors only and is judged right.
    void sweepWalkedAndEntered()
    {
        for (const ColumnProblem& p : sweep(6000)) {
            const QString what = p.questionText();
            ThreePlaceWalk walk(p);
            written::StepShown shown;
            for (int step = 1; step <= p.places + 2; ++step) {
                shown = walk.nextStep();
                const int worked = step - 1;
                if (walk.answerRow() != methodRow(p, worked) || test::marksText(walk.marks()) != methodMarks(p, worked))
                    QFAIL(qPrintable(what + u" step %1"_s.arg(step)));
            }
            if (!shown.ends || shown.answer != p.equationText()) QFAIL(qPrintable(what));

            ThreePlaceEntry entry(p);
            if (const QString wrong = test::enterByMethod(entry, p); !wrong.isEmpty()) QFAIL(qPrintable(what + wrong));
            if (!entry.judged() || !entry.right() || entry.answerRow() != p.answerText() ||
                test::marksText(entry.marks()) != test::marksText(walk.marks()))
                QFAIL(qPrintable(what));
        }
    }

    // The worked examples of the edge cases: the answer row after each step (the last one gives the
    // equation), and the marks at the end.
    void workedExamples_data()
    {
        QTest::addColumn<ColumnProblem>("p");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("marks");
        QTest::newRow("3.24 - 2.19") << problem(subtract, 2, 324, 219) << u"|5|.05|1.05"_s << u"1:1*"_s;
        QTest::newRow("3.24 - 3.20") << problem(subtract, 2, 324, 320) << u"|4|.04|0.04"_s << QString();
        QTest::newRow("3.457 - 3.452") << problem(subtract, 3, 3457, 3452) << u"|5|05|.005|0.005"_s << QString();
        QTest::newRow("2.50 + 1.30") << problem(add, 2, 250, 130) << u"|0|.80|3.80"_s << QString();
        QTest::newRow("4.567 + 3.456") << problem(add, 3, 4567, 3456) << u"|3|23|.023|8.023"_s << u"1:1 2:1 3:1"_s;
        QTest::newRow("1.119 + 1.802") << problem(add, 3, 1119, 1802) << u"|1|21|.921|2.921"_s << u"1:1"_s;
        QTest::newRow("9.87 + 4.56") << problem(add, 2, 987, 456) << u"|3|.43|14.43"_s << u"1:1 2:1"_s;
        QTest::newRow("4.002 - 1.005") << problem(subtract, 3, 4002, 1005) << u"|7|97|.997|2.997"_s
                                       << u"1:9* 2:9* 3:3*"_s;
        QTest::newRow("5.03 - 2.07") << problem(subtract, 2, 503, 207) << u"|6|.96|2.96"_s << u"1:9* 2:4*"_s;
    }
    void workedExamples()
    {
        QFETCH(ColumnProblem, p);
        QFETCH(QString, rows);
        ThreePlaceWalk walk(p);
        QStringList shownRows;
        written::StepShown shown;
        for (int step = 1; step <= walk.stepCount(); ++step) {
            shown = walk.nextStep();
            shownRows << walk.answerRow();
        }
        QCOMPARE(shownRows.join(u'|'), rows);
        QFETCH(QString, marks);
        QCOMPARE(test::marksText(walk.marks()), marks);
        QCOMPARE(shown.answer, p.text() + u" = "_s + shownRows.last());
        QCOMPARE(shown.caption, u"ステップ１"_s);
        // A press after the last step starts again at step 1.
        QCOMPARE(walk.nextStep().text,
                 u"【ステップ１】\n\n　もんだいを、小数点をあわせて  \n　タテにならべ、下に線をひく。"_s);
        QCOMPARE(walk.answerRow(), QString());
    }

    // Step texts name the column worked, and every parenthesis they open is closed.
    void stepTexts()
    {
        const auto text = [](const ColumnProblem& p, int step) {
            ThreePlaceWalk walk(p);
            written::StepShown s;
            for (int i = 0; i < step; ++i)
                s = walk.nextStep();
            return s;
        };
        QCOMPARE(text(problem(subtract, 3, 4002, 1005), 3).text,
                 u"【ステップ３】\n\n　小数第二位を ひいた数を 線の下に\n　書く。\n　（ひけなければ、上の位からくり\n"
                 u"　下げてひき、くり下げた けっかを \n　上に 小さく書いておく。）"_s);
        QCOMPARE(text(problem(add, 3, 4567, 3456), 4).caption, u"ステップ５"_s);
        for (auto op : {add, subtract})
            for (int places : {2, 3})
                for (int step = 1; step <= places + 2; ++step) {
                    const QString t = text(problem(op, places, 5 * placeUnit(places), placeUnit(places)), step).text;
                    QCOMPARE(t.count(u'（'), t.count(u'）'));
                }
    }

    // Column entries: carry digits set marks, the tens digit leads the ones, borrows are marked as
    // the column is entered; prompts after each column and whether they blink.
    void entries()
    {
        const struct {
            ColumnProblem p;
            QList<QPair<int, int>> choices; // (column, digit)
            QString answerRow, marks, prompt;
            bool blink, judged, right;
        } cases[] = {
            {problem(add, 2, 275, 148),
             {{2, 1}, {1, 3}, {3, 1}, {2, 2}},
             u".23"_s,
             u"1:1 2:1"_s,
             u"一の位を たした数を えらんでね！\n２けたの時もあるよ！"_s,
             false,
             false,
             false},
            {problem(add, 3, 4567, 3456),
             {{2, 1}, {1, 3}},
             u"3"_s,
             u"1:1"_s,
             u"小数第二位を たした答えを えらんでね！\n２けたの時もあるよ！"_s,
             true,
             false,
             false},
            // Without its tens digit the sum is written short and judged wrong.
            {problem(add, 2, 987, 456), {{1, 3}, {2, 4}, {3, 4}}, u"4.43"_s, QString(), QString(), true, true, false},
            {problem(subtract, 3, 4002, 1005),
             {{1, 7}},
             u"7"_s,
             u"1:9* 2:9* 3:3*"_s,
             u"小数第二位の答えを えらんでね！"_s,
             true,
             false,
             false},
            {problem(subtract, 2, 503, 207),
             {{1, 6}, {2, 9}},
             u".96"_s,
             u"1:9* 2:4*"_s,
             u"一の位の答えを えらんでね！"_s,
             true,
             false,
             false},
            // Wrong digits go on into the row; only judging says so.
            {problem(subtract, 2, 324, 219),
             {{1, 5}, {2, 1}, {3, 2}},
             u"2.15"_s,
             u"1:1*"_s,
             QString(),
             true,
             true,
             false},
        };
        for (const auto& c : cases) {
            ThreePlaceEntry entry(c.p);
            written::EntryOutcome last;
            for (const auto& [column, digit] : c.choices)
                last = entry.choose(column, digit);
            QVERIFY(last.taken);
            QCOMPARE(entry.answerRow(), c.answerRow);
            QCOMPARE(test::marksText(entry.marks()), c.marks);
            QCOMPARE(last.prompt.text, c.prompt);
            QCOMPARE(last.prompt.blink, c.blink);
            QCOMPARE(entry.judged(), c.judged);
            QCOMPARE(entry.right(), c.right);
            if (c.judged) QCOMPARE(last.right, c.right); // what the screen marks
            if (c.judged) QVERIFY(!entry.choose(c.p.places + 1, 0).taken);
        }
    }
};

QTEST_GUILESS_MAIN(TestThreePlaceColumns)
#include "tst_threeplacecolumns.moc"
