#pragma once
#include <QLabel>

namespace kazemaru {

// A label with the program's auto-size rule: an auto-size label fits its text, and a
// right-aligned one keeps its right edge as the text grows or shrinks.
class Label : public QLabel {
    Q_OBJECT
  public:
    Label(const QString& text, QWidget* parent, bool autoSize = true);

    void setText(const QString& text); // shadows QLabel::setText to refit the box
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    void fit();

    QSize sizeHint() const override;

  protected:
    // Lines of a multi-line label get a little air between them: the rounded font's own line
    // height is just its pixel size, which packs the lines too tightly for children to read.
    void paintEvent(QPaintEvent* event) override;

  private:
    int lineStep() const;

    bool autoSize_;
};

} // namespace kazemaru
