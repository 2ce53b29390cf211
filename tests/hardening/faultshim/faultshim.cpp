// SPDX-License-Identifier: GPL-3.0-or-later
// Storage fault injection without privileges: a shared library that stands
// in front of the C library's file calls and makes them fail for paths that
// contain TAMRIX_FAULT_PATH, as TAMRIX_FAULT says:
//   readonly   creating, opening for writing, mkdir, rename, unlink: EROFS
//              (a read-only data folder, which chmod cannot give root)
//   nospace    every write to such a file: ENOSPC (the disk is full)
//   halfway    the first write stores half of its bytes, the next fails: EIO
//   fsync      fsync and fdatasync of such a file: EIO
//   rename     rename from or to such a path: EIO
//   readerror  the first read of such a file gives a few bytes, the next EIO
// The variables are read at every call, so a test switches faults on and off
// with setenv. Linked into a test program, or put in LD_PRELOAD of any other.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

enum TFdState : unsigned char { kNone, kTracked, kStarted };

constexpr int kMaxFd = 4096;
std::atomic<unsigned char> g_fd[kMaxFd];
std::atomic<long> g_hits{0};

template <class Fn>
Fn Next(const char* name) {
  return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name));
}

bool Mode(const char* mode) {
  const char* m = std::getenv("TAMRIX_FAULT");
  return m && std::strcmp(m, mode) == 0;
}

bool Matches(const char* path) {
  const char* pattern = std::getenv("TAMRIX_FAULT_PATH");
  return path && pattern && *pattern && std::strstr(path, pattern) != nullptr;
}

int Fail(int error) {
  g_hits.fetch_add(1);
  errno = error;
  return -1;
}

bool Writes(int flags) { return (flags & O_ACCMODE) != O_RDONLY || (flags & (O_CREAT | O_TRUNC)); }

// Refuses an open that the fault forbids; 0 lets it through.
int RefuseOpen(const char* path, int flags) {
  if (Mode("readonly") && Writes(flags) && Matches(path)) return Fail(EROFS);
  return 0;
}

int Track(int fd, const char* path, int flags) {
  if (fd >= 0 && fd < kMaxFd) {
    const bool tracked = Matches(path) && (Writes(flags) ? !Mode("readerror") : Mode("readerror"));
    g_fd[fd].store(tracked ? kTracked : kNone);
  }
  return fd;
}

bool Tracked(int fd) { return fd >= 0 && fd < kMaxFd && g_fd[fd].load() != kNone; }

// A write's fate: -1 fails, otherwise the number of bytes to pass on.
ssize_t WriteBudget(int fd, size_t count) {
  if (!Tracked(fd)) return static_cast<ssize_t>(count);
  if (Mode("nospace")) return Fail(ENOSPC);
  if (Mode("halfway")) {
    if (g_fd[fd].exchange(kStarted) == kStarted || count < 2) return Fail(EIO);
    return static_cast<ssize_t>(count / 2);
  }
  return static_cast<ssize_t>(count);
}

mode_t ModeArg(int flags, va_list args) {
  return (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(args, int)) : 0;
}

}  // namespace

extern "C" {

// How many calls the shim has failed so far: a test checks that its fault
// was really injected.
__attribute__((visibility("default"))) long tamrix_faultshim_hits(void) { return g_hits.load(); }

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArg(flags, args);
  va_end(args);
  if (RefuseOpen(path, flags)) return -1;
  static auto real = Next<int (*)(const char*, int, ...)>("open");
  return Track(real(path, flags, mode), path, flags);
}

int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArg(flags, args);
  va_end(args);
  if (RefuseOpen(path, flags)) return -1;
  static auto real = Next<int (*)(const char*, int, ...)>("open64");
  return Track(real(path, flags, mode), path, flags);
}

int openat(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArg(flags, args);
  va_end(args);
  if (RefuseOpen(path, flags)) return -1;
  static auto real = Next<int (*)(int, const char*, int, ...)>("openat");
  return Track(real(dirfd, path, flags, mode), path, flags);
}

int creat(const char* path, mode_t mode) { return open(path, O_WRONLY | O_CREAT | O_TRUNC, mode); }

int close(int fd) {
  if (fd >= 0 && fd < kMaxFd) g_fd[fd].store(kNone);
  static auto real = Next<int (*)(int)>("close");
  return real(fd);
}

ssize_t write(int fd, const void* buf, size_t count) {
  const ssize_t budget = WriteBudget(fd, count);
  if (budget < 0) return -1;
  static auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
  return real(fd, buf, static_cast<size_t>(budget));
}

ssize_t pwrite(int fd, const void* buf, size_t count, off_t offset) {
  const ssize_t budget = WriteBudget(fd, count);
  if (budget < 0) return -1;
  static auto real = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
  return real(fd, buf, static_cast<size_t>(budget), offset);
}

ssize_t read(int fd, void* buf, size_t count) {
  if (Tracked(fd) && Mode("readerror")) {
    if (g_fd[fd].exchange(kStarted) == kStarted) return Fail(EIO);
    if (count > 4) count = 4;
  }
  static auto real = Next<ssize_t (*)(int, void*, size_t)>("read");
  return real(fd, buf, count);
}

int fsync(int fd) {
  if (Tracked(fd) && Mode("fsync")) return Fail(EIO);
  static auto real = Next<int (*)(int)>("fsync");
  return real(fd);
}

int fdatasync(int fd) {
  if (Tracked(fd) && Mode("fsync")) return Fail(EIO);
  static auto real = Next<int (*)(int)>("fdatasync");
  return real(fd);
}

int rename(const char* from, const char* to) {
  if ((Mode("readonly") || Mode("rename")) && (Matches(from) || Matches(to))) {
    return Fail(Mode("readonly") ? EROFS : EIO);
  }
  static auto real = Next<int (*)(const char*, const char*)>("rename");
  return real(from, to);
}

int unlink(const char* path) {
  if (Mode("readonly") && Matches(path)) return Fail(EROFS);
  static auto real = Next<int (*)(const char*)>("unlink");
  return real(path);
}

int mkdir(const char* path, mode_t mode) {
  if (Mode("readonly") && Matches(path)) return Fail(EROFS);
  static auto real = Next<int (*)(const char*, mode_t)>("mkdir");
  return real(path, mode);
}

}  // extern "C"
