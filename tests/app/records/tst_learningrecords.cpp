// The records window's pages about the lessons, for the child chosen at its top: the lesson
// table, the weak items and their practice button, a lesson's latest answers, the drill charts
// per child and the CSV of the answers. Pictures of them (and of the child picker and the names
// dialog) go to the folder KAZEMARU_SHOTS names.
#include "app/ChildPicker.h"
#include "app/ChildrenDialog.h"
#include "app/records/LearningPages.h"
#include "app/records/LessonTexts.h"
#include "app/records/RecordsWindow.h"
#include "data/untDTM.h"
#include "tests/support/AnswerDriving.h"
#include "tests/support/DrillDriving.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

TForm1* contents(Program& p)
{
    return static_cast<TForm1*>(p.shell.form(1));
}

QString addChild(Program& p, const QString& name, int colour)
{
    ChildProfile added;
    if (p.shell.dataModule()->learningRecord().tryAddChild(name, colour, added)) qFatal("cannot add");
    return added.uid;
}

QString firstChild(Program& p)
{
    QList<ChildProfile> children;
    if (p.shell.dataModule()->learningRecord().tryReadChildren(children)) qFatal("children unreadable");
    return children.value(0).uid;
}

// Answers of `child` in a lesson's menu item, oldest first (true = ○), 30 seconds apart on the
// harness clock, reported to the recorder as a lesson reports them.
void answer(Program& p, const QString& child, int lesson, int subTopic, const QList<bool>& marks)
{
    LearningRecordStore& record = p.shell.dataModule()->learningRecord();
    const QString was = record.currentChildUid();
    record.setCurrentChildUid(child);
    for (bool right : marks) {
        AnswerRecord a;
        a.answeredAt = p.harness.now;
        a.lesson = lesson;
        a.subTopic = subTopic;
        a.problem = u"%1 ÷ 4"_s.arg(p.harness.now.time().minute() * 4 + 8);
        a.given = right ? u"2"_s : u"3"_s;
        a.expected = u"2"_s;
        a.right = right;
        a.seconds = 6.5;
        Probe::answerRecorder(p.shell)->record(a);
        p.harness.now = p.harness.now.addSecs(30);
    }
    record.setCurrentChildUid(was);
}

RecordsWindow* openRecords(Program& p)
{
    child<QAction>(contents(p), u"Kiroku1"_s)->trigger();
    return Probe::recordsWindow(*contents(p));
}

QTabWidget* tabs(RecordsWindow* w)
{
    return child<QTabWidget>(w, u"PageControl1"_s);
}

void choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

void savePicture(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("KAZEMARU_SHOTS");
    QCoreApplication::processEvents();
    if (!folder.isEmpty()) window->grab().save(folder + u'/' + name);
}

QStringList rowTexts(QTreeWidgetItem* row)
{
    QStringList texts;
    for (int c = 0; c < 4; ++c)
        texts << row->text(c);
    return texts;
}

QStringList rowTexts(QTableWidget* table, int row, int columns)
{
    QStringList texts;
    for (int c = 0; c < columns; ++c)
        texts << table->item(row, c)->text();
    return texts;
}

} // namespace

class TestLearningRecords : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void theLessonTableShowsEveryLessonAndItem()
    {
        Program p;
        const QString own = firstChild(p);
        answer(p, own, 3, 1, QList<bool>(9, true) << false);
        p.harness.now = p.harness.now.addDays(2);
        answer(p, own, 3, 2, {false, true, false, false, false});
        answer(p, addChild(p, u"じろう"_s, 1), 3, 3, {true}); // another child's

        RecordsWindow* window = openRecords(p);
        QCOMPARE(tabs(window)->currentWidget(), Probe::lessonTable(*window));
        QTreeWidget* table = Probe::table(*Probe::lessonTable(*window));
        QCOMPARE(table->topLevelItemCount(), 15);
        QCOMPARE(table->topLevelItem(0)->text(0), u"何千兆まで"_s);
        QTreeWidgetItem* division = table->topLevelItem(1);
        // 10 answers with 9 ○ and 5 with 1 ○: 10 of 15, rounded down to 66 %.
        QCOMPARE(rowTexts(division), (QStringList{u"わり算：何十、何百をわる"_s, u"15"_s, u"66%"_s, u"2026/05/19"_s}));
        QCOMPARE(division->childCount(), 3);
        QCOMPARE(rowTexts(division->child(0)), (QStringList{u"　　何十をわる"_s, u"10"_s, u"90%"_s, u"2026/05/17"_s}));
        QCOMPARE(rowTexts(division->child(1)), (QStringList{u"　　何百をわる"_s, u"5"_s, u"20%"_s, u"2026/05/19"_s}));
        QCOMPARE(rowTexts(division->child(2)),
                 (QStringList{u"　　何百何十をわる"_s, u"まだ やっていません"_s, u""_s, u""_s}));
        // Red for 20 % ○, green for 90 %: hue 120 × the rate.
        QCOMPARE(division->child(1)->background(2).color().hsvHue(), 24);
        QCOMPARE(division->child(0)->background(2).color().hsvHue(), 108);
        QCOMPARE(rateColour(0, 4).hsvHue(), 0);
        QCOMPARE(rateColour(4, 4).hsvHue(), 120);
        // A lesson without a menu has one item, named after it; one that judges nothing says so.
        QTreeWidgetItem* mental = table->topLevelItem(3);
        QCOMPARE(mental->text(0), u"わり算：何十、何百でわる（暗算）"_s);
        QCOMPARE(mental->childCount(), 1);
        QCOMPARE(mental->child(0)->text(0), u"　　何十、何百でわる（暗算）"_s);
        QTreeWidgetItem* area = table->topLevelItem(12);
        QCOMPARE(area->text(0), u"面積：長方形や正方形"_s);
        QCOMPARE(area->text(1), u"こたえる もんだいは ありません"_s);
        QCOMPARE(area->childCount(), 0);
        QCOMPARE(table->topLevelItem(6)->child(2)->text(0), u"　　３けたでわる"_s); // the division drill

        // The other child's table.
        choose(child<QComboBox>(window, u"ComboBox2"_s), 1);
        QCOMPARE(rowTexts(table->topLevelItem(1)->child(2)),
                 (QStringList{u"　　何百何十をわる"_s, u"1"_s, u"100%"_s, u"2026/05/19"_s}));
        QCOMPARE(table->topLevelItem(1)->child(0)->text(1), u"まだ やっていません"_s);
        QVERIFY(p.harness.dialogs.empty());
    }

    void weakItemsOpenTheirLessonInTestMode()
    {
        Program p;
        const QString first = firstChild(p);
        const QString second = addChild(p, u"じろう"_s, 1);
        contents(p)->show();
        answer(p, first, 3, 2, {false, true, false, false, false});            // 1 of 5
        answer(p, first, 8, 2, {true, true, true, false, false, false});       // 3 of 6, the division drill
        answer(p, first, 5, 0, {true, false, false, true, false});             // 2 of 5, a lesson without a menu
        answer(p, first, 13, 3, {false, true, false, true, false, false});     // 2 of 6
        answer(p, first, 15, 2, {true, true, true, false, false, true, true}); // 5 of 7
        answer(p, first, 16, 1, {false, false, false, false});                 // too few
        answer(p, second, 9, 2, {false, false, true, true, false});

        RecordsWindow* window = openRecords(p);
        tabs(window)->setCurrentWidget(Probe::weakItems(*window));
        auto* list = child<QTableWidget>(window, u"WeakList"_s);
        QCOMPARE(list->rowCount(), 5);
        QCOMPARE(rowTexts(list, 0, 4),
                 (QStringList{u"わり算：何十、何百をわる"_s, u"何百をわる"_s, u"5もん中 ○1"_s, u"20%"_s}));
        QCOMPARE(rowTexts(list, 1, 4),
                 (QStringList{u"がい数：四捨五入"_s, u"○の位で四捨五入"_s, u"6もん中 ○2"_s, u"33%"_s}));
        QCOMPARE(rowTexts(list, 2, 4), (QStringList{u"わり算：何十、何百でわる（暗算）"_s,
                                                    u"何十、何百でわる（暗算）"_s, u"5もん中 ○2"_s, u"40%"_s}));
        QCOMPARE(rowTexts(list, 3, 4),
                 (QStringList{u"わり算のドリル"_s, u"２けたでわる"_s, u"6もん中 ○3"_s, u"50%"_s}));
        QCOMPARE(rowTexts(list, 4, 4),
                 (QStringList{u"計算のきまり"_s, u"＋－×÷のある計算"_s, u"7もん中 ○5"_s, u"71%"_s}));
        savePicture(window, u"records-weak.png"_s);

        // The weakest: its lesson opens on its menu item in test mode, for the child shown.
        child<QAbstractButton>(list, u"Practise1"_s)->click();
        auto* division = static_cast<LessonScreen*>(p.shell.form(3));
        QVERIFY(division->isVisible());
        QVERIFY(!window->isVisible());
        QCOMPARE(division->subTopic(), 2);
        QCOMPARE(division->lessonMode(), int(Test));
        QCOMPARE(child<QAbstractButton>(division, u"CuteButton3"_s)->text(), u"テスト"_s);
        QVERIFY(child<QAbstractButton>(division, u"CuteButton4"_s)->isEnabled()); // "つぎへ" poses a problem
        division->hide();

        // A lesson without a menu: straight into test mode.
        openRecords(p);
        child<QAbstractButton>(list, u"Practise3"_s)->click();
        auto* mental = static_cast<LessonScreen*>(p.shell.form(5));
        QVERIFY(mental->isVisible());
        QCOMPARE(mental->lessonMode(), int(Test));
        mental->hide();

        // A drill: its menu item chosen; the child picks the time as always.
        openRecords(p);
        child<QAbstractButton>(list, u"Practise4"_s)->click();
        auto* drill = static_cast<DrillScreen*>(p.shell.form(8));
        QVERIFY(drill->isVisible());
        QCOMPARE(drill->subTopic(), 2);
        QVERIFY(drillBox(*drill, 2)->isEnabled());
        drill->hide();

        // Another child's weak item: that child studies it now.
        window = openRecords(p);
        choose(child<QComboBox>(window, u"ComboBox2"_s), 1);
        QCOMPARE(list->rowCount(), 1);
        child<QAbstractButton>(list, u"Practise1"_s)->click();
        QVERIFY(p.shell.form(9)->isVisible());
        QCOMPARE(static_cast<LessonScreen*>(p.shell.form(9))->subTopic(), 2);
        QCOMPARE(p.shell.dataModule()->learningRecord().currentChildUid(), second);
        QCOMPARE(child<StatusBar>(contents(p), u"StatusBar1"_s)->panelText(0), u"べんきょうする人： じろう"_s);
        QVERIFY(p.harness.dialogs.empty());
    }

    void aLessonsLatestAnswersComeNewestFirst()
    {
        Program p;
        const QString own = firstChild(p);
        answer(p, own, 15, 1, QList<bool>(60, true));
        answer(p, own, 15, 4, QList<bool>(45, false));
        answer(p, own, 3, 3, {true, false});
        AnswerRecord again;
        again.answeredAt = p.harness.now;
        again.lesson = 3;
        again.subTopic = 3;
        again.problem = u"840 ÷ 4"_s;
        again.given = u"210"_s;
        again.expected = u"210"_s;
        again.right = true;
        again.seconds = 3.75;
        again.attempt = 2;
        Probe::answerRecorder(p.shell)->record(again);

        RecordsWindow* window = openRecords(p);
        AnswersPage* page = Probe::answersPage(*window);
        tabs(window)->setCurrentWidget(page);
        auto* grid = child<QTableWidget>(page, u"AnswerGrid"_s);
        QCOMPARE(page->lesson(), 3); // the lesson answered last
        QCOMPARE(grid->rowCount(), 3);
        // 60 and 45 answers 30 s apart from 15:42, then two at 16:34:30 and 16:35, the second try at 16:35:30.
        QCOMPARE(rowTexts(grid, 0, 7), (QStringList{u"2026/05/17 16:35"_s, u"何百何十をわる"_s, u"840 ÷ 4"_s, u"210"_s,
                                                    u"210"_s, u"○（2かいめ）"_s, u"3.8"_s}));
        QCOMPARE(rowTexts(grid, 1, 7), (QStringList{u"2026/05/17 16:35"_s, u"何百何十をわる"_s, u"148 ÷ 4"_s, u"3"_s,
                                                    u"2"_s, u"×"_s, u"6.5"_s}));
        QCOMPARE(grid->item(2, 0)->text(), u"2026/05/17 16:34"_s);

        // 105 answers in the rules lesson: the latest 100, the newest first.
        const auto box = child<QComboBox>(page, u"ComboBox3"_s);
        choose(box, box->findData(15));
        QCOMPARE(grid->rowCount(), 100);
        QCOMPARE(grid->item(0, 0)->text(), u"2026/05/17 16:34"_s); // the 105th, at 16:34:00
        QCOMPARE(grid->item(0, 1)->text(), u"たし算とひき算の関係"_s);
        QCOMPARE(grid->item(0, 5)->text(), u"×"_s);
        QCOMPARE(grid->item(99, 0)->text(), u"2026/05/17 15:44"_s); // the 6th: 5 × 30 s after the first
        QCOMPARE(grid->item(99, 5)->text(), u"○"_s);
        savePicture(window, u"records-answers.png"_s);
    }

    void theAnswersCsv()
    {
        Program p;
        const QString own = addChild(p, u"\"ゆう\",き"_s, 2);
        p.shell.dataModule()->learningRecord().setCurrentChildUid(own);
        AnswerRecord a;
        a.answeredAt = QDateTime(QDate(2026, 5, 17), QTime(15, 42, 5, 250));
        a.lesson = 16;
        a.subTopic = 2;
        a.kind = u"大小"_s;
        a.problem = u"3/5, 4/5 \"どちらが大きい\""_s;
        a.given = u"4/5"_s;
        a.expected = u"4/5"_s;
        a.right = true;
        a.seconds = 8.04;
        Probe::answerRecorder(p.shell)->record(a);
        a.answeredAt = a.answeredAt.addSecs(40);
        a.lesson = 5;
        a.subTopic = 0;
        a.kind.clear();
        a.problem = u"720 ÷ 80"_s;
        a.given = u"8"_s;
        a.expected = u"9"_s;
        a.right = false;
        a.seconds = 11.96;
        a.attempt = 2;
        Probe::answerRecorder(p.shell)->record(a);
        answer(p, firstChild(p), 3, 1, {true}); // another child's, not in this file

        RecordsWindow* window = openRecords(p);
        choose(child<QComboBox>(window, u"ComboBox2"_s), 1);
        QTemporaryDir out;
        QString suggested;
        window->setFileChooser([&](QWidget*, const QString& s) {
            suggested = s;
            return out.filePath(u"answers.csv"_s);
        });
        child<QAbstractButton>(window, u"CuteButton3"_s)->click();
        QVERIFY(suggested.endsWith(u"/こたえ-\"ゆう\",き.csv"_s));
        QFile csv(out.filePath(u"answers.csv"_s));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(bytes.mid(3)),
                 u"日時,なまえ,レッスン,メニュー,しゅるい,もんだい,こたえ,正しい答え,○×,なんかいめ,びょう\r\n"
                 u"2026-05-17 15:42:05,\"\"\"ゆう\"\",き\",分数：分数について,分数の大小,大小,"
                 u"\"3/5, 4/5 \"\"どちらが大きい\"\"\",4/5,4/5,○,1,8.0\r\n"
                 u"2026-05-17 15:42:45,\"\"\"ゆう\"\",き\",わり算：何十、何百でわる（暗算）,何十、何百でわる（暗算）,,"
                 u"720 ÷ 80,8,9,×,2,12.0\r\n"_s);
        QCOMPARE(p.harness.dialogs.back().kind, DialogKind::Information);
    }

    void theDrillChartsAreEachChilds()
    {
        Program p;
        Harness& h = p.harness;
        const QString second = addChild(p, u"じろう"_s, 1);
        auto* division = static_cast<DrillScreen*>(p.shell.form(8));
        division->show();
        const auto run = [&](int answers) {
            chooseDrill(*division, 1, 0);
            drillButton(*division, 3)->click();
            for (int i = 0; i < answers; ++i) {
                if (i > 0) drillButton(*division, 4)->click();
                answerPosed(*division, true);
            }
            drillButton(*division, 5)->click();
            h.now = h.now.addDays(1);
        };
        run(2);
        run(3);
        p.shell.dataModule()->learningRecord().setCurrentChildUid(second);
        run(4);
        division->hide();

        RecordsWindow* window = openRecords(p);
        QCOMPARE(window->runs().size(), 1); // the child studying now is shown first
        QCOMPARE(window->runs()[0].problems, 4);
        choose(child<QComboBox>(window, u"ComboBox2"_s), 0);
        QCOMPARE(window->runs().size(), 2);
        QCOMPARE(window->runs()[0].problems, 2);
        QCOMPARE(window->runs()[1].problems, 3);
        QCOMPARE(Probe::scoreSeries(*window)->points().size(), 2);
    }

    void picturesOfThePickerTheTableAndTheNames()
    {
        Program p;
        Harness& h = p.harness;
        h.fallbackDraw = [](int n) {
            static unsigned next = 5;
            next = next * 1103515245u + 12345u;
            return int(next >> 16) % n;
        };
        ChildrenDialog* names = nullptr;
        child<QAction>(contents(p), u"Namae1"_s)->trigger();
        names = Probe::childrenDialog(*contents(p));
        for (const auto& [name, colour] : {std::pair{u"はなこ"_s, 0}, {u"じろう"_s, 1}, {u"さくら"_s, 3}}) {
            child<QLineEdit>(names, u"Edit1"_s)->setText(name);
            child<QAbstractButton>(names, u"Colour%1"_s.arg(colour + 1))->click();
            child<QAbstractButton>(names, u"CuteButton1"_s)->click();
        }
        child<QListWidget>(names, u"ListBox1"_s)->setCurrentRow(0);
        savePicture(names, u"names.png"_s);
        names->close();

        contents(p)->show();
        contents(p)->openRecord();
        savePicture(contents(p), u"picker.png"_s);
        child<QAbstractButton>(Probe::childPicker(*contents(p)), u"Child2"_s)->click();
        savePicture(contents(p), u"contents-child.png"_s);

        // Two weeks of lessons through the real screens, answered mostly right.
        for (int day = 0; day < 14; day += 3) {
            h.now = QDateTime(QDate(2026, 5, 4 + day), QTime(16, 0));
            const int k = day / 3;
            for (const auto& [form, sub] : {std::pair{3, 1 + k % 3}, {13, 2 + k % 3}, {15, 1 + k % 5}}) {
                LessonScreen* screen = poseInTest(p.shell, form, sub);
                for (int i = 0; i < 6; ++i)
                    answerInTest(h, screen, (i + k + form) % (2 + k) != 0, 3.0 + i);
                screen->hide();
            }
        }
        RecordsWindow* window = openRecords(p);
        savePicture(window, u"records-lessons.png"_s);
        tabs(window)->setCurrentWidget(Probe::weakItems(*window));
        savePicture(window, u"records-weak-lessons.png"_s);
        tabs(window)->setCurrentWidget(Probe::answersPage(*window));
        savePicture(window, u"records-answers-lessons.png"_s);
        QVERIFY(h.dialogs.empty());
    }
};

QTEST_MAIN(TestLearningRecords)
#include "tst_learningrecords.moc"
