#pragma once
// How the records window writes the run history for grown-ups: names of the drills and their
// menu items, the columns of the run table, and the CSV file a teacher opens in a spreadsheet.
#include "data/DrillHistory.h"

#include <QStringList>

namespace kazemaru {

// The drills that keep a history: the division drill (8) and the decimal drill (12).
inline constexpr int historyDrills[] = {8, 12};

QString drillName(int drill);                  // "わり算のドリル"
QString subTopicName(int drill, int subTopic); // "１けたでわる"; "メニュー 5" when unknown
int subTopicCount(int drill);

// The run table's columns, newest run first in the window.
QStringList runColumnTitles();
QString runCell(const DrillRunRecord& run, int column);
bool runCellIsNumber(int column);

// One CSV field: quoted (with its quotes doubled) when it holds a comma, a quote or a line break.
QString csvField(const QString& text);
// A CSV file of `rows` (the header first): UTF-8 with a byte-order mark, CR LF after each row.
QByteArray csvDocument(const QList<QStringList>& rows);

// The CSV text of `runs` in the order given: UTF-8 with a byte-order mark (so spreadsheets read
// the Japanese), a header row, then one run a line; texts with a comma or quote are quoted.
QByteArray runsCsv(const QList<DrillRunRecord>& runs);

} // namespace kazemaru
