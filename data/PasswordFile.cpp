// libpq's password file: one entry a line, host:port:database:user:password, with ":" and "\"
// escaped by a backslash. libpq reads it only while its owner alone may read it.
#include "data/ClassServer.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace kazemaru::PasswordFile {
namespace {

QString escaped(const QString& field)
{
    QString out;
    out.reserve(field.size());
    for (QChar c : field) {
        if (c == u'\\' || c == u':') out += u'\\';
        out += c;
    }
    return out;
}

// The first four fields of an entry, unescaped; fewer when the line is not an entry.
QStringList keyOf(const QString& line)
{
    QStringList fields;
    QString field;
    for (qsizetype i = 0; i < line.size() && fields.size() < 4; ++i) {
        const QChar c = line[i];
        if (c == u'\\' && i + 1 < line.size()) {
            field += line[++i];
        } else if (c == u':') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return fields;
}

} // namespace

QString path()
{
    const QString named = qEnvironmentVariable("PGPASSFILE");
    return named.isEmpty() ? QDir::homePath() + u"/.pgpass"_s : named;
}

QString entry(const QString& host, int port, const QString& database, const QString& user, const QString& password)
{
    return QStringList{escaped(host), QString::number(port), escaped(database), escaped(user), escaped(password)}.join(
        u':');
}

QString store(const ClassServerSettings& server, const QString& password)
{
    for (const QString& v : {server.host, server.database, server.user, password})
        if (v.contains(u'\n') || v.contains(u'\r')) return u"a line break cannot be kept in the password file"_s;
    if (server.host.isEmpty() || server.user.isEmpty()) return u"the server and the login must be set first"_s;

    const QString file = path();
    const QStringList key = {server.host, QString::number(server.port), server.database, server.user};
    QStringList lines;
    QFile old(file);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly)) return u"%1: %2"_s.arg(file, old.errorString());
        for (const QString& line : QString::fromUtf8(old.readAll()).split(u'\n')) {
            if (line.isEmpty() || keyOf(line) == key) continue; // the old entry gives way to the new one
            lines << line;
        }
    }
    lines << entry(server.host, server.port, server.database, server.user, password);

    // Written beside the file and renamed over it: a crash leaves the old file or the new one.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return u"%1: %2"_s.arg(file, out.errorString());
    if (!out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return u"%1: its permissions cannot be set to the owner's alone"_s.arg(file);
    out.write((lines.join(u'\n') + u'\n').toUtf8());
    if (!out.commit()) return u"%1: %2"_s.arg(file, out.errorString());
    return {};
}

} // namespace kazemaru::PasswordFile
