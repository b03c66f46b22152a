#include "app/records/LessonTexts.h"

#include "app/Shell.h"
#include "app/records/RunTexts.h"
#include "frame/Dialogs.h"
#include "frame/FrameFacts.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>
#include <functional>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

bool known(int lesson)
{
    return lesson >= firstLesson && lesson <= lastLesson;
}

} // namespace

QString lessonName(int lesson)
{
    if (!known(lesson)) return u"レッスン %1"_s.arg(lesson);
    QStringList titles;
    for (const TextFact& t : frameFacts(lesson).titles)
        titles << t.text;
    return titles.join(u'：');
}

QList<int> lessonItems(int lesson)
{
    if (!known(lesson)) return {};
    const MenuFact& menu = frameFacts(lesson).menu;
    if (menu.name.isEmpty()) return {0};
    QList<int> items;
    for (int i = 1; i <= menu.items.size(); ++i)
        items << i;
    return items;
}

QString itemName(int lesson, int subTopic)
{
    if (!known(lesson)) return u"メニュー %1"_s.arg(subTopic);
    const MenuFact& menu = frameFacts(lesson).menu;
    if (menu.name.isEmpty()) return frameFacts(lesson).titles.last().text;
    if (subTopic >= 1 && subTopic <= menu.items.size()) return menu.items[subTopic - 1];
    return u"メニュー %1"_s.arg(subTopic);
}

bool lessonJudges(int lesson)
{
    return known(lesson) && !frameFacts(lesson).promptAfterJudging.isEmpty();
}

bool lessonIsDrill(int lesson)
{
    if (!known(lesson)) return false;
    for (const ButtonFact& b : frameFacts(lesson).buttons)
        if (b.name == u"CuteButton5"_s && b.caption == u"ストップ"_s) return true;
    return false;
}

QString percentText(int rights, int answers)
{
    return answers > 0 ? u"%1%"_s.arg(rights * 100 / answers) : u"―"_s;
}

QColor rateColour(int rights, int answers)
{
    if (answers <= 0) return QColor(0xEE, 0xEE, 0xEE);
    const double rate = double(rights) / answers;
    return QColor::fromHsv(int(rate * 120 + 0.5), 110, 255);
}

QString markText(const AnswerRecord& answer)
{
    const QString mark = answer.right ? u"○"_s : u"×"_s;
    return answer.attempt > 1 ? mark + u"（%1かいめ）"_s.arg(answer.attempt) : mark;
}

QString secondsText(double seconds)
{
    return QString::number(seconds, 'f', 1);
}

namespace {

QByteArray csvOfAnswers(const QList<AnswerRecord>& answers, const std::function<QString(const AnswerRecord&)>& nameOf)
{
    QList<QStringList> rows{{u"日時"_s, u"なまえ"_s, u"レッスン"_s, u"メニュー"_s, u"しゅるい"_s, u"もんだい"_s,
                             u"こたえ"_s, u"正しい答え"_s, u"○×"_s, u"なんかいめ"_s, u"びょう"_s}};
    for (const AnswerRecord& a : answers) {
        rows << QStringList{a.answeredAt.toString(u"yyyy-MM-dd HH:mm:ss"_s),
                            nameOf(a),
                            lessonName(a.lesson),
                            itemName(a.lesson, a.subTopic),
                            a.kind,
                            a.problem,
                            a.given,
                            a.expected,
                            a.right ? u"○"_s : u"×"_s,
                            QString::number(a.attempt),
                            secondsText(a.seconds)};
    }
    return csvDocument(rows);
}

} // namespace

QByteArray answersCsv(const QList<AnswerRecord>& answers, const QString& childName)
{
    return csvOfAnswers(answers, [&](const AnswerRecord&) { return childName; });
}

QByteArray answersCsv(const QList<AnswerRecord>& answers, const QHash<QString, QString>& names)
{
    return csvOfAnswers(answers, [&](const AnswerRecord& a) { return names.value(a.childUid); });
}

QString suggestedCsvFile(const QString& name)
{
    QString safe = name;
    for (QChar& c : safe)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control) c = u'_';
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(safe + u".csv"_s);
}

bool writeCsvFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        reportError(u"CSVファイルを ほぞんできませんでした。\n%1: %2"_s.arg(path, file.errorString()));
        return false;
    }
    showDialog(DialogKind::Information, u"CSVファイルを ほぞんしました。\n%1"_s.arg(path));
    return true;
}

} // namespace kazemaru
