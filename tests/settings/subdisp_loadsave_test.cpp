// The setting-file dialogs: the file dialog's rules, the flags and the refresh after a load,
// the overwrite question, and refusals that leave tables, flags and screen exactly as they were.
#include "settings/subdisp_loadsave.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include "monitor/main_disp.h"
#include "settings/subdisp_set.h"
#include "support/distinct_settings.h"
#include "support/sample_settings.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::SettingTables;

class SettingFileDialogTest : public testing::ProgramTest {
 protected:
  SettingFileDialogTest() {
    testing::FillSampleSettings(p());  // three controllers with plausible settings
    p().Form<MainDisp>().mnuSetDisp_Click();
    screen().cmbName.SetListIndex(1);  // a controller whose sample values are all in range
    screen().mnuYunit.RaiseClick();
  }
  SubDisp_Set& screen() { return p().Form<SubDisp_Set>(); }
  SubDisp_LoadSave& one() { return p().Form<SubDisp_LoadSave>(); }
  SubDisp_AllLoadSave& all() { return p().Form<SubDisp_AllLoadSave>(); }
  std::filesystem::path Setdata(const std::string& name) {
    std::filesystem::create_directories(p().ProgramFolder() / "Setdata");
    return p().ProgramFolder() / "Setdata" / name;
  }
  void Answer(std::optional<std::string> path) { fakes_.file_dialog.answers.push_back(path); }
  static std::string Read(const std::filesystem::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
  }
  // The state a refused click must leave exactly as it was.
  struct Snapshot {
    explicit Snapshot(SettingFileDialogTest& t)
        : tables(t.p()),
          flags{t.p().SelStepNow, t.p().RcvMask},
          sources(t.p().SourceTbl),
          status(t.screen().lblStatus.Caption) {}
    SettingTables tables;
    std::array<int32_t, 2> flags;
    std::array<SettingSource, kMaxDevices> sources;
    std::string status;
    bool operator==(const Snapshot&) const = default;
  };
  void MarkScreen() {
    p().SourceTbl.fill({SettingSource::kLine, 1843});
    p().RcvMask = 0x5;
    p().SelStepNow = 3;
    screen().lblStatus.Caption = "not refreshed";
  }
};

TEST_F(SettingFileDialogTest, SaveChangeLoadBringsTheValueBackFromTheFile) {
  p().PtnData[0][1][0][0] = 1234;
  Answer(Setdata("furnace.dat").string());
  one().Command1(1).RaiseClick();
  const forms::FileDialogRequest& asked = fakes_.file_dialog.requests.at(0);
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.initial_folder, (p().ProgramFolder() / "Setdata").string());
  p().PtnData[0][1][0][0] = 99;
  MarkScreen();
  Answer(Setdata("furnace.dat").string());
  one().Command1(0).RaiseClick();
  EXPECT_FALSE(fakes_.file_dialog.requests.at(1).save);
  EXPECT_EQ(p().PtnData[0][1][0][0], 1234);
  EXPECT_EQ(p().SourceTbl[1], SettingSource{SettingSource::kFile});
  EXPECT_EQ(p().SourceTbl[0], (SettingSource{SettingSource::kLine, 1843}));  // not reset by RcvMask
  EXPECT_EQ(p().RcvMask, 0);
  EXPECT_EQ(p().SelStepNow, -1);
  EXPECT_EQ(screen().lblStatus.Caption, "The reading value of the file");
  EXPECT_TRUE(msg().shown.empty());
}

TEST_F(SettingFileDialogTest, CancelEndsSilentlyAndAnEmptyNameOnlyRefreshes) {
  for (SettingFileForm* dialog :
       {static_cast<SettingFileForm*>(&one()), static_cast<SettingFileForm*>(&all())}) {
    for (int button : {0, 1}) {
      MarkScreen();
      const Snapshot before(*this);
      Answer(std::nullopt);
      dialog->Command1(button).RaiseClick();
      EXPECT_TRUE(Snapshot(*this) == before);
      Answer("");
      dialog->Command1(button).RaiseClick();
      EXPECT_NE(screen().lblStatus.Caption, "not refreshed");
      screen().lblStatus.Caption = "not refreshed";
      EXPECT_TRUE(Snapshot(*this) == before);
    }
  }
  EXPECT_TRUE(msg().shown.empty());
}

TEST_F(SettingFileDialogTest, RefusedLoadsChangeNothingAtAll) {
  testing::FillDistinctSettings(p());
  std::ofstream(Setdata("one.dat")) << FormatSettingFile(p(), OneControllerFile(0));
  std::ofstream(Setdata("fix2.dat")) << FormatSettingFile(p(), AllControllersFile(2));
  std::ofstream(Setdata("short.dat")) << " 1  2  3 ";
  std::ofstream(Setdata("word.dat")) << " 1 x" << FormatSettingFile(p(), OneControllerFile(0));
  std::ofstream(Setdata("big.dat")) << " 40000 " << FormatSettingFile(p(), OneControllerFile(0));
  struct Row {
    bool all_dialog;
    const char* file;
    int message;
  };
  const Row rows[] = {{false, "fix2.dat", 401}, {true, "one.dat", 401},   {false, "short.dat", 402},
                      {true, "fix2.dat", 402},  {false, "none.dat", 402}, {true, "none.dat", 402},
                      {false, "word.dat", 402}, {false, "big.dat", 402}};
  testing::FillDistinctSettings(p(), 4321);
  for (const Row& row : rows) {
    MarkScreen();
    const Snapshot before(*this);
    msg().shown.clear();
    Answer(Setdata(row.file).string());
    (row.all_dialog ? static_cast<SettingFileForm&>(all()) : one()).Command1(0).RaiseClick();
    EXPECT_EQ(msg().Texts(), std::vector<std::string>{p().LoadResString(row.message)}) << row.file;
    EXPECT_TRUE(Snapshot(*this) == before) << row.file;
  }
}

TEST_F(SettingFileDialogTest, NoToTheReplaceQuestionAsksForAnotherName) {
  const auto path = Setdata("kept.dat");
  std::ofstream(path) << "old";
  Answer(path.string());
  Answer(std::nullopt);
  one().Command1(1).RaiseClick();
  ASSERT_EQ(msg().shown.size(), 1u);
  EXPECT_EQ(msg().shown[0].text, p().LoadResString(76));
  EXPECT_EQ(msg().shown[0].buttons, forms::MsgButtons::kYesNo);
  EXPECT_EQ(fakes_.file_dialog.requests.size(), 2u);
  EXPECT_EQ(Read(path), "old");
  msg().answers.push_back(forms::MsgResult::kYes);
  Answer(path.string());
  one().Command1(1).RaiseClick();
  EXPECT_EQ(Read(path), FormatSettingFile(p(), OneControllerFile(1)));
}

// A save that cannot be completed (here the file-size limit of the process) shows 402 and
// leaves the old file as it was, with nothing left beside it.
TEST_F(SettingFileDialogTest, InterruptedSaveLeavesTheOldFileIntact) {
  const auto path = Setdata("all.dat");
  std::ofstream(path) << "old";
  msg().answers.push_back(forms::MsgResult::kYes);
  Answer(path.string());
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  all().Command1(1).RaiseClick();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(msg().Texts().back(), p().LoadResString(402));
  EXPECT_EQ(Read(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1);
}

TEST_F(SettingFileDialogTest, NothingChosenWorksOnControllerZero) {
  testing::FillDistinctSettings(p());
  one().cmbName(0).SetListIndex(-1);
  Answer(Setdata("zero.dat").string());
  one().Command1(1).RaiseClick();
  EXPECT_EQ(Read(Setdata("zero.dat")), FormatSettingFile(p(), OneControllerFile(0)));
}

TEST_F(SettingFileDialogTest, EndUnloadsAndRefreshes) {
  MarkScreen();
  one().Command1(2).RaiseClick();
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_LoadSave>());
  EXPECT_NE(screen().lblStatus.Caption, "not refreshed");
}

}  // namespace
}  // namespace qd470
