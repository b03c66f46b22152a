#pragma once
#include "app/LessonScreen.h"

namespace kazemaru {

class TForm3 : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent) : LessonScreen(3, parent) {}
};

} // namespace kazemaru
