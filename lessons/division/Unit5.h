#pragma once
#include "app/LessonScreen.h"

namespace kazemaru {

class TForm5 : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent) : LessonScreen(5, parent) {}
};

} // namespace kazemaru
