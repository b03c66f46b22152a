#pragma once
// The learning record: the children who study on this computer and one row for every judged
// answer. Every child and every row carries an id made on this computer (a UUID without braces),
// so the same row is recognised wherever it is copied to and is never stored twice.
#include <QDateTime>
#include <QString>

namespace kazemaru {

// A child who studies on this computer.
struct ChildProfile {
    QString uid;    // made when the child is added; the child's id everywhere
    QString name;   // up to ten characters, stored and shown exactly as written
    int colour = 0; // index of one of the few profile colours
};

// One judged answer, in a lesson's test mode or in a drill.
struct AnswerRecord {
    QString uid;          // made on this computer when the answer is judged
    QString childUid;     // who answered
    QDateTime answeredAt; // local date and time of the judgement
    int lesson = 0;       // the lesson's screen, 2 … 16
    int subTopic = 0;     // its menu item, 1 …
    QString kind;         // the kind of problem within the menu item, as the lesson names it; may be empty
    QString problem;      // the problem as shown
    QString given;        // the child's answer as entered
    QString expected;     // the right answer
    bool right = false;
    double seconds = 0; // from posing the problem to judging it
    int attempt = 1;    // 1 for the first judgement of a problem; 2, 3 … for another try at it
};

// A lesson's menu item as a child's answers show it: answers given, ○ among them, the latest answer.
struct ItemSummary {
    int lesson = 0;
    int subTopic = 0;
    int answers = 0;
    int rights = 0;
    QDateTime last;
};

// A menu item's ○ among the child's last answers there (at most LearningRecordStore::weakWindow).
struct WeakItem {
    int lesson = 0;
    int subTopic = 0;
    int answers = 0;
    int rights = 0;
};

} // namespace kazemaru
