// The column problem of the decimal screens: decimal texts, and the carry and borrow marks checked
// against ordinary arithmetic over whole ranges of operands.
#include "lessons/decimals/ColumnProblem.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

constexpr auto add = ColumnOperation::Add, subtract = ColumnOperation::Subtract;

// Column j + 1 is marked exactly when the parts up to column j overflow (a carried 1) or cannot
// be taken away (the lending digit less one, a 0 becoming 9, struck through).
bool marksMatchArithmetic(const ColumnProblem& p)
{
    const ColumnMarks m = p.marksThrough(p.places + 1);
    for (int j = 1; j <= p.places + 1; ++j) {
        const int u = placeUnit(j);
        const bool adding = p.operation == add;
        const bool marked = adding ? p.first % u + p.second % u >= u : p.first % u < p.second % u;
        const int digit = adding ? 1 : (columnDigit(p.first, j + 1) + 9) % 10;
        if (m.mark[j] != (marked ? std::optional(digit) : std::nullopt) || m.struck[j] != (marked && !adding))
            return false;
    }
    return true;
}

// "1:9 2:4": the marks shown, by j.
QString shown(const ColumnMarks& m)
{
    QStringList out;
    for (int j = 1; j <= maxColumns; ++j)
        if (m.mark[j]) out << u"%1:%2"_s.arg(j).arg(*m.mark[j]);
    return out.join(u' ');
}

} // namespace

class TestColumnProblem : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void decimalTexts()
    {
        const struct {
            int units, places;
            QString text;
        } cases[] = {{5, 1, u"0.5"_s},   {45, 2, u"0.45"_s},  {1234, 3, u"1.234"_s}, {0, 2, u"0.00"_s},
                     {5, 3, u"0.005"_s}, {250, 2, u"2.50"_s}, {1096, 1, u"109.6"_s}};
        for (const auto& c : cases)
            QCOMPARE(decimalText(c.units, c.places), c.text);
        QCOMPARE((ColumnProblem{subtract, 2, 503, 207}.equationText()), u"5.03 - 2.07 = 2.96"_s);
    }

    // The answer row grows from the right, the point coming with the first decimal place; the
    // columns worked reach the widest of the numbers, those of the answer row its own digits.
    void answerRowsAndColumns()
    {
        const ColumnProblem p{add, 3, 4567, 3456}; // 8.023
        QStringList rows;
        for (int columns = 0; columns <= 5; ++columns)
            rows << p.answerRowThrough(columns);
        QCOMPARE(rows, (QStringList{QString(), u"3"_s, u"23"_s, u".023"_s, u"8.023"_s, u"8.023"_s}));
        QCOMPARE(p.workedColumns(), 4);
        const ColumnProblem q{subtract, 1, 123, 45}; // 12.3 - 4.5 = 7.8
        QCOMPARE(q.workedColumns(), 3);
        QCOMPARE(q.answerColumns(), 2);
        QCOMPARE((ColumnProblem{add, 2, 950, 75}.answerColumns()), 4);
    }

    // Every pair with one place below 100, a lattice of strides prime to 10 with more places.
    void marksSweep()
    {
        for (int p = 1; p <= maxPlaces; ++p) {
            const int firstStride = p == 1 ? 1 : p == 2 ? 13 : 131, secondStride = p == 1 ? 1 : p == 2 ? 17 : 97;
            for (int first = 0; first < placeUnit(p + 2); first += firstStride)
                for (int second = 0; second < placeUnit(p + 2); second += secondStride)
                    for (const ColumnOperation op : {add, subtract}) {
                        const ColumnProblem c{op, p, first, second};
                        if ((op == add || first > second) && !marksMatchArithmetic(c))
                            QFAIL(qPrintable(c.questionText()));
                    }
        }
    }

    // Marks appear as their column is worked; a borrow through zeros marks every column it passes.
    void marksAsTheColumnsAreWorked()
    {
        const struct {
            ColumnProblem problem;
            int columns;
            QString marks;
        } cases[] = {
            {{subtract, 3, 4002, 1005}, 1, u"1:9 2:9 3:3"_s},
            {{subtract, 2, 503, 207}, 2, u"1:9 2:4"_s},
            {{subtract, 1, 312, 15}, 1, u"1:0"_s},
            {{subtract, 1, 312, 15}, 2, u"1:0 2:2"_s},
            {{subtract, 1, 203, 57}, 1, u"1:9 2:1"_s},
            {{subtract, 1, 923, 71}, 2, u"2:8"_s},
            {{add, 3, 4567, 3456}, 3, u"1:1 2:1 3:1"_s},
            {{add, 3, 1119, 1802}, 3, u"1:1"_s},
            {{add, 1, 37, 45}, 0, QString()},
        };
        for (const auto& c : cases)
            QVERIFY2(shown(c.problem.marksThrough(c.columns)) == c.marks, qPrintable(c.problem.questionText()));
    }
};

QTEST_APPLESS_MAIN(TestColumnProblem)
#include "tst_columnproblem.moc"
