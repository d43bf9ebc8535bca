#pragma once
// File systems that refuse a save, for tests of the windows' Save commands:
// a folder the user may not write to, and a disk that fills up mid-write.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <string>

namespace veldrin::testing {

// A folder that is read-only for the test while the object lives. Root
// passes every permission check, so a test run as root acts as "nobody"
// meanwhile (the real user stays root, so it can come back).
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::string& folder) : folder_(folder) {
    EXPECT_EQ(::chmod(folder_.c_str(), 0555), 0);
    if (::geteuid() == 0) asNobody_ = ::seteuid(kNobody) == 0;
  }
  ~ReadOnlyFolder() {
    if (asNobody_) {
      EXPECT_EQ(::seteuid(0), 0);
    }
    ::chmod(folder_.c_str(), 0755);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  std::string folder_;
  bool asNobody_ = false;
};

// Files cannot grow beyond `bytes` while the object lives: a write past it
// fails with EFBIG, as a write to a full disk fails with ENOSPC.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);  // the error, not the signal that would end the test
    const rlimit limited{bytes, saved_.rlim_max};
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  }
  ~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = SIG_DFL;
};

}  // namespace veldrin::testing
