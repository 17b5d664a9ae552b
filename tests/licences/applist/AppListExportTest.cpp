// The PC grid written out under the application's name, compared byte for byte with files written by hand.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <functional>

#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextBox.h"
#include "tests/licences/applist/AppListFixture.h"
#include "tests/support/UiDriver.h"

namespace applist {
namespace {

class AppListExportTest : public AppListTest {
protected:
    void SetUp() override {
        AppListTest::SetUp();
        seedOffice();
        ASSERT_NE(open(), nullptr);
    }
    QByteArray expected(const char* file) const { return readFile(QString(APPLIST_DATA "/") + file); }
    QByteArray written(const QString& name) const { return readFile(m_folder->file(name)); }
};

TEST_F(AppListExportTest, WritesTheNameLineThenTheGrid) {
    struct Case {
        const char* why;
        std::function<void()> steps;
        const char* file;
    };
    const Case cases[] = {
        {"before any choice: an empty line and the two design rows", [] {}, "before_choice.csv"},
        {"an application for all locations", [this] { chooseApp("Excel"); }, "excel.csv"},
        {"the text typed into the name box stands as typed",
         [this] {
             chooseApp("Excel");
             m_win->tbx_ApplicationName->clear();
             QInputMethodEvent commit;
             commit.setCommitString("表計算ソフト, 2003");
             QCoreApplication::sendEvent(m_win->tbx_ApplicationName, &commit);
         },
         "typed_name.csv"},
        {"a group without a name: the empty line only",
         [this] {
             chooseApp("Excel");
             ASSERT_TRUE(testsupport::clickCell(m_win->MSFlexGrid_Applications, 1, 1));  // Null sorts first
             ASSERT_EQ(m_win->tbx_ApplicationName->text(), "");
         },
         "unnamed_group.csv"},
        {"nobody at the chosen location: the name only",
         [this] {
             chooseApp("Excel");
             pickLocation(4);  // 空室
         },
         "nobody_there.csv"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        c.steps();
        const QString name = QString("export%1").arg(++n);
        exportAs(m_folder->file(name));
        EXPECT_EQ(written(name + ".csv"), expected(c.file));
        ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_ViewUpdate"));
    }
}

TEST_F(AppListExportTest, TheSaveDialogAndItsCancel) {
    chooseApp("Excel");
    ui::script::cancelFile();
    ASSERT_TRUE(testsupport::triggerAction(m_win, "Mnu_Export_CSV"));
    EXPECT_TRUE(QDir(m_folder->path()).entryList({"*.csv"}, QDir::Files).isEmpty());

    exportAs(m_folder->file("list.csv"));
    EXPECT_EQ(written("list.csv.csv"), expected("excel.csv"));
    const auto& shown = ui::script::shown();
    ASSERT_EQ(shown.size(), 3u);
    const ui::FileDialogSpec& dialog = shown[1].file;
    EXPECT_EQ(shown[1].prompt, "CSV書き出し");
    EXPECT_EQ(dialog.filters, QStringList({"全て(*.*)", "*.*", "CSVファイル", "*.csv"}));
    EXPECT_EQ(dialog.filterIndex, 2);
    EXPECT_EQ(shown[2].prompt, "完了しました");
}

}  // namespace
}  // namespace applist
