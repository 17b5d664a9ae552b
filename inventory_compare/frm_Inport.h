#pragma once
// The comparison window: a PC of the ledger beside one inventory file, value by value, with hand
// corrections and the overwrite of the PC's profile and lists.
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/Mdl_ReadCsv.h"
#include "inventory_compare/CompareRows.h"
#include "platform/db/Ado.h"
#include "platform/ui/Form.h"

class QAction;
class QMenu;

namespace ui {
class FlexGrid;
class ListBox;
class TextBox;
}  // namespace ui

class frm_Inport : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Inport(QWidget* parent = nullptr);
    ~frm_Inport() override;

    // Controls.
    ui::TextBox* tbx_ComputerName = nullptr;
    ui::TextBox* tbx_ComputerKey = nullptr;
    ui::TextBox* tbx_Edit = nullptr;
    ui::ListBox* List_ComuputerName = nullptr;
    ui::FlexGrid* MSFlexGrid1 = nullptr;
    ui::FlexGrid* MSGrid_Application = nullptr;

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_Open = nullptr;
    QAction* spalator01 = nullptr;
    QAction* Mnu_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_Update = nullptr;
    QMenu* Mnu_Manege = nullptr;
    QAction* Mnu_DBUpdate = nullptr;

    // Window state.
    qint16 m_SelectRow = 0;  // grid row chosen for the rewrite; 0 = none
    qint16 m_OldRow = 0;     // grid row last painted as chosen
    bool m_GridSet = false;  // the grid holds a comparison; clicks count only then
    compare::Layout m_Layout;

    // Handlers (public so tests run them as the menus, the list and the grid do).
    void Mnu_Open_Click();
    void Mnu_Close_Click();
    void Mnu_Update_Click();
    void Mnu_DBUpdate_Click();
    void List_ComuputerName_Click();
    void MSFlexGrid1_Click();

    bool fnc_View_ComputerList();
    void fnc_Clear_Form();
    bool fnc_View_PCData(qint16 MainKey);
    // The incoming column from the rows just staged (tbl_ReadCsv holds the same).
    bool fnc_View_ReadCsvData(const readcsv::StagedRows& staged);
    bool fnc_View_CsvApplist(const readcsv::StagedRows& staged);
    bool fnc_Set_RowColor(qint16 Row, qint16 ColorIndex);
    void fnc_Reset_SelectRow();
    void fnc_Form_Close();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void buildControls();
    void buildMenu();
    void applyLayout(qint32 width, qint32 height);
    void writeCompareHeader();
    // Why the overwrite may not run now ("" when it may): the PC gone or another one under its key, or the
    // file in tbl_ReadCsv not the one this window read since the pick.
    QString overwriteRefusal(qint16 mainKey);
    // A PC's name and both its dates as stored now; empty when its rows are gone. The pick and the
    // overwrite both read it here, so that they compare like with like.
    static std::vector<ado::Value> storedIdentity(qint16 mainKey);
    // The grid's rows over the PC, then its four lists from tbl_ReadCsv, inside the caller's transaction.
    // Gives what the database refused, named for the report.
    QStringList writeGridAndLists(qint16 mainKey);

    // The overwrite copies the list rows from tbl_ReadCsv: it must still hold the file this window read
    // after the last pick. Noted at each complete read of this window's own.
    bool m_ReadSincePick = false;
    quint64 m_ReadStaging = 0;
    // Grid rows whose incoming value the user typed (値を書き換え) since the column was last filled.
    QSet<int> m_TypedRows;
    // The picked PC as the pick read it (storedIdentity), to refuse an overwrite of a PC changed since.
    // Empty when the pick found no PC.
    std::vector<ado::Value> m_PickedIdentity;
    // The PC deletions noted when the list was filled (deletionMark). An item is the PC it was made from:
    // once that PC is deleted, neither a pick made before nor one made after the delete may write into the
    // PC that has its key now, even one with the same name and dates.
    quint64 m_ListedMark = 0;
};
