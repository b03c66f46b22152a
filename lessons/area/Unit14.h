#pragma once
// Area: rectangles and squares, notched shapes cut into rectangles three ways, and the area
// units. Study only: a step button walks each explanation while its figures stay on screen.
#include "frame/LessonScreen.h"
#include "lessons/area/AreaWalk.h"

namespace kazemaru {

class TForm14 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm14(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

  public Q_SLOTS:
    void CuteButton3Click() override; // step button

  protected:
    void screenReset() override;
    QString menuChosen() override;

  private:
    void showFigures(int group);

    AreaWalk walk_;

    friend struct test::Probe; // the tests read these; the program never needs them
    const AreaWalk& walk() const { return walk_; }
};

} // namespace kazemaru
