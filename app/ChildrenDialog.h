#pragma once
// "こどもの なまえ", under おうちのかたへ: a grown-up adds a child, changes a child's name or
// colour, or removes a child with all of the child's records (after a question). The last
// child is never removed.
#include "data/LearningRecord.h"

#include <QDialog>
#include <QList>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kazemaru {

class AnswerRecorder;
class LearningRecordStore;

class ChildrenDialog : public QDialog {
    Q_OBJECT
  public:
    // `answers` (optional) is asked to forget the waiting answers of a child who is removed.
    ChildrenDialog(LearningRecordStore& record, AnswerRecorder* answers, QWidget* parent);

    // Reads the children afresh; false (after a box) when they cannot be read.
    bool reload();

  public Q_SLOTS:
    void ListBox1Click();    // a child chosen in the list: their name and colour to edit
    void CuteButton1Click(); // "ふやす": a new child with the name and colour given
    void CuteButton2Click(); // "かえる": the chosen child gets the name and colour given
    void CuteButton3Click(); // "けす": removes the chosen child, after asking
    void CuteButton4Click(); // "とじる"

  Q_SIGNALS:
    void childrenChanged();

  private:
    int chosen() const; // the list's row, −1 for none
    int colour() const;
    bool nameFits(const QString& name, const QString& exceptUid);
    void select(const QString& uid);

    LearningRecordStore& record_;
    AnswerRecorder* answers_;
    QList<ChildProfile> children_;
    QListWidget* list_;
    QLineEdit* name_;
    QButtonGroup* colours_;
    QLabel* note_;
    QPushButton* rename_;
    QPushButton* remove_;
};

} // namespace kazemaru
