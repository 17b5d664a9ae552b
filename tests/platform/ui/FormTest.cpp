// The form base and the window service: twip geometry of the outer frame, the VB form events and
// their order, modal and modeless showing, close reasons, one instance per class, the session end.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "platform/base/VbError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/Forms.h"
#include "tests/support/AppFolder.h"
#include "tests/support/UiDriver.h"

namespace {

// Records its events; QueryUnload answers from `cancelClose`.
class RecordingForm : public ui::Form {
public:
    explicit RecordingForm(const QString& name = "frm_Test") : ui::Form(name) {
        setClientSize(6165, 5430);
        menu = addMenu("Mnu_File", "ファイル");
        closeItem = addItem(menu, "Mnu_Close", "閉じる", QKeySequence("Ctrl+W"));
        addSeparator(menu, "separator01");
        label = place(new QLabel("ラベル"), "lblCurName", 120, 240, 5415, 555);
    }
    std::vector<QString> events;
    std::vector<int> reasons;
    bool cancelClose = false;
    std::function<void()> onLoad;
    QMenu* menu = nullptr;
    QAction* closeItem = nullptr;
    QLabel* label = nullptr;

protected:
    void Form_Load() override {
        events.push_back("Load");
        if (onLoad) onLoad();
    }
    void Form_Activate() override { events.push_back("Activate"); }
    void Form_Resize() override { events.push_back("Resize"); }
    void Form_LostFocus() override { events.push_back("LostFocus"); }
    bool Form_QueryUnload(int mode) override {
        events.push_back("QueryUnload");
        reasons.push_back(mode);
        return cancelClose;
    }
    void Form_Unload() override { events.push_back("Unload"); }
};

int count(const std::vector<QString>& events, const QString& e) {
    return int(std::count(events.begin(), events.end(), e));
}

void flushDeletes() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::armDialogScript(); }
    void TearDown() override {
        ui::unloadAll(ui::vbFormCode);
        flushDeletes();
        EXPECT_TRUE(ui::loadedForms().empty());
        testsupport::checkDialogScript();
        ui::script::enable(false);
    }
};

TEST_F(FormTest, GeometryIsTwipsOfTheOuterFrame) {
    auto* f = new RecordingForm;
    f->Load();
    f->setWidth(14835);
    f->setHeight(10530);
    f->setTop(750);
    f->setLeft(1500);
    EXPECT_EQ(f->Width(), 14835);
    EXPECT_EQ(f->Height(), 10530);
    EXPECT_EQ(f->Top(), 750);
    EXPECT_EQ(f->Left(), 1500);
    EXPECT_EQ(f->frameGeometry().width(), 989);  // 15 twips to the pixel
    // Twips between pixels come back as the pixel below, as on Windows at 96 dpi.
    f->setTop(50);
    EXPECT_EQ(f->Top(), 45);
    f->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(f->Width(), 14835);
    EXPECT_EQ(f->Left(), 1500);
    EXPECT_EQ(f->Top(), 45);
}

TEST_F(FormTest, ClientSizeLeavesTheMenuBarOutside) {
    auto* f = new RecordingForm;  // the menu is built after setClientSize, as windows do
    f->Load();
    EXPECT_EQ(f->ScaleWidth(), 6165 / 15 * 15);
    EXPECT_EQ(f->ScaleHeight(), 5430);
    EXPECT_GT(f->Height(), 5430);
}

TEST_F(FormTest, LoadKeepsASizeSetAfterTheClientSize) {
    auto* f = new RecordingForm;
    f->setWidth(3000);
    f->Load();
    EXPECT_EQ(f->Width(), 3000);
}

TEST_F(FormTest, CentreOnScreen) {
    auto* f = new RecordingForm;
    f->Load();
    f->setWidth(6165);
    f->setHeight(5430);
    f->centreOnScreen();
    EXPECT_NEAR(f->Left() + f->Width() / 2, ui::screenWidth() / 2, 30);
    EXPECT_NEAR(f->Top() + f->Height() / 2, ui::screenHeight() / 2, 30);
}

TEST_F(FormTest, ControlsAndMenusCarryTheirNames) {
    auto* f = new RecordingForm;
    auto* label = testsupport::control<QLabel>(f, "lblCurName");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(8, 16, 361, 37));  // twips / 15
    EXPECT_EQ(label->parentWidget(), f->client());
    QAction* close = testsupport::action(f, "Mnu_Close");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "閉じる");
    EXPECT_EQ(close->shortcut(), QKeySequence("Ctrl+W"));
    EXPECT_NE(f->findChild<QMenu*>("Mnu_File"), nullptr);
    EXPECT_NE(f->findChild<QAction*>("separator01"), nullptr);
    EXPECT_EQ(f->objectName(), "frm_Test");
    delete f;
}

TEST_F(FormTest, LoadRunsOnceWhateverShowsTheWindow) {
    auto* f = new RecordingForm;
    EXPECT_FALSE(f->isLoadedForm());
    f->Load();
    f->Load();
    f->Show();
    f->Show();
    f->show();
    EXPECT_EQ(count(f->events, "Load"), 1);
    EXPECT_TRUE(f->isLoadedForm());
    EXPECT_EQ(ui::loadedForms(), std::vector<ui::Form*>{f});
}

TEST_F(FormTest, PlainShowLoadsFirst) {
    auto* f = new RecordingForm;
    f->show();
    EXPECT_EQ(count(f->events, "Load"), 1);
    EXPECT_EQ(f->events.front(), "Load");
}

TEST_F(FormTest, ModalShowReturnsOnlyAfterTheWindowIsUnloaded) {
    QPointer<RecordingForm> f = new RecordingForm;
    bool wasModal = false;
    bool visibleWhileModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = f->isModalShown() && QApplication::activeModalWidget() == f;
        visibleWhileModal = f->isVisible();
        f->Unload();
    });
    f->Show(ui::vbModal);
    ASSERT_TRUE(f);  // destroyed later, not under the caller's feet
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(visibleWhileModal);
    EXPECT_FALSE(f->isModalShown());
    EXPECT_FALSE(f->isVisible());
    EXPECT_FALSE(f->isLoadedForm());
    EXPECT_EQ(f->reasons, std::vector<int>{ui::vbFormCode});
    EXPECT_EQ(f->events.back(), "Unload");
    EXPECT_TRUE(ui::loadedForms().empty());
    flushDeletes();
    EXPECT_FALSE(f);
}

TEST_F(FormTest, ModelessShowReturnsAtOnce) {
    auto* f = new RecordingForm;
    f->Show(ui::vbModeless);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isModalShown());
    EXPECT_EQ(f->windowModality(), Qt::NonModal);
}

TEST_F(FormTest, CloseBoxIsReasonZeroAndCodeIsReasonOne) {
    QPointer<RecordingForm> a = new RecordingForm("frm_A");
    QPointer<RecordingForm> b = new RecordingForm("frm_B");
    a->Show();
    b->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(a));
    EXPECT_TRUE(a->close());  // what the close box does
    EXPECT_EQ(a->reasons, std::vector<int>{ui::vbFormControlMenu});
    EXPECT_FALSE(a->isVisible());
    b->Unload();
    EXPECT_EQ(b->reasons, std::vector<int>{ui::vbFormCode});
    // Unloading again does nothing.
    b->Unload();
    EXPECT_EQ(b->reasons.size(), 1u);
    flushDeletes();
    EXPECT_FALSE(a);
    EXPECT_FALSE(b);
}

TEST_F(FormTest, QueryUnloadCanCancelEveryKindOfClose) {
    auto* f = new RecordingForm;
    f->cancelClose = true;
    f->Show();
    EXPECT_FALSE(f->close());
    f->Unload();
    EXPECT_FALSE(f->closeWithReason(ui::vbAppWindows));
    EXPECT_EQ(f->reasons, (std::vector<int>{ui::vbFormControlMenu, ui::vbFormCode, ui::vbAppWindows}));
    EXPECT_EQ(count(f->events, "Unload"), 0);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->isLoadedForm());
    f->cancelClose = false;
    EXPECT_TRUE(f->closeWithReason(ui::vbAppTaskManager));
    EXPECT_EQ(f->reasons.back(), ui::vbAppTaskManager);
    EXPECT_EQ(count(f->events, "Unload"), 1);
}

TEST_F(FormTest, ResizeAndLostFocus) {
    auto* a = new RecordingForm("frm_A");
    auto* b = new RecordingForm("frm_B");
    a->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(a));
    const int resizes = count(a->events, "Resize");
    a->setWidth(9000);
    EXPECT_EQ(count(a->events, "Resize"), resizes + 1);

    QApplication::setActiveWindow(a);
    ASSERT_TRUE(QTest::qWaitForWindowActive(a));
    EXPECT_EQ(count(a->events, "LostFocus"), 0);
    b->Show();
    QApplication::setActiveWindow(b);
    ASSERT_TRUE(QTest::qWaitForWindowActive(b));
    EXPECT_EQ(count(a->events, "LostFocus"), 1);
    EXPECT_GE(count(b->events, "Activate"), 1);
}

// A window manager may tell a maximise only after the resize it made for it: the resize event runs on
// every change of the window's state as well, a minimise included, which resizes nothing.
TEST_F(FormTest, ResizeRunsOnEveryChangeOfTheWindowState) {
    auto* f = new RecordingForm;
    f->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    for (const Qt::WindowState state :
         {Qt::WindowMinimized, Qt::WindowNoState, Qt::WindowMaximized, Qt::WindowNoState}) {
        SCOPED_TRACE(int(state));
        const int resizes = count(f->events, "Resize");
        f->setWindowState(state);
        QTest::qWait(20);
        EXPECT_GT(count(f->events, "Resize"), resizes);
    }
}

TEST_F(FormTest, AnErrorInAnEventShowsTheStandardBoxAndEscapesNot) {
    auto* f = new RecordingForm;
    f->onLoad = [] { throw vb::Error(13, "型が一致しません。"); };
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_NO_THROW(f->Load());
    ASSERT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(ui::script::shown()[0].title, "警告");
    EXPECT_TRUE(f->isLoadedForm());  // the window stays as far as it came
}

TEST_F(FormTest, UnloadFromLoadShowsNothing) {
    QPointer<RecordingForm> f = new RecordingForm;
    f->onLoad = [&] { f->Unload(); };
    f->Show(ui::vbModal);  // must not block
    ASSERT_TRUE(f);
    EXPECT_FALSE(f->isVisible());
    EXPECT_FALSE(f->isLoadedForm());
}

// ---- the window service -------------------------------------------------------------------------

class WindowService : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ui::registerForm("frm_Modeless", [this] {
            ++created;
            return new RecordingForm("frm_Modeless");
        });
        ui::registerForm("frm_Modal", [this] {
            ++created;
            auto* f = new RecordingForm("frm_Modal");
            QTimer::singleShot(0, f, [f] { f->Unload(); });
            return f;
        });
    }
    int created = 0;
};

TEST_F(WindowService, OneInstancePerClassRaisedUnchanged) {
    auto* f = static_cast<RecordingForm*>(ui::showForm("frm_Modeless", ui::vbModeless));
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    f->label->setText("変更");
    f->setLeft(3000);
    EXPECT_EQ(ui::showForm("frm_Modeless", ui::vbModeless), f);
    EXPECT_EQ(ui::showForm("frm_Modeless", ui::vbModal), f);  // open modeless: raised, not made modal
    EXPECT_EQ(created, 1);
    EXPECT_EQ(count(f->events, "Load"), 1);
    EXPECT_EQ(f->label->text(), "変更");
    EXPECT_EQ(f->Left(), 3000);
    EXPECT_EQ(ui::findForm("frm_Modeless"), f);
    EXPECT_EQ(ui::form("frm_Modeless"), f);
}

TEST_F(WindowService, FormLoadsWithoutShowing) {
    auto* f = ui::formOf<RecordingForm>("frm_Modeless");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isLoadedForm());
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(ui::showForm("frm_Modeless", ui::vbModeless), f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(count(f->events, "Load"), 1);
}

TEST_F(WindowService, AnUnregisteredClassOpensNothing) {
    EXPECT_FALSE(ui::isRegistered("frm_Edit_Computer_NotBuilt"));
    EXPECT_EQ(ui::showForm("frm_Edit_Computer_NotBuilt", ui::vbModeless), nullptr);
    EXPECT_EQ(ui::form("frm_Edit_Computer_NotBuilt"), nullptr);
    EXPECT_TRUE(ui::loadedForms().empty());
}

TEST_F(WindowService, ModalShowGivesNullAfterTheWindowClosed) {
    EXPECT_EQ(ui::showForm("frm_Modal", ui::vbModal), nullptr);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(ui::findForm("frm_Modal"), nullptr);
    // Closed windows come back new.
    EXPECT_EQ(ui::showForm("frm_Modal", ui::vbModal), nullptr);
    EXPECT_EQ(created, 2);
}

TEST_F(WindowService, UnloadAllTakesEveryWindowWithTheReason) {
    auto* a = static_cast<RecordingForm*>(ui::showForm("frm_Modeless", ui::vbModeless));
    auto* b = new RecordingForm("frm_Other");
    b->Load();  // loaded, never shown
    ASSERT_EQ(ui::loadedForms(), (std::vector<ui::Form*>{a, b}));
    ui::unloadAll(ui::vbAppWindows);
    EXPECT_EQ(a->reasons, std::vector<int>{ui::vbAppWindows});
    EXPECT_EQ(b->reasons, std::vector<int>{ui::vbAppWindows});
    EXPECT_TRUE(ui::loadedForms().empty());
    EXPECT_EQ(ui::findForm("frm_Modeless"), nullptr);
}

TEST_F(WindowService, UnloadAllWhileAModalWindowWaits) {
    // The session may end while a modal window blocks its opener.
    QPointer<RecordingForm> main = new RecordingForm("frm_Main_Test");
    main->Show();
    QPointer<RecordingForm> modal = new RecordingForm("frm_Dialog");
    QTimer::singleShot(0, [] { ui::unloadAll(ui::vbAppTaskManager); });
    modal->Show(ui::vbModal);
    ASSERT_TRUE(modal);
    ASSERT_TRUE(main);
    EXPECT_EQ(modal->reasons, std::vector<int>{ui::vbAppTaskManager});
    EXPECT_EQ(main->reasons, std::vector<int>{ui::vbAppTaskManager});
}

TEST_F(WindowService, MenuEntriesAreTriggeredOnlyWhenEnabled) {
    auto* f = static_cast<RecordingForm*>(ui::showForm("frm_Modeless", ui::vbModeless));
    int triggered = 0;
    QObject::connect(f->closeItem, &QAction::triggered, [&] { ++triggered; });
    EXPECT_TRUE(testsupport::triggerAction(f, "Mnu_Close"));
    EXPECT_EQ(triggered, 1);
    f->closeItem->setEnabled(false);
    EXPECT_NONFATAL_FAILURE((void)testsupport::triggerAction(f, "Mnu_Close"), "disabled");
    EXPECT_EQ(triggered, 1);
}

// ---- the end of the session ---------------------------------------------------------------------

TEST_F(FormTest, SigTermEndsTheSessionAsTheTaskList) {
    auto* f = new RecordingForm("frm_Main_Test");
    f->Show();
    std::vector<int> modes, reasons;
    ui::installSessionHandlers([&](int mode) {
        modes.push_back(mode);
        ui::unloadAll(mode);
        reasons = f->reasons;  // the window is gone once events run again
    });
    ASSERT_EQ(std::raise(SIGTERM), 0);
    for (int i = 0; i < 100 && modes.empty(); ++i) QTest::qWait(10);
    ui::removeSessionHandlers();
    EXPECT_EQ(modes, std::vector<int>{ui::vbAppTaskManager});
    EXPECT_EQ(reasons, std::vector<int>{ui::vbAppTaskManager});
    EXPECT_TRUE(ui::loadedForms().empty());
}

TEST_F(FormTest, SessionHandlersCanBeArmedAgain) {
    int calls = 0;
    ui::installSessionHandlers([&](int) { ++calls; });
    ui::installSessionHandlers([&](int) { calls += 10; });  // replaces the first
    ASSERT_EQ(std::raise(SIGTERM), 0);
    for (int i = 0; i < 100 && calls == 0; ++i) QTest::qWait(10);
    ui::removeSessionHandlers();
    EXPECT_EQ(calls, 10);
}

}  // namespace
