#pragma once
// The application title: the caption of the plain message box and the error box.
#include <QString>

namespace platform {

inline QString ApplicationTitle() { return QStringLiteral("Pellmora"); }

}  // namespace platform
