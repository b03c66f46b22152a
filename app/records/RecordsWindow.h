#pragma once
// The records window for grown-ups, opened from the contents screen's menu, for the child chosen
// at its top: every lesson and menu item with the child's answers and ○ rate, the weak items with
// a button to practise each, a lesson's latest answers, and per drill and menu item a line chart
// of the score and of the seconds per problem over the runs with the table of the runs below it
// (newest first); the child's answers and the runs shown can be saved as CSV.
#include "data/DrillHistory.h"
#include "data/LearningRecord.h"

#include <QDialog>
#include <functional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableView;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class AnswerRecorder;
class AnswersPage;
class LessonTablePage;
class TDataModule1;
class RunsModel;
class WeakItemsPage;

class RecordsWindow : public QDialog {
    Q_OBJECT
  public:
    // `answers` (optional) is waited for briefly, so that the latest answers are in the window.
    RecordsWindow(TDataModule1* data, QWidget* parent, AnswerRecorder* answers = nullptr);

    QString childUid() const; // the child shown

    // Where the CSV file goes; by default a file dialog asks. Returns an empty path to cancel.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    const QList<DrillRunRecord>& runs() const { return runs_; } // shown, oldest first

  public Q_SLOTS:
    // Reads the children afresh and shows the one studying now: the lessons, the weak items, the
    // lesson answered most recently, and the drill and menu item run most recently.
    void reload();
    void ComboBox1Change();  // the drill and menu item shown
    void ComboBox2Change();  // the child shown
    void CuteButton1Click(); // CSV export of the runs shown
    void CuteButton2Click(); // close
    void CuteButton3Click(); // CSV export of the child's answers
    void CuteButton4Click(); // the teacher's view of the class, from the class server

  Q_SIGNALS:
    // "れんしゅうする": the child is to practise the lesson's menu item in test mode.
    void practiseRequested(const QString& childUid, int lesson, int subTopic);

  private:
    void showChild();
    void showLessonAnswers(int lesson);
    void reloadDrills();
    void showRuns(int drill, int subTopic);
    void showEmpty(const QString& sentence);
    void fillChart(int drill, int subTopic);

    TDataModule1* data_;
    AnswerRecorder* answers_;
    FileChooser chooser_;
    QList<ChildProfile> children_;
    QComboBox* childBox_;
    QTabWidget* tabs_;
    LessonTablePage* lessonTable_;
    WeakItemsPage* weakItems_;
    AnswersPage* answersPage_;
    QPushButton* exportAnswers_;
    QPushButton* teacher_;
    QList<DrillRunRecord> runs_;
    QComboBox* chooserBox_;
    QStackedWidget* pages_;
    QChartView* chartView_;
    QChart* chart_;
    QLineSeries* score_;
    QLineSeries* pace_;
    QLabel* empty_;
    QTableView* grid_;
    RunsModel* model_;
    QPushButton* export_;

    friend struct test::Probe; // the tests read these; the program never needs them
    QLineSeries* scoreSeries() const { return score_; }
    QLineSeries* paceSeries() const { return pace_; }
    bool chartShown() const;
    LessonTablePage* lessonTable() const { return lessonTable_; }
    WeakItemsPage* weakItems() const { return weakItems_; }
    AnswersPage* answersPage() const { return answersPage_; }
};

} // namespace kazemaru
