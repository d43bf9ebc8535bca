#pragma once
// The command's files: its input read only from regular files, its output
// replaced whole or not at all, and standard output checked.
#include <iosfwd>
#include <optional>
#include <string>

namespace veldrin {

// Writes bytes to path through a uniquely named temporary in the same folder,
// then renames it into place: a concurrent writer, a failure or a full disk
// never leaves a mixed or half-written file, and no file of the user's is
// touched on the way. An existing path that is not a regular file (a device,
// a pipe, a folder), or that the user may not write, is refused, never
// replaced; a link is followed to the file it names, which is replaced, the
// link kept; a link to nothing is refused. Returns an empty text on success,
// otherwise the reason. A file-size limit must not kill the process
// (SIGXFSZ ignored): the write then fails with EFBIG like a full disk.
std::string writeFileWhole(const std::string& path, const std::string& bytes);

// Writes bytes to the stream and flushes it; the reason on failure, else "".
std::string writeStream(std::ostream& out, const std::string& bytes);

// The content of an input file (the design case, a list of sections), or
// nullopt after a message on err naming the file and the reason. Only a
// regular file is read: a folder, a pipe or a device is refused unopened.
std::optional<std::string> readInputFile(const std::string& path, std::ostream& err);

}  // namespace veldrin
