// Every lesson that judges reports each judged answer of its test mode, and the drills each answer:
// the problem as shown on one line, the answer given and the right one written alike, the mark,
// the lesson, menu item and kind, the seconds from posing and the try. Driven through the real
// screens of the whole program with scripted draws and a fake clock.
#include "app/Unit1.h"
#include "frame/LessonScreen.h"
#include "tests/support/JudgedAnswers.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

constexpr int none = -1;
// How a lesson lets the child try the same problem again: not at all (the selectors are off once
// judged), by choosing the answer's digits again, or after its restore button.
constexpr int noRetry = -1, chooseAgain = 0;

const QDateTime posedAt(QDate(2026, 6, 3), QTime(16, 5, 0));

} // namespace

class AnswerRecords : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<Program> program;
    LessonScreen* screen = nullptr;

    QAbstractButton* button(int n) { return child<QAbstractButton>(screen, u"CuteButton%1"_s.arg(n)); }
    SimpleComboBox* box(int n) { return child<SimpleComboBox>(screen, u"ComboBox%1"_s.arg(n)); }
    bool isDrill(int form) const { return form == 8 || form == 12; }

    // The lesson opened from the contents screen, its menu item (and problem menu item) chosen
    // and test mode on; a drill started without a time limit.
    LessonScreen* open(int form, int subTopic, int problemItem)
    {
        static_cast<TForm1*>(program->shell.form(1))->openLesson(form);
        screen = static_cast<LessonScreen*>(program->shell.form(form));
        if (subTopic > 0) box(1)->choose(subTopic - 1);
        if (isDrill(form)) {
            box(2)->choose(0);
            return screen;
        }
        if (problemItem != none) box(2)->choose(problemItem);
        button(3)->click();
        return screen;
    }
    // A problem from the draws, posed at posedAt by the monotonic clock's 60 s: a drill's first by
    // "スタート", every other by "つぎへ".
    void pose(int form, const QList<int>& draws, bool first)
    {
        Harness& h = program->harness;
        for (int d : draws)
            h.queueDraws({d});
        h.now = posedAt;
        h.monotonic = 60'000;
        button(isDrill(form) && first ? 3 : 4)->click();
    }
    // Time passes before the child's choices judge.
    void after(qint64 ms, qint64 seconds)
    {
        program->harness.monotonic += ms;
        program->harness.now = program->harness.now.addSecs(seconds);
    }

  private Q_SLOTS:
    void init() { program = std::make_unique<Program>(); }
    void cleanup() { program.reset(); }

    void everyJudgementReported_data();
    void everyJudgementReported();
    void studyModeReportsNothing();
};

void AnswerRecords::everyJudgementReported_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<int>("problemItem"); // the problem menu's item, where the lesson has one
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<Choices>("rightChoices"); // empty: the screen's answer key
    QTest::addColumn<Choices>("wrongChoices"); // empty: the key with a wrong last digit
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("retry");

    const Choices key;
    // 20 千万 written in kanji: 二 and 億, then ◆; a 三 instead is wrong.
    const Choices twoOku{{12, 1}, {11, 1}, {11, 6}}, threeOku{{12, 2}, {11, 1}, {11, 6}};

    QTest::newRow("2 kanji") << 2 << 1 << none << QList<int>{0, 0, 19} << twoOku << threeOku
                             << u"次の数を 漢字で 書くと？ 200000000"_s << u"二億"_s << u"三億"_s << u"漢字で書く"_s
                             << chooseAgain;
    QTest::newRow("2 digits") << 2 << 1 << none << QList<int>{5, 0, 19} << key << key
                              << u"次の数を 数字で 書くと？ 二億"_s << u"200000000"_s << u"210000000"_s
                              << u"数字で書く"_s << chooseAgain;
    QTest::newRow("2 times") << 2 << 2 << none << QList<int>{3, 6, 19} << key << key << u"20億の100倍は？"_s
                             << u"2000億"_s << u"2000億1千万"_s << u"100倍"_s << chooseAgain;
    QTest::newRow("3") << 3 << 2 << none << QList<int>{2, 1} << key << key << u"800 ÷ 4 = ?"_s << u"200"_s << u"201"_s
                       << QString() << chooseAgain;
    QTest::newRow("4") << 4 << 2 << none << QList<int>{0, 1, 805} << key << key << u"906 ÷ 3 = ?"_s << u"302"_s
                       << u"302 あまり 1"_s << QString() << 7;
    QTest::newRow("5") << 5 << 0 << none << QList<int>{10, 2, 4, 0} << key << key << u"250 ÷ 60 = ?"_s
                       << u"4 あまり 10"_s << u"4 あまり 11"_s << u"何十でわる"_s << chooseAgain;
    QTest::newRow("6") << 6 << 2 << none << QList<int>{3, 2, 1, 3, 4} << key << key << u"453 ÷ 32 = ?"_s
                       << u"14 あまり 5"_s << u"14 あまり 6"_s << QString() << 7;
    QTest::newRow("7") << 7 << 2 << none << QList<int>{0, 2, 2, 2429} << key << key << u"12430 ÷ 123 = ?"_s
                       << u"101 あまり 7"_s << u"101 あまり 8"_s << QString() << 7;
    QTest::newRow("8") << 8 << 1 << none << QList<int>{0, 5, 39} << key << key << u"50 ÷ 7 = ?"_s << u"7 あまり 1"_s
                       << u"7 あまり 2"_s << QString() << noRetry;
    QTest::newRow("9 count") << 9 << 2 << 0 << QList<int>{0, 3} << key << key
                             << u"0.5 は、 0.1 を いくつ あつめた数？"_s << u"5 コ"_s << u"6 コ"_s << u"小数のしくみ"_s
                             << chooseAgain;
    QTest::newRow("9 split") << 9 << 2 << 0 << QList<int>{6, 14} << key << key
                             << u"2.5 は、 1 を いくつと 0.1 を いくつ あつめた数？"_s << u"2 コ と 5 コ"_s
                             << u"2 コ と 6 コ"_s << u"小数のしくみ"_s << chooseAgain;
    QTest::newRow("9 units") << 9 << 2 << 2 << QList<int>{3, 1, 4} << key << key << u"2 ｍ 50 ｃｍ は、何ｍ？"_s
                             << u"2.5 ｍ"_s << u"2.6 ｍ"_s << u"単位をかえる"_s << chooseAgain;
    QTest::newRow("10") << 10 << 1 << none << QList<int>{7, 6, 25, 4, 8} << key << key << u"6.4 + 35.8 = ?"_s
                        << u"42.2"_s << u"52.2"_s << QString() << noRetry;
    QTest::newRow("11") << 11 << 2 << 1 << QList<int>{4455, 2000} << key << key << u"5.456 - 3.001 = ?"_s << u"2.455"_s
                        << u"3.455"_s << u"小数第三位"_s << noRetry;
    QTest::newRow("12") << 12 << 2 << none << QList<int>{0, 225, 68} << key << key << u"3.25 + 1.68 = ?"_s << u"4.93"_s
                        << u"4.94"_s << u"小数第二位"_s << noRetry;
    QTest::newRow("13") << 13 << 4 << none << QList<int>{2, 1735, 0} << key << key
                        << u"2736 の 上から２けたの がい数は？"_s << u"2700"_s << u"2701"_s << QString() << chooseAgain;
    QTest::newRow("15") << 15 << 4 << none << QList<int>{0, 12, 5} << key << key << u"次の式の□の数は？ □ + 16 = 39"_s
                        << u"23"_s << u"24"_s << QString() << chooseAgain;
    QTest::newRow("16 compare") << 16 << 2 << none << QList<int>{0, 2, 3, 2} << key << key
                                << u"どちらの分数が大きい？ 3/5 と 4/5"_s << u"4/5"_s << u"3/5"_s << u"分母が同じ"_s
                                << chooseAgain;
    QTest::newRow("16 to mixed") << 16 << 4 << none << QList<int>{0, 4, 3} << key << key
                                 << u"次の分数を帯分数になおすと？ 7/5"_s << u"1と2/5"_s << u"1と2/6"_s
                                 << u"仮分数を帯分数に"_s << chooseAgain;
    QTest::newRow("16 to improper") << 16 << 4 << none << QList<int>{5, 2, 1, 1} << key << key
                                    << u"次の分数を仮分数になおすと？ 2と3/4"_s << u"11/4"_s << u"11/5"_s
                                    << u"帯分数を仮分数に"_s << chooseAgain;
}

// A wrong answer, another try where the lesson gives one, then the same problem posed afresh and
// answered right.
void AnswerRecords::everyJudgementReported()
{
    QFETCH(int, form);
    QFETCH(int, subTopic);
    QFETCH(int, problemItem);
    QFETCH(QList<int>, draws);
    QFETCH(Choices, rightChoices);
    QFETCH(Choices, wrongChoices);
    QFETCH(QString, problem);
    QFETCH(QString, expected);
    QFETCH(QString, wrong);
    QFETCH(QString, kind);
    QFETCH(int, retry);

    JudgedAnswers judged(open(form, subTopic, problemItem));
    QVERIFY(judged.records.isEmpty());
    pose(form, draws, true);
    const Choices key = rightChoices.isEmpty() ? Probe::answerKey(*screen) : rightChoices;
    QVERIFY(!key.isEmpty());
    after(4'500, 4);
    choose(screen, wrongChoices.isEmpty() ? wrongLast(screen, key) : wrongChoices);
    QCOMPARE(judged.records.size(), 1);

    const auto check = [&](const AnswerRecord& r, const QString& given, bool right, double seconds, int attempt,
                           int secondsOfDay) {
        QVERIFY(r.uid.isEmpty() && r.childUid.isEmpty());
        QCOMPARE(r.answeredAt, posedAt.addSecs(secondsOfDay));
        QCOMPARE(r.lesson, form);
        QCOMPARE(r.subTopic, subTopic);
        QCOMPARE(r.kind, kind);
        QCOMPARE(r.problem, problem);
        QCOMPARE(r.given, given);
        QCOMPARE(r.expected, expected);
        QCOMPARE(r.right, right);
        QCOMPARE(r.seconds, seconds);
        QCOMPARE(r.attempt, attempt);
    };
    check(judged.records[0], wrong, false, 4.5, 1, 4);
    if (QTest::currentTestFailed()) return;

    // The same problem again: a new try, its seconds still counted from posing.
    after(2'000, 3);
    if (retry > 0) button(retry)->click();
    choose(screen, key);
    if (retry == noRetry) {
        QCOMPARE(judged.records.size(), 1);
    } else {
        QCOMPARE(judged.records.size(), 2);
        check(judged.records[1], expected, true, 6.5, 2, 7);
        if (QTest::currentTestFailed()) return;
    }

    const qsizetype before = judged.records.size();
    pose(form, draws, false);
    after(1'250, 9);
    choose(screen, rightChoices.isEmpty() ? Probe::answerKey(*screen) : rightChoices);
    QCOMPARE(judged.records.size(), before + 1);
    check(judged.records.back(), expected, true, 1.25, 1, 9);
}

// The rounding lesson's next button poses a problem in study mode too, and its answer is judged
// on the screen: nothing is reported until the mode is test.
void AnswerRecords::studyModeReportsNothing()
{
    static_cast<TForm1*>(program->shell.form(1))->openLesson(13);
    screen = static_cast<LessonScreen*>(program->shell.form(13));
    JudgedAnswers judged(screen);
    box(1)->choose(3);
    button(3)->click();
    button(3)->click(); // back to study; the next button stays on
    QCOMPARE(screen->lessonMode(), int(Study));
    program->harness.queueDraws({2, 1735, 0});
    button(4)->click();
    choose(screen, {{5, 2}, {4, 7}, {3, 0}, {2, 0}}); // 2700
    QCOMPARE(child<QLabel>(screen, u"Label6"_s)->text(), u"○"_s);
    QVERIFY(judged.records.isEmpty());
}

QTEST_MAIN(AnswerRecords)
#include "tst_answerrecords.moc"
