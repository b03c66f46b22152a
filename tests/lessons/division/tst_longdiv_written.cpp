// Long division by two- and three-digit divisors: every worked example step by step, and every
// kind of test problem written out row by row — along the child's digits for two-digit
// divisors, along the shape of the true quotient for three-digit ones.
#include "frame/Random.h"
#include "lessons/division/LongDivisionThreeDigit.h"
#include "lessons/division/LongDivisionTwoDigit.h"
#include "tests/support/LongDivisionFigures.h"
#include "tests/support/TestSupport.h"

#include <QtTest>
#include <random>
#include <set>

using namespace kazemaru;
using namespace kazemaru::longdiv;
using namespace kazemaru::test;
using namespace Qt::StringLiterals;
using kazemaru::written::EntryOutcome;

namespace {

// A choice as the child makes it on paper: a quotient digit, or a number with the pixel where
// its row's text ends, the row the arrow marks next (none once judged), the prompt that blinks
// and, where checked, the text its row then holds.
struct Writing {
    bool quotient = false;
    int value = 0;
    int end = 0;
    std::optional<Row> next;
    QString prompt;
    QString rowText;
};

// The division as a child writes it: divide, multiply, subtract, bring down, digit by digit.
std::vector<Writing> onPaper(int D, int d)
{
    const QString digits = QString::number(D);
    const int len = int(digits.size());
    auto digit = [&](int i) { return digits[i].digitValue(); };
    auto end = [](int used, Row r) { return 680 + digitPitch * used + (r == Row::Difference3 ? 2 : 0); };
    auto prompt = [&](int k, int used) {
        const int place = len - used;
        return k == 1 && place == 0 ? arrowPrompt() : quotientPlacePrompt(place);
    };
    int pos = 2;
    int P = digits.left(2).toInt();
    if (P < d && len > 2) P = P * 10 + digit(pos++);
    size_t product = 1;
    int k = 0;
    QString difference;
    std::vector<Writing> out;
    for (;;) {
        const int q = P / d;
        ++k;
        if (q > 0 || k == 1) {
            const Row p = allRows[product], r = allRows[product + 1];
            out.push_back({true, q, 0, p, arrowPrompt(), {}});
            const int m = q * d;
            out.push_back({false, m, end(pos, p), r, arrowPrompt(), QString::number(m)});
            if (pos == len) {
                out.push_back({false, P - m, end(pos, r), std::nullopt, {}, QString::number(P - m)});
                return out;
            }
            P = (P - m) * 10 + digit(pos++);
            difference = QString::number(P);
            out.push_back({false, P, end(pos, r), Row::Quotient, prompt(k, pos), difference});
            product += 2;
        } else if (pos == len) {
            out.push_back({true, 0, 0, std::nullopt, {}, {}});
            return out;
        } else {
            const Row r = allRows[product - 1];
            out.push_back({true, 0, 0, r, arrowPrompt(), {}});
            const int down = digit(pos++);
            P = P * 10 + down;
            difference += QString::number(down); // written after the difference, a 0 too
            out.push_back({false, down, end(pos, r), Row::Quotient, prompt(k, pos), difference});
        }
    }
}

// Writes the problem out as on paper; false with a message when the entry strays from it.
QString writeOutByDigits(const Problem& p, int subTopic)
{
    Figure f = posedFigure(twoDigitRows(), p);
    PlanEntry entry(f, twoDigitPlan(), subTopic, p);
    const std::vector<Writing> writings = onPaper(p.dividend, p.divisor);
    for (const Writing& w : writings) {
        const std::optional<Row> marked = rowMarked(f);
        if (!marked || (*marked == Row::Quotient) != w.quotient) return u"arrow"_s;
        const EntryOutcome out = w.quotient ? entry.chooseQuotient(w.value) : enterNumber(entry, w.value);
        if (!w.quotient) {
            const RowState& row = f.row(*marked);
            if (row.text != w.rowText) return u"row shows "_s + row.text;
            if (lastDigitEnd(row) != w.end) return u"row ends at %1"_s.arg(lastDigitEnd(row));
        }
        if (!w.next) return out.judged && out.right ? QString() : u"not judged right"_s;
        if (out.judged || out.prompt.text != w.prompt) return u"prompt "_s + out.prompt.text;
        if (rowMarked(f) != w.next) return u"arrow after"_s;
    }
    return u"never judged"_s;
}

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
            out.push_back({true, q, 0, allRows[product], arrowPrompt(), {}});
            out.push_back({false, q * d, end(pos), allRows[product + 1], arrowPrompt(), {}});
            if (pos == len) {
                out.push_back({false, P - q * d, end(pos), std::nullopt, {}, {}});
                return out;
            }
            P = (P - q * d) * 10 + digit(pos++);
            out.push_back({false, P, end(pos), Row::Quotient, quotientPlacePrompt(len - pos), {}});
            product += 2;
        } else if (pos == len) {
            out.push_back({true, 0, 0, std::nullopt, {}, {}});
            return out;
        } else {
            out.push_back({true, 0, 0, allRows[product - 1], arrowPrompt(), {}});
            const int down = digit(pos++);
            P = P * 10 + down;
            out.push_back({false, down, end(pos), Row::Quotient, quotientPlacePrompt(len - pos), {}});
        }
    }
}

// Writes the problem out along its case, the first quotient digit off by `wrong`; an empty
// string when the entry follows the rows in order and judges as it should.
QString writeOutByCase(const Problem& p, int subTopic, int wrong = 0)
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
        if (out.judged || out.prompt.text != w.prompt) return u"prompt "_s + out.prompt.text;
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

class LongDivisionWritten : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void examples_data();
    void examples();
    void twoDigitProblemsWrittenOut();
    void generatorFallsBackToFixedProblems_data();
    void generatorFallsBackToFixedProblems();
    void entryFollowsTheChildsDigits_data();
    void entryFollowsTheChildsDigits();
    void threeDigitProblemsWrittenOut();
    void caseSetsThePath_data();
    void caseSetsThePath();
};

void LongDivisionWritten::examples_data()
{
    QTest::addColumn<int>("divisorDigits");
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("example");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("answer");

    QTest::newRow("72 ÷ 24, one-digit quotient")
        << 2 << 1 << 1
        << QStringList{u"【ステップ２】\n\n　72 を 24 でわる。\n　商の 3 を 2 の上に書き、\n　24 に 商の 3 をかけた 72 を \n　72 の下に書く。\n　その下に線をひき、線の下に 72 から\n　72 をひいた 0 を書く。\n　これで 計算は 終わり。\n　商は 3 で あまり 0"_s}
        << QStringList{u"7=3@698 10=72@680 11=0@660 rules=100"_s} << u"72 ÷ 24 = 3"_s;
    QTest::newRow("86 ÷ 24, remainder 14")
        << 2 << 1 << 2
        << QStringList{u"【ステップ２】\n\n　86 を 24 でわる。\n　商の 3 を 6 の上に書き、\n　24 に 商の 3 をかけた 72 を \n　86 の下に書く。\n　その下に線をひき、線の下に 86 から\n　72 をひいた 14 を書く。\n　これで 計算は 終わり。\n　商は 3 で あまり 14"_s}
        << QStringList{u"7=3@698 10=72@680 11=14@660 rules=100"_s} << u"86 ÷ 24 = 3 あまり 14"_s;
    QTest::newRow("748 ÷ 32, regular")
        << 2 << 2 << 1
        << QStringList{u"【ステップ２】\n\n　74 を 32 でわる。\n　商の 2 を 4 の上に書き、\n　32 に 商の 2 をかけた 64 を 74\n　の下に書く。\n　その下に線をひき、線の下に 74 から\n　64 をひいた 10 と、その右に \n　一の位の 8 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 108 を 32 でわる。\n　商の 3 を 8 の上に書き、32 に 商の\n　3 をかけた 96 を 108 の下に書く。\n　その下に 線をひき、線の下に 108 から\n　96 をひいた 12 を書く。\n　これで 計算は 終わり。\n　商は 23 で あまり 12"_s}
        << QStringList{u"7=2@698 10=64@680 11=108@680 rules=100"_s,
                       u"7=23@698 10=64@680 11=108@680 12=96@680 13=12@680 rules=110"_s}
        << u"748 ÷ 32 = 23 あまり 12"_s;
    QTest::newRow("657 ÷ 32, last digit 0")
        << 2 << 2 << 2
        << QStringList{u"【ステップ２】\n\n　65 を 32 でわる。\n　商の 2 を 5 の上に書き、\n　32 に 商の 2 をかけた 64 を 65\n　の下に書く。\n　その下に線をひき、線の下に 65 から\n　64 をひいた 1 と、その右に \n　一の位の 7 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 17 は 32 でわれないので\n　商の ０ を 7 の上に書き、32 に商の\n　０ をかける計算は はぶく。\n　これで 計算は 終わり。\n　商は 20 で あまり 17"_s}
        << QStringList{u"7=2@698 10=64@680 11=17@680 rules=100"_s, u"7=20@698 10=64@680 11=17@680 rules=100"_s}
        << u"657 ÷ 32 = 20 あまり 17"_s;
    QTest::newRow("213 ÷ 32, short start")
        << 2 << 2 << 3
        << QStringList{u"【ステップ２】\n\n　21 は 32 で われないので、\n　213 を 32 で わる。\n　商の 6 を 3 の上に書き、\n　32 に 商の 6 をかけた 192 を \n　213 の下に書く。\n　その下に線をひき、線の下に 213\n　から 192 をひいた 21 を書く。\n　これで 計算は 終わり。\n　商は 6 で あまり 21"_s}
        << QStringList{u"7=6@718 10=192@680 11=21@680 rules=100"_s} << u"213 ÷ 32 = 6 あまり 21"_s;
    QTest::newRow("5642 ÷ 43, regular")
        << 2 << 3 << 1
        << QStringList{u"【ステップ２】\n\n　56 を 43 でわる。\n　商の 1 を 6 の上に書き、\n　43 に 商の 1 をかけた 43 を 56\n　の下に書く。\n　その下に線をひき、線の下に 56 から\n　43 をひいた 13 と、その右に \n　十の位の 4 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 134 を 43 でわる。\n　商の 3 を 4の上に書き、43 に 商の\n　3 をかけた 129 を 134 の下に書く。\n　その下に 線をひき、線の下に 134 から\n　129 をひいた 5 と、その右に \n　一の位の 2 を おろして書く。"_s,
                       u"【ステップ４】\n\n　次に、この 52 を 43 でわる。\n　商の 1 を 2 の上に書き、43 に 商の\n　1 をかけた 43 を 52 の下に書く。\n　その下に 線をひき、52 から 43 を\n　ひいた 9 を 線の下に書く。\n　これで 計算は 終わり。\n　商は 131 で あまり 9"_s}
        << QStringList{u"7=1@698 10=43@680 11=134@680 rules=100"_s,
                       u"7=13@698 10=43@680 11=134@680 12=129@680 13=52@700 rules=110"_s,
                       u"7=131@698 10=43@680 11=134@680 12=129@680 13=52@700 14=43@700 15=9@702 rules=111"_s}
        << u"5642 ÷ 43 = 131 あまり 9"_s;
    QTest::newRow("4528 ÷ 43, zero middle")
        << 2 << 3 << 2
        << QStringList{u"【ステップ２】\n\n　45 を 43 でわる。\n　商の 1 を 5 の上に書き、\n　43 に 商の 1 をかけた 43 を 45\n　の下に書く。\n　その下に線をひき、線の下に 45 から\n　43 をひいた 2 と、その右に \n　十の位の 2 を おろして書く。"_s,
                       u"【ステップ３】\n\n　この 22 は 43 で われないので、\n　０ を 2の上に書き、43 に 0 \n　を かけるのは はぶき、  その右に \n　一の位の 8 を おろして書く。"_s,
                       u"【ステップ４】\n\n　次に、この 228 を 43 でわる。\n　商の 5 を 8 の上に書き、43 に 商の\n　5 をかけた 215 を 228 の下に書く。\n　その下に 線をひき、228 から 215 を\n　ひいた 13 を 線の下に書く。\n　これで 計算は 終わり。\n　商は 105 で あまり 13"_s}
        << QStringList{u"7=1@698 10=43@680 11=22@680 rules=100"_s, u"7=10@698 10=43@680 11=228@700 rules=100"_s,
                       u"7=105@698 10=43@680 11=228@700 12=215@700 13=13@700 rules=110"_s}
        << u"4528 ÷ 43 = 105 あまり 13"_s;
    QTest::newRow("3246 ÷ 43, short start")
        << 2 << 3 << 3
        << QStringList{u"【ステップ２】\n\n　32は43 でわれないので、324 を \n　43 でわる。\n　商の 7 を 4 の上に書き、\n　43 に 商の 7 をかけた 301 を 324\n　の下に書く。\n　その下に線をひき、線の下に 324 から\n　301 をひいた 23 と、その右に\n　一の位の 6 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 236 を 43 でわる。\n　商の 5 を 6の上に書き、43 に 商の\n　5 をかけた 215 を 236 の下に書く。\n　その下に 線をひき、線の下に 236 から\n　215 をひいた 21 を書く。\n　これで 計算は 終わり。\n　商は 75 で あまり 21"_s}
        << QStringList{u"7=7@718 10=301@680 11=236@700 rules=100"_s,
                       u"7=75@718 10=301@680 11=236@700 12=215@700 13=21@700 rules=110"_s}
        << u"3246 ÷ 43 = 75 あまり 21"_s;
    QTest::newRow("2176 ÷ 245, short start")
        << 3 << 1 << 1
        << QStringList{u"【ステップ２】\n\n　217 は 245 で われないので、\n　2176 を 245 で わる。\n　商の 8 を 6 の上に書き、\n　245 に 商の 8 をかけた 1960 を \n　2176 の下に書く。\n　その下に線をひき、線の下に 2176\n　から 1960 をひいた 216 を書く。\n　これで 計算は 終わり。\n　商は 8 で あまり 216"_s}
        << QStringList{u"7=8@714 10=1960@656 11=216@656 rules=100"_s} << u"2176 ÷ 245 = 8 あまり 216"_s;
    QTest::newRow("6386 ÷ 245, two digits")
        << 3 << 1 << 2
        << QStringList{u"【ステップ２】\n\n　638 を 245 でわる。\n　商の 2 を 8 の上に書き、\n　245 に 商の 2 をかけた 490 を \n　638 の下に書く。\n　その下に線をひき、線の下に 638\n　から 490 をひいた 148 と、その\n　右に 6 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 1486 を 245 でわる。\n　商の 6 を 6の上に書き、245 に \n　商の6 をかけた 1470 を 1486\n　の下に書く。\n　その下に 線をひき、線の下に 1486\n　から 1470 をひいた 16 を書く。\n　これで 計算は 終わり。\n　商は 26 で あまり 16"_s}
        << QStringList{u"7=2@694 10=490@656 11=1486@656 rules=100"_s,
                       u"7=26@694 10=490@656 11=1486@656 12=1470@648 13=16@652 rules=110"_s}
        << u"6386 ÷ 245 = 26 あまり 16"_s;
    QTest::newRow("23748 ÷ 324, short start")
        << 3 << 2 << 1
        << QStringList{u"【ステップ２】\n\n　237 は 324 で われないので、\n　2374 を 324 で わる。\n　商の 7 を 4 の上に書き、\n　324 に 商の 7 をかけた 2268 を \n　2374 の下に書く。\n　その下に線をひき、線の下に 2374\n　から 2268 をひいた 106 と、その\n　右に 8 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 1068 を 324 でわる。\n　商の 3 を 8の上に書き、324 に \n　商の 3 をかけた 972 を 1068\n　の下に書く。\n　その下に 線をひき、線の下に 1068\n　から 972 をひいた 96 を書く。\n　これで 計算は 終わり。\n　商は 73 で あまり 96"_s}
        << QStringList{u"7=7@714 10=2268@656 11=1068@676 rules=100"_s,
                       u"7=73@714 10=2268@656 11=1068@676 12=972@670 13=96@674 rules=110"_s}
        << u"23748 ÷ 324 = 73 あまり 96"_s;
    QTest::newRow("47134 ÷ 324, three digits")
        << 3 << 2 << 2
        << QStringList{u"【ステップ２】\n\n　471 を 324 でわる。\n　商の 1 を 1 の上に書き、\n　324 に 商の 1 をかけた 324 を \n　471　の下に書く。\n　その下に線をひき、線の下に 471\n　から 324 をひいた 147 と、その\n　右に、十の位の 3 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 1473 を 324 でわる。\n　商の 4 を 3の上に書き、324 に \n　商の 4 をかけた 1296 を 1473\n　の下に書く。\n　その下に 線をひき、線の下に 1473\n　から 1296 をひいた 177 と、その\n　右に 4 を おろして書く。"_s,
                       u"【ステップ４】\n\n　次に、この 1774 を 324 でわる。\n　商の 5 を 4 の上に書き、324 に \n　商の5 をかけた 1620 を 1774 \n　の下に書く。その下に 線をひき、\n　1774 から 1620　を ひいた 154\n　を 線の下に書く。\n　これで 計算は 終わり。\n　商は 145 で あまり 154"_s}
        << QStringList{u"7=1@694 10=324@656 11=1473@656 rules=100"_s,
                       u"7=14@694 10=324@656 11=1473@656 12=1296@648 13=1774@672 rules=110"_s,
                       u"7=145@694 10=324@656 11=1473@656 12=1296@648 13=1774@672 14=1620@664 15=154@701 rules=111"_s}
        << u"47134 ÷ 324 = 145 あまり 154"_s;
    QTest::newRow("66232 ÷ 324, zero middle")
        << 3 << 2 << 3
        << QStringList{u"【ステップ２】\n\n　662 を 324 でわる。\n　商の 2 を 2 の上に書き、\n　324 に 商の 2 をかけた 648 を \n　662　の下に書く。\n　その下に線をひき、線の下に 662\n　から 648 をひいた 14 と、その\n　右に、十の位の 3 を おろして書く。"_s,
                       u"【ステップ３】\n\n　143 は 324 でわれないので\n　商の ０ を 3 の上に書き、324\n　に商の ０ をかける計算は はぶいて、\n　143 の右に 2　をおろして書く。"_s,
                       u"【ステップ４】\n\n　次に、この 1432 を 324 でわる。\n　商の 4 を 2 の上に書き、324 に \n　商の4 をかけた 1296 を 1432 \n　の下に書く。その下に 線をひき、\n　1432 から 1296　を ひいた 136\n　を 線の下に書く。\n　これで 計算は 終わり。\n　商は 204 で あまり 136"_s}
        << QStringList{u"7=2@694 10=648@656 11=143@656 rules=100"_s, u"7=20@694 10=648@656 11=1432@676 rules=100"_s,
                       u"7=204@694 10=648@656 11=1432@676 12=1296@668 13=136@672 rules=110"_s}
        << u"66232 ÷ 324 = 204 あまり 136"_s;
}

void LongDivisionWritten::examples()
{
    QFETCH(int, divisorDigits);
    QFETCH(int, subTopic);
    QFETCH(int, example);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, figures);
    QFETCH(QString, answer);
    compareWalk(divisorDigits == 2 ? twoDigitPlan() : threeDigitPlan(), subTopic, example, texts, figures, answer);
}

void LongDivisionWritten::twoDigitProblemsWrittenOut()
{
    test::Harness h;
    h.fallbackDraw = randomDraw;
    for (int subTopic = 1; subTopic <= 3; ++subTopic) {
        std::set<QString> shapes;
        for (int i = 0; i < 6000; ++i) {
            const Problem p = drawTwoDigitProblem(subTopic);
            const QByteArray what = u"%1 ÷ %2"_s.arg(p.dividend).arg(p.divisor).toUtf8();
            QVERIFY2(QString::number(p.dividend).size() == subTopic + 1, what);
            QVERIFY2(p.divisor >= 11 && p.divisor <= 88 && p.divisor % 10 != 0 && p.divisor % 10 != 9, what);
            const QString fault = writeOutByDigits(p, subTopic);
            QVERIFY2(fault.isEmpty(), what + ": " + fault.toUtf8());
            const WrittenPlan plan = writtenPlan(p, 2);
            QString shape = plan.shortStart ? u"short"_s : u"regular"_s;
            for (const PlanStep& s : plan.steps)
                shape += s.quotient == 0 ? u'0' : u'q';
            shapes.insert(shape);
        }
        const std::set<QString> expected[] = {
            {u"regularq"_s},
            {u"regularqq"_s, u"regularq0"_s, u"shortq"_s},
            {u"regularqqq"_s, u"regularq0q"_s, u"shortqq"_s},
        };
        for (const QString& shape : expected[subTopic - 1])
            QVERIFY2(shapes.count(shape), qPrintable(shape));
    }
}

void LongDivisionWritten::generatorFallsBackToFixedProblems_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws"); // kind, then the divisor's tens and ones
    QTest::addColumn<bool>("highest");     // every later draw is the highest, else 0
    QTest::addColumn<int>("dividend");
    // 12 × 2 + 1 stays below 100; 18 × 89 + 16 and 18 × 80 + 16 pass 1000, try after try.
    QTest::newRow("one-digit quotient") << 2 << QList<int>{0} << false << 245;
    QTest::newRow("two-digit quotient") << 2 << QList<int>{3, 0, 7} << true << 545;
    QTest::newRow("tens quotient") << 2 << QList<int>{7, 0, 7} << true << 335;
    QTest::newRow("sub-topic 3 appends a digit") << 3 << QList<int>{7, 0, 7} << true << 3358;
}

void LongDivisionWritten::generatorFallsBackToFixedProblems()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(bool, highest);
    QFETCH(int, dividend);
    test::Harness h;
    h.draws.assign(draws.begin(), draws.end());
    if (highest) h.fallbackDraw = [](int n) { return n - 1; };
    QCOMPARE(drawTwoDigitProblem(subTopic), (Problem{dividend, 32}));
    // The divisor is drawn once, then two draws per try.
    QCOMPARE(h.drawRanges.size(), size_t(3 + 2 * maxRedraws + (subTopic == 3 ? 1 : 0)));
}

void LongDivisionWritten::entryFollowsTheChildsDigits_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("dividend");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<QList<int>>("script"); // quotient digits as −1 − g, numbers as they are
    QTest::addColumn<QString>("figure");
    QTest::addColumn<bool>("right");

    // Zero middle and last digit: the third quotient digit finishes with the first difference.
    QTest::newRow("4513 ÷ 45") << 3 << 4513 << 45 << QList<int>{-2, 45, 1, -1, 3, -1}
                               << u"7=100@698 10=45@680 11=13@700 rules=100"_s << true;
    // A difference of 0 gets the digit brought down written after it.
    QTest::newRow("4305 ÷ 43") << 3 << 4305 << 43 << QList<int>{-2, 43, 0, -1, 5, -1}
                               << u"7=100@698 10=43@680 11=05@700 rules=100"_s << true;
    // A 0 chosen where 3 belongs ends the entry at once, judged wrong.
    QTest::newRow("748 ÷ 32, 0 instead of 3")
        << 2 << 748 << 32 << QList<int>{-3, 64, 108, -1} << u"7=20@698 10=64@680 11=108@680 rules=100"_s << false;
    // A digit other than 0 where 0 belongs asks for the product all the same.
    QTest::newRow("657 ÷ 32, 1 instead of 0")
        << 2 << 657 << 32 << QList<int>{-3, 64, 17, -2, 32, 0}
        << u"7=21@698 10=64@680 11=17@680 12=32@680 13=0@680 rules=110"_s << false;
}

void LongDivisionWritten::entryFollowsTheChildsDigits()
{
    QFETCH(int, subTopic);
    QFETCH(int, dividend);
    QFETCH(int, divisor);
    QFETCH(QList<int>, script);
    QFETCH(QString, figure);
    QFETCH(bool, right);

    const Problem p{dividend, divisor};
    Figure f = posedFigure(twoDigitRows(), p);
    PlanEntry entry(f, twoDigitPlan(), subTopic, p);
    EntryOutcome out;
    for (int v : script) {
        QVERIFY(!out.judged);
        out = v < 0 ? entry.chooseQuotient(-1 - v) : enterNumber(entry, v);
    }
    QVERIFY(out.judged);
    QCOMPARE(out.right, right);
    QCOMPARE(snapshot(f), figure);
    // Once judged, the entry is over.
    QVERIFY(!entry.chooseQuotient(3).judged && !enterNumber(entry, 5).judged);
    QCOMPARE(snapshot(f), figure);
}

void LongDivisionWritten::threeDigitProblemsWrittenOut()
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
            QString fault = writeOutByCase(p, subTopic);
            QVERIFY2(fault.isEmpty(), what + ": " + fault.toUtf8());
            // A wrong first digit leads through the same rows and ends "×".
            fault = writeOutByCase(p, subTopic, 1);
            QVERIFY2(fault.isEmpty(), what + " wrong: " + fault.toUtf8());
            cases.insert(threeDigitCase(subTopic, p));
        }
        QCOMPARE(int(cases.size()), subTopic == 1 ? 3 : 5);
    }
}

void LongDivisionWritten::caseSetsThePath_data()
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
    // The test column's Lefts of four digits and of a short start.
    QTest::newRow("6386 ÷ 245") << 1 << 6386 << 245 << int(LayoutCase::Regular)
                                << QList<int>{-3, 490, 1486, -7, 1470, 16}
                                << u"7=26@694 10=490@656 11=1486@654 12=1470@646 13=16@650 rules=110"_s << true;
    QTest::newRow("23748 ÷ 324") << 2 << 23748 << 324 << int(LayoutCase::ShortStart)
                                 << QList<int>{-8, 2268, 1068, -4, 972, 96}
                                 << u"7=73@714 10=2268@656 11=1068@676 12=972@668 13=96@674 rules=110"_s << true;
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

void LongDivisionWritten::caseSetsThePath()
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

QTEST_APPLESS_MAIN(LongDivisionWritten)
#include "tst_longdiv_written.moc"
