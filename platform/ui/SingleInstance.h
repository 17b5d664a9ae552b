#pragma once
#include <QString>

namespace ui {

// True when another copy of the program holds the lock. The lock is an flock on a file in the
// user's runtime folder, so a crashed copy never leaves it held. The lock stays held for the process.
[[nodiscard]] bool anotherInstanceRunning(const QString& lockName = QStringLiteral("vondari"));

}  // namespace ui
