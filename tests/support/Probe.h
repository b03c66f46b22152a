#pragma once
// What the screens, the shell, the windows and the data module keep to themselves and only the
// tests read: each such class names test::Probe its friend, and the tests ask through here.

namespace kazemaru::test {

struct Probe {
    // The prompt blink and the lesson screens.
    template <class B> static int ticks(const B& b) { return b.ticks(); }
    template <class S> static int blinkTicks(const S& s) { return ticks(s.blink_); }
    template <class S> static auto answerKey(const S& s) { return s.answerKey(); }
    template <class S, class N> static int contribution(const S& s, const N& selector)
    {
        return s.contribution(selector);
    }
    template <class S> static auto missingHandlers(const S& s) { return s.missingHandlers(); }
    template <class S> static bool overlay(const S& s) { return s.overlay(); }
    template <class S> static decltype(auto) problem(const S& s) { return s.problem(); }
    template <class S> static int problemKind(const S& s) { return s.problemKind(); }
    template <class S> static bool posed(const S& s) { return s.posed(); }
    template <class S> static int step(const S& s) { return s.step(); }
    template <class S> static decltype(auto) comparison(const S& s) { return s.comparison(); }
    template <class S> static decltype(auto) conversion(const S& s) { return s.conversion(); }
    template <class S> static decltype(auto) walk(const S& s) { return s.walk(); }
    template <class S> static int exampleCounter(const S& s) { return s.exampleCounter(); }
    template <class S> static int stepCounter(const S& s) { return s.stepCounter(); }
    template <class S> static int quotientDigitCount(const S& s) { return s.entry() ? s.entry()->quotientDigits() : 0; }
    template <class S> static auto layoutCase(const S& s) { return s.layoutCase(); }
    template <class S> static decltype(auto) figure(const S& s) { return s.figure(); }
    // The entry of a long division.
    template <class E> static int quotientDigits(const E& e) { return e.quotientDigits(); }
    template <class E> static int pendingValue(const E& e) { return e.pendingValue(); }
    template <class E> static bool finished(const E& e) { return e.finished(); }
    template <class E> static int enteredRemainder(const E& e) { return e.enteredRemainder(); }
    template <class E> static int answerTotal(const E& e) { return e.answerTotal(); }
    // Drills.
    template <class S> static int timeLimit(const S& s) { return s.timeLimit(); }
    template <class S> static int rightCount(const S& s) { return s.rightCount(); }
    template <class S> static int problemCounter(const S& s) { return s.problemCounter(); }
    template <class S> static bool running(const S& s) { return s.running(); }
    // The program, its windows and its store.
    template <class S> static bool hasEnded(const S& s) { return s.hasEnded(); }
    template <class S> static auto helpViewer(const S& s) { return s.helpViewer(); }
    template <class S> static auto recordsWindow(const S& s) { return s.recordsWindow(); }
    template <class S> static auto browser(const S& s) { return s.browser(); }
    template <class S> static auto scoreSeries(const S& s) { return s.scoreSeries(); }
    template <class S> static auto paceSeries(const S& s) { return s.paceSeries(); }
    template <class S> static bool chartShown(const S& s) { return s.chartShown(); }
    template <class S, class T> static bool isQueryOpen(const S& s, T table) { return s.isQueryOpen(table); }
    // The learning record: who studies, the children's names, the records window's pages and the
    // answer writer.
    template <class S> static auto answerRecorder(const S& s) { return s.answerRecorder(); }
    template <class S> static auto childPicker(const S& s) { return s.childPicker(); }
    template <class S> static auto childrenDialog(const S& s) { return s.childrenDialog(); }
    template <class S> static auto lessonTable(const S& s) { return s.lessonTable(); }
    template <class S> static auto weakItems(const S& s) { return s.weakItems(); }
    template <class S> static auto answersPage(const S& s) { return s.answersPage(); }
    template <class S> static auto table(const S& s) { return s.table(); }
    template <class R> static void setRetryInterval(R& r, int ms) { r.setRetryInterval(ms); }
    // The class server: the program's link, its sender, the settings dialog, the teacher's table.
    template <class S> static auto classLink(const S& s) { return s.classLink(); }
    template <class L> static auto sender(const L& l) { return l.sender(); }
    template <class C> static bool waitUntilSent(C& sender, int ms) { return sender.waitUntilSent(ms); }
    template <class F> static auto classServerDialog(const F& f) { return f.classServerDialog(); }
    template <class W> static auto classTable(const W& w) { return w.classTable(); }
};

} // namespace kazemaru::test
