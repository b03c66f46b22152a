// Long division by a two-digit divisor: every worked example step by step, and every kind of
// test problem written out row by row as on paper.
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

namespace {

// One choice of the written division: a quotient digit, or a number with what its row shows,
// where its last digit ends, where the arrow goes next (none: judged) and the prompt.
struct Writing {
    bool quotient = false;
    int value = 0;
    QString shown;
    int end = 0;
    std::optional<Row> next;
    QString prompt;
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
            out.push_back({true, q, {}, 0, p, arrowPrompt()});
            const int m = q * d;
            out.push_back({false, m, QString::number(m), end(pos, p), r, arrowPrompt()});
            if (pos == len) {
                out.push_back({false, P - m, QString::number(P - m), end(pos, r), std::nullopt, {}});
                return out;
            }
            P = (P - m) * 10 + digit(pos++);
            difference = QString::number(P);
            out.push_back({false, P, difference, end(pos, r), Row::Quotient, prompt(k, pos)});
            product += 2;
        } else if (pos == len) {
            out.push_back({true, 0, {}, 0, std::nullopt, {}});
            return out;
        } else {
            const Row r = allRows[product - 1];
            out.push_back({true, 0, {}, 0, r, arrowPrompt()});
            const int down = digit(pos++);
            P = P * 10 + down;
            difference += QString::number(down); // written after the difference, a 0 too
            out.push_back({false, down, difference, end(pos, r), Row::Quotient, prompt(k, pos)});
        }
    }
}

// Writes the problem out as on paper; false with a message when the entry strays from it.
QString writeOut(const Problem& p, int subTopic)
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
            if (row.text != w.shown) return u"row shows "_s + row.text;
            if (lastDigitEnd(row) != w.end) return u"row ends at %1"_s.arg(lastDigitEnd(row));
        }
        if (!w.next) return out.judged && out.right ? QString() : u"not judged right"_s;
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

const QString T1 = u"【ステップ１】\n\n　もんだいを 右図のように書く。"_s;

} // namespace

class LongDivisionTwoDigit : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void examples_data();
    void examples();
    void generatedProblemsWrittenOut();
    void generatorFallsBackToFixedProblems_data();
    void generatorFallsBackToFixedProblems();
    void entryFollowsTheChildsDigits_data();
    void entryFollowsTheChildsDigits();
};

void LongDivisionTwoDigit::examples_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("example");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("answer");

    QTest::newRow("72 ÷ 24, one-digit quotient")
        << 1 << 1
        << QStringList{u"【ステップ２】\n\n　72 を 24 でわる。\n　商の 3 を 2 の上に書き、\n　24 に 商の 3 をかけた 72 を \n　72 の下に書く。\n　その下に線をひき、線の下に 72 から\n　72 をひいた 0 を書く。\n　これで 計算は 終わり。\n　商は 3 で あまり 0"_s}
        << QStringList{u"7=3@698 10=72@680 11=0@660 rules=100"_s} << u"72 ÷ 24 = 3"_s;
    QTest::newRow("86 ÷ 24, remainder 14")
        << 1 << 2
        << QStringList{u"【ステップ２】\n\n　86 を 24 でわる。\n　商の 3 を 6 の上に書き、\n　24 に 商の 3 をかけた 72 を \n　86 の下に書く。\n　その下に線をひき、線の下に 86 から\n　72 をひいた 14 を書く。\n　これで 計算は 終わり。\n　商は 3 で あまり 14"_s}
        << QStringList{u"7=3@698 10=72@680 11=14@660 rules=100"_s} << u"86 ÷ 24 = 3 あまり 14"_s;
    QTest::newRow("748 ÷ 32, regular")
        << 2 << 1
        << QStringList{u"【ステップ２】\n\n　74 を 32 でわる。\n　商の 2 を 4 の上に書き、\n　32 に 商の 2 をかけた 64 を 74\n　の下に書く。\n　その下に線をひき、線の下に 74 から\n　64 をひいた 10 と、その右に \n　一の位の 8 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 108 を 32 でわる。\n　商の 3 を 8 の上に書き、32 に 商の\n　3 をかけた 96 を 108 の下に書く。\n　その下に 線をひき、線の下に 108 から\n　96 をひいた 12 を書く。\n　これで 計算は 終わり。\n　商は 23 で あまり 12"_s}
        << QStringList{u"7=2@698 10=64@680 11=108@680 rules=100"_s,
                       u"7=23@698 10=64@680 11=108@680 12=96@680 13=12@680 rules=110"_s}
        << u"748 ÷ 32 = 23 あまり 12"_s;
    QTest::newRow("657 ÷ 32, last digit 0")
        << 2 << 2
        << QStringList{u"【ステップ２】\n\n　65 を 32 でわる。\n　商の 2 を 5 の上に書き、\n　32 に 商の 2 をかけた 64 を 65\n　の下に書く。\n　その下に線をひき、線の下に 65 から\n　64 をひいた 1 と、その右に \n　一の位の 7 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 17 は 32 でわれないので\n　商の ０ を 7 の上に書き、32 に商の\n　０ をかける計算は はぶく。\n　これで 計算は 終わり。\n　商は 20 で あまり 17"_s}
        << QStringList{u"7=2@698 10=64@680 11=17@680 rules=100"_s, u"7=20@698 10=64@680 11=17@680 rules=100"_s}
        << u"657 ÷ 32 = 20 あまり 17"_s;
    QTest::newRow("213 ÷ 32, short start")
        << 2 << 3
        << QStringList{u"【ステップ２】\n\n　21 は 32 で われないので、\n　213 を 32 で わる。\n　商の 6 を 3 の上に書き、\n　32 に 商の 6 をかけた 192 を \n　213 の下に書く。\n　その下に線をひき、線の下に 213\n　から 192 をひいた 21 を書く。\n　これで 計算は 終わり。\n　商は 6 で あまり 21"_s}
        << QStringList{u"7=6@718 10=192@680 11=21@680 rules=100"_s} << u"213 ÷ 32 = 6 あまり 21"_s;
    QTest::newRow("5642 ÷ 43, regular")
        << 3 << 1
        << QStringList{u"【ステップ２】\n\n　56 を 43 でわる。\n　商の 1 を 6 の上に書き、\n　43 に 商の 1 をかけた 43 を 56\n　の下に書く。\n　その下に線をひき、線の下に 56 から\n　43 をひいた 13 と、その右に \n　十の位の 4 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 134 を 43 でわる。\n　商の 3 を 4の上に書き、43 に 商の\n　3 をかけた 129 を 134 の下に書く。\n　その下に 線をひき、線の下に 134 から\n　129 をひいた 5 と、その右に \n　一の位の 2 を おろして書く。"_s,
                       u"【ステップ４】\n\n　次に、この 52 を 43 でわる。\n　商の 1 を 2 の上に書き、43 に 商の\n　1 をかけた 43 を 52 の下に書く。\n　その下に 線をひき、52 から 43 を\n　ひいた 9 を 線の下に書く。\n　これで 計算は 終わり。\n　商は 131 で あまり 9"_s}
        << QStringList{u"7=1@698 10=43@680 11=134@680 rules=100"_s,
                       u"7=13@698 10=43@680 11=134@680 12=129@680 13=52@700 rules=110"_s,
                       u"7=131@698 10=43@680 11=134@680 12=129@680 13=52@700 14=43@700 15=9@702 rules=111"_s}
        << u"5642 ÷ 43 = 131 あまり 9"_s;
    QTest::newRow("4528 ÷ 43, zero middle")
        << 3 << 2
        << QStringList{u"【ステップ２】\n\n　45 を 43 でわる。\n　商の 1 を 5 の上に書き、\n　43 に 商の 1 をかけた 43 を 45\n　の下に書く。\n　その下に線をひき、線の下に 45 から\n　43 をひいた 2 と、その右に \n　十の位の 2 を おろして書く。"_s,
                       u"【ステップ３】\n\n　この 22 は 43 で われないので、\n　０ を 2の上に書き、43 に 0 \n　を かけるのは はぶき、  その右に \n　一の位の 8 を おろして書く。"_s,
                       u"【ステップ４】\n\n　次に、この 228 を 43 でわる。\n　商の 5 を 8 の上に書き、43 に 商の\n　5 をかけた 215 を 228 の下に書く。\n　その下に 線をひき、228 から 215 を\n　ひいた 13 を 線の下に書く。\n　これで 計算は 終わり。\n　商は 105 で あまり 13"_s}
        << QStringList{u"7=1@698 10=43@680 11=22@680 rules=100"_s, u"7=10@698 10=43@680 11=228@700 rules=100"_s,
                       u"7=105@698 10=43@680 11=228@700 12=215@700 13=13@700 rules=110"_s}
        << u"4528 ÷ 43 = 105 あまり 13"_s;
    QTest::newRow("3246 ÷ 43, short start")
        << 3 << 3
        << QStringList{u"【ステップ２】\n\n　32は43 でわれないので、324 を \n　43 でわる。\n　商の 7 を 4 の上に書き、\n　43 に 商の 7 をかけた 301 を 324\n　の下に書く。\n　その下に線をひき、線の下に 324 から\n　301 をひいた 23 と、その右に\n　一の位の 6 を おろして書く。"_s,
                       u"【ステップ３】\n\n　次に、この 236 を 43 でわる。\n　商の 5 を 6の上に書き、43 に 商の\n　5 をかけた 215 を 236 の下に書く。\n　その下に 線をひき、線の下に 236 から\n　215 をひいた 21 を書く。\n　これで 計算は 終わり。\n　商は 75 で あまり 21"_s}
        << QStringList{u"7=7@718 10=301@680 11=236@700 rules=100"_s,
                       u"7=75@718 10=301@680 11=236@700 12=215@700 13=21@700 rules=110"_s}
        << u"3246 ÷ 43 = 75 あまり 21"_s;
}

void LongDivisionTwoDigit::examples()
{
    QFETCH(int, subTopic);
    QFETCH(int, example);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, figures);
    QFETCH(QString, answer);

    Figure f = designedFigure(twoDigitRows());
    PlanWalk walk(f, twoDigitPlan(), subTopic, example);
    QCOMPARE(walk.nextStep().text, T1);
    QCOMPARE(f.dividend, QString::number(walk.problem().dividend));
    for (int i = 0; i < texts.size(); ++i) {
        const StepShown shown = walk.nextStep();
        const bool last = i == texts.size() - 1;
        QCOMPARE(shown.text, texts[i]);
        QCOMPARE(snapshot(f), figures[i]);
        QCOMPARE(shown.ends, last);
        QCOMPARE(shown.caption, stepCaption(i + 3 > 4 ? 1 : i + 3));
        QCOMPARE(shown.answer, last ? answer : QString());
    }
}

void LongDivisionTwoDigit::generatedProblemsWrittenOut()
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
            const QString fault = writeOut(p, subTopic);
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

void LongDivisionTwoDigit::generatorFallsBackToFixedProblems_data()
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

void LongDivisionTwoDigit::generatorFallsBackToFixedProblems()
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
    QCOMPARE(h.drawRanges.size(), size_t(3 + 2 * twoDigitMaxTries + (subTopic == 3 ? 1 : 0)));
}

void LongDivisionTwoDigit::entryFollowsTheChildsDigits_data()
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

void LongDivisionTwoDigit::entryFollowsTheChildsDigits()
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

QTEST_APPLESS_MAIN(LongDivisionTwoDigit)
#include "tst_longdiv_twodigit.moc"
