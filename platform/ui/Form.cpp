#include "platform/ui/Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"

namespace ui {

namespace {

QScreen* primaryScreen() { return QGuiApplication::primaryScreen(); }

// Captions are shown as written: "&" is a character, not an accelerator mark.
QString literalCaption(QString caption) { return caption.replace(QLatin1Char('&'), QLatin1String("&&")); }

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

QSize Form::frameExtra() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {outer.width() - inner.width(), outer.height() - inner.height()};
}

int Form::Width() const { return twips(frameGeometry().width()); }
int Form::Height() const { return twips(frameGeometry().height()); }
int Form::Top() const { return twips(frameGeometry().y()); }
int Form::Left() const { return twips(frameGeometry().x()); }

// Before the window is on screen its frame is unknown; the outer size asked for is put right once the
// window system has told it.
void Form::setWidth(int tw) {
    if (!isVisible()) m_pendingOuter.setWidth(px(tw));
    resize(std::max(0, px(tw) - frameExtra().width()), height());
}
void Form::setHeight(int tw) {
    if (!isVisible()) m_pendingOuter.setHeight(px(tw));
    resize(width(), std::max(0, px(tw) - frameExtra().height()));
}

void Form::settleOuterSize() {
    if (const auto client = m_pendingOuter.frameReported(size(), frameExtra())) resize(*client);
}
// move() places the outer frame of a window.
void Form::setTop(int tw) { move(pos().x(), px(tw)); }
void Form::setLeft(int tw) { move(px(tw), pos().y()); }

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
    if (Width() != widthTwips) setWidth(widthTwips);
    if (Height() != heightTwips) setHeight(heightTwips);
}

int Form::ScaleWidth() const { return twips(width()); }
int Form::ScaleHeight() const { return twips(height() - menuBarHeight()); }

void Form::centreOnScreen() {
    QScreen* s = screen() ? screen() : primaryScreen();
    if (!s) return;
    const QRect area = s->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
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
    // A window manager frames a new window with a move or resize of its own: the frame is known now.
    if (m_pendingOuter.waiting() && isVisible()) settleOuterSize();
    if (m_loaded && !m_gone) guarded([this] { Form_Resize(); });
}

void Form::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (m_pendingOuter.waiting() && isVisible()) settleOuterSize();
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
    QMainWindow::setVisible(visible);
}

void Form::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || !m_pendingOuter.waiting()) return;
    settleOuterSize();
    // Without a window manager, or under a frameless one, no frame is ever told.
    if (m_pendingOuter.waiting()) QTimer::singleShot(1000, this, [this] { m_pendingOuter.stopWaiting(); });
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
