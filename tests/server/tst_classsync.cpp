// The program with a class server, against a real PostgreSQL server: computers of two classes
// whose children answer in the real lessons, the teacher's window, the server gone away in the
// middle of a lesson, the program killed while it sends, and the settings dialog.
#include "app/ClassLink.h"
#include "app/ClassServerDialog.h"
#include "app/Shell.h"
#include "app/Unit1.h"
#include "app/records/ClassTable.h"
#include "app/records/LearningPages.h"
#include "app/records/RecordsWindow.h"
#include "app/records/TeacherWindow.h"
#include "data/ClassSender.h"
#include "data/LearningRecordStore.h"
#include "data/untDTM.h"
#include "tests/server/ServerCluster.h"
#include "tests/support/AnswerDriving.h"
#include "tests/support/Probe.h"
#include "tests/support/RecordFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <csignal>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

// Names with quotes, backslashes, SQL and Japanese, at most ten characters as the names dialog
// allows.
const QString hostileA = u"ゆう'); --"_s;
const QString hostileB = u"\"\\%_はな\""_s;
const QString hostileC = u"太郎\\'ｘ"_s;

void writeUserSettings(const ClassServerSettings& s)
{
    QSettings user(QSettings::NativeFormat, QSettings::UserScope, u"Kazemaru"_s, u"Kazemaru"_s);
    user.clear();
    s.write(user);
    user.sync();
}

// A class computer: the program on a database folder of its own, its only child renamed.
struct Computer {
    QTemporaryDir dir;
    std::unique_ptr<Shell> shell;
    QString childUid;

    explicit Computer(const QString& childName)
    {
        {
            TDataModule1 dm(dir.path());
            QList<ChildProfile> children;
            if (dm.learningRecord().tryReadChildren(children) || children.size() != 1) qFatal("no first child");
            children[0].name = childName;
            if (dm.learningRecord().tryUpdateChild(children[0])) qFatal("cannot rename");
            childUid = children[0].uid;
        }
        shell = std::make_unique<Shell>(dir.path());
        contents()->openRecord(); // reads the settings as they are now and starts sending
    }
    TForm1* contents() const { return static_cast<TForm1*>(shell->form(1)); }
    ClassLink* link() const { return Probe::classLink(*shell); }
    bool allSent(int ms = 30000) const
    {
        ClassSender* sender = Probe::sender(*link());
        return sender && Probe::waitUntilSent(*sender, ms);
    }
    // Answers in test mode of lesson `form`'s menu item `item`, right or wrong in turn as given.
    void answer(Harness& h, int form, int item, const QList<bool>& marks) const
    {
        LessonScreen* screen = poseInTest(*shell, form, item);
        for (bool right : marks)
            answerInTest(h, screen, right);
        screen->hide();
        Probe::answerRecorder(*shell)->waitUntilStored(5000);
    }
    QString database() const { return dir.path() + u"/kyozai.sqlite3"_s; }
};

// With KAZEMARU_SHOTS=<folder>, pictures of the windows as the tests leave them, to look at.
void shoot(QWidget* w, const QString& name)
{
    const QString folder = qEnvironmentVariable("KAZEMARU_SHOTS");
    if (folder.isEmpty()) return;
    w->show();
    QApplication::processEvents();
    w->grab().save(folder + u'/' + name + u".png"_s);
}

QSet<QString> column(const QList<QStringList>& rows)
{
    QSet<QString> s;
    for (const QStringList& r : rows)
        s.insert(r.value(0));
    return s;
}

} // namespace

class TestClassSync : public QObject {
    Q_OBJECT
    ServerCluster cluster_;
    QTemporaryDir config_;
    std::unique_ptr<Harness> h_;

    // The server's answers of a child, by id, as the cluster's administrator reads them.
    QList<QStringList> serverAnswers(const QString& childUid)
    {
        QSqlDatabase db = QSqlDatabase::database(u"admin"_s);
        QSqlQuery q(db);
        q.prepare(u"SELECT uid::text, lesson, sub_topic, correct FROM kazemaru.answers WHERE child_uid = ?::uuid"_s);
        q.addBindValue(childUid);
        if (!q.exec()) qFatal("%s", qPrintable(q.lastError().text()));
        QList<QStringList> rows;
        while (q.next())
            rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                q.value(3).toBool() ? u"1"_s : u"0"_s};
        return rows;
    }
    bool cluster(const char* command)
    {
        QProcess p;
        p.start(u"bash"_s, {QStringLiteral(KAZEMARU_SOURCE_DIR "/scripts/pg-test-cluster.sh"),
                            QString::fromLatin1(command), qEnvironmentVariable("KAZEMARU_PG_ENV")});
        return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    // The teacher's window after a login, or null when the class table did not come.
    std::unique_ptr<TeacherWindow> teacherWindow(const char* which)
    {
        auto w = std::make_unique<TeacherWindow>(cluster_.pupil(which), nullptr);
        const ClassServerSettings t = cluster_.teacher(which);
        child<QLineEdit>(w.get(), u"Edit1"_s)->setText(t.user);
        child<QLineEdit>(w.get(), u"Edit2"_s)->setText(cluster_.password(t));
        shoot(w.get(), u"teacher-login-"_s + QLatin1String(which));
        QSignalSpy shown(w.get(), &TeacherWindow::classShown);
        w->CuteButton1Click();
        if (!shown.wait(15000)) return nullptr;
        return w;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        if (!cluster_.load()) QSKIP("no test cluster");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path() + u"/user"_s);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, config_.path() + u"/system"_s);
        qputenv("PGPASSFILE", (config_.path() + u"/pgpass"_s).toLocal8Bit());
        for (const char* which : {"A", "B"}) {
            const ClassServerSettings s = cluster_.pupil(which);
            QVERIFY(PasswordFile::store(s, cluster_.password(s)).isEmpty());
        }
        QSqlDatabase admin = cluster_.admin(u"admin"_s);
        QVERIFY2(admin.open(), qPrintable(admin.lastError().text()));
        h_ = std::make_unique<Harness>();
        h_->fallbackDraw = [](int n) {
            static unsigned next = 7;
            next = next * 1103515245u + 12345u;
            return int(next >> 16) % n;
        };
    }

    void cleanupTestCase()
    {
        QSqlDatabase::removeDatabase(u"admin"_s);
        h_.reset();
    }

    // Two computers of class 4-1 and one of 4-2 answer in real lessons; every answer reaches the
    // server once, each class's teacher sees their own class's children only, with their counts
    // and % ○, and the names exactly as typed.
    void twoClassesAnswerAndEachTeacherSeesTheirOwn()
    {
        writeUserSettings(cluster_.pupil("A"));
        Computer one(hostileA);
        one.answer(*h_, 3, 1, {true, false, true, false, false});
        one.answer(*h_, 15, 1, {true, true, true});
        QVERIFY(one.allSent());
        QCOMPARE(one.link()->statusText(), u"クラス 4-1： つながっています"_s);

        // The second computer of the class finds the first one's child on the roster.
        Computer two(hostileB);
        two.answer(*h_, 3, 1, {false, false, true});
        QVERIFY(two.allSent());
        QList<ChildProfile> pickable;
        QVERIFY(!two.link()->tryReadPickable(pickable));
        QStringList names;
        for (const ChildProfile& c : pickable)
            names << c.name;
        QVERIFY2(names.contains(hostileA) && names.contains(hostileB), qPrintable(names.join(u'|')));

        writeUserSettings(cluster_.pupil("B"));
        Computer three(hostileC);
        three.answer(*h_, 3, 1, {true});
        QVERIFY(three.allSent());

        // Every answer once, with its lesson, item and mark.
        const auto marks = [](const QList<QStringList>& rows) {
            QMap<QString, int> m; // "lesson/item/correct" → answers
            for (const QStringList& r : rows)
                ++m[r[1] + u'/' + r[2] + u'/' + r[3]];
            return m;
        };
        QCOMPARE(marks(serverAnswers(one.childUid)),
                 (QMap<QString, int>{{u"3/1/1"_s, 2}, {u"3/1/0"_s, 3}, {u"15/1/1"_s, 3}}));
        QCOMPARE(marks(serverAnswers(two.childUid)), (QMap<QString, int>{{u"3/1/1"_s, 1}, {u"3/1/0"_s, 2}}));
        QCOMPARE(marks(serverAnswers(three.childUid)), (QMap<QString, int>{{u"3/1/1"_s, 1}}));
        for (const Computer* c : {&one, &two, &three}) {
            RawFile local(c->database());
            QCOMPARE(local.value(u"SELECT count(*) FROM answers WHERE sent IS NULL"_s), u"0"_s);
            QCOMPARE(column(local.rows(u"SELECT uid FROM answers"_s)), column(serverAnswers(c->childUid)));
        }

        // The teacher of 4-1: both children of the class, names as typed, none of 4-2.
        std::unique_ptr<TeacherWindow> a = teacherWindow("A");
        QVERIFY(a);
        ClassTableModel* table = Probe::classTable(*a);
        const auto columnOf = [table](const QString& uid) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (table->children()[c].uid == uid) return c;
            return -1;
        };
        const auto rowOf = [table](int lesson, int item) {
            for (int r = 0; r < table->rowCount(); ++r)
                if (table->lessonOf(r) == lesson && table->itemOf(r) == item) return r;
            return -1;
        };
        const int c1 = columnOf(one.childUid), c2 = columnOf(two.childUid);
        QVERIFY(c1 >= 0 && c2 >= 0);
        QCOMPARE(columnOf(three.childUid), -1);
        QCOMPARE(table->headerData(c1, Qt::Horizontal, Qt::DisplayRole).toString(), hostileA);
        QCOMPARE(table->headerData(c2, Qt::Horizontal, Qt::DisplayRole).toString(), hostileB);
        struct Cell {
            int lesson, item, column, answers, rights;
            QString shown;
        };
        const QList<Cell> cells{{3, 1, c1, 5, 2, u"40%"_s},   {3, -1, c1, 5, 2, u"40%"_s},
                                {15, 1, c1, 3, 3, u"100%"_s}, {15, -1, c1, 3, 3, u"100%"_s},
                                {3, 1, c2, 3, 1, u"33%"_s},   {3, -1, c2, 3, 1, u"33%"_s}};
        for (const Cell& cell : cells) {
            const QModelIndex i = table->index(rowOf(cell.lesson, cell.item), cell.column);
            QVERIFY(i.isValid());
            QCOMPARE(i.data(ClassTableModel::AnswersRole).toInt(), cell.answers);
            QCOMPARE(i.data(ClassTableModel::RightsRole).toInt(), cell.rights);
            QCOMPARE(i.data().toString(), cell.shown);
        }
        // Never practised: a plain cell.
        const QModelIndex never = table->index(rowOf(15, 1), c2);
        QVERIFY(!never.data().isValid() && !never.data(Qt::BackgroundRole).isValid());
        // A weak cell stands out from a strong one.
        QVERIFY(table->index(rowOf(3, 1), c2).data(Qt::BackgroundRole) !=
                table->index(rowOf(15, 1), c1).data(Qt::BackgroundRole));

        shoot(a.get(), u"teacher-class"_s);

        // A child's own pages, from the server: にがて over the item's last answers, and the
        // answers of the lesson answered last (15, after 3), newest first.
        auto* childBox = child<QComboBox>(a.get(), u"ComboBox2"_s);
        childBox->setCurrentIndex(childBox->findData(one.childUid));
        QSignalSpy childShown(a.get(), &TeacherWindow::childShown);
        a->ComboBox2Change();
        QVERIFY(childShown.wait(10000));
        QTableWidget* weak = Probe::weakItems(*a)->findChild<QTableWidget*>();
        QCOMPARE(weak->rowCount(), 1);
        QCOMPARE(weak->item(0, 2)->text(), u"5もん中 ○2"_s);
        QCOMPARE(weak->item(0, 3)->text(), u"40%"_s);
        QTableWidget* answers = Probe::answersPage(*a)->findChild<QTableWidget*>();
        QCOMPARE(answers->rowCount(), 3);

        // The class's answers as CSV: every answer of each child of the class under their name as
        // typed (a quote doubled inside a quoted field), none of the other class. (The test
        // command starts a new cluster for every run, so these names are this run's only.)
        const QString csv = config_.path() + u"/class.csv"_s;
        a->setFileChooser([csv](QWidget*, const QString&) { return csv; });
        a->CuteButton2Click();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(csv), 10000);
        QFile csvFile(csv);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csvFile.readAll()).split(u'\n');
        const auto linesWith = [&lines](const QString& text) {
            return std::count_if(lines.cbegin(), lines.cend(), [&](const QString& l) { return l.contains(text); });
        };
        QCOMPARE(linesWith(u","_s + hostileA + u","_s), 8);
        QCOMPARE(linesWith(u",\"\"\"\\%_はな\"\"\","_s), 3);
        QCOMPARE(linesWith(hostileC), 0);
        shoot(one.contents(), u"contents-status"_s);
        if (qEnvironmentVariableIsSet("KAZEMARU_SHOTS")) {
            one.contents()->Kiroku1Click();
            shoot(Probe::recordsWindow(*one.contents()), u"records-window"_s);
        }

        // The teacher of 4-2 sees 4-2's child only.
        std::unique_ptr<TeacherWindow> b = teacherWindow("B");
        QVERIFY(b);
        ClassTableModel* other = Probe::classTable(*b);
        QStringList uids;
        for (const ChildProfile& c : other->children())
            uids << c.uid;
        QVERIFY(uids.contains(three.childUid));
        QVERIFY(!uids.contains(one.childUid) && !uids.contains(two.childUid));
    }

    // The server goes away in the middle of a lesson: the child goes on, the status bar says the
    // answers wait, and once the server is back every answer arrives once.
    void serverStoppedMidLessonEveryAnswerArrivesOnce()
    {
        writeUserSettings(cluster_.pupil("A"));
        Computer c(u"さくら"_s);
        c.answer(*h_, 3, 2, {true, false});
        QVERIFY(c.allSent());
        QCOMPARE(serverAnswers(c.childUid).size(), 2);

        QVERIFY(cluster("pause"));
        // Started again also when a check below fails, for the tests after this one.
        bool paused = true;
        const auto resume = qScopeGuard([&] {
            if (paused) cluster("resume");
        });
        c.answer(*h_, 3, 2, {true, true, false});
        QTRY_COMPARE_WITH_TIMEOUT(c.link()->statusText(), u"クラス 4-1： つながっていません（あとで おくります：3）"_s,
                                  15000);
        {
            RawFile local(c.database());
            QCOMPARE(local.value(u"SELECT count(*) FROM answers"_s), u"5"_s);
        }

        QVERIFY(cluster("resume"));
        paused = false;
        QSqlDatabase::database(u"admin"_s).close();
        QVERIFY(QSqlDatabase::database(u"admin"_s).open());
        // Nobody answers now: the sender's own retry sends what waits, within its longest wait.
        QTRY_COMPARE_WITH_TIMEOUT(c.link()->statusText(), u"クラス 4-1： つながっています"_s,
                                  ClassSender::longestRetryMs + 10000);
        QVERIFY(c.allSent());
        const QList<QStringList> rows = serverAnswers(c.childUid);
        QCOMPARE(rows.size(), 5);
        RawFile local(c.database());
        QCOMPARE(column(rows), column(local.rows(u"SELECT uid FROM answers"_s)));
        int rights = 0;
        for (const QStringList& r : rows)
            rights += r[3].toInt();
        QCOMPARE(rights, 3);

        // With the server reached, a new answer goes at once, not at the next reading of the
        // roster a minute later.
        c.answer(*h_, 3, 2, {false});
        QTRY_COMPARE_WITH_TIMEOUT(serverAnswers(c.childUid).size(), 6, 5000);
    }

    // A program killed with SIGKILL while it sends a large backlog: no row marked sent here that
    // the server lacks, and after a restart every row on the server exactly once.
    void killedWhileSendingNothingLostOrDoubled()
    {
        QTemporaryDir dir;
        constexpr int rows = 20000;
        QString childUid;
        {
            TDataModule1 dm(dir.path());
            QList<ChildProfile> children;
            QVERIFY(!dm.learningRecord().tryReadChildren(children));
            children[0].name = u"けんた"_s;
            QVERIFY(!dm.learningRecord().tryUpdateChild(children[0]));
            childUid = children[0].uid;
        }
        {
            RawFile file(dir.path() + u"/kyozai.sqlite3"_s);
            QSqlDatabase db = file.database();
            QVERIFY(db.transaction());
            QSqlQuery q(db);
            QVERIFY(q.prepare(u"INSERT INTO answers VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s));
            const QDateTime start(QDate(2026, 6, 1), QTime(9, 0));
            for (int i = 0; i < rows; ++i) {
                AnswerRecord a;
                a.uid = newUid();
                a.childUid = childUid;
                a.answeredAt = start.addSecs(i);
                a.lesson = 3;
                a.subTopic = 1 + i % 3;
                a.kind = u"わり算"_s;
                a.problem = u"%1 ÷ 3"_s.arg(3 * i);
                a.given = a.expected = QString::number(i);
                a.right = i % 4 != 0;
                a.seconds = 3.5;
                for (const QVariant& v : LearningRecordStore::answerRow(a))
                    q.addBindValue(v);
                QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            }
            QVERIFY(db.commit());
        }

        QProcess sender;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"KAZEMARU_SEND_ONLY"_s, dir.path());
        sender.setProcessEnvironment(env);
        sender.setProcessChannelMode(QProcess::ForwardedChannels);
        sender.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(sender.waitForStarted());
        QDeadlineTimer deadline(60000);
        qsizetype arrived = 0;
        // Killed in full flow, a quarter of the way: a batch is always on its way then.
        while (!deadline.hasExpired() && (arrived = serverAnswers(childUid).size()) < rows / 4)
            QTest::qWait(5);
        QVERIFY2(arrived > 0 && arrived < rows, qPrintable(QString::number(arrived)));
        ::kill(pid_t(sender.processId()), SIGKILL);
        QVERIFY(sender.waitForFinished(10000));

        const QSet<QString> onServer = column(serverAnswers(childUid));
        {
            RawFile local(dir.path() + u"/kyozai.sqlite3"_s);
            const QSet<QString> marked = column(local.rows(u"SELECT uid FROM answers WHERE sent IS NOT NULL"_s));
            QVERIFY(marked.size() < rows);
            QVERIFY(onServer.contains(marked));
        }

        // Started again: the rest goes, the rows the server has already change nothing.
        {
            ClassSender again(dir.path(), cluster_.pupil("A"));
            QVERIFY(Probe::waitUntilSent(again, 120000));
        }
        const QList<QStringList> all = serverAnswers(childUid);
        QCOMPARE(all.size(), rows);
        RawFile local(dir.path() + u"/kyozai.sqlite3"_s);
        QCOMPARE(column(all), column(local.rows(u"SELECT uid FROM answers"_s)));
        QCOMPARE(local.value(u"SELECT count(*) FROM answers WHERE sent IS NULL"_s), u"0"_s);
    }

    // The dialog tries the connection with the password typed, in plain words; saved, the
    // password goes into libpq's password file only, and the program connects through it.
    void settingsDialogKeepsThePasswordInThePasswordFileOnly()
    {
        QSettings user(QSettings::NativeFormat, QSettings::UserScope, u"Kazemaru"_s, u"Kazemaru"_s);
        user.clear();
        user.sync();
        const QString pgpass = config_.path() + u"/dialog-pgpass"_s;
        qputenv("PGPASSFILE", pgpass.toLocal8Bit());
        const ClassServerSettings a = cluster_.pupil("A");
        const QString password = cluster_.password(a);

        ClassServerDialog dialog(nullptr, nullptr);
        dialog.reload();
        child<QCheckBox>(&dialog, u"CheckBox1"_s)->click();
        const QList<QPair<QString, QString>> typed{{u"Edit1"_s, a.host},
                                                   {u"Edit2"_s, QString::number(a.port)},
                                                   {u"Edit3"_s, a.database},
                                                   {u"Edit4"_s, a.classCode},
                                                   {u"Edit5"_s, a.user}};
        for (const auto& [name, text] : typed)
            child<QLineEdit>(&dialog, name)->setText(text);
        QLabel* result = child<QLabel>(&dialog, u"Label3"_s);

        const auto test = [&](const QString& typedPassword) {
            child<QLineEdit>(&dialog, u"Edit6"_s)->setText(typedPassword);
            QSignalSpy finished(&dialog, &ClassServerDialog::testFinished);
            dialog.CuteButton1Click();
            return finished.wait(15000);
        };
        QVERIFY(test(password + u"x"_s));
        QVERIFY2(result->text().contains(u"ログイン名か パスワードが ちがいます"_s), qPrintable(result->text()));
        QVERIFY(test(password));
        QVERIFY2(result->text().startsWith(u"つながりました。クラス「4年1組」（4-1）"_s), qPrintable(result->text()));
        QVERIFY(result->text().contains(u"あんごうか されています（TLS）"_s));
        QVERIFY(!QFile::exists(pgpass)); // trying keeps nothing

        shoot(&dialog, u"settings-dialog"_s);
        dialog.CuteButton2Click();
        QFile settingsFile(user.fileName());
        QVERIFY(settingsFile.open(QIODevice::ReadOnly));
        const QByteArray written = settingsFile.readAll();
        QVERIFY(!written.contains(password.toUtf8()));
        QVERIFY(written.contains("class=4-1") && written.contains("user=class_4_1"));
        QFile file(pgpass);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts),
                 QStringList{u"%1:%2:%3:%4:%5"_s.arg(a.host).arg(a.port).arg(a.database, a.user, password)});
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                          QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(file.permissions() & others, QFile::Permissions());
        QVERIFY(file.permissions().testFlags(QFile::ReadOwner | QFile::WriteOwner));

        // What the program reads from the settings connects with the password from the file.
        ClassServer server(ClassServerSettings::read());
        const ServerError e = server.open();
        QVERIFY2(!e, qPrintable(e.message));

        // A school's locked file: its keys are marked and cannot be changed here; the rest can.
        {
            QSettings system(QSettings::NativeFormat, QSettings::SystemScope, u"Kazemaru"_s, u"Kazemaru"_s);
            system.setValue(u"ClassServer/host"_s, a.host);
            system.setValue(u"ClassServer/class"_s, a.classCode);
            system.setValue(u"ClassServer/locked"_s, true);
        }
        dialog.reload();
        shoot(&dialog, u"settings-dialog-school"_s);
        QVERIFY(child<QLabel>(&dialog, u"School_host"_s)->isVisibleTo(&dialog));
        QVERIFY(child<QLabel>(&dialog, u"School_class"_s)->isVisibleTo(&dialog));
        QVERIFY(!child<QLabel>(&dialog, u"School_user"_s)->isVisibleTo(&dialog));
        QVERIFY(!child<QLineEdit>(&dialog, u"Edit1"_s)->isEnabled());
        QVERIFY(!child<QLineEdit>(&dialog, u"Edit4"_s)->isEnabled());
        QVERIFY(child<QLineEdit>(&dialog, u"Edit5"_s)->isEnabled());
        QVERIFY(child<QLineEdit>(&dialog, u"Edit6"_s)->isEnabled());
        QSettings(QSettings::NativeFormat, QSettings::SystemScope, u"Kazemaru"_s, u"Kazemaru"_s).clear();
        qputenv("PGPASSFILE", (config_.path() + u"/pgpass"_s).toLocal8Bit());
    }
};

// With KAZEMARU_SEND_ONLY=<folder> this program is only a sender of that folder's rows to class
// 4-1, until it is killed: the test above kills it while it sends.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("KAZEMARU_SEND_ONLY")) {
        QCoreApplication app(argc, argv);
        ServerCluster cluster;
        if (!cluster.load()) return 2;
        ClassSender sender(qEnvironmentVariable("KAZEMARU_SEND_ONLY"), cluster.pupil("A"));
        return app.exec();
    }
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("KAZEMARU_SHOTS")) applyLook(app);
    TestClassSync test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_classsync.moc"
