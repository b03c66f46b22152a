#include "app/records/RecordsWindow.h"

#include "app/GrownUpWindow.h"
#include "app/ScreenFit.h"
#include "app/records/ChartScale.h"
#include "app/records/LearningPages.h"
#include "app/records/LessonTexts.h"
#include "app/records/RunTexts.h"
#include "app/records/TeacherWindow.h"
#include "data/AnswerRecorder.h"
#include "data/untDTM.h"
#include "frame/Dialogs.h"
#include "frame/FrameFacts.h"
#include "frame/widgets/Factory.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace kazemaru {

// The runs of the table, newest first.
class RunsModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRuns(const QList<DrillRunRecord>* runs)
    {
        beginResetModel();
        runs_ = runs;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !runs_ ? 0 : int(runs_->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(runColumnTitles().size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!runs_ || !index.isValid()) return {};
        if (role == Qt::TextAlignmentRole)
            return int((runCellIsNumber(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        return runCell((*runs_)[runs_->size() - 1 - index.row()], index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return runColumnTitles().value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

  private:
    const QList<DrillRunRecord>* runs_ = nullptr;
};

namespace {

const QColor scoreColour{0x1F, 0x5F, 0xC0};
const QColor paceColour{0xE0, 0x70, 0x10};

// Markers on each run while they stay apart; a long history draws the lines alone.
constexpr int markedRunsAtMost = 60;

// Room below 0 and above the top of each value axis, in hundredths of its range, so that the
// markers of a 0 or a full score are drawn whole; both axes keep their grid lines together.
constexpr double axisRoom = 6;

// A value axis from 0 to `top` with five even steps, and room for the markers at both ends.
void setValueScale(QValueAxis* axis, double top)
{
    axis->setRange(-top * axisRoom / 100, top * (100 + axisRoom) / 100);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(top / 5);
}

QString defaultChooser(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, u"CSVファイルに ほぞん"_s, suggested, u"CSV (*.csv)"_s);
}

int kindKey(int drill, int subTopic)
{
    return drill * 100 + subTopic;
}

} // namespace

RecordsWindow::RecordsWindow(TDataModule1* data, QWidget* parent, AnswerRecorder* answers)
    : QDialog(parent, ownWindowFlags)
    , data_(data)
    , answers_(answers)
    , chooser_(defaultChooser)
{
    setObjectName(u"RecordsWindow"_s);
    QLabel* title = setUpGrownUpWindow(this, u"きろく"_s, 955, 716, 15);

    chooserBox_ = new QComboBox(this);
    chooserBox_->setObjectName(u"ComboBox1"_s);
    chooserBox_->setFont(programFont(16));
    chooserBox_->setMinimumWidth(380);
    connect(chooserBox_, &QComboBox::activated, this, &RecordsWindow::ComboBox1Change);

    export_ = makeButton(this, {u"CuteButton1"_s, u"CSVでほぞん"_s, 0, 0, 150, 32, colour::skyBlue, colour::navy}, 16);
    connect(export_, &QAbstractButton::clicked, this, &RecordsWindow::CuteButton1Click);
    auto* close = makeButton(this, {u"CuteButton2"_s, u"とじる"_s, 0, 0, 90, 32, colour::navy, colour::cream}, 16);
    connect(close, &QAbstractButton::clicked, this, &RecordsWindow::CuteButton2Click);
    // The layout keeps the buttons as made, with air around their captions.
    for (QPushButton* b : std::initializer_list<QPushButton*>{export_, close})
        b->setMinimumSize(b->size());

    childBox_ = new QComboBox(this);
    childBox_->setObjectName(u"ComboBox2"_s);
    childBox_->setFont(programFont(18, true));
    childBox_->setMinimumWidth(200);
    connect(childBox_, &QComboBox::activated, this, &RecordsWindow::ComboBox2Change);
    exportAnswers_ = makeButton(
        this, {u"CuteButton3"_s, u"こたえを CSVで ほぞん"_s, 0, 0, 210, 32, colour::skyBlue, colour::navy}, 16);
    connect(exportAnswers_, &QAbstractButton::clicked, this, &RecordsWindow::CuteButton3Click);
    exportAnswers_->setMinimumSize(exportAnswers_->size());
    // For a teacher at a class computer: the whole class, from the class server.
    teacher_ = makeButton(
        this, {u"CuteButton4"_s, u"クラスの きろく（せんせい）"_s, 0, 0, 250, 32, colour::mint, colour::navy}, 16);
    teacher_->setMinimumSize(teacher_->size());
    connect(teacher_, &QAbstractButton::clicked, this, &RecordsWindow::CuteButton4Click);

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addSpacing(24);
    top->addWidget(childBox_);
    top->addStretch();
    top->addWidget(teacher_);
    top->addWidget(exportAnswers_);
    top->addWidget(close);

    auto* drillTop = new QHBoxLayout;
    drillTop->addWidget(chooserBox_);
    drillTop->addStretch();
    drillTop->addWidget(export_);

    chart_ = new QChart;
    chart_->setBackgroundBrush(colour::cream);
    chart_->setTitleFont(programFont(18, true));
    chart_->setTitleBrush(colour::navy);
    chart_->legend()->setFont(programFont(15));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    score_ = new QLineSeries(chart_);
    score_->setName(u"せいせき（てん・左の目もり）"_s);
    score_->setPen(QPen(scoreColour, 3));
    pace_ = new QLineSeries(chart_);
    pace_->setName(u"1もんに かかった びょう数（右の目もり）"_s);
    pace_->setPen(QPen(paceColour, 3));
    chart_->addSeries(score_);
    chart_->addSeries(pace_);

    auto* dates = new QDateTimeAxis(chart_);
    dates->setFormat(u"M/d"_s);
    dates->setTitleText(u"日づけ"_s);
    auto* points = new QValueAxis(chart_);
    setValueScale(points, 100);
    points->setLabelFormat(u"%d"_s);
    points->setLabelsColor(scoreColour);
    auto* seconds = new QValueAxis(chart_);
    seconds->setLabelFormat(u"%d"_s);
    seconds->setLabelsColor(paceColour);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(dates), static_cast<QAbstractAxis*>(points),
                                static_cast<QAbstractAxis*>(seconds)}) {
        axis->setLabelsFont(programFont(14));
        axis->setTitleFont(programFont(15, true));
    }
    chart_->addAxis(dates, Qt::AlignBottom);
    chart_->addAxis(points, Qt::AlignLeft);
    chart_->addAxis(seconds, Qt::AlignRight);
    score_->attachAxis(dates);
    score_->attachAxis(points);
    pace_->attachAxis(dates);
    pace_->attachAxis(seconds);

    chartView_ = new QChartView(chart_, this);
    chartView_->setObjectName(u"Chart1"_s);
    chartView_->setRenderHint(QPainter::Antialiasing);

    empty_ = new QLabel(this);
    empty_->setObjectName(u"Label2"_s);
    empty_->setFont(programFont(20, true));
    empty_->setStyleSheet(u"color: #000080; background-color: #FFFBF0; padding: 24px;"_s);
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(chartView_);
    pages_->addWidget(empty_);

    model_ = new RunsModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(u"DBGrid1"_s);
    grid_->setModel(model_);
    grid_->setFont(programFont(14));
    setResultGridLook(grid_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->setDefaultSectionSize(24);
    grid_->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {150, 60, 80, 80, 80, 120, 130, 90};
    for (int c = 0; c < int(std::size(widths)); ++c)
        grid_->setColumnWidth(c, widths[c]);

    auto* drills = new QWidget(this);
    auto* drillLayout = new QVBoxLayout(drills);
    drillLayout->setContentsMargins(0, 8, 0, 0);
    drillLayout->addLayout(drillTop);
    drillLayout->addWidget(pages_, 3);
    drillLayout->addWidget(grid_, 2);

    lessonTable_ = new LessonTablePage(this);
    weakItems_ = new WeakItemsPage(this);
    connect(weakItems_, &WeakItemsPage::practise, this,
            [this](int lesson, int subTopic) { Q_EMIT practiseRequested(childUid(), lesson, subTopic); });
    answersPage_ = new AnswersPage(this);
    connect(answersPage_, &AnswersPage::lessonChosen, this, &RecordsWindow::showLessonAnswers);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(u"PageControl1"_s);
    tabs_->setFont(programFont(16, true));
    for (QWidget* page : {static_cast<QWidget*>(lessonTable_), static_cast<QWidget*>(weakItems_),
                          static_cast<QWidget*>(answersPage_), drills})
        page->setFont(programFont(16));
    tabs_->addTab(lessonTable_, u"べんきょうの きろく"_s);
    tabs_->addTab(weakItems_, u"にがて"_s);
    tabs_->addTab(answersPage_, u"こたえ"_s);
    tabs_->addTab(drills, u"ドリル"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addWidget(tabs_);
}

bool RecordsWindow::chartShown() const
{
    return pages_->currentWidget() == chartView_;
}

void RecordsWindow::reload()
{
    teacher_->setVisible(!ClassServerSettings::read().host.isEmpty());
    // The answers judged a moment ago may still be on their way to the disk.
    if (answers_ && answers_->waiting() > 0 && !answers_->refusing()) answers_->waitUntilStored(1000);
    childBox_->clear();
    children_.clear();
    if (StoreError error = data_ ? data_->learningRecord().tryReadChildren(children_) : StoreError(u"no store"_s)) {
        reportError(*error);
        lessonTable_->showItems({});
        weakItems_->showItems({});
        answersPage_->showAnswers({});
        chooserBox_->hide();
        exportAnswers_->setEnabled(false);
        showEmpty(u"きろくを 読めませんでした。\nくわしいことは、さきほどの メッセージを ごらんください。"_s);
        return;
    }
    for (const ChildProfile& child : children_)
        childBox_->addItem(child.name, child.uid);
    childBox_->setCurrentIndex(std::max(0, childBox_->findData(data_->learningRecord().currentChildUid())));
    exportAnswers_->setEnabled(true);
    showChild();
}

QString RecordsWindow::childUid() const
{
    return childBox_->currentData().toString();
}

void RecordsWindow::ComboBox2Change()
{
    showChild();
}

void RecordsWindow::showChild()
{
    LearningRecordStore& record = data_->learningRecord();
    QList<ItemSummary> items;
    QList<WeakItem> weak;
    StoreError error = record.tryReadSummary(childUid(), items);
    if (!error) error = record.tryReadWeakItems(childUid(), items, weak);
    if (error) reportError(*error);
    lessonTable_->showItems(items);
    weakItems_->showItems(weak);
    // The lesson answered most recently, else the first.
    const auto latest = std::max_element(items.cbegin(), items.cend(),
                                         [](const ItemSummary& a, const ItemSummary& b) { return a.last < b.last; });
    answersPage_->chooseLesson(latest == items.cend() ? firstLesson : latest->lesson);
    if (!error) showLessonAnswers(answersPage_->lesson());
    reloadDrills();
}

void RecordsWindow::showLessonAnswers(int lesson)
{
    QList<AnswerRecord> rows;
    if (StoreError error =
            data_->learningRecord().tryReadLatestAnswers(childUid(), lesson, AnswersPage::latestCount, rows))
        reportError(*error);
    answersPage_->showAnswers(rows);
}

void RecordsWindow::reloadDrills()
{
    QList<DrillRunKind> kinds;
    if (StoreError error = data_->tryReadRunKinds(kinds, childUid())) {
        reportError(*error);
        chooserBox_->hide();
        showEmpty(u"ドリルの きろくを 読めませんでした。\nくわしいことは、さきほどの メッセージを ごらんください。"_s);
        return;
    }
    chooserBox_->clear();
    const DrillRunKind* latest = nullptr;
    for (const DrillRunKind& k : kinds)
        if (!latest || k.latest > latest->latest) latest = &k;
    for (int drill : historyDrills) {
        for (int sub = 1; sub <= subTopicCount(drill); ++sub) {
            int count = 0;
            for (const DrillRunKind& k : kinds)
                if (k.drill == drill && k.subTopic == sub) count = k.runs;
            chooserBox_->addItem(u"%1 ─ %2（%3かい）"_s.arg(drillName(drill), subTopicName(drill, sub)).arg(count),
                                 kindKey(drill, sub));
        }
    }
    if (!latest) {
        chooserBox_->hide();
        showEmpty(u"まだ ドリルの きろくは ありません。\n\n"
                  u"お子さまが「わり算のドリル」や「小数の計算のドリル」をすると、\n"
                  u"ここに せいせきと はやさの グラフが でます。"_s);
        return;
    }
    chooserBox_->show();
    chooserBox_->setCurrentIndex(chooserBox_->findData(kindKey(latest->drill, latest->subTopic)));
    showRuns(latest->drill, latest->subTopic);
}

void RecordsWindow::ComboBox1Change()
{
    const int key = chooserBox_->currentData().toInt();
    if (key > 0) showRuns(key / 100, key % 100);
}

void RecordsWindow::showEmpty(const QString& sentence)
{
    runs_.clear();
    model_->setRuns(&runs_);
    score_->clear();
    pace_->clear();
    empty_->setText(sentence);
    pages_->setCurrentWidget(empty_);
    grid_->hide();
    export_->setEnabled(false);
}

void RecordsWindow::showRuns(int drill, int subTopic)
{
    QList<DrillRunRecord> runs;
    if (StoreError error = data_->tryReadRuns(drill, subTopic, runs, childUid())) reportError(*error);
    if (runs.isEmpty()) {
        showEmpty(
            u"「%1」の「%2」は、まだ きろくが ありません。"_s.arg(drillName(drill), subTopicName(drill, subTopic)));
        return;
    }
    runs_ = std::move(runs);
    model_->setRuns(&runs_);
    fillChart(drill, subTopic);
    pages_->setCurrentWidget(chartView_);
    grid_->setColumnHidden(7, drill != 12); // decimal places
    grid_->show();
    export_->setEnabled(true);
}

void RecordsWindow::fillChart(int drill, int subTopic)
{
    QList<QPointF> scores, paces;
    scores.reserve(runs_.size());
    paces.reserve(runs_.size());
    double slowest = 0;
    for (const DrillRunRecord& r : runs_) {
        const double x = double(r.started.toMSecsSinceEpoch());
        scores.append({x, double(r.score)});
        paces.append({x, r.secondsPerProblem()});
        slowest = std::max(slowest, r.secondsPerProblem());
    }
    // Ranges first, then the points: each change of either makes the chart place every point anew.
    score_->clear();
    pace_->clear();
    const DateScale scale = dateScale(runs_.first().started, runs_.last().started);
    auto* dates = static_cast<QDateTimeAxis*>(chart_->axes(Qt::Horizontal).value(0));
    dates->setRange(scale.start, scale.end);
    dates->setTickCount(scale.ticks);
    auto* seconds = static_cast<QValueAxis*>(chart_->axes(Qt::Vertical).value(1));
    setValueScale(seconds, std::max(10.0, std::ceil(slowest * 1.2 / 10) * 10));

    const bool marked = runs_.size() <= markedRunsAtMost;
    score_->setPointsVisible(marked);
    pace_->setPointsVisible(marked);
    // Thousands of runs draw as fast plain lines; a few weeks' worth get smooth ones.
    chartView_->setRenderHint(QPainter::Antialiasing, marked);
    score_->replace(scores);
    pace_->replace(paces);
    chart_->setTitle(u"%1 ─ %2"_s.arg(drillName(drill), subTopicName(drill, subTopic)));
}

void RecordsWindow::CuteButton1Click()
{
    if (runs_.isEmpty()) return;
    const DrillRunRecord& any = runs_.first();
    const QString suggested = suggestedCsvFile(u"ドリルのきろく-%1-%2-%3"_s.arg(
        childBox_->currentText(), drillName(any.drill), subTopicName(any.drill, any.subTopic)));
    const QString path = chooser_ ? chooser_(this, suggested) : QString();
    if (!path.isEmpty()) writeCsvFile(path, runsCsv(runs_));
}

void RecordsWindow::CuteButton3Click()
{
    QList<AnswerRecord> rows;
    if (StoreError error = data_->learningRecord().tryReadAnswers(childUid(), rows)) {
        reportError(*error);
        return;
    }
    const QString path =
        chooser_ ? chooser_(this, suggestedCsvFile(u"こたえ-%1"_s.arg(childBox_->currentText()))) : QString();
    if (!path.isEmpty()) writeCsvFile(path, answersCsv(rows, childBox_->currentText()));
}

void RecordsWindow::CuteButton4Click()
{
    // A window of its own: closing it forgets the teacher's password.
    auto* window = new TeacherWindow(ClassServerSettings::read(), this);
    window->show();
    window->raise();
    window->activateWindow();
}

void RecordsWindow::CuteButton2Click()
{
    close();
}

} // namespace kazemaru
