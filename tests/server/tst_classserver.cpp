// The class server's client against a real PostgreSQL server: settings, logins, TLS, batches
// that arrive exactly once with every value as sent, names stored as written, the teacher's
// reads, and the password file.
#include "tests/server/ServerCluster.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <atomic>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <time.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

// A server that answers a TLS request with "no" (as a PostgreSQL server without TLS does) and
// notes whether the client then goes on without it.
class NoTlsServer {
  public:
    NoTlsServer()
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), len);
        ::listen(fd_, 4);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~NoTlsServer()
    {
        stop_ = true;
        thread_.join();
        ::close(fd_);
    }
    int port() const { return port_; }
    bool tlsAsked() const { return tlsAsked_; }
    bool wentOnWithoutTls() const { return plain_; }

  private:
    static bool readable(int fd, int ms)
    {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, ms) > 0;
    }
    void serve()
    {
        while (!stop_) {
            if (!readable(fd_, 50)) continue;
            const int c = ::accept(fd_, nullptr, nullptr);
            unsigned char request[8];
            // SSLRequest: length 8, code 80877103.
            if (readable(c, 2000) && ::recv(c, request, 8, MSG_WAITALL) == 8 && request[4] == 0x04 &&
                request[5] == 0xd2 && request[6] == 0x16 && request[7] == 0x2f) {
                tlsAsked_ = true;
                ::send(c, "N", 1, MSG_NOSIGNAL);
                char more[64];
                if (readable(c, 2000) && ::recv(c, more, sizeof more, 0) > 0) plain_ = true;
            }
            ::close(c);
        }
    }
    int fd_ = -1;
    int port_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_ = false, tlsAsked_ = false, plain_ = false;
};

AnswerRecord answer(const QString& child, int i)
{
    static const QDateTime base(QDate(2026, 5, 18), QTime(9, 0, 0, 250), Qt::OffsetFromUTC, 9 * 3600);
    static const QString problems[] = {u"84 ÷ 4"_s, u"O'Brien\\n"_s, u"'; DROP TABLE kazemaru.answers; --"_s,
                                       u"3/4 + 1/4"_s, u"百二十三億"_s};
    AnswerRecord a;
    a.uid = newUid();
    a.childUid = child;
    a.answeredAt = base.addSecs(61 * i);
    if (i % 2) a.answeredAt = a.answeredAt.toLocalTime(); // as the program's clock gives it
    a.lesson = 2 + i % 15;
    a.subTopic = 1 + i % 4;
    a.kind = i % 5 == 0 ? QString() : u"kind %1"_s.arg(i % 3);
    a.problem = problems[i % 5];
    a.given = QString::number(i * 7);
    a.right = i % 7 != 0;
    a.expected = QString::number(i * 7 + (a.right ? 0 : 1));
    a.seconds = i * 0.25;
    a.attempt = 1 + i % 2;
    return a;
}

DrillRunRecord run(const QString& child, int i)
{
    DrillRunRecord r;
    r.uid = newUid();
    r.childUid = child;
    r.started = QDateTime(QDate(2026, 6, 1), QTime(10, 0), Qt::OffsetFromUTC, 9 * 3600).addSecs(600 * i);
    r.drill = i % 2 ? 8 : 12;
    r.subTopic = 1 + i % 3;
    r.places = i % 2 ? QString() : u"2・3"_s;
    r.timeLimit = 60 * (i % 4);
    r.problems = 10 + i % 5;
    r.rights = r.problems - i % 4;
    r.score = 100 * r.rights / r.problems;
    r.seconds = 30 + i;
    r.ending = RunEnd(i % 3);
    return r;
}

// Every value of a row, as the server keeps it ("nothing written" is an empty text there).
QStringList fields(const AnswerRecord& a)
{
    return {a.uid,
            a.childUid,
            QString::number(a.answeredAt.toMSecsSinceEpoch()),
            QString::number(a.lesson),
            QString::number(a.subTopic),
            a.kind.isNull() ? u""_s : a.kind,
            a.problem,
            a.given,
            a.expected,
            a.right ? u"○"_s : u"×"_s,
            QString::number(a.seconds, 'g', 17),
            QString::number(a.attempt)};
}
QStringList fields(const DrillRunRecord& r)
{
    return {r.uid,
            r.childUid,
            QString::number(r.started.toMSecsSinceEpoch()),
            QString::number(r.drill),
            QString::number(r.subTopic),
            r.places.isNull() ? u""_s : r.places,
            QString::number(r.timeLimit),
            QString::number(r.problems),
            QString::number(r.rights),
            QString::number(r.score),
            QString::number(r.seconds),
            runEndCode(r.ending)};
}

} // namespace

class ClassServerTest : public QObject {
    Q_OBJECT

    ServerCluster cluster_;
    QTemporaryDir home_;
    QString child_ = newUid(); // a child of class A, on the roster before any answer

    ServerError openAs(ClassServer& s) { return s.open(cluster_.password(s.settings())); }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cluster_.load());
        // The computers' time zone, so that local times carry an offset worth keeping.
        qputenv("TZ", "Asia/Tokyo");
        tzset();
        // Neither the user's password file nor their certificates take part.
        qputenv("HOME", home_.path().toUtf8());
        qputenv("PGPASSFILE", (home_.path() + u"/pgpass"_s).toUtf8());
        ClassServer pupil(cluster_.pupil("A"));
        QCOMPARE(openAs(pupil).message, QString());
        QCOMPARE(pupil.addChild({child_, u"あおい"_s, 2}).message, QString());
    }

    void settingsUserOverSystemKeyByKey()
    {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path() + u"/system"_s);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path() + u"/user"_s);
        {
            QSettings system(QSettings::NativeFormat, QSettings::SystemScope, u"Kazemaru"_s, u"Kazemaru"_s);
            ClassServerSettings school;
            school.host = u"db.school.example"_s;
            school.port = 5433;
            school.classCode = u"4-1"_s;
            school.user = u"class_4_1"_s;
            school.tls = u"verify-full"_s;
            school.rootCertificate = u"/etc/kazemaru/school-ca.crt"_s;
            school.write(system);
            QSettings user(QSettings::NativeFormat, QSettings::UserScope, u"Kazemaru"_s, u"Kazemaru"_s);
            user.setValue(u"ClassServer/class"_s, u"4-2"_s);
        }
        const ClassServerSettings s = ClassServerSettings::read();
        QCOMPARE(s.host, u"db.school.example"_s);
        QCOMPARE(s.port, 5433);
        QCOMPARE(s.database, u"kazemaru"_s);
        QCOMPARE(s.classCode, u"4-2"_s);
        QCOMPARE(s.user, u"class_4_1"_s);
        QCOMPARE(s.tls, u"verify-full"_s);
        QCOMPARE(s.rootCertificate, u"/etc/kazemaru/school-ca.crt"_s);
        QVERIFY(s.isSet());

        QSettings empty(dir.path() + u"/none.conf"_s, QSettings::IniFormat);
        const ClassServerSettings none = ClassServerSettings::read(empty);
        QVERIFY(!none.isSet());
        QCOMPARE(none.tls, u"prefer"_s);
        QCOMPARE(none.port, 5432);
    }

    void refusals()
    {
        QCOMPARE(ClassServer(ClassServerSettings{}).open().fault, ServerFault::NotSet);

        ClassServer wrongPassword(cluster_.pupil("A"));
        QCOMPARE(wrongPassword.open(u"not-the-password"_s).fault, ServerFault::Connect);

        ClassServerSettings otherClass = cluster_.teacher("A");
        otherClass.classCode = cluster_["CLASS_B"];
        ClassServer teacherOfOther(otherClass);
        const ServerError e = openAs(teacherOfOther);
        QCOMPARE(e.fault, ServerFault::NotInClass);
        QVERIFY(!teacherOfOther.isOpen());

        ClassServerSettings noDatabase = cluster_.pupil("A");
        noDatabase.database = u"postgres"_s; // the server refuses it: pg_hba lets logins into kazemaru only
        ClassServer elsewhere(noDatabase);
        QCOMPARE(openAs(elsewhere).fault, ServerFault::Connect);

        ClassServerSettings badTls = cluster_.pupil("A");
        badTls.tls = u"sometimes"_s;
        QCOMPARE(ClassServer(badTls).open().fault, ServerFault::BadSettings);
        badTls.tls = u"require"_s;
        badTls.port = 0;
        QCOMPARE(ClassServer(badTls).open().fault, ServerFault::BadSettings);

        // Nobody listens there: refused at once, well within the connect timeout.
        ClassServerSettings nowhere = cluster_.pupil("A");
        nowhere.port = cluster_.port() == 1 ? 2 : 1;
        QElapsedTimer t;
        t.start();
        QCOMPARE(ClassServer(nowhere).open().fault, ServerFault::Connect);
        QVERIFY(t.elapsed() < 3000);
    }

    void tls()
    {
        ClassServer preferred(cluster_.pupil("A")); // "prefer" by default
        QCOMPARE(preferred.settings().tls, u"prefer"_s);
        QCOMPARE(openAs(preferred).message, QString());
        QVERIFY(preferred.encrypted());

        ClassServerSettings verified = cluster_.pupil("A");
        verified.tls = u"verify-full"_s;
        verified.host = u"localhost"_s;
        verified.rootCertificate = cluster_["CA"];
        ClassServer checked(verified);
        QCOMPARE(openAs(checked).message, QString());
        QVERIFY(checked.encrypted());

        verified.rootCertificate.clear(); // no authority to check the server's certificate with
        ClassServer unchecked(verified);
        QCOMPARE(openAs(unchecked).fault, ServerFault::Connect);

        ClassServerSettings plain = cluster_.pupil("A");
        plain.tls = u"disable"_s; // the server takes logins over TLS only
        ClassServer refused(plain);
        QCOMPARE(openAs(refused).fault, ServerFault::Connect);

        // A server without TLS: "require" stops after its "no"; "prefer" goes on without.
        for (const auto& [mode, goesOn] : {std::pair{u"require"_s, false}, std::pair{u"prefer"_s, true}}) {
            NoTlsServer noTls;
            ClassServerSettings s = cluster_.pupil("A");
            s.tls = mode;
            s.port = noTls.port();
            s.connectTimeoutSeconds = 2;
            QCOMPARE(ClassServer(s).open(u"x"_s).fault, ServerFault::Connect);
            QVERIFY(noTls.tlsAsked());
            QCOMPARE(noTls.wentOnWithoutTls(), goesOn);
        }
    }

    void namesAreStoredAsWritten()
    {
        const QStringList names = {u"O'Brien"_s,  u"back\\slash\\"_s,    u"'; DROP TABLE kazemaru.pupils; --"_s,
                                   u"\"ゆう\""_s, u"たかはし　はなこ"_s, u"$1 ? :x %s"_s};
        ClassServer pupil(cluster_.pupil("A"));
        QCOMPARE(openAs(pupil).message, QString());
        QStringList uids;
        for (int i = 0; i < names.size(); ++i) {
            uids << newUid();
            QCOMPARE(pupil.addChild({uids[i], names[i], i}).message, QString());
        }
        // The same child sent again under another name: nothing changes.
        QCOMPARE(pupil.addChild({uids[0], u"ちがう"_s, 5}).message, QString());

        QList<ChildProfile> roster;
        QCOMPARE(pupil.readRoster(roster).message, QString());
        std::map<QString, ChildProfile> byUid;
        for (const ChildProfile& c : roster)
            byUid[c.uid] = c;
        for (int i = 0; i < names.size(); ++i) {
            QVERIFY(byUid.count(uids[i]));
            QCOMPARE(byUid[uids[i]].name, names[i]);
            QCOMPARE(byUid[uids[i]].colour, i);
        }
        ClassServer otherClass(cluster_.pupil("B"));
        QCOMPARE(openAs(otherClass).message, QString());
        QCOMPARE(otherClass.readRoster(roster).message, QString());
        for (const ChildProfile& c : roster)
            QVERIFY(!uids.contains(c.uid) && c.uid != child_);
    }

    // 250 answers cross the 100-row statements; sent twice they arrive once, and a batch that
    // overlaps adds only its new rows. The teacher reads back every value as it was sent.
    void answersArriveOnceWithEveryValue()
    {
        QList<AnswerRecord> sent;
        for (int i = 0; i < 300; ++i)
            sent << answer(child_, i);
        ClassServer pupil(cluster_.pupil("A"));
        QCOMPARE(openAs(pupil).message, QString());
        int added = -1;
        QCOMPARE(pupil.sendAnswers(sent.mid(0, 250), &added).message, QString());
        QCOMPARE(added, 250);
        QCOMPARE(pupil.sendAnswers(sent.mid(0, 250), &added).message, QString());
        QCOMPARE(added, 0);
        QCOMPARE(pupil.sendAnswers(sent.mid(200, 100), &added).message, QString());
        QCOMPARE(added, 50);

        ClassServer teacher(cluster_.teacher("A"));
        QCOMPARE(openAs(teacher).message, QString());
        QList<AnswerRecord> got;
        QCOMPARE(teacher.readClassAnswers(got).message, QString());
        std::map<QString, AnswerRecord> byUid;
        for (const AnswerRecord& a : got)
            if (a.childUid == child_) QVERIFY(byUid.emplace(a.uid, a).second);
        QCOMPARE(int(byUid.size()), 300);
        for (const AnswerRecord& a : sent) {
            const AnswerRecord& b = byUid.at(a.uid);
            QCOMPARE(b.answeredAt, a.answeredAt);
            QCOMPARE(b.answeredAt.toMSecsSinceEpoch(), a.answeredAt.toMSecsSinceEpoch());
            QCOMPARE(b.answeredAt.offsetFromUtc(), 9 * 3600); // shown in the teacher's local time
            QCOMPARE(b.answeredAt.time(), QTime(9, 0, 0, 250).addSecs(61 * int(&a - sent.data())));
            QCOMPARE(fields(b), fields(a));
        }

        // The class view: answers and ○ per lesson and menu item, counted here from what was sent.
        std::map<std::pair<int, int>, std::pair<int, int>> want;
        for (const AnswerRecord& a : sent) {
            auto& [n, r] = want[{a.lesson, a.subTopic}];
            ++n;
            r += a.right ? 1 : 0;
        }
        QList<ClassViewCell> cells;
        QCOMPARE(teacher.readClassView(cells).message, QString());
        int seen = 0;
        for (const ClassViewCell& c : cells) {
            if (c.childUid != child_) continue;
            ++seen;
            const auto [n, r] = want.at({c.lesson, c.subTopic});
            QCOMPARE(c.answers, n);
            QCOMPARE(c.rights, r);
            QCOMPARE(c.percentRight(), 100.0 * r / n);
        }
        QCOMPARE(seen, int(want.size()));
        // Lesson 2, menu item 1 holds i = 0, 60, 120, 180, 240, of which 0 alone is ×.
        const auto cell = std::find_if(cells.cbegin(), cells.cend(), [&](const ClassViewCell& c) {
            return c.childUid == child_ && c.lesson == 2 && c.subTopic == 1;
        });
        QVERIFY(cell != cells.cend());
        QCOMPARE(cell->answers, 5);
        QCOMPARE(cell->rights, 4);
        QCOMPARE(cell->percentRight(), 80.0);
        QCOMPARE(cell->last, sent[240].answeredAt);

        // The child's last answers, newest first: every lesson, then lesson 7 alone.
        QList<AnswerRecord> last;
        QCOMPARE(teacher.readLastAnswers(child_, 0, 10, last).message, QString());
        QCOMPARE(last.size(), 10);
        for (int k = 0; k < 10; ++k)
            QCOMPARE(last[k].uid, sent[299 - k].uid);
        QCOMPARE(teacher.readLastAnswers(child_, 7, 100, last).message, QString());
        QCOMPARE(last.size(), 20); // i ≡ 5 (mod 15) below 300
        for (int k = 0; k < 20; ++k)
            QCOMPARE(last[k].uid, sent[290 - 15 * k].uid);
    }

    void runsArriveOnceWithEveryValue()
    {
        QList<DrillRunRecord> sent;
        for (int i = 0; i < 120; ++i)
            sent << run(child_, i);
        ClassServer pupil(cluster_.pupil("A"));
        QCOMPARE(openAs(pupil).message, QString());
        int added = -1;
        QCOMPARE(pupil.sendRuns(sent, &added).message, QString());
        QCOMPARE(added, 120);
        QCOMPARE(pupil.sendRuns(sent, &added).message, QString());
        QCOMPARE(added, 0);

        ClassServer teacher(cluster_.teacher("A"));
        QList<DrillRunRecord> got;
        QCOMPARE(openAs(teacher).message, QString());
        QCOMPARE(teacher.readClassRuns(got).message, QString());
        std::map<QString, DrillRunRecord> byUid;
        for (const DrillRunRecord& r : got)
            if (r.childUid == child_) byUid.emplace(r.uid, r);
        QCOMPARE(int(byUid.size()), 120);
        for (const DrillRunRecord& r : sent) {
            const DrillRunRecord& b = byUid.at(r.uid);
            QCOMPARE(fields(b), fields(r));
        }
        ClassServer otherTeacher(cluster_.teacher("B"));
        QCOMPARE(openAs(otherTeacher).message, QString());
        QCOMPARE(otherTeacher.readClassRuns(got).message, QString());
        for (const DrillRunRecord& r : got)
            QVERIFY(r.childUid != child_);
    }

    // A batch is all or nothing; what a login may not do comes back as the server's refusal.
    void refusedBatchesLeaveNothing()
    {
        ClassServer pupil(cluster_.pupil("A"));
        QCOMPARE(openAs(pupil).message, QString());
        const AnswerRecord good = answer(child_, 1);
        AnswerRecord stranger = answer(newUid(), 2); // not on the class's roster
        QCOMPARE(pupil.sendAnswers({good, stranger}).fault, ServerFault::Rejected);
        QCOMPARE(pupil.sendAnswers({good, stranger}).sqlState, u"23503"_s);

        QList<AnswerRecord> rows;
        const ServerError e = pupil.readClassAnswers(rows);
        QCOMPARE(e.fault, ServerFault::Rejected);
        QCOMPARE(e.sqlState, u"42501"_s);

        ClassServer teacher(cluster_.teacher("A"));
        QCOMPARE(openAs(teacher).message, QString());
        QCOMPARE(teacher.sendAnswers({good}).sqlState, u"42501"_s);
        QCOMPARE(teacher.addChild({newUid(), u"せんせい"_s, 0}).sqlState, u"42501"_s);
        QCOMPARE(teacher.readLastAnswers(child_, 0, 1000, rows).message, QString());
        for (const AnswerRecord& a : rows)
            QVERIFY(a.uid != good.uid);
        // The connection is still usable after the refusals.
        int added = -1;
        QCOMPARE(pupil.sendAnswers({good}, &added).message, QString());
        QCOMPARE(added, 1);
    }

    // The server ended the connection between two batches (as a restart does): the next batch
    // connects again by itself.
    void aBrokenConnectionIsMadeAgain()
    {
        ClassServer pupil(cluster_.pupil("A"));
        QCOMPARE(openAs(pupil).message, QString());
        QSqlDatabase admin = cluster_.admin(u"terminator"_s);
        QVERIFY(admin.open());
        QSqlQuery q(admin);
        QVERIFY(q.exec(
            u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = '%1'"_s.arg(cluster_["PUPIL_A"])));
        QVERIFY(q.next());
        int added = -1;
        QCOMPARE(pupil.sendAnswers({answer(child_, 3)}, &added).message, QString());
        QCOMPARE(added, 1);
        admin.close();
        admin = QSqlDatabase();
        QSqlDatabase::removeDatabase(u"terminator"_s);
    }

    void passwordFile()
    {
        QCOMPARE(PasswordFile::entry(u"db:1"_s, 5432, u"kaze\\maru"_s, u"class_4_1"_s, u"p:a\\ss"_s),
                 u"db\\:1:5432:kaze\\\\maru:class_4_1:p\\:a\\\\ss"_s);

        // A login of class A whose password holds the characters libpq escapes.
        const QString login = u"class_4_1_probe"_s, secret = u"pa:ss\\wo'rd:ひみつ"_s;
        QSqlDatabase admin = cluster_.admin(u"probe"_s);
        QVERIFY(admin.open());
        QCOMPARE(execState(admin, u"SELECT kazemaru.add_class('4-1', '4年1組', '%1')"_s.arg(login)), QString());
        QSqlQuery q(admin);
        QVERIFY(q.exec(u"ALTER ROLE %1 PASSWORD %2"_s.arg(login, u"'pa:ss\\wo''rd:ひみつ'"_s)));
        admin.close();
        admin = QSqlDatabase();
        QSqlDatabase::removeDatabase(u"probe"_s);

        // A file someone else left readable by others, with an entry of another server.
        QFile file(PasswordFile::path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("other.example:5432:*:someone:theirs\n");
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));

        ClassServerSettings s = cluster_.pupil("A");
        s.user = login;
        QCOMPARE(PasswordFile::store(s, u"wrong"_s), QString());
        QCOMPARE(PasswordFile::store(s, secret), QString()); // replaces the wrong one
        QCOMPARE(file.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                                       QFileDevice::WriteOther | QFileDevice::ExeOwner),
                 QFileDevice::Permissions());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromUtf8(file.readAll()),
            u"other.example:5432:*:someone:theirs\n127.0.0.1:%1:kazemaru:class_4_1_probe:pa\\:ss\\\\wo'rd\\:ひみつ\n"_s
                .arg(cluster_.port()));
        file.close();

        ClassServer fromFile(s);
        QCOMPARE(fromFile.open().message, QString()); // libpq found the password in the file
        QVERIFY(fromFile.encrypted());
    }
};

QTEST_GUILESS_MAIN(ClassServerTest)
#include "tst_classserver.moc"
