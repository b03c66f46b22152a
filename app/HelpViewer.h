#pragma once
#include <QDialog>

class QTextBrowser;

namespace kazemaru {

// The help window: shows the help file from its contents page.
class HelpViewer : public QDialog {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent);
    void showContents(const QString& helpFile);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

} // namespace kazemaru
