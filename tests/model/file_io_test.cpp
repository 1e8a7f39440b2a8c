// The atomic replace of the file layer: interrupted saves, clean-up of leftovers, file modes and
// symbolic links, with unnamed and with named temporary files.
#include "model/file_io.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "support/test_program.h"

namespace qd470 {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The names in `folder`, sorted.
std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class AtomicWriteTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { AtomicWriteSeamsForTests().unnamed_temp = GetParam(); }
  void TearDown() override { AtomicWriteSeamsForTests() = {}; }

  const fs::path& dir() const { return folder_.path(); }
  fs::path target() const { return dir() / "QD4TYPE.DAT"; }

  testing::TempFolder folder_;
};

INSTANTIATE_TEST_SUITE_P(UnnamedAndNamedTemp, AtomicWriteTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Unnamed" : "Named"; });

// The process dies once the new data is written, before it replaces the old file: the old file
// is whole, and no temporary file outlives the next save in the folder (an unnamed one none at
// all).
TEST_P(AtomicWriteTest, SaveKilledBeforeTheRenameLeavesNoTemporaryFile) {
  ASSERT_FALSE(WriteFileAtomic(target(), "old"));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    AtomicWriteSeamsForTests().before_replace = [] { ::_exit(0); };
    WriteFileAtomic(target(), "new");
    ::_exit(1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the hook was not reached";
  EXPECT_EQ(Bytes(target()), "old");
  EXPECT_EQ(Names(dir()).size(), GetParam() ? 1u : 2u);

  ASSERT_FALSE(WriteFileAtomic(dir() / "other.dat", "x"));
  EXPECT_EQ(Names(dir()), (std::vector<std::string>{"QD4TYPE.DAT", "other.dat"}));
}

// The clean-up removes only our temporary files that no save holds (a save holds its own locked).
TEST_P(AtomicWriteTest, CleanUpSparesFilesInUseAndFilesNotOurs) {
  const std::string ours(kTempFilePrefix);
  for (const std::string& name :
       std::vector<std::string>{ours + "left", ours + "busy", "QD4TYPE.DAT.tmp123456"}) {
    std::ofstream(dir() / name) << "x";
  }
  const int busy = ::open((dir() / (ours + "busy")).c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);
  ASSERT_FALSE(WriteFileAtomic(target(), "data"));
  ::close(busy);
  EXPECT_EQ(Names(dir()),
            (std::vector<std::string>{ours + "busy", "QD4TYPE.DAT", "QD4TYPE.DAT.tmp123456"}));
}

TEST_P(AtomicWriteTest, NewFileFollowsTheUmask) {
  for (const mode_t mask : {022, 077}) {
    fs::remove(target());
    const mode_t saved = ::umask(mask);
    const std::error_code error = WriteFileAtomic(target(), "new");
    ::umask(saved);
    ASSERT_FALSE(error);
    EXPECT_EQ(fs::status(target()).permissions(), fs::perms(0666 & ~mask)) << mask;
  }
}

// A save through symbolic links (relative, then absolute) replaces the file they point to, which
// need not exist yet; the links stay.
TEST_P(AtomicWriteTest, SaveThroughLinksReplacesTheFileTheyPointTo) {
  const fs::path real = dir() / "real" / "T.DAT";
  fs::create_directory(real.parent_path());
  fs::create_symlink("hop", target());
  fs::create_symlink(real, dir() / "hop");
  for (const char* bytes : {"new", "newer"}) {
    ASSERT_FALSE(WriteFileAtomic(target(), bytes));
    EXPECT_TRUE(fs::is_symlink(target()));
    EXPECT_EQ(Bytes(real), bytes);
    EXPECT_EQ(Names(real.parent_path()), std::vector<std::string>{"T.DAT"});
  }
}

// A target the save may not replace is refused before any temporary file is made and stays as it
// was: a FIFO, a character device (made only as root) and a write-protected file (which root may
// write, so not as root).
TEST_P(AtomicWriteTest, TargetThatIsNoWritableRegularFileIsRefusedAndKept) {
  const bool root = ::geteuid() == 0;
  const struct {
    const char* what;
    bool runs;
    std::function<void(const fs::path&)> make;
    fs::file_type type;
  } kRows[] = {
      {"fifo", true, [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0666), 0); },
       fs::file_type::fifo},
      {"device", root,
       [](const fs::path& at) { ASSERT_EQ(::mknod(at.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0); },
       fs::file_type::character},
      {"read-only", !root,
       [](const fs::path& at) {
         std::ofstream(at) << "old";
         fs::permissions(at, fs::perms(0444));
       },
       fs::file_type::regular},
  };
  for (const auto& row : kRows) {
    if (!row.runs) continue;
    SCOPED_TRACE(row.what);
    const fs::path real = dir() / row.what;
    row.make(real);
    fs::create_symlink(real.filename(), target());
    EXPECT_TRUE(WriteFileAtomic(target(), "new"));
    EXPECT_EQ(fs::symlink_status(real).type(), row.type);
    if (row.type == fs::file_type::regular) {
      EXPECT_EQ(Bytes(real), "old");
    }
    EXPECT_EQ(Names(dir()), (std::vector<std::string>{"QD4TYPE.DAT", row.what}));
    fs::remove(target());
    fs::remove(real);
  }
}

}  // namespace
}  // namespace qd470
