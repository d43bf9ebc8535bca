#include "documents/reportfont.h"

namespace veldrin {

QFont reportFont() {
  QFont font;
  font.setFamilies({"NSimSun", "SimSun", "AR PL UMing CN", "Noto Sans Mono CJK SC", "WenQuanYi Zen Hei Mono",
                    "Droid Sans Fallback"});
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(10);
  return font;
}

}  // namespace veldrin
