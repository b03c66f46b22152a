#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace kazemaru {

// Every message box of the program goes through here.
enum class DialogKind { Confirm, Information, Error };
enum class DialogAnswer { Yes, No, Ok };

// Answers instead of a modal box and sees its text; {} = real boxes.
void setDialogResponder(std::function<DialogAnswer(DialogKind, const QString& text)> responder);

// Shows a modal box captioned "Kazemaru" over the active window and waits for the answer.
// A confirmation answers No only for its No button (Escape presses No); the other kinds answer Ok.
DialogAnswer showDialog(DialogKind kind, const QString& text);

// Shows an unexpected error at a handler boundary; the screen stays usable.
void reportError(const QString& text);

} // namespace kazemaru
