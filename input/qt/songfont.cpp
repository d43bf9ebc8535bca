#include "input/qt/songfont.h"

#include <QFontDatabase>
#include <QStringList>

namespace veldrin {

namespace {

// Best first: the face itself under its Chinese and Latin names, then the
// free Ming faces that Linux distributions ship for simplified Chinese.
const char* const kCandidates[] = {"宋体",          "SimSun",          "NSimSun",
                                   "AR PL UMing CN", "AR PL UMing TW", "AR PL UMing HK",
                                   "Noto Serif CJK SC", "Source Han Serif SC"};

QString firstInstalled() {
  const QStringList installed = QFontDatabase::families();
  for (const char* name : kCandidates) {
    const QString family = QString::fromUtf8(name);
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return {};
}

}  // namespace

QString songFontFamily() {
  static const QString family = firstInstalled();
  return family;
}

QFont songFont(double points) {
  QFont font;
  const QString family = songFontFamily();
  if (!family.isEmpty()) font.setFamily(family);
  font.setPointSizeF(points);
  return font;
}

}  // namespace veldrin
