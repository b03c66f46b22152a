// The contents screen's side of the class server, with no server to reach: the class's roster as
// last kept on this computer is offered from the first asking, and settings that cannot be saved
// are said not to be.
#include "app/ChildPicker.h"
#include "app/ClassServerDialog.h"
#include "app/Unit1.h"
#include "data/ClassRoster.h"
#include "data/untDTM.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using test::child;

class ClassLinkTest : public QObject {
    Q_OBJECT
    QTemporaryDir config_;

    void useSettingsIn(const QString& folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder + u"/user"_s);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, folder + u"/system"_s);
    }

  private Q_SLOTS:
    void init() { useSettingsIn(config_.path()); }

    // A class's computer started again: the picker offers the class's children kept from the last
    // reading of the roster, not only the unused first child, before the server is reached (here
    // it never is: nothing listens on port 1).
    void theKeptRosterIsOfferedAtTheFirstAsking()
    {
        QSettings user(QSettings::NativeFormat, QSettings::UserScope, u"Kazemaru"_s, u"Kazemaru"_s);
        user.clear();
        for (const auto& [key, value] : {std::pair{u"host"_s, u"127.0.0.1"_s},
                                         {u"port"_s, u"1"_s},
                                         {u"class"_s, u"4-1"_s},
                                         {u"user"_s, u"class_4_1"_s}})
            user.setValue(u"ClassServer/"_s + key, value);
        user.sync();

        test::Program program;
        ClassRoster roster(program.shell.dataModule()->store());
        bool changed = false;
        QVERIFY(!roster.tryKeep(u"4-1"_s,
                                {{u"00000000-0000-4000-8000-000000000001"_s, u"あおい"_s, 2},
                                 {u"00000000-0000-4000-8000-000000000002"_s, u"けん"_s, 3}},
                                changed));
        auto* contents = static_cast<TForm1*>(program.shell.form(1));
        contents->openRecord();

        ChildPicker* picker = test::Probe::childPicker(*contents);
        QVERIFY(!picker->isHidden());
        QCOMPARE(child<QAbstractButton>(picker, u"Child1"_s)->text(), u"あおい"_s);
        QCOMPARE(child<QAbstractButton>(picker, u"Child2"_s)->text(), u"けん"_s);
        QVERIFY(!picker->findChild<QAbstractButton*>(u"Child3"_s));
        QVERIFY(program.harness.dialogs.empty());
    }

    // The user's settings file cannot be written (its folder is a file): the dialog says so, and
    // nothing goes on as if the settings were saved.
    void settingsThatCannotBeSavedAreSaidNotToBe()
    {
        const QString blocked = config_.path() + u"/blocked"_s;
        QVERIFY(test::makeBlockingFile(blocked));
        useSettingsIn(blocked);
        test::Harness harness;

        ClassServerDialog dialog(nullptr, nullptr);
        dialog.reload();
        child<QCheckBox>(&dialog, u"CheckBox1"_s)->click();
        const QList<QPair<QString, QString>> typed{{u"Edit1"_s, u"192.0.2.7"_s},
                                                   {u"Edit2"_s, u"5432"_s},
                                                   {u"Edit3"_s, u"kazemaru"_s},
                                                   {u"Edit4"_s, u"4-1"_s},
                                                   {u"Edit5"_s, u"class_4_1"_s}};
        for (const auto& [name, text] : typed)
            child<QLineEdit>(&dialog, name)->setText(text);
        QSignalSpy saved(&dialog, &ClassServerDialog::saved);
        dialog.CuteButton2Click();
        QCOMPARE(saved.count(), 0);
        const QString result = child<QLabel>(&dialog, u"Label3"_s)->text();
        QVERIFY2(result.startsWith(u"せっていを ほぞんできませんでした。"_s), qPrintable(result));
        QVERIFY(!ClassServerSettings::read().isSet());
    }
};

QTEST_MAIN(ClassLinkTest)
#include "tst_classlink.moc"
