#pragma once
// The class server: a school's PostgreSQL database that keeps every child's answers and drill
// runs of a class in one place, and shows a teacher the whole class. It is optional; without its
// settings nothing leaves the computer. The database itself decides what each login may do (see
// packaging/server/): a class's computers add rows for their class and read its roster, a
// teacher reads the classes given to them.
//
// A ClassServer owns one connection of its own, made and used on one thread: a worker thread
// makes its own ClassServer. Nothing here opens a dialog; every operation gives back what went
// wrong, if anything.
#include "data/DrillHistory.h"
#include "data/LearningRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>

class QSettings;
class QSqlError;
class QSqlQuery;

namespace kazemaru {

// Where the class server is and who this computer is on it. Read from the settings group
// "ClassServer": the user's settings first, then the system-wide file a school installs.
struct ClassServerSettings {
    QString host;                                  // "host": name or address; empty = no class server
    int port = 5432;                               // "port"
    QString database = QStringLiteral("kazemaru"); // "database"
    QString classCode;                             // "class": the class's code on the server, e.g. "4-1"
    QString user;                                  // "user": the class's login (or the teacher's)
    QString tls = QStringLiteral("prefer");        // "tls": libpq's sslmode: "prefer" (encrypted when the
                                                   // server offers it), "require", "verify-ca", "verify-full"
    QString rootCertificate;                       // "rootCertificate": the school's authority, for verify-*
    int connectTimeoutSeconds = 5;                 // "connectTimeout": libpq waits at least 2

    bool isSet() const { return !host.isEmpty() && !classCode.isEmpty() && !user.isEmpty(); }

    static QString group() { return QStringLiteral("ClassServer"); }
    // The keys of the group, in the order a grown-up sets them: host, port, database, class,
    // user, tls, rootCertificate, connectTimeout.
    static QStringList keys();
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);

    // The settings of this program: the user's file over the school's, key by key, except the
    // keys of a school's file that says "locked=true": those hold whatever the user's file says.
    static ClassServerSettings read();
    static ClassServerSettings read(const QSettings& settings);
    void write(QSettings& settings) const;
    // Writes these settings into the user's file, only where they differ from the school's file
    // (so that what the school changes later still holds there) and never a key the school locked.
    // False when the user's file could not be written.
    [[nodiscard]] bool writeForUser() const;
};

// What a school's system-wide settings file (/etc/xdg/Kazemaru/Kazemaru.conf) says about the
// class server: which keys it sets, their values, and whether the computers may change them.
struct SchoolSettings {
    QStringList keys; // of ClassServerSettings::keys(), those the school's file sets
    ClassServerSettings values;
    bool locked = false; // "locked=true": the school's keys hold, a grown-up here cannot change them
    static SchoolSettings read();
};

enum class ServerFault {
    None,
    NotSet,      // no class server in the settings
    NoDriver,    // Qt's PostgreSQL driver is not installed
    BadSettings, // a setting that cannot be used as it is (its message says which)
    Connect,     // the server could not be reached or refused the login (TLS, password, ...)
    NoSchema,    // the database has no Kazemaru tables, or an unknown design
    NotInClass,  // the login may not use the class of the settings
    Lost,        // the connection broke during the operation; try again later
    Rejected,    // the server refused the statement (a right it lacks, a value out of bounds)
};

// What went wrong; a default ServerError is success. Test it like a StoreError:
// `if (const ServerError e = server.sendAnswers(rows)) ... e.message`.
struct ServerError {
    ServerFault fault = ServerFault::None;
    QString message;  // the server's or the driver's own words
    QString sqlState; // the server's SQLSTATE, when it sent one
    explicit operator bool() const { return fault != ServerFault::None; }
};

// One cell of the teacher's class view: a child's answers in one lesson and menu item.
struct ClassViewCell {
    QString childUid;
    int lesson = 0;
    int subTopic = 0;
    int answers = 0;
    int rights = 0;
    QDateTime last; // local time of the latest answer
    double percentRight() const { return answers > 0 ? 100.0 * rights / answers : 0.0; }
};

// A class a login may use, by code, with its title ("4年1組").
struct ServerClass {
    QString code;
    QString title;
};

class ClassServer {
  public:
    explicit ClassServer(ClassServerSettings settings);
    ~ClassServer();
    ClassServer(const ClassServer&) = delete;
    ClassServer& operator=(const ClassServer&) = delete;

    const ClassServerSettings& settings() const { return settings_; }
    // The class the next operations are about (a teacher's choice among theirs); the connection stays.
    void setClassCode(const QString& code) { settings_.classCode = code; }

    // Connects (once; later operations reconnect by themselves) and checks that the database has
    // the Kazemaru tables and that the login may use the class (when the settings name one; a
    // teacher may choose among their classes afterwards). An empty password lets libpq
    // take it from the password file (see PasswordFile below); a password given here is kept in
    // memory only, for the reconnections of this object.
    ServerError open(const QString& password = {});
    void close();
    bool isOpen() const { return open_; }
    // Whether the connection is encrypted with TLS.
    bool encrypted();

    // A class computer's part. Each batch is one transaction; a row whose id the server already
    // has is left as it is there, so a batch sent again (its answer was lost) arrives once.
    // `added` (optional) receives how many rows were new.
    ServerError sendAnswers(const QList<AnswerRecord>& rows, int* added = nullptr);
    ServerError sendRuns(const QList<DrillRunRecord>& runs, int* added = nullptr);
    ServerError addChild(const ChildProfile& child);       // to the class's roster
    ServerError readRoster(QList<ChildProfile>& children); // in the order they joined

    // A teacher's part, for the class of the settings.
    ServerError readClasses(QList<ServerClass>& classes);   // the classes this login may use
    ServerError readClassView(QList<ClassViewCell>& cells); // by lesson, menu item, child
    // A child's last answers, newest first; lesson 0 = every lesson.
    ServerError readLastAnswers(const QString& childUid, int lesson, int limit, QList<AnswerRecord>& rows);
    ServerError readClassAnswers(QList<AnswerRecord>& rows); // the whole class, oldest first
    ServerError readClassRuns(QList<DrillRunRecord>& runs);  // the whole class, oldest first
    // Each menu item's answers and ○ among the child's last `window` answers there.
    ServerError readRecentMarks(const QString& childUid, int window, QList<WeakItem>& items);

    // Rows sent in one statement; a batch of 1,000 is ten round trips to the server.
    static constexpr int rowsPerStatement = 100;

  private:
    class Binder;
    ServerError ensureOpen();
    ServerError connectOnce();
    ServerError failure(const QSqlError& error);
    ServerError run(const std::function<ServerError()>& operation);
    ServerError sendBatch(const QString& table, const QStringList& columns, int rowCount,
                          const std::function<void(Binder&, int row)>& bindRow, int* added);
    ServerError select(const QString& statement, const QVariantList& values,
                       const std::function<void(const QSqlQuery&)>& eachRow);
    ServerError readAnswers(const QString& where, const QVariantList& values, QList<AnswerRecord>& rows);

    ClassServerSettings settings_;
    QString connectionName_;
    QString password_;
    bool open_ = false;
};

// libpq's password file (~/.pgpass, or the file PGPASSFILE names). The program keeps no password
// in its settings: a grown-up types the class login's password once and it goes here, where libpq
// finds it at every connection by host, port, database and user. This needs nothing beyond
// libpq itself (so it works through Qt's driver), needs no desktop keyring (school computers
// often run without one), and libpq ignores the file unless only its owner may read it.
namespace PasswordFile {
QString path();
// Writes (or replaces) the entry for host:port:database:user, the file readable by its owner
// only. Empty on success, else what went wrong.
QString store(const ClassServerSettings& server, const QString& password);
// One line of the file, with ":" and "\" escaped as libpq reads them.
QString entry(const QString& host, int port, const QString& database, const QString& user, const QString& password);
} // namespace PasswordFile

} // namespace kazemaru
