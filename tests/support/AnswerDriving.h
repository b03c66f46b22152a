#pragma once
// Drives a lesson's test mode as a child does and reports each judgement the way the lesson
// frame reports it (answerJudged), for the tests of the learning record.
#include "app/Unit1.h"
#include "data/AnswerRecorder.h"
#include "frame/LessonScreen.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QLabel>

namespace kazemaru::test {

// The lesson's button on the contents screen, its menu item `subTopic`, the mode button
// ("テスト") and "つぎへ", which poses the first problem.
inline LessonScreen* poseInTest(Shell& shell, int form, int subTopic)
{
    static_cast<TForm1*>(shell.form(1))->openLesson(form);
    auto* screen = static_cast<LessonScreen*>(shell.form(form));
    child<SimpleComboBox>(screen, QStringLiteral("ComboBox1"))->choose(subTopic - 1);
    child<QAbstractButton>(screen, QStringLiteral("CuteButton3"))->click();
    child<QAbstractButton>(screen, QStringLiteral("CuteButton4"))->click();
    return screen;
}

// The judge mark the screen shows: "○", "×" or empty.
inline QString judgeMark(LessonScreen* screen)
{
    for (QLabel* l : screen->findChildren<QLabel*>())
        if (l->isVisibleTo(screen) && (l->text() == QStringLiteral("○") || l->text() == QStringLiteral("×")))
            return l->text();
    return {};
}

// Answers the posed problem through its answer key (wrong: the judging digit one more), then
// reports the judgement as the frame does, `seconds` after posing, and poses the next problem.
// The problem is the text of the screen's label `question`. Gives the answer as reported.
inline AnswerRecord answerInTest(Harness& h, LessonScreen* screen, const QString& question, bool right,
                                 double seconds = 4.5, int attempt = 1)
{
    QList<QPair<int, int>> key = Probe::answerKey(*screen);
    if (key.isEmpty()) qFatal("nothing posed on %s", qPrintable(screen->objectName()));
    QString expected, given;
    for (const auto& [number, digit] : key)
        expected += QString::number(digit);
    if (!right) key.back().second = (key.back().second + 1) % 10;
    for (const auto& [number, digit] : key) {
        given += QString::number(digit);
        child<SimpleComboBox>(screen, QStringLiteral("ComboBox%1").arg(number))->choose(digit);
    }
    AnswerRecord a;
    a.answeredAt = h.now;
    a.lesson = screen->facts().form;
    a.subTopic = screen->subTopic();
    a.problem = child<QLabel>(screen, question)->text();
    a.given = QString::number(given.toInt());
    a.expected = QString::number(expected.toInt());
    a.right = judgeMark(screen) == QStringLiteral("○");
    a.seconds = seconds;
    a.attempt = attempt;
    Q_EMIT screen->answerJudged(a);
    h.now = h.now.addSecs(10);
    child<QAbstractButton>(screen, QStringLiteral("CuteButton4"))->click();
    return a;
}

// The answers as stored, for comparing with what was reported: everything but the ids.
inline QVariantList figures(const AnswerRecord& a)
{
    return {a.answeredAt, a.lesson, a.subTopic, a.kind, a.problem, a.given, a.expected, a.right, a.seconds, a.attempt};
}

} // namespace kazemaru::test
