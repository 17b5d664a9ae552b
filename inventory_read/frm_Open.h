#pragma once
// The inventory file-picking window: drive, folder and file lists, and the two read commands.
#include <QString>

#include "inventory_read/Catalogue.h"
#include "inventory_read/Import.h"
#include "platform/ui/Form.h"
#include "platform/ui/ProgressBar.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;

namespace inventory {
class DirListBox;
class DriveListBox;
class FileListBox;
}  // namespace inventory

class frm_Open : public ui::Form {
    Q_OBJECT
public:
    explicit frm_Open(QWidget* parent = nullptr);
    ~frm_Open() override;

    // Controls.
    QGroupBox* Frame1 = nullptr;
    QLabel* lblCurName = nullptr;
    QLabel* Label1 = nullptr;
    inventory::DriveListBox* Drive1 = nullptr;
    QLabel* Label2 = nullptr;
    inventory::DirListBox* Dir1 = nullptr;
    QLabel* Label3 = nullptr;
    inventory::FileListBox* File1 = nullptr;
    ui::ProgressBar* ProgressBar1 = nullptr;

    QMenu* Mnu_File = nullptr;
    QAction* Mnu_ReadCSV = nullptr;
    QAction* Mnu_Read_English = nullptr;
    QAction* Mnu_Close = nullptr;

    // Window state.
    QString strCurPath;
    QString strCurDir;
    qint32 lngFormWidth = 0;
    qint32 lngFormHeight = 0;
    qint32 lngFormTop = 0;
    qint32 lngFormLeft = 0;

    // Handlers (public so tests run them as the menu and the lists do).
    void Mnu_ReadCSV_Click();
    void Mnu_Read_English_Click();
    void Mnu_Close_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();

    void fnc_SetCurrentPath(const QString& path);
    void fnc_Form_Close();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void buildControls();
    void buildMenu();
    void readCommand(inventory::LabelSet set);
    void refreshMainList();
};
