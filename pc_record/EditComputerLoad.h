#pragma once
// Queries and value rules the editor's loaders, save and stepping share.
#include <QString>

namespace ado {
class Value;
}

namespace pcrecord {

// The PC with its location, maker, model, user and the user's department and section: every join an
// inner join, so a PC lacking one of those rows is not found.
[[nodiscard]] QString joinedPcQuery(qint16 key);
// Whether the PC's administrative row exists.
[[nodiscard]] QString existsPcQuery(qint16 key);
// A flag or setting that holds 1: the number, or a text that reads as it. Null, other numbers and texts
// that are no number do not.
[[nodiscard]] bool equalsOne(const ado::Value& v);

}  // namespace pcrecord
