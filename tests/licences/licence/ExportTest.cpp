// The export of the assignment grid: the file as the format lays it out, written by hand here and compared
// byte for byte (CP932, CR LF, the hidden key column left out, a comment's own line break kept), an empty
// grid, and Cancel.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "licences/frm_Edit_License.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "tests/licences/licence/LicenceFixture.h"

namespace licence {
namespace {

class ExportTest : public LicenceTest {
protected:
    QByteArray exported(const QString& chosen) {
        ui::script::answerFile(m_folder->file(chosen));
        ui::script::answerMsgBox(ui::vbOK);
        trigger(m_win, "Mnu_Export");
        QFile f(m_folder->file(chosen + ".csv"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << "no file " << chosen.toStdString() << ".csv";
        return f.readAll();
    }
};

TEST_F(ExportTest, WritesTheGridWithoutItsKeysAsTheFormatLaysItOut) {
    seedOffice();
    sql("UPDATE tbl_License_Dat SET Comment = 'first' || char(13) || char(10) || 'second' WHERE [Key] = 1");
    openAssignments();
    const QByteArray bytes = exported("licences.csv");

    // Every cell followed by ",", one blank after the last, CR LF; the comment's CR LF splits its line.
    const QByteArray expected = testsupport::cp932Lines({
        "No,アプリケーション名,コンピュータ名,プロダクトID,ライセンス番号,インストールキー,購入形態,パッケージ,ユーザ,"
        "部,課,"
        "設置場所,単価,コメント, ",
        "1,Office,PC-A,P-1,L-1,K-1,リース,License,山田,営業部,一課,本社,120,first",
        "second, ",
        "2,ＣＡＤ,PC-B,P-2,L-2,K-2,現金,パッケージ FPP,佐藤,旧部,旧課,旧倉庫,0,, ",
        "3,Office,PC-C,P-3,L-3,K-3, , ,山田,営業部,一課,本社,,, ",
    });
    EXPECT_EQ(bytes, expected);

    ASSERT_EQ(ui::script::shown().size(), 2u);
    const ui::script::Shown& dialog = ui::script::shown()[0];
    EXPECT_EQ(dialog.kind, ui::script::Shown::Kind::SaveFile);
    EXPECT_EQ(dialog.file.title, "CSV書き出し");
    EXPECT_EQ(dialog.file.filters, QStringList({"全て(*.*)", "*.*", "CSVファイル", "*.csv"}));
    EXPECT_EQ(dialog.file.filterIndex, 2);
    EXPECT_EQ(ui::script::shown()[1].prompt, "完了しました");
    EXPECT_EQ(ui::script::shown()[1].title, ui::kAppTitle);
    EXPECT_EQ(ui::script::shown()[1].buttons, ui::vbOKOnly);
}

TEST_F(ExportTest, AnEmptyGridGivesAnEmptyFileAndCancelWritesNothing) {
    seedOffice();
    sql("DELETE FROM tbl_License_Dat");
    openAssignments();
    ASSERT_EQ(m_win->FGrid_EditLicense->Rows(), 0);
    EXPECT_EQ(exported("empty"), QByteArray());
    EXPECT_EQ(ui::script::shown().back().prompt, "完了しました");

    ui::script::reset();
    const QStringList before = QDir(m_folder->path()).entryList(QDir::Files);
    ui::script::cancelFile();
    trigger(m_win, "Mnu_Export");
    EXPECT_EQ(ui::script::shown().size(), 1u);  // the dialog, nothing after it
    EXPECT_EQ(QDir(m_folder->path()).entryList(QDir::Files), before);
}

}  // namespace
}  // namespace licence
