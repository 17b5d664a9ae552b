// The overwrite holds a typed value to its column's size as the recordset counts it, in UTF-16 units with both
// halves of a pair: a longer one is left out and named, as one of too many letters is.
#include <gtest/gtest.h>

#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"
#include "tests/inventory_compare/window/CompareFixture.h"
#include "tests/support/UiDriver.h"

namespace comparetest {
namespace {

// n characters past the BMP, two units each.
QString faces(int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QString::fromUcs4(U"\U0001F600");
    return s;
}

TEST_F(CompareTest, ATypedValueLongerThanItsColumnInUnitsIsNamedAndLeftOut) {
    seedMasters();
    seedPc(1, "OLD-NAME");
    ASSERT_TRUE(open());
    pick(1);
    read(copySample("inventory_ja.csv"));
    const struct {
        int row;
        const char* column;
        QString typed;
        bool fits;
    } typed[] = {
        {1, "Computer_Name", faces(127) + "x", true},  // 255 units
        {2, "Workgroup", faces(150), false},           // 300 units
        {107, "Sereals_Number", QString(254, u'x') + faces(1), false},
    };
    for (const auto& t : typed) {
        ASSERT_EQ(cell(t.row, 2), t.column);
        ASSERT_TRUE(testsupport::clickCell(m_form->MSFlexGrid1, t.row, 2));
        settle();
        m_form->tbx_Edit->setText(t.typed);
        ASSERT_TRUE(testsupport::triggerAction(m_form, "Mnu_Update"));
    }
    const QString workgroup = pclist(1, "Workgroup");
    const QString serial = computerList(1, "Sereals_Number");
    overwrite();
    ASSERT_EQ(msgBoxes().size(), 2);
    EXPECT_EQ(msgBoxes()[1], "Vondari|48|次の項目は書き込めませんでした。\r\nNo 2 Workgroup\r\nNo 107 Sereals_Number");
    EXPECT_TRUE(pclist(1, "Computer_Name") == typed[0].typed);
    EXPECT_EQ(pclist(1, "Workgroup"), workgroup);
    EXPECT_EQ(computerList(1, "Sereals_Number"), serial);
}

}  // namespace
}  // namespace comparetest
