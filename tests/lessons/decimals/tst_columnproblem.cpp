// The column problem of the decimal screens: decimal texts, and the carry and borrow marks
// checked against ordinary arithmetic over whole ranges of operands.
#include "lessons/decimals/ColumnProblem.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

using Marks = QMap<int, int>; // mark j → digit shown

Marks shown(const ColumnMarks& m)
{
    Marks out;
    for (int j = 1; j <= maxColumns; ++j)
        if (m.mark[j]) out.insert(j, *m.mark[j]);
    return out;
}

// Pairs of `places`-place operands below 100 (every pair with one place, a lattice of strides
// prime to 10 with more).
template <typename Check> void sweep(int places, Check check)
{
    const int limit = placeUnit(places + 2);
    const int firstStride = places == 1 ? 1 : places == 2 ? 13 : 131;
    const int secondStride = places == 1 ? 1 : places == 2 ? 17 : 97;
    for (int first = 0; first < limit; first += firstStride)
        for (int second = 0; second < limit; second += secondStride)
            if (!check(first, second)) {
                QFAIL(qPrintable(u"%1 and %2 with %3 places"_s.arg(first).arg(second).arg(places)));
            }
}

} // namespace

class TestColumnProblem : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void decimalTexts_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.5") << 5 << 1 << u"0.5"_s;
        QTest::newRow("0.45") << 45 << 2 << u"0.45"_s;
        QTest::newRow("1.234") << 1234 << 3 << u"1.234"_s;
        QTest::newRow("0.00") << 0 << 2 << u"0.00"_s;
        QTest::newRow("0.04") << 4 << 2 << u"0.04"_s;
        QTest::newRow("0.005") << 5 << 3 << u"0.005"_s;
        QTest::newRow("2.50") << 250 << 2 << u"2.50"_s;
        QTest::newRow("109.6") << 1096 << 1 << u"109.6"_s;
    }
    void decimalTexts()
    {
        QFETCH(int, units);
        QFETCH(int, places);
        QFETCH(QString, text);
        QCOMPARE(decimalText(units, places), text);
    }

    void problemLines()
    {
        const ColumnProblem p{ColumnOperation::Subtract, 2, 503, 207};
        QCOMPARE(p.questionText(), u"5.03 - 2.07 = ?"_s);
        QCOMPARE(p.equationText(), u"5.03 - 2.07 = 2.96"_s);
        QCOMPARE((ColumnProblem{ColumnOperation::Add, 3, 4567, 3456}.equationText()), u"4.567 + 3.456 = 8.023"_s);
    }

    // A column carries exactly when the two numbers' parts up to it overflow it.
    void carriesMatchArithmetic()
    {
        for (int p = 1; p <= maxPlaces; ++p)
            sweep(p, [p](int first, int second) {
                const ColumnMarks m = ColumnProblem{ColumnOperation::Add, p, first, second}.marksThrough(p + 1);
                for (int j = 1; j <= p + 1; ++j) {
                    const int u = placeUnit(j);
                    if (m.mark[j] != (first % u + second % u >= u ? std::optional(1) : std::nullopt)) return false;
                }
                return true;
            });
    }

    // Column j + 1 is lowered exactly when the parts up to column j cannot be taken away, and then
    // keeps its digit less one (a 0 becomes 9 and lends on), struck through.
    void borrowsMatchArithmetic()
    {
        for (int p = 1; p <= maxPlaces; ++p)
            sweep(p, [p](int first, int second) {
                if (first <= second) return true;
                const ColumnMarks m = ColumnProblem{ColumnOperation::Subtract, p, first, second}.marksThrough(p + 1);
                for (int j = 1; j <= p + 1; ++j) {
                    const int u = placeUnit(j);
                    const bool lowered = first % u < second % u;
                    const auto want = lowered ? std::optional((columnDigit(first, j + 1) + 9) % 10) : std::nullopt;
                    if (m.mark[j] != want || m.struck[j] != lowered) return false;
                }
                return true;
            });
    }

    // Marks appear as their column is worked; a borrow through zeros marks every column it passes.
    void marksAsTheColumnsAreWorked_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("columns");
        QTest::addColumn<Marks>("marks");
        const int add = int(ColumnOperation::Add), sub = int(ColumnOperation::Subtract);
        QTest::newRow("4.002 - 1.005, thousandths") << sub << 3 << 4002 << 1005 << 1 << Marks{{1, 9}, {2, 9}, {3, 3}};
        QTest::newRow("5.03 - 2.07, hundredths") << sub << 2 << 503 << 207 << 1 << Marks{{1, 9}, {2, 4}};
        QTest::newRow("5.03 - 2.07, tenths too") << sub << 2 << 503 << 207 << 2 << Marks{{1, 9}, {2, 4}};
        QTest::newRow("31.2 - 1.5, tenths") << sub << 1 << 312 << 15 << 1 << Marks{{1, 0}};
        QTest::newRow("31.2 - 1.5, ones") << sub << 1 << 312 << 15 << 2 << Marks{{1, 0}, {2, 2}};
        QTest::newRow("20.3 - 5.7, tenths") << sub << 1 << 203 << 57 << 1 << Marks{{1, 9}, {2, 1}};
        QTest::newRow("92.3 - 7.1, ones") << sub << 1 << 923 << 71 << 2 << Marks{{2, 8}};
        QTest::newRow("4.567 + 3.456") << add << 3 << 4567 << 3456 << 3 << Marks{{1, 1}, {2, 1}, {3, 1}};
        QTest::newRow("1.119 + 1.802") << add << 3 << 1119 << 1802 << 3 << Marks{{1, 1}};
        QTest::newRow("3.7 + 4.5, none yet") << add << 1 << 37 << 45 << 0 << Marks{};
    }
    void marksAsTheColumnsAreWorked()
    {
        QFETCH(int, operation);
        QFETCH(int, places);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, columns);
        QFETCH(Marks, marks);
        const ColumnMarks m = ColumnProblem{ColumnOperation(operation), places, first, second}.marksThrough(columns);
        QCOMPARE(shown(m), marks);
        for (int j = 1; j <= maxColumns; ++j)
            QCOMPARE(m.struck[j], operation == int(ColumnOperation::Subtract) && marks.contains(j));
    }
};

QTEST_APPLESS_MAIN(TestColumnProblem)
#include "tst_columnproblem.moc"
