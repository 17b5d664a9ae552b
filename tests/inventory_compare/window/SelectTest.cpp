// Choosing a grid row with the mouse and rewriting its incoming value.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "platform/ui/Colors.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"
#include "tests/inventory_compare/window/CompareFixture.h"
#include "tests/support/UiDriver.h"

namespace comparetest {
namespace {

class ChooseRow : public CompareTest {
protected:
    void SetUp() override {
        CompareTest::SetUp();
        seedMasters();
        seedPc(1, "SOUMU-PC01");
        ASSERT_TRUE(open());
    }

    void click(int row, int col = 2) {
        ASSERT_TRUE(testsupport::clickCell(m_form->MSFlexGrid1, row, col));
        settle();
    }

    // Colours of columns 0 to 4 of a row: "w" white, "g" grey, "-" anything else.
    QString colours(int row) const {
        QString out;
        for (int c = 0; c < 5; ++c) {
            const QColor colour = m_form->MSFlexGrid1->cellBackColorAt(row, c);
            out += colour == ui::QBColor(15) ? "w" : colour == ui::QBColor(8) ? "g" : "-";
        }
        return out;
    }
};

TEST_F(ChooseRow, AClickBeforeAnyFillChangesNothing) {
    m_form->tbx_Edit->setText("typed");
    click(1, 1);
    EXPECT_EQ(m_form->m_SelectRow, 0);
    EXPECT_EQ(m_form->m_OldRow, 1);
    EXPECT_EQ(m_form->tbx_Edit->text(), "typed");
}

TEST_F(ChooseRow, TheChosenRowIsGreyAndTheOneBeforeWhite) {
    pick(1);
    read(copySample("inventory_ja.csv"));
    m_form->tbx_Edit->setText("typed");

    // The first click paints row 1 white (the row chosen "before"), then the clicked row grey.
    click(3);
    EXPECT_EQ(m_form->m_SelectRow, 3);
    EXPECT_EQ(m_form->m_OldRow, 3);
    EXPECT_EQ(m_form->tbx_Edit->text(), "192.168.1.10");
    EXPECT_EQ(colours(1), "-wwww");
    EXPECT_EQ(colours(3), "-gggg");  // the "No" column keeps its colour

    // A row whose incoming value is empty leaves the edit box as it was.
    click(21, 0);
    EXPECT_EQ(m_form->m_SelectRow, 21);
    EXPECT_EQ(m_form->tbx_Edit->text(), "192.168.1.10");
    EXPECT_EQ(colours(3), "-wwww");
    EXPECT_EQ(colours(21), "-gggg");

    // The same row again stays grey.
    click(21, 4);
    EXPECT_EQ(colours(21), "-gggg");
    EXPECT_EQ(m_form->MSFlexGrid1->Row(), 21);
    EXPECT_EQ(m_form->MSFlexGrid1->Col(), 4);
}

TEST_F(ChooseRow, TheRewriteWritesTheEditBoxIntoTheChosenRow) {
    pick(1);
    // Right after loading, no row is chosen: nothing changes.
    m_form->tbx_Edit->setText("NEW");
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Update"));
    for (int r = 1; r <= 107; ++r) ASSERT_EQ(cell(r, 4), "") << r;

    read(copySample("inventory_ja.csv"));
    click(1);
    EXPECT_EQ(m_form->tbx_Edit->text(), "SOUMU-PC01");
    m_form->tbx_Edit->setFocus();
    m_form->tbx_Edit->selectAll();
    QTest::keyClicks(m_form->tbx_Edit, "SOUMU-PC99");
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Update"));
    EXPECT_EQ(cell(1, 4), "SOUMU-PC99");
    EXPECT_EQ(colours(1), "-gggg");
    EXPECT_EQ(m_form->tbx_Edit->text(), "SOUMU-PC99");

    // An empty edit box empties the value.
    m_form->tbx_Edit->clear();
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Update"));
    EXPECT_EQ(cell(1, 4), "");
    EXPECT_EQ(cell(1, 3), "SOUMU-PC01");

    // A pick keeps the chosen row number: the rewrite goes to the same row of the new grid.
    pick(1);
    m_form->tbx_Edit->setText("AGAIN");
    ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Update"));
    EXPECT_EQ(cell(1, 4), "AGAIN");
}

}  // namespace
}  // namespace comparetest
