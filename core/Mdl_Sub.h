#pragma once
// Small shared helpers: digits of a text as a number, CP932 byte length, focus colour of an input.
#include <QString>

class QWidget;

// The decimal digits "0"-"9" of the text read as one number in their order, everything else skipped
// ("1,024 MB" -> 1024, "1.5" -> 15, "-3" -> 3). A digit that would take the sum past 2,147,483,647 is
// skipped, the scan going on with the place value raised as usual.
[[nodiscard]] qint32 fnc_Get_Numeric(QString text);

// Length of the text in bytes of CP932 (one for ASCII and half-width katakana, two for the rest).
[[nodiscard]] int fnc_LenB_Ansi(QString text);

// Mode 1 (the control gets the focus): background light cyan, red 128 green 255 blue 255; mode 2 (loses
// it): white. Any other mode, or no control, changes nothing. The colour goes to the palette's Base role
// (the input area), and to Window as well for a widget that fills its own background.
void sub_Focus_Color(QWidget* control, qint16 mode);
