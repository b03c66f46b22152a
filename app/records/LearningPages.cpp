#include "app/records/LearningPages.h"

#include "app/GrownUpWindow.h"
#include "app/records/LessonTexts.h"
#include "frame/FrameFacts.h"
#include "frame/widgets/Factory.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

const QColor quietInk{0x70, 0x70, 0x70};

// A sentence shown where a page has nothing yet.
QLabel* makeNote(QWidget* parent, const QString& name)
{
    auto* note = new QLabel(parent);
    note->setObjectName(name);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    note->setStyleSheet(u"color: #000080; background-color: #FFFBF0; padding: 24px; font-size: 18px;"_s);
    return note;
}

QTableWidget* makeTable(QWidget* parent, const QString& name, const QStringList& titles)
{
    auto* table = new QTableWidget(0, int(titles.size()), parent);
    table->setObjectName(name);
    table->setFont(programFont(15));
    table->setHorizontalHeaderLabels(titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(26);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setStyleSheet(u"QTableWidget { background-color: #FFFBF0; }"_s);
    return table;
}

QTableWidgetItem* cell(const QString& text, bool number = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return item;
}

// One row of the lesson table: the answers, the ○ rate and the day last practised, coloured by
// the rate; a row without answers says so in grey.
void fillRow(QTreeWidgetItem* row, int answers, int rights, const QDateTime& last, const QString& none)
{
    if (answers == 0) {
        row->setText(1, none);
        row->setForeground(1, quietInk);
        return;
    }
    row->setText(1, QString::number(answers));
    row->setText(2, percentText(rights, answers));
    row->setText(3, last.toString(u"yyyy/MM/dd"_s));
    for (int c = 1; c <= 2; ++c)
        row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(3, Qt::AlignCenter);
    for (int c = 0; c < 4; ++c)
        row->setBackground(c, rateColour(rights, answers));
}

} // namespace

LessonTablePage::LessonTablePage(QWidget* parent)
    : QWidget(parent)
    , table_(new QTreeWidget(this))
{
    table_->setObjectName(u"LessonTable"_s);
    table_->setFont(programFont(15));
    table_->setColumnCount(4);
    table_->setHeaderLabels({u"レッスン ／ メニュー"_s, u"こたえた かず"_s, u"○の わりあい"_s, u"さいごに やった日"_s});
    table_->header()->setDefaultAlignment(Qt::AlignCenter);
    table_->header()->setStretchLastSection(true);
    table_->setColumnWidth(0, 400);
    table_->setColumnWidth(1, 190);
    table_->setColumnWidth(2, 120);
    table_->setRootIsDecorated(false);
    table_->setItemsExpandable(false);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setUniformRowHeights(true);
    table_->setStyleSheet(u"QTreeWidget { background-color: #FFFBF0; } QTreeWidget::item { padding: 3px 0px; }"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addWidget(table_);
}

void LessonTablePage::showItems(const QList<ItemSummary>& items)
{
    table_->clear();
    QFont bold = table_->font();
    bold.setBold(true);
    for (int lesson = firstLesson; lesson <= lastLesson; ++lesson) {
        auto* row = new QTreeWidgetItem(table_, {lessonName(lesson)});
        row->setFont(0, bold);
        if (!lessonJudges(lesson)) {
            fillRow(row, 0, 0, {}, u"こたえる もんだいは ありません"_s);
            continue;
        }
        int answers = 0, rights = 0;
        QDateTime last;
        for (int sub : lessonItems(lesson)) {
            auto* itemRow = new QTreeWidgetItem(row, {u"　　"_s + itemName(lesson, sub)});
            const auto found = std::find_if(items.cbegin(), items.cend(), [&](const ItemSummary& s) {
                return s.lesson == lesson && s.subTopic == sub;
            });
            if (found == items.cend()) {
                fillRow(itemRow, 0, 0, {}, u"まだ やっていません"_s);
                continue;
            }
            fillRow(itemRow, found->answers, found->rights, found->last, {});
            answers += found->answers;
            rights += found->rights;
            if (!last.isValid() || found->last > last) last = found->last;
        }
        fillRow(row, answers, rights, last, u"まだ やっていません"_s);
    }
    table_->expandAll();
}

WeakItemsPage::WeakItemsPage(QWidget* parent)
    : QWidget(parent)
    , pages_(new QStackedWidget(this))
{
    table_ =
        makeTable(this, u"WeakList"_s, {u"レッスン"_s, u"メニュー"_s, u"さいきんの こたえ"_s, u"○の わりあい"_s, {}});
    table_->verticalHeader()->setDefaultSectionSize(44);
    const int widths[] = {300, 220, 150, 110};
    for (int c = 0; c < int(std::size(widths)); ++c)
        table_->setColumnWidth(c, widths[c]);
    none_ = makeNote(this, u"WeakNone"_s);
    none_->setText(
        u"にがてな ところは まだ ありません。\n\nおなじ メニューで %1もん いじょう こたえて、×が あると、"
        u"さいきんの %2もんの ○の わりあいが ひくい じゅんに ここに でます。"_s.arg(LearningRecordStore::weakAtLeast)
            .arg(LearningRecordStore::weakWindow));
    pages_->addWidget(table_);
    pages_->addWidget(none_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addWidget(pages_);
}

void WeakItemsPage::showItems(const QList<WeakItem>& items)
{
    // The old rows' buttons go now, not later: no click may reach an item no longer shown.
    for (int row = 0; row < table_->rowCount(); ++row)
        delete table_->cellWidget(row, 4);
    table_->setRowCount(0);
    pages_->setCurrentWidget(items.isEmpty() ? static_cast<QWidget*>(none_) : table_);
    for (const WeakItem& item : items) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        table_->setItem(row, 0, cell(lessonName(item.lesson)));
        table_->setItem(row, 1, cell(itemName(item.lesson, item.subTopic)));
        table_->setItem(row, 2, cell(u"%1もん中 ○%2"_s.arg(item.answers).arg(item.rights), true));
        table_->setItem(row, 3, cell(percentText(item.rights, item.answers), true));
        table_->item(row, 3)->setBackground(rateColour(item.rights, item.answers));
        if (!practiseShown_) continue;
        auto* practise = makeButton(
            nullptr, {u"Practise%1"_s.arg(row + 1), u"れんしゅうする"_s, 0, 0, 150, 34, colour::pink, colour::navy},
            16);
        connect(practise, &QAbstractButton::clicked, this,
                [this, item] { Q_EMIT this->practise(item.lesson, item.subTopic); });
        auto* holder = new QWidget;
        auto* centred = new QHBoxLayout(holder);
        centred->setContentsMargins(8, 4, 8, 4);
        centred->addWidget(practise);
        centred->addStretch();
        table_->setCellWidget(row, 4, holder);
    }
}

void WeakItemsPage::setPractiseShown(bool shown)
{
    practiseShown_ = shown;
    table_->setColumnHidden(4, !shown);
}

AnswersPage::AnswersPage(QWidget* parent)
    : QWidget(parent)
    , lessons_(new QComboBox(this))
{
    lessons_->setObjectName(u"ComboBox3"_s);
    for (int lesson = firstLesson; lesson <= lastLesson; ++lesson)
        if (lessonJudges(lesson)) lessons_->addItem(lessonName(lesson), lesson);
    connect(lessons_, &QComboBox::activated, this, [this] { Q_EMIT lessonChosen(this->lesson()); });

    table_ = makeTable(this, u"AnswerGrid"_s,
                       {u"日時"_s, u"メニュー"_s, u"もんだい"_s, u"こたえ"_s, u"正しい答え"_s, u"○×"_s, u"びょう"_s});
    const int widths[] = {150, 175, 200, 75, 85, 100};
    for (int c = 0; c < int(std::size(widths)); ++c)
        table_->setColumnWidth(c, widths[c]);
    none_ = makeNote(this, u"AnswersNone"_s);

    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(u"レッスン："_s, this);
    top->addWidget(caption);
    top->addWidget(lessons_);
    top->addSpacing(16);
    top->addWidget(new QLabel(u"さいきんの %1もん（あたらしい じゅん）"_s.arg(latestCount), this));
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addLayout(top);
    layout->addWidget(table_);
    layout->addWidget(none_);
}

void AnswersPage::chooseLesson(int lesson)
{
    const int index = lessons_->findData(lesson);
    if (index >= 0) lessons_->setCurrentIndex(index);
}

int AnswersPage::lesson() const
{
    return lessons_->currentData().toInt();
}

void AnswersPage::showAnswers(const QList<AnswerRecord>& answers)
{
    table_->setRowCount(0);
    table_->setVisible(!answers.isEmpty());
    none_->setVisible(answers.isEmpty());
    none_->setText(u"「%1」の こたえは まだ ありません。"_s.arg(lessonName(lesson())));
    table_->setRowCount(int(answers.size()));
    for (int row = 0; row < answers.size(); ++row) {
        const AnswerRecord& a = answers[row];
        table_->setItem(row, 0, cell(a.answeredAt.toString(u"yyyy/MM/dd HH:mm"_s)));
        table_->setItem(row, 1, cell(itemName(a.lesson, a.subTopic)));
        // A problem shown on two lines reads as one here.
        table_->setItem(row, 2, cell(QString(a.problem).replace(u'\n', u'　')));
        table_->item(row, 2)->setToolTip(a.problem);
        table_->setItem(row, 3, cell(a.given, true));
        table_->setItem(row, 4, cell(a.expected, true));
        table_->setItem(row, 5, cell(markText(a)));
        table_->setItem(row, 6, cell(secondsText(a.seconds), true));
        table_->item(row, 5)->setForeground(a.right ? QColor(0x00, 0x60, 0x00) : QColor(0xC0, 0x00, 0x00));
    }
}

} // namespace kazemaru
