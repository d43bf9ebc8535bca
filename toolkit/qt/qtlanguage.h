#pragma once
// Qt's own texts (file dialogs, Yes/No, Cancel, the replace question) in
// Chinese, from Qt's translations (Debian qt6-translations-l10n).
namespace veldrin {

// Loads qtbase_zh_CN from Qt's translations folder and installs it for the
// application; false when the translation is not installed.
bool installQtChinese();

}  // namespace veldrin
