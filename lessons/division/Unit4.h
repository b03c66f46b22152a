#pragma once
#include "app/LessonScreen.h"

namespace kazemaru {

class TForm4 : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent) : LessonScreen(4, parent) {}
};

} // namespace kazemaru
