#include "app/outputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <vector>

#include "toolkit/userfiles.h"

namespace veldrin {

namespace {

std::string reasonOf(int error) { return std::strerror(error); }

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A short temporary name, so that a target name near the length limit still
// leaves room for it.
std::string temporaryTemplate(const std::string& path) { return folderOf(path) + "/.veldrin-XXXXXX"; }

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The mode a new file gets from the user's umask; a replaced file keeps its own.
mode_t modeFor(const struct stat* existing) {
  if (existing) return existing->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Fills the open temporary and closes it; the reason on failure.
std::string fillTemporary(int fd, const std::string& bytes, mode_t mode) {
  std::string reason;
  if (!writeAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) reason = reasonOf(errno);
  if (::close(fd) != 0 && reason.empty()) reason = reasonOf(errno);
  return reason;
}

// The rules of the window's saves, in the command's words.
std::string refusal(SaveProblem problem) {
  switch (problem) {
    case SaveProblem::None: break;
    case SaveProblem::LinkToNothing: return "a link to a file that cannot be reached; nothing is written";
    case SaveProblem::NotRegular: return "not a regular file; it is left as it is";
    case SaveProblem::WriteProtected: return "write-protected (no permission to write it); it is left as it is";
  }
  return {};
}

std::string readFailure(const FileBytes& file) {
  switch (file.problem) {
    case ReadProblem::Folder: return "is a folder, not a file";
    case ReadProblem::NotRegular: return "not a regular file (a pipe or a device); it is not read";
    default: return reasonOf(file.error);
  }
}

// A link is followed, as the window's saves follow it: the file it names is
// replaced and the link stays a link.
std::string followLink(const std::string& path, std::string& reason) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char* target = ::realpath(path.c_str(), nullptr);
  if (!target) {
    reason = "a link to a file that cannot be reached: " + reasonOf(errno);
    return path;
  }
  const std::string resolved = target;
  std::free(target);
  return resolved;
}

}  // namespace

std::string writeFileWhole(const std::string& requested, const std::string& bytes) {
  std::string reason = refusal(saveProblem(requested));
  if (!reason.empty()) return reason;
  const std::string path = followLink(requested, reason);
  if (!reason.empty()) return reason;
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  std::string name = temporaryTemplate(path);
  std::vector<char> buffer(name.begin(), name.end());
  buffer.push_back('\0');
  const int fd = ::mkstemp(buffer.data());
  if (fd < 0) return reasonOf(errno);
  name = buffer.data();
  reason = fillTemporary(fd, bytes, modeFor(exists ? &existing : nullptr));
  if (reason.empty() && std::rename(name.c_str(), path.c_str()) != 0) reason = reasonOf(errno);
  if (!reason.empty()) ::unlink(name.c_str());
  return reason;
}

std::string writeStream(std::ostream& out, const std::string& bytes) {
  errno = 0;
  out << bytes;
  out.flush();
  if (out) return {};
  return errno != 0 ? reasonOf(errno) : "write error";
}

std::optional<std::string> readInputFile(const std::string& path, std::ostream& err) {
  FileBytes file = readRegularFile(path);
  if (file.problem == ReadProblem::None) return std::move(file.bytes);
  err << "veldrin-report: cannot read \"" << path << "\": " << readFailure(file) << "\n";
  return std::nullopt;
}

}  // namespace veldrin
