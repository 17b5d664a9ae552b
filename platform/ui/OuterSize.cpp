#include "platform/ui/OuterSize.h"

#include <QTimer>
#include <algorithm>
#include <utility>

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

namespace {

QSize sizeOf(const QMargins& m) { return {m.left() + m.right(), m.top() + m.bottom()}; }
bool isFrame(QSize frame) { return frame.width() > 0 || frame.height() > 0; }
// A dimension to set: only one the window does not have already.
std::optional<int> ifOther(int have, int want) { return have != want ? std::optional<int>(want) : std::nullopt; }

// The frame a window manager drew around a window of this program, for a window the user may resize and
// for one of fixed size: a window manager draws no resize handle on these.
QSize g_wmFrame[2] = {QSize(0, 0), QSize(0, 0)};

}  // namespace

OuterGeometry::OuterGeometry(Window& window, QObject* parent) : QObject(parent), m_window(window) {}

// Offscreen the frame is known from the start and nothing is learnt.
QSize OuterGeometry::frameExtra() const {
    const QSize told = sizeOf(m_window.toldMargins());
    if (isFrame(told) || m_phase == Phase::Known) return told;
    return g_wmFrame[m_window.fixedSize()];
}

QSize OuterGeometry::keptFrame() const {
    return m_framedByWm && !isFrame(sizeOf(m_window.toldMargins())) ? m_wmFrame : frameExtra();
}

QSize OuterGeometry::outerSize() const { return m_window.clientSize() + frameExtra(); }

QPoint OuterGeometry::framePos() const {
    QPoint p = m_window.framePosition();
    // A shown window stands where it was asked to once its frame is known; until then that is its place.
    if (m_phase == Phase::Waiting) {
        if (m_askedLeft) p.setX(*m_askedLeft);
        if (m_askedTop) p.setY(*m_askedTop);
    }
    return p;
}

void OuterGeometry::setOuterSize(std::optional<int> widthPx, std::optional<int> heightPx) {
    if (m_phase != Phase::Known) {
        if (widthPx) m_pendingOuter.setWidth(*widthPx);
        if (heightPx) m_pendingOuter.setHeight(*heightPx);
    }
    if (m_phase == Phase::Waiting) return;
    const QSize extra = frameExtra(), client = m_window.clientSize();
    m_window.resizeClient(QSize(widthPx ? std::max(0, *widthPx - extra.width()) : client.width(),
                                heightPx ? std::max(0, *heightPx - extra.height()) : client.height()));
}

void OuterGeometry::placeFrame(std::optional<int> leftPx, std::optional<int> topPx) {
    if (m_phase != Phase::Known) {
        if (leftPx) m_askedLeft = leftPx;
        if (topPx) m_askedTop = topPx;
    }
    if (m_phase == Phase::Waiting) return;
    QPoint p = framePos();
    if (leftPx) p.setX(*leftPx);
    if (topPx) p.setY(*topPx);
    moveFrameTo(p);
}

// A shown window is placed by its client area, worked out from the frame as told now.
void OuterGeometry::moveFrameTo(QPoint framePosition) {
    if (!m_window.onScreen()) {
        m_window.moveFrame(framePosition);
        return;
    }
    const QMargins m = m_window.toldMargins();
    m_window.setClientGeometry(QRect(framePosition + QPoint(m.left(), m.top()), m_window.clientSize()));
}

void OuterGeometry::keep(QSize outerPx) {
    if (m_asking) return;
    if (m_window.maximized() || m_window.fullScreen()) {
        if (m_hold) m_hold->stop();
        m_leftState.start();
        m_window.showNormal();
        return;
    }
    if (m_window.minimized()) return;
    const QSize now = m_window.clientSize() + keptFrame();
    if (now == outerPx) {
        m_asked = 0;
        m_awaitingAnswer = false;
        m_leftAt.reset();
        if (m_hold) m_hold->stop();
        return;
    }
    if (m_phase != Phase::Known || !m_framedByWm) {
        setOuterSize(ifOther(now.width(), outerPx.width()), ifOther(now.height(), outerPx.height()));
        return;
    }
    // A resize that answers none of the asks (a later one, or one made during a grab) is the user's: the
    // size is asked back afresh. After the last ask the window stays as the window manager answered,
    // until it is resized again.
    const bool answer =
        std::exchange(m_awaitingAnswer, false) && m_askedAt.elapsed() <= kAnswerMs && !m_window.grabHeld();
    if (!answer) {
        if (m_leftAt == now) return;
        m_asked = 0;
    }
    m_leftAt.reset();
    if (m_asked >= kAsksAfterRefusal) {
        m_leftAt = now;
        if (m_hold) m_hold->stop();
        return;
    }
    m_holdFor = outerPx;
    holdOn();
}

void OuterGeometry::holdOn(int ms) {
    if (!m_hold) {
        m_hold = new QTimer(this);
        m_hold->setSingleShot(true);
        connect(m_hold, &QTimer::timeout, this, &OuterGeometry::askBack);
    }
    m_hold->start(ms);
}

void OuterGeometry::askBack() {
    if (m_window.maximized() || m_window.fullScreen() || m_window.minimized()) return;
    const QSize extra = keptFrame();
    if (m_window.clientSize() + extra == m_holdFor) return;
    // Asked as soon as the grab ends, and once the window manager had the time to put back a window set
    // back to normal.
    if (m_window.grabHeld()) {
        holdOn(kPollMs);
        return;
    }
    if (m_leftState.isValid() && m_leftState.elapsed() < kAnswerMs) {
        holdOn(int(kAnswerMs - m_leftState.elapsed()));
        return;
    }
    ++m_asked;
    m_awaitingAnswer = true;
    m_askedAt.start();
    // Qt resizes the window at once and tells it before the window manager answers.
    m_asking = true;
    m_window.resizeClient((m_holdFor - extra).expandedTo(QSize(0, 0)));
    m_asking = false;
}

void OuterGeometry::shown() {
    if (m_phase != Phase::NotShown) return;
    m_phase = Phase::Waiting;
    frameTold(false);
    if (m_phase != Phase::Waiting) return;
    if (!m_poll) {
        m_poll = new QTimer(this);
        m_poll->setInterval(kPollMs);
        connect(m_poll, &QTimer::timeout, this, &OuterGeometry::poll);
    }
    m_polling.start();
    m_poll->start();
}

// A window manager frames a new window with a move or resize of its own: the frame may be known now, or
// be on its way.
void OuterGeometry::movedOrResized() {
    if (m_phase == Phase::Waiting) {
        frameTold(false);
    } else if (m_unframedClient) {
        lateFrame();
        if (m_unframedClient && m_poll) {
            m_polling.start();
            m_poll->start();
        }
    }
}

bool OuterGeometry::timerRunning() const { return (m_poll && m_poll->isActive()) || (m_hold && m_hold->isActive()); }

void OuterGeometry::poll() {
    const bool timeUp = m_polling.elapsed() > kWaitMs;
    if (m_phase == Phase::Waiting) {
        frameTold(timeUp);
        return;
    }
    lateFrame();
    if (timeUp || !m_unframedClient) m_poll->stop();
}

// Once the frame is known the outer size and the frame's place asked for are put right; from then on the
// window is the user's.
void OuterGeometry::frameTold(bool giveUp) {
    if (m_phase != Phase::Waiting) return;
    const QMargins margins = m_window.toldMargins();
    const QSize frame = sizeOf(margins), client = m_window.clientSize();
    const bool framed = isFrame(frame);
    if (!framed && !giveUp) return;
    m_phase = Phase::Known;
    if (m_poll) m_poll->stop();
    std::optional<QSize> resized;
    if (framed) {
        // Told after the window showed: a window manager drew it.
        if (m_polling.isValid()) {
            g_wmFrame[m_window.fixedSize()] = frame;
            m_wmFrame = frame;
            m_framedByWm = true;
        }
        resized = m_pendingOuter.frameReported(client, frame);
    } else {
        resized = m_pendingOuter.noFrameCame(client);
        m_unframedClient = resized.value_or(client);
    }
    QPoint place = framePos();
    if (m_askedLeft) place.setX(*m_askedLeft);
    if (m_askedTop) place.setY(*m_askedTop);
    const bool moved = (m_askedLeft || m_askedTop) && place != framePos();
    m_askedLeft.reset();
    m_askedTop.reset();
    if (!resized && !moved) return;
    m_window.setClientGeometry(QRect(place + QPoint(margins.left(), margins.top()), resized.value_or(client)));
}

// The outer size was given to the client area when no frame came; a frame told now would add to it. Put
// right once, and only while the window has the size it was left at.
void OuterGeometry::lateFrame() {
    const QSize frame = sizeOf(m_window.toldMargins());
    if (!isFrame(frame)) return;
    const QSize unframed = *m_unframedClient;
    m_unframedClient.reset();
    g_wmFrame[m_window.fixedSize()] = frame;
    m_wmFrame = frame;
    m_framedByWm = true;
    if (m_window.clientSize() != unframed || m_window.maximized() || m_window.minimized()) return;
    m_window.resizeClient(
        QSize(std::max(0, unframed.width() - frame.width()), std::max(0, unframed.height() - frame.height())));
}

}  // namespace ui
