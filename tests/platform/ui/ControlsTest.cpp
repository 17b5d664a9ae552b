// The small controls the windows share: check box values, the progress bar's VB range, the status bar's
// panels, the drop-down combo's events, the font mapping and the guarded event binding.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "platform/base/VbError.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/Events.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TextBox.h"
#include "tests/support/AppFolder.h"
#include "tests/support/UiDriver.h"

namespace {

using testsupport::stdErrorBoxes;

class Controls : public ::testing::Test {
protected:
    void SetUp() override { testsupport::armDialogScript(); }
    void TearDown() override {
        testsupport::checkDialogScript();
        ui::script::enable(false);
    }
};

TEST_F(Controls, CheckBoxValuesAreVbs) {
    ui::CheckBox box("ＦＤ");
    struct Case {
        int value;
        Qt::CheckState qt;
    };
    const Case cases[] = {
        {ui::vbChecked, Qt::Checked}, {ui::vbGrayed, Qt::PartiallyChecked}, {ui::vbUnchecked, Qt::Unchecked}};
    for (const Case& c : cases) {
        box.setValue(c.value);
        EXPECT_EQ(box.checkState(), c.qt) << c.value;
        EXPECT_EQ(box.Value(), c.value);
    }
    for (int bad : {-1, 3}) {
        try {
            box.setValue(bad);
            ADD_FAILURE() << bad << " was taken";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), vb::errInvalidPropertyValue);
        }
    }

    // The user's click toggles between 0 and 1 and raises Click; code raises nothing.
    int clicks = 0;
    QObject::connect(&box, &ui::CheckBox::Click, [&] { ++clicks; });
    box.setValue(ui::vbGrayed);
    EXPECT_EQ(clicks, 0);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    for (int expected : {ui::vbChecked, ui::vbUnchecked, ui::vbChecked}) {
        QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
        EXPECT_EQ(box.Value(), expected);
    }
    EXPECT_EQ(clicks, 3);
}

TEST_F(Controls, ProgressBarNeverShowsQtsBusyState) {
    struct Case {
        const char* name;
        int min, max, value;
        int shownPercent;  // of the painted range
    };
    const Case cases[] = {
        {"middle", 0, 100, 40, 40},
        {"value past max is full", 0, 10, 12, 100},
        {"value below min is empty", 5, 10, 2, 0},
        {"empty range, nothing done", 0, 0, -1, 0},
        {"empty range, done", 0, 0, 0, 100},
        {"max below min", 3, 1, 0, 0},
    };
    ui::ProgressBar bar;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar.setMin(c.min);
        bar.setMax(c.max);
        bar.setValueVb(c.value);
        EXPECT_EQ(bar.Min(), c.min);
        EXPECT_EQ(bar.Max(), c.max);
        EXPECT_EQ(bar.Value(), c.value);
        ASSERT_LT(bar.minimum(), bar.maximum());
        EXPECT_EQ((bar.value() - bar.minimum()) * 100 / (bar.maximum() - bar.minimum()), c.shownPercent);
    }
}

TEST_F(Controls, StatusBarPanelsBreakAtCrLfAndGrow) {
    QWidget window;
    auto* bar = new ui::StatusBar("StatusBar1", 270, 2, &window);
    ASSERT_EQ(bar->panelCount(), 2);
    EXPECT_EQ(bar->panel(1)->objectName(), "StatusBar1_Panel1");
    EXPECT_EQ(bar->panel(2)->objectName(), "StatusBar1_Panel2");
    EXPECT_EQ(bar->panel(0), nullptr);
    EXPECT_EQ(bar->panel(3), nullptr);
    const int oneLine = bar->minimumHeight();
    EXPECT_EQ(oneLine, 18);

    bar->setPanelText(1, "DBファイルが見つかりません。\r\nData Source=/x/pcdb.mdbを確認ください");
    EXPECT_EQ(bar->panel(1)->text().count('\n'), 1);
    EXPECT_FALSE(bar->panel(1)->text().contains('\r'));
    EXPECT_EQ(bar->panelText(1), "DBファイルが見つかりません。\r\nData Source=/x/pcdb.mdbを確認ください");
    EXPECT_GT(bar->minimumHeight(), oneLine);
    bar->setPanelText(2, "<b>plain</b>");
    EXPECT_EQ(bar->panelText(2), "<b>plain</b>");
    bar->setPanelText(3, "nowhere");  // no such panel: nothing happens
}

TEST_F(Controls, DropDownComboRaisesVbsEvents) {
    ui::DropDownCombo combo;
    QStringList events;
    ui::bind(&combo, &ui::DropDownCombo::DropDown, &combo, [&] {
        events << "DropDown";
        combo.refill([&] {
            combo.addListItem("本社", 1);
            combo.addListItem("支店", 2);
        });
    });
    ui::bind(&combo, &ui::DropDownCombo::Click, &combo, [&] { events << "Click"; });
    ui::bind(&combo, &ui::DropDownCombo::Change, &combo, [&] { events << "Change"; });
    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    combo.setEditText("typed before");

    // The list opens: DropDown refills it, and the text shown stays.
    combo.showPopup();
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.currentText(), "typed before");
    combo.hidePopup();
    // A pick from the list is a Click; typing is a Change, and Enter after it picks nothing.
    emit combo.activated(1);
    QTest::keyClicks(combo.lineEdit(), "ab");
    QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(events.join(' ').toStdString(), "DropDown Click Change Change");
    EXPECT_EQ(combo.itemData(1).toInt(), 2);

    // Text set from code, as VB's Text property: shown, no item chosen, no event.
    combo.setCurrentIndex(1);
    combo.setText("大阪");
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.currentText(), "大阪");
    combo.setText(QString());
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.currentText(), "");
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(events.join(' ').toStdString(), "DropDown Click Change Change");
}

// The combo's edit field shows text the program sets from its first character, as a text box does,
// whether the text comes from a pick, VB's Text or the edit field itself; typing keeps its cursor.
TEST_F(Controls, DropDownComboShowsSetTextFromItsFirstCharacter) {
    const QString longText = "00 VE Network Connection #2 本社2F 総務課";
    ui::DropDownCombo combo;
    combo.addListItem("短い", 1);
    combo.addListItem(longText, 2);
    combo.setFixedWidth(90);
    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    QLineEdit* edit = combo.lineEdit();
    auto shownFromStart = [&] {
        edit->repaint();
        return edit->cursorPosition() == 0 && edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 10;
    };
    struct Case {
        const char* name;
        std::function<void()> set;
    };
    const Case cases[] = {
        {"an item chosen", [&] { combo.setCurrentIndex(1); }},
        {"VB's Text", [&] { combo.setText(longText + "X"); }},
        {"setEditText", [&] { combo.setEditText(longText); }},
        {"the edit field's setText", [&] { edit->setText(longText + "Y"); }},
        {"the text it holds, again", [&] { combo.setText(combo.currentText()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.set();
        EXPECT_TRUE(shownFromStart()) << edit->cursorPosition();
    }
    combo.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&combo));
    combo.setFocus();
    combo.setText(QString());
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(combo.currentText(), "abc");
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(Controls, FontNamesMapToTheIpaFaces) {
    struct Case {
        QString name;
        QString family;
    };
    const Case cases[] = {
        {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"IPAPGothic", "IPAPGothic"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::fontFamily(c.name), c.family);
        // What the font system actually draws with, whether the window names the face or the original.
        EXPECT_EQ(QFontInfo(ui::vbFont(c.name, 9)).family(), c.family);
        EXPECT_EQ(QFontInfo(QFont(c.name, 9)).family(), c.family);
    }
    EXPECT_EQ(ui::windowFont().family(), "IPAPGothic");
    EXPECT_EQ(ui::windowFont().pointSize(), 9);
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "IPAPGothic");
    // The metrics the twip layouts were made for: 13 px lines, full-width characters two half-width cells.
    EXPECT_EQ(QFontMetrics(ui::windowFont()).height(), 13);
    const QFontMetrics fixed(ui::vbFont("ＭＳ ゴシック", 9));
    EXPECT_EQ(fixed.horizontalAdvance("あ"), 2 * fixed.horizontalAdvance("a"));
    EXPECT_EQ(fixed.horizontalAdvance("ab"), fixed.horizontalAdvance("12"));
}

// A window whose handlers throw, bound the layer's way.
struct Thrower : QObject {
    QAction action;
    std::vector<int> ran;
    void Mnu_Fail_Click() {
        ran.push_back(-1);
        vb::raise(vb::errTypeMismatch);
    }
    void Mnu_Item_Click(int Index) {
        ran.push_back(Index);
        throw std::runtime_error("not a vb error");
    }
    void tbx_KeyPress(int Index, int& KeyAscii) {
        ran.push_back(Index);
        KeyAscii = 0;
        vb::raise(vb::errOverflow);
    }
};

TEST_F(Controls, ABoundHandlerThatThrowsShowsTheStandardErrorBox) {
    Thrower w;
    QAction item;
    ui::bind(&w.action, &QAction::triggered, &w, &Thrower::Mnu_Fail_Click);
    ui::bind(&item, &QAction::triggered, &w, &Thrower::Mnu_Item_Click, 4);
    ui::TextBox box;
    ui::bind(&box, &ui::TextBox::KeyPress, &w, &Thrower::tbx_KeyPress, 7);
    ui::script::answerMsgBox(ui::vbOK);
    ui::script::answerMsgBox(ui::vbOK);
    ui::script::answerMsgBox(ui::vbOK);
    w.action.trigger();
    item.trigger();
    int key = 'a';
    emit box.KeyPress(key);
    EXPECT_EQ(w.ran, std::vector<int>({-1, 4, 7}));
    EXPECT_EQ(key, 0);  // what the handler set before it failed stands
    ASSERT_EQ(stdErrorBoxes(), 3);
    EXPECT_TRUE(ui::script::shown()[0].prompt.contains("13"));
    EXPECT_TRUE(ui::script::shown()[1].prompt.contains("not a vb error"));
}

}  // namespace
