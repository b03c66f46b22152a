// The area lesson's step walks and the arithmetic of every text it shows.
#include "lessons/area/AreaWalk.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

// Evaluates whole numbers joined by +, - and x, with brackets; false on anything else.
bool evaluate(QStringView expr, qsizetype& pos, long& value);

bool operand(QStringView expr, qsizetype& pos, long& value)
{
    while (pos < expr.size() && expr[pos] == u' ')
        ++pos;
    if (pos < expr.size() && expr[pos] == u'(') {
        ++pos;
        if (!evaluate(expr, pos, value)) return false;
        while (pos < expr.size() && expr[pos] == u' ')
            ++pos;
        return pos < expr.size() && expr[pos++] == u')';
    }
    const qsizetype start = pos;
    while (pos < expr.size() && expr[pos].isDigit())
        ++pos;
    bool ok = false;
    value = expr.mid(start, pos - start).toLong(&ok);
    return ok;
}

bool term(QStringView expr, qsizetype& pos, long& value)
{
    if (!operand(expr, pos, value)) return false;
    for (;;) {
        qsizetype at = pos;
        while (at < expr.size() && expr[at] == u' ')
            ++at;
        if (at >= expr.size() || expr[at] != u'x') return true;
        pos = at + 1;
        long factor = 0;
        if (!operand(expr, pos, factor)) return false;
        value *= factor;
    }
}

bool evaluate(QStringView expr, qsizetype& pos, long& value)
{
    if (!term(expr, pos, value)) return false;
    for (;;) {
        qsizetype at = pos;
        while (at < expr.size() && expr[at] == u' ')
            ++at;
        if (at >= expr.size() || (expr[at] != u'+' && expr[at] != u'-')) return true;
        const bool plus = expr[at] == u'+';
        pos = at + 1;
        long next = 0;
        if (!term(expr, pos, next)) return false;
        value += plus ? next : -next;
    }
}

bool numeric(const QString& side, long& value)
{
    qsizetype pos = 0;
    const QString trimmed = side.trimmed();
    if (!evaluate(trimmed, pos, value)) return false;
    return pos == trimmed.size();
}

// Each unit as a factor of the centimetre or the square centimetre, so that sides in different
// units compare.
QString inCentimetres(QString line)
{
    static const QRegularExpression unit(u"\\s*(k㎡|c㎡|㎡|cm|m)(?=\\s|$)"_s);
    static const QHash<QString, QString> factor{
        {u"cm"_s, u"1"_s}, {u"m"_s, u"100"_s}, {u"c㎡"_s, u"1"_s}, {u"㎡"_s, u"10000"_s}, {u"k㎡"_s, u"10000000000"_s}};
    for (auto m = unit.match(line); m.hasMatch(); m = unit.match(line))
        line.replace(m.capturedStart(), m.capturedLength(), u" x "_s + factor.value(m.captured(1)));
    return line;
}

// Checks every equation of a text: the numeric sides of a line (words before a colon left out)
// all agree. Returns how many lines it checked, or -1 at a wrong one.
int checkEquations(const QString& text)
{
    int checked = 0;
    for (QString line : text.split(u'\n')) {
        line = inCentimetres(line.section(u'：', -1));
        if (!line.contains(u'=')) continue;
        QList<long> values;
        for (const QString& side : line.split(u'=')) {
            long v = 0;
            if (numeric(side, v)) values.append(v);
        }
        if (values.isEmpty()) continue;
        for (long v : values)
            if (v != values.front()) {
                qWarning() << "wrong arithmetic:" << line;
                return -1;
            }
        ++checked;
    }
    return checked;
}

} // namespace

class TestAreaWalk : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Pressing on past the last step starts again; the caption always names the coming step.
    void walks_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<QString>("captions");
        QTest::newRow("rectangles") << 1 << QList<int>{1, 2, 1, 2, 1} << u"21212"_s;
        QTest::newRow("notched") << 2 << QList<int>{1, 2, 3, 4, 1, 2, 3, 4, 1} << u"234123412"_s;
    }
    void walks()
    {
        QFETCH(int, subTopic);
        QFETCH(QList<int>, steps);
        QFETCH(QString, captions);
        AreaWalk walk(subTopic);
        QCOMPARE(walk.step(), 0);
        QCOMPARE(walk.caption(), u"ステップ１"_s);
        QVERIFY(walk.text().isEmpty());
        for (qsizetype i = 0; i < steps.size(); ++i) {
            walk.advance();
            QCOMPARE(walk.step(), steps[i]);
            const QChar digit(u'０' + captions[i].digitValue());
            QCOMPARE(walk.caption(), u"ステップ"_s + digit);
            QCOMPARE(walk.atLastStep(), steps[i] == walk.stepCount());
            QCOMPARE(walk.bringsCutFigures(), subTopic == 2 && steps[i] == 1);
            // Every step after the first carries the second step's heading.
            QVERIFY(walk.text().startsWith(steps[i] == 1 ? u"【ステップ１】\n\n"_s : u"【ステップ２】\n\n"_s));
        }
    }

    void unitsHaveNoSteps()
    {
        AreaWalk walk(3);
        walk.advance();
        QCOMPARE(walk.step(), 0);
        QVERIFY(!walk.atLastStep());
        QCOMPARE(areaOpening(3).count(u'\n'), 4);
        QVERIFY(areaOpening(3).startsWith(u"面積の単位の c㎡、㎡、k㎡ の関係は\n"_s));
        QVERIFY(areaOpening(0).isEmpty() && areaOpening(4).isEmpty());
    }

    // Each cut of the notched shape gives the same area, and every sum on the screen is right.
    void everyEquationIsRight()
    {
        QCOMPARE(checkEquations(areaOpening(3)), 2);
        int checked = 0;
        for (int subTopic = 1; subTopic <= 2; ++subTopic) {
            AreaWalk walk(subTopic);
            for (int i = 0; i < walk.stepCount(); ++i) {
                walk.advance();
                const int n = checkEquations(walk.text());
                QVERIFY(n >= 0);
                checked += n;
                if (subTopic == 2 && walk.step() > 1) QVERIFY(walk.text().endsWith(u"= 52 c㎡"_s));
            }
        }
        QCOMPARE(checked, 2 + 9);
    }
};

QTEST_MAIN(TestAreaWalk)
#include "tst_areawalk.moc"
