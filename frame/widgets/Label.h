#pragma once
#include <QLabel>

namespace kazemaru {

// A label with the program's auto-size rule: it fits its text, and a right-aligned one keeps
// its right edge as the text grows or shrinks.
class Label : public QLabel {
    Q_OBJECT
  public:
    Label(const QString& text, QWidget* parent);

    void setText(const QString& text); // shadows QLabel::setText to refit the box
    void fit();

    QSize sizeHint() const override;

  protected:
    // Lines of a multi-line label get a little air between them: the rounded font's own line
    // height is just its pixel size, which packs the lines too tightly for children to read.
    void paintEvent(QPaintEvent* event) override;

  private:
    int lineStep(int gaps) const; // from one line to the next, with `gaps` line breaks
};

} // namespace kazemaru
