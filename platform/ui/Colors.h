#pragma once
#include <QColor>

namespace ui {

// QBColor(0..15): the sixteen standard colours (8 grey 128,128,128; 15 white).
[[nodiscard]] QColor QBColor(int index);
// A VB colour literal &HBBGGRR.
[[nodiscard]] QColor vbColor(quint32 bgr);
// VB RGB(r, g, b).
[[nodiscard]] inline QColor RGB(int r, int g, int b) { return QColor(r, g, b); }

}  // namespace ui
