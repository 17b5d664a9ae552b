// The three exports, byte for byte against files written by hand: all accounts, under the location
// filter, and on the empty grid; a target that cannot be written ends quietly.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "tests/registers/mail/MailFixture.h"

namespace mail {
namespace {

const char* const kExports[] = {"Mnu_Export", "Mnu_Export_beat", "Mnu_Export_OE"};
const char* const kFilePrefix[] = {"plain", "beat", "oe"};

class ExportTest : public MailTest {
protected:
    // Runs the export into the program folder under `name` (".csv" is appended by the command).
    void exportAs(frm_Edit_Mail* w, const char* entry, const QString& name, bool done = true) {
        ui::script::answerFile(m_folder->file(name));
        if (done) ui::script::answerMsgBox(ui::vbOK);
        ASSERT_TRUE(trigger(w, entry));
    }
};

TEST_F(ExportTest, EachLayoutIsWrittenAsShownUnderTheFilterAndOnTheEmptyGrid) {
    seedOffice();
    struct View {
        int locationItem;  // -1: as opened
        const char* suffix;
    };
    // 表参道 (one account), then 空き (no account: the grid has no rows and no columns).
    const View views[] = {{-1, "all"}, {3, "omotesando"}, {4, "empty"}};
    withRegister([&](frm_Edit_Mail* w) {
        for (const View& v : views) {
            if (v.locationItem >= 0) pickItem(w->cmb_Location, v.locationItem);
            for (int e = 0; e < 3; ++e) {
                const QString name = QString("%1_%2").arg(kFilePrefix[e], v.suffix);
                SCOPED_TRACE(name.toStdString());
                ui::script::reset();
                exportAs(w, kExports[e], name);
                EXPECT_EQ(readFile(m_folder->file(name + ".csv")), readFile(MAIL_DATA "/" + name + ".csv"));
                ASSERT_EQ(ui::script::shown().size(), 2u);
                EXPECT_EQ(ui::script::shown()[0].file.title, "CSV書き出し");
                EXPECT_EQ(ui::script::shown()[0].file.filterIndex, 2);
                EXPECT_EQ(ui::script::shown()[1].prompt, "完了しました");
            }
        }
        // Writing changes neither the list nor the selection.
        EXPECT_EQ(w->iSelRow, 0);
    });
}

TEST_F(ExportTest, TheExportsLeaveThePickedRowAndTheGridAlone) {
    seedOffice();
    withRegister([&](frm_Edit_Mail* w) {
        clickRow(w, 2);
        const std::vector<QStringList> before = gridTexts(w->MSFlexGrid_Mail);
        for (int e = 0; e < 3; ++e) exportAs(w, kExports[e], QString("x%1").arg(e));
        EXPECT_EQ(gridTexts(w->MSFlexGrid_Mail), before);
        EXPECT_EQ(w->iSelRow, 2);
        EXPECT_TRUE(w->Mnu_Update->isEnabled());
    });
}

// A target that cannot be written: no message, no completion box, nothing else touched.
TEST_F(ExportTest, ATargetThatCannotBeWrittenEndsWithoutAMessage) {
    seedOffice();
    ASSERT_TRUE(QDir(m_folder->path()).mkdir("taken.csv"));
    ASSERT_TRUE(QFile::link("/dev/full", m_folder->file("full.csv")));
    withRegister([&](frm_Edit_Mail* w) {
        for (const char* entry : kExports) {
            SCOPED_TRACE(entry);
            ui::script::reset();
            exportAs(w, entry, "taken", false);  // a folder of that name
            exportAs(w, entry, "full", false);   // a device that takes no byte
            exportAs(w, entry, "nofolder/out", false);
            EXPECT_EQ(ui::script::shown().size(), 3u) << "only the three save dialogs";
        }
    });
    EXPECT_TRUE(QFileInfo(m_folder->file("taken.csv")).isDir());
    EXPECT_FALSE(QDir(m_folder->file("nofolder")).exists());
}

}  // namespace
}  // namespace mail
