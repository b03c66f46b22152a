#pragma once
// The teacher's view of a class, opened from the records window: the teacher logs in with their
// own login and password (kept in memory only, and only while this window is open: it forgets
// them when it closes), then sees the class on the class server — every lesson and menu item ×
// every child with the child's % ○, weak cells red, never-practised cells plain — a chooser when
// the teacher has several classes, each child's records on the same pages as the child's records
// on this computer (lesson table, にがて, latest answers), and the class's answers as CSV. The
// server is asked on a thread of its own: the window never waits for the network.
#include "data/ClassServer.h"

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableView;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class AnswersPage;
class ClassTableModel;
class LessonTablePage;
class ServerThread;
class WeakItemsPage;

class TeacherWindow : public QDialog {
    Q_OBJECT
  public:
    // The server of `settings`; its class is shown first when the teacher has it.
    TeacherWindow(const ClassServerSettings& settings, QWidget* parent);
    ~TeacherWindow() override;

    // Where the CSV file goes; by default a file dialog asks. An empty path cancels.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  public Q_SLOTS:
    void CuteButton1Click(); // "ログイン"
    void ComboBox1Change();  // the class shown
    void ComboBox2Change();  // the child shown on the child's pages
    void CuteButton2Click(); // CSV of the class's answers
    void CuteButton3Click(); // "とじる"

  Q_SIGNALS:
    void classShown(); // a class's table is filled (after the login, or another class chosen)
    void childShown(); // a child's にがて and answers are filled
    void failed();     // the server said no, or could not be reached (the window says why)

  private:
    struct ClassLoad;
    void showClass(const ClassLoad& load);
    void loadClass(const QString& code);
    void loadChild();
    void loadAnswers(int lesson);
    void fail(const ServerError& error);
    QString childUid() const;

    ClassServerSettings settings_;
    FileChooser chooser_;
    std::unique_ptr<ServerThread> server_;
    QStackedWidget* pages_;
    QLineEdit* login_;
    QLineEdit* password_;
    QPushButton* loginButton_;
    QLabel* loginNote_;
    QComboBox* classBox_;
    QComboBox* childBox_;
    QPushButton* export_;
    QTabWidget* tabs_;
    QTableView* grid_;
    ClassTableModel* model_;
    LessonTablePage* lessonTable_;
    WeakItemsPage* weakItems_;
    AnswersPage* answersPage_;
    QLabel* status_;
    QString classTitle_;

    friend struct test::Probe; // the tests read these; the program never needs them
    ClassTableModel* classTable() const { return model_; }
    LessonTablePage* lessonTable() const { return lessonTable_; }
    WeakItemsPage* weakItems() const { return weakItems_; }
    AnswersPage* answersPage() const { return answersPage_; }
};

} // namespace kazemaru
