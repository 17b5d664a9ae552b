#pragma once
// The outer frame of a window, as the program asks for it and as window managers allow it.
//
// The window system tells the frame around a window only after mapping it, and only a window manager
// draws one, so a window goes through three states (OuterGeometry::Phase):
//   NotShown  sizes and places asked for are kept and applied at once with the frame a window manager
//             drew around an earlier window of this program (usually the same), so the window maps at
//             its outer size already.
//   Waiting   shown, the frame not told yet: nothing is resized or moved, since the window system would
//             take the client area's place for the frame's. The frame poll (10 ms) looks for the frame,
//             which can come in an event that neither moves nor resizes the window; it gives up after 1 s
//             (no window manager, a frameless one, a slow one).
//   Known     the outer size and place asked for are put right once; from then on the window is the
//             user's. A frame first told after the poll gave up (a window manager started after the
//             program) puts the outer size right once more, unless the window was resized meanwhile; the
//             poll looks for it again for 1 s after each move or resize of a window still unframed.
// The hold timer serves the windows of fixed size (keep): a window manager takes no size from the
// program while the user drags a border, so the size is asked back 150 ms after the resizes stopped, and
// only once the window manager's grab has ended (the mouse button up, the keyboard back): xfwm4 ignores a
// size asked during its grab, and Qt takes an ask as done at once, so an ignored ask cannot be told from
// a granted one; openbox takes it, but a window placed by its frame while hidden was mapped with the
// gravity that places frames, Qt's first resize asks for the one that places client areas, and openbox,
// told that during its grab, ends the grab with the client area where the frame stood, 20 px higher.
// The window manager answers an ask within kAnswerMs (the resize Qt makes at once is the program's own);
// a size it answers with another one is asked for at most twice; then the window stays as the window
// manager has it, until the user resizes it again. A maximised or fullscreen window is set back to
// normal, and nothing is asked for kAnswerMs, while the window manager puts it back: Qt tells the normal
// state at once, with the size the window had, and the maximised size may come after it; an ask then
// would carry the maximised place, and the frame a fullscreen window is told, none.
// (Qt's first resize event of a window comes while showing it, once the window system has the window: the
// form sends it itself before showing, so a resize rule run there still places the window by its frame.)
#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QTimer;

namespace ui {

// The outer size asked for before the frame is known, put right once it is (or left as it stands when no
// frame came: no window manager, a frameless one).
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

class OuterGeometry : public QObject {
    Q_OBJECT
public:
    // What the rules need of a window (pixels). A form answers from Qt; tests from a stand-in.
    class Window {
    public:
        virtual ~Window() = default;
        [[nodiscard]] virtual QSize clientSize() const = 0;
        // The frame margins as the window system tells them now: none until a window manager framed it.
        [[nodiscard]] virtual QMargins toldMargins() const = 0;
        // The frame's top left as the window system has it now.
        [[nodiscard]] virtual QPoint framePosition() const = 0;
        // Shown, with a window of the window system.
        [[nodiscard]] virtual bool onScreen() const = 0;
        [[nodiscard]] virtual bool fixedSize() const = 0;
        [[nodiscard]] virtual bool maximized() const = 0;
        [[nodiscard]] virtual bool fullScreen() const = 0;
        [[nodiscard]] virtual bool minimized() const = 0;
        // A window manager may hold a grab and take no size from the program: a mouse button is down, as
        // the window system has it, or the keyboard was taken from the program's window.
        [[nodiscard]] virtual bool grabHeld() const = 0;
        virtual void resizeClient(QSize client) = 0;
        // A hidden window is placed by its frame, a shown one by its client area.
        virtual void moveFrame(QPoint framePos) = 0;
        virtual void setClientGeometry(const QRect& client) = 0;
        virtual void showNormal() = 0;
    };
    enum class Phase { NotShown, Waiting, Known };
    static constexpr int kPollMs = 10, kWaitMs = 1000, kHoldMs = 150, kAnswerMs = 1000, kAsksAfterRefusal = 2;

    explicit OuterGeometry(Window& window, QObject* parent = nullptr);

    [[nodiscard]] Phase phase() const { return m_phase; }
    [[nodiscard]] QSize outerSize() const;
    [[nodiscard]] QPoint framePos() const;
    // The frame as it stands now, or the one learnt from an earlier window while this one's is not told.
    [[nodiscard]] QSize frameExtra() const;
    void setOuterSize(std::optional<int> widthPx, std::optional<int> heightPx);
    void placeFrame(std::optional<int> leftPx, std::optional<int> topPx);
    // The rule of a window of fixed outer size: a maximized or fullscreen window returns to normal, a
    // minimized one is left alone, any other size is put back (once a border drag has paused and ended).
    void keep(QSize outerPx);

    // From the window's events: the first (non-spontaneous) showing, and any move or resize.
    void shown();
    void movedOrResized();
    // True while a timer of these rules is running.
    [[nodiscard]] bool timerRunning() const;

private:
    void moveFrameTo(QPoint framePos);
    void poll();
    void frameTold(bool giveUp);
    void lateFrame();
    void askBack();
    void holdOn(int ms = kHoldMs);
    // The frame the size rule works with: the one told, or while a window manager that framed the window
    // tells none (fullscreen, or just leaving it), the one it drew.
    [[nodiscard]] QSize keptFrame() const;

    Window& m_window;
    Phase m_phase = Phase::NotShown;
    PendingOuterSize m_pendingOuter;             // asked for by setOuterSize before the frame was known
    std::optional<int> m_askedLeft, m_askedTop;  // pixels of the frame, asked for before it was known
    bool m_framedByWm = false;                   // the frame was told after the window showed
    QSize m_wmFrame;                             // the frame a window manager drew around it, once told
    std::optional<QSize> m_unframedClient;       // the client size when the poll gave up, until a frame came
    QTimer* m_poll = nullptr;
    QElapsedTimer m_polling;
    QTimer* m_hold = nullptr;
    QSize m_holdFor;                // the outer size the hold timer asks for
    int m_asked = 0;                // times it was asked for since the user last resized the window
    bool m_asking = false;          // asking: the resize Qt sends at once is the program's own
    bool m_awaitingAnswer = false;  // asked; a resize within kAnswerMs is the window manager's answer
    QElapsedTimer m_askedAt;
    QElapsedTimer m_leftState;      // since a maximised or fullscreen window was last set back
    std::optional<QSize> m_leftAt;  // the size the window manager answered the last ask with
};

}  // namespace ui
