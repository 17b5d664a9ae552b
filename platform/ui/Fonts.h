#pragma once
// The fonts the windows name, mapped in this one place to the faces installed here (Debian's
// fonts-ipafont-gothic): their advance widths and line heights match the fonts the twip layouts were
// made for (9 pt is 13 px high), and full-width characters are two cells of the fixed-pitch face.
#include <QFont>
#include <QString>

class QWidget;

namespace ui {

// "ＭＳ ゴシック" (fixed pitch) gives "IPAGothic", "ＭＳ Ｐゴシック" (proportional) "IPAPGothic"; any other
// name is returned as given.
[[nodiscard]] QString fontFamily(const QString& name);
// The font a window gives a control: fontFamily(name) at the point size.
[[nodiscard]] QFont vbFont(const QString& name, int pointSize);
// The windows' own font: IPAPGothic 9 pt.
[[nodiscard]] QFont windowFont();
// Draws the control's text narrower, at `percent` of its font's width: for a caption a little too wide for
// the room its layout gives it beside a box.
void narrowText(QWidget* control, int percent);
// Makes windowFont() the application's font and lets a QFont that names an original font find its
// face. Call once, after the QApplication exists.
void installFonts();

}  // namespace ui
