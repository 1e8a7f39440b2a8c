// The atomic replace of the file layer: interrupted saves, clean-up of leftovers, file modes and
// symbolic links, with unnamed and with named temporary files.
#include "model/file_io.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
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

int TempFilesIn(const fs::path& folder) {
  const auto names = Names(folder);
  return static_cast<int>(std::count_if(names.begin(), names.end(), [](const std::string& name) {
    return name.starts_with(kTempFilePrefix);
  }));
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
  for (int kill = 0; kill < 3; ++kill) {
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
  }
  EXPECT_EQ(Bytes(target()), "old");
  EXPECT_LE(TempFilesIn(dir()), GetParam() ? 0 : 1) << "a leftover is removed by the next save";

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
  ASSERT_GE(busy, 0);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);
  ASSERT_FALSE(WriteFileAtomic(target(), "data"));
  ::close(busy);
  EXPECT_EQ(Names(dir()),
            (std::vector<std::string>{ours + "busy", "QD4TYPE.DAT", "QD4TYPE.DAT.tmp123456"}));
}

TEST_P(AtomicWriteTest, NewFileFollowsTheUmaskAndAnOldOneKeepsItsMode) {
  struct Case {
    mode_t umask;
    fs::perms expected;
  };
  for (const Case c :
       {Case{022, fs::perms(0644)}, Case{077, fs::perms(0600)}, Case{002, fs::perms(0664)}}) {
    SCOPED_TRACE(c.umask);
    fs::remove(target());
    const mode_t saved = ::umask(c.umask);
    const std::error_code error = WriteFileAtomic(target(), "new");
    ::umask(saved);
    ASSERT_FALSE(error);
    EXPECT_EQ(fs::status(target()).permissions(), c.expected);
  }
  fs::permissions(target(), fs::perms(0640));
  ASSERT_FALSE(WriteFileAtomic(target(), "again"));
  EXPECT_EQ(fs::status(target()).permissions(), fs::perms(0640));
}

// A save through a symbolic link replaces the file the link points to; the link stays.
TEST_P(AtomicWriteTest, SaveThroughALinkReplacesTheFileItPointsTo) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // link name, what it points to
  };
  const fs::path real = dir() / "real" / "T.DAT";
  const std::vector<Case> cases = {
      {"absolute", {{"QD4TYPE.DAT", real.string()}}},
      {"relative", {{"QD4TYPE.DAT", "real/T.DAT"}}},
      {"chain", {{"QD4TYPE.DAT", "hop"}, {"hop", "real/T.DAT"}}},
      {"dangling", {{"QD4TYPE.DAT", "real/T.DAT"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir());
    fs::create_directories(real.parent_path());
    if (std::string(c.name) != "dangling") std::ofstream(real) << "old";
    for (const auto& [link, to] : c.links) fs::create_symlink(to, dir() / link);

    ASSERT_FALSE(WriteFileAtomic(target(), "new"));
    EXPECT_TRUE(fs::is_symlink(target()));
    EXPECT_EQ(Bytes(real), "new");
    EXPECT_EQ(Names(real.parent_path()), std::vector<std::string>{"T.DAT"});
  }
}

}  // namespace
}  // namespace qd470
