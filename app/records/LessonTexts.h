#pragma once
// How the records window names the lessons and writes a child's answers for grown-ups: lesson
// and menu item names as the lessons themselves show them, the ○ rate and its colour, and the
// CSV file of the answers.
#include "data/LearningRecord.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace kazemaru {

// The lessons in the order of the contents screen: TForm2 … TForm16.
inline constexpr int firstLesson = 2;
inline constexpr int lastLesson = 16;

// "わり算：何十、何百をわる", from the lesson's own titles.
QString lessonName(int lesson);
// The lesson's menu items ("何十をわる", …); a lesson without a menu has one item, 0, named
// after the lesson.
QList<int> lessonItems(int lesson);
QString itemName(int lesson, int subTopic);
// Whether the lesson judges answers at all (the area lesson only shows).
bool lessonJudges(int lesson);
// Whether the lesson is a timed drill, which has no study mode.
bool lessonIsDrill(int lesson);

// "75%" (rounded down, so that 100% means every answer was right); "―" without answers.
QString percentText(int rights, int answers);
// From red (no ○) through yellow to green (every answer ○), light enough to read black on.
QColor rateColour(int rights, int answers);

// The mark as the answers list shows it: "○", "×", with "（2かいめ）" for another try.
QString markText(const AnswerRecord& answer);
// The seconds from posing to judging, to a tenth: "12.3".
QString secondsText(double seconds);

// The CSV text of a child's answers in the order given: UTF-8 with a byte-order mark, a header
// row, one answer a line.
QByteArray answersCsv(const QList<AnswerRecord>& answers, const QString& childName);
// The same for the answers of a class, each with its child's name (by the child's id).
QByteArray answersCsv(const QList<AnswerRecord>& answers, const QHash<QString, QString>& names);

// A CSV file's suggested path in the documents folder; a name's slashes and control characters
// never make it another folder.
QString suggestedCsvFile(const QString& name);
// Writes a CSV file whole or not at all, and says in a box that it did or why it could not.
bool writeCsvFile(const QString& path, const QByteArray& bytes);

} // namespace kazemaru
