#pragma once
// The records window's pages about a child's answers in the lessons: every lesson and menu item
// with its answers and ○ rate ("べんきょうの きろく"), the weak items with a way to practise them
// ("にがて"), and one lesson's latest answers ("こたえ"). Each page shows what it is given; the
// window reads the store.
#include "data/LearningRecordStore.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QStackedWidget;
class QTableWidget;
class QTreeWidget;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class LessonTablePage : public QWidget {
    Q_OBJECT
  public:
    explicit LessonTablePage(QWidget* parent);
    // Every lesson in the contents screen's order with its menu items; items without answers
    // are marked as not practised yet.
    void showItems(const QList<ItemSummary>& items);

  private:
    QTreeWidget* table_;

    friend struct test::Probe; // the tests read it; the program never needs it
    QTreeWidget* table() const { return table_; }
};

class WeakItemsPage : public QWidget {
    Q_OBJECT
  public:
    explicit WeakItemsPage(QWidget* parent);
    void showItems(const QList<WeakItem>& items);
    // Whether each item has its "れんしゅうする" button (not where the child is not at this computer).
    void setPractiseShown(bool shown);

  Q_SIGNALS:
    // "れんしゅうする" on an item's row.
    void practise(int lesson, int subTopic);

  private:
    QStackedWidget* pages_;
    QTableWidget* table_;
    QLabel* none_;
    bool practiseShown_ = true;
};

class AnswersPage : public QWidget {
    Q_OBJECT
  public:
    explicit AnswersPage(QWidget* parent);
    // The lesson chosen; the page asks for its answers through lessonChosen.
    void chooseLesson(int lesson);
    int lesson() const;
    // The chosen lesson's latest answers, newest first.
    void showAnswers(const QList<AnswerRecord>& answers);

    static constexpr int latestCount = 100;

  Q_SIGNALS:
    void lessonChosen(int lesson);

  private:
    QComboBox* lessons_;
    QTableWidget* table_;
    QLabel* none_;
};

} // namespace kazemaru
