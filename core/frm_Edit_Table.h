#pragma once
// The one editor of the five master tables (departments, sections, places, makers, models). The table
// comes from gEditTableName / gEditTableCaption, set by the opener right before the modal show.
#include <QString>
#include <QStringList>
#include <array>

#include "platform/ui/Form.h"

class QAction;
class QMenu;
namespace ui {
class FlexGrid;
class TextBox;
}  // namespace ui

class frm_Edit_Table : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Edit_Table(QWidget* parent = nullptr);
    ~frm_Edit_Table() override;

    // Fixed outer size, twips.
    static constexpr int kWidth = 5940;
    static constexpr int kHeight = 7020;

    // Controls.
    ui::FlexGrid* MSFlexGrid_Edit = nullptr;
    std::array<ui::TextBox*, 3> tbxEdit{};  // 0 code (disabled), 1 name, 2 note

    QMenu* Mnu_File = nullptr;
    QAction* Mue_Close = nullptr;
    QMenu* Mnu_Edit = nullptr;
    QAction* Mnu_Add = nullptr;
    QAction* Mnu_Update = nullptr;
    QAction* Mnu_Delete = nullptr;

    // Selection state.
    qint16 TablePrevRow = 0;
    qint16 TableSelRow = 0;

    // Fills the grid with the table's rows in use; true when the list query returned a row.
    bool fnc_View_Table(const QString& tableName);

    // Handlers (public so tests and openers can run them as the menu does).
    void MSFlexGrid_Edit_Click();
    void Mnu_Add_Click();
    void Mnu_Update_Click();
    void Mnu_Delete_Click();
    void Mue_Close_Click();
    void tbxEdit_GotFocus(int Index);
    void tbxEdit_LostFocus(int Index);

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void fnc_Set_RowColor(qint16 row, qint16 colourIndex);
    void fnc_Reset_SelectRow();
    void fnc_Clear_tbxEdit();
    void fnc_Form_Close();
    // The column names of the table, read from the table itself.
    [[nodiscard]] static QStringList columnNames(const QString& tableName);
};
