#include "core/Mdl_gData.h"

std::array<MasterTableDef, 11> gMasterTable;
std::array<ColumnDef, 256> gColumnDef;
qint16 gColumnDefLast = 0;

qint16 gSectionNumber = 0;
std::array<QString, 17> gSectionName;
qint16 gOptDel = 0;
qint16 gSelectNumber = 0;
std::array<QString, 4> gKeyName;
std::array<QString, 4> gKeyCaption;
std::array<QString, 4> gKeyAscDesc;
qint16 gSelColumnCount = 0;
std::array<qint16, 257> gSelColumn{};
QString gViewSQL;

qint32 gFormWidth = 0;
qint32 gFormHeight = 0;
qint32 gFormTop = 0;
qint32 gFormLeft = 0;

std::array<qint16, 2561> gRowMainKey{};
qint16 gRowCount = 0;
qint16 gSelMainKey = 0;
qint16 gSelRow = 0;

QString gEditTableName;
QString gEditTableCaption;
qint16 gEditTableIndex = 0;

std::function<void(const QString&)> gStatusBarText;

void resetGlobals() {
    gMasterTable = {};
    gColumnDef = {};
    gColumnDefLast = 0;
    gSectionNumber = 0;
    gSectionName = {};
    gOptDel = 0;
    gSelectNumber = 0;
    gKeyName = {};
    gKeyCaption = {};
    gKeyAscDesc = {};
    gSelColumnCount = 0;
    gSelColumn = {};
    gViewSQL.clear();
    gFormWidth = gFormHeight = gFormTop = gFormLeft = 0;
    gRowMainKey = {};
    gRowCount = 0;
    gSelMainKey = 0;
    gSelRow = 0;
    gEditTableName.clear();
    gEditTableCaption.clear();
    gEditTableIndex = 0;
    gStatusBarText = nullptr;
}
