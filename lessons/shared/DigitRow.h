#pragma once
// A row of a written calculation: every digit painted centred in a cell of fixed pitch, so that
// the columns line up whatever the font. A decimal point may take a narrower cell of its own.
#include <QLabel>

namespace kazemaru::written {

inline constexpr int defaultPitch = 20;

// The width the cells of `text` take: `pitch` per character, `pointWidth` for a '.' (0: a full cell).
int cellsWidth(const QString& text, int pitch = defaultPitch, int pointWidth = 0);

// A right-aligned row fills its cells from its right edge, a left-aligned one from its left edge.
class DigitRow : public QLabel {
    Q_OBJECT
  public:
    explicit DigitRow(QWidget* parent, int pitch = defaultPitch, int pointWidth = 0);

    int cellsWidth() const { return written::cellsWidth(text(), pitch_, pointWidth_); }
    // The cell of character i, in the row's own coordinates.
    QRect cell(qsizetype i) const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    int pitch_;
    int pointWidth_;
};

} // namespace kazemaru::written
