#include "toolkit/userfiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace veldrin {

namespace {

FileBytes failure(ReadProblem problem, int error) {
  FileBytes file;
  file.problem = problem;
  file.error = error;
  return file;
}

bool appendAll(int fd, std::string& bytes) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n == 0;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

ReadProblem kindProblem(mode_t mode) {
  if (S_ISREG(mode)) return ReadProblem::None;
  return S_ISDIR(mode) ? ReadProblem::Folder : ReadProblem::NotRegular;
}

// Opened without waiting, and looked at again once open: the name may have
// been given to a pipe since it was first looked at.
FileBytes readOpened(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return failure(ReadProblem::Unreadable, errno);
  struct stat st {};
  FileBytes file;
  if (::fstat(fd, &st) != 0) {
    file = failure(ReadProblem::Unreadable, errno);
  } else if (kindProblem(st.st_mode) != ReadProblem::None) {
    file = failure(kindProblem(st.st_mode), 0);
  } else if (!appendAll(fd, file.bytes)) {
    file = failure(ReadProblem::Unreadable, errno);
  }
  ::close(fd);
  return file;
}

}  // namespace

// What is not a regular file is never opened: opening a device can act on it.
FileBytes readRegularFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    return failure(errno == ENOENT ? ReadProblem::Missing : ReadProblem::Unreadable, errno);
  }
  if (kindProblem(st.st_mode) != ReadProblem::None) return failure(kindProblem(st.st_mode), 0);
  return readOpened(path);
}

std::string readProblemText(const FileBytes& file) {
  switch (file.problem) {
    case ReadProblem::None: return {};
    case ReadProblem::Missing: return "文件不存在";
    case ReadProblem::Folder: return "这是文件夹，不是文件";
    case ReadProblem::NotRegular: return "不是普通文件(管道或设备)，不能读取";
    case ReadProblem::Unreadable: break;
  }
  return file.error == EACCES ? "没有读取权限" : std::string("无法读取：") + std::strerror(file.error);
}

// A name that leads nowhere (a link to nothing) is refused: writing would
// create a file somewhere the user did not choose. Any other name that does
// not exist yet is free; the write itself reports a folder it cannot enter.
SaveProblem saveProblem(const std::string& path) {
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) {
    struct stat link {};
    const bool isLink = ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
    return isLink ? SaveProblem::LinkToNothing : SaveProblem::None;
  }
  if (!S_ISREG(target.st_mode)) return SaveProblem::NotRegular;
  // The rename would replace a write-protected file, since only the folder
  // is written to; the file's own mode is the user's "keep".
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return SaveProblem::WriteProtected;
  return SaveProblem::None;
}

std::string saveProblemText(SaveProblem problem) {
  switch (problem) {
    case SaveProblem::None: break;
    case SaveProblem::LinkToNothing: return "这是指向不存在文件的链接，未写入";
    case SaveProblem::NotRegular: return "不是普通文件(设备、管道或文件夹)，不能替换";
    case SaveProblem::WriteProtected: return "文件是只读的(没有写入权限)，未替换";
  }
  return {};
}

}  // namespace veldrin
