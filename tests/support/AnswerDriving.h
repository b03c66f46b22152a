#pragma once
// Drives a lesson's test mode as a child does and catches each judgement the lesson reports
// (answerJudged), for the tests of the learning record.
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

// Answers the posed problem through its answer key (wrong: the judging digit one more),
// `seconds` after the last judgement or posing on the fake monotonic clock, and gives the answer
// as the lesson reported it. Then, unless another try at the same problem follows, poses the next
// problem ten seconds later.
inline AnswerRecord answerInTest(Harness& h, LessonScreen* screen, bool right, double seconds = 4.5,
                                 bool thenNext = true)
{
    QList<QPair<int, int>> key = Probe::answerKey(*screen);
    if (key.isEmpty()) qFatal("nothing posed on %s", qPrintable(screen->objectName()));
    if (!right) key.back().second = (key.back().second + 1) % 10;
    h.monotonic += qint64(seconds * 1000);
    QList<AnswerRecord> reported;
    const QMetaObject::Connection c = QObject::connect(screen, &LessonScreen::answerJudged, screen,
                                                       [&reported](const AnswerRecord& a) { reported << a; });
    for (const auto& [number, digit] : key)
        child<SimpleComboBox>(screen, QStringLiteral("ComboBox%1").arg(number))->choose(digit);
    QObject::disconnect(c);
    if (reported.size() != 1)
        qFatal("%lld answers reported on %s", qlonglong(reported.size()), qPrintable(screen->objectName()));
    if (thenNext) {
        h.now = h.now.addSecs(10);
        child<QAbstractButton>(screen, QStringLiteral("CuteButton4"))->click();
    }
    return reported[0];
}

// The answers as stored, for comparing with what was reported: everything but the ids.
inline QVariantList figures(const AnswerRecord& a)
{
    return {a.answeredAt, a.lesson, a.subTopic, a.kind, a.problem, a.given, a.expected, a.right, a.seconds, a.attempt};
}

} // namespace kazemaru::test
