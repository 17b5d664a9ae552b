#include "platform/ui/Form.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <cstdlib>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"

namespace ui {

namespace {

QScreen* primaryScreen() { return QGuiApplication::primaryScreen(); }

// Captions are shown as written: "&" is a character, not an accelerator mark.
QString literalCaption(QString caption) { return caption.replace(QLatin1Char('&'), QLatin1String("&&")); }

// A window manager takes the keyboard while it moves or resizes a window, by the mouse or by keys, and the
// X server tells the focused window: focus out because of a grab, back in because of the ungrab.
class KeyboardGrab final : public QAbstractNativeEventFilter {
public:
    static const KeyboardGrab& watching() {
        static KeyboardGrab grab;
        static QPointer<QCoreApplication> installedOn;
        if (installedOn != QCoreApplication::instance()) {
            installedOn = QCoreApplication::instance();
            if (installedOn) installedOn->installNativeEventFilter(&grab);
        }
        return grab;
    }
    [[nodiscard]] bool held() const { return m_held; }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const uint8_t kind = static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f;
        if (kind == XCB_FOCUS_OUT) {
            const uint8_t mode = static_cast<const xcb_focus_out_event_t*>(message)->mode;
            // Focus moved on during the grab: its end is told to another window.
            if (mode == XCB_NOTIFY_MODE_GRAB || mode == XCB_NOTIFY_MODE_WHILE_GRABBED)
                m_held = mode == XCB_NOTIFY_MODE_GRAB;
        } else if (kind == XCB_FOCUS_IN) {
            const uint8_t mode = static_cast<const xcb_focus_in_event_t*>(message)->mode;
            if (mode == XCB_NOTIFY_MODE_UNGRAB || mode == XCB_NOTIFY_MODE_NORMAL) m_held = false;
        }
        return false;
    }

private:
    bool m_held = false;
};

}  // namespace

// The form as the geometry rules see it.
class Form::WindowOfForm final : public OuterGeometry::Window {
public:
    explicit WindowOfForm(Form& form) : m_form(form) {
        if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) (void)KeyboardGrab::watching();
    }
    QSize clientSize() const override { return m_form.size(); }
    QMargins toldMargins() const override {
        QWindow* w = m_form.windowHandle();
        return w && w->handle() ? w->frameMargins() : QMargins();
    }
    QPoint framePosition() const override {
        return onScreen() ? m_form.windowHandle()->framePosition() : m_form.frameGeometry().topLeft();
    }
    bool onScreen() const override {
        QWindow* w = m_form.windowHandle();
        return m_form.isVisible() && w && w->handle();
    }
    bool fixedSize() const override { return m_form.minimumSize() == m_form.maximumSize(); }
    bool maximized() const override { return m_form.isMaximized(); }
    bool fullScreen() const override { return m_form.isFullScreen(); }
    bool minimized() const override { return m_form.isMinimized(); }
    // Qt sees no press on a window manager's frame: the X server is asked for the buttons.
    bool grabHeld() const override {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !onScreen()) return QGuiApplication::mouseButtons() != Qt::NoButton;
        if (KeyboardGrab::watching().held()) return true;
        xcb_connection_t* c = x11->connection();
        xcb_query_pointer_reply_t* r =
            xcb_query_pointer_reply(c, xcb_query_pointer(c, xcb_window_t(m_form.winId())), nullptr);
        const bool held =
            r && (r->mask & (XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 | XCB_KEY_BUT_MASK_BUTTON_3));
        std::free(r);
        return held;
    }
    void resizeClient(QSize client) override { m_form.resize(client); }
    void moveFrame(QPoint framePos) override { m_form.move(framePos); }
    void setClientGeometry(const QRect& client) override { m_form.setGeometry(client); }
    void showNormal() override { m_form.showNormal(); }

private:
    Form& m_form;
};

int screenWidth() { return primaryScreen() ? twips(primaryScreen()->geometry().width()) : 0; }
int screenHeight() { return primaryScreen() ? twips(primaryScreen()->geometry().height()) : 0; }

Form::Form(const QString& className, QWidget* parent) : QMainWindow(parent), m_className(className) {
    setObjectName(className);
    m_client = new QWidget(this);
    m_client->setObjectName(className + QStringLiteral("_client"));
    setCentralWidget(m_client);
    m_window = std::make_unique<WindowOfForm>(*this);
    m_geometry = std::make_unique<OuterGeometry>(*m_window);
}

Form::~Form() {
    if (!m_gone) {
        m_gone = true;
        formGone(this);
    }
    if (m_modalLoop) m_modalLoop->quit();
}

// ---- geometry -----------------------------------------------------------------------------------

int Form::Width() const { return twips(m_geometry->outerSize().width()); }
int Form::Height() const { return twips(m_geometry->outerSize().height()); }
int Form::Top() const { return twips(m_geometry->framePos().y()); }
int Form::Left() const { return twips(m_geometry->framePos().x()); }

void Form::setWidth(int tw) { m_geometry->setOuterSize(px(tw), std::nullopt); }
void Form::setHeight(int tw) { m_geometry->setOuterSize(std::nullopt, px(tw)); }
void Form::setTop(int tw) { m_geometry->placeFrame(std::nullopt, px(tw)); }
void Form::setLeft(int tw) { m_geometry->placeFrame(px(tw), std::nullopt); }

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

void Form::keepOuterSize(int widthTwips, int heightTwips) { m_geometry->keep(QSize(px(widthTwips), px(heightTwips))); }

int Form::ScaleWidth() const { return twips(width()); }
int Form::ScaleHeight() const { return twips(height() - menuBarHeight()); }

void Form::centreOnScreen() {
    QScreen* s = screen() ? screen() : primaryScreen();
    if (!s) return;
    const QRect area = s->geometry();
    const QSize outer = m_geometry->outerSize();
    m_geometry->placeFrame(area.x() + (area.width() - outer.width()) / 2,
                           area.y() + (area.height() - outer.height()) / 2);
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
    m_geometry->movedOrResized();
    if (m_loaded && !m_gone) guarded([this] { Form_Resize(); });
}

void Form::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    m_geometry->movedOrResized();
}

void Form::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (!m_loaded || m_gone) return;
    // A window manager may tell a maximise after the resize it made for it: the resize rule runs on
    // every change of the window's state as well.
    if (event->type() == QEvent::WindowStateChange) guarded([this] { Form_Resize(); });
    if (event->type() != QEvent::ActivationChange) return;
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
    if (!event->spontaneous()) m_geometry->shown();
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
