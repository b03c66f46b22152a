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

class AnswerRecorder;
class TDataModule1;
class TForm1;

class Shell : public QObject {
    Q_OBJECT
  public:
    explicit Shell(const QString& databaseFolder); // the folder that holds the kyozai tables
    ~Shell() override;

    QWidget* form(int n); // TForm1 … TForm16
    TDataModule1* dataModule();
    AnswerRecorder* answerRecorder() { return answers_.get(); } // every lesson's judged answers
    int run();                                                  // show the contents screen, run the event loop

    bool hasEnded() const { return ended_; }

  Q_SIGNALS:
    void ended();

  private:
    void end();
    void answerStoreFailed(const QString& text);

    std::unique_ptr<TDataModule1> data_;
    std::unique_ptr<AnswerRecorder> answers_; // after the data module, so it is gone before it
    std::unique_ptr<TForm1> contents_;
    QList<QWidget*> lessons_; // TForm2 … TForm16, owned by the contents screen
    bool ended_ = false;
};

// Applies the program's fonts and Japanese dialog buttons to the application.
void applyLook(QApplication& app);

// main()'s work: the look, then a Shell on the user's data folder, run to its end.
int startProgram(QApplication& app);

} // namespace kazemaru
