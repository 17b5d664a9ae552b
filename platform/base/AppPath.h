#pragma once
// App.Path: the folder the program runs from. "pcdb.mdb" and "DB.ini" live there.
#include <QString>

namespace vb {

// The executable's folder, without a trailing separator; tests point it elsewhere.
[[nodiscard]] QString App_Path();
void setAppPath(const QString& folder);

// Joins the program folder and a file name with "/" (the original appended "\").
[[nodiscard]] QString appFile(const QString& fileName);

}  // namespace vb
