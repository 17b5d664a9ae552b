#include "tests/app/wm/XFrame.h"

#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto r = reply(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

void xdotool(const QStringList& args) {
    // Each step its own call: openbox sees press, motion and release as separate events.
    QProcess::execute(QStringLiteral("xdotool"), args);
}

}  // namespace

std::optional<QRect> frameOf(const QWidget* window) {
    xcb_connection_t* c = connection();
    if (!c || !window || !window->isVisible()) return std::nullopt;
    const xcb_window_t client = xcb_window_t(window->winId());
    const auto attributes = reply(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, client), nullptr));
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) return std::nullopt;
    const auto g = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, client), nullptr));
    if (!g) return std::nullopt;
    // What the user sees: the client grown by the frame the window manager says it drew. Some window
    // managers make their own parent window larger, with invisible borders to take a resize drag.
    if (const xcb_atom_t frameExtents = atom(c, "_NET_FRAME_EXTENTS"); frameExtents != XCB_ATOM_NONE) {
        const auto extents = reply(
            xcb_get_property_reply(c, xcb_get_property(c, 0, client, frameExtents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
        const auto at =
            reply(xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, client, g->root, 0, 0), nullptr));
        if (extents && at && extents->format == 32 && xcb_get_property_value_length(extents.get()) == 16) {
            const auto* e = static_cast<const uint32_t*>(xcb_get_property_value(extents.get()));
            const int left = int(e[0]), right = int(e[1]), top = int(e[2]), bottom = int(e[3]);
            return QRect(at->dst_x - left, at->dst_y - top, g->width + left + right, g->height + top + bottom);
        }
    }
    // Without them: up to the child of the root, the window manager's frame (the window itself unframed).
    xcb_window_t w = client;
    for (;;) {
        const auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
        if (!tree) return std::nullopt;
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) break;
        w = tree->parent;
    }
    const auto outer = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    if (!outer) return std::nullopt;
    return QRect(outer->x, outer->y, outer->width + 2 * outer->border_width, outer->height + 2 * outer->border_width);
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

void askToMaximise(const QWidget* window) {
    xcb_connection_t* c = connection();
    if (!c || !window) return;
    const xcb_window_t client = xcb_window_t(window->winId());
    const auto g = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, client), nullptr));
    if (!g) return;
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = client;
    e.type = atom(c, "_NET_WM_STATE");
    e.data.data32[0] = 1;  // add
    e.data.data32[1] = atom(c, "_NET_WM_STATE_MAXIMIZED_VERT");
    e.data.data32[2] = atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ");
    e.data.data32[3] = 2;  // a user's action
    xcb_send_event(c, 0, g->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&e));
    xcb_flush(c);
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
