// The main window's PC list: the fill with its formatting, the row highlight, the selection by click
// and the hand-over of the selected PC by double click.
#include <QAction>
#include <array>
#include <variant>
#include <vector>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "core/frm_Main.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Colors.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"

namespace {

constexpr int kGrey = 8;
constexpr int kWhite = 15;
constexpr int kRowNumberWidth = 500;
constexpr int kColumnWidth = 1500;
// gRowMainKey holds rows 1 to 2560; a longer list stops with the standard error box.
constexpr int kMaxRows = int(std::tuple_size_v<decltype(gRowMainKey)>) - 1;

// The master names that are shown on grey when their row is retired, with the flag that says so.
struct RetiredRule {
    const char* fieldName;
    const char* flagField;
};
constexpr RetiredRule kRetired[] = {
    {"User_Name", "tbl_User.Available_flug"},
    {"Location_Name", "tbl_Location.Available_flug"},
    {"Section_Name", "tbl_Section.Available_flug"},
    {"Division_Name", "tbl_Division.Available_flug"},
    {"Manufacturer_Name", "tbl_Manufacturer.Available_flug"},
    {"Model_Name", "tbl_Model.Available_flug"},
};

// Sizes are stored in KB: above 1000 they are shown in MB or GB, right-aligned.
struct SizeRule {
    const char* fieldName;
    double divisor;
    const char* unit;
};
constexpr SizeRule kSizes[] = {
    {"SysHD_Full", 1000000, "GB"}, {"SysHD_Used", 1000000, "GB"}, {"SysHD_Free", 1000000, "GB"},
    {"Memory_Full", 1000, "MB"},   {"Memory_Used", 1000, "MB"},   {"Pagefile_Full", 1000, "MB"},
    {"Pagefile_Used", 1000, "MB"}, {"Pagefile_Free", 1000, "MB"},
};

constexpr const char* kDriveFlags[] = {"Floppydisk_Drive", "Cdrom_Drive", "DVD_Drive",
                                       "Cdr_Drive",        "Mo_Drive",    "Combo_Drive"};
constexpr const char* kConnectionFlags[] = {"Internet_Connection", "Modem_Connection", "LAN_Connection",
                                            "PROXY_Connection",    "OfflineMode",      "RASInstalled"};

// How one list column shows its values; decided once per fill from the column's field name.
struct ColumnRule {
    enum class Kind { Plain, Retired, Size, Drive, Connection };
    Kind kind = Kind::Plain;
    QString flagField;   // Retired
    double divisor = 1;  // Size
    QString unit;        // Size
};

ColumnRule ruleFor(const QString& fieldName) {
    ColumnRule rule;
    for (const RetiredRule& r : kRetired)
        if (fieldName == QLatin1String(r.fieldName)) {
            rule.kind = ColumnRule::Kind::Retired;
            rule.flagField = QString::fromLatin1(r.flagField);
            return rule;
        }
    for (const SizeRule& s : kSizes)
        if (fieldName == QLatin1String(s.fieldName)) {
            rule.kind = ColumnRule::Kind::Size;
            rule.divisor = s.divisor;
            rule.unit = QString::fromLatin1(s.unit);
            return rule;
        }
    for (const char* name : kDriveFlags)
        if (fieldName == QLatin1String(name)) rule.kind = ColumnRule::Kind::Drive;
    for (const char* name : kConnectionFlags)
        if (fieldName == QLatin1String(name)) rule.kind = ColumnRule::Kind::Connection;
    return rule;
}

// The catalogue entry of a chosen column; an index outside the catalogue is a subscript error.
const ColumnDef& catalogueEntry(qint16 index) {
    if (index < 0 || index >= qint16(gColumnDef.size())) vb::raise(vb::errSubscript);
    return gColumnDef[std::size_t(index)];
}

// The catalogue entry of list column i (0 = the key entry). A count past the 256 places comes only from a
// hand-edited "DB.ini" (the loader raises, but the count stays set for later refills): a subscript error,
// never a read past the array.
const ColumnDef& chosenEntry(int i) {
    if (i < 0 || i >= int(gSelColumn.size())) vb::raise(vb::errSubscript);
    return catalogueEntry(gSelColumn[std::size_t(i)]);
}

// A flag column holds "1" for yes; anything else (including a number other than 1) is no.
bool isOne(const ado::Value& v) { return v.toTextOrEmpty() == QLatin1String("1"); }

// The flag columns' texts, made once as texts of their own: the grid copies a literal it is given, as it
// cannot tell one from a view, and a full list shows thousands of them.
struct FlagTexts {
    QString equipped = QString::fromUtf8("装備");
    QString enabled = QString::fromUtf8("有効");
    QString none = QString::fromUtf8("-");
};
const FlagTexts& flagTexts() {
    static const FlagTexts texts;
    return texts;
}

}  // namespace

bool frm_Main::fnc_View_PClist() {
    ui::FlexGrid& grid = *MSFlexGrid_Main;
    ado::Recordset rs;
    try {
        rs.Open(gViewSQL, gCn(), ado::adOpenStatic, ado::adLockReadOnly);
        if (rs.RecordCount() < 1) {
            grid.setCols(0);
            grid.setRows(0);
            rs.Close();
            return false;
        }

        grid.Clear();
        grid.setRedraw(false);
        grid.setVisible(false);

        const int n = gSelColumnCount;
        const QColor grey = ui::QBColor(kGrey);
        const QColor white = ui::QBColor(kWhite);
        grid.setCols(n + 2);
        for (int i = 0; i <= n; ++i) {
            grid.setRows(2);
            grid.setColWidth(i + 1, kColumnWidth);
            grid.setCellBackColorAt(0, i + 1, grey);
            grid.setCellAlignmentAt(0, i + 1, ui::flexAlignCenterBottom);
            const QString& caption = chosenEntry(i).Caption;
            if (!caption.isEmpty()) grid.setTextMatrix(0, i + 1, caption);
        }

        // Fields and rules are looked up at the first PC, where the list first reads them.
        ado::Field& key = rs.Fields("tbl_Pclist.MainKey");
        std::vector<ado::Field*> fields;
        std::vector<ColumnRule> rules;
        std::vector<ado::Field*> flags;

        int r = 1;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            const ado::Value& k = key.valueOnRow();
            if (!k.isNull() && k.toDouble() == 0) continue;  // the reserved "none" PC

            if (fields.empty()) {
                for (int j = 0; j <= n; ++j) {
                    const QString& fieldName = chosenEntry(j).FieldName;
                    fields.push_back(&rs.Fields(fieldName));
                    rules.push_back(ruleFor(fieldName));
                    flags.push_back(rules.back().kind == ColumnRule::Kind::Retired ? &rs.Fields(rules.back().flagField)
                                                                                   : nullptr);
                }
            }

            grid.setRows(r + 1);
            grid.setTextMatrix(r, 0, QString::number(r));
            grid.setCellBackColorAt(r, 0, grey);
            for (int j = 0; j <= n; ++j) {
                const int col = j + 1;
                grid.setCellBackColorAt(r, col, white);
                grid.setCellAlignmentAt(r, col, ui::flexAlignLeftBottom);
                const ado::Value& v = fields[std::size_t(j)]->valueOnRow();
                if (v.isNull() || (v.isText() && std::get<QString>(v.raw()).isEmpty())) continue;

                const ColumnRule& rule = rules[std::size_t(j)];
                const bool shownAsStored =
                    rule.kind == ColumnRule::Kind::Plain || rule.kind == ColumnRule::Kind::Retired;
                if (rule.kind == ColumnRule::Kind::Retired && isOne(flags[std::size_t(j)]->valueOnRow()))
                    grid.setCellBackColorAt(r, col, grey);
                if (shownAsStored && v.isText()) {
                    // Lent, not handed over: a refill copies it into the buffer the cell kept, and the
                    // recordset reads the next row's text into its own.
                    grid.setTextMatrix(r, col, std::get<QString>(v.raw()));
                    continue;
                }
                QString text = v.toText();
                switch (rule.kind) {
                    case ColumnRule::Kind::Plain:
                    case ColumnRule::Kind::Retired:
                        break;
                    case ColumnRule::Kind::Size:
                        if (v.toDouble() > 1000) {
                            text = vb::Format(double(v.toInt32()) / rule.divisor, "###,###") + rule.unit;
                            grid.setCellAlignmentAt(r, col, ui::flexAlignRightBottom);
                        }
                        break;
                    case ColumnRule::Kind::Drive:
                        grid.setCellAlignmentAt(r, col, ui::flexAlignRightBottom);
                        text = isOne(v) ? flagTexts().equipped : flagTexts().none;
                        break;
                    case ColumnRule::Kind::Connection:
                        grid.setCellAlignmentAt(r, col, ui::flexAlignRightBottom);
                        text = isOne(v) ? flagTexts().enabled : flagTexts().none;
                        break;
                }
                grid.setTextMatrix(r, col, std::move(text));
            }

            const QString keyText = grid.TextMatrix(r, 1);
            if (!keyText.isEmpty()) {
                if (r > kMaxRows) vb::raise(vb::errSubscript);
                gRowMainKey[std::size_t(r)] = vb::CInt(keyText);
            }
            ++r;
        }
        gRowCount = qint16(r - 1);

        grid.setColWidth(0, kRowNumberWidth);
        grid.setColWidth(1, 0);
        grid.setRedraw(true);
        grid.setVisible(true);

        MainListReady = true;
        MainPrevRow = 1;
        MainSelRow = 1;
        fnc_Set_RowColor(1, kGrey);
        rs.Close();
        return true;
    } catch (const std::exception& e) {
        // The grid stays hidden until its next fill or row paint; the count and keys keep their old values.
        grid.setRedraw(true);
        ui::ShowStdError(e);
        if (rs.State() == ado::adStateOpen) rs.Close();
        return false;
    }
}

void frm_Main::MSFlexGrid_Main_ini() {
    MainPrevRow = 1;
    MainSelRow = 0;
    MainSelKey = 0;
    fnc_Set_RowColor(1, kWhite);
}

// The selection reset for the callers whose fill leaves the previous PC selected: without it row 1
// would look selected while the record commands still acted on the PC clicked before.
void frm_Main::fnc_Reset_Selection() {
    MainSelKey = 0;
    MSFlexGrid_Main_ini();
    setPcCommandsEnabled(false);
}

// Row 0 (the header) and column 0 (the row numbers) keep their grey; a row the grid does not have is left.
void frm_Main::fnc_Set_RowColor(qint16 row, qint16 colourIndex) {
    MSFlexGrid_Main->paintRow(row, ui::QBColor(colourIndex),
                              {.firstCol = 1, .hold = ui::FlexGrid::RowPaint::Hold::Hide});
}

void frm_Main::MSFlexGrid_Main_Click() {
    ui::guarded([this] {
        ui::FlexGrid& grid = *MSFlexGrid_Main;
        if (!MainListReady || grid.Row() == 0) return;
        grid.setCol(1);
        const QString keyText = grid.Text();
        if (keyText.isEmpty()) return;
        MainSelKey = vb::CInt(keyText);
        MainSelRow = qint16(grid.Row());
        setPcCommandsEnabled(true);
        fnc_Set_RowColor(MainPrevRow, kWhite);
        fnc_Set_RowColor(MainSelRow, kGrey);
        MainPrevRow = MainSelRow;
    });
}

// Hands the selected PC to the record editor; 0 and 0 are handed over too, and then nothing opens.
// The editor stands where this window stands: the position is taken now, as the focus leaves for the
// editor, since the window may have been moved while it kept the focus.
void frm_Main::MSFlexGrid_Main_DblClick() {
    ui::guarded([this] {
        gSelMainKey = MainSelKey;
        gSelRow = MainSelRow;
        if (MainSelKey > 0) {
            copyPosition();
            ui::showForm("frm_Edit_Computer", ui::vbModeless);
            if (Mnu_Edit_profile) Mnu_Edit_profile->setEnabled(false);
        }
    });
}
