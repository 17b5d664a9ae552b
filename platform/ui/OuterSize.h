#pragma once
// The outer size a window is given before it shows. The window system tells the frame around a window
// only after mapping it, and only a window manager draws one: until then the outer size asked for can
// only be the client size. It is put right once the frame is known, or left as it stands when no frame
// came soon after the window showed (no window manager, a frameless one). From then on the window is
// the user's: no later resize is undone.
#include <QSize>
#include <optional>

namespace ui {

class PendingOuterSize {
public:
    // Pixels of the outer frame; the other dimension stays as the window has it.
    void setWidth(int pixels) {
        m_outer.setWidth(pixels);
        m_waiting = true;
    }
    void setHeight(int pixels) {
        m_outer.setHeight(pixels);
        m_waiting = true;
    }
    [[nodiscard]] bool waiting() const { return m_waiting; }

    // The window's client size and the frame around it (the outer size minus the client size), as the
    // window system reports them now. Once the frame is known: the client size that makes the outer
    // size asked for (nullopt when the window has it already), and the wait is over.
    [[nodiscard]] std::optional<QSize> frameReported(QSize client, QSize frame);
    // No frame came: the size stays as it is.
    void stopWaiting();
    // No frame came, and the outer size asked for is the client size: the client size to resize to
    // (nullopt when the window has it already); the wait is over.
    [[nodiscard]] std::optional<QSize> noFrameCame(QSize client);

private:
    [[nodiscard]] std::optional<QSize> settle(QSize client, QSize frame);

    QSize m_outer{-1, -1};
    bool m_waiting = false;
};

}  // namespace ui
