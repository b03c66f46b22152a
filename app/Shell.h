#pragma once
// Builds the program exactly as start-up does — the drill store and the contents screen — without
// running the event loop. Each lesson screen is built when it is first asked for (its button on the
// contents screen, or form(n)), and does then what it did when it was made at start-up.
#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <memory>

class QApplication;
class QWidget;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class AnswerRecorder;
class ClassLink;
class ScreenHost;
class TDataModule1;
class TForm1;
struct FrameFacts;

class Shell : public QObject {
    Q_OBJECT
  public:
    // databaseFolder holds the kyozai tables. Below a scale of 1 (a screen too small for the
    // program's windows) every screen is shown scaled down by that factor in a host window.
    explicit Shell(const QString& databaseFolder, double scale = 1.0);
    ~Shell() override;

    QWidget* form(int n); // TForm1 … TForm16, a lesson screen built on first request
    TDataModule1* dataModule();
    // Shows the contents screen. Once it has been painted, what the child does not need to see it
    // follows: the window icon, the learning record, and what every lesson screen shares.
    void showContents();
    int run(); // showContents(), then the event loop

  Q_SIGNALS:
    void ended();

  private:
    void end();
    void answerStoreFailed(const QString& text);
    QWidget* build(int form);
    bool hosted() const { return !hosts_.isEmpty(); }
    void refit(); // the scale again, from the contents window's real frame
    void afterFirstPaint();

    std::unique_ptr<TDataModule1> data_;
    std::unique_ptr<ClassLink> class_;        // before the recorder, so that it outlives the writer that wakes it
    std::unique_ptr<AnswerRecorder> answers_; // after the data module, so it is gone before it
    double scale_;
    // The contents screen, or the host that shows it, with every lesson screen under it: gone
    // before the recorder, so that no screen outlives where its answers go.
    std::unique_ptr<QWidget> contentsWindow_;
    TForm1* contents_;
    std::array<QWidget*, 15> lessons_{}; // TForm2 … TForm16 once built, owned by the contents window
    QList<ScreenHost*> hosts_;           // the hosts of the screens shown scaled, the contents' first
    bool ended_ = false;

    friend struct test::Probe; // the tests read these; the program never needs them
    bool hasEnded() const { return ended_; }
    AnswerRecorder* answerRecorder() const { return answers_.get(); } // every lesson's judged answers
    ClassLink* classLink() const { return class_.get(); }
};

// The frame facts of lesson screen TForm<form>, 2 … 16, as its lesson gives them.
const FrameFacts& frameFacts(int form);

// Applies the program's style, fonts and Japanese dialog buttons to the application.
void applyLook(QApplication& app);

// main()'s work: the look, then a Shell on the user's data folder, run to its end.
int startProgram(QApplication& app);

} // namespace kazemaru
