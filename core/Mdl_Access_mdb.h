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

// PC deletions made in this process. A delete frees its MainKey for the next new PC, which may even get the
// same name and dates (an empty one from 新規作成, the same inventory file imported again), so only this
// tells a PC read earlier from the one under its key now. A window that holds PCs read earlier takes a mark
// when it reads them; a PC it holds is gone when pcDeletedSince(its key, the mark). Every command that
// deletes a PC notes it, inside its transaction and before its commit.
void notePcDeletion(qint16 mainKey);
[[nodiscard]] quint64 pcDeletionMark();
[[nodiscard]] bool pcDeletedSince(qint16 mainKey, quint64 mark);
