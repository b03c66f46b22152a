// The structure-of-decimals arithmetic: decimal text, every problem each generator can pose
// (answerable with the tens, ones and tenths selectors, right only for its own entry) and the
// exact texts of the forms a child meets.
#include "lessons/decimals/DecimalStructure.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

Q_DECLARE_METATYPE(kazemaru::StructureProblem)

namespace {

// The digits a child enters for the right answer: a count in tens and ones, a decimal in tens,
// ones and tenths.
struct Entry {
    int tens, ones, tenths;
};

Entry rightEntry(const StructureProblem& p)
{
    if (p.countAnswer()) return {p.count / 10, p.count % 10, 0};
    return {p.tenths / 100, p.tenths / 10 % 10, p.tenths % 10};
}

} // namespace

class TestDecimalStructure : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void decimalText_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << u"0.0"_s;
        QTest::newRow("below one") << 5 << u"0.5"_s;
        QTest::newRow("whole") << 20 << u"2.0"_s;
        QTest::newRow("past the line's 4") << 41 << u"4.1"_s;
        QTest::newRow("two-digit whole part") << 123 << u"12.3"_s;
    }
    void decimalText()
    {
        QFETCH(int, tenths);
        QFETCH(QString, text);
        QCOMPARE(tenthsText(tenths), text);
    }

    // Every draw of every generator, in its order of draws: the answer fits the three
    // selectors, its right entry is judged right, and one digit off is judged wrong.
    void everyDrawIsAnswerable()
    {
        test::Harness h;
        int posed = 0;
        const auto check = [&](const StructureProblem& p, const std::vector<int>& ranges) {
            QVERIFY(h.drawRanges == ranges);
            h.drawRanges.clear();
            const Entry e = rightEntry(p);
            QVERIFY2(e.tens <= 9 && p.tenths >= 1 && p.tenths <= 98, qPrintable(p.question));
            QVERIFY2(structureRight(p, e.tens, e.ones, e.tenths), qPrintable(p.question));
            QVERIFY(!structureRight(p, e.tens, (e.ones + 1) % 10, e.tenths));
            // A count's tenths selector is off, so whatever it held cannot matter.
            QCOMPARE(structureRight(p, e.tens, e.ones, (e.tenths + 1) % 10), p.countAnswer());
            QCOMPARE(p.tenthsEnabled(), !p.countAnswer());
            if (!p.countAnswer() && !p.splitAnswer()) QVERIFY(p.answer.startsWith(tenthsText(p.tenths)));
            ++posed;
        };
        for (int r = 0; r < 9; ++r) {
            const int n = r <= 2 ? 7 : r <= 7 ? 88 : 97;
            for (int d = 0; d < n; ++d) {
                h.queueDraws({r, d});
                const StructureProblem p = drawStructureProblem(TenthsKind);
                QCOMPARE(p.count, d + (r >= 3 && r <= 7 ? 11 : 2));
                QCOMPARE(p.tenths, p.count);
                check(p, {9, n});
            }
        }
        for (int d = 0; d < 41; ++d) {
            h.queueDraws({d});
            const StructureProblem p = drawStructureProblem(NumberLineKind);
            QCOMPARE(p.count, d + 1);
            QCOMPARE(p.tenths, d + 1); // where the arrow points
            check(p, {41});
        }
        for (int r = 0; r < 9; ++r)
            for (int a = 0; a < 8; ++a)
                for (int b = 0; b < (r <= 2 ? 1 : 8); ++b) {
                    h.queueDraws({r, a});
                    if (r > 2) h.queueDraws({b});
                    const StructureProblem p = drawStructureProblem(UnitsKind);
                    QCOMPARE(p.tenths, r <= 2 ? a + 1 : 10 * (a + 1) + b + 1);
                    check(p, r <= 2 ? std::vector<int>{9, 8} : std::vector<int>{9, 8, 8});
                }
        QCOMPARE(posed, 3 * 7 + 5 * 88 + 97 + 41 + 3 * 8 + 6 * 64);

        // No kind draws nothing and judges nothing right.
        QCOMPARE(drawStructureProblem(NoKind).kind, int(NoKind));
        QVERIFY(h.drawRanges.empty());
        QVERIFY(!structureRight(StructureProblem{}, 0, 0, 0));
    }

    void texts_data()
    {
        QTest::addColumn<StructureProblem>("problem");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::newRow("count below 1") << tenthsProblem(1, 5) << u"0.5 は、 0.1 を いくつ あつめた数？"_s << u"5 コ"_s;
        QTest::newRow("tenths to a whole") << tenthsProblem(8, 20) << u"0.1 を 20 コ あつめた数は？"_s << u"2.0"_s;
        QTest::newRow("cm and mm to cm") << unitsProblem(7, 5, 3) << u"5 ｃｍ 3 ｍｍ は、何ｃｍ？"_s << u"5.3 ｃｍ"_s;
    }
    void texts()
    {
        QFETCH(StructureProblem, problem);
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QCOMPARE(problem.question, question);
        QCOMPARE(problem.answer, answer);
    }

    void memoNamesDecimalsRightly()
    {
        const QStringList memo = decimalStructureMemo();
        QCOMPARE(memo.size(), 30);
        QCOMPARE(memo[18], u"　表せば、０．００１ｍ になるよ。"_s);
        QCOMPARE(memo[23], u"　より小さい数を 「小数」 というよ。"_s);
        QVERIFY(!memo.join(u'\n').contains(u"少数"_s));
    }
};

QTEST_GUILESS_MAIN(TestDecimalStructure)
#include "tst_decimalstructure.moc"
