#pragma once
// The look the grown-ups' windows share (the records window, the children's names): a window of
// its own in the program's colours and rounded font, headed by its title in large navy letters.
#include <QFont>
#include <QString>

class QDialog;
class QLabel;

namespace kazemaru {

// The program's rounded font at `pixelSize`.
QFont programFont(int pixelSize, bool bold = false);

// Makes `window` a grown-ups' window titled `title`, of `width` × `height`, and gives its heading
// label ("Label1").
QLabel* setUpGrownUpWindow(QDialog* window, const QString& title, int width, int height, int pixelSize);

} // namespace kazemaru
