#pragma once
#include "frame/FrameFacts.h"

#include <QList>

namespace kazemaru {

// What every lesson screen shares and the first one opened would otherwise pay for, made ready
// while the child reads the contents screen: the faces at every size and weight the lessons'
// titles and prompts use, with their Japanese fallbacks, and the frame's own widgets (the menu
// box, a digit selector, the point memo, the buttons, the status bar), laid out and drawn once
// off the screen. Builds no lesson screen and leaves nothing behind.
void prepareLessonFrames(const QList<FrameFacts>& lessons);

} // namespace kazemaru
