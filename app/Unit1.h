#pragma once
// The contents screen: seven chapters, fifteen lesson buttons, help, About and quit.
#include "frame/PromptBlink.h"

#include <QMainWindow>
#include <functional>

class QTimer;
class QTextBrowser;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

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
    // The store whose run history the records window shows.
    void setDataModule(TDataModule1* data) { data_ = data; }

  public Q_SLOTS:
    void FormCreate();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void CuteButton2Click(); // quit
    void utorial1Click();    // help contents
    void About1Click();
    void Kiroku1Click();       // the records window for grown-ups
    void openLesson(int form); // what each of the fifteen lesson buttons does

  Q_SIGNALS:
    void quitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* page_;
    std::function<QWidget*(int form)> lessons_;
    QString helpFile_;
    StatusBar* status_ = nullptr;
    QTimer* timer3_;
    PromptBlink blink_{nullptr, nullptr};
    bool fanfarePlayed_ = false;
    mutable QWidget* helpViewer_ = nullptr;
    TDataModule1* data_ = nullptr;
    RecordsWindow* records_ = nullptr;

    friend struct test::Probe; // the tests read these; the program never needs them
    QWidget* helpViewer() const;
    RecordsWindow* recordsWindow() const { return records_; }
};

} // namespace kazemaru
