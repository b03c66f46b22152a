#pragma once
// The large numbers lesson's problems: writing a number in kanji or in digits, and multiplying or
// dividing a number of 万, 億 or 兆 by 10 or 100. Answers are counts of 千万 (see KanjiNumeral.h).
// Problems are drawn from the program's one random generator, in a fixed order of draws.
#include <QString>
#include <QStringList>

namespace kazemaru {

// Sub-topics of the menu: 1 writing numbers, 2 ×10 and ×100, 3 ÷10 and ÷100.
inline constexpr int largeNumberSubTopics = 3;

struct LargeNumberProblem {
    int subTopic = 0; // 0: nothing posed yet
    int form = 0;     // the problem draw 0 … 8: the form (sub-topic 1) or the operand's unit and size
    int factor = 0;   // 10 or 100 (sub-topics 2, 3)
    int operand = 0;  // the shown number of 万, 億 or 兆 (sub-topics 2, 3)
    int answer = 0;   // the correct answer in 千万

    // Writing a number given in digits as a kanji numeral (the other forms are answered in digits).
    bool kanjiAnswer() const { return subTopic == 1 && form <= 4; }
};

// Reseeds the generator and draws a problem of the sub-topic. Sub-topic 1 draws the form, the
// magnitude and the number; sub-topics 2 and 3 the form, the factor and the operand. Outside
// 1 … 3 nothing is drawn and the problem is empty.
LargeNumberProblem drawLargeNumberProblem(int subTopic);

// The study explanation of a sub-topic, lines separated by "\n"; empty outside 1 … 3.
QString largeNumberExplanation(int subTopic);

// The place-value chart: sixteen column heads from 千兆 to 一 (one character a line), and the
// sample digits written under them.
QStringList placeValueChartHeads();
QString placeValueChartSample();

// The question line of a sub-topic 1 problem ("次の数を 漢字で 書くと？"); empty otherwise.
QString largeNumberQuestion(const LargeNumberProblem& p);

// The number to write in kanji (its digits), to write in digits (its kanji numeral), or the
// multiplication or division asked ("20億の10倍は？", "10億を100でわると？").
QString largeNumberProblemText(const LargeNumberProblem& p);

// The prompt that asks for the problem's answer.
QString largeNumberEntryPrompt(const LargeNumberProblem& p);

// The correct answer after judging: "答え：" and the kanji numeral, the digits, or for sub-topics
// 2 and 3 the number in 兆, 億 and 千万 ("答え：9億8千万").
QString largeNumberAnswerText(const LargeNumberProblem& p);

// A number of 千万 written as the lesson writes the answer of `p` (without "答え："): the kanji
// numeral or the digits in sub-topic 1, the 兆, 億 and 千万 parts in sub-topics 2 and 3; "0" for
// an entry of all zeros.
QString largeNumberAnswer(const LargeNumberProblem& p, int tenMillions);

// The kind of problem within the menu item: "漢字で書く" or "数字で書く" in sub-topic 1, "10倍" or
// "100倍" in 2, "10でわる" or "100でわる" in 3.
QString largeNumberKind(const LargeNumberProblem& p);

// The problem as the screen shows it: the question and the number in sub-topic 1, the
// multiplication or division in 2 and 3.
QString largeNumberProblem(const LargeNumberProblem& p);

// A count of 千万 as its 兆, 億 and 千万 parts in ordinary digits, parts of 0 left out: "1234億5千万".
QString unitsText(int tenMillions);

// A digit answer is right when the places entered add up to the answer; a kanji answer when it is
// exactly the kanji numeral of the answer, character for character.
bool largeNumberDigitsRight(const LargeNumberProblem& p, int entered);
bool largeNumberKanjiRight(const LargeNumberProblem& p, const QString& entered);

} // namespace kazemaru
