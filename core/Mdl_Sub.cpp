#include "core/Mdl_Sub.h"

#include <QPalette>
#include <QWidget>
#include <cmath>

#include "platform/text/Cp932.h"

qint32 fnc_Get_Numeric(QString text) {
    constexpr double kMax = 2147483647.0;
    double result = 0;
    double place = 1;  // 10^k for the k-th digit found from the right
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') continue;
        const int digit = c - u'0';
        // Worked in double precision, as the sum was; a zero digit adds nothing even at a huge place.
        if (digit != 0) {
            const double sum = result + digit * place;
            if (std::isfinite(sum) && sum <= kMax) result = sum;
        }
        place *= 10;
    }
    return static_cast<qint32>(result);
}

int fnc_LenB_Ansi(QString text) { return cp932::byteLength(text); }

void sub_Focus_Color(QWidget* control, qint16 mode) {
    if (!control) return;
    QColor colour;
    if (mode == 1)
        colour = QColor(128, 255, 255);
    else if (mode == 2)
        colour = QColor(255, 255, 255);
    else
        return;
    QPalette pal = control->palette();
    pal.setColor(QPalette::Base, colour);
    if (control->autoFillBackground()) pal.setColor(QPalette::Window, colour);
    control->setPalette(pal);
}
