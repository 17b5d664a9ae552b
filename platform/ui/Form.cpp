#include "platform/ui/Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"

namespace ui {

namespace {

QScreen* primaryScreen() { return QGuiApplication::primaryScreen(); }

// Captions are shown as written: "&" is a character, not an accelerator mark.
QString literalCaption(QString caption) { return caption.replace(QLatin1Char('&'), QLatin1String("&&")); }

// The frame a window manager drew around a window of this program (outer size minus client size), for
// a window the user may resize and for one of fixed size: a window manager draws no resize handle on these.
QSize g_wmFrame[2] = {QSize(0, 0), QSize(0, 0)};

}  // namespace

int screenWidth() { return primaryScreen() ? twips(primaryScreen()->geometry().width()) : 0; }
int screenHeight() { return primaryScreen() ? twips(primaryScreen()->geometry().height()) : 0; }

Form::Form(const QString& className, QWidget* parent) : QMainWindow(parent), m_className(className) {
    setObjectName(className);
    m_client = new QWidget(this);
    m_client->setObjectName(className + QStringLiteral("_client"));
    setCentralWidget(m_client);
}

Form::~Form() {
    if (!m_gone) {
        m_gone = true;
        formGone(this);
    }
    if (m_modalLoop) m_modalLoop->quit();
}

// ---- geometry -----------------------------------------------------------------------------------

// The frame around the window as the window system tells it now (empty until a window manager framed it).
QSize Form::toldFrame() const {
    QWindow* w = windowHandle();
    if (!w || !w->handle()) return {};
    const QMargins m = w->frameMargins();
    return {m.left() + m.right(), m.top() + m.bottom()};
}

// Until a window manager has told this window's frame, the one it drew around an earlier window stands
// in for it: the window's own frame is usually the same, and the window then maps at its outer size
// already. Offscreen the frame is known from the start and nothing is learnt.
QSize Form::frameExtra() const {
    const QSize told = toldFrame();
    if (told.width() > 0 || told.height() > 0 || m_framePhase == FramePhase::Known) return told;
    return g_wmFrame[isFixedSize()];
}

bool Form::isFixedSize() const { return minimumSize() == maximumSize(); }

QPoint Form::framePos() const {
    QWindow* w = windowHandle();
    QPoint p = isVisible() && w && w->handle() ? w->framePosition() : frameGeometry().topLeft();
    // A shown window stands where it was asked to once its frame is known; until then that is its place.
    if (m_framePhase == FramePhase::Waiting) {
        if (m_askedLeft) p.setX(*m_askedLeft);
        if (m_askedTop) p.setY(*m_askedTop);
    }
    return p;
}

int Form::Width() const { return twips(width() + frameExtra().width()); }
int Form::Height() const { return twips(height() + frameExtra().height()); }
int Form::Top() const { return twips(framePos().y()); }
int Form::Left() const { return twips(framePos().x()); }

void Form::setWidth(int tw) { setOuterSize(px(tw), std::nullopt); }
void Form::setHeight(int tw) { setOuterSize(std::nullopt, px(tw)); }
void Form::setTop(int tw) { placeFrame(std::nullopt, px(tw)); }
void Form::setLeft(int tw) { placeFrame(px(tw), std::nullopt); }

// Before the window's own frame is known the outer size asked for is kept, and put right once the frame
// is told. While the shown window waits for its frame nothing is resized: the window system would take
// the client area's place for the frame's.
void Form::setOuterSize(std::optional<int> widthPx, std::optional<int> heightPx) {
    if (m_framePhase != FramePhase::Known) {
        if (widthPx) m_pendingOuter.setWidth(*widthPx);
        if (heightPx) m_pendingOuter.setHeight(*heightPx);
    }
    if (m_framePhase == FramePhase::Waiting) return;
    const QSize extra = frameExtra();
    resize(widthPx ? std::max(0, *widthPx - extra.width()) : width(),
           heightPx ? std::max(0, *heightPx - extra.height()) : height());
}

void Form::placeFrame(std::optional<int> leftPx, std::optional<int> topPx) {
    if (m_framePhase != FramePhase::Known) {
        if (leftPx) m_askedLeft = leftPx;
        if (topPx) m_askedTop = topPx;
    }
    if (m_framePhase == FramePhase::Waiting) return;
    QPoint p = framePos();
    if (leftPx) p.setX(*leftPx);
    if (topPx) p.setY(*topPx);
    moveFrameTo(p);
}

// A shown window is placed by its client area, worked out from the frame as told now; a hidden one by
// move(), which places the frame.
void Form::moveFrameTo(QPoint framePosition) {
    QWindow* w = windowHandle();
    if (!isVisible() || !w || !w->handle()) {
        move(framePosition);
        return;
    }
    const QMargins m = w->frameMargins();
    setGeometry(QRect(framePosition + QPoint(m.left(), m.top()), size()));
}

int Form::menuBarHeight() const {
    QWidget* bar = menuWidget();
    if (!bar || bar->isHidden()) return 0;
    return bar->sizeHint().height();
}

void Form::setClientSize(int widthTwips, int heightTwips) {
    m_designClient = QSize(widthTwips, heightTwips);
    applyClientSize();
}

void Form::applyClientSize() {
    if (m_designClient.isEmpty()) return;
    m_clientMenuHeight = menuBarHeight();
    resize(px(m_designClient.width()), px(m_designClient.height()) + m_clientMenuHeight);
}

void Form::keepOuterSize(int widthTwips, int heightTwips) {
    if (isMaximized()) {
        showNormal();
        return;
    }
    if (isMinimized()) return;
    if (Width() == widthTwips && Height() == heightTwips) return;
    // A window manager takes no size from the program while the user drags the border: the size is
    // put back once the drag has paused.
    if (m_framePhase == FramePhase::Known && m_shownFor.isValid()) {
        if (!m_holdTimer) {
            m_holdTimer = new QTimer(this);
            m_holdTimer->setSingleShot(true);
            m_holdTimer->setInterval(150);
        }
        m_holdTimer->disconnect();
        connect(m_holdTimer, &QTimer::timeout, this, [this, widthTwips, heightTwips] {
            if (isMaximized() || isMinimized()) return;
            if (Width() != widthTwips) setWidth(widthTwips);
            if (Height() != heightTwips) setHeight(heightTwips);
        });
        m_holdTimer->start();
        return;
    }
    if (Width() != widthTwips) setWidth(widthTwips);
    if (Height() != heightTwips) setHeight(heightTwips);
}

int Form::ScaleWidth() const { return twips(width()); }
int Form::ScaleHeight() const { return twips(height() - menuBarHeight()); }

void Form::centreOnScreen() {
    QScreen* s = screen() ? screen() : primaryScreen();
    if (!s) return;
    const QRect area = s->geometry();
    const QSize outer = size() + frameExtra();
    placeFrame(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

// ---- lifetime -----------------------------------------------------------------------------------

void Form::Load() {
    if (m_loaded || m_gone) return;
    m_loaded = true;
    formLoaded(this);
    // Menus are usually built after setClientSize; the menu bar lies outside the client area, so the
    // window grows by the bar's height (and keeps any size set since).
    if (!m_designClient.isEmpty() && menuBarHeight() != m_clientMenuHeight) {
        resize(width(), height() + menuBarHeight() - m_clientMenuHeight);
        m_clientMenuHeight = menuBarHeight();
    }
    guarded([this] { Form_Load(); });
}

void Form::Show(Modality modal) {
    if (m_gone) return;
    Load();
    if (m_gone || !m_loaded) return;  // Form_Load unloaded the window
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    setWindowModality(modal == vbModal ? Qt::ApplicationModal : Qt::NonModal);
    show();
    raise();
    activateWindow();
    if (modal != vbModal || m_gone) return;

    QEventLoop loop;
    m_modalLoop = &loop;
    QPointer<Form> self(this);
    loop.exec(QEventLoop::DialogExec);
    if (self) self->m_modalLoop = nullptr;
}

bool Form::runUnload(int unloadMode) {
    if (m_gone) return true;
    if (m_unloading) return false;  // asked again from inside its own QueryUnload/Unload
    if (m_loaded) {
        m_unloading = true;
        bool cancel = false;
        guarded([&] { cancel = Form_QueryUnload(unloadMode); });
        if (cancel) {
            m_unloading = false;
            return false;
        }
        guarded([this] { Form_Unload(); });
        m_unloading = false;
        m_loaded = false;
    }
    m_gone = true;
    formGone(this);
    if (m_modalLoop) {
        m_modalLoop->quit();
        m_modalLoop = nullptr;
    }
    deleteLater();
    return true;
}

void Form::Unload() { (void)closeWithReason(vbFormCode); }

bool Form::closeWithReason(int unloadMode) {
    if (m_gone) return true;
    if (!runUnload(unloadMode)) return false;
    // A real close hides the window and lets Qt end the process after the last one.
    m_closingByCode = true;
    if (isVisible()) close();
    return true;
}

void Form::closeEvent(QCloseEvent* event) {
    if (m_closingByCode || m_gone) {
        event->accept();
        return;
    }
    if (runUnload(vbFormControlMenu))
        event->accept();
    else
        event->ignore();
}

// ---- events -------------------------------------------------------------------------------------

void Form::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // A window manager frames a new window with a move or resize of its own: the frame may be known now.
    if (m_framePhase == FramePhase::Waiting) frameTold(false);
    if (m_loaded && !m_gone) guarded([this] { Form_Resize(); });
}

void Form::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (m_framePhase == FramePhase::Waiting) frameTold(false);
}

void Form::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !m_loaded || m_gone) return;
    const bool active = isActiveWindow();
    if (active == m_wasActive) return;
    m_wasActive = active;
    if (active)
        guarded([this] { Form_Activate(); });
    else
        guarded([this] { Form_LostFocus(); });
}

void Form::setVisible(bool visible) {
    if (visible && !m_loaded && !m_gone) Load();
    if (visible && m_gone) return;  // Form_Load unloaded it
    if (visible && !isVisible()) sendPendingResize();
    QMainWindow::setVisible(visible);
}

// Qt sends a window's first resize event while showing it, after the window system has the window: a
// resize rule run there would place the window by its client area. It runs here, before.
void Form::sendPendingResize() {
    for (int round = 0; round < 3 && testAttribute(Qt::WA_PendingResizeEvent); ++round) {
        setAttribute(Qt::WA_PendingResizeEvent, false);
        QResizeEvent event(size(), QSize());
        QCoreApplication::sendEvent(this, &event);
    }
}

void Form::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || m_framePhase != FramePhase::NotShown) return;
    m_framePhase = FramePhase::Waiting;
    frameTold(false);
    if (m_framePhase == FramePhase::Waiting) watchFrame();
}

// The frame is told in an event that need not move or resize the window: it is looked for until it
// comes. Without a window manager, or under a frameless one, none comes.
void Form::watchFrame() {
    if (!m_frameWatch) {
        m_frameWatch = new QTimer(this);
        m_frameWatch->setInterval(10);
        connect(m_frameWatch, &QTimer::timeout, this, [this] { frameTold(m_shownFor.elapsed() > 1000); });
    }
    m_shownFor.start();
    m_frameWatch->start();
}

// Once the frame is known the outer size and the frame's place asked for are put right; from then on the
// window is the user's.
void Form::frameTold(bool giveUp) {
    if (m_framePhase != FramePhase::Waiting) return;
    const QSize frame = toldFrame();
    const bool framed = frame.width() > 0 || frame.height() > 0;
    if (!framed && !giveUp) return;
    m_framePhase = FramePhase::Known;
    if (m_frameWatch) m_frameWatch->stop();
    std::optional<QSize> client;
    if (framed) {
        // Told after the window showed: a window manager drew it.
        if (m_shownFor.isValid()) g_wmFrame[isFixedSize()] = frame;
        client = m_pendingOuter.frameReported(size(), frame);
    } else {
        client = m_pendingOuter.noFrameCame(size());
    }
    QPoint place = framePos();
    if (m_askedLeft) place.setX(*m_askedLeft);
    if (m_askedTop) place.setY(*m_askedTop);
    const bool moved = (m_askedLeft || m_askedTop) && place != framePos();
    m_askedLeft.reset();
    m_askedTop.reset();
    if (!client && !moved) return;
    QWindow* w = windowHandle();
    const QMargins m = w ? w->frameMargins() : QMargins();
    setGeometry(QRect(place + QPoint(m.left(), m.top()), client.value_or(size())));
}

// ---- controls and menus -------------------------------------------------------------------------

void Form::placeWidget(QWidget* widget, const QString& name, int left, int top, int width, int height) {
    if (!widget->parentWidget()) widget->setParent(m_client);
    widget->setObjectName(name);
    widget->setGeometry(px(left), px(top), px(width), px(height));
    if (widget->parentWidget()->isVisible() && !widget->testAttribute(Qt::WA_WState_ExplicitShowHide)) widget->show();
}

QMenu* Form::addMenu(const QString& name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(literalCaption(caption));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* Form::addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(literalCaption(caption));
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

QAction* Form::addSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    if (!name.isEmpty()) separator->setObjectName(name);
    return separator;
}

}  // namespace ui
