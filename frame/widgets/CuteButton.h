#pragma once
#include <QColor>
#include <QPushButton>

namespace kazemaru {

// A coloured, rounded push-button with bold text, painted by itself so that no style sheet
// is needed for each of the program's many buttons.
class CuteButton : public QPushButton {
    Q_OBJECT
  public:
    CuteButton(const QString& caption, const QColor& face, const QColor& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

  private:
    QColor face_;
    QColor text_;
    bool hovered_ = false;
};

} // namespace kazemaru
