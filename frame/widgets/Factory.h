#pragma once
// Small builders for the widget tables of the screens, and the lookup of a run of like widgets
// by design name ("Label" + 4).
#include "frame/Palette.h"
#include "frame/widgets/CuteButton.h"
#include "frame/widgets/Label.h"
#include "frame/widgets/Shape.h"
#include "frame/widgets/SimpleComboBox.h"

#include <QPlainTextEdit>

namespace kazemaru {

struct ButtonFact;

// A label at (left, top) in a font of `pixelSize` pixels.
Label* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int pixelSize, bool bold,
                 const QColor& colour);

CuteButton* makeButton(QWidget* parent, const ButtonFact& fact, int pixelSize = 16);

// A digit selector: the ten digits "０" … "９" below a field that shows `heading`.
SimpleComboBox* makeDigitSelector(QWidget* parent, const QString& name, int left, int top, const QString& heading,
                                  int width = 25, int height = 225);

// The rounded font families every screen asks for: a proportional rounded Latin face first, so
// that digits, points and Latin letters read as words and numbers ("9.889", not "9. 889"), then
// the rounded Japanese faces, the first one the machine has, for kana, kanji and full-width
// characters. Within a run of Japanese text Qt keeps its digits in the Japanese face.
QStringList programFamilies();
// The rounded Japanese faces alone: every half-width character is half an em, every full-width
// one an em, for text whose characters line up from line to line or with marks drawn beside it.
QStringList alignedFamilies();
void alignByCharacters(QWidget* widget);

// The items of a digit selector.
QStringList digitItems();

// A read-only memo.
QPlainTextEdit* makeMemo(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& lines);

// Places a top-level window in the middle of its screen's free area.
void centreOnScreen(QWidget* window);

// The widget named prefix + number (e.g. "Label", 4), or nullptr.
template <typename T> T* numbered(const QObject* screen, const QString& prefix, int number)
{
    return screen->findChild<T*>(prefix + QString::number(number));
}

} // namespace kazemaru
