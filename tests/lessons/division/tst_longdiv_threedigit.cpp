// Long division by a three-digit divisor: every worked example step by step, and test problems
// whose entry follows the shape of the true quotient, whatever digits the child chooses.
#include "lessons/division/LongDivisionThreeDigit.h"
#include "tests/support/LongDivisionFigures.h"
#include "tests/support/TestSupport.h"

#include <QtTest>
#include <random>
#include <set>

using namespace kazemaru;
using namespace kazemaru::longdiv;
using namespace kazemaru::test;
using namespace Qt::StringLiterals;

namespace {

struct Writing {
    bool quotient = false;
    int value = 0;
    int end = 0; // where the number's last digit stands: the end of its dividend column
    std::optional<Row> next;
    QString prompt;
};

// The division written row by row along the rows its case asks for. Where the case leaves out
// a product, the true quotient digit is 0; the short start of five digits asks for a product
// of 0 all the same.
std::vector<Writing> alongTheCase(const Problem& p, LayoutCase c)
{
    const auto [D, d] = p;
    const QString digits = QString::number(D);
    const int len = int(digits.size());
    auto digit = [&](int i) { return digits[i].digitValue(); };
    auto end = [](int used) { return 656 + digitPitch * used; };
    int pos = 3;
    int P = digits.left(3).toInt();
    if (P < d) P = P * 10 + digit(pos++);
    const int last = len - pos + 1;
    size_t product = 1;
    std::vector<Writing> out;
    for (int k = 1;; ++k) {
        const int q = P / d;
        const bool skip = (k == 2 && (c == LayoutCase::ZeroMiddle || c == LayoutCase::ZeroMiddleAndLast)) ||
                          (k == last && k > 1 && (c == LayoutCase::ZeroMiddleAndLast || c == LayoutCase::ZeroLast));
        if (skip != (q == 0 && k > 1 && c != LayoutCase::ShortStart)) qFatal("case %d of %d ÷ %d", int(c), D, d);
        if (!skip) {
            out.push_back({true, q, 0, allRows[product], arrowPrompt()});
            out.push_back({false, q * d, end(pos), allRows[product + 1], arrowPrompt()});
            if (pos == len) {
                out.push_back({false, P - q * d, end(pos), std::nullopt, {}});
                return out;
            }
            P = (P - q * d) * 10 + digit(pos++);
            out.push_back({false, P, end(pos), Row::Quotient, quotientPlacePrompt(len - pos)});
            product += 2;
        } else if (pos == len) {
            out.push_back({true, 0, 0, std::nullopt, {}});
            return out;
        } else {
            out.push_back({true, 0, 0, allRows[product - 1], arrowPrompt()});
            const int down = digit(pos++);
            P = P * 10 + down;
            out.push_back({false, down, end(pos), Row::Quotient, quotientPlacePrompt(len - pos)});
        }
    }
}

// Writes the problem out along its case, the first quotient digit off by `wrong`; an empty
// string when the entry follows the rows in order and judges as it should.
QString writeOut(const Problem& p, int subTopic, int wrong = 0)
{
    const LayoutCase c = threeDigitCase(subTopic, p);
    Figure f = posedFigure(threeDigitRows(), p);
    PlanEntry entry(f, threeDigitPlan(), subTopic, p, c);
    if (entry.layoutCase() != c) return u"case"_s;
    std::vector<Writing> writings = alongTheCase(p, c);
    writings.front().value = (writings.front().value + wrong) % 10;
    for (const Writing& w : writings) {
        const std::optional<Row> marked = rowMarked(f);
        if (!marked || (*marked == Row::Quotient) != w.quotient) return u"arrow"_s;
        const EntryOutcome out = w.quotient ? entry.chooseQuotient(w.value) : enterNumber(entry, w.value);
        // Every number's last digit stands within a few pixels of its column's end.
        if (!w.quotient && std::abs(lastDigitEnd(f.row(*marked)) - w.end) > 5)
            return u"row ends at %1"_s.arg(lastDigitEnd(f.row(*marked)));
        if (!w.next) return out.judged && out.right == (wrong == 0) ? QString() : u"judged wrongly"_s;
        if (out.judged || out.prompt != w.prompt) return u"prompt "_s + out.prompt;
        if (rowMarked(f) != w.next) return u"arrow after"_s;
    }
    return u"never judged"_s;
}

int randomDraw(int n)
{
    static std::mt19937 generator(2026);
    return int(generator() % unsigned(n));
}

} // namespace

class LongDivisionThreeDigit : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void examples_data();
    void examples();
    void generatedProblemsWrittenOut();
    void caseSetsThePath_data();
    void caseSetsThePath();
};

void LongDivisionThreeDigit::examples_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("example");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("answer");

    QTest::newRow("2176 ÷ 245, short start")
        << 1 << 1
        << QStringList{u"【ステップ２】\n\n　217 は 245 で われないので、\n　2176 を 245 で わる。\n　商の 8 を 6 の上に書き、\n　245 に 商の 8 をかけた 1960 を \n　2176 の下に書く。\n　その下に線をひき、線の下に 2176\n　から 1960 をひいた 216 を書く。\n　これで 計算は 終わり。\n　商は 8 で あまり 216"_s}
        << QStringList{u"7=8@714 10=1960@656 11=216@656 rules=100"_s} << u"2176 ÷ 245 = 8 あまり 216"_s;
    QTest::newRow("6386 ÷ 245, two digits")
        << 1 << 2
        << QStringList{u"【ステップ２】\n\n　638 を 245 でわる。\n　商の 2 を 8 の上に書き、\n　245 に 商の 2 をかけた 490 を \n　638 の下に書く。\n　その下に線をひき、線の下に 638\n　から 490 をひいた 148 と、その\n　右に 6 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 1486 を 245 でわる。\n　商の 6 を 6の上に書き、245 に \n　商の6 をかけた 1470 を 1486\n　の下に書く。\n　その下に 線をひき、線の下に 1486\n　から 1470 をひいた 16 を書く。\n　これで 計算は 終わり。\n　商は 26 で あまり 16"_s}
        << QStringList{u"7=2@694 10=490@656 11=1486@656 rules=100"_s,
                       u"7=26@694 10=490@656 11=1486@656 12=1470@648 13=16@652 rules=110"_s}
        << u"6386 ÷ 245 = 26 あまり 16"_s;
    QTest::newRow("23748 ÷ 324, short start")
        << 2 << 1
        << QStringList{u"【ステップ２】\n\n　237 は 324 で われないので、\n　2374 を 324 で わる。\n　商の 7 を 4 の上に書き、\n　324 に 商の 7 をかけた 2268 を \n　2374 の下に書く。\n　その下に線をひき、線の下に 2374\n　から 2268 をひいた 106 と、その\n　右に 8 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 1068 を 324 でわる。\n　商の 3 を 8の上に書き、324 に \n　商の 3 をかけた 972 を 1068\n　の下に書く。\n　その下に 線をひき、線の下に 1068\n　から 972 をひいた 96 を書く。\n　これで 計算は 終わり。\n　商は 73 で あまり 96"_s}
        << QStringList{u"7=7@714 10=2268@656 11=1068@676 rules=100"_s,
                       u"7=73@714 10=2268@656 11=1068@676 12=972@670 13=96@674 rules=110"_s}
        << u"23748 ÷ 324 = 73 あまり 96"_s;
    QTest::newRow("47134 ÷ 324, three digits")
        << 2 << 2
        << QStringList{u"【ステップ２】\n\n　471 を 324 でわる。\n　商の 1 を 1 の上に書き、\n　324 に 商の 1 をかけた 324 を \n　471　の下に書く。\n　その下に線をひき、線の下に 471\n　から 324 をひいた 147 と、その\n　右に、十の位の 3 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 1473 を 324 でわる。\n　商の 4 を 3の上に書き、324 に \n　商の 4 をかけた 1296 を 1473\n　の下に書く。\n　その下に 線をひき、線の下に 1473\n　から 1296 をひいた 177 と、その\n　右に 4 を おろして書く。"_s,
                       u"【ステップ４】\n\n　次に、この 1774 を 324 でわる。\n　商の 5 を 4 の上に書き、324 に \n　商の5 をかけた 1620 を 1774 \n　の下に書く。その下に 線をひき、\n　1774 から 1620　を ひいた 154\n　を 線の下に書く。\n　これで 計算は 終わり。\n　商は 145 で あまり 154"_s}
        << QStringList{u"7=1@694 10=324@656 11=1473@656 rules=100"_s,
                       u"7=14@694 10=324@656 11=1473@656 12=1296@648 13=1774@672 rules=110"_s,
                       u"7=145@694 10=324@656 11=1473@656 12=1296@648 13=1774@672 14=1620@664 15=154@701 rules=111"_s}
        << u"47134 ÷ 324 = 145 あまり 154"_s;
    QTest::newRow("66232 ÷ 324, zero middle")
        << 2 << 3
        << QStringList{u"【ステップ２】\n\n　662 を 324 でわる。\n　商の 2 を 2 の上に書き、\n　324 に 商の 2 をかけた 648 を \n　662　の下に書く。\n　その下に線をひき、線の下に 662\n　から 648 をひいた 14 と、その\n　右に、十の位の 3 を おろして書く。"_s,
                       u"【ステップ３】\n\n　143 は 324 でわれないので\n　商の ０ を 3 の上に書き、324\n　に商の ０ をかける計算は はぶいて、\n　143 の右に 2　をおろして書く。"_s,
                       u"【ステップ４】\n\n　次に、この 1432 を 324 でわる。\n　商の 4 を 2 の上に書き、324 に \n　商の4 をかけた 1296 を 1432 \n　の下に書く。その下に 線をひき、\n　1432 から 1296　を ひいた 136\n　を 線の下に書く。\n　これで 計算は 終わり。\n　商は 204 で あまり 136"_s}
        << QStringList{u"7=2@694 10=648@656 11=143@656 rules=100"_s, u"7=20@694 10=648@656 11=1432@676 rules=100"_s,
                       u"7=204@694 10=648@656 11=1432@676 12=1296@668 13=136@672 rules=110"_s}
        << u"66232 ÷ 324 = 204 あまり 136"_s;
}

void LongDivisionThreeDigit::examples()
{
    QFETCH(int, subTopic);
    QFETCH(int, example);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, figures);
    QFETCH(QString, answer);

    Figure f = designedFigure(threeDigitRows());
    PlanWalk walk(f, threeDigitPlan(), subTopic, example);
    QCOMPARE(walk.nextStep().text, u"【ステップ１】\n\n　もんだいを 右図のように書く。"_s);
    for (int i = 0; i < texts.size(); ++i) {
        const StepShown shown = walk.nextStep();
        const bool last = i == texts.size() - 1;
        QCOMPARE(shown.text, texts[i]);
        QCOMPARE(snapshot(f), figures[i]);
        QCOMPARE(shown.ends, last);
        QCOMPARE(shown.answer, last ? answer : QString());
    }
}

void LongDivisionThreeDigit::generatedProblemsWrittenOut()
{
    test::Harness h;
    h.fallbackDraw = randomDraw;
    for (int subTopic = 1; subTopic <= 2; ++subTopic) {
        std::set<LayoutCase> cases;
        for (int i = 0; i < 6000; ++i) {
            h.drawRanges.clear();
            const Problem p = drawThreeDigitProblem(subTopic);
            QCOMPARE(h.drawRanges, (std::vector<int>{8, 9, 8, subTopic == 1 ? 8998 : 89998}));
            const QByteArray what = u"%1 ÷ %2"_s.arg(p.dividend).arg(p.divisor).toUtf8();
            QVERIFY2(QString::number(p.dividend).size() == subTopic + 3, what);
            QVERIFY2(p.divisor >= 101 && p.divisor <= 888 && p.divisor % 10 != 0 && p.divisor % 10 != 9, what);
            QString fault = writeOut(p, subTopic);
            QVERIFY2(fault.isEmpty(), what + ": " + fault.toUtf8());
            // A wrong first digit leads through the same rows and ends "×".
            fault = writeOut(p, subTopic, 1);
            QVERIFY2(fault.isEmpty(), what + " wrong: " + fault.toUtf8());
            cases.insert(threeDigitCase(subTopic, p));
        }
        QCOMPARE(int(cases.size()), subTopic == 1 ? 3 : 5);
    }
}

void LongDivisionThreeDigit::caseSetsThePath_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("dividend");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("layoutCase");
    QTest::addColumn<QList<int>>("script"); // quotient digits as −1 − g, numbers as they are
    QTest::addColumn<QString>("figure");
    QTest::addColumn<bool>("right");

    // Zero last: the second quotient digit finishes with the first difference, whatever it is.
    QTest::newRow("7350 ÷ 245") << 1 << 7350 << 245 << int(LayoutCase::ZeroLast) << QList<int>{-4, 735, 0, -1}
                                << u"7=30@694 10=735@656 11=0@654 rules=100"_s << true;
    QTest::newRow("7350 ÷ 245, 7 for the 0")
        << 1 << 7350 << 245 << int(LayoutCase::ZeroLast) << QList<int>{-4, 735, 0, -8}
        << u"7=37@694 10=735@656 11=0@654 rules=100"_s << false;
    // Zero middle and last: one digit brought down, then the third digit finishes.
    QTest::newRow("97236 ÷ 324") << 2 << 97236 << 324 << int(LayoutCase::ZeroMiddleAndLast)
                                 << QList<int>{-4, 972, 3, -1, 6, -1} << u"7=300@694 10=972@656 11=36@676 rules=100"_s
                                 << true;
    // The test column's Lefts: regular five digits, and the zero middle.
    QTest::newRow("47134 ÷ 324")
        << 2 << 47134 << 324 << int(LayoutCase::Regular) << QList<int>{-2, 324, 1473, -5, 1296, 1774, -6, 1620, 154}
        << u"7=145@694 10=324@656 11=1473@654 12=1296@646 13=1774@672 14=1620@664 15=154@701 rules=111"_s << true;
    QTest::newRow("66232 ÷ 324") << 2 << 66232 << 324 << int(LayoutCase::ZeroMiddle)
                                 << QList<int>{-3, 648, 143, -1, 2, -5, 1296, 136}
                                 << u"7=204@694 10=648@656 11=1432@676 12=1296@670 13=136@674 rules=110"_s << true;
}

void LongDivisionThreeDigit::caseSetsThePath()
{
    QFETCH(int, subTopic);
    QFETCH(int, dividend);
    QFETCH(int, divisor);
    QFETCH(int, layoutCase);
    QFETCH(QList<int>, script);
    QFETCH(QString, figure);
    QFETCH(bool, right);

    const Problem p{dividend, divisor};
    QCOMPARE(int(threeDigitCase(subTopic, p)), layoutCase);
    Figure f = posedFigure(threeDigitRows(), p);
    PlanEntry entry(f, threeDigitPlan(), subTopic, p, LayoutCase(layoutCase));
    EntryOutcome out;
    for (int v : script) {
        QVERIFY(!out.judged);
        out = v < 0 ? entry.chooseQuotient(-1 - v) : enterNumber(entry, v);
    }
    QVERIFY(out.judged);
    QCOMPARE(out.right, right);
    QCOMPARE(snapshot(f), figure);
}

QTEST_APPLESS_MAIN(LongDivisionThreeDigit)
#include "tst_longdiv_threedigit.moc"
