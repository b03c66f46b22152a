// Written decimal addition and subtraction with one place: the generator's draws, every problem
// it can pose walked and entered, and the worked examples and entries of the edge cases.
#include "frame/Random.h"
#include "lessons/decimals/OnePlaceColumns.h"
#include "tests/support/ColumnDriving.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

constexpr auto add = ColumnOperation::Add, subtract = ColumnOperation::Subtract;

// Operands with one place from whole part and tenths digit.
ColumnProblem problem(ColumnOperation op, double first, double second)
{
    return {op, 1, int(std::lround(first * 10)), int(std::lround(second * 10))};
}

// A tenths digit never 9, and 1 … 8 after a whole part 0.
QList<int> withTenths(int whole)
{
    QList<int> units;
    for (int d = whole == 0 ? 1 : 0; d <= 8; ++d)
        units.append(10 * whole + d);
    return units;
}

// Every problem the generator can pose, from its ranges.
QList<ColumnProblem> drawSpace()
{
    QList<ColumnProblem> all;
    const auto pairs = [&](ColumnOperation op, int A, int B) {
        for (int first : withTenths(A))
            for (int second : withTenths(B))
                all.append({op, 1, first, second});
    };
    for (int A = 0; A <= 7; ++A) {
        for (int B = 0; B <= 7 && A + B <= 8; ++B)
            pairs(add, A, B);
        for (int B = 10; B <= 79; ++B)
            pairs(add, A, B);
    }
    for (int A = 2; A <= 8; ++A)
        for (int B = 0; B <= 6 && A - B >= 2; ++B)
            pairs(subtract, A, B);
    for (int A = 10; A <= 98; ++A)
        for (int B = 0; B <= 8; ++B)
            pairs(subtract, A, B);
    return all;
}

// The mark the written method puts above column j + 1 once column j is worked: a carried 1, or
// the lending digit less one (a 0 lends as a 9).
std::optional<int> methodMark(const ColumnProblem& p, int j)
{
    const int u = placeUnit(j);
    if (p.operation == add) return p.first % u + p.second % u >= u ? std::optional(1) : std::nullopt;
    if (p.first % u >= p.second % u) return std::nullopt;
    return (columnDigit(p.first, j + 1) + 9) % 10;
}

} // namespace

Q_DECLARE_METATYPE(kazemaru::ColumnProblem)

class TestOnePlaceColumns : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The draws in their order, the redraws of the whole parts, and the fixed problems.
    void drawOrder()
    {
        const struct {
            int subTopic;
            std::initializer_list<int> draws;
            int (*fallback)(int);
            QString question;
        } cases[] = {
            {1, {7, 6, 25, 4, 8}, nullptr, u"6.4 + 35.8 = ?"_s},
            {1, {0, 5, 7, 7, 3, 2, 4}, nullptr, u"5.2 + 3.4 = ?"_s},
            {1, {6, 0, 2, 2, 5}, nullptr, u"0.3 + 2.5 = ?"_s},
            {1, {0, 7}, [](int n) { return n == 8 ? 7 : 0; }, u"1.0 + 3.0 = ?"_s},
            {2, {8, 82, 7, 3, 1}, nullptr, u"92.3 - 7.1 = ?"_s},
            {2, {3, 0, 2, 1, 0, 4, 0}, nullptr, u"2.4 - 0.1 = ?"_s},
            {2, {0, 0}, [](int n) { return n == 7 ? 6 : 0; }, u"3.0 - 1.0 = ?"_s},
            {3, {}, nullptr, u"0.0 + 0.0 = ?"_s},
        };
        for (const auto& c : cases) {
            test::Harness h;
            h.queueDraws(c.draws);
            h.fallbackDraw = c.fallback;
            QCOMPARE(drawOnePlaceProblem(c.subTopic).questionText(), c.question);
            QVERIFY(h.draws.empty());
        }
    }

    // Real draws stay inside the space the sweep below walks.
    void drawsStayInTheirSpace()
    {
        QSet<QString> space;
        for (const ColumnProblem& p : drawSpace())
            space.insert(p.questionText());
        for (int i = 0; i < 2000; ++i) {
            const ColumnProblem p = drawOnePlaceProblem(1 + i % 2);
            QVERIFY2(space.contains(p.questionText()), qPrintable(p.questionText()));
        }
    }

    // Every problem: the walk marks what the written method needs at every step and ends with the
    // answer row and the equation; the child who writes the method (carry digits first) enters the
    // answer through open selectors only and is judged right.
    void everyProblemWalkedAndEntered()
    {
        for (const ColumnProblem& p : drawSpace()) {
            const QString what = p.questionText();
            OnePlaceWalk walk(p);
            QCOMPARE(walk.stepCount(), p.first >= 100 || p.answer() >= 100 ? 4 : 3);
            written::StepShown last;
            do {
                last = walk.nextStep();
                const int worked = walk.workedColumns();
                // A borrow from a 0 passes on: the column beyond is marked with it.
                const bool passing = p.operation == subtract && worked >= 1 && methodMark(p, worked) &&
                                     columnDigit(p.first, worked + 1) == 0;
                for (int j = 1; j <= 2; ++j) {
                    const bool due = j <= worked || (j == worked + 1 && passing);
                    const std::optional<int> expected = due ? methodMark(p, j) : std::nullopt;
                    if (walk.marks().mark[size_t(j)] != expected) QFAIL(qPrintable(what));
                }
            } while (!last.ends);
            if (walk.answerRow() != p.answerText() || walk.step() != walk.stepCount()) QFAIL(qPrintable(what));
            if (!last.answer.isEmpty() && last.answer != p.equationText()) QFAIL(qPrintable(what));

            OnePlaceEntry entry(p);
            if (const QString wrong = test::enterByMethod(entry, p); !wrong.isEmpty()) QFAIL(qPrintable(what + wrong));
            if (!entry.judged() || !entry.right() || entry.answerRow() != p.answerText() ||
                test::marksText(entry.marks()) != test::marksText(walk.marks()))
                QFAIL(qPrintable(what));
        }
    }

    // Column entries of the edge cases: carry digits set marks but count only where their column
    // is entered; borrow marks follow the problem once the column to their right is entered.
    void entries()
    {
        const struct {
            ColumnProblem p;
            QList<QPair<int, int>> choices; // (column, digit)
            QString answerRow, marks, prompt;
            bool judged, right;
        } cases[] = {
            {problem(add, 3.7, 4.5),
             {{2, 1}, {1, 2}},
             u".2"_s,
             u"1:1"_s,
             u"一の位をたした答えを えらんでね！"_s,
             false,
             false},
            {problem(add, 3.7, 4.5), {{2, 1}, {1, 2}, {2, 8}}, u"8.2"_s, u"1:1"_s, QString(), true, true},
            {problem(add, 3.7, 4.5), {{1, 2}, {2, 8}}, u"8.2"_s, QString(), QString(), true, true},
            {problem(add, 3.7, 4.5), {{2, 1}, {1, 2}, {3, 1}, {2, 8}}, u"8.2"_s, u"1:1 2:1"_s, QString(), true, true},
            {problem(add, 3.7, 4.5),
             {{2, 3}},
             QString(),
             QString(),
             u"小数第一位をたした答えを えらんでね！"_s,
             false,
             false},
            {problem(add, 6.4, 35.8),
             {{2, 1}, {1, 2}, {3, 1}, {2, 2}},
             u"2.2"_s,
             u"1:1 2:1"_s,
             u"十の位をたした答えを えらんでね！"_s,
             false,
             false},
            {problem(add, 6.4, 35.8), {{1, 2}, {2, 2}, {3, 4}}, u"42.2"_s, QString(), QString(), true, true},
            {problem(add, 6.4, 35.8), {{1, 2}, {2, 2}, {3, 5}}, u"52.2"_s, QString(), QString(), true, false},
            {problem(subtract, 92.3, 7.1),
             {{1, 2}},
             u".2"_s,
             QString(),
             u"一の位の答えを えらんでね！"_s,
             false,
             false},
            {problem(subtract, 92.3, 7.1),
             {{1, 2}, {2, 5}},
             u"5.2"_s,
             u"2:8*"_s,
             u"十の位の答えを えらんでね！"_s,
             false,
             false},
            {problem(subtract, 20.3, 5.7),
             {{1, 6}},
             u".6"_s,
             u"1:9* 2:1*"_s,
             u"一の位の答えを えらんでね！"_s,
             false,
             false},
            {problem(subtract, 31.2, 1.5), {{1, 7}, {2, 9}, {3, 2}}, u"29.7"_s, u"1:0* 2:2*"_s, QString(), true, true},
            // Wrong digits go on into the row and the marks; only judging says so.
            {problem(subtract, 5.6, 2.3), {{1, 1}, {2, 9}}, u"9.1"_s, QString(), QString(), true, false},
            // No tens are left to write: the ones complete the answer.
            {problem(subtract, 12.3, 4.5), {{1, 8}, {2, 7}}, u"7.8"_s, u"1:1* 2:0*"_s, QString(), true, true},
        };
        for (const auto& c : cases) {
            OnePlaceEntry entry(c.p);
            written::EntryOutcome last;
            for (const auto& [column, digit] : c.choices)
                last = entry.choose(column, digit);
            const QString what = c.p.questionText() + u" after %1 choices"_s.arg(c.choices.size());
            QVERIFY2(last.taken, qPrintable(what));
            QCOMPARE(entry.answerRow(), c.answerRow);
            QCOMPARE(test::marksText(entry.marks()), c.marks);
            QCOMPARE(last.prompt.text, c.prompt);
            QCOMPARE(entry.judged(), c.judged);
            QCOMPARE(entry.judged() && entry.right(), c.right);
            QCOMPARE(last.judged && last.right, c.right); // what the screen marks
            // Once judged nothing more is taken.
            if (c.judged) QVERIFY(!entry.choose(1, 0).taken && !entry.choose(2, 0).taken && !entry.choose(3, 0).taken);
        }
        // The key goes on from a right start only.
        OnePlaceEntry entry(problem(subtract, 5.6, 2.3));
        entry.choose(1, 3);
        QCOMPARE(entry.remainingKey(), (QList<QPair<int, int>>{{2, 3}}));
        OnePlaceEntry wrong(problem(subtract, 5.6, 2.3));
        wrong.choose(1, 1);
        QVERIFY(wrong.remainingKey().isEmpty());
    }

    // Step texts of the edge cases, with the marks each step leaves.
    void workedExamples_data()
    {
        QTest::addColumn<ColumnProblem>("p");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("answerRow");
        QTest::newRow("3.7 + 4.5 tenths")
            << problem(add, 3.7, 4.5) << 2
            << u"【ステップ２】\n\n　小数第一位の 7 と 5 を たした数\n　（２けたの時は 一の位の数）を\n"
               u"　線の下に書き、その左に「．」を書く。\n　（２けたの時は、くり上げたことを \n　上に 小さく書いておく。）"_s
            << u"1:1"_s << u".2"_s;
        QTest::newRow("3.7 + 4.5 ones")
            << problem(add, 3.7, 4.5) << 3
            << u"【ステップ３】\n\n　一の位の 3 と 4 と、くり上がりが \n　あれば それも たして 線の下にかく。\n"
               u"　これで 計算は終わり。"_s
            << u"1:1"_s << u"8.2"_s;
        QTest::newRow("6.4 + 35.8 ones")
            << problem(add, 6.4, 35.8) << 3
            << u"【ステップ３】\n\n　一の位の 6 と 5 と、くり上がりが \n　あればそれも たした数（２けたの時は \n"
               u"　一の位の数）を 線の下にかく。\n　（２けたの時は、くり上げたことを \n　上に 小さく書いておく。）"_s
            << u"1:1 2:1"_s << u"2.2"_s;
        QTest::newRow("6.4 + 35.8 tens")
            << problem(add, 6.4, 35.8) << 4
            << u"【ステップ４】\n\n　十の位の 3 と 　くり上がりがあれば \n　それも たして 線の下にかく。\n"
               u"　これで 計算は終わり。"_s
            << u"1:1 2:1"_s << u"42.2"_s;
        QTest::newRow("5.2 - 2.3 tenths")
            << problem(subtract, 5.2, 2.3) << 2
            << u"【ステップ２】\n\n　小数第一位の 2 から 3 は ひけない\n　ので、一の位から １をくり下げ、\n"
               u"　12 から 3 を ひいた数を 線の下に\n　書き、その左に「．」を書く。\n"
               u"　くり下げた けっか を 上に 小さく\n　書いておく。"_s
            << u"1:4*"_s << u".9"_s;
        QTest::newRow("5.2 - 2.3 ones")
            << problem(subtract, 5.2, 2.3) << 3
            << u"【ステップ３】\n\n　くり下げた 4 から 2 を \n　ひいた数を 線の下に書く。\n　これで 計算は終わり。"_s
            << u"1:4*"_s << u"2.9"_s;
        QTest::newRow("20.3 - 5.7 tenths")
            << problem(subtract, 20.3, 5.7) << 2
            << u"【ステップ２】\n\n　小数第一位の 3 から7 はひけず、\n　一の位からは くり下げができないので、\n"
               u"　十の位から １をくり下げ、\n　13 から 7 を ひいた数を 線の下に\n　書き、その左に「．」を書く。\n"
               u"　くり下げた けっか を 上に 小さく\n　書いておく。"_s
            << u"1:9* 2:1*"_s << u".6"_s;
        QTest::newRow("20.3 - 5.7 ones")
            << problem(subtract, 20.3, 5.7) << 3
            << u"【ステップ３】\n\n　くり下げた 9 から 5 を \n　ひいた数を 線の下に書く。"_s << u"1:9* 2:1*"_s
            << u"4.6"_s;
        QTest::newRow("31.2 - 1.5 ones")
            << problem(subtract, 31.2, 1.5) << 3
            << u"【ステップ３】\n\n　一の位の 0 から 1 は ひけない\n　ので、十の位から １をくり下げ、\n"
               u"　10 から 1 を ひいた数を 線の下に\n　書く。\n　くり下げた けっか を 上に 小さく\n　書いておく。"_s
            << u"1:0* 2:2*"_s << u"9.7"_s;
        QTest::newRow("31.2 - 1.5 tens")
            << problem(subtract, 31.2, 1.5) << 4
            << u"【ステップ４】\n\n　くり下げた 2 を 線の下にかく。\n　これで 計算は終わり。"_s << u"1:0* 2:2*"_s
            << u"29.7"_s;
        QTest::newRow("92.3 - 7.1 tens")
            << problem(subtract, 92.3, 7.1) << 4
            << u"【ステップ４】\n\n　くり下げた 8 を 線の下にかく。\n　これで 計算は終わり。"_s << u"2:8*"_s
            << u"85.2"_s;
        QTest::newRow("12.3 - 4.5 ones")
            << problem(subtract, 12.3, 4.5) << 3
            << u"【ステップ３】\n\n　一の位の 1 から 4 は ひけない\n　ので、十の位から １をくり下げ、\n"
               u"　11 から 4 を ひいた数を 線の下に\n　書く。\n　くり下げた けっか を 上に 小さく\n　書いておく。"_s
            << u"1:1* 2:0*"_s << u"7.8"_s;
        QTest::newRow("12.3 - 4.5 tens")
            << problem(subtract, 12.3, 4.5) << 4
            << u"【ステップ４】\n\n　くり下げて 十の位は ０ に なったので、\n　線の下には 何も 書かない。\n"
               u"　これで 計算は終わり。"_s
            << u"1:1* 2:0*"_s << u"7.8"_s;
    }
    void workedExamples()
    {
        QFETCH(ColumnProblem, p);
        QFETCH(int, step);
        OnePlaceWalk walk(p);
        written::StepShown s;
        for (int i = 0; i < step; ++i)
            s = walk.nextStep();
        QFETCH(QString, text);
        QFETCH(QString, marks);
        QFETCH(QString, answerRow);
        QCOMPARE(s.text, text);
        QCOMPARE(test::marksText(walk.marks()), marks);
        QCOMPARE(walk.answerRow(), answerRow);
        QCOMPARE(s.ends, step == walk.stepCount());
        QCOMPARE(s.caption, written::stepCaption(s.ends ? 1 : step + 1));
        // Only the three-step subtraction leaves the problem line as it is.
        QCOMPARE(s.answer, s.ends && (p.operation == add || step == 4) ? p.equationText() : QString());
    }
};

QTEST_GUILESS_MAIN(TestOnePlaceColumns)
#include "tst_oneplacecolumns.moc"
