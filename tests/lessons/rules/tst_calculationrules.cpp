// The arithmetic of the calculation-rules lesson, swept over every draw its generator can make.
#include "lessons/rules/CalculationRules.h"
#include "tests/support/TestSupport.h"

#include <QtTest>
#include <optional>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::Harness;

namespace {

// Evaluates an expression of whole numbers with + - x ÷ and brackets by the usual precedence;
// nothing when it is malformed or a division is not exact.
class Evaluator {
  public:
    static std::optional<long> value(const QString& text)
    {
        Evaluator e{text.split(u' ', Qt::SkipEmptyParts)};
        const auto v = e.sum();
        if (!v || e.pos_ != e.tokens_.size()) return std::nullopt;
        return v;
    }

  private:
    explicit Evaluator(QStringList tokens)
        : tokens_(std::move(tokens))
    {
    }
    QString peek() const { return pos_ < tokens_.size() ? tokens_[pos_] : QString(); }

    std::optional<long> sum()
    {
        auto v = product();
        while (v && (peek() == u"+" || peek() == u"-")) {
            const bool add = tokens_[pos_++] == u"+";
            const auto rhs = product();
            if (!rhs) return std::nullopt;
            v = add ? *v + *rhs : *v - *rhs;
        }
        return v;
    }
    std::optional<long> product()
    {
        auto v = term();
        while (v && (peek() == u"x" || peek() == u"÷")) {
            const bool times = tokens_[pos_++] == u"x";
            const auto rhs = term();
            if (!rhs || (!times && (*rhs == 0 || *v % *rhs != 0))) return std::nullopt;
            v = times ? *v * *rhs : *v / *rhs;
        }
        return v;
    }
    std::optional<long> term()
    {
        if (peek() == u"(") {
            ++pos_;
            const auto v = sum();
            if (peek() != u")") return std::nullopt;
            ++pos_;
            return v;
        }
        bool ok = false;
        const long v = peek().toLong(&ok);
        if (!ok) return std::nullopt;
        ++pos_;
        return v;
    }

    QStringList tokens_;
    qsizetype pos_ = 0;
};

// Every side of "E = M = N" has the same exact value; the number of sides, or 0 when not.
int chainLength(const QString& line)
{
    const QStringList sides = line.split(u'=');
    std::optional<long> first;
    for (const QString& side : sides) {
        const auto v = Evaluator::value(side);
        if (!v || (first && *v != *first)) return 0;
        first = v;
    }
    return int(sides.size());
}

// Checks what a child sees of one problem: the expression's value, exact divisions, an answer
// the four selectors can enter, and the worked evaluation ending in that value.
bool problemIsSound(const RulesProblem& p)
{
    if (p.answer < 1 || p.answer > 999) return false;
    const QString question = rulesQuestionText(p);
    const QString worked = rulesWorkedText(p);
    const QString value = QString::number(p.answer);
    if (isBoxProblem(p.subTopic)) {
        // The equation holds with the answer in place of □, and the evaluation finds it.
        const QString equation = question.section(u'\n', 2);
        if (!question.startsWith(u"次の式の□の数は？\n\n"_s) ||
            chainLength(QString(equation).replace(u"□"_s, value)) != 2)
            return false;
        return worked.startsWith(u"□ = "_s) && chainLength(worked.mid(4)) == 2 && worked.endsWith(u" = "_s + value) &&
               rulesSolvedText(p) == question;
    }
    if (!question.endsWith(u" = ?"_s) || Evaluator::value(question.chopped(4)) != p.answer) return false;
    // A bracket never holds a difference below 1.
    if (const qsizetype open = question.indexOf(u'('); open >= 0) {
        const auto inner = Evaluator::value(question.mid(open + 1, question.indexOf(u')') - open - 1));
        if (!inner || *inner < 1) return false;
    }
    if (rulesSolvedText(p) != question.chopped(1) + value) return false;
    // Rule, empty line, then the expression, its middle step and its value.
    const QStringList lines = worked.split(u'\n');
    return lines.size() == 4 && lines[2].isEmpty() && lines[3].startsWith(question.chopped(4) + u" = "_s) &&
           chainLength(lines[3]) == 3 && lines[3].endsWith(u" = "_s + value);
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
    void workedEvaluation_data();
    void workedEvaluation();
    void noSubTopicDrawsNothing();
};

// Which draw becomes which operand, and the expression it makes.
void TestCalculationRules::drawOrderAndTexts_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("ranges");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("answer");
    const QString box = u"次の式の□の数は？\n\n"_s;
    QTest::newRow("a-(b+c)") << 1 << QList{0, 32, 13, 15} << QList{9, 89, 89, 98} << u"42 - ( 23 + 16 ) = ?"_s << 3;
    QTest::newRow("a+(b-c)") << 1 << QList{4, 32, 13, 15} << QList{9, 89, 89, 98} << u"42 + ( 23 - 16 ) = ?"_s << 49;
    QTest::newRow("a-(b-c)") << 1 << QList{7, 40, 30, 4} << QList{9, 89, 89, 98} << u"50 - ( 40 - 5 ) = ?"_s << 15;
    QTest::newRow("redrawn") << 1 << QList{3, 0, 0, 0, 32, 13, 15} << QList{9, 89, 89, 98, 89, 89, 98}
                             << u"42 - ( 23 + 16 ) = ?"_s << 3;
    QTest::newRow("a+cxd") << 2 << QList{2, 41, 15, 1} << QList{9, 98, 98, 7} << u"42 + 16 x 3 = ?"_s << 90;
    QTest::newRow("axb-cxd") << 2 << QList{5, 32, 1, 15, 2} << QList{9, 89, 7, 98, 7} << u"42 x 3 - 16 x 4 = ?"_s << 62;
    QTest::newRow("a÷b+c÷d") << 2 << QList{6, 1, 2, 4, 3} << QList{9, 7, 7, 7, 7} << u"12 ÷ 4 + 30 ÷ 5 = ?"_s << 9;
    QTest::newRow("axb+c÷d") << 2 << QList{8, 32, 1, 4, 3} << QList{9, 89, 7, 7, 7} << u"42 x 3 + 30 ÷ 5 = ?"_s << 132;
    QTest::newRow("axb÷c") << 3 << QList{4, 3, 1, 2} << QList{9, 7, 7, 7} << u"5 x 12 ÷ 4 = ?"_s << 15;
    QTest::newRow("a÷bxc") << 3 << QList{5, 1, 2, 4} << QList{9, 7, 7, 7} << u"12 ÷ 4 x 6 = ?"_s << 18;
    QTest::newRow("□+b") << 4 << QList{4, 9, 69} << QList{9, 88, 88} << box + u"□ + 80 = 100"_s << 20;
    QTest::newRow("□-b") << 4 << QList{5, 39, 9} << QList{9, 88, 88} << box + u"□ - 20 = 70"_s << 90;
    QTest::newRow("□xb") << 5 << QList{4, 6, 2} << QList{9, 7, 7} << box + u"□ x 4 = 32"_s << 8;
    QTest::newRow("□÷b") << 5 << QList{5, 6, 2} << QList{9, 7, 7} << box + u"□ ÷ 4 = 8"_s << 32;
}

void TestCalculationRules::drawOrderAndTexts()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, ranges);
    QFETCH(QString, question);
    QFETCH(int, answer);
    Harness h;
    h.draws.assign(draws.begin(), draws.end());
    const RulesProblem p = drawRulesProblem(subTopic);
    QCOMPARE(rulesQuestionText(p), question);
    QCOMPARE(p.answer, answer);
    QCOMPARE(p.form, draws.front());
    QCOMPARE(QList<int>(h.drawRanges.begin(), h.drawRanges.end()), ranges);
}

// Every operand draw of every form (every fourth of the widest), with the problem draw running through the form's
// range. A draw that fails the form's condition is followed by one that holds, so each costs one redraw.
void TestCalculationRules::everyDrawOfEveryForm_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("firstForm");
    QTest::addColumn<int>("lastForm");
    QTest::addColumn<QList<int>>("ranges");  // of the operand draws
    QTest::addColumn<QList<int>>("holding"); // operand draws that meet the condition
    QTest::addColumn<QString>("shape");      // of the expression, digits as 9
    QTest::addColumn<QList<int>>("steps");   // through each operand's draws: the widest go by 4
    QTest::newRow("1: a-(b+c)") << 1 << 0 << 3 << QList{89, 89, 98} << QList{32, 13, 15} << u"9 - ( 9 + 9 ) = ?"_s
                                << QList{4, 1, 4};
    QTest::newRow("1: a+(b-c)") << 1 << 4 << 6 << QList{89, 89, 98} << QList{32, 13, 15} << u"9 + ( 9 - 9 ) = ?"_s
                                << QList{4, 1, 4};
    QTest::newRow("1: a-(b-c)") << 1 << 7 << 8 << QList{89, 89, 98} << QList{32, 13, 15} << u"9 - ( 9 - 9 ) = ?"_s
                                << QList{4, 1, 4};
    QTest::newRow("2: a+cxd") << 2 << 0 << 2 << QList{98, 98, 7} << QList<int>() << u"9 + 9 x 9 = ?"_s
                              << QList{1, 4, 1};
    QTest::newRow("2: axb-cxd") << 2 << 3 << 5 << QList{89, 7, 98, 7} << QList{32, 1, 15, 2} << u"9 x 9 - 9 x 9 = ?"_s
                                << QList{4, 1, 4, 1};
    QTest::newRow("2: a÷b+c÷d") << 2 << 6 << 7 << QList{7, 7, 7, 7} << QList<int>() << u"9 ÷ 9 + 9 ÷ 9 = ?"_s
                                << QList{1, 1, 1, 1};
    QTest::newRow("2: axb+c÷d") << 2 << 8 << 8 << QList{89, 7, 7, 7} << QList<int>() << u"9 x 9 + 9 ÷ 9 = ?"_s
                                << QList{1, 1, 1, 1};
    QTest::newRow("3: axb÷c") << 3 << 0 << 4 << QList{7, 7, 7} << QList<int>() << u"9 x 9 ÷ 9 = ?"_s << QList{1, 1, 1};
    QTest::newRow("3: a÷bxc") << 3 << 5 << 8 << QList{7, 7, 7} << QList<int>() << u"9 ÷ 9 x 9 = ?"_s << QList{1, 1, 1};
    const QString box = u"次の式の□の数は？\n\n"_s;
    QTest::newRow("4: □+b") << 4 << 0 << 4 << QList{88, 88} << QList<int>() << box + u"□ + 9 = 9"_s << QList{1, 1};
    QTest::newRow("4: □-b") << 4 << 5 << 8 << QList{88, 88} << QList<int>() << box + u"□ - 9 = 9"_s << QList{1, 1};
    QTest::newRow("5: □xb") << 5 << 0 << 4 << QList{7, 7} << QList<int>() << box + u"□ x 9 = 9"_s << QList{1, 1};
    QTest::newRow("5: □÷b") << 5 << 5 << 8 << QList{7, 7} << QList<int>() << box + u"□ ÷ 9 = 9"_s << QList{1, 1};
}

void TestCalculationRules::everyDrawOfEveryForm()
{
    QFETCH(int, subTopic);
    QFETCH(int, firstForm);
    QFETCH(int, lastForm);
    QFETCH(QList<int>, ranges);
    QFETCH(QList<int>, holding);
    QFETCH(QString, shape);
    QFETCH(QList<int>, steps);
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
        if (!accepted) {
            QCOMPARE(h.drawRanges.size(), size_t(1 + 2 * ranges.size()));
            ++redrawn;
        }
        QCOMPARE(p.form, form);
        if (!problemIsSound(p) || QString(rulesQuestionText(p)).replace(number, u"9"_s) != shape)
            QFAIL(qPrintable(u"unsound: "_s + rulesQuestionText(p) + u" → "_s + rulesWorkedText(p)));
        // The next draw tuple, the last draw fastest.
        more = false;
        for (qsizetype i = draws.size() - 1; i >= 0 && !more; --i) {
            draws[i] += steps[i];
            if (draws[i] < ranges[i])
                more = true;
            else
                draws[i] = 0;
        }
    }
    // Conditions turn some draws away, and only where the form has one.
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
    QCOMPARE(h.drawRanges.size(), size_t(1 + operandDraws * rulesMaxDraws));
    QVERIFY(problemIsSound(p));
}

// The rule and the middle terms of the worked evaluation, one row per form.
void TestCalculationRules::workedEvaluation_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("operands");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<QString>("worked");
    const QString brackets = u"カッコのある式では、カッコの中を\nさきに計算すればいいよ。\n\n"_s;
    const QString leftToRight = u"かけ算とわり算だけの式では、左から\nじゅんに計算すればいいよ。\n\n"_s;
    QTest::newRow("1, 0") << 1 << 0 << QList{42, 23, 16} << u"42 - ( 23 + 16 ) = 3"_s
                          << brackets + u"42 - ( 23 + 16 ) = 42 - 39 = 3"_s;
    QTest::newRow("1, 5") << 1 << 5 << QList{42, 23, 16} << u"42 + ( 23 - 16 ) = 49"_s
                          << brackets + u"42 + ( 23 - 16 ) = 42 + 7 = 49"_s;
    QTest::newRow("1, 8") << 1 << 8 << QList{42, 23, 16} << u"42 - ( 23 - 16 ) = 35"_s
                          << brackets + u"42 - ( 23 - 16 ) = 42 - 7 = 35"_s;
    QTest::newRow("2, 0") << 2 << 0 << QList{42, 0, 16, 3} << u"42 + 16 x 3 = 90"_s
                          << u"かけ算とたし算が まじっている式では、\nかけ算を さきに計算すればいいよ。\n\n"
                             u"42 + 16 x 3 = 42 + 48 = 90"_s;
    QTest::newRow("2, 4") << 2 << 4 << QList{42, 3, 16, 4} << u"42 x 3 - 16 x 4 = 62"_s
                          << u"かけ算とひき算が まじっている式では、\n２つのかけ算を さきに計算すればいいよ。\n\n"
                             u"42 x 3 - 16 x 4 = 126 - 64 = 62"_s;
    QTest::newRow("2, 7") << 2 << 7 << QList{12, 4, 30, 5} << u"12 ÷ 4 + 30 ÷ 5 = 9"_s
                          << u"わり算とたし算が まじっている式では、\n２つのわり算を さきに計算すればいいよ。\n\n"
                             u"12 ÷ 4 + 30 ÷ 5 = 3 + 6 = 9"_s;
    QTest::newRow("2, 8")
        << 2 << 8 << QList{42, 3, 30, 5} << u"42 x 3 + 30 ÷ 5 = 132"_s
        << u"かけ算とわり算とたし算が まじっている式では、\nかけ算とわり算を さきに計算すればいいよ。\n\n"
           u"42 x 3 + 30 ÷ 5 = 126 + 6 = 132"_s;
    QTest::newRow("3, 2") << 3 << 2 << QList{5, 12, 4} << u"5 x 12 ÷ 4 = 15"_s
                          << leftToRight + u"5 x 12 ÷ 4 = 60 ÷ 4 = 15"_s;
    QTest::newRow("3, 6") << 3 << 6 << QList{12, 4, 6} << u"12 ÷ 4 x 6 = 18"_s
                          << leftToRight + u"12 ÷ 4 x 6 = 3 x 6 = 18"_s;
    const QString box = u"次の式の□の数は？\n\n"_s;
    QTest::newRow("4, 1") << 4 << 1 << QList{20, 80, 100} << box + u"□ + 80 = 100"_s << u"□ = 100 - 80 = 20"_s;
    QTest::newRow("4, 5") << 4 << 5 << QList{30, 20, 50} << box + u"□ - 20 = 50"_s << u"□ = 50 + 20 = 70"_s;
    QTest::newRow("5, 3") << 5 << 3 << QList{8, 4, 32} << box + u"□ x 4 = 32"_s << u"□ = 32 ÷ 4 = 8"_s;
    QTest::newRow("5, 8") << 5 << 8 << QList{8, 4, 32} << box + u"□ ÷ 4 = 8"_s << u"□ = 8 x 4 = 32"_s;
}

void TestCalculationRules::workedEvaluation()
{
    QFETCH(int, subTopic);
    QFETCH(int, form);
    QFETCH(QList<int>, operands);
    QFETCH(QString, solved);
    QFETCH(QString, worked);
    operands.resize(4);
    const RulesProblem p = rulesProblem(subTopic, form, operands[0], operands[1], operands[2], operands[3]);
    QCOMPARE(rulesSolvedText(p), solved);
    QCOMPARE(rulesWorkedText(p), worked);
    QVERIFY(problemIsSound(p));
}

void TestCalculationRules::noSubTopicDrawsNothing()
{
    Harness h;
    for (int subTopic : {0, 6, -1}) {
        const RulesProblem p = drawRulesProblem(subTopic);
        QCOMPARE(p.answer, 0);
        QVERIFY(rulesQuestionText(p).isEmpty());
        QVERIFY(rulesWorkedText(p).isEmpty());
    }
    QVERIFY(h.drawRanges.empty());
}

QTEST_MAIN(TestCalculationRules)
#include "tst_calculationrules.moc"
