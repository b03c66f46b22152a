#pragma once
#include <QDialog>

class QTextBrowser;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

// The help window: shows the help file from its contents page.
class HelpViewer : public QDialog {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent);
    void showContents(const QString& helpFile);

  private:
    QTextBrowser* browser_;

    friend struct test::Probe; // the tests read these; the program never needs them
    QTextBrowser* browser() const { return browser_; }
};

} // namespace kazemaru
