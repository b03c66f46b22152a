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

private:
    bool autoSize_;
};

} // namespace kazemaru
