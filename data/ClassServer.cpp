#include "data/ClassServer.h"

#include <QAtomicInteger>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

const QString driverName = u"QPSQL"_s;
const QStringList tlsModes = {u"disable"_s, u"allow"_s, u"prefer"_s, u"require"_s, u"verify-ca"_s, u"verify-full"_s};

const QStringList answerColumns = {u"uid"_s,       u"class_code"_s, u"child_uid"_s, u"answered_at"_s, u"lesson"_s,
                                   u"sub_topic"_s, u"kind"_s,       u"problem"_s,   u"given"_s,       u"expected"_s,
                                   u"correct"_s,   u"seconds"_s,    u"attempt"_s};
const QStringList runColumns = {u"uid"_s,       u"class_code"_s, u"child_uid"_s,  u"started"_s,  u"drill"_s,
                                u"sub_topic"_s, u"places"_s,     u"time_limit"_s, u"problems"_s, u"rights"_s,
                                u"score"_s,     u"seconds"_s,    u"ending"_s};

// Every value goes to the server bound, never spliced into the statement. A null QString would
// arrive as NULL; the tables keep "nothing written" as an empty text.
QVariant text(const QString& s)
{
    return s.isNull() ? QVariant(QString(u""_s)) : QVariant(s);
}

// INSERT of `rows` rows at once; a row the server already has (same id) is left as it is. The
// conflict has no target on purpose: naming one would need the right to read the column, and a
// class's login may not read answers at all.
QString insertStatement(const QString& table, const QStringList& columns, int rows)
{
    QString one = u"("_s;
    for (qsizetype i = 0; i < columns.size(); ++i)
        one += i == 0 ? u"?"_s : u", ?"_s;
    one += u")"_s;
    QStringList all;
    for (int r = 0; r < rows; ++r)
        all << one;
    return u"INSERT INTO kazemaru.%1 (%2) VALUES %3 ON CONFLICT DO NOTHING"_s.arg(table, columns.join(u", "_s),
                                                                                  all.join(u", "_s));
}

// A value of libpq's connection string, quoted as libpq reads it. Qt's driver turns every ";" of
// the options into a separator, so a value may not hold one.
std::optional<QString> connectValue(const QString& v)
{
    if (v.contains(u';') || v.contains(u'\n') || v.contains(u'\r')) return std::nullopt;
    QString quoted = v;
    quoted.replace(u"\\"_s, u"\\\\"_s).replace(u"'"_s, u"\\'"_s);
    return u"'"_s + quoted + u"'"_s;
}

// The database has the Kazemaru tables, and the login may use the class of the settings.
ServerError checkDatabase(const QSqlDatabase& db, const ClassServerSettings& settings)
{
    QSqlQuery q(db);
    if (!q.exec(u"SELECT max(version) FROM kazemaru.schema_version"_s) || !q.next() || q.value(0).toInt() < 1) {
        const QSqlError e = q.lastError();
        return {ServerFault::NoSchema, u"the database has no Kazemaru tables: %1"_s.arg(e.databaseText().trimmed()),
                e.nativeErrorCode()};
    }
    // A teacher may log in before choosing one of their classes.
    if (settings.classCode.isEmpty()) return {};
    q.prepare(u"SELECT code FROM kazemaru.classes WHERE code = ?"_s);
    q.addBindValue(settings.classCode);
    if (!q.exec())
        return {ServerFault::Rejected, q.lastError().databaseText().trimmed(), q.lastError().nativeErrorCode()};
    if (!q.next())
        return {ServerFault::NotInClass,
                u"the login \"%1\" may not use the class \"%2\""_s.arg(settings.user, settings.classCode),
                {}};
    return {};
}

QDateTime localTime(const QVariant& v)
{
    return v.toDateTime().toLocalTime();
}

} // namespace

// Binds the values of one row after another, left to right.
class ClassServer::Binder {
  public:
    explicit Binder(QSqlQuery& q)
        : q_(q)
    {
    }
    Binder& operator<<(const QVariant& v)
    {
        q_.bindValue(next_++, v);
        return *this;
    }

  private:
    QSqlQuery& q_;
    int next_ = 0;
};

QStringList ClassServerSettings::keys()
{
    return {u"host"_s, u"port"_s, u"database"_s,        u"class"_s,
            u"user"_s, u"tls"_s,  u"rootCertificate"_s, u"connectTimeout"_s};
}

QVariant ClassServerSettings::value(const QString& key) const
{
    if (key == u"host"_s) return host;
    if (key == u"port"_s) return port;
    if (key == u"database"_s) return database;
    if (key == u"class"_s) return classCode;
    if (key == u"user"_s) return user;
    if (key == u"tls"_s) return tls;
    if (key == u"rootCertificate"_s) return rootCertificate;
    if (key == u"connectTimeout"_s) return connectTimeoutSeconds;
    return {};
}

void ClassServerSettings::setValue(const QString& key, const QVariant& v)
{
    if (key == u"host"_s) host = v.toString().trimmed();
    if (key == u"port"_s) port = v.toInt();
    if (key == u"database"_s) database = v.toString().trimmed();
    if (key == u"class"_s) classCode = v.toString().trimmed();
    if (key == u"user"_s) user = v.toString().trimmed();
    if (key == u"tls"_s) tls = v.toString().trimmed();
    if (key == u"rootCertificate"_s) rootCertificate = v.toString();
    if (key == u"connectTimeout"_s) connectTimeoutSeconds = v.toInt();
}

ClassServerSettings ClassServerSettings::read()
{
    // The user's file (~/.config/Kazemaru/Kazemaru.conf) over the school's
    // (/etc/xdg/Kazemaru/Kazemaru.conf), key by key.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, u"Kazemaru"_s, u"Kazemaru"_s);
    ClassServerSettings s = read(settings);
    const SchoolSettings school = SchoolSettings::read();
    if (school.locked)
        for (const QString& key : school.keys)
            s.setValue(key, school.values.value(key));
    return s;
}

ClassServerSettings ClassServerSettings::read(const QSettings& s)
{
    ClassServerSettings c;
    for (const QString& key : keys())
        c.setValue(key, s.value(group() + u'/' + key, c.value(key)));
    return c;
}

void ClassServerSettings::write(QSettings& s) const
{
    s.beginGroup(group());
    for (const QString& key : keys())
        s.setValue(key, value(key));
    s.endGroup();
}

bool ClassServerSettings::writeForUser() const
{
    const SchoolSettings school = SchoolSettings::read();
    QSettings user(QSettings::NativeFormat, QSettings::UserScope, u"Kazemaru"_s, u"Kazemaru"_s);
    user.beginGroup(group());
    for (const QString& key : keys()) {
        const bool schools = school.keys.contains(key);
        if (schools && (school.locked || school.values.value(key) == value(key)))
            user.remove(key);
        else
            user.setValue(key, value(key));
    }
    user.endGroup();
    user.sync();
    return user.status() == QSettings::NoError;
}

SchoolSettings SchoolSettings::read()
{
    const QSettings system(QSettings::NativeFormat, QSettings::SystemScope, u"Kazemaru"_s, u"Kazemaru"_s);
    SchoolSettings school;
    school.values = ClassServerSettings::read(system);
    const QString g = ClassServerSettings::group() + u'/';
    for (const QString& key : ClassServerSettings::keys())
        if (system.contains(g + key)) school.keys << key;
    school.locked = system.value(g + u"locked"_s).toBool();
    return school;
}

ClassServer::ClassServer(ClassServerSettings settings)
    : settings_(std::move(settings))
{
    static QAtomicInteger<quint64> made = 0;
    connectionName_ = u"kazemaru-class-server-%1"_s.arg(++made);
}

ClassServer::~ClassServer()
{
    close();
    if (QSqlDatabase::contains(connectionName_)) QSqlDatabase::removeDatabase(connectionName_);
}

void ClassServer::close()
{
    if (QSqlDatabase::contains(connectionName_)) QSqlDatabase::database(connectionName_, false).close();
    open_ = false;
}

ServerError ClassServer::open(const QString& password)
{
    password_ = password;
    close();
    return connectOnce();
}

ServerError ClassServer::ensureOpen()
{
    return open_ ? ServerError{} : connectOnce();
}

ServerError ClassServer::connectOnce()
{
    if (settings_.host.isEmpty() || settings_.user.isEmpty())
        return {ServerFault::NotSet, u"no class server is set"_s, {}};
    if (!QSqlDatabase::isDriverAvailable(driverName))
        return {ServerFault::NoDriver, u"Qt's PostgreSQL driver (QPSQL) is not installed"_s, {}};
    if (settings_.port < 1 || settings_.port > 65535)
        return {ServerFault::BadSettings, u"the port must be a number from 1 to 65535"_s, {}};
    if (!tlsModes.contains(settings_.tls))
        return {ServerFault::BadSettings, u"unknown TLS mode \"%1\""_s.arg(settings_.tls), {}};

    QStringList options = {
        u"sslmode="_s + settings_.tls, u"connect_timeout=%1"_s.arg(qMax(2, settings_.connectTimeoutSeconds)),
        u"application_name=kazemaru"_s,
        // A server that vanishes mid-statement is noticed in seconds, not minutes.
        u"keepalives_idle=10"_s, u"keepalives_interval=5"_s, u"keepalives_count=3"_s, u"tcp_user_timeout=20000"_s};
    if (!settings_.rootCertificate.isEmpty()) {
        const auto value = connectValue(settings_.rootCertificate);
        if (!value) return {ServerFault::BadSettings, u"the certificate path may not contain \";\""_s, {}};
        options << u"sslrootcert="_s + *value;
    }

    QSqlDatabase db = QSqlDatabase::contains(connectionName_) ? QSqlDatabase::database(connectionName_, false)
                                                              : QSqlDatabase::addDatabase(driverName, connectionName_);
    if (db.isOpen()) db.close();
    db.setHostName(settings_.host);
    db.setPort(settings_.port);
    db.setDatabaseName(settings_.database);
    db.setUserName(settings_.user);
    db.setPassword(password_); // empty: libpq looks in the password file
    db.setConnectOptions(options.join(u';'));
    if (!db.open()) {
        const QSqlError e = db.lastError();
        return {ServerFault::Connect, e.databaseText().isEmpty() ? e.text() : e.databaseText().trimmed(), {}};
    }
    open_ = true;
    if (const ServerError e = checkDatabase(db, settings_)) {
        close();
        return e;
    }
    return {};
}

// What went wrong with a statement: the server's refusal, or a connection that is gone (then the
// next operation connects afresh).
ServerError ClassServer::failure(const QSqlError& e)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    QSqlQuery ping(db);
    if (!db.isOpen() || !ping.exec(u"SELECT 1"_s)) {
        // Closed at the next connection, once the statements still held on it are gone.
        open_ = false;
        return {ServerFault::Lost, e.text(), e.nativeErrorCode()};
    }
    return {ServerFault::Rejected, e.databaseText().trimmed(), e.nativeErrorCode()};
}

bool ClassServer::encrypted()
{
    if (ensureOpen()) return false;
    QSqlQuery q(QSqlDatabase::database(connectionName_, false));
    return q.exec(u"SELECT ssl FROM pg_catalog.pg_stat_ssl WHERE pid = pg_catalog.pg_backend_pid()"_s) && q.next() &&
           q.value(0).toBool();
}

ServerError ClassServer::run(const std::function<ServerError()>& operation)
{
    const bool wasOpen = open_;
    if (const ServerError e = ensureOpen()) return e;
    ServerError e = operation();
    // A connection that broke while idle (the server restarted) is made again once.
    if (e.fault == ServerFault::Lost && wasOpen) {
        if (const ServerError again = ensureOpen()) return again;
        e = operation();
    }
    return e;
}

ServerError ClassServer::sendBatch(const QString& table, const QStringList& columns, int rowCount,
                                   const std::function<void(Binder&, int row)>& bindRow, int* added)
{
    if (added) *added = 0;
    if (rowCount == 0) return {};
    int newRows = 0;
    const ServerError e = run([&]() -> ServerError {
        newRows = 0;
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        QSqlQuery q(db);
        const auto fail = [&](const QSqlError& e) {
            db.rollback(); // fails too when the connection is gone; failure() tells which
            return failure(e);
        };
        if (!db.transaction()) return failure(db.lastError());
        int prepared = 0;
        for (int first = 0; first < rowCount; first += rowsPerStatement) {
            const int n = qMin(rowsPerStatement, rowCount - first);
            if (n != prepared) {
                if (!q.prepare(insertStatement(table, columns, n))) return fail(q.lastError());
                prepared = n;
            }
            Binder bind(q);
            for (int r = first; r < first + n; ++r)
                bindRow(bind, r);
            if (!q.exec()) return fail(q.lastError());
            newRows += q.numRowsAffected();
        }
        if (!db.commit()) return fail(db.lastError());
        return {};
    });
    if (added) *added = e ? 0 : newRows;
    return e;
}

ServerError ClassServer::sendAnswers(const QList<AnswerRecord>& rows, int* added)
{
    return sendBatch(
        u"answers"_s, answerColumns, int(rows.size()),
        [&](Binder& b, int i) {
            const AnswerRecord& a = rows[i];
            b << a.uid << settings_.classCode << a.childUid << a.answeredAt << a.lesson << a.subTopic << text(a.kind)
              << text(a.problem) << text(a.given) << text(a.expected) << a.right << a.seconds << a.attempt;
        },
        added);
}

ServerError ClassServer::sendRuns(const QList<DrillRunRecord>& runs, int* added)
{
    return sendBatch(
        u"drill_runs"_s, runColumns, int(runs.size()),
        [&](Binder& b, int i) {
            const DrillRunRecord& r = runs[i];
            b << r.uid << settings_.classCode << r.childUid << r.started << r.drill << r.subTopic << text(r.places)
              << r.timeLimit << r.problems << r.rights << r.score << r.seconds << runEndCode(r.ending);
        },
        added);
}

ServerError ClassServer::addChild(const ChildProfile& child)
{
    return sendBatch(
        u"pupils"_s, {u"uid"_s, u"class_code"_s, u"name"_s, u"colour"_s}, 1,
        [&](Binder& b, int) { b << child.uid << settings_.classCode << text(child.name) << child.colour; }, nullptr);
}

ServerError ClassServer::select(const QString& statement, const QVariantList& values,
                                const std::function<void(const QSqlQuery&)>& eachRow)
{
    return run([&]() -> ServerError {
        QSqlQuery q(QSqlDatabase::database(connectionName_, false));
        q.setForwardOnly(true);
        if (!q.prepare(statement)) return failure(q.lastError());
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values[i]);
        if (!q.exec()) return failure(q.lastError());
        while (q.next())
            eachRow(q);
        return {};
    });
}

ServerError ClassServer::readRoster(QList<ChildProfile>& children)
{
    children.clear();
    return select(u"SELECT uid::text, name, colour FROM kazemaru.pupils WHERE class_code = ? ORDER BY added, uid"_s,
                  {settings_.classCode}, [&](const QSqlQuery& q) {
                      children.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toInt()});
                  });
}

ServerError ClassServer::readClasses(QList<ServerClass>& classes)
{
    classes.clear();
    return select(u"SELECT code, title FROM kazemaru.classes ORDER BY code"_s, {}, [&](const QSqlQuery& q) {
        classes.append({q.value(0).toString(), q.value(1).toString()});
    });
}

ServerError ClassServer::readClassView(QList<ClassViewCell>& cells)
{
    cells.clear();
    return select(u"SELECT child_uid::text, lesson, sub_topic, count(*), count(*) FILTER (WHERE correct), "
                  "max(answered_at) FROM kazemaru.answers WHERE class_code = ? "
                  "GROUP BY lesson, sub_topic, child_uid ORDER BY lesson, sub_topic, child_uid"_s,
                  {settings_.classCode}, [&](const QSqlQuery& q) {
                      cells.append({q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                                    q.value(4).toInt(), localTime(q.value(5))});
                  });
}

ServerError ClassServer::readRecentMarks(const QString& childUid, int window, QList<WeakItem>& items)
{
    items.clear();
    return select(u"SELECT lesson, sub_topic, count(*), count(*) FILTER (WHERE correct) FROM ("
                  "SELECT lesson, sub_topic, correct, row_number() OVER (PARTITION BY lesson, sub_topic "
                  "ORDER BY answered_at DESC, uid DESC) AS latest FROM kazemaru.answers "
                  "WHERE class_code = ? AND child_uid = ?::uuid) AS a "
                  "WHERE latest <= ? GROUP BY lesson, sub_topic ORDER BY lesson, sub_topic"_s,
                  {settings_.classCode, childUid, window}, [&](const QSqlQuery& q) {
                      items.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt()});
                  });
}

ServerError ClassServer::readAnswers(const QString& where, const QVariantList& values, QList<AnswerRecord>& rows)
{
    rows.clear();
    return select(u"SELECT uid::text, child_uid::text, answered_at, lesson, sub_topic, kind, problem, given, "
                  "expected, correct, seconds, attempt FROM kazemaru.answers WHERE "_s +
                      where,
                  values, [&](const QSqlQuery& q) {
                      AnswerRecord a;
                      a.uid = q.value(0).toString();
                      a.childUid = q.value(1).toString();
                      a.answeredAt = localTime(q.value(2));
                      a.lesson = q.value(3).toInt();
                      a.subTopic = q.value(4).toInt();
                      a.kind = q.value(5).toString();
                      a.problem = q.value(6).toString();
                      a.given = q.value(7).toString();
                      a.expected = q.value(8).toString();
                      a.right = q.value(9).toBool();
                      a.seconds = q.value(10).toDouble();
                      a.attempt = q.value(11).toInt();
                      rows.append(a);
                  });
}

ServerError ClassServer::readLastAnswers(const QString& childUid, int lesson, int limit, QList<AnswerRecord>& rows)
{
    QVariantList values = {settings_.classCode, childUid};
    QString where = u"class_code = ? AND child_uid = ?::uuid"_s;
    if (lesson != 0) {
        where += u" AND lesson = ?"_s;
        values << lesson;
    }
    values << qMax(0, limit);
    return readAnswers(where + u" ORDER BY answered_at DESC, uid DESC LIMIT ?"_s, values, rows);
}

ServerError ClassServer::readClassAnswers(QList<AnswerRecord>& rows)
{
    return readAnswers(u"class_code = ? ORDER BY answered_at, uid"_s, {settings_.classCode}, rows);
}

ServerError ClassServer::readClassRuns(QList<DrillRunRecord>& runs)
{
    runs.clear();
    return select(u"SELECT uid::text, child_uid::text, started, drill, sub_topic, places, time_limit, problems, "
                  "rights, score, seconds, ending FROM kazemaru.drill_runs WHERE class_code = ? "
                  "ORDER BY started, uid"_s,
                  {settings_.classCode}, [&](const QSqlQuery& q) {
                      DrillRunRecord r;
                      r.uid = q.value(0).toString();
                      r.childUid = q.value(1).toString();
                      r.started = localTime(q.value(2));
                      r.drill = q.value(3).toInt();
                      r.subTopic = q.value(4).toInt();
                      r.places = q.value(5).toString();
                      r.timeLimit = q.value(6).toInt();
                      r.problems = q.value(7).toInt();
                      r.rights = q.value(8).toInt();
                      r.score = q.value(9).toInt();
                      r.seconds = q.value(10).toInt();
                      const QString ending = q.value(11).toString();
                      for (RunEnd e : {RunEnd::Stopped, RunEnd::TimeUp, RunEnd::Abandoned})
                          if (runEndCode(e) == ending) r.ending = e;
                      runs.append(r);
                  });
}

} // namespace kazemaru
