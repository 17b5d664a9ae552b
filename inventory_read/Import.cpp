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
     5, "Soft", "Application"},
    {"SELECT * FROM tbl_ReadCsv WHERE (Group = 'Device')",
     "INSERT INTO tbl_Device_Management ( [Update], Device_Category, Device_Name, Device_Provider, Device_Version, "
     "[Key] ) VALUES(",
     6, "Device", nullptr},
    {"SELECT * FROM tbl_ReadCsv WHERE (Group = 'Hard' AND Item = 'Printer')",
     "INSERT INTO tbl_Printer_Management ( [Update], Printer_Name, PrinterPorts_Name, [Key] ) VALUES(", 7, "Hard",
     "Printer"},
    {"SELECT * FROM tbl_ReadCsv WHERE (Group = 'Environmental')",
     "INSERT INTO tbl_Environmental ( [Update], Environmental_Name, Environmental_Path, [Key] ) VALUES(", 8,
     "Environmental", nullptr},
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
    } catch (const ado::StorageError&) {
        throw;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// One of the reader's statements on the new PC, prepared once and run with the key bound; the test hook
// sees it as the reader writes it.
void runOnKey(const QString& start, const QString& end, qint16 key) {
    gCn().ExecuteBound(start + u'?' + end, {ado::Value(qint64(key))},
                       [&] { return start + QString::number(key) + end; });
}

// The PC's two rows, created fresh: a key already present in either table (a stray profile row, say)
// would have the file's values written over someone else's data; the key of both tables refuses it.
bool insertFreshPc(qint16 key) {
    try {
        runOnKey(QStringLiteral("INSERT INTO tbl_Computer_List (MainKey) VALUES ("), QStringLiteral(")"), key);
        if (gCn().lastRecordsAffected() != 1) return false;
        runOnKey(QStringLiteral("INSERT INTO tbl_PClist (MainKey) VALUES ("), QStringLiteral(")"), key);
        return gCn().lastRecordsAffected() == 1;
    } catch (const ado::StorageError&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
}

// A statement whose failure is passed over, as the reader's executor does; a refusing database is not.
void runIgnoringErrors(const QString& start, qint16 key) {
    try {
        runOnKey(start, QString(), key);
    } catch (const std::exception&) {
    }
}

}  // namespace

FileResult fnc_Import_File(const QString& fullPath, LabelSet set) {
    FileResult result;
    // The staged rows view the decoded text the file holds, for as long as the file lives here.
    readcsv::InPlaceFile file;
    const std::vector<readcsv::StagedLineView>& staged = file.rows();
    try {
        if (!readcsv::readInventoryFileInPlace(fullPath, &file)) {
            result.skip = Skip::NotInventory;
            return result;
        }
    } catch (const std::exception&) {
        result.skip = Skip::Unreadable;
        return result;
    }
    try {
        // One transaction per file: a crash leaves the PC complete or absent, and the file's few hundred
        // statements share one commit. Leaving early rolls everything back, the staging included.
        ado::TransGuard guard(gCn());
        try {
            readcsv::storeStagedRows(staged);
        } catch (const ado::StorageError&) {
            throw;
        } catch (const std::exception&) {
            result.skip = Skip::Unreadable;  // a row the staging table cannot take
            return result;
        }
        const std::optional<qint16> key = newMainKey();
        if (!key) {
            result.skip = Skip::NoKey;
            return result;
        }
        if (!insertFreshPc(*key)) {
            result.skip = Skip::NotCreated;
            return result;
        }

        // The profile is looked up in the rows just staged, held in memory, rather than queried back.
        fnc_Update_FromReadCsv(*key, set, 1, 1, staged);
        const QString set0 = QStringLiteral(" = 0 WHERE MainKey = ");
        for (const char* column : {"Location_Code", "User_Code", "Manufacturer_Code", "Model_Code", "Asset_Code"})
            runIgnoringErrors("UPDATE tbl_Computer_List SET tbl_Computer_List.[" + QLatin1String(column) + u']' + set0,
                              *key);
        fnc_Update_FromReadCsv(*key, set, 2, kCatalogueSize, staged);
        const QString k = QString::number(*key);
        for (const ListCopy& copy : kListCopies) {
            // The staged rows its query would select, in staged order (the hook can fail the query itself).
            if (gCn().hasFailHook() && gCn().shouldFail(QString::fromUtf8(copy.selectSql))) continue;
            const QString group = QString::fromLatin1(copy.group);
            const QString item = copy.item ? QString::fromLatin1(copy.item) : QString();
            std::vector<const readcsv::StagedLineView*> rows;
            for (const readcsv::StagedLineView& line : staged)
                if (readcsv::sameText(line.Group, group) && (!copy.item || readcsv::sameText(line.Item, item)))
                    rows.push_back(&line);
            readcsv::insertListRows(rows, QString::fromUtf8(copy.insertStart), k, copy.layout);
        }
        guard.commit();
        result.mainKey = *key;
    } catch (const ado::StorageError& e) {
        // Nothing of the file stays; the run stops here.
        result.skip = Skip::Refused;
        result.mainKey = 0;
        result.errorNumber = e.number();
        result.errorDescription = e.description();
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
        if (r.skip == Skip::Refused) {
            run.stopped = true;
            run.errorNumber = r.errorNumber;
            run.errorDescription = r.errorDescription;
            break;
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
            case Skip::Refused:
                why = QStringLiteral("データベースに書き込めません");
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
