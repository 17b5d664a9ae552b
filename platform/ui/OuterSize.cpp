#include "platform/ui/OuterSize.h"

#include <algorithm>

namespace ui {

std::optional<QSize> PendingOuterSize::frameReported(QSize client, QSize frame) {
    if (!m_waiting || (frame.width() <= 0 && frame.height() <= 0)) return std::nullopt;
    return settle(client, frame);
}

std::optional<QSize> PendingOuterSize::noFrameCame(QSize client) {
    if (!m_waiting) return std::nullopt;
    return settle(client, QSize(0, 0));
}

std::optional<QSize> PendingOuterSize::settle(QSize client, QSize frame) {
    const QSize wanted(m_outer.width() >= 0 ? std::max(0, m_outer.width() - frame.width()) : client.width(),
                       m_outer.height() >= 0 ? std::max(0, m_outer.height() - frame.height()) : client.height());
    stopWaiting();
    if (wanted == client) return std::nullopt;
    return wanted;
}

void PendingOuterSize::stopWaiting() {
    m_waiting = false;
    m_outer = QSize(-1, -1);
}

}  // namespace ui
