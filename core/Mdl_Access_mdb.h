#pragma once
// The one database connection of the process and the small helpers every window uses.
#include <QString>
#include <QStringView>
#include <array>
#include <exception>
#include <memory>
#include <optional>

#include "platform/db/Ado.h"

// The shared connection; helpers create an unopened one on first use.
extern std::unique_ptr<ado::Connection> gCn_ptr;
ado::Connection& gCn();

using RecordValues = std::array<QString, 9>;

bool fnc_DB_Open();
bool fnc_DB_Close();
bool fnc_Execute_SQL(const QString& sql);
bool fnc_Exists_Record(const QString& sql);
QString fnc_Get_FieldType(const QString& sql);
RecordValues fnc_Get_RecordValues(const QString& sql);  // errors go to the caller
qint16 fnc_Get_MaxKey(const QString& tableName);
// The key a new row of the table gets: fnc_Get_MaxKey + 1, and 0 when that is below 0 (an empty table). nullopt when
// the lookup failed: fnc_Get_MaxKey answers 0 then too (having shown the error box), so a 0 is checked against the
// table once more, quietly, and only a real highest key of 0 goes on. A highest key of 32767 raises overflow (vb::Error
// 6).
[[nodiscard]] std::optional<qint16> nextKey(const QString& tableName);
qint16 fnc_Get_MaxMainKey();
QString fnc_Replace_SQLChar(const QString& text);
// The same for a text read in place: the text itself when nothing is replaced, else the replaced copy,
// made in `scratch` (valid while scratch is).
QStringView fnc_Replace_SQLChar(QStringView text, QString& scratch);

// True when the database refused a statement for a value it would write (text too long for its column,
// a number or date the column cannot take), as opposed to a statement it could not run at all.
[[nodiscard]] bool isValueRefusal(const std::exception& e);

// Deletions made in this process of rows whose key a delete frees for the next new row: a PC (its
// tbl_Pclist and tbl_Computer_List rows under one MainKey) and a licence of the stock (tbl_License_Key, the
// next product taking the highest key again). The next row may even look the same (an empty PC from
// 新規作成, the same inventory file imported again), so only this tells a row read earlier from the one
// under its key now. A window that holds keys read earlier takes a mark when it reads them; a row it holds
// is gone when deletedSince(its table, its key, the mark). Every command that deletes such a row notes it,
// inside its transaction and before its commit. One count serves every table, so one mark does too.
enum class KeyedRows { Pc, LicenceStock };
void noteDeletion(KeyedRows rows, qint16 key);
[[nodiscard]] quint64 deletionMark();
[[nodiscard]] bool deletedSince(KeyedRows rows, qint16 key, quint64 mark);

inline void notePcDeletion(qint16 mainKey) { noteDeletion(KeyedRows::Pc, mainKey); }
[[nodiscard]] inline bool pcDeletedSince(qint16 mainKey, quint64 mark) {
    return deletedSince(KeyedRows::Pc, mainKey, mark);
}
