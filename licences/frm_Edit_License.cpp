#include "licences/frm_Edit_License.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <utility>
#include <vector>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_Sub.h"
#include "core/Mdl_gData.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/Events.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextBox.h"

namespace {

// The grid's place and how much of the window it leaves to the left panel and the filter row.
constexpr int kGridLeft = 4680;
constexpr int kGridTop = 720;
constexpr int kWidthLeft = 4880;
constexpr int kHeightLeft = 1550;

const QString kPcQuery = QStringLiteral(
    "SELECT tbl_Pclist.*, tbl_Computer_List.*, tbl_Location.Location_Name, tbl_User.User_Name FROM "
    "tbl_Computer_List, tbl_Pclist, tbl_Location, tbl_User  WHERE ((tbl_Computer_List.Deleted_Flug = 0) AND "
    "((tbl_Computer_List.Location_Code)=([tbl_Location].[Location_Code])) AND "
    "((tbl_Computer_List.User_Code)=([tbl_User].[User_Code])) AND (tbl_Pclist.MainKey = "
    "tbl_Computer_List.MainKey)) ORDER BY Computer_Name ;");

using ComboItems = std::vector<std::pair<QString, int>>;

// The combo's list replaced by the items; its text stays.
void refillCombo(ui::DropDownCombo* box, const ComboItems& items) {
    box->refill([&] {
        for (const auto& [text, data] : items) box->addListItem(text, data);
    });
}

// A combo's items from a table: the blank item, then each row's name and code (a Null name gives an empty
// item of code 0), in the query's order.
ComboItems readComboItems(const QString& sql, const QString& nameField, const QString& codeField) {
    ComboItems items{{QStringLiteral(" "), 0}};
    ado::Recordset rs;
    rs.Open(sql, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
    for (; !rs.EOF(); rs.MoveNext()) {
        const ado::Value name = rs.Fields(nameField).value();
        if (name.isNull())
            items.emplace_back(QString(), 0);
        else
            items.emplace_back(name.toText(), rs.Fields(codeField).value().toInt32());
    }
    rs.Close();
    return items;
}

QString textOrBlank(const ado::Value& v) { return v.isNull() ? QStringLiteral(" ") : v.toText(); }

}  // namespace

frm_Edit_License::frm_Edit_License(QWidget* parent) : ui::Form(QStringLiteral("frm_Edit_License"), parent) {
    setCaption(QStringLiteral("ライセンス管理"));
    setClientSize(11295, 9105);
    // The pick lists pad with blanks: they need the fixed-pitch face, full-width characters two cells wide.
    const QFont listFont = ui::vbFont(QStringLiteral("ＭＳ ゴシック"), 9);

    auto label = [this](const QString& name, const QString& caption, int left, int top, int width, int height) {
        return place(new QLabel(caption), name, left, top, width, height);
    };
    auto box = [this, &listFont](const QString& name, int left, int top, int width, int height) {
        ui::TextBox* b = place(new ui::TextBox, name, left, top, width, height);
        b->setFont(listFont);
        return b;
    };
    auto combo = [this, &listFont](const QString& name, int left, int top, int width, int height) {
        ui::DropDownCombo* c = place(new ui::DropDownCombo, name, left, top, width, height);
        c->setFont(listFont);
        return c;
    };

    label(QStringLiteral("lbl_License"), QStringLiteral("ライセンス"), 240, 120, 1575, 255);
    List_license = place(new ui::ListBox, QStringLiteral("List_license"), 120, 360, 4450, 2040);
    List_license->setFont(listFont);
    tbx_LicenseKey = box(QStringLiteral("tbx_LicenseKey"), 120, 2450, 400, 270);
    tbx_LicenseName = box(QStringLiteral("tbx_LicenseName"), 600, 2450, 4000, 270);
    label(QStringLiteral("lbl_ComputerName"), QStringLiteral("コンピュータ名"), 240, 2820, 1935, 375);
    List_ComuputerName = place(new ui::ListBox, QStringLiteral("List_ComuputerName"), 120, 3120, 4450, 2220);
    List_ComuputerName->setFont(listFont);
    tbx_ComputerKey = box(QStringLiteral("tbx_ComputerKey"), 120, 5400, 400, 270);
    tbx_ComputerName = box(QStringLiteral("tbx_ComputerName"), 600, 5400, 4000, 270);

    label(QStringLiteral("lbl_ProductID"), QStringLiteral("プロダクトID"), 120, 5925, 1215, 255);
    tbx_ProductID = box(QStringLiteral("tbx_ProductID"), 1320, 5880, 3300, 300);
    label(QStringLiteral("lbl_Licence_No"), QStringLiteral("ライセンス番号"), 120, 6285, 1215, 255);
    tbx_Licence_No = box(QStringLiteral("tbx_Licence_No"), 1320, 6240, 3300, 300);
    // The column's widest caption: drawn 8 % narrower, it stands at the column's Left and 3 px clear of
    // its box.
    ui::narrowText(label(QStringLiteral("lbl_Install_Key"), QStringLiteral("インストールKey"), 120, 6645, 1215, 255),
                   92);
    tbx_Install_Key = box(QStringLiteral("tbx_Install_Key"), 1320, 6600, 3300, 300);
    QFont bold = listFont;
    bold.setBold(true);
    tbx_Install_Key->setFont(bold);
    label(QStringLiteral("lbl_Payment_Type"), QStringLiteral("購入形態"), 120, 7005, 1215, 255);
    cmb_Payment_Type = combo(QStringLiteral("cmb_Payment_Type"), 1320, 6960, 2000, 300);
    label(QStringLiteral("lbl_AssetType"), QStringLiteral("ライセンス形態"), 120, 7365, 1215, 255);
    cmb_AssetType = combo(QStringLiteral("cmb_AssetType"), 1320, 7320, 2000, 300);
    label(QStringLiteral("lbl_Purchase_Price"), QStringLiteral("単価"), 120, 7725, 1215, 255);
    tbx_Purchase_Price = box(QStringLiteral("tbx_Purchase_Price"), 1320, 7680, 2000, 300);
    label(QStringLiteral("lbl_Comment"), QStringLiteral("コメント"), 120, 8085, 1215, 255);
    tbx_Comment = place(new ui::MultiLineTextBox, QStringLiteral("tbx_Comment"), 1320, 8040, 3300, 780);
    tbx_Comment->setFont(listFont);

    label(QStringLiteral("lbl_Application"), QStringLiteral("アプリケーション名"), 4680, 120, 2500, 255);
    cmb_Application = combo(QStringLiteral("cmb_Application"), 4680, 360, 2500, 300);
    tbx_Application = place(new QLineEdit, QStringLiteral("tbx_Application"), 7320, 360, 400, 270);
    tbx_Application->setVisible(false);
    label(QStringLiteral("lbl_Location"), QStringLiteral("設置場所"), 8160, 120, 2500, 255);
    cmb_Location = combo(QStringLiteral("cmb_Location"), 8160, 360, 2500, 300);
    tbx_Location = place(new QLineEdit, QStringLiteral("tbx_Location"), 10680, 360, 400, 270);
    tbx_Location->setVisible(false);

    FGrid_EditLicense = place(new ui::FlexGrid, QStringLiteral("FGrid_EditLicense"), kGridLeft, kGridTop,
                              11295 - kGridLeft - 120, 9105 - kGridTop - 150);
    FGrid_EditLicense->setFont(listFont);
    FGrid_EditLicense->setRows(2);
    FGrid_EditLicense->setCols(2);

    QWidget* order[] = {List_license,       tbx_LicenseKey,  tbx_LicenseName,    FGrid_EditLicense,
                        List_ComuputerName, tbx_ComputerKey, tbx_ComputerName,   cmb_Application,
                        tbx_ProductID,      tbx_Licence_No,  tbx_Install_Key,    cmb_Location,
                        cmb_Payment_Type,   cmb_AssetType,   tbx_Purchase_Price, tbx_Comment};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル"));
    Mnu_Export = addItem(Mnu_File, QStringLiteral("Mnu_Export"), QStringLiteral("書き出し"));
    addSeparator(Mnu_File);
    Mnu_Close =
        addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる"), QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("編集"));
    Mnu_AddRecord = addItem(Mnu_Edit, QStringLiteral("Mnu_AddRecord"), QStringLiteral("新規"));
    addSeparator(Mnu_Edit);
    Mnu_Update = addItem(Mnu_Edit, QStringLiteral("Mnu_Update"), QStringLiteral("更新"));
    Mnu_DeleteRecord = addItem(Mnu_Edit, QStringLiteral("Mnu_DeleteRecord"), QStringLiteral("削除"));
    Mnu_View = addMenu(QStringLiteral("Mnu_View"), QStringLiteral("表示"));
    View_MSFlexGrid_License_assignment_Update =
        addItem(Mnu_View, QStringLiteral("View_MSFlexGrid_License_assignment_Update"), QStringLiteral("一覧更新"));
    Mnu_Managements = addMenu(QStringLiteral("Mnu_Managements"), QStringLiteral("管理"));
    Add_ApplicationName =
        addItem(Mnu_Managements, QStringLiteral("Add_ApplicationName"), QStringLiteral("アプリケーションの登録"));

    ui::bind(Mnu_Export, &QAction::triggered, this, &frm_Edit_License::Mnu_Export_Click);
    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_Edit_License::Mnu_Close_Click);
    ui::bind(Mnu_AddRecord, &QAction::triggered, this, &frm_Edit_License::Mnu_AddRecord_Click);
    ui::bind(Mnu_Update, &QAction::triggered, this, &frm_Edit_License::Mnu_Update_Click);
    ui::bind(Mnu_DeleteRecord, &QAction::triggered, this, &frm_Edit_License::Mnu_DeleteRecord_Click);
    ui::bind(View_MSFlexGrid_License_assignment_Update, &QAction::triggered, this,
             &frm_Edit_License::View_MSFlexGrid_License_assignment_Update_Click);
    ui::bind(Add_ApplicationName, &QAction::triggered, this, &frm_Edit_License::Add_ApplicationName_Click);
    ui::bind(FGrid_EditLicense, &ui::FlexGrid::Click, this, &frm_Edit_License::FGrid_EditLicense_Click);
    ui::bind(List_license, &ui::ListBox::Click, this, &frm_Edit_License::List_license_Click);
    ui::bind(List_ComuputerName, &ui::ListBox::Click, this, &frm_Edit_License::List_ComuputerName_Click);
    ui::bind(cmb_Application, &ui::DropDownCombo::DropDown, this, &frm_Edit_License::cmb_Application_DropDown);
    ui::bind(cmb_Application, &ui::DropDownCombo::Click, this, &frm_Edit_License::cmb_Application_Click);
    ui::bind(cmb_Location, &ui::DropDownCombo::DropDown, this, &frm_Edit_License::cmb_Location_DropDown);
    ui::bind(cmb_Location, &ui::DropDownCombo::Click, this, &frm_Edit_License::cmb_Location_Click);
    ui::bind(cmb_Payment_Type, &ui::DropDownCombo::DropDown, this, &frm_Edit_License::cmb_Payment_Type_DropDown);
    ui::bind(cmb_AssetType, &ui::DropDownCombo::DropDown, this, &frm_Edit_License::cmb_AssetType_DropDown);
    ui::bind(tbx_LicenseKey, &QLineEdit::textEdited, this, [this] { m_LicenceKeyRead.reset(); });
    ui::bind(tbx_ComputerKey, &QLineEdit::textEdited, this, [this] { m_ComputerKeyRead.reset(); });
}

frm_Edit_License::~frm_Edit_License() = default;

// ---- opening, size, closing ---------------------------------------------------------------------

void frm_Edit_License::Form_Load() {
    setWidth(gFormWidth);
    setHeight(gFormHeight);
    setTop(gFormTop);
    setLeft(gFormLeft);
    placeGrid(gFormWidth, gFormHeight);

    fnc_Reset_SelectRow();
    fnc_Clear_Form();
    (void)View_ApplicatinList();
    (void)fnc_View_ComputerList();
    (void)fnc_View_LicenseList();
    setRecordCommands(false, false, false);
}

// The grid keeps its place; each side follows the window only while the window leaves it room.
void frm_Edit_License::placeGrid(qint32 width, qint32 height) {
    ui::FlexGrid& grid = *FGrid_EditLicense;
    QRect g = grid.geometry();
    g.moveTopLeft(QPoint(ui::px(kGridLeft), ui::px(kGridTop)));
    if (width - kWidthLeft > 0) g.setWidth(ui::px(width - kWidthLeft));
    if (height - kHeightLeft > 0) g.setHeight(ui::px(height - kHeightLeft));
    grid.setGeometry(g);
}

void frm_Edit_License::Form_Resize() {
    if (isMinimized()) return;
    placeGrid(Width(), Height());
}

bool frm_Edit_License::Form_QueryUnload(int) {
    // Whatever closes the window, nothing is asked or kept.
    return false;
}

void frm_Edit_License::fnc_Form_Close() { Unload(); }

void frm_Edit_License::Mnu_Close_Click() {
    ui::guarded([&] { fnc_Form_Close(); });
}

void frm_Edit_License::setRecordCommands(bool add, bool update, bool remove) {
    Mnu_AddRecord->setEnabled(add);
    Mnu_Update->setEnabled(update);
    Mnu_DeleteRecord->setEnabled(remove);
}

// ---- pick lists ---------------------------------------------------------------------------------

bool frm_Edit_License::View_ApplicatinList() {
    const quint64 mark = deletionMark();
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("SELECT tbl_License_Key.Key, tbl_License_Key.Application_Name, tbl_License_Key.Unit_Num "
                               "FROM tbl_License_Key ORDER BY Application_Name;"),
                gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        List_license->Clear();
        m_LicenceListMark = mark;
        if (rs.RecordCount() < 1) {
            // An emptied stock leaves no line of the last fill behind.
            rs.Close();
            return false;
        }
        const ado::Field& key = rs.Fields(QStringLiteral("Key"));
        const ado::Field& name = rs.Fields(QStringLiteral("Application_Name"));
        const ado::Field& units = rs.Fields(QStringLiteral("Unit_Num"));
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            if (name.value().isNull() || name.value().toText().isEmpty()) continue;
            const QString text = name.value().toText();
            // The list font is fixed pitch with full-width characters two cells wide: padding to 35 CP932
            // bytes puts every count in one column.
            const int n = fnc_LenB_Ansi(text);
            const int pad = n < 35 ? 35 - n : 0;
            List_license->AddItem(
                text + QString(pad, QLatin1Char(' ')) + QStringLiteral(" 数量") + units.value().toTextOrEmpty(),
                key.value().toInt32());
        }
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        if (rs.State() == ado::adStateOpen) rs.Close();
        return false;
    }
}

bool frm_Edit_License::fnc_View_ComputerList() {
    const quint64 mark = deletionMark();
    ado::Recordset rs;
    try {
        rs.Open(kPcQuery, gCn(), ado::adOpenStatic, ado::adLockOptimistic);
        List_ComuputerName->Clear();
        m_ComputerListMark = mark;
        if (rs.RecordCount() < 1) {
            rs.Close();
            return false;
        }
        const ado::Field& pcKey = rs.Fields(QStringLiteral("tbl_Pclist.MainKey"));
        const ado::Field& listKey = rs.Fields(QStringLiteral("tbl_Computer_List.MainKey"));
        const ado::Field& name = rs.Fields(QStringLiteral("Computer_Name"));
        const ado::Field& location = rs.Fields(QStringLiteral("Location_Name"));
        const ado::Field& user = rs.Fields(QStringLiteral("User_Name"));
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            // The reserved "none" PC is never listed.
            if (pcKey.value().isNull() || pcKey.value().toDouble() <= 0) continue;
            const QString computer = textOrBlank(name.value());
            const int pad = std::max(0, 17 - int(computer.size()));
            List_ComuputerName->AddItem(computer + QString(pad, QLatin1Char(' ')) + textOrBlank(location.value()) +
                                            QStringLiteral(" ") + textOrBlank(user.value()),
                                        listKey.value().toInt32());
        }
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
        if (rs.State() == ado::adStateOpen) rs.Close();
        return false;
    }
}

// The picked line and its key into the two boxes; with a licence and a PC both chosen, New is offered.
bool frm_Edit_License::takeListPick(ui::ListBox* list, ui::TextBox* nameBox, ui::TextBox* keyBox) {
    const int i = list->ListIndex();
    if (i < 0) return false;
    nameBox->setText(list->List(i));
    keyBox->setText(QString::number(list->ItemData(i)));
    if (!tbx_LicenseKey->text().isEmpty() && !tbx_ComputerKey->text().isEmpty()) setRecordCommands(true, false, false);
    return true;
}

void frm_Edit_License::List_license_Click() {
    ui::guarded([&] {
        if (takeListPick(List_license, tbx_LicenseName, tbx_LicenseKey))
            noteKeyRead(m_LicenceKeyRead, tbx_LicenseKey, m_LicenceListMark);
    });
}

void frm_Edit_License::List_ComuputerName_Click() {
    ui::guarded([&] {
        if (takeListPick(List_ComuputerName, tbx_ComputerName, tbx_ComputerKey))
            noteKeyRead(m_ComputerKeyRead, tbx_ComputerKey, m_ComputerListMark);
    });
}

// ---- combos -------------------------------------------------------------------------------------
// Each list is read whole before the combo is touched, so a failing query leaves the combo as it was.

void frm_Edit_License::cmb_Application_DropDown() {
    ui::guarded([&] {
        refillCombo(cmb_Application,
                    readComboItems(QStringLiteral("SELECT * FROM tbl_License_Key ORDER BY Application_Name;"),
                                   QStringLiteral("Application_Name"), QStringLiteral("Key")));
    });
}

void frm_Edit_License::cmb_Location_DropDown() {
    ui::guarded([&] {
        // Retired places and the reserved row 0 are offered too; choosing row 0 filters nothing.
        refillCombo(cmb_Location, readComboItems(QStringLiteral("SELECT * FROM tbl_Location ORDER BY Location_Code; "),
                                                 QStringLiteral("Location_Name"), QStringLiteral("Location_Code")));
    });
}

void frm_Edit_License::cmb_Payment_Type_DropDown() {
    ui::guarded([&] {
        refillCombo(cmb_Payment_Type,
                    {{QStringLiteral(" "), 0}, {QStringLiteral("リース"), 1}, {QStringLiteral("現金"), 2}});
    });
}

void frm_Edit_License::cmb_AssetType_DropDown() {
    ui::guarded([&] {
        refillCombo(cmb_AssetType, {{QStringLiteral(" "), 0},
                                    {QStringLiteral("パッケージ FPP"), 1},
                                    {QStringLiteral("パッケージ PIPC"), 2},
                                    {QStringLiteral("License"), 3}});
    });
}

// The picked filter's code into its hidden box, the selection and the two type combos cleared, the grid
// refilled.
void frm_Edit_License::takeFilterPick(ui::DropDownCombo* filter, QLineEdit* codeBox) {
    const int i = filter->currentIndex();
    codeBox->setText(QString::number(i >= 0 ? filter->itemData(i).toInt() : 0));
    fnc_Reset_SelectRow();
    cmb_AssetType->setText(QString());
    cmb_Payment_Type->setText(QString());
    (void)fnc_View_LicenseList();
}

void frm_Edit_License::cmb_Application_Click() {
    ui::guarded([&] { takeFilterPick(cmb_Application, tbx_Application); });
}

void frm_Edit_License::cmb_Location_Click() {
    ui::guarded([&] { takeFilterPick(cmb_Location, tbx_Location); });
}

// ---- selection ----------------------------------------------------------------------------------

QString frm_Edit_License::fnc_Get_LicenseDatValue(qint16 Key, const QString& FieldName) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT ") + FieldName + QStringLiteral(" FROM tbl_License_Dat WHERE Key  = ") +
                QString::number(Key),
            gCn(), ado::adOpenStatic, ado::adLockOptimistic);
    QString value;
    if (rs.RecordCount() > 0) value = rs.Fields(0).value().toTextOrEmpty();
    rs.Close();
    return value;
}

void frm_Edit_License::FGrid_EditLicense_Click() {
    ui::guarded([&] {
        ui::FlexGrid& grid = *FGrid_EditLicense;
        if (!ListLoaded || grid.Row() == 0) return;
        const qint16 row = qint16(grid.Row());

        // Everything is read before anything changes: a failing lookup leaves the window as it was.
        const qint16 key = vb::CInt(grid.TextMatrix(row, 0));
        const quint64 mark = deletionMark();
        const QString licenceKey = fnc_Get_LicenseDatValue(key, QStringLiteral("Application_Code"));
        const QString computerKey = fnc_Get_LicenseDatValue(key, QStringLiteral("Computer_Code"));
        auto cell = [&](int col) { return grid.TextMatrix(row, col); };
        const QString licenceName = cell(2), computerName = cell(3), productId = cell(4), licenceNo = cell(5),
                      installKey = cell(6), payment = cell(7), asset = cell(8), price = cell(13), comment = cell(14);

        // Hidden while the boxes fill and both rows repaint: drawn once, when shown again.
        grid.setRedraw(false);
        CurRow = row;
        tbx_LicenseName->setText(licenceName);
        if (!licenceKey.isEmpty()) {
            tbx_LicenseKey->setText(licenceKey);
            noteKeyRead(m_LicenceKeyRead, tbx_LicenseKey, mark);
        }
        tbx_ComputerName->setText(computerName);
        if (!computerKey.isEmpty()) {
            tbx_ComputerKey->setText(computerKey);
            noteKeyRead(m_ComputerKeyRead, tbx_ComputerKey, mark);
        }
        tbx_ProductID->setText(productId);
        tbx_Licence_No->setText(licenceNo);
        tbx_Install_Key->setText(installKey);
        cmb_Payment_Type->setText(payment);
        cmb_AssetType->setText(asset);
        tbx_Purchase_Price->setText(price);
        tbx_Comment->setText(comment);
        fnc_Set_RowColor(PrevRow, 15);
        fnc_Set_RowColor(CurRow, 8);
        PrevRow = CurRow;
        grid.setRedraw(true);
        grid.setVisible(true);
        setRecordCommands(false, true, true);
    });
}

// Columns 0 (the hidden key) and 1 (the grey row numbers) keep their colours.
void frm_Edit_License::fnc_Set_RowColor(qint16 Row, qint16 ColorIndex) {
    FGrid_EditLicense->paintRow(Row, ui::QBColor(ColorIndex), {.firstCol = 2, .throughCurrentCell = true});
}

void frm_Edit_License::fnc_Reset_SelectRow() {
    PrevRow = 1;
    CurRow = 0;
    fnc_Set_RowColor(PrevRow, 15);
}

void frm_Edit_License::fnc_Clear_Form() {
    for (ui::TextBox* b : {tbx_LicenseKey, tbx_LicenseName, tbx_ComputerKey, tbx_ComputerName, tbx_ProductID,
                           tbx_Licence_No, tbx_Install_Key})
        b->setText(QString());
    tbx_Comment->setText(QString());
    tbx_Purchase_Price->setText(QString());
}

// ---- refresh and the stock window ---------------------------------------------------------------

void frm_Edit_License::View_MSFlexGrid_License_assignment_Update_Click() {
    ui::guarded([&] {
        fnc_Reset_SelectRow();
        fnc_Clear_Form();
        setRecordCommands(false, false, false);
        (void)fnc_View_LicenseList();
        (void)View_ApplicatinList();
        (void)fnc_View_ComputerList();
    });
}

void frm_Edit_License::Add_ApplicationName_Click() {
    ui::guarded([] { ui::showForm(QStringLiteral("frm_Add_License"), ui::vbModal); });
}
