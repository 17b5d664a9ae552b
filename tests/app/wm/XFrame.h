#pragma once
// What the X server itself says of a top-level window: the frame the window manager drew around it, in
// root coordinates. Independent of what Qt believes about the window.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QWidget;

namespace wmtest {

// The frame of a mapped window: its ancestor below the root, the window manager's frame window (the window
// itself where nothing reparented it); nullopt while it is not viewable. openbox, IceWM and xfwm4 draw no
// invisible borders: their frame window is the frame the user sees.
[[nodiscard]] std::optional<QRect> frameOf(const QWidget* window);

// Whether the window's frame is the topmost window at the point (a window closed a moment ago may still
// stand over it, its unmap not yet done by the window manager).
[[nodiscard]] bool onTopAt(const QWidget* window, QPoint at);

// A frame that stood still for a while (or the time was up), and how long after the wait began it last
// changed; `first` is the first frame seen viewable.
struct Settled {
    std::optional<QRect> frame;
    std::optional<QRect> first;
    qint64 lastChangeMs = 0;
};
[[nodiscard]] Settled untilStill(const QWidget* window);
[[nodiscard]] std::optional<QRect> settledFrame(const QWidget* window, std::optional<QRect>* first = nullptr);

// The user's mouse and keys through the window manager (xdotool). A drag with the left button, held still
// at its end for `holdMs` before the release.
void drag(QPoint from, QPoint to, int holdMs = 100);
void click(QPoint at);
void doubleClick(QPoint at);
// Keys in xdotool's names, pressed one chord after another ("alt+space", "x").
void keys(const QStringList& chords);

// What a pager or a window manager's own title bar sends for a change of state (_NET_WM_STATE), each
// state named without its prefix ("MAXIMIZED_VERT", "FULLSCREEN"): added, or removed with `add` false.
void askState(const QWidget* window, const QStringList& states, bool add = true);
// Another client asks the window manager for a size of the window (the window's own size, without frame).
void askSize(const QWidget* window, QSize size);

[[nodiscard]] std::string describe(const std::optional<QRect>& r);

}  // namespace wmtest
