#include "inventory_read/Import.h"

#include <optional>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_ReadCsv.h"
#include "platform/db/Ado.h"
#include "platform/text/VbConv.h"

namespace inventory {

const std::array<ListCopy, 4> kListCopies{{
    {"SELECT * FROM tbl_ReadCsv WHERE (Group = 'Soft' AND Item = 'Application')",
     "INSERT INTO tbl_ApplicationsList ( [Update], Application_Name, Application_Version, Application_Path, [Key] ) "
     "VALUES(",
     5},
    {"SELECT * FROM tbl_ReadCsv WHERE (Group = 'Device')",
     "INSERT INTO tbl_Device_Management ( [Update], Device_Category, Device_Name, Device_Provider, Device_Version, "
     "[Key] ) VALUES(",
     6},
    {"SELECT * FROM tbl_ReadCsv WHERE (Group = 'Hard' AND Item = 'Printer')",
     "INSERT INTO tbl_Printer_Management ( [Update], Printer_Name, PrinterPorts_Name, [Key] ) VALUES(", 7},
    {"SELECT * FROM tbl_ReadCsv WHERE (Group = 'Environmental')",
     "INSERT INTO tbl_Environmental ( [Update], Environmental_Name, Environmental_Path, [Key] ) VALUES(", 8},
}};

QString fnc_MakeFullPath(QString folder, const QString& fileName) {
    if (folder.endsWith(u'/')) return folder + fileName;
    return folder + u'/' + fileName;
}

namespace {

// The highest MainKey plus one. fnc_Get_MaxMainKey answers a failed lookup with 0, which cannot be told
// from an empty ledger and would put the file onto PC 1; the same query here reports the failure.
std::optional<qint16> newMainKey() {
    try {
        ado::Recordset rs;
        rs.Open("SELECT MAX( MainKey ) FROM tbl_Computer_List", gCn(), ado::adOpenStatic, ado::adLockReadOnly);
        qint16 highest = 0;
        if (rs.RecordCount() != 0 && !rs.Fields(0).value().isNull()) highest = rs.Fields(0).value().toInt16();
        rs.Close();
        const qint16 key = vb::addInt16(highest, 1);  // 32767 + 1 raises overflow
        if (key <= 0) return std::nullopt;            // never the reserved PC 0
        return key;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool hasRow(const QString& table, const QString& key) {
    ado::Recordset rs;
    rs.Open("SELECT MainKey FROM " + table + " WHERE MainKey = " + key, gCn(), ado::adOpenStatic, ado::adLockReadOnly);
    const bool found = rs.RecordCount() != 0;
    rs.Close();
    return found;
}

// The PC's two rows, created fresh: a key already present in either table (a stray profile row, say)
// would have the file's values written over someone else's data.
bool insertFreshPc(const QString& key) {
    try {
        if (hasRow("tbl_Computer_List", key) || hasRow("tbl_Pclist", key)) return false;
        gCn().Execute("INSERT INTO tbl_Computer_List (MainKey) VALUES (" + key + ")");
        gCn().Execute("INSERT INTO tbl_PClist (MainKey) VALUES (" + key + ")");
        return hasRow("tbl_Computer_List", key) && hasRow("tbl_Pclist", key);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

FileResult fnc_Import_File(const QString& fullPath, LabelSet set) {
    FileResult result;
    try {
        // One transaction per file: a crash leaves the PC complete or absent, and the file's few hundred
        // statements share one commit. Leaving early rolls everything back, the staging included.
        ado::TransGuard guard(gCn());
        bool staged = false;
        try {
            staged = fnc_Read_CsvFile(fullPath);
        } catch (const std::exception&) {
            result.skip = Skip::Unreadable;
            return result;
        }
        if (!staged) {
            result.skip = Skip::NotInventory;
            return result;
        }
        const std::optional<qint16> key = newMainKey();
        if (!key) {
            result.skip = Skip::NoKey;
            return result;
        }
        const QString k = QString::number(*key);
        if (!insertFreshPc(k)) {
            result.skip = Skip::NotCreated;
            return result;
        }

        fnc_Update_FromReadCsv(*key, set, 1, 1);
        fnc_Execute_SQL("UPDATE tbl_Computer_List SET tbl_Computer_List.[Location_Code] = 0 WHERE MainKey = " + k);
        fnc_Execute_SQL("UPDATE tbl_Computer_List SET tbl_Computer_List.[User_Code] = 0 WHERE MainKey = " + k);
        fnc_Execute_SQL("UPDATE tbl_Computer_List SET tbl_Computer_List.[Manufacturer_Code] = 0 WHERE MainKey = " + k);
        fnc_Execute_SQL("UPDATE tbl_Computer_List SET tbl_Computer_List.[Model_Code] = 0 WHERE MainKey = " + k);
        fnc_Execute_SQL("UPDATE tbl_Computer_List SET tbl_Computer_List.[Asset_Code] = 0 WHERE MainKey = " + k);
        fnc_Update_FromReadCsv(*key, set, 2, kCatalogueSize);
        for (const ListCopy& copy : kListCopies) {
            fnc_Insert_FromReadCsv(QString::fromUtf8(copy.selectSql), QString::fromUtf8(copy.insertStart), k,
                                   copy.layout);
        }
        guard.commit();
        result.mainKey = *key;
    } catch (const std::exception&) {
        // No transaction, or its commit failed: nothing of the file stays.
        result.skip = Skip::NotCreated;
        result.mainKey = 0;
    }
    return result;
}

void fnc_Read_Step(bool staged, const std::function<void()>& body) {
    if (!staged) {
        body();
        return;
    }
    try {
        body();
    } catch (const std::exception&) {
    }
}

ReadRun runReadLoop(const FileListSource& list, LabelSet set, const std::function<void(int)>& onIndex) {
    ReadRun run;
    auto step = [&run](const std::function<void()>& body) { fnc_Read_Step(run.staged, body); };
    const int count = list.count;  // taken once, when the loop starts
    for (int i = 0; i < count; ++i) {
        step([&] {
            if (onIndex) onIndex(i);
        });
        bool selected = false;
        step([&] { selected = list.selected(i); });
        if (!selected) continue;
        QString name;
        QString path;
        step([&] {
            name = list.name(i);
            path = fnc_MakeFullPath(list.folder, name);
        });
        run.staged = true;
        const FileResult r = fnc_Import_File(path, set);
        if (r.skip == Skip::None) {
            ++run.imported;
            run.keys.push_back(r.mainKey);
        } else {
            run.skipped.push_back({name, r.skip});
        }
    }
    return run;
}

QString skippedFilesMessage(const std::vector<SkippedFile>& skipped) {
    if (skipped.empty()) return {};
    QString text = QStringLiteral("次のファイルは読み込まれませんでした。");
    for (const SkippedFile& s : skipped) {
        QString why;
        switch (s.why) {
            case Skip::NotInventory:
                why = QStringLiteral("Harvikのファイルではありません");
                break;
            case Skip::Unreadable:
                why = QStringLiteral("ファイルを読めません");
                break;
            case Skip::NoKey:
                why = QStringLiteral("新しいキーを作れません");
                break;
            case Skip::NotCreated:
                why = QStringLiteral("PCを登録できません");
                break;
            case Skip::None:
                break;
        }
        text += u'\n' + s.name;
        if (!why.isEmpty()) text += QStringLiteral("（") + why + QStringLiteral("）");
    }
    return text;
}

}  // namespace inventory
