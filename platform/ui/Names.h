#pragma once
// Names and texts the windows share.
#include <QString>

namespace ui {

// The ideographic space (U+3000) that widens menu captions: kIdeo.repeated(5).
inline const QString kIdeo = QStringLiteral("\u3000");

// The objectName of a control-array member: controlName("tbx_Dat", 5) is "tbx_Dat(5)".
[[nodiscard]] inline QString controlName(const QString& arrayName, int index) {
    return arrayName + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

}  // namespace ui
