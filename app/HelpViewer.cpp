#include "app/HelpViewer.h"

#include "app/ScreenFit.h"
#include "frame/widgets/Factory.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace kazemaru {

HelpViewer::HelpViewer(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::BypassGraphicsProxyWidget) // see ownWindowFlags
    , browser_(new QTextBrowser(this))
{
    setObjectName(u"HelpViewer"_s);
    setWindowTitle(u"Kazemaru - 使い方"_s);
    resize(720, 640);
    browser_->setOpenExternalLinks(false);
    QFont font = browser_->font();
    font.setPixelSize(16);
    browser_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpViewer::showContents(const QString& helpFile)
{
    if (QFileInfo(helpFile).isReadable()) {
        browser_->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
        browser_->home();
    } else {
        browser_->setHtml(
            u"<h2>ヘルプが ひらけません</h2><p>ヘルプファイルが 見つかりません:</p><p><tt>%1</tt></p>"_s.arg(
                QDir::toNativeSeparators(helpFile).toHtmlEscaped()));
    }
    if (!isVisible()) {
        fitOnScreen(this);
        show();
        centreOnScreen(this);
    }
    raise();
    activateWindow();
}

} // namespace kazemaru
