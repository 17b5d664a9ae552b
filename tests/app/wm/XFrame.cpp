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

// Up to the child of the root: the window manager's frame (none when the tree cannot be read).
xcb_window_t topLevel(xcb_connection_t* c, xcb_window_t w) {
    for (;;) {
        const auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
        if (!tree) return XCB_WINDOW_NONE;
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) return w;
        w = tree->parent;
    }
}

}  // namespace

std::optional<QRect> frameOf(const QWidget* window) {
    xcb_connection_t* c = connection();
    if (!c || !window || !window->isVisible()) return std::nullopt;
    xcb_window_t w = xcb_window_t(window->winId());
    const auto attributes = reply(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) return std::nullopt;
    w = topLevel(c, w);
    if (w == XCB_WINDOW_NONE) return std::nullopt;
    const auto g = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    if (!g) return std::nullopt;
    return QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
}

bool onTopAt(const QWidget* window, QPoint at) {
    xcb_connection_t* c = connection();
    if (!c || !window) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const auto under = reply(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, root, root, int16_t(at.x()), int16_t(at.y())), nullptr));
    return under && under->child != XCB_WINDOW_NONE && under->child == topLevel(c, xcb_window_t(window->winId()));
}

Settled untilStill(const QWidget* window) {
    constexpr int kStep = 20, kStill = 500, kLimit = 8000;
    QElapsedTimer total, still;
    total.start();
    still.start();
    Settled s;
    bool seen = false;
    while (total.elapsed() < kLimit) {
        const std::optional<QRect> now = frameOf(window);
        if (!s.first && now) s.first = now;
        if (!seen || now != s.frame) {
            if (seen) s.lastChangeMs = total.elapsed();
            seen = true;
            s.frame = now;
            still.restart();
        } else if (now && still.elapsed() >= kStill) {
            break;
        }
        QTest::qWait(kStep);
    }
    return s;
}

std::optional<QRect> settledFrame(const QWidget* window, std::optional<QRect>* first) {
    const Settled s = untilStill(window);
    if (first) *first = s.first;
    return s.frame;
}

void drag(QPoint from, QPoint to, int holdMs) {
    const QPoint mid = (from + to) / 2;
    xdotool({"mousemove", QString::number(from.x()), QString::number(from.y())});
    xdotool({"mousedown", "1"});
    QTest::qWait(100);
    xdotool({"mousemove", QString::number(mid.x()), QString::number(mid.y())});
    QTest::qWait(50);
    xdotool({"mousemove", QString::number(to.x()), QString::number(to.y())});
    QTest::qWait(holdMs);
    xdotool({"mouseup", "1"});
}

void click(QPoint at) {
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    xdotool({"click", "1"});
}

void doubleClick(QPoint at) {
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
}

void keys(const QStringList& chords) {
    for (int i = 0; i < chords.size(); ++i) {
        if (i > 0) QTest::qWait(150);
        xdotool({"key", "--clearmodifiers", chords[i]});
    }
}

void askState(const QWidget* window, const QStringList& states, bool add) {
    xcb_connection_t* c = connection();
    if (!c || !window || states.isEmpty() || states.size() > 2) return;
    const xcb_window_t client = xcb_window_t(window->winId());
    const auto g = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, client), nullptr));
    if (!g) return;
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = client;
    e.type = atom(c, "_NET_WM_STATE");
    e.data.data32[0] = add ? 1 : 0;
    for (int i = 0; i < states.size(); ++i)
        e.data.data32[1 + i] = atom(c, ("_NET_WM_STATE_" + states[i].toStdString()).c_str());
    e.data.data32[3] = 2;  // a user's action
    xcb_send_event(c, 0, g->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&e));
    xcb_flush(c);
}

void askSize(const QWidget* window, QSize size) {
    if (!window) return;
    // xdotool is a client of its own: the window manager gets the request as from a pager.
    xdotool({"windowsize", QString::number(window->winId()), QString::number(size.width()),
             QString::number(size.height())});
}

std::string describe(const std::optional<QRect>& r) {
    if (!r) return "(not on screen)";
    return QStringLiteral("%1x%2 at (%3, %4)").arg(r->width()).arg(r->height()).arg(r->x()).arg(r->y()).toStdString();
}

}  // namespace wmtest
