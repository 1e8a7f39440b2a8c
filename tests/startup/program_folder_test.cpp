// The program folder at start-up: where it is, what happens when it cannot be created, and data
// files addressed through it whatever the current folder and whatever stands at their names.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "model/comm_cond_record.h"
#include "model/file_io.h"
#include "model/file_names.h"
#include "monitor/main_disp.h"
#include "settings/subdisp_sset.h"
#include "startup/qd470_module.h"
#include "support/operator.h"
#include "support/sim_line.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

namespace fs = std::filesystem;

// Sets (nullptr: unsets) an environment variable while it lives.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Put(value);
  }
  ~ScopedEnv() { Put(old_ ? old_->c_str() : nullptr); }

 private:
  void Put(const char* value) { value ? ::setenv(name_, value, 1) : ::unsetenv(name_); }
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DefaultProgramFolder, IsAlwaysAbsolute) {
  const fs::path account = ::getpwuid(::getuid())->pw_dir;
  struct Case {
    const char* xdg_data_home;  // nullptr: unset
    const char* home;
    fs::path expected;
  };
  const Case cases[] = {
      {"/srv/data/", "/home/op", "/srv/data/qd470"},
      {"data", "/home/op", "/home/op/.local/share/qd470"},  // a relative one is ignored
      {nullptr, nullptr, account / ".local/share/qd470"},   // the account's home folder
      {nullptr, "home", account / ".local/share/qd470"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.xdg_data_home ? c.xdg_data_home : "(unset)") + ", " +
                 (c.home ? c.home : "(unset)"));
    ScopedEnv xdg("XDG_DATA_HOME", c.xdg_data_home);
    ScopedEnv home("HOME", c.home);
    EXPECT_EQ(DefaultProgramFolder(), c.expected);
  }
}

// A program folder that cannot be created or written: no exception, a message and the same line
// on standard error naming the folder and the reason, and no main screen.
TEST(ProgramFolder, FailureIsReportedAndStopsTheStart) {
  testing::TempFolder temp;
  const fs::path file = temp.path() / "file";
  std::ofstream(file) << "x";
  const fs::path read_only = temp.path() / "read-only";
  fs::create_directories(read_only / "qd470");
  struct Case {
    const char* name;
    fs::path folder;
    int text;
    bool needs_permissions;  // root ignores them
  };
  const Case cases[] = {
      {"a regular file as its parent", file / "qd470", 440, false},
      {"a regular file in its place", file, 440, false},
      {"a read-only parent", read_only / "new", 440, true},
      {"a read-only folder", read_only / "qd470", 441, true},
  };
  fs::permissions(read_only / "qd470", fs::perms(0555));
  fs::permissions(read_only, fs::perms(0555));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needs_permissions && ::geteuid() == 0) continue;
    testing::FakeServices fakes;
    std::unique_ptr<Program> p;
    ASSERT_NO_THROW(p = std::make_unique<Program>(c.folder, fakes.Bundle(), Language::kEnglish));
    ASSERT_TRUE(p->FolderError());

    ::testing::internal::CaptureStderr();
    QD470::Main(*p);
    const std::string error_output = ::testing::internal::GetCapturedStderr();

    ASSERT_EQ(fakes.message_box.shown.size(), 1u);
    const std::string& text = fakes.message_box.shown[0].text;
    EXPECT_TRUE(text.starts_with(p->LoadResString(c.text))) << text;
    EXPECT_NE(text.find(c.folder.string()), std::string::npos) << text;
    EXPECT_NE(text.find(p->FolderError().message()), std::string::npos) << text;
    EXPECT_EQ(error_output, text + "\n");
    EXPECT_FALSE(p->Forms().IsLoaded<MainDisp>());
  }
  fs::permissions(read_only, fs::perms(0755));
  fs::permissions(read_only / "qd470", fs::perms(0755));
}

class StartupFilesTest : public testing::ProgramTest {
 protected:
  // The init file is there and the port file names a simulated line with settings not read at
  // start, so that the only message left is the one under test.
  StartupFilesTest() {
    SetDataFileNames(p(), p().LoadResString(1));
    EXPECT_FALSE(WriteFileAtomic(p().DataFile(p().InitFileName), EncodeCommCond({1, 0, 0, 1})));
    EXPECT_FALSE(WriteFileAtomic(p().DataFile(p().PortFileName), line_.SlavePath() + "\n"));
  }
  testing::SimLine line_{1};
  fs::path TypeFile() { return p().DataFile(p().TypeFileName); }
};

// The first-start dialog's OK writes the type file into the program folder, and start-up leaves
// the current folder alone.
TEST_F(StartupFilesTest, FirstStartWritesIntoTheProgramFolderWhateverTheCurrentFolder) {
  const fs::path elsewhere = folder_.path() / "elsewhere";
  fs::create_directory(elsewhere);
  const fs::path saved = fs::current_path();
  fs::current_path(elsewhere);
  testing::ScriptOperator(p());
  QD470::Main(p());
  const fs::path current = fs::current_path();
  fs::current_path(saved);

  EXPECT_EQ(current, elsewhere);
  EXPECT_TRUE(fs::is_empty(elsewhere));
  EXPECT_EQ(fs::file_size(TypeFile()), 512u);
  EXPECT_TRUE(msg().shown.empty());
  EXPECT_TRUE(p().Forms().IsLoaded<MainDisp>());
}

// A type file that is a FIFO or an endless device is a read error at start-up (the defaults
// message), never a wait and never a read without end.
TEST_F(StartupFilesTest, TypeFileThatIsNoRegularFileGivesTheDefaultsMessage) {
  for (const bool fifo : {true, false}) {
    fs::remove_all(TypeFile());
    if (fifo) {
      ASSERT_EQ(::mkfifo(TypeFile().c_str(), 0644), 0);
    } else {
      fs::create_symlink("/dev/zero", TypeFile());
    }
    msg().shown.clear();
    p().Forms().SetModalScript([](forms::Form& f) {
      if (dynamic_cast<SubDisp_SSet*>(&f)) FAIL() << "the first-start dialog was shown";
      testing::AnswerModal(f);
    });
    QD470::Main(p());
    EXPECT_EQ(msg().Texts(), std::vector<std::string>{p().LoadResString(467)});
    EXPECT_TRUE(p().Forms().IsLoaded<MainDisp>());
  }
}

}  // namespace
}  // namespace qd470
