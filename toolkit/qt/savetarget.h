#pragma once
// What every Save command of the windows shares: the file that will really
// be written (its extension follows its format), the question before an
// existing file is replaced, the folder the dialogs start in, and a write
// that replaces a file whole or not at all.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "toolkit/qt/windowtoolkit.h"

class QWidget;

namespace veldrin {

// The extensions of a filter's pairs, in order ("in格式文档|*.in" -> {"in"}).
QStringList filterExtensions(const QString& filter);

// The name that will be written and its format: a name that already ends in
// one of the filter's extensions keeps it, and that extension chooses the
// format; any other name gets the chosen filter's extension added.
FileChoice savedName(const FileChoice& answer, const QString& filter);

// Shows the Save dialog in the folder last used and returns the file to
// write, asking before an existing one is replaced. nullopt on Cancel or
// when the user keeps the existing file. The dialog's start folder becomes
// the chosen file's folder.
std::optional<FileChoice> chooseSaveTarget(QWidget* parent, FileDialogRequest& request);

// Shows the Open dialog in the folder last used; remembers the chosen folder.
std::optional<FileChoice> chooseOpenFile(QWidget* parent, FileDialogRequest& request);

// The folder the next file dialog of any window starts in ("" before the first).
QString lastUsedFolder();

// Writes the bytes through a temporary beside the file, renamed into place
// (QSaveFile): a failed write leaves an old file whole. What is not a regular
// file, a write-protected file and a link to nothing are refused, as the
// command refuses them (toolkit/userfiles.h). Empty on success, otherwise
// the reason.
QString writeWhole(const QString& path, const QByteArray& bytes);

}  // namespace veldrin
