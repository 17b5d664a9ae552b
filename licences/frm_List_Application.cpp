#include "licences/frm_List_Application.h"

#include <QLabel>
#include <QMenu>
#include <cmath>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Export.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Names.h"
#include "platform/ui/TextBox.h"

namespace {

// Jet names the count Expr1000; it is read by position.
const QString kCountSql = QStringLiteral(
    "SELECT tbl_ApplicationsList.Application_Name, Count(tbl_ApplicationsList.Key) FROM tbl_ApplicationsList "
    ",tbl_Computer_List WHERE (((tbl_Computer_List.Deleted_Flug)=0)) AND (tbl_Computer_List.MainKey = "
    "tbl_ApplicationsList.Key) GROUP BY tbl_ApplicationsList.Application_Name;");

// Every join is an inner one: a PC missing a master row is counted on the left but not listed here.
const QString kInstalledHead = QStringLiteral(
    "SELECT DISTINCT tbl_Pclist.*, tbl_ApplicationsList.Application_Name, tbl_ApplicationsList.Application_Version, "
    "tbl_Location.*, tbl_Section.*, tbl_Division.*, tbl_User.*, tbl_Manufacturer.*, tbl_Model.* FROM tbl_Pclist, "
    "tbl_ApplicationsList, tbl_Computer_List, tbl_Section, tbl_Location, tbl_Division, tbl_User, tbl_Manufacturer, "
    "tbl_Model WHERE ((Application_Name = '");
const QString kInstalledJoins = QStringLiteral(
    "') AND ((tbl_Pclist.MainKey)=([tbl_ApplicationsList].[Key])) AND ((tbl_Pclist.MainKey = "
    "tbl_Computer_List.MainKey)) AND ((tbl_Computer_List.Deleted_Flug = 0)) AND "
    "((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code])) AND "
    "((tbl_User.Section_Code)=([tbl_Section].[Section_Code])) AND "
    "((tbl_User.Division_Code)=([tbl_Division].[Division_Code])) AND "
    "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND "
    "((tbl_Computer_List.Manufacturer_Code)=([tbl_Manufacturer].[Manufacturer_Code])) AND "
    "((tbl_Computer_List.Model_Code)=([tbl_Model].[Model_Code]))");

const QString kLocationSql =
    QStringLiteral("SELECT * FROM tbl_Location WHERE (Available_flug ='0')ORDER BY Location_Code ;");

struct Column {
    const char* caption;
    int width;
};
constexpr Column kAppColumns[3] = {{"", 450}, {"アプリケーション名", 2400}, {"小計", 600}};

// The PC grid's columns 1..6: the field shown and, for a master's name, the flag that greys it.
struct PcColumn {
    const char* caption;
    int width;
    const char* field;
    const char* retiredFlag;
};
constexpr PcColumn kPcColumns[7] = {
    {"", 450, nullptr, nullptr},
    {"コンピュータ名", 1400, "Computer_Name", nullptr},
    {"設置場所", 1400, "Location_Name", "tbl_Location.Available_flug"},
    {"部", 1300, "Section_Name", "tbl_Section.Available_flug"},
    {"課", 1300, "Division_Name", "tbl_Division.Available_flug"},
    {"ユーザ", 1300, "User_Name", "tbl_User.Available_flug"},
    {"バージョン", 1300, "Application_Version", nullptr},
};

void writeHeader(ui::FlexGrid& grid, const QString& caption, int col) {
    grid.setTextMatrix(0, col, caption);
    grid.setCellBackColorAt(0, col, ui::QBColor(8));
    grid.setCellAlignmentAt(0, col, ui::flexAlignCenterBottom);
}

}  // namespace

frm_List_Application::frm_List_Application(QWidget* parent) : ui::Form(QStringLiteral("frm_List_Application"), parent) {
    setCaption(QStringLiteral("アプリケーション一覧"));

    tbx_ApplicationName = place(new ui::TextBox, QStringLiteral("tbx_ApplicationName"), 120, 120, 4395, 300);
    tbx_ApplicationNum = place(new ui::TextBox, QStringLiteral("tbx_ApplicationNum"), 4560, 120, 540, 270);
    Label2 = place(new QLabel(QStringLiteral("件")), QStringLiteral("Label2"), 5160, 150, 375, 255);
    Label1 = place(new QLabel(QStringLiteral("設置場所")), QStringLiteral("Label1"), 5640, 150, 1095, 255);
    cmb_Location = place(new ui::DropDownCombo, QStringLiteral("cmb_Location"), 6480, 120, 2475, 300);
    tbx_Location = place(new ui::TextBox, QStringLiteral("tbx_Location"), 9000, 120, 495, 270);
    tbx_Location->setEnabled(false);
    tbx_Location->setVisible(false);

    // Placed at load, from the window's size.
    MSFlexGrid_Applications = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_Applications"), 100, 450, 2000, 2000);
    MSFlexGrid_User = place(new ui::FlexGrid, QStringLiteral("MSFlexGrid_User"), 2200, 450, 4000, 2000);
    for (ui::FlexGrid* grid : {MSFlexGrid_Applications, MSFlexGrid_User}) {
        grid->setFont(ui::vbFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
        grid->setRows(2);
        grid->setCols(2);
        grid->setFixedRows(1);
        grid->setFixedCols(1);
    }

    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル") + ui::kIdeo.repeated(6));
    Mnu_Export_CSV =
        addItem(Mnu_File, QStringLiteral("Mnu_Export_CSV"), QStringLiteral("書き出し") + ui::kIdeo.repeated(3));
    sepalate01 = addSeparator(Mnu_File, QStringLiteral("sepalate01"));
    Mnu_Close =
        addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる"), QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_View = addMenu(QStringLiteral("Mnu_View"), QStringLiteral("表示") + ui::kIdeo.repeated(8));
    Mnu_ViewUpdate =
        addItem(Mnu_View, QStringLiteral("Mnu_ViewUpdate"), QStringLiteral("一覧更新") + ui::kIdeo.repeated(3));

    ui::bind(Mnu_Export_CSV, &QAction::triggered, this, &frm_List_Application::Mnu_Export_CSV_Click);
    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_List_Application::Mnu_Close_Click);
    ui::bind(Mnu_ViewUpdate, &QAction::triggered, this, &frm_List_Application::Mnu_ViewUpdate_Click);
    ui::bind(MSFlexGrid_Applications, &ui::FlexGrid::Click, this, &frm_List_Application::MSFlexGrid_Applications_Click);
    ui::bind(MSFlexGrid_User, &ui::FlexGrid::Click, this, &frm_List_Application::MSFlexGrid_User_Click);
    ui::bind(cmb_Location, &ui::DropDownCombo::DropDown, this, &frm_List_Application::cmb_Location_DropDown);
    ui::bind(cmb_Location, &ui::DropDownCombo::Click, this, &frm_List_Application::cmb_Location_Click);
}

frm_List_Application::~frm_List_Application() = default;

void frm_List_Application::Form_Load() {
    // As the four values stand: the main menu does not refresh them before this window opens.
    setWidth(gFormWidth);
    setHeight(gFormHeight);
    setTop(gFormTop);
    setLeft(gFormLeft);
    placeGrids(gFormWidth, gFormHeight);
    AppListLoaded = fnc_View_ApplicationCount();
    tbx_ApplicationName->setText(QString());
    tbx_ApplicationNum->setText(QString());
}

void frm_List_Application::Form_Resize() { placeGrids(Width(), Height()); }

// 30 to 70 below the row of boxes; a grid whose size would not be positive stays where it was.
void frm_List_Application::placeGrids(qint32 width, qint32 height) {
    const qint64 gridHeight = qint64(height) - 1200;
    const qint64 appWidth = qint64(std::floor(double(width) * 0.3)) - 500;
    const qint64 pcWidth = qint64(std::floor(double(width) * 0.7));
    if (appWidth >= 1 && gridHeight >= 1)
        MSFlexGrid_Applications->setGeometry(ui::px(100), ui::px(450), ui::px(int(appWidth)), ui::px(int(gridHeight)));
    if (pcWidth >= 1 && gridHeight >= 1)
        MSFlexGrid_User->setGeometry(ui::px(int(appWidth + 200)), ui::px(450), ui::px(int(pcWidth)),
                                     ui::px(int(gridHeight)));
}

bool frm_List_Application::fnc_View_ApplicationCount() {
    ui::FlexGrid& grid = *MSFlexGrid_Applications;
    ado::Recordset rs;
    try {
        rs.Open(kCountSql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() < 1) {
            rs.Close();
            return false;
        }

        ui::FrozenWhileFilled frozen(grid);
        grid.setCols(3);
        grid.setRows(rs.RecordCount() + 1);
        for (int c = 0; c < 3; ++c) {
            grid.setColWidth(c, kAppColumns[c].width);
            writeHeader(grid, QString::fromUtf8(kAppColumns[c].caption), c);
        }
        // The running number is 16-bit, as the list always had: 32,767 names and more overflow.
        qint16 i = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            grid.setTextMatrix(i, 0, QString::number(i));
            grid.setCellBackColorAt(i, 0, ui::QBColor(8));
            grid.setTextMatrix(i, 1, rs.Fields(0).valueOnRow().toTextOrEmpty());
            grid.setCellBackColorAt(i, 1, ui::QBColor(15));
            grid.setTextMatrix(i, 2, rs.Fields(1).valueOnRow().toTextOrEmpty());
            grid.setCellBackColorAt(i, 2, ui::QBColor(15));
            grid.setCellAlignmentAt(i, 2, ui::flexAlignLeftBottom);
            // The cells were written through the current cell: it rests on the last one.
            grid.setRow(i);
            grid.setCol(2);
            i = vb::addInt16(i, 1);
        }
        AppPrevRow = 1;
        AppCurRow = 1;
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
        return false;
    }
}

bool frm_List_Application::fnc_View_InstalledPC(qint16 LocationCode) {
    if (SelAppName.isEmpty()) return false;
    ui::FlexGrid& grid = *MSFlexGrid_User;
    ado::Recordset rs;
    try {
        QString sql = kInstalledHead + vb::sqlQuote(SelAppName) + kInstalledJoins;
        if (LocationCode > 0)
            sql += QStringLiteral(" AND (tbl_Computer_List.Location_Code= ") + QString::number(LocationCode) +
                   QStringLiteral(")");
        sql += QStringLiteral(")ORDER BY Computer_Name;");
        rs.Open(sql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (rs.RecordCount() < 1) {
            rs.Close();
            // No PC of another choice may stand under this one's name or go into its export.
            emptyGrid(grid);
            return false;
        }

        ui::FrozenWhileFilled frozen(grid);
        grid.Clear();
        grid.setCols(7);
        grid.setRows(rs.RecordCount() + 1);
        for (int c = 0; c < 7; ++c) {
            grid.setColWidth(c, kPcColumns[c].width);
            writeHeader(grid, QString::fromUtf8(kPcColumns[c].caption), c);
        }
        int i = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext(), ++i) {
            grid.setTextMatrix(i, 0, QString::number(i));
            grid.setCellBackColorAt(i, 0, ui::QBColor(8));
            grid.setCellAlignmentAt(i, 0, ui::flexAlignLeftBottom);
            for (int c = 1; c < 7; ++c) {
                const PcColumn& column = kPcColumns[c];
                grid.setCellBackColorAt(i, c, ui::QBColor(15));
                grid.setCellAlignmentAt(i, c, ui::flexAlignLeftBottom);
                const QString text = rs.Fields(QString::fromUtf8(column.field)).valueOnRow().toTextOrEmpty();
                if (text.isEmpty()) continue;
                grid.setTextMatrix(i, c, text);
                if (column.retiredFlag &&
                    rs.Fields(QString::fromUtf8(column.retiredFlag)).valueOnRow().toTextOrEmpty() ==
                        QStringLiteral("1"))
                    grid.setCellBackColorAt(i, c, ui::QBColor(8));
            }
            grid.setRow(i);
            grid.setCol(6);
        }
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        rs.Close();
        return false;
    }
}

void frm_List_Application::emptyGrid(ui::FlexGrid& grid) {
    grid.setRows(0);
    grid.setCols(0);
}

// Columns 1 to the last; column 0 keeps its grey.
void frm_List_Application::fnc_Set_RowColor_App(qint16 row, qint16 colourIndex) {
    MSFlexGrid_Applications->paintRow(row, ui::QBColor(colourIndex),
                                      {.firstCol = 1, .hold = ui::FlexGrid::RowPaint::Hold::Hide});
}

void frm_List_Application::fnc_Set_RowColor_User(qint16 row, qint16 colourIndex) {
    MSFlexGrid_User->paintRow(row, ui::QBColor(colourIndex),
                              {.firstCol = 1, .hold = ui::FlexGrid::RowPaint::Hold::Hide});
}

qint16 frm_List_Application::chosenLocation() const {
    const QString code = tbx_Location->text();
    return code.isEmpty() ? qint16(0) : vb::CInt(code);
}

void frm_List_Application::MSFlexGrid_Applications_Click() {
    ui::guarded([&] {
        ui::FlexGrid& grid = *MSFlexGrid_Applications;
        const int row = grid.Row();
        if (!AppListLoaded || row == 0) return;

        SelAppName = grid.TextMatrix(row, 1);
        SelAppCount = grid.TextMatrix(row, 2);
        AppCurRow = qint16(row);
        fnc_Set_RowColor_App(AppPrevRow, 15);
        fnc_Set_RowColor_App(AppCurRow, 8);
        AppPrevRow = AppCurRow;
        tbx_ApplicationName->setText(SelAppName);
        tbx_ApplicationNum->setText(SelAppCount);
        // A group without a name lists nobody: the PCs of the application chosen before must not stand
        // beside this group's count or go into its export.
        if (SelAppName.isEmpty())
            emptyGrid(*MSFlexGrid_User);
        else
            (void)fnc_View_InstalledPC(chosenLocation());
        UserListLoaded = true;
        UserPrevRow = 1;
        UserCurRow = 1;
    });
}

void frm_List_Application::MSFlexGrid_User_Click() {
    ui::guarded([&] {
        const int row = MSFlexGrid_User->Row();
        if (!UserListLoaded || row == 0) return;
        UserCurRow = qint16(row);
        fnc_Set_RowColor_User(UserPrevRow, 15);
        fnc_Set_RowColor_User(UserCurRow, 8);
        UserPrevRow = UserCurRow;
    });
}

// In-use locations only; there is no item for all locations.
void frm_List_Application::cmb_Location_DropDown() {
    ui::guarded([&] {
        cmb_Location->refill([&] {
            ado::Recordset rs;
            rs.Open(kLocationSql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
            for (; !rs.EOF(); rs.MoveNext()) {
                const ado::Value name = rs.Fields(QStringLiteral("Location_Name")).value();
                if (name.isNull())
                    cmb_Location->addListItem(QString(), 0);
                else
                    cmb_Location->addListItem(name.toText(),
                                              rs.Fields(QStringLiteral("Location_Code")).value().toInt32());
            }
            rs.Close();
        });
    });
}

// The application grid's selection is left as it stands.
void frm_List_Application::cmb_Location_Click() {
    ui::guarded([&] {
        const int index = cmb_Location->currentIndex();
        if (index < 0) return;
        tbx_Location->setText(QString::number(cmb_Location->itemData(index).toInt()));
        const qint16 code = chosenLocation();
        UserPrevRow = 1;
        UserCurRow = 1;
        (void)fnc_View_InstalledPC(code);
    });
}

// Counts are not read again: only reopening the window recounts.
void frm_List_Application::Mnu_ViewUpdate_Click() {
    ui::guarded([&] {
        tbx_ApplicationName->setText(QString());
        tbx_ApplicationNum->setText(QString());
        tbx_Location->setText(QString());
        cmb_Location->setEditText(QString());
        MSFlexGrid_Applications_Click();
    });
}

void frm_List_Application::Mnu_Export_CSV_Click() {
    ui::guarded([&] {
        GridExportLayout layout;
        layout.firstLine = tbx_ApplicationName->text();  // as the box holds it, typed text included
        (void)fnc_Export_Grid(*MSFlexGrid_User, CommonDialog1, this, layout);
    });
}

void frm_List_Application::Mnu_Close_Click() {
    ui::guarded([&] { fnc_Form_Close(); });
}
// Every way of closing unloads without a question; the close in progress is that unload.
bool frm_List_Application::Form_QueryUnload(int) { return false; }
void frm_List_Application::fnc_Form_Close() { Unload(); }
