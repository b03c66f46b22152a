#include "app/records/RecordsWindow.h"

#include "app/records/ChartScale.h"
#include "app/records/RunTexts.h"
#include "data/untDTM.h"
#include "frame/Dialogs.h"
#include "frame/FrameFacts.h"
#include "frame/widgets/Factory.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QSaveFile>
#include <QStackedWidget>
#include <QStandardPaths>
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

QFont programFont(int pixelSize, bool bold = false)
{
    QFont f;
    f.setFamilies(programFamilies());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

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

RecordsWindow::RecordsWindow(TDataModule1* data, QWidget* parent)
    : QDialog(parent)
    , data_(data)
    , chooser_(defaultChooser)
{
    setObjectName(u"RecordsWindow"_s);
    setWindowFlag(Qt::Window);
    setWindowTitle(u"ドリルのきろく"_s);
    setFont(programFont(15));
    resize(955, 716);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour::background);
    setPalette(pal);

    auto* title = new QLabel(u"ドリルのきろく"_s, this);
    title->setObjectName(u"Label1"_s);
    title->setFont(programFont(24, true));
    title->setStyleSheet(u"color: #000080;"_s);

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

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addSpacing(24);
    top->addWidget(chooserBox_);
    top->addStretch();
    top->addWidget(export_);
    top->addWidget(close);

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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addWidget(pages_, 3);
    layout->addWidget(grid_, 2);
}

bool RecordsWindow::chartShown() const
{
    return pages_->currentWidget() == chartView_;
}

void RecordsWindow::reload()
{
    QList<DrillRunKind> kinds;
    if (StoreError error = data_ ? data_->tryReadRunKinds(kinds) : StoreError(u"no store"_s)) {
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
    if (StoreError error = data_->tryReadRuns(drill, subTopic, runs)) reportError(*error);
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
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        QDir(folder.isEmpty() ? QDir::homePath() : folder)
            .filePath(u"ドリルのきろく-%1-%2.csv"_s.arg(drillName(any.drill), subTopicName(any.drill, any.subTopic)));
    const QString path = chooser_ ? chooser_(this, suggested) : QString();
    if (path.isEmpty()) return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(runsCsv(runs_)) < 0 || !file.commit()) {
        reportError(u"CSVファイルを ほぞんできませんでした。\n%1: %2"_s.arg(path, file.errorString()));
        return;
    }
    showDialog(DialogKind::Information, u"CSVファイルを ほぞんしました。\n%1"_s.arg(path));
}

void RecordsWindow::CuteButton2Click()
{
    close();
}

} // namespace kazemaru
