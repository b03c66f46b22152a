#pragma once
// What a lesson reports of its judged answers, caught for the tests, and a child who answers
// through the selectors: the right answer from the screen's answer key, or a wrong digit.
#include "frame/LessonScreen.h"
#include "frame/widgets/SimpleComboBox.h"
#include "tests/support/TestSupport.h"

#include <QList>

namespace kazemaru::test {

// Every answerJudged of one screen, in order.
struct JudgedAnswers {
    QList<AnswerRecord> records;

    explicit JudgedAnswers(LessonScreen* screen)
    {
        QObject::connect(screen, &LessonScreen::answerJudged, screen,
                         [this](const AnswerRecord& r) { records.append(r); });
    }
};

using Choices = QList<QPair<int, int>>; // (selector number, item) in the order chosen

// Chooses each item in its selector, as a child clicks them.
inline void choose(LessonScreen* screen, const Choices& choices)
{
    for (const auto& [number, item] : choices)
        child<SimpleComboBox>(screen, QStringLiteral("ComboBox%1").arg(number))->choose(item);
}

// The screen's answer key with its last choice, which judges, one item further on: a wrong digit
// (or the other side of a left-or-right choice).
inline Choices wrongLast(LessonScreen* screen, Choices key)
{
    if (key.isEmpty()) return key;
    const int items =
        int(child<SimpleComboBox>(screen, QStringLiteral("ComboBox%1").arg(key.back().first))->items().size());
    key.back().second = (key.back().second + 1) % items;
    return key;
}

} // namespace kazemaru::test
