// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/filebytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Creates a new file next to path with a name no other file has; -1 on failure.
int CreateTemporary(const std::string& path, std::string& tempPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
    // 0666 lets the user's umask decide the rights, as for any new file.
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

}  // namespace

TFileBytes ReadFileBytes(const std::string& path) {
  TFileBytes result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    result.Status = (errno == ENOENT || errno == ENOTDIR) ? TReadStatus::Missing : TReadStatus::CannotOpen;
    return result;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) > kMaxFileSize) {
    ::close(fd);
    result.Status = TReadStatus::CannotOpen;
    return result;
  }
  result.Bytes.resize(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  result.Status = TReadStatus::Ok;
  // The size may change while reading; stop at the end or at the bound.
  for (;;) {
    if (done == result.Bytes.size()) {
      if (done >= kMaxFileSize) break;
      result.Bytes.resize(std::min(kMaxFileSize, done + 65536));
    }
    const ssize_t n = ::read(fd, result.Bytes.data() + done, result.Bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.Status = TReadStatus::Failed;
      break;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  result.Bytes.resize(done);
  ::close(fd);
  return result;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool WriteFileAtomic(const std::string& linkOrPath, std::string_view bytes) {
  // A symbolic link stays a link: the file it points to is the one replaced.
  std::string path = linkOrPath;
  std::error_code linkError;
  if (std::filesystem::is_symlink(path, linkError)) {
    const auto target = std::filesystem::weakly_canonical(path, linkError);
    if (!linkError) path = target.string();
  }
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(parent, ec);
  }
  std::string tempPath;
  const int fd = CreateTemporary(path, tempPath);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  // Keep the rights of the file being replaced.
  struct stat old {};
  if (ok && ::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tempPath.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(tempPath.c_str());
  return ok;
}
