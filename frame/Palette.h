#pragma once
// The program's colours, in one place: the screens' design colours and the widgets' own shades.
#include <QColor>

namespace kazemaru::colour {

inline const QColor navy{0x00, 0x00, 0x80};
inline const QColor red{0xFF, 0x00, 0x00};
inline const QColor teal{0x00, 0x80, 0x80};
inline const QColor green{0x00, 0x80, 0x00};
inline const QColor olive{0x80, 0x80, 0x00};
inline const QColor maroon{0x80, 0x00, 0x00};
inline const QColor purple{0x80, 0x00, 0x80};
inline const QColor black{0x00, 0x00, 0x00};
inline const QColor white{0xFF, 0xFF, 0xFF};
inline const QColor cream{0xFF, 0xFB, 0xF0};
inline const QColor lessonTitle{0xCA, 0x37, 0x4E};
inline const QColor background{0xEA, 0xEA, 0xFF};
inline const QColor pink{0xFF, 0xA6, 0xFF};
inline const QColor skyBlue{0xA6, 0xCA, 0xF0};
inline const QColor mint{0xBD, 0xE8, 0xD7};        // the contents screen's lesson buttons
inline const QColor stopGreen{0xC0, 0xDC, 0xC0};   // a drill's stop button
inline const QColor resultGreen{0xC0, 0xEF, 0xCD}; // a drill's results button

// The widgets' own shades.
inline const QColor disabledInk{150, 150, 150};
inline const QColor highlight{255, 255, 255, 200}; // a button's focus ring
inline const QColor statusFill{0xD0, 0xD0, 0xFF};  // the status bar
inline const QColor statusLine{0xA0, 0xA0, 0xD0};
inline const QColor statusCell{0x90, 0x90, 0xC0};

} // namespace kazemaru::colour
