#pragma once
// Builds the program exactly as start-up does — the drill store, the contents screen, then the
// lesson screens in their start-up order — without running the event loop.
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class QApplication;
class QWidget;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class AnswerRecorder;
class ClassLink;
class TDataModule1;
class TForm1;
struct FrameFacts;

class Shell : public QObject {
    Q_OBJECT
  public:
    explicit Shell(const QString& databaseFolder); // the folder that holds the kyozai tables
    ~Shell() override;

    QWidget* form(int n); // TForm1 … TForm16
    TDataModule1* dataModule();
    int run(); // show the contents screen, run the event loop

  Q_SIGNALS:
    void ended();

  private:
    void end();
    void answerStoreFailed(const QString& text);

    std::unique_ptr<TDataModule1> data_;
    std::unique_ptr<ClassLink> class_;        // before the recorder, so that it outlives the writer that wakes it
    std::unique_ptr<AnswerRecorder> answers_; // after the data module, so it is gone before it
    std::unique_ptr<TForm1> contents_;
    QList<QWidget*> lessons_; // TForm2 … TForm16, owned by the contents screen
    bool ended_ = false;

    friend struct test::Probe; // the tests read these; the program never needs them
    bool hasEnded() const { return ended_; }
    AnswerRecorder* answerRecorder() const { return answers_.get(); } // every lesson's judged answers
    ClassLink* classLink() const { return class_.get(); }
};

// The frame facts of lesson screen TForm<form>, 2 … 16, as its lesson gives them.
const FrameFacts& frameFacts(int form);

// Applies the program's fonts and Japanese dialog buttons to the application.
void applyLook(QApplication& app);

// main()'s work: the look, then a Shell on the user's data folder, run to its end.
int startProgram(QApplication& app);

} // namespace kazemaru
