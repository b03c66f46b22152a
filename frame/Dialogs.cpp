#include "frame/Dialogs.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

std::function<DialogAnswer(DialogKind, const QString&)>& responder()
{
    static std::function<DialogAnswer(DialogKind, const QString&)> r;
    return r;
}

} // namespace

void setDialogResponder(std::function<DialogAnswer(DialogKind, const QString& text)> r)
{
    responder() = std::move(r);
}

DialogAnswer showDialog(DialogKind kind, const QString& text)
{
    if (responder()) return responder()(kind, text);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(u"Kazemaru"_s);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    QFont font = box.font();
    font.setPixelSize(18); // big enough for a child to read at a glance
    font.setBold(true);
    box.setFont(font);
    switch (kind) {
    case DialogKind::Confirm: {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.exec();
        return box.clickedButton() == box.button(QMessageBox::No) ? DialogAnswer::No : DialogAnswer::Yes;
    }
    case DialogKind::Information: box.setIcon(QMessageBox::Information); break;
    case DialogKind::Error: box.setIcon(QMessageBox::Warning); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return DialogAnswer::Ok;
}

void reportError(const QString& text)
{
    showDialog(DialogKind::Error, text);
}

} // namespace kazemaru
