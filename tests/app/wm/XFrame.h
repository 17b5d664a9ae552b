#pragma once
// What the X server itself says of a top-level window: the frame the window manager drew around it, in
// root coordinates. Independent of what Qt believes about the window.
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace wmtest {

// The visible frame of a mapped window: the window grown by the window manager's _NET_FRAME_EXTENTS, or
// its parent below the root where those are not set (the window itself where nothing reparented it);
// nullopt while it is not viewable.
[[nodiscard]] std::optional<QRect> frameOf(const QWidget* window);
// Waits until the frame has stood still for a while (or the time is up) and returns it; `first` gets the
// first frame seen viewable.
[[nodiscard]] std::optional<QRect> settledFrame(const QWidget* window, std::optional<QRect>* first = nullptr);

// The user's mouse through the window manager (xdotool): a drag with the left button, a double click.
void drag(QPoint from, QPoint to);
void doubleClick(QPoint at);
// The message a pager or a window manager's own title bar sends for a maximise (_NET_WM_STATE).
void askToMaximise(const QWidget* window);

[[nodiscard]] std::string describe(const std::optional<QRect>& r);

}  // namespace wmtest
