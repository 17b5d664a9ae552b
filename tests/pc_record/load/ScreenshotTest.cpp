// Not part of the suite: draws the editor on an imported PC, one PNG per tab, for a look by eye.
//   test_pc_record_load --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_Screenshot
// writes /tmp/vondari-editor-<tab>.png (or <VONDARI_SCREENSHOT>-<tab>.png).
#include <QPixmap>

#include "pc_record/frm_Edit_Computer.h"
#include "tests/pc_record/common/EditorFixture.h"

namespace pcrecordtest {
namespace {

class EditorLook : public EditorTest {};

TEST_F(EditorLook, DISABLED_Screenshot) {
    openDb();
    const int key = importSample();
    addMaster("tbl_Location", 1, "本社 3F");
    addMaster("tbl_Manufacturer", 1, "IBM");
    addMaster("tbl_Model", 1, "ThinkPad X31");
    addMaster("tbl_Section", 1, "総務部");
    addMaster("tbl_Division", 1, "庶務課");
    addUser(1, "山田 太郎", 1, 1, "やまだ たろう");
    addUser(2, "佐藤 花子", 1, 1, "さとう はなこ");
    sql(QString(
            "UPDATE tbl_Computer_List SET Location_Code = 1, Manufacturer_Code = 1, Model_Code = 1, User_Code = 1, "
            "Type_Number = '2672-CBJ', Sereals_Number = '99-AB123', Leasing_StartDate = '2005/04/01', "
            "Leasing_EndDate = '2010/03/31', Leasing_Company = '東京リース', Asset_Code = 'リース' WHERE MainKey = %1")
            .arg(key));
    frm_Edit_Computer* e = openFromList(1);
    ASSERT_NE(e, nullptr);
    const QString stem = qEnvironmentVariable("VONDARI_SCREENSHOT", "/tmp/vondari-editor");
    for (int tab = 1; tab <= 8; ++tab) {
        clickTab(e, tab);
        EXPECT_TRUE(e->grab().save(QString("%1-%2.png").arg(stem).arg(tab)));
    }
}

}  // namespace
}  // namespace pcrecordtest
