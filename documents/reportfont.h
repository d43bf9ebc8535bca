#pragma once
// The font the report is shown, printed and filed in.
#include <QFont>
#include <QStringList>

namespace veldrin {

// A CJK font whose Latin letters are half as wide as its Chinese ones, so the
// report's space-aligned columns stay aligned; 10 points.
QFont reportFont();

}  // namespace veldrin
