// The assignment window opened from the main window's menu, for the cases where a key the window read earlier
// is freed and given again behind its back.
#pragma once

#include <QString>
#include <QStringList>
#include <QTest>

#include "core/frm_Main.h"
#include "licences/frm_Edit_License.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SingleInstance.h"
#include "tests/licences/licence/LicenceFixture.h"

namespace licence {

class StaleKeyTest : public LicenceTest {
protected:
    // PCs 1 PC-A and 2 PC-B, the licence 1 Office; each case adds its own rows, then opens the windows.
    void SetUp() override {
        LicenceTest::SetUp();
        ASSERT_FALSE(ui::anotherInstanceRunning());
        addPc({1, "PC-A"});
        addPc({2, "PC-B"});
        addLicence(1, "Office", 10);
    }

    // The main window lists the PCs by name, and its menu opens the assignment window.
    void openFromMainWindow() {
        writeIni({"[Main]", "SectionNumber=0", "[0]", "OptDel=0", "SelectNumber=1", "KeyName0=Computer_Name",
                  "KeyASCDESC0=ASC", "MSFlexGrit_SelectNum=1", "MSFlexGrit_Select1=1"});
        m_main = static_cast<frm_Main*>(ui::showForm("frm_Main", ui::vbModeless));
        ASSERT_NE(m_main, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main));
        trigger(m_main, "Mnu_Edit_License");
        settle();
        m_win = static_cast<frm_Edit_License*>(ui::findForm("frm_Edit_License"));
        ASSERT_NE(m_win, nullptr);
    }

    // The PC's row clicked in the main list, then its 削除 (its assignments go with it).
    void mainDelete(int key) {
        ASSERT_TRUE(testsupport::deleteFromMainList(m_main, m_main->MSFlexGrid_Main, key));
        ASSERT_EQ(count(QString("SELECT * FROM tbl_Computer_List WHERE MainKey = %1").arg(key)), 0);
        ui::script::reset();
    }

    void pickLine(ui::ListBox* list, const QString& startingWith) {
        clickLine(list, startingWith);
        settle();
    }
    // The command with its box, if one comes, answered OK; the boxes shown as "title|buttons|prompt".
    QStringList run(const char* command) {
        ui::script::reset();
        ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, command);
        settle();
        const QStringList shown = testsupport::msgBoxes();
        ui::script::reset();
        return shown;
    }

    QStringList assignments() {
        QStringList s;
        for (const QStringList& row : rows("SELECT * FROM tbl_License_Dat ORDER BY [Key]")) s << row.join('|');
        return s;
    }

    frm_Main* m_main = nullptr;
};

}  // namespace licence
