#include "platform/ui/Colors.h"

#include "platform/base/VbError.h"

namespace ui {

QColor QBColor(int index) {
    // The sixteen colours of the old PC text palette, in VB's numbering.
    static constexpr int kPalette[16][3] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},   {128, 0, 0}, {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},     {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    };
    if (index < 0 || index > 15) throw vb::Error(5, QStringLiteral("プロシージャの呼び出し、または引数が不正です。"));
    return QColor(kPalette[index][0], kPalette[index][1], kPalette[index][2]);
}

QColor vbColor(quint32 bgr) {
    // VB writes colours low byte first: &HBBGGRR.
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace ui
