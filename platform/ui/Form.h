#pragma once
// A VB form over QMainWindow: geometry in twips of the outer frame, the VB form events as virtuals,
// controls placed at twip positions in the client area. Menus go on menuBar().
#include <QMainWindow>
#include <QString>
#include <memory>

#include "platform/ui/OuterSize.h"

class QAction;
class QEventLoop;
class QMenu;

namespace ui {

constexpr int kTwipsPerPixel = 15;
[[nodiscard]] constexpr int px(int twips) { return twips / kTwipsPerPixel; }
[[nodiscard]] constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }
// Screen.Width / Screen.Height of the primary screen, twips.
[[nodiscard]] int screenWidth();
[[nodiscard]] int screenHeight();

// How a window is shown, as VB's Show argument.
enum Modality : int {
    vbModeless = 0,
    vbModal = 1,  // Show and showForm return after the window was unloaded
};

// The reasons a window closes, as VB's UnloadMode.
enum UnloadMode : int {
    vbFormControlMenu = 0,  // close box or system menu
    vbFormCode = 1,         // Unload in code
    vbAppWindows = 2,       // the session ends
    vbAppTaskManager = 3,   // the task list (here: SIGTERM)
    vbFormMDIForm = 4,
    vbFormOwner = 5,
};

class Form : public QMainWindow {
    Q_OBJECT
public:
    // The class name is the window's name in the ledger ("frm_Main") and its objectName.
    explicit Form(const QString& className, QWidget* parent = nullptr);
    ~Form() override;
    [[nodiscard]] const QString& formClassName() const { return m_className; }

    // Outer frame, twips.
    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    [[nodiscard]] int Top() const;
    [[nodiscard]] int Left() const;
    void setWidth(int twips);
    void setHeight(int twips);
    void setTop(int twips);
    void setLeft(int twips);
    // The designed client area (ScaleWidth/ScaleHeight), twips.
    // The menu bar lies outside it; a status bar lies inside, as in VB. Applied again when the window
    // loads, so menus added after the call are accounted for.
    void setClientSize(int widthTwips, int heightTwips);
    [[nodiscard]] int ScaleWidth() const;
    [[nodiscard]] int ScaleHeight() const;
    void centreOnScreen();
    // The resize step of a fixed-size window: a maximized window returns to normal, any other size
    // (outer frame, twips) is put back; a minimized window is left alone. Under a window manager the size
    // is put back once a drag of the border has paused and ended (none is taken during the drag), and
    // asked for at most twice when the window manager answers with another (OuterGeometry). A fullscreen
    // window returns to normal as a maximized one does.
    void keepOuterSize(int widthTwips, int heightTwips);
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Load runs once, before the first show (VB's Load statement / first reference).
    void Load();
    [[nodiscard]] bool isLoadedForm() const { return m_loaded; }
    // Show vbModal runs a local event loop until the window is unloaded; vbModeless returns at once.
    // Showing a visible window only raises it.
    void Show(Modality modal = vbModeless);
    [[nodiscard]] bool isModalShown() const { return m_modalLoop != nullptr; }
    // Unload from code: QueryUnload(vbFormCode), Unload, then the window is destroyed (deleteLater).
    // Unloading a window that is already unloaded (or unloading) does nothing.
    void Unload();
    // Closes with a given reason (tests: the close box is vbFormControlMenu). False when QueryUnload
    // cancelled the close.
    bool closeWithReason(int unloadMode);

    // The parent for controls; positions are client-area twips.
    [[nodiscard]] QWidget* client() const { return m_client; }
    template <class W>
    W* place(W* widget, const QString& name, int left, int top, int width, int height) {
        placeWidget(widget, name, left, top, width, height);
        return widget;
    }
    void placeWidget(QWidget* widget, const QString& name, int left, int top, int width, int height);

    // Menus: objectName = control name; caption as given (an "&" is no accelerator here).
    QMenu* addMenu(const QString& name, const QString& caption);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {});
    QAction* addSeparator(QMenu* menu, const QString& name = {});

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_LostFocus() {}
    // Return true to cancel the close.
    virtual bool Form_QueryUnload(int unloadMode) {
        (void)unloadMode;
        return false;
    }
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

public:
    // A plain show() loads the window first, as any reference to a VB form does.
    void setVisible(bool visible) override;

private:
    class WindowOfForm;
    void sendPendingResize();
    bool runUnload(int unloadMode);
    void applyClientSize();
    [[nodiscard]] int menuBarHeight() const;

    QString m_className;
    QWidget* m_client = nullptr;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_gone = false;           // unloaded; the object waits for deleteLater
    bool m_closingByCode = false;  // our own close() after an unload from code
    bool m_wasActive = false;
    QSize m_designClient;        // twips; empty when never set
    int m_clientMenuHeight = 0;  // menu bar height when the client size was applied
    // The rules refer to the window adapter: declared after it, they are destroyed before it.
    std::unique_ptr<WindowOfForm> m_window;
    std::unique_ptr<OuterGeometry> m_geometry;
    QEventLoop* m_modalLoop = nullptr;
};

}  // namespace ui
