#pragma once
// The window font: 宋体 where the system has it, otherwise an installed
// Song-style (Ming) CJK face, otherwise the system default.
#include <QFont>
#include <QString>

namespace veldrin {

QString songFontFamily();        // empty when no Song-style face is installed
QFont songFont(double points);

}  // namespace veldrin
