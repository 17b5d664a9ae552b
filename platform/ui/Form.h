#pragma once
// A VB form over QMainWindow: geometry in twips of the outer frame, the VB form events as virtuals,
// controls placed at twip positions in the client area. Menus go on menuBar().
#include <QMainWindow>
#include <QString>

class QAction;
class QMenu;

namespace ui {

constexpr int kTwipsPerPixel = 15;
[[nodiscard]] constexpr int px(int twips) { return twips / kTwipsPerPixel; }
[[nodiscard]] constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

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
    explicit Form(const QString& className, QWidget* parent = nullptr);
    ~Form() override;

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
    void setClientSize(int widthTwips, int heightTwips);
    [[nodiscard]] int ScaleWidth() const;
    [[nodiscard]] int ScaleHeight() const;
    void centreOnScreen();
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Load runs once, before the first show (VB's Load statement / first reference).
    void Load();
    [[nodiscard]] bool isLoadedForm() const { return m_loaded; }
    // Show vbModal (1) runs a local event loop until the window is unloaded; 0 returns at once.
    void Show(int modal = 0);
    // Unload from code: QueryUnload(vbFormCode), Unload, then the window is destroyed (deleteLater).
    void Unload();
    // Closes with a given reason (tests: the close box is vbFormControlMenu).
    void closeWithReason(int unloadMode);

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
    void addSeparator(QMenu* menu);

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_LostFocus() {}
    // Return true to cancel the close.
    virtual bool Form_QueryUnload(int unloadMode) { (void)unloadMode; return false; }
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_client = nullptr;
    bool m_loaded = false;
    bool m_unloading = false;
    int m_pendingReason = vbFormControlMenu;
    class QEventLoop* m_modalLoop = nullptr;
};

}  // namespace ui
