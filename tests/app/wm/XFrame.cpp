#include "tests/app/wm/XFrame.h"

#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <memory>

namespace wmtest {

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
Reply<T> reply(T* r) {
    return Reply<T>(r, &std::free);
}

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

void xdotool(const QStringList& args) {
    // Each step its own call: openbox sees press, motion and release as separate events.
    QProcess::execute(QStringLiteral("xdotool"), args);
}

}  // namespace

std::optional<QRect> frameOf(const QWidget* window) {
    xcb_connection_t* c = connection();
    if (!c || !window || !window->isVisible()) return std::nullopt;
    xcb_window_t w = xcb_window_t(window->winId());
    const auto attributes = reply(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) return std::nullopt;
    // Up to the child of the root: the window manager's frame.
    for (;;) {
        const auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
        if (!tree) return std::nullopt;
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) break;
        w = tree->parent;
    }
    const auto g = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    if (!g) return std::nullopt;
    return QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
}

std::optional<QRect> settledFrame(const QWidget* window, std::optional<QRect>* first) {
    constexpr int kStep = 20, kStill = 500, kLimit = 8000;
    QElapsedTimer total, still;
    total.start();
    still.start();
    std::optional<QRect> last;
    if (first) first->reset();
    while (total.elapsed() < kLimit) {
        const std::optional<QRect> now = frameOf(window);
        if (first && !*first && now) *first = now;
        if (now != last) {
            last = now;
            still.restart();
        } else if (now && still.elapsed() >= kStill) {
            break;
        }
        QTest::qWait(kStep);
    }
    return last;
}

void drag(QPoint from, QPoint to) {
    const QPoint mid = (from + to) / 2;
    xdotool({"mousemove", QString::number(from.x()), QString::number(from.y())});
    xdotool({"mousedown", "1"});
    QTest::qWait(100);
    xdotool({"mousemove", QString::number(mid.x()), QString::number(mid.y())});
    QTest::qWait(50);
    xdotool({"mousemove", QString::number(to.x()), QString::number(to.y())});
    QTest::qWait(100);
    xdotool({"mouseup", "1"});
}

void doubleClick(QPoint at) {
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
}

std::string describe(const std::optional<QRect>& r) {
    if (!r) return "(not on screen)";
    return QStringLiteral("%1x%2 at (%3, %4)").arg(r->width()).arg(r->height()).arg(r->x()).arg(r->y()).toStdString();
}

}  // namespace wmtest
