// The class server's settings on a computer: the user's file over the school's system-wide file
// key by key, the school's keys holding when its file says locked=true, and a grown-up's changes
// written only where they differ from the school's file.
#include "data/ClassServer.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

class TestClassSettings : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    // The user's file alone (a QSettings of the user's scope also answers from the system's).
    static QHash<QString, QVariant> userFile()
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, u"Kazemaru"_s, u"Kazemaru"_s);
        s.setFallbacksEnabled(false);
        QHash<QString, QVariant> values;
        for (const QString& key : s.allKeys())
            values.insert(key, s.value(key));
        return values;
    }
    static void write(QSettings::Scope scope, const QList<QPair<QString, QVariant>>& values)
    {
        QSettings s(QSettings::NativeFormat, scope, u"Kazemaru"_s, u"Kazemaru"_s);
        s.clear();
        for (const auto& [key, value] : values)
            s.setValue(u"ClassServer/"_s + key, value);
        s.sync();
    }

  private Q_SLOTS:
    void init()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path() + u"/user"_s);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir_.path() + u"/system"_s);
        write(QSettings::UserScope, {});
        write(QSettings::SystemScope, {});
    }

    void nothingSetIsNoClassServer()
    {
        const ClassServerSettings s = ClassServerSettings::read();
        QVERIFY(!s.isSet());
        QCOMPARE(s.port, 5432);
        QCOMPARE(s.database, u"kazemaru"_s);
        QCOMPARE(s.tls, u"prefer"_s);
        QVERIFY(SchoolSettings::read().keys.isEmpty());
    }

    void theUsersFileGoesOverTheSchoolsKeyByKey()
    {
        write(QSettings::SystemScope, {{u"host"_s, u"db.school.example"_s},
                                       {u"class"_s, u"4-1"_s},
                                       {u"user"_s, u"class_4_1"_s},
                                       {u"tls"_s, u"verify-full"_s}});
        write(QSettings::UserScope, {{u"class"_s, u"4-2"_s}, {u"user"_s, u"class_4_2"_s}});
        const ClassServerSettings s = ClassServerSettings::read();
        QCOMPARE(s.host, u"db.school.example"_s);
        QCOMPARE(s.classCode, u"4-2"_s);
        QCOMPARE(s.user, u"class_4_2"_s);
        QCOMPARE(s.tls, u"verify-full"_s);
        const SchoolSettings school = SchoolSettings::read();
        QCOMPARE(school.keys, (QStringList{u"host"_s, u"class"_s, u"user"_s, u"tls"_s}));
        QVERIFY(!school.locked);
    }

    void aLockedSchoolFileHoldsOverTheUsers()
    {
        write(QSettings::SystemScope, {{u"host"_s, u"db.school.example"_s},
                                       {u"class"_s, u"4-1"_s},
                                       {u"tls"_s, u"require"_s},
                                       {u"locked"_s, true}});
        write(QSettings::UserScope, {{u"host"_s, u"evil.example"_s},
                                     {u"class"_s, u"4-2"_s},
                                     {u"tls"_s, u"prefer"_s},
                                     {u"user"_s, u"class_4_1"_s}});
        const ClassServerSettings s = ClassServerSettings::read();
        QCOMPARE(s.host, u"db.school.example"_s);
        QCOMPARE(s.classCode, u"4-1"_s);
        QCOMPARE(s.tls, u"require"_s);
        QCOMPARE(s.user, u"class_4_1"_s); // the school left the login to each computer
        QVERIFY(SchoolSettings::read().locked);
    }

    void aGrownUpsSettingsAreWrittenWhereTheyDifferFromTheSchools()
    {
        write(QSettings::SystemScope, {{u"host"_s, u"db.school.example"_s}, {u"class"_s, u"4-1"_s}});
        ClassServerSettings s = ClassServerSettings::read();
        s.classCode = u"4-3"_s;
        s.user = u"class_4_3"_s;
        QVERIFY(s.writeForUser());
        const QHash<QString, QVariant> user = userFile();
        QVERIFY(!user.contains(u"ClassServer/host"_s)); // as the school's: the school may move it
        QCOMPARE(user.value(u"ClassServer/class"_s).toString(), u"4-3"_s);
        QCOMPARE(user.value(u"ClassServer/user"_s).toString(), u"class_4_3"_s);
        // The school moves its server: this computer follows.
        write(QSettings::SystemScope, {{u"host"_s, u"new.school.example"_s}, {u"class"_s, u"4-1"_s}});
        QCOMPARE(ClassServerSettings::read().host, u"new.school.example"_s);
        QCOMPARE(ClassServerSettings::read().classCode, u"4-3"_s);

        // Locked: a key of the school's is never written for the user.
        write(QSettings::SystemScope,
              {{u"host"_s, u"db.school.example"_s}, {u"class"_s, u"4-1"_s}, {u"locked"_s, true}});
        s.host = u"elsewhere.example"_s;
        s.classCode = u"4-2"_s;
        QVERIFY(s.writeForUser());
        const QHash<QString, QVariant> again = userFile();
        QVERIFY(!again.contains(u"ClassServer/host"_s));
        QVERIFY(!again.contains(u"ClassServer/class"_s));
        QCOMPARE(ClassServerSettings::read().host, u"db.school.example"_s);
        QCOMPARE(ClassServerSettings::read().classCode, u"4-1"_s);
    }

    void noPasswordKeyIsEverWritten()
    {
        ClassServerSettings s;
        s.host = u"h"_s;
        s.classCode = u"c"_s;
        s.user = u"u"_s;
        QVERIFY(s.writeForUser());
        QStringList keys = userFile().keys();
        keys.sort();
        QCOMPARE(keys, (QStringList{u"ClassServer/class"_s, u"ClassServer/connectTimeout"_s, u"ClassServer/database"_s,
                                    u"ClassServer/host"_s, u"ClassServer/port"_s, u"ClassServer/rootCertificate"_s,
                                    u"ClassServer/tls"_s, u"ClassServer/user"_s}));
    }
};

QTEST_GUILESS_MAIN(TestClassSettings)
#include "tst_classsettings.moc"
