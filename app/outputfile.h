#pragma once
// Writing the command's output: a file replaced whole or not at all, and
// standard output checked.
#include <iosfwd>
#include <string>

namespace veldrin {

// Writes bytes to path through a uniquely named temporary in the same folder,
// then renames it into place: a concurrent writer, a failure or a full disk
// never leaves a mixed or half-written file, and no file of the user's is
// touched on the way. An existing path that is not a regular file (a device,
// a pipe, a folder) is refused, never replaced; a link is followed to the
// file it names, which is replaced, the link kept. Returns an empty text on
// success, otherwise the reason.
std::string writeFileWhole(const std::string& path, const std::string& bytes);

// Writes bytes to the stream and flushes it; the reason on failure, else "".
std::string writeStream(std::ostream& out, const std::string& bytes);

// The reason a design-case path cannot be read as a file ("" when it can be
// tried): a folder or a missing path.
std::string unreadableCaseReason(const std::string& path);

}  // namespace veldrin
