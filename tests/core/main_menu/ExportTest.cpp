// The grid export text: the main list's export command, and the writer's layouts that other windows use.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/Mdl_Export.h"
#include "core/Mdl_gData.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FlexGrid.h"
#include "tests/core/main_menu/MainMenuFixture.h"

using namespace mainmenu;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class ExportTest : public MainMenuTest {
protected:
    void startWithList() {
        writeThreeColumnView();
        addLocation(1, "本社");
        addLocation(2, "表示室");  // 表 ends in byte 0x5C
        addUser(1, "山田");
        addPc({3, "a,b", 1, 1});
        addPc({8, "Café", 2});  // é has no CP932 form
        addPc({20, "PC-020"});
        ASSERT_NE(start(), nullptr);
        ASSERT_EQ(gRowCount, 3);
    }

    // Runs the export with the given name typed into the save dialog; the completion box is answered.
    void exportAs(const QString& name, bool expectDone = true) {
        ui::script::reset();
        ui::script::answerFile(name);
        if (expectDone) ui::script::answerMsgBox(ui::vbOK);
        trigger("Mnu_View_EXPORT");
    }

    QStringList csvFiles() const { return QDir(m_folder->path()).entryList({"*.csv"}, QDir::Files); }
};

TEST_F(ExportTest, TheListIsWrittenByteForByte) {
    startWithList();
    exportAs(m_folder->file("list"));

    EXPECT_EQ(readFile(m_folder->file("list.csv")), readFile(MAIN_MENU_DATA "/main_list.csv"));
    ASSERT_EQ(ui::script::shown().size(), 2u);
    const ui::script::Shown& dialog = ui::script::shown()[0];
    EXPECT_EQ(dialog.kind, ui::script::Shown::Kind::SaveFile);
    EXPECT_EQ(dialog.file.title, "CSV書き出し");
    EXPECT_EQ(dialog.file.filters, QStringList({"全て(*.*)", "*.*", "CSVファイル", "*.csv"}));
    EXPECT_EQ(dialog.file.filterIndex, 2);
    EXPECT_EQ(dialog.file.initDir, "");
    EXPECT_EQ(ui::script::shown()[1].prompt, "完了しました");
    EXPECT_EQ(ui::script::shown()[1].title, ui::kAppTitle);
    EXPECT_EQ(ui::script::shown()[1].buttons, ui::vbOKOnly);

    // The grid's current cell ends on its last cell; nothing else changes.
    EXPECT_EQ(m_main->MSFlexGrid_Main->Row(), 3);
    EXPECT_EQ(m_main->MSFlexGrid_Main->Col(), 4);
    EXPECT_EQ(gRowCount, 3);
}

TEST_F(ExportTest, CsvIsAlwaysAppendedAndAnExistingFileIsReplaced) {
    startWithList();
    writeFile(m_folder->file("x.csv"), "keep");
    exportAs(m_folder->file("x.csv"));
    EXPECT_EQ(readFile(m_folder->file("x.csv")), "keep");
    EXPECT_EQ(readFile(m_folder->file("x.csv.csv")), readFile(MAIN_MENU_DATA "/main_list.csv"));

    // The dialog offers the name chosen last time in this window.
    writeFile(m_folder->file("y.csv"), QByteArray(4096, 'z'));
    exportAs(m_folder->file("y"));
    EXPECT_EQ(ui::script::shown()[0].file.fileName, m_folder->file("x.csv"));
    EXPECT_EQ(readFile(m_folder->file("y.csv")), readFile(MAIN_MENU_DATA "/main_list.csv"));
}

TEST_F(ExportTest, CancelWritesAndShowsNothing) {
    startWithList();
    const QStringList before = csvFiles();
    ui::script::cancelFile();
    trigger("Mnu_View_EXPORT");
    EXPECT_EQ(csvFiles(), before);
    EXPECT_EQ(ui::script::shown().size(), 1u);
}

TEST_F(ExportTest, AListWithoutRecordsGivesAnEmptyFile) {
    startWithList();
    gOptDel = 1;  // no removed PCs: a grid of no rows and no columns
    trigger("Mnu_ViewUpdate");
    ASSERT_EQ(m_main->MSFlexGrid_Main->Rows(), 0);
    exportAs(m_folder->file("empty"));
    EXPECT_EQ(readFile(m_folder->file("empty.csv")), "");
}

TEST_F(ExportTest, AFileThatCannotBeWrittenShowsTheErrorBox) {
    startWithList();
    QDir(m_folder->path()).mkdir("taken.csv");
    struct Case {
        QString name;
        const char* code;
    };
    const Case cases[] = {{m_folder->file("no-such-folder/list"), "（エラーコード：76）"},
                          {m_folder->file("taken"), "（エラーコード：75）"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        ui::script::reset();
        ui::script::answerFile(c.name);
        ui::script::answerMsgBox(ui::vbOK);
        trigger("Mnu_View_EXPORT");
        ASSERT_EQ(ui::script::shown().size(), 2u);  // no "完了しました"
        EXPECT_EQ(stdErrorBoxes(), 1);
        EXPECT_TRUE(ui::script::shown()[1].prompt.contains(c.code)) << ui::script::shown()[1].prompt.toStdString();
    }
}

// --- The writer's layouts --------------------------------------------------------------------------

class GridWriterTest : public testsupport::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        // Column 0 row numbers (or a key), three cells after it.
        const QStringList rows[] = {
            {"Key", "ID", "氏名", "メール"}, {"1", "u1", "山田", "a@x"}, {"2", "u2", "", "b@x"}};
        m_grid.setCols(4);
        m_grid.setRows(3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) m_grid.setTextMatrix(r, c, rows[r][c]);
    }

    QByteArray written(const GridExportLayout& layout) {
        const QString path = m_folder->file("out.csv");
        fnc_Write_GridText(m_grid, path, layout);
        return readFile(path);
    }

    ui::FlexGrid m_grid;
};

TEST_F(GridWriterTest, LayoutsOfTheListExports) {
    struct Case {
        const char* why;
        GridExportLayout layout;
        QStringList lines;
    };
    GridExportLayout columnsZeroToLastWithoutKey;  // mail accounts: column 0 kept, hidden column 1 left out
    columnsZeroToLastWithoutKey.columns = {0, 2, 3};
    columnsZeroToLastWithoutKey.line = [](const ui::FlexGrid& g, int row, const std::vector<int>& cols) {
        return (row == 0 ? QString("#,") : QString()) + gridExportCells(g, row, cols);
    };
    GridExportLayout ownTail = columnsZeroToLastWithoutKey;
    ownTail.line = [](const ui::FlexGrid& g, int row, const std::vector<int>& cols) {
        QString line = gridExportCells(g, row, cols);
        return row == 0 ? "#," + line.mid(line.indexOf(',') + 1) : line;
    };
    ownTail.lineTail = "残さない,FALSE";
    GridExportLayout firstLineNoCaptions;
    firstLineNoCaptions.firstLine = "表示名,電子メール アドレス";
    firstLineNoCaptions.firstRow = 1;
    firstLineNoCaptions.columns = {2, 3};
    firstLineNoCaptions.line = [](const ui::FlexGrid& g, int row, const std::vector<int>&) {
        return g.TextMatrix(row, 2) + "," + g.TextMatrix(row, 3);
    };
    firstLineNoCaptions.lineTail = "";
    GridExportLayout firstLineBeforeCaptions;
    firstLineBeforeCaptions.firstLine = "";

    const Case cases[] = {
        {"default: columns 1 to the last", {}, {"ID,氏名,メール, ", "u1,山田,a@x, ", "u2,,b@x, "}},
        {"another column list and a caption prefix",
         columnsZeroToLastWithoutKey,
         {"#,Key,氏名,メール, ", "1,山田,a@x, ", "2,,b@x, "}},
        {"a tail of its own",
         ownTail,
         {"#,氏名,メール,残さない,FALSE", "1,山田,a@x,残さない,FALSE", "2,,b@x,残さない,FALSE"}},
        {"a first line and no caption row", firstLineNoCaptions, {"表示名,電子メール アドレス", "山田,a@x", ",b@x"}},
        {"an empty first line", firstLineBeforeCaptions, {"", "ID,氏名,メール, ", "u1,山田,a@x, ", "u2,,b@x, "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(written(c.layout), cp932Lines(c.lines));
        EXPECT_EQ(m_grid.Row(), 2);
        EXPECT_EQ(m_grid.Col(), c.layout.columns.empty() ? 3 : c.layout.columns.back());
    }
}

TEST_F(GridWriterTest, EdgesOfTheGrid) {
    m_grid.setRows(1);
    EXPECT_EQ(written({}), cp932Lines({"ID,氏名,メール, "}));
    m_grid.setCols(1);
    EXPECT_EQ(written({}), cp932Lines({" "}));  // only the row-number column: a blank
    m_grid.setRows(0);
    m_grid.setCols(0);
    EXPECT_EQ(written({}), "");
    GridExportLayout withFirstLine;
    withFirstLine.firstLine = "head";
    EXPECT_EQ(written(withFirstLine), "head\r\n");
}

TEST_F(GridWriterTest, CellTextsAreWrittenUnquotedInCp932) {
    m_grid.setTextMatrix(1, 1, "say \"hi\",\r\nthere");
    m_grid.setTextMatrix(1, 2, "ソ表€");
    const QByteArray bytes = written({});
    EXPECT_TRUE(bytes.startsWith("ID,"));
    EXPECT_TRUE(bytes.contains("say \"hi\",\r\nthere,\x83\x5c\x95\x5c?,a@x, \r\n"));
}

// A failing column read or file: the standard error box, or nothing in the silent mode; what was
// written before the failure stays.
TEST_F(GridWriterTest, FailuresAreShownUnlessSilent) {
    GridExportLayout beyondTheGrid;
    beyondTheGrid.columns = {1, 9};
    beyondTheGrid.firstLine = "first";
    ui::FileDialogSpec dialog;
    for (bool silent : {false, true}) {
        SCOPED_TRACE(silent ? "silent" : "shown");
        beyondTheGrid.silentFailure = silent;
        ui::script::reset();
        ui::script::answerFile(m_folder->file("bad"));
        if (!silent) ui::script::answerMsgBox(ui::vbOK);
        EXPECT_FALSE(fnc_Export_Grid(m_grid, dialog, nullptr, beyondTheGrid));
        EXPECT_EQ(ui::script::shown().size(), silent ? 1u : 2u);
        if (!silent) {
            EXPECT_EQ(ui::script::shown()[1].title, "警告");
        }
        EXPECT_EQ(readFile(m_folder->file("bad.csv")), "first\r\n");

        ui::script::reset();
        ui::script::answerFile(m_folder->file("missing/bad"));
        if (!silent) ui::script::answerMsgBox(ui::vbOK);
        GridExportLayout plain;
        plain.silentFailure = silent;
        EXPECT_FALSE(fnc_Export_Grid(m_grid, dialog, nullptr, plain));
        EXPECT_EQ(ui::script::shown().size(), silent ? 1u : 2u);
    }
}

}  // namespace
