#pragma once
// Shared global state: windows hand data to each other through these, never through arguments.
#include <QString>
#include <array>
#include <functional>

// Master-table descriptor: indexes 0..10, start-up fills 0..5.
struct MasterTableDef {
    QString Caption;
    QString TableName;
    QString NameField;
    QString CodeField;
};
extern std::array<MasterTableDef, 11> gMasterTable;

// Column catalogue of the main list: 0..255, 0..76 filled; gColumnDefLast = 76 once filled.
struct ColumnDef {
    QString FieldName;
    QString Caption;
};
extern std::array<ColumnDef, 256> gColumnDef;
extern qint16 gColumnDefLast;

// View settings (current view and its sort keys, filter and chosen columns).
extern qint16 gSectionNumber;
extern std::array<QString, 17> gSectionName;
extern qint16 gOptDel;
extern qint16 gSelectNumber;
extern std::array<QString, 4> gKeyName;
extern std::array<QString, 4> gKeyCaption;
extern std::array<QString, 4> gKeyAscDesc;
extern qint16 gSelColumnCount;
extern std::array<qint16, 257> gSelColumn;
extern QString gViewSQL;

// Main-window geometry, twips.
extern qint32 gFormWidth;
extern qint32 gFormHeight;
extern qint32 gFormTop;
extern qint32 gFormLeft;

// Hand-over from the main list to the PC record editor.
extern std::array<qint16, 2561> gRowMainKey;
extern qint16 gRowCount;
extern qint16 gSelMainKey;
extern qint16 gSelRow;

// The table the master-table editor edits.
extern QString gEditTableName;
extern QString gEditTableCaption;
extern qint16 gEditTableIndex;  // the gMasterTable row of that table

// The main window's status bar, first panel (set by frm_Main; tests may set their own).
extern std::function<void(const QString&)> gStatusBarText;

// Back to the state of a fresh process (tests).
void resetGlobals();
