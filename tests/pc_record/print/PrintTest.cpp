// The record sheet, printed through the editor's "印刷" to a PDF file and read back: line height and page
// geometry, header and footer on every page, the fixed rows, the lists and their page breaks, the choices
// at the page foot, unsaved edits, Cancel and failures.
#include <QDateTime>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <cmath>

#include "core/Mdl_Access_mdb.h"
#include "pc_record/Mdl_Print.h"
#include "pc_record/frm_Edit_Computer.h"
#include "platform/text/VbConv.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/Printer.h"
#include "platform/ui/TextBox.h"
#include "tests/pc_record/common/EditorFixture.h"
#include "tests/support/PdfWords.h"

namespace pcrecordtest {
namespace {

constexpr double kMargin = 10;  // mm, every side of the A4 page

// One printed text as the sheet's rows see it.
struct Printed {
    int page;
    int row;
    QString text;
    bool operator==(const Printed&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Printed& p) {
    return os << "p" << p.page << " r" << p.row << " " << p.text.toStdString();
}

class PrintTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        QPrinter& p = ui::sharedPrinter();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf());
        a4();
    }
    void TearDown() override {
        ui::sharedPrinter().setOutputFileName(QString());
        EditorTest::TearDown();
    }
    [[nodiscard]] QString pdf() const { return m_folder->file("sheet.pdf"); }
    static void a4() {
        ui::sharedPrinter().setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                      QMarginsF(kMargin, kMargin, kMargin, kMargin),
                                                      QPageLayout::Millimeter));
    }
    // A page exactly 60 rows of 3 mm high, without margins.
    static void sixtyRows() {
        ui::sharedPrinter().setPageLayout(QPageLayout(QPageSize(QSizeF(210, 180), QPageSize::Millimeter),
                                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                                      QPageLayout::Millimeter));
    }

    // The PC of the sheet, with its masters, user, applications and printers as given.
    frm_Edit_Computer* openSheetPc(int applications = 2, int printers = 2) {
        openDb();
        addMaster("tbl_Location", 1, "本社 3F");
        addMaster("tbl_Manufacturer", 1, "IBM");
        addMaster("tbl_Model", 1, "ThinkPad X31");
        addMaster("tbl_Section", 1, "総務部");
        addMaster("tbl_Division", 1, "庶務課");
        addUser(1, "山田 太郎", 1, 1, "やまだ");
        insertPc(1,
                 {{"Computer_Name", "'SOUMU-PC01'"},
                  {"Workgroup", "'SOUMU'"},
                  {"IPAddress", "'192.168.1.10'"},
                  {"SubnetMask", "'255.255.255.0'"},
                  {"Gateway", "'192.168.1.1'"},
                  {"PrimaryDNS", "'192.168.1.4'"},
                  {"SecondaryDNS", "'192.168.1.5'"},
                  {"MacAddress", "'00:0D:60:12:34:56'"},
                  {"AdapterName", "'Intel(R) PRO/100'"},
                  {"DHCPServer", "'192.168.1.2'"},
                  {"PrimaryWINS", "'192.168.1.3'"},
                  {"UserName", "'yamada'"},
                  {"HostsName", "'soumu-pc01'"},
                  {"DomeinName", "'example.local'"},
                  {"Operating_System", "'Windows XP'"},
                  {"ProductID", "'55274-OEM'"},
                  {"OEM_Manufacturer", "'IBM'"},
                  {"OEM_Model", "'2672CBJ'"},
                  {"CPU_NameString", "'Pentium M 1.4GHz'"},
                  {"Memory_Full", "523760"},
                  {"Memory_Full_unit", "'KB'"},
                  {"SysHD_Full", "40000"},
                  {"SysHD_Full_unit", "'MB'"}},
                 {{"Location_Code", "1"},
                  {"Manufacturer_Code", "1"},
                  {"Model_Code", "1"},
                  {"User_Code", "1"},
                  {"Type_Number", "'2672-CBJ'"},
                  {"Sereals_Number", "'99-AB123'"},
                  {"HUB_Name", "'HUB-2F'"},
                  {"Selling_Agent", "'大塚商会'"},
                  {"Leasing_Contract_Number", "'L-0001'"},
                  {"Leasing_Company", "'東京リース'"},
                  {"Leasing_StartDate", "'2005/04/01'"},
                  {"Leasing_EndDate", "'2010/03/31'"}});
        std::vector<ListRow> apps, prns;
        for (int i = 1; i <= applications; ++i)
            apps.push_back({QString("App%1").arg(i, 3, 10, QChar('0')), "C:\\", i == 2 ? "" : QString("%1.0").arg(i)});
        for (int i = 1; i <= printers; ++i) prns.push_back({QString("Prn%1").arg(i), i == 2 ? "" : "LPT1:", "1.0"});
        addApplications(1, apps);
        addPrinters(1, prns);
        frm_Edit_Computer* e = openFromList(1);
        EXPECT_NE(e, nullptr);
        return e;
    }

    // "印刷" with OK in the print dialog.
    void print(frm_Edit_Computer* e, bool ok = true) {
        ui::script::answerPrinter(ok);
        EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Print"));
        settle();
    }

    // The texts of the log in rows of the sheet's line height.
    static std::vector<Printed> printed(bool headerAndFooter) {
        std::vector<Printed> out;
        for (const auto& e : ui::printerLog()) {
            if (e.kind != ui::PrintLogEntry::Kind::Text || e.bold != headerAndFooter) continue;
            out.push_back({e.page, int(std::lround(e.y / glPrtLineHeight)), e.text});
        }
        return out;
    }
    // The body's texts from row `fromRow` of page 1 on.
    static std::vector<Printed> bodyFrom(int fromRow) {
        std::vector<Printed> out;
        for (const Printed& p : printed(false))
            if (p.page > 1 || p.row >= fromRow) out.push_back(p);
        return out;
    }

    // Every text of the log stands in the PDF where the log put it: its first word's top within 0.3 mm of
    // the row's top and its left at the text's x; the words of the text follow on that line.
    void expectPdfMatchesLog(double marginLeft, double marginTop) {
        const auto words = testsupport::pdfWords(pdf());
        ASSERT_FALSE(words.empty());
        int checked = 0;
        for (const auto& e : ui::printerLog()) {
            if (e.kind != ui::PrintLogEntry::Kind::Text) continue;
            const QStringList expected = e.text.split(QRegularExpression("[ \u3000]+"), Qt::SkipEmptyParts);
            if (expected.isEmpty()) continue;
            std::vector<testsupport::PdfWord> line;
            for (const auto& w : words)
                if (w.page == e.page && std::abs(w.yMin - (marginTop + e.y)) < 0.3 && w.xMin > marginLeft + e.x - 0.5)
                    line.push_back(w);
            std::sort(line.begin(), line.end(), [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
            ASSERT_GE(line.size(), std::size_t(expected.size())) << e.text.toStdString();
            EXPECT_NEAR(line[0].xMin, marginLeft + e.x, 0.5) << e.text.toStdString();
            QStringList got;
            for (int i = 0; i < expected.size(); ++i) got << line[std::size_t(i)].text;
            EXPECT_EQ(got, expected) << "page " << e.page << " y " << e.y;
            ++checked;
        }
        EXPECT_GT(checked, 0);
    }

    static QString today() { return vb::Format(QDateTime::currentDateTime(), "Short Date"); }
};

// The window's font (IPAPGothic 9 pt) is about 3.4 mm high: rows of 3 mm. A4 with 10 mm margins gives 92
// rows, a body of 276 mm and a right edge at 180 mm.
TEST_F(PrintTest, LineHeightAndPageFromTheWindowFont) {
    frm_Edit_Computer* e = openSheetPc();
    EXPECT_EQ(e->tbx_Dat[0]->font().family(), "IPAPGothic");
    print(e);
    EXPECT_EQ(glPrtLineHeight, 3);
    EXPECT_EQ(glPrtLinesPerPage, 92);
    EXPECT_EQ(glPrtBodyHeight, 276);
    EXPECT_EQ(glPrtRightEdge, 180);
    ASSERT_FALSE(ui::printerLog().empty());
    EXPECT_EQ(ui::printerLog().front().fontName, "IPAPGothic");
    EXPECT_EQ(ui::printerLog().front().fontSize, 9);
    EXPECT_EQ(ui::printerLog().back().kind, ui::PrintLogEntry::Kind::EndDoc);
    EXPECT_TRUE(QFile::exists(pdf()));
    EXPECT_EQ(stdErrorBoxes(), 0);
}

// The whole of a one-page sheet, row by row, after unsaved edits: the data boxes are reloaded and print
// what is stored; the user, department, section and the master names print as edited.
TEST_F(PrintTest, OnePageSheetAfterUnsavedEdits) {
    frm_Edit_Computer* e = openSheetPc();
    e->tbx_Dat[3]->setText("EDITED");
    e->tbx_User->setText("田中 一郎");
    e->tbx_Division->setText(" ");
    e->cmb_Dat[3]->setEditText("大阪支店");
    print(e);
    const QString sp4 = QString(4, QChar(0x3000));
    const std::vector<Printed> expected = {
        {1, 3, "[ユーザー]"},
        {1, 4, "□ ユーザ名: 田中 一郎"},
        {1, 5, "□ 部: " + sp4 + "総務部"},
        {1, 6, "□ 課: " + sp4 + " "},
        {1, 7, "□ 設置場所: 大阪支店"},
        {1, 9, "□ メーカー: IBM"},
        {1, 10, "□ モデル:\u3000 ThinkPad X31"},
        {1, 11, "□ マシンタイプ: 2672-CBJ"},
        {1, 12, "□ シリアル: 99-AB123"},
        {1, 14, "□ OS: Windows XP"},
        {1, 15, "□ Product ID: 55274-OEM"},
        {1, 16, "□ OEM 製造業者: IBM"},
        {1, 17, "□ OEM モデル名: 2672CBJ"},
        {1, 18, "□ Product Key: "},
        {1, 19, "□ CPU: Pentium M 1.4GHz"},
        {1, 20, "□ メモリ: 523,760 KB"},
        {1, 21, "□ Cドライブ: 40,000 MB"},
        {1, 23, "[ネットワーク]"},
        {1, 24, "□ コンピュータ名: SOUMU-PC01"},
        {1, 25, "□ ワークグループ: SOUMU"},
        {1, 27, "□ IPアドレス: 192.168.1.10"},
        {1, 28, "□ サブネットマスク: 255.255.255.0"},
        {1, 29, "□ デフォルトゲートウェイ: 192.168.1.1"},
        {1, 30, "□ DNSサーバ: 192.168.1.4"},
        {1, 31, "□ DNSサーバ(2): 192.168.1.5"},
        {1, 32, "□ Macアドレス: 00:0D:60:12:34:56"},
        {1, 33, "□ ネットワークカード: Intel(R) PRO/100"},
        {1, 34, "□ 接続先HUB: HUB-2F"},
        {1, 36, "□ DHCPサーバ: 192.168.1.2"},
        {1, 37, "□ WINSサーバ: 192.168.1.3"},
        {1, 38, "□ WINSサーバ(2): "},
        {1, 40, "□ ユーザ名: yamada"},
        {1, 41, "□ パスワード: "},
        {1, 42, "□ ホスト名: soumu-pc01"},
        {1, 43, "□ ドメイン: example.local"},
        {1, 45, "[アプリケーション]"},
        {1, 46, "□ App001 (1.0)"},
        {1, 47, "□ App002"},
        {1, 50, "[プリンター]"},
        {1, 51, "□ Prn1 (LPT1:)"},
        {1, 52, "□ Prn2 ()"},
        {1, 55, "[資産管理]"},
        {1, 56, "□ 購入先: 大塚商会"},
        {1, 57, "□ リース契約番号: L-0001"},
        {1, 58, "□ リース会社: 東京リース"},
        {1, 59, "□ リース開始日: 2005/04/01"},
        {1, 60, "□ リース終了日: 2010/03/31"},
    };
    EXPECT_EQ(printed(false), expected);
    EXPECT_EQ(e->tbx_Dat[3]->text(), "2672-CBJ");  // reloaded on the window too

    // Header and footer, bold italic; the right-aligned texts end at the right edge.
    const std::vector<Printed> frame = {{1, 1, "SOUMU-PC01"}, {1, 1, "1ページ"}, {1, 91, "Vondari"}, {1, 91, today()}};
    EXPECT_EQ(printed(true), frame);
    int rules = 0;
    for (const auto& x : ui::printerLog()) {
        if (x.kind == ui::PrintLogEntry::Kind::Text && x.bold) {
            EXPECT_TRUE(x.italic);
            if (x.text == "1ページ" || x.text == today()) {
                ui::Printer measure;
                measure.setFontName(x.fontName);
                measure.setFontSize(x.fontSize);
                measure.setFontBold(true);
                measure.setFontItalic(true);
                EXPECT_NEAR(x.x + measure.TextWidth(x.text), 180, 1e-9) << x.text.toStdString();
            }
        }
        if (x.kind != ui::PrintLogEntry::Kind::Line) continue;
        ++rules;
        EXPECT_EQ(x.drawWidth, 3);
        EXPECT_DOUBLE_EQ(x.x, 10);
        EXPECT_DOUBLE_EQ(x.x2, 180);
        EXPECT_DOUBLE_EQ(x.y, x.y2);
        EXPECT_TRUE(x.y == 6 || x.y == 273) << x.y;
    }
    EXPECT_EQ(rules, 2);
    expectPdfMatchesLog(kMargin, kMargin);
    EXPECT_EQ(testsupport::pdfPageCount(pdf()), 1);
}

// On a page of 60 rows, lists that reach the page's foot: a list line goes no lower than row 57, a leasing
// line no lower than row 58; after a break applications go on in row 3, printers and leasing lines in
// row 4. A heading that would stand on the footer's row starts a new page.
struct FootCase {
    const char* what;
    int applications;
    int printers;
    std::vector<Printed> body;  // from row 46 of page 1
};
std::ostream& operator<<(std::ostream& os, const FootCase& c) { return os << c.what; }

std::vector<Printed> appLines(int first, int count, int page, int fromRow) {
    std::vector<Printed> out;
    for (int i = 0; i < count; ++i) {
        const int n = first + i;
        out.push_back({page, fromRow + i,
                       QString("□ App%1").arg(n, 3, 10, QChar('0')) + (n == 2 ? "" : QString(" (%1.0)").arg(n))});
    }
    return out;
}
std::vector<Printed> printerLines(int first, int count, int page, int fromRow) {
    std::vector<Printed> out;
    for (int i = 0; i < count; ++i) {
        const int n = first + i;
        out.push_back({page, fromRow + i, QString("□ Prn%1 (%2)").arg(n).arg(n == 2 ? "" : "LPT1:")});
    }
    return out;
}
std::vector<Printed> leasingLines(std::vector<std::pair<int, int>> at) {
    const char* labels[] = {"□ 購入先: 大塚商会", "□ リース契約番号: L-0001", "□ リース会社: 東京リース",
                            "□ リース開始日: 2005/04/01", "□ リース終了日: 2010/03/31"};
    std::vector<Printed> out;
    for (int i = 0; i < 5; ++i) out.push_back({at[std::size_t(i)].first, at[std::size_t(i)].second, labels[i]});
    return out;
}
std::vector<Printed> join(std::initializer_list<std::vector<Printed>> parts) {
    std::vector<Printed> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

std::vector<FootCase> footCases() {
    return {
        {"the application for row 58 goes to row 3 of page 2", 13, 0,
         join({appLines(1, 12, 1, 46),
               appLines(13, 1, 2, 3),
               {{2, 6, "[プリンター]"}, {2, 9, "[資産管理]"}},
               leasingLines({{2, 10}, {2, 11}, {2, 12}, {2, 13}, {2, 14}})})},
        {"a leasing line takes row 58, the next one row 4 of page 2", 6, 0,
         join({appLines(1, 6, 1, 46),
               {{1, 54, "[プリンター]"}, {1, 57, "[資産管理]"}},
               leasingLines({{1, 58}, {2, 4}, {2, 5}, {2, 6}, {2, 7}})})},
        {"a printer heading that would stand on row 60 starts page 2", 12, 1,
         join({appLines(1, 12, 1, 46),
               {{2, 3, "[プリンター]"}},
               printerLines(1, 1, 2, 4),
               {{2, 7, "[資産管理]"}},
               leasingLines({{2, 8}, {2, 9}, {2, 10}, {2, 11}, {2, 12}})})},
        {"a leasing heading that would stand on the footer's row goes to row 5", 8, 0,
         join({appLines(1, 8, 1, 46),
               {{1, 56, "[プリンター]"}, {2, 5, "[資産管理]"}},
               leasingLines({{2, 6}, {2, 7}, {2, 8}, {2, 9}, {2, 10}})})},
        {"no applications: rows 46 and 47 empty; printers go on in row 4", 0, 12,
         join({{{1, 48, "[プリンター]"}},
               printerLines(1, 9, 1, 49),
               printerLines(10, 3, 2, 4),
               {{2, 9, "[資産管理]"}},
               leasingLines({{2, 10}, {2, 11}, {2, 12}, {2, 13}, {2, 14}})})},
    };
}

class PageFootTest : public PrintTest, public ::testing::WithParamInterface<FootCase> {};

TEST_P(PageFootTest, BreaksAtTheFootOfASixtyRowPage) {
    const FootCase& c = GetParam();
    frm_Edit_Computer* e = openSheetPc(c.applications, c.printers);
    ASSERT_NE(e, nullptr);
    sixtyRows();
    print(e);
    EXPECT_EQ(glPrtLinesPerPage, 60);
    EXPECT_EQ(bodyFrom(46), c.body);
    // Only header and footer repeat: on each page the computer name, the page number and the footer.
    for (int page = 1; page <= 2; ++page) {
        const std::vector<Printed> frame = {{page, 1, "SOUMU-PC01"},
                                            {page, 1, QString("%1ページ").arg(page)},
                                            {page, 59, "Vondari"},
                                            {page, 59, today()}};
        std::vector<Printed> got;
        for (const Printed& p : printed(true))
            if (p.page == page) got.push_back(p);
        EXPECT_EQ(got, frame);
    }
    expectPdfMatchesLog(0, 0);
    EXPECT_EQ(testsupport::pdfPageCount(pdf()), 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageFootTest, ::testing::ValuesIn(footCases()));

// A long list spans as many pages as it needs, every page with its header and footer.
TEST_F(PrintTest, LongListSpansPages) {
    frm_Edit_Computer* e = openSheetPc(200, 0);
    sixtyRows();
    print(e);
    // 12 on page 1, 55 on each of pages 2 to 4, the last 23 from row 3 of page 5.
    std::vector<Printed> appsSeen;
    for (const Printed& p : bodyFrom(46))
        if (p.text.startsWith("□ App")) appsSeen.push_back(p);
    ASSERT_EQ(appsSeen.size(), 200u);
    EXPECT_EQ(appsSeen[11], (Printed{1, 57, "□ App012 (12.0)"}));
    EXPECT_EQ(appsSeen[12], (Printed{2, 3, "□ App013 (13.0)"}));
    EXPECT_EQ(appsSeen[67], (Printed{3, 3, "□ App068 (68.0)"}));
    EXPECT_EQ(appsSeen[199], (Printed{5, 25, "□ App200 (200.0)"}));
    for (int page = 1; page <= 5; ++page) {
        int frame = 0;
        for (const Printed& p : printed(true))
            if (p.page == page) ++frame;
        EXPECT_EQ(frame, 4) << page;
    }
    EXPECT_EQ(testsupport::pdfPageCount(pdf()), 5);
}

// A page too short for the fixed part: a row that would reach the footer goes on in row 3 of a new page.
TEST_F(PrintTest, FixedPartOnAShortPage) {
    frm_Edit_Computer* e = openSheetPc(0, 0);
    ui::sharedPrinter().setPageLayout(QPageLayout(QPageSize(QSizeF(210, 90), QPageSize::Millimeter),
                                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                                  QPageLayout::Millimeter));
    print(e);
    ASSERT_EQ(glPrtLinesPerPage, 30);
    for (const Printed& p : printed(false)) {
        EXPECT_GE(p.row, 3) << p;
        EXPECT_LE(p.row, 28) << p;  // never on the footer's row 29
    }
    const auto body = printed(false);
    // Rows 3 to 28 as designed, then row 29's item goes to row 3 of page 2, the empty rows kept.
    EXPECT_EQ(body.front(), (Printed{1, 3, "[ユーザー]"}));
    EXPECT_EQ(std::find(body.begin(), body.end(), Printed{1, 28, "□ サブネットマスク: 255.255.255.0"}) != body.end(),
              true);
    EXPECT_EQ(std::find(body.begin(), body.end(), Printed{2, 3, "□ デフォルトゲートウェイ: 192.168.1.1"}) != body.end(),
              true);
    EXPECT_EQ(std::find(body.begin(), body.end(), Printed{2, 19, "[アプリケーション]"}) != body.end(), true);
    expectPdfMatchesLog(0, 0);
}

// Cancel in the print dialog: nothing reloaded, nothing printed, nothing said.
TEST_F(PrintTest, CancelPrintsNothing) {
    frm_Edit_Computer* e = openSheetPc();
    e->tbx_Dat[0]->setText("EDITED");
    print(e, false);
    EXPECT_EQ(e->tbx_Dat[0]->text(), "EDITED");
    EXPECT_TRUE(ui::printerLog().empty());
    EXPECT_FALSE(QFile::exists(pdf()));
    ASSERT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(ui::script::shown()[0].kind, ui::script::Shown::Kind::Printer);
}

// A print that fails after the dialog gives no sheet and says why: the document is abandoned, then the
// standard error box.
TEST_F(PrintTest, FailedPrintIsAbandonedAndReported) {
    frm_Edit_Computer* e = openSheetPc();
    const struct {
        const char* what;
        std::function<void()> arrange;
        long error;
        bool drewSomething;
    } cases[] = {
        {"the file cannot be written",
         [&] { ui::sharedPrinter().setOutputFileName(m_folder->file("no such folder/sheet.pdf")); }, 482, true},
        {"a line height of 0 mm", [&] { e->tbx_Dat[0]->setFont(QFont("IPAPGothic", 1)); }, 11, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui::clearPrinterLog();
        ui::script::reset();
        c.arrange();
        ui::script::answerPrinter(true);
        ui::script::answerMsgBox(ui::vbOK);  // the error box
        EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Print"));
        settle();
        ASSERT_EQ(stdErrorBoxes(), 1);
        EXPECT_TRUE(ui::script::shown().back().prompt.contains(QString("（エラーコード：%1）").arg(c.error)));
        EXPECT_FALSE(QFile::exists(pdf()));
        EXPECT_FALSE(QFile::exists(m_folder->file("no such folder/sheet.pdf")));
        if (c.drewSomething) {
            ASSERT_FALSE(ui::printerLog().empty());
            EXPECT_EQ(ui::printerLog().back().kind, ui::PrintLogEntry::Kind::KillDoc);
        } else {
            EXPECT_TRUE(ui::printerLog().empty());
        }
        ui::sharedPrinter().setOutputFileName(pdf());
    }
    ui::script::reset();
}

// A loader that fails during the reload shows its own box; the sheet is printed all the same, with what
// the page held.
TEST_F(PrintTest, LoaderBoxDuringTheReloadAndThePrintGoesOn) {
    frm_Edit_Computer* e = openSheetPc(2, 2);
    clickTab(e, 5);
    gCn().setFailHook([](const QString& s) { return s.contains("tbl_Printer_Management"); });
    ui::script::answerPrinter(true);
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Print"));
    settle();
    gCn().setFailHook({});
    EXPECT_EQ(stdErrorBoxes(), 1);
    EXPECT_TRUE(QFile::exists(pdf()));
    EXPECT_EQ(ui::printerLog().back().kind, ui::PrintLogEntry::Kind::EndDoc);
    const auto body = printed(false);
    EXPECT_NE(std::find(body.begin(), body.end(), Printed{1, 46, "□ App001 (1.0)"}), body.end());
    EXPECT_NE(std::find(body.begin(), body.end(), Printed{1, 51, "□ Prn1 (LPT1:)"}), body.end());
    ui::script::reset();
}

TEST_F(PrintTest, PageSetupShowsThePrinterSetUp) {
    frm_Edit_Computer* e = openSheetPc();
    ui::script::answerPrinter(false);
    EXPECT_TRUE(testsupport::triggerAction(e, "Mnu_Pagelayout"));
    ASSERT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(ui::script::shown()[0].kind, ui::script::Shown::Kind::Printer);
    EXPECT_EQ(ui::script::shown()[0].title, "プリンタの設定");
    EXPECT_TRUE(ui::printerLog().empty());
}

// Not part of the suite: prints the sheet of a PC with a long application list for a look by eye, to
// /tmp/vondari-sheet.pdf (or VONDARI_SHEET).
//   test_pc_record_print --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_Sheet
TEST_F(PrintTest, DISABLED_Sheet) {
    const QString path = qEnvironmentVariable("VONDARI_SHEET", "/tmp/vondari-sheet.pdf");
    frm_Edit_Computer* e = openSheetPc(60, 3);
    ui::sharedPrinter().setOutputFileName(path);
    print(e);
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
}  // namespace pcrecordtest
