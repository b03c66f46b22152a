// Every lesson answered with digit selectors, checked the way a teacher checks a child's sheet: the
// problem is read off the screen, its answer worked out here by ordinary arithmetic (division,
// rounding on the digits, kanji read back, fractions), and entered place by place. The right
// digits are ○; a wrong digit at any place, a unit moved to a neighbouring place and an entry of
// the last place alone are ×; every answer fits the selectors on offer. Problems come from
// seeded draws and from the lowest and the highest draw of every Random(n).
#include "lessons/decimals/Unit12.h"
#include "lessons/decimals/Unit9.h"
#include "lessons/division/Unit3.h"
#include "lessons/division/Unit5.h"
#include "lessons/division/Unit8.h"
#include "lessons/fractions/Unit16.h"
#include "lessons/numbers/Unit2.h"
#include "lessons/rounding/Unit13.h"
#include "lessons/rules/Unit15.h"
#include "tests/support/Arithmetic.h"
#include "tests/support/ShownScreen.h"

#include <QRegularExpression>
#include <QtTest>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

// ---- Draws, recorded as they are made so that the same problem can be posed again -----------

enum class Draws { Seeded, Lowest, Highest };
Draws drawing = Draws::Seeded;
std::mt19937 seeded(25);
std::vector<int> recorded;
size_t replayed = 0;

int recordedDraw(int n)
{
    if (replayed < recorded.size()) return std::min(recorded[replayed++], n - 1);
    const int v = drawing == Draws::Lowest ? 0 : drawing == Draws::Highest ? n - 1 : int(seeded() % unsigned(n));
    recorded.push_back(v);
    ++replayed;
    return v;
}

// ---- An answer: numbers entered place by place ------------------------------------------------

// One number of the answer: its selectors from the highest place to the ones, and its value.
struct Part {
    QList<int> selectors;
    qint64 value;
};
using Digits = QList<QList<int>>; // per part, highest place first

QString describe(const QList<Part>& parts)
{
    QStringList values;
    for (const Part& p : parts)
        values << QString::number(p.value);
    return values.join(u" / "_s);
}

// The digits of each part; empty when a value does not fit its selectors.
Digits digitsOf(const QList<Part>& parts)
{
    Digits all;
    for (const Part& p : parts) {
        QList<int> d;
        qint64 v = p.value;
        for (qsizetype i = 0; i < p.selectors.size(); ++i, v /= 10)
            d.prepend(int(v % 10));
        if (p.value < 0 || v > 0) return {};
        all << d;
    }
    return all;
}

// A child at a screen: poses the same problem again, chooses digits, reads the mark.
struct Child {
    std::function<void()> pose;
    std::function<SimpleComboBox*(int)> box;
    std::function<QString()> mark;

    QString enter(const QList<Part>& parts, const Digits& digits)
    {
        pose();
        for (qsizetype p = 0; p < parts.size(); ++p)
            for (qsizetype i = 0; i < parts[p].selectors.size(); ++i)
                box(parts[p].selectors[i])->choose(digits[p][i]);
        return mark();
    }
};

// Checks the posed problem against `parts`, its answer worked out by the test; the first fault, or
// an empty string.
QString checkAnswer(Child& c, const QList<Part>& parts)
{
    const QString what = u" for "_s + describe(parts);
    const Digits right = digitsOf(parts);
    if (right.isEmpty()) return u"the answer does not fit its selectors"_s + what;
    if (c.enter(parts, right) != u"○"_s) return u"the right digits are not ○"_s + what;
    for (qsizetype p = 0; p < parts.size(); ++p) {
        const qsizetype n = right[p].size();
        for (qsizetype i = 0; i < n; ++i) {
            Digits wrong = right;
            wrong[p][i] = (wrong[p][i] + 1) % 10;
            if (c.enter(parts, wrong) != u"×"_s) return u"a wrong digit at place %1 is not ×"_s.arg(i) + what;
        }
        // A unit moved between neighbouring places leaves a sum that only right weights tell apart.
        for (qsizetype i = 0; i + 1 < n; ++i) {
            Digits moved = right;
            int &high = moved[p][i], &low = moved[p][i + 1];
            if (high < 9 && low > 0)
                ++high, --low;
            else if (high > 0 && low < 9)
                --high, ++low;
            else
                continue;
            if (c.enter(parts, moved) != u"×"_s) return u"a unit moved from place %1 is not ×"_s.arg(i) + what;
        }
    }
    // The last place alone: right only when every other place of the answer is 0.
    c.pose();
    const Part& last = parts.last();
    c.box(last.selectors.last())->choose(right.last().last());
    int others = 0;
    for (const QList<int>& d : right)
        for (int digit : d)
            others += digit;
    const bool othersZero = others == right.last().last();
    if ((c.mark() == u"○"_s) != othersZero) return u"the last place alone is judged wrongly"_s + what;
    return {};
}

// Draws afresh: seeded, or all the lowest or all the highest, after `first` fixed ones.
void newDraws(Draws how, std::vector<int> first = {})
{
    drawing = how;
    recorded = std::move(first);
    replayed = 0;
}

// What a reader makes of the posed problem: its answer, or nothing when the problem is not of
// the kind the sweep checks. An empty answer is a problem the test cannot read.
using Answer = std::optional<QList<Part>>;

// Poses `count` problems from seeded draws, then from the lowest and the highest draws, reads
// each one's answer off the screen and checks it.
template <typename Read> void sweep(Harness& h, Child& c, int count, Read read)
{
    h.fallbackDraw = recordedDraw;
    int checked = 0;
    for (int i = 0; i < count + 2; ++i) {
        newDraws(i == count ? Draws::Lowest : i == count + 1 ? Draws::Highest : Draws::Seeded);
        c.pose();
        QString problem;
        const Answer parts = read(problem);
        if (!parts) continue;
        QVERIFY2(!parts->isEmpty(), qPrintable(u"cannot read "_s + problem));
        const QString fault = checkAnswer(c, *parts);
        QVERIFY2(fault.isEmpty(), qPrintable(problem + u": "_s + fault));
        ++checked;
    }
    QVERIFY(checked > count / 4);
}

QRegularExpressionMatch matched(const QString& pattern, const QString& text)
{
    return QRegularExpression(pattern).match(text);
}

// "250 ÷ 60 = ?" as dividend and divisor.
std::pair<qint64, qint64> division(const QString& text)
{
    const auto m = matched(u"^(\\d+) ÷ (\\d+) = \\?$"_s, text);
    return m.hasMatch() ? std::pair{m.captured(1).toLongLong(), m.captured(2).toLongLong()} : std::pair{-1LL, 1LL};
}

// A decimal written with its point, in units of its last place: "3.25" is 325 with 2 places.
std::pair<qint64, int> decimal(const QString& text)
{
    const qsizetype point = text.indexOf(u'.');
    return {QString(text).remove(u'.').toLongLong(), point < 0 ? 0 : int(text.size() - point - 1)};
}

const QList<int> threeSelectors{4, 3, 2};

// A child at a drill: each problem is posed by the next button, and the drill's count of right
// answers, one after the only answer given, is the mark.
template <typename Drill> Child drillChild(Drill& form)
{
    return {[&form] {
                replayed = 0;
                form.CuteButton3Click();
            },
            [&form](int n) { return child<SimpleComboBox>(&form, u"ComboBox%1"_s.arg(n)); },
            [&form] { return Probe::rightCount(form) == 1 ? u"○"_s : u"×"_s; }};
}

} // namespace

class TestAnswerKeys : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { seeded.seed(25); }

    // Numbers in digits, ×10 and ×100, ÷10 and ÷100: nine selectors from 千兆 down to 千万.
    void largeNumbersInDigits()
    {
        ShownScreen<TForm2> s;
        Child c{[&] {
                    replayed = 0;
                    s.screen->CuteButton4Click();
                },
                [&](int n) { return s.box(n); }, [&] { return s.text(u"Label21"_s); }};
        const qint64 units[] = {10'000, 100'000'000, 1'000'000'000'000};
        for (int subTopic = 1; subTopic <= 3; ++subTopic) {
            s.box(1)->choose(subTopic - 1);
            s.button(3)->click();
            sweep(s.harness, c, 60, [&](QString& problem) -> Answer {
                if (s.visible(u"ComboBox11"_s)) return std::nullopt; // written in kanji: checked below
                problem = s.text(u"Label26"_s);
                qint64 value = readKanji(problem);
                const auto m = matched(u"^(\\d+)([万億兆])(?:の(10|100)倍は？|を(10|100)でわると？)$"_s, problem);
                if (m.hasMatch()) {
                    value = m.captured(1).toLongLong() * units[u"万億兆"_s.indexOf(m.captured(2))];
                    value = m.captured(3).isEmpty() ? value / m.captured(4).toLongLong()
                                                    : value * m.captured(3).toLongLong();
                }
                if (value <= 0 || value % 10'000'000) return QList<Part>{};
                return QList<Part>{{{10, 9, 8, 7, 6, 5, 4, 3, 2}, value / 10'000'000}};
            });
        }
    }

    // A number in digits written in kanji: the answer line's numeral reads back to the number; it is
    // ○, and every beginning of it, a kanji left out or a digit changed is ×.
    void largeNumbersInKanji()
    {
        ShownScreen<TForm2> s;
        s.box(1)->choose(0);
        s.button(3)->click();
        s.harness.fallbackDraw = recordedDraw;
        const QString places = u"兆億万千百十"_s, digitKanji = u"一二三四五六七八九"_s;
        const auto judge = [&](const QString& numeral) {
            replayed = 0;
            s.screen->CuteButton4Click();
            for (const QChar k : numeral) {
                const bool digit = digitKanji.contains(k);
                s.box(digit ? 12 : 11)->choose(int(digit ? digitKanji.indexOf(k) : places.indexOf(k)));
            }
            s.box(11)->choose(6); // ◆
            return s.text(u"Label21"_s);
        };
        int posed = 0;
        for (int i = 0; posed < 40 && i < 400; ++i) {
            // The smallest number, then the largest (form 4 asks for kanji), then seeded ones.
            newDraws(i == 0   ? Draws::Lowest
                     : i == 1 ? Draws::Highest
                              : Draws::Seeded,
                     i == 1 ? std::vector{4} : std::vector<int>{});
            s.screen->CuteButton4Click();
            if (!s.visible(u"ComboBox11"_s)) continue;
            ++posed;
            const qint64 number = s.text(u"Label22"_s).toLongLong();
            QCOMPARE(judge(QString()), u"×"_s);
            const QString numeral = s.text(u"Label24"_s).remove(u"答え："_s);
            QCOMPARE(readKanji(numeral), number);
            QCOMPARE(judge(numeral), u"○"_s);
            for (qsizetype n = 1; n < numeral.size(); ++n)
                QVERIFY2(judge(numeral.left(n)) == u"×"_s, qPrintable(numeral.left(n)));
            for (qsizetype n = 0; n < numeral.size(); ++n) {
                QVERIFY2(judge(QString(numeral).remove(n, 1)) == u"×"_s, qPrintable(numeral));
                if (const qsizetype d = digitKanji.indexOf(numeral[n]); d >= 0)
                    QCOMPARE(judge(QString(numeral).replace(n, 1, digitKanji[(d + 1) % 9])), u"×"_s);
            }
        }
        QCOMPARE(posed, 40);
    }

    // Whole tens and hundreds divided by one digit.
    void tensAndHundreds()
    {
        ShownScreen<TForm3> s;
        Child c{[&] {
                    replayed = 0;
                    s.screen->CuteButton4Click();
                },
                [&](int n) { return s.box(n); }, [&] { return s.text(u"Label6"_s); }};
        for (int subTopic = 1; subTopic <= 3; ++subTopic) {
            s.box(1)->choose(subTopic - 1);
            s.button(3)->click();
            sweep(s.harness, c, 20, [&](QString& problem) -> Answer {
                problem = s.text(u"Label4"_s);
                const auto [dividend, divisor] = division(problem);
                if (dividend < 0 || dividend % divisor) return QList<Part>{};
                return QList<Part>{{threeSelectors, dividend / divisor}};
            });
        }
    }

    // Division by whole tens and hundreds: a one-digit quotient and a remainder below the divisor.
    void byTensAndHundreds()
    {
        ShownScreen<TForm5> s;
        Child c{[&] {
                    replayed = 0;
                    s.screen->CuteButton4Click();
                },
                [&](int n) { return s.box(n); }, [&] { return s.text(u"Label5"_s); }};
        s.button(3)->click();
        sweep(s.harness, c, 60, [&](QString& problem) -> Answer {
            problem = s.text(u"Label4"_s);
            const auto [dividend, divisor] = division(problem);
            if (dividend < 0) return QList<Part>{};
            return QList<Part>{{{4}, dividend / divisor}, {{3, 2, 1}, dividend % divisor}};
        });
    }

    // Counting tenths, a whole and tenths, the number line, and lengths in another unit.
    void structureOfDecimals()
    {
        ShownScreen<TForm9> s;
        Child c{[&] {
                    replayed = 0;
                    s.screen->CuteButton4Click();
                },
                [&](int n) { return s.box(n); }, [&] { return s.text(u"Label6"_s); }};
        s.box(1)->choose(1);
        for (int kind = 1; kind <= 3; ++kind) {
            s.box(2)->choose(kind - 1);
            if (s.screen->lessonMode() == Study) s.button(3)->click();
            sweep(s.harness, c, 40, [&](QString& problem) -> Answer {
                problem = s.text(u"Label4"_s);
                const QList<int> places{5, 4, 3}; // tens, ones, tenths
                if (const auto m = matched(u"^(\\d+\\.\\d) は、 0\\.1 を いくつ あつめた数？$"_s, problem);
                    m.hasMatch())
                    return QList<Part>{{{5, 4}, decimal(m.captured(1)).first}};
                if (const auto m =
                        matched(u"^(\\d+\\.\\d) は、 1 を いくつと\n0\\.1 を いくつ あつめた数？$"_s, problem);
                    m.hasMatch())
                    return QList<Part>{{places, decimal(m.captured(1)).first}};
                if (const auto m = matched(u"^0\\.1 を (\\d+) コ あつめた数は？$"_s, problem); m.hasMatch())
                    return QList<Part>{{places, m.captured(1).toLongLong()}};
                if (problem == u"矢印の めもり の数は？"_s) {
                    // The arrow stands 11 pixels a tenth from 0 at left 152.
                    const int x = child<QWidget>(s.screen.get(), u"Image3"_s)->x() - 152;
                    problem += u" (arrow at %1)"_s.arg(x + 152);
                    return x % 11 ? QList<Part>{} : QList<Part>{{places, x / 11}};
                }
                if (const auto m = matched(u"^(?:(\\d+) ｍ )?(\\d+) ｃｍ は、何ｍ？$"_s, problem); m.hasMatch()) {
                    const qint64 cm = 100 * m.captured(1).toLongLong() + m.captured(2).toLongLong();
                    return cm % 10 ? QList<Part>{} : QList<Part>{{places, cm / 10}};
                }
                if (const auto m = matched(u"^(\\d+) ｃｍ (\\d+) ｍｍ は、何ｃｍ？$"_s, problem); m.hasMatch())
                    return QList<Part>{{places, 10 * m.captured(1).toLongLong() + m.captured(2).toLongLong()}};
                return QList<Part>{};
            });
        }
    }

    // Rounding to a place, at a place and to leading digits, worked on the digit string.
    void rounding()
    {
        ShownScreen<TForm13> s;
        Child c{[&] {
                    replayed = 0;
                    s.screen->CuteButton4Click();
                },
                [&](int n) { return s.box(n); }, [&] { return s.text(u"Label6"_s); }};
        const QStringList placeNames{u"十"_s, u"百"_s, u"千"_s, u"万"_s, u"十万"_s, u"百万"_s};
        const QStringList counts{u"１"_s, u"２"_s, u"３"_s};
        for (int subTopic = 2; subTopic <= 4; ++subTopic) {
            s.box(1)->choose(subTopic - 1);
            s.button(3)->click();
            sweep(s.harness, c, 60, [&](QString& problem) -> Answer {
                problem = s.text(u"Label4"_s);
                const auto m = matched(
                    u"^(\\d+) の (?:(.+)の位(までの \n|を\n四捨五入した )|上から(.)けたの \n)がい数は？$"_s, problem);
                if (!m.hasMatch()) return QList<Part>{};
                const qint64 x = m.captured(1).toLongLong();
                int zeros = int(placeNames.indexOf(m.captured(2))) + 1; // to the place: its zeros stay
                if (m.captured(3).startsWith(u'を')) ++zeros;           // at the place: it becomes 0 too
                if (!m.captured(4).isEmpty()) zeros = int(m.captured(1).size() - counts.indexOf(m.captured(4)) - 1);
                return QList<Part>{{{8, 7, 6, 5, 4, 3, 2}, roundOnDigits(x, zeros)}};
            });
        }
    }

    // Expressions by the order of operations, and the □ of an equation.
    void calculationRules()
    {
        ShownScreen<TForm15> s;
        Child c{[&] {
                    replayed = 0;
                    s.screen->CuteButton4Click();
                },
                [&](int n) { return s.box(n); }, [&] { return s.text(u"Label5"_s); }};
        for (int subTopic = 1; subTopic <= 5; ++subTopic) {
            s.box(1)->choose(subTopic - 1);
            s.button(3)->click();
            sweep(s.harness, c, 30, [&](QString& problem) -> Answer {
                problem = s.text(u"Label3"_s);
                Value v;
                if (const auto m = matched(u"^次の式の□の数は？\n\n□ (.) (\\d+) = (\\d+)$"_s, problem); m.hasMatch()) {
                    // The inverse operation, checked by putting the value back in place of □.
                    const QString op = m.captured(1), b = m.captured(2), r = m.captured(3);
                    const QString inverse = op == u"+"_s   ? u"-"_s
                                            : op == u"-"_s ? u"+"_s
                                            : op == u"x"_s ? u"÷"_s
                                                           : u"x"_s;
                    v = valueOf(r + u' ' + inverse + u' ' + b);
                    if (v && valueOf(QString::number(*v) + u' ' + op + u' ' + b) != r.toLong()) v.reset();
                } else if (problem.endsWith(u" = ?"_s)) {
                    v = valueOf(problem.chopped(4));
                }
                return v && *v >= 0 ? QList<Part>{{{5, 4, 3, 2}, *v}} : QList<Part>{};
            });
        }
    }

    // An improper fraction as a mixed number and back: whole part, numerator and a denominator of
    // 1 … 9 for the 0–9 selectors.
    void fractionConversions()
    {
        ShownScreen<TForm16> s;
        Child c{[&] {
                    replayed = 0;
                    s.screen->CuteButton4Click();
                },
                [&](int n) { return s.box(n); }, [&] { return s.text(u"Label6"_s); }};
        s.box(1)->choose(3);
        s.button(3)->click();
        sweep(s.harness, c, 80, [&](QString& problem) -> Answer {
            const qint64 whole = s.text(u"Label12"_s).toLongLong(), numerator = s.text(u"Label7"_s).toLongLong(),
                         denominator = s.text(u"Label8"_s).toLongLong();
            problem = u"%1 %2/%3"_s.arg(whole).arg(numerator).arg(denominator);
            if (denominator < 1 || denominator > 9 || numerator < 1) return QList<Part>{};
            if (whole > 0) {
                if (numerator >= denominator) return QList<Part>{};
                return QList<Part>{{{4, 3}, whole * denominator + numerator}, {{2}, denominator}};
            }
            if (numerator % denominator == 0) return QList<Part>{};
            return QList<Part>{{{4}, numerator / denominator}, {{3}, numerator % denominator}, {{2}, denominator}};
        });
    }

    // Which of two fractions is larger: the one whose cross product is larger; never equal.
    void fractionComparisons()
    {
        ShownScreen<TForm16> s;
        s.box(1)->choose(1);
        s.button(3)->click();
        s.harness.fallbackDraw = recordedDraw;
        for (int i = 0; i < 80; ++i) {
            newDraws(i == 0 ? Draws::Lowest : i == 1 ? Draws::Highest : Draws::Seeded);
            s.screen->CuteButton4Click();
            const auto value = [&](int whole, int numerator, int denominator) {
                const qint64 d = s.text(u"Label%1"_s.arg(denominator)).toLongLong();
                const qint64 w = s.text(u"Label%1"_s.arg(whole)).toLongLong(),
                             n = s.text(u"Label%1"_s.arg(numerator)).toLongLong();
                return d > 0 ? std::pair{w * d + n, d} : std::pair{w, 1LL};
            };
            const auto [a, b] = value(12, 7, 8);
            const auto [p, q] = value(11, 9, 10);
            QVERIFY(a * q != p * b);
            const int larger = a * q > p * b ? 0 : 1;
            for (int side : {1 - larger, larger}) {
                replayed = 0;
                s.screen->CuteButton4Click();
                s.box(5)->choose(side);
                QCOMPARE(s.text(u"Label6"_s), side == larger ? u"○"_s : u"×"_s);
            }
        }
    }

    // The division drill: quotient and remainder of up to three digits each.
    void divisionDrill()
    {
        Harness h;
        TForm8 form(nullptr, nullptr);
        form.show();
        Child c = drillChild(form);
        for (int subTopic = 1; subTopic <= 3; ++subTopic) {
            c.box(1)->choose(subTopic - 1);
            c.box(2)->choose(0);
            sweep(h, c, 60, [&](QString& problem) -> Answer {
                problem = child<QLabel>(&form, u"Label4"_s)->text();
                const auto [dividend, divisor] = division(problem);
                if (dividend < 0) return QList<Part>{};
                return QList<Part>{{{8, 7, 6}, dividend / divisor}, {{5, 4, 3}, dividend % divisor}};
            });
        }
    }

    // The decimal drill: sums and differences entered from the tens down to the last decimal place.
    void decimalDrill()
    {
        Harness h;
        TForm12 form(nullptr, nullptr);
        form.show();
        Child c = drillChild(form);
        for (int subTopic = 1; subTopic <= 4; ++subTopic) {
            c.box(1)->choose(subTopic - 1);
            c.box(2)->choose(0);
            sweep(h, c, 60, [&](QString& problem) -> Answer {
                problem = child<QLabel>(&form, u"Label4"_s)->text();
                const auto m = matched(u"^(\\d+\\.\\d+) ([+-]) (\\d+\\.\\d+) = \\?$"_s, problem);
                if (!m.hasMatch()) return QList<Part>{};
                const auto [first, places] = decimal(m.captured(1));
                const auto [second, secondPlaces] = decimal(m.captured(3));
                if (places != secondPlaces) return QList<Part>{};
                const qint64 answer = m.captured(2) == u"+"_s ? first + second : first - second;
                return QList<Part>{{QList<int>{7, 6, 5, 4, 3}.first(2 + places), answer}};
            });
        }
    }
};

QTEST_MAIN(TestAnswerKeys)
#include "tst_answerkeys.moc"
