#pragma once
// The contents screen: seven chapters, fifteen lesson buttons, help, About and quit; who is
// studying (asked at start when two or more children study here, shown in the status bar); and
// for grown-ups the records window and the children's names.
#include "data/LearningRecordStore.h"
#include "frame/PromptBlink.h"

#include <QMainWindow>
#include <functional>

class QAbstractButton;
class QTimer;
class QTextBrowser;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class AnswerRecorder;
class ChildPicker;
class ClassLink;
class ClassServerDialog;
class ChildrenDialog;
class RecordsWindow;
class StatusBar;
class TDataModule1;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);

    // Where the fifteen buttons find the screen they open: source(n) gives TFormn, built when it
    // is first asked for.
    void setLessonSource(std::function<QWidget*(int form)> source) { lessons_ = std::move(source); }
    QString helpFile() const { return helpFile_; }
    // The store whose children, answers and run history this screen and the records window show,
    // and the recorder of the answers.
    void setDataModule(TDataModule1* data, AnswerRecorder* answers = nullptr)
    {
        data_ = data;
        answers_ = answers;
    }
    // The class server's side of the program: the roster in the picker, its state in the status bar.
    void setClassLink(ClassLink* link);

  public Q_SLOTS:
    void FormCreate();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void CuteButton2Click(); // quit
    void utorial1Click();    // help contents
    void About1Click();
    void Kiroku1Click();       // the records window for grown-ups
    void Namae1Click();        // the children's names, for grown-ups
    void Kurasu1Click();       // the class server's settings, for grown-ups
    void CuteButton18Click();  // "こうたい": another child studies now
    void openLesson(int form); // what each of the fifteen lesson buttons does
    // At start, once the screen is up: opens the record, asks who is studying when two or more
    // children do, and shows who it is. A record of a later release ends the program after a box.
    void openRecord();
    // The child studies `lesson`'s menu item `subTopic` in test mode, opened as the child would:
    // the lesson's button, its menu, its mode button.
    void practise(const QString& childUid, int lesson, int subTopic);

  Q_SIGNALS:
    void quitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void childChosen(const QString& uid);
    void showChild();
    void showStatus(); // who studies, and the class server's state
    StoreError readPickable(QList<ChildProfile>& children);
    void rosterChanged();

    QWidget* page_;
    std::function<QWidget*(int form)> lessons_;
    QString helpFile_;
    StatusBar* status_ = nullptr;
    QTimer* timer3_;
    PromptBlink blink_{nullptr, nullptr};
    bool fanfarePlayed_ = false;
    mutable QWidget* helpViewer_ = nullptr;
    TDataModule1* data_ = nullptr;
    AnswerRecorder* answers_ = nullptr;
    RecordsWindow* records_ = nullptr;
    ChildrenDialog* children_ = nullptr;
    ChildPicker* picker_ = nullptr;
    QAbstractButton* turn_ = nullptr;
    ClassLink* class_ = nullptr;
    ClassServerDialog* server_ = nullptr;
    QString childText_;

    friend struct test::Probe; // the tests read these; the program never needs them
    QWidget* helpViewer() const;
    RecordsWindow* recordsWindow() const { return records_; }
    ChildrenDialog* childrenDialog() const { return children_; }
    ChildPicker* childPicker() const { return picker_; }
    ClassServerDialog* classServerDialog() const { return server_; }
};

} // namespace kazemaru
