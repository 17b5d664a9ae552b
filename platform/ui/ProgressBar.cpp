#include "platform/ui/ProgressBar.h"

namespace ui {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    apply();
}

void ProgressBar::setMin(int v) {
    m_min = v;
    apply();
}

void ProgressBar::setMax(int v) {
    m_max = v;
    apply();
}

void ProgressBar::setValueVb(int v) {
    m_value = v;
    apply();
}

void ProgressBar::apply() {
    if (m_max > m_min) {
        setRange(m_min, m_max);
        setValue(qBound(m_min, m_value, m_max));
    } else {
        setRange(0, 1);  // never 0..0: that is Qt's busy animation
        setValue(m_value >= m_max ? 1 : 0);
    }
}

}  // namespace ui
