#pragma once
// A judged answer in the screen's own words, as a lesson gives it to the frame, which adds the
// time, the lesson, the menu item and the try and reports it for the record of every answer.
#include <QString>

namespace kazemaru {

struct AnswerFacts {
    QString problem = {};  // the problem as shown; the frame makes one line of it
    QString given = {};    // the child's answer, written the way the right answer is written
    QString expected = {}; // the right answer
    QString kind = {};     // the kind of problem within the menu item; empty where the item has one kind
};

// The lines of `text` joined by single spaces, empty lines left out: "次の式の□の数は？\n\n□ + 16 = 39"
// gives "次の式の□の数は？ □ + 16 = 39". Spaces inside a line are kept as they are.
QString oneLine(const QString& text);

} // namespace kazemaru
