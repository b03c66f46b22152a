#pragma once
// The number line of the structure-of-decimals lesson: from 0 past 4 with a mark every tenth,
// longer marks at the halves and longest at the wholes, painted so that it is sharp at any scale.
#include <QWidget>

namespace kazemaru {

class NumberLine : public QWidget {
    Q_OBJECT
  public:
    explicit NumberLine(QWidget* parent);

    // The mark of `tenths` in the widget's own coordinates: its middle x and its top and bottom y.
    static int markX(int tenths);
    static int markTop(int tenths);
    static int markBottom(int tenths);
    static int lastMark(); // the highest tenth that has a mark

    static constexpr int axisY = 16; // the line's middle

  protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace kazemaru
