#pragma once
// The records window for grown-ups, opened from the contents screen's menu: per drill and menu
// item, a line chart of the score and of the seconds per problem over the runs, the table of the
// runs below it (newest first), and a CSV export of the runs shown.
#include "data/DrillHistory.h"

#include <QDialog>
#include <functional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class TDataModule1;
class RunsModel;

class RecordsWindow : public QDialog {
    Q_OBJECT
  public:
    RecordsWindow(TDataModule1* data, QWidget* parent);

    // Reads the history afresh and shows the drill and menu item run most recently.
    void reload();

    // Where the CSV file goes; by default a file dialog asks. Returns an empty path to cancel.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    const QList<DrillRunRecord>& runs() const { return runs_; } // shown, oldest first

  public Q_SLOTS:
    void ComboBox1Change();  // the drill and menu item shown
    void CuteButton1Click(); // CSV export
    void CuteButton2Click(); // close

  private:
    void showRuns(int drill, int subTopic);
    void showEmpty(const QString& sentence);
    void fillChart(int drill, int subTopic);

    TDataModule1* data_;
    FileChooser chooser_;
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
};

} // namespace kazemaru
