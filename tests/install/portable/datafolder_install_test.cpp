// SPDX-License-Identifier: GPL-3.0-or-later
// Where the data of an installed and of a portable copy goes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <grp.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <string>

#include "storage/datafolder.h"

namespace {

namespace fs = std::filesystem;

class TScratch {
 public:
  TScratch() {
    std::string pattern = (fs::temp_directory_path() / "tamrix-install-XXXXXX").string();
    if (::mkdtemp(pattern.data())) m_path = pattern;
  }
  ~TScratch() {
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const auto& e : fs::recursive_directory_iterator(m_path, ec)) {
      if (e.is_directory(ec)) fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(m_path, ec);
  }
  // The folder, made when missing, as the program names it: ending with "/".
  std::string Dir(const std::string& name) const {
    fs::create_directories(m_path / name);
    return (m_path / name).string() + "/";
  }
  void Touch(const std::string& file) const { std::ofstream(m_path / file) << "[Main]\r\n"; }
  const fs::path& Path() const { return m_path; }

 private:
  fs::path m_path;
};

// Root may write anything, so a folder root cannot write needs another user:
// check runs in a child process as "nobody", its exit status is the answer.
constexpr uid_t kNobody = 65534;
bool TrueForNobody(const std::function<bool()>& check) {
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
    ::_exit(dropped && check() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

const TUserDirs kUser{"/home/u/.cfg", "/home/u"};
const std::string kUserData = "/home/u/.cfg/tamrix/";

struct SystemRow {
  const char* program;
};

// Installed copies keep their data in the user's configuration folder even
// where the running user could write beside the program: root can write
// /usr/bin, yet a package's folder is no place for one user's settings.
TEST(InstalledCopy, SystemFoldersAreNeverPortable) {
  const SystemRow rows[] = {
      {"/usr/bin/tamrix"},       {"/usr/local/bin/tamrix"}, {"/bin/tamrix"},
      {"/opt/tamrix/bin/tamrix"}, {"/usr/games/tamrix"},    {"/snap/tamrix/x1/usr/bin/tamrix"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ResolveProgramDir(row.program, std::nullopt, kUser), kUserData) << row.program;
  }
  // Without $XDG_CONFIG_HOME: ~/.config.
  EXPECT_EQ(ResolveProgramDir("/usr/bin/tamrix", std::nullopt, TUserDirs{"", "/home/u"}), "/home/u/.config/tamrix/");
  // --dir still wins for an installed copy.
  EXPECT_EQ(ResolveProgramDir("/usr/bin/tamrix", std::string("/data"), kUser), "/data/");
}

// The test runs as root in CI: /usr/bin really is writable then, which is
// the case the rule above exists for.
TEST(InstalledCopy, WritableSystemFolderStillUsesTheUsersFolder) {
  if (::access("/usr/bin", W_OK) != 0) GTEST_SKIP() << "/usr/bin is not writable for this user";
  EXPECT_EQ(ResolveProgramDir("/usr/bin/tamrix", std::nullopt, kUser), kUserData);
}

TEST(PortableCopy, KeepsItsDataBesideItself) {
  TScratch scratch;
  // A folder of the user's own: portable, with or without a settings file.
  const std::string own = scratch.Dir("stick");
  EXPECT_EQ(ResolveProgramDir(own + "tamrix", std::nullopt, kUser), own);
  scratch.Touch("stick/Tamrix.ini");
  EXPECT_EQ(ResolveProgramDir(own + "tamrix", std::nullopt, kUser), own);
  // A read-only folder with "Tamrix.ini" beside the program: the settings
  // file marks it as portable.
  const std::string marked = scratch.Dir("readonly");
  scratch.Touch("readonly/Tamrix.ini");
  ::chmod(marked.c_str(), 0555);
  EXPECT_EQ(ResolveProgramDir(marked + "tamrix", std::nullopt, kUser), marked);
  // The same folder without it, the user's own but not writable: the
  // user's folder.
  const std::string bare = scratch.Dir("bare");
  ::chmod(bare.c_str(), 0555);
  const auto unwritableIsNotPortable = [&] {
    return ::access(bare.c_str(), W_OK) != 0 &&
           ResolveProgramDir(bare + "tamrix", std::nullopt, kUser) == kUserData;
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(unwritableIsNotPortable());
  } else {
    ASSERT_EQ(::chown(bare.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(scratch.Path().c_str(), 0711), 0);
    EXPECT_TRUE(TrueForNobody(unwritableIsNotPortable));
  }
}

// A writable folder that belongs to somebody else is not this user's copy.
TEST(PortableCopy, WritableFolderOfAnotherUserIsNotPortable) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a folder away";
  TScratch scratch;
  const std::string theirs = scratch.Dir("theirs");
  ASSERT_EQ(::chmod(theirs.c_str(), 0777), 0);
  ASSERT_EQ(::chown(theirs.c_str(), 4242, 4242), 0);
  EXPECT_EQ(ResolveProgramDir(theirs + "tamrix", std::nullopt, kUser), kUserData);
  // Their settings file beside the program makes it a portable copy again.
  scratch.Touch("theirs/Tamrix.ini");
  EXPECT_EQ(ResolveProgramDir(theirs + "tamrix", std::nullopt, kUser), theirs);
}

}  // namespace
