// The arithmetic of the calculation-rules lesson, swept over every draw its generator can make.
#include "frame/Random.h"
#include "lessons/rules/CalculationRules.h"
#include "tests/support/Arithmetic.h"
#include "tests/support/TestSupport.h"

#include <QtTest>
#include <optional>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::Harness;
using kazemaru::test::valueOf;

namespace {

// Every side of "E = M = N" has the same exact value: the number of sides, or 0.
int chainLength(const QString& line)
{
    const QStringList sides = line.split(u'=');
    for (const QString& side : sides)
        if (!valueOf(side) || valueOf(side) != valueOf(sides[0])) return 0;
    return int(sides.size());
}

// What a child sees of one problem: an answer of 1 … 999 for the four selectors, the
// expression worth it with every division exact and no bracket below 1, and a worked
// evaluation through its middle step to that value.
bool problemIsSound(const RulesProblem& p)
{
    const QString question = rulesQuestionText(p), worked = rulesWorkedText(p), value = QString::number(p.answer);
    if (p.answer < 1 || p.answer > 999) return false;
    if (isBoxProblem(p.subTopic))
        return question.startsWith(u"次の式の□の数は？\n\n"_s) &&
               chainLength(question.section(u'\n', 2).replace(u"□"_s, value)) == 2 && worked.startsWith(u"□ = "_s) &&
               chainLength(worked.mid(4)) == 2 && worked.endsWith(u" = "_s + value) && rulesSolvedText(p) == question;
    const QString expression = question.chopped(4);
    if (!question.endsWith(u" = ?"_s) || valueOf(expression) != p.answer) return false;
    if (const qsizetype open = question.indexOf(u'(');
        open >= 0 && valueOf(question.mid(open).section(u')', 0, 0).mid(1)) < 1)
        return false;
    const QStringList lines = worked.split(u'\n'); // rule, rule, empty line, evaluation
    return rulesSolvedText(p) == expression + u" = "_s + value && lines.size() == 4 && lines[2].isEmpty() &&
           lines[3].startsWith(expression + u" = "_s) && chainLength(lines[3]) == 3 &&
           lines[3].endsWith(u" = "_s + value);
}

} // namespace

class TestCalculationRules : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void drawOrderAndTexts_data();
    void drawOrderAndTexts();
    void everyDrawOfEveryForm_data();
    void everyDrawOfEveryForm();
    void fallbacksAfterAThousandFailures_data();
    void fallbacksAfterAThousandFailures();
};

// Which draw becomes which operand, the expression it makes, and its worked evaluation.
void TestCalculationRules::drawOrderAndTexts_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("ranges");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<QString>("worked");
    const QString brackets = u"カッコのある式では、カッコの中を\nさきに計算すればいいよ。\n\n"_s;
    const QString leftToRight = u"かけ算とわり算だけの式では、左から\nじゅんに計算すればいいよ。\n\n"_s;
    const QString box = u"次の式の□の数は？\n\n"_s;
    QTest::newRow("a-(b+c)") << 1 << QList{3, 32, 13, 15} << QList{9, 89, 89, 98} << u"42 - ( 23 + 16 ) = 3"_s
                             << brackets + u"42 - ( 23 + 16 ) = 42 - 39 = 3"_s;
    QTest::newRow("a+(b-c)") << 1 << QList{4, 32, 13, 15} << QList{9, 89, 89, 98} << u"42 + ( 23 - 16 ) = 49"_s
                             << brackets + u"42 + ( 23 - 16 ) = 42 + 7 = 49"_s;
    QTest::newRow("a-(b-c) redrawn") << 1 << QList{7, 0, 0, 97, 40, 30, 4} << QList{9, 89, 89, 98, 89, 89, 98}
                                     << u"50 - ( 40 - 5 ) = 15"_s << brackets + u"50 - ( 40 - 5 ) = 50 - 35 = 15"_s;
    QTest::newRow("a+cxd") << 2 << QList{2, 41, 15, 1} << QList{9, 98, 98, 7} << u"42 + 16 x 3 = 90"_s
                           << u"かけ算とたし算が まじっている式では、\nかけ算を さきに計算すればいいよ。\n\n"
                              u"42 + 16 x 3 = 42 + 48 = 90"_s;
    QTest::newRow("axb-cxd") << 2 << QList{3, 32, 1, 15, 2} << QList{9, 89, 7, 98, 7} << u"42 x 3 - 16 x 4 = 62"_s
                             << u"かけ算とひき算が まじっている式では、\n２つのかけ算を さきに計算すればいいよ。\n\n"
                                u"42 x 3 - 16 x 4 = 126 - 64 = 62"_s;
    QTest::newRow("a÷b+c÷d") << 2 << QList{7, 1, 2, 4, 3} << QList{9, 7, 7, 7, 7} << u"12 ÷ 4 + 30 ÷ 5 = 9"_s
                             << u"わり算とたし算が まじっている式では、\n２つのわり算を さきに計算すればいいよ。\n\n"
                                u"12 ÷ 4 + 30 ÷ 5 = 3 + 6 = 9"_s;
    QTest::newRow("axb+c÷d")
        << 2 << QList{8, 32, 1, 4, 3} << QList{9, 89, 7, 7, 7} << u"42 x 3 + 30 ÷ 5 = 132"_s
        << u"かけ算とわり算とたし算が まじっている式では、\nかけ算とわり算を さきに計算すればいいよ。\n\n"
           u"42 x 3 + 30 ÷ 5 = 126 + 6 = 132"_s;
    QTest::newRow("axb÷c") << 3 << QList{4, 3, 1, 2} << QList{9, 7, 7, 7} << u"5 x 12 ÷ 4 = 15"_s
                           << leftToRight + u"5 x 12 ÷ 4 = 60 ÷ 4 = 15"_s;
    QTest::newRow("a÷bxc") << 3 << QList{5, 1, 2, 4} << QList{9, 7, 7, 7} << u"12 ÷ 4 x 6 = 18"_s
                           << leftToRight + u"12 ÷ 4 x 6 = 3 x 6 = 18"_s;
    QTest::newRow("□+b") << 4 << QList{4, 9, 69} << QList{9, 88, 88} << box + u"□ + 80 = 100"_s
                         << u"□ = 100 - 80 = 20"_s;
    QTest::newRow("□-b") << 4 << QList{5, 19, 9} << QList{9, 88, 88} << box + u"□ - 20 = 50"_s << u"□ = 50 + 20 = 70"_s;
    QTest::newRow("□xb") << 5 << QList{4, 6, 2} << QList{9, 7, 7} << box + u"□ x 4 = 32"_s << u"□ = 32 ÷ 4 = 8"_s;
    QTest::newRow("□÷b") << 5 << QList{5, 6, 2} << QList{9, 7, 7} << box + u"□ ÷ 4 = 8"_s << u"□ = 8 x 4 = 32"_s;
}

void TestCalculationRules::drawOrderAndTexts()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, ranges);
    QFETCH(QString, solved);
    QFETCH(QString, worked);
    Harness h;
    h.draws.assign(draws.begin(), draws.end());
    const RulesProblem p = drawRulesProblem(subTopic);
    QCOMPARE(rulesSolvedText(p), solved);
    QCOMPARE(rulesWorkedText(p), worked);
    QCOMPARE(rulesBoxValueText(p), u"□は "_s + QString::number(p.answer));
    QCOMPARE(QList<int>(h.drawRanges.begin(), h.drawRanges.end()), ranges);
    QVERIFY(problemIsSound(p));
    QCOMPARE(drawRulesProblem(0).answer, 0); // without a sub-topic nothing is drawn
    QCOMPARE(h.drawRanges.size(), size_t(ranges.size()));
}

// Every operand draw of every form (every fourth of the widest), the problem draw running
// through the form's range. A draw that fails the form's condition is followed by one that
// holds, so each costs one redraw.
void TestCalculationRules::everyDrawOfEveryForm_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("firstForm");
    QTest::addColumn<int>("lastForm");
    QTest::addColumn<QList<int>>("ranges");  // of the operand draws
    QTest::addColumn<QList<int>>("steps");   // through each operand's draws
    QTest::addColumn<QList<int>>("holding"); // operand draws that meet the condition
    QTest::addColumn<QString>("shape");      // of the expression, numbers as 9
    const QString box = u"次の式の□の数は？\n\n"_s;
    const QList<int> wide3{4, 1, 4}, wide4{4, 1, 4, 1}, bracketDraws{32, 13, 15};
    QTest::newRow("a-(b+c)") << 1 << 0 << 3 << QList{89, 89, 98} << wide3 << bracketDraws << u"9 - ( 9 + 9 ) = ?"_s;
    QTest::newRow("a+(b-c)") << 1 << 4 << 6 << QList{89, 89, 98} << wide3 << bracketDraws << u"9 + ( 9 - 9 ) = ?"_s;
    QTest::newRow("a-(b-c)") << 1 << 7 << 8 << QList{89, 89, 98} << wide3 << bracketDraws << u"9 - ( 9 - 9 ) = ?"_s;
    QTest::newRow("a+cxd") << 2 << 0 << 2 << QList{98, 98, 7} << QList{1, 4, 1} << QList<int>() << u"9 + 9 x 9 = ?"_s;
    QTest::newRow("axb-cxd") << 2 << 3 << 5 << QList{89, 7, 98, 7} << wide4 << QList{32, 1, 15, 2}
                             << u"9 x 9 - 9 x 9 = ?"_s;
    QTest::newRow("a÷b+c÷d") << 2 << 6 << 7 << QList{7, 7, 7, 7} << QList{1, 1, 1, 1} << QList<int>()
                             << u"9 ÷ 9 + 9 ÷ 9 = ?"_s;
    QTest::newRow("axb+c÷d") << 2 << 8 << 8 << QList{89, 7, 7, 7} << QList{1, 1, 1, 1} << QList<int>()
                             << u"9 x 9 + 9 ÷ 9 = ?"_s;
    QTest::newRow("axb÷c") << 3 << 0 << 4 << QList{7, 7, 7} << QList{1, 1, 1} << QList<int>() << u"9 x 9 ÷ 9 = ?"_s;
    QTest::newRow("a÷bxc") << 3 << 5 << 8 << QList{7, 7, 7} << QList{1, 1, 1} << QList<int>() << u"9 ÷ 9 x 9 = ?"_s;
    QTest::newRow("□+b") << 4 << 0 << 4 << QList{88, 88} << QList{1, 1} << QList<int>() << box + u"□ + 9 = 9"_s;
    QTest::newRow("□-b") << 4 << 5 << 8 << QList{88, 88} << QList{1, 1} << QList<int>() << box + u"□ - 9 = 9"_s;
    QTest::newRow("□xb") << 5 << 0 << 4 << QList{7, 7} << QList{1, 1} << QList<int>() << box + u"□ x 9 = 9"_s;
    QTest::newRow("□÷b") << 5 << 5 << 8 << QList{7, 7} << QList{1, 1} << QList<int>() << box + u"□ ÷ 9 = 9"_s;
}

void TestCalculationRules::everyDrawOfEveryForm()
{
    QFETCH(int, subTopic);
    QFETCH(int, firstForm);
    QFETCH(int, lastForm);
    QFETCH(QList<int>, ranges);
    QFETCH(QList<int>, steps);
    QFETCH(QList<int>, holding);
    QFETCH(QString, shape);
    static const QRegularExpression number(u"\\d+"_s);
    Harness h;
    QList<int> draws(ranges.size(), 0);
    qsizetype problems = 0, redrawn = 0;
    for (bool more = true; more; ++problems) {
        const int form = firstForm + int(problems % (lastForm - firstForm + 1));
        h.draws.clear();
        h.drawRanges.clear();
        h.draws.push_back(form);
        h.draws.insert(h.draws.end(), draws.begin(), draws.end());
        h.draws.insert(h.draws.end(), holding.begin(), holding.end());
        const RulesProblem p = drawRulesProblem(subTopic);
        const bool accepted = h.drawRanges.size() == size_t(1 + ranges.size());
        if (!holding.isEmpty()) {
            // The draws turned away are exactly those whose expression would go below 1.
            const RulesProblem candidate =
                subTopic == 1 ? rulesProblem(1, form, draws[0] + 10, draws[1] + 10, draws[2] + 1)
                              : rulesProblem(2, form, draws[0] + 10, draws[1] + 2, draws[2] + 1, draws[3] + 2);
            QCOMPARE(accepted, problemIsSound(candidate));
        }
        redrawn += !accepted;
        QCOMPARE(p.form, form);
        if (!problemIsSound(p) || QString(rulesQuestionText(p)).replace(number, u"9"_s) != shape)
            QFAIL(qPrintable(u"unsound: "_s + rulesQuestionText(p) + u" → "_s + rulesWorkedText(p)));
        more = false; // the next draws, the last operand fastest
        for (qsizetype i = draws.size() - 1; i >= 0 && !more; --i) {
            draws[i] += steps[i];
            if (draws[i] < ranges[i])
                more = true;
            else
                draws[i] = 0;
        }
    }
    QCOMPARE(redrawn > 0, !holding.isEmpty());
    QVERIFY(redrawn < problems);
}

// A form whose condition fails a thousand times uses its fixed operands and draws no more.
void TestCalculationRules::fallbacksAfterAThousandFailures_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("operandDraws");
    QTest::addColumn<QString>("question");
    QTest::newRow("a-(b+c)") << 1 << 0 << 3 << u"42 - ( 23 + 16 ) = ?"_s;
    QTest::newRow("a+(b-c)") << 1 << 6 << 3 << u"42 + ( 23 - 16 ) = ?"_s;
    QTest::newRow("a-(b-c)") << 1 << 7 << 3 << u"42 - ( 23 - 16 ) = ?"_s;
    QTest::newRow("axb-cxd") << 2 << 3 << 4 << u"42 x 3 - 16 x 4 = ?"_s;
}

void TestCalculationRules::fallbacksAfterAThousandFailures()
{
    QFETCH(int, subTopic);
    QFETCH(int, form);
    QFETCH(int, operandDraws);
    QFETCH(QString, question);
    Harness h;
    h.queueDraws({form});
    h.fallbackDraw = [](int n) { return n - 1; }; // the largest operands fail every condition
    const RulesProblem p = drawRulesProblem(subTopic);
    QCOMPARE(rulesQuestionText(p), question);
    QCOMPARE(h.drawRanges.size(), size_t(1 + operandDraws * maxRedraws));
    QVERIFY(problemIsSound(p));
}

QTEST_MAIN(TestCalculationRules)
#include "tst_calculationrules.moc"
