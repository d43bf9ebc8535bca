#include "toolkit/qt/qtlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace veldrin {

bool installQtChinese() {
  auto* translator = new QTranslator(QCoreApplication::instance());  // lives as long as the application
  if (!translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace veldrin
