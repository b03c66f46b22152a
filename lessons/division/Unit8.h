#pragma once
#include "app/LessonScreen.h"

namespace kazemaru {

class TForm8 : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent) : LessonScreen(8, parent) {}
};

} // namespace kazemaru
