// The program object: folder, forms on first use, main screen caption and exit question.
#include <gtest/gtest.h>

#include <cstdlib>

#include "monitor/main_disp.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::ProgramTest;

TEST_F(ProgramTest, CreatesItsFolderAndFindsDataFilesThere) {
  EXPECT_TRUE(std::filesystem::is_directory(p().ProgramFolder()));
  EXPECT_EQ(p().DataFile(p().TypeFileName), p().ProgramFolder() / "QD4TYPE.DAT");
}

TEST_F(ProgramTest, MainScreenIsTitledByStringOne) {
  EXPECT_EQ(p().Form<MainDisp>().Caption, "QD-470 Monitoring software");
}

TEST_F(ProgramTest, ExitQuestionNoKeepsTheProgramYesEndsIt) {
  auto& host = p().Forms();
  host.RequestClose(p().Form<MainDisp>());
  ASSERT_EQ(msg().shown.size(), 1u);
  EXPECT_EQ(msg().shown[0].buttons, forms::MsgButtons::kYesNo);
  EXPECT_EQ(msg().shown[0].title, p().LoadResString(72));
  EXPECT_TRUE(host.IsLoaded<MainDisp>());
  EXPECT_EQ(p().EndReq, 0);

  msg().answers.push_back(forms::MsgResult::kYes);
  host.RequestClose(p().Form<MainDisp>());
  EXPECT_FALSE(host.IsLoaded<MainDisp>());
  EXPECT_EQ(p().EndReq, -1);
}

class JapaneseProgramTest : public ProgramTest {
 protected:
  JapaneseProgramTest() : ProgramTest(Language::kJapanese) {}
};

TEST_F(JapaneseProgramTest, TextsComeFromTheJapaneseTable) {
  EXPECT_NE(p().LoadResString(1), "QD-470 Monitoring software");
  EXPECT_FALSE(p().LoadResString(1).empty());
}

TEST(DefaultProgramFolder, FollowsXdgDataHomeElseHome) {
  const char* old_xdg = std::getenv("XDG_DATA_HOME");
  std::string saved = old_xdg ? old_xdg : "";
  std::string saved_home = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_DATA_HOME", "/tmp/xdg-test", 1);
  EXPECT_EQ(DefaultProgramFolder(), std::filesystem::path("/tmp/xdg-test/qd470"));
  setenv("XDG_DATA_HOME", "", 1);
  setenv("HOME", "/home/op", 1);
  EXPECT_EQ(DefaultProgramFolder(), std::filesystem::path("/home/op/.local/share/qd470"));
  if (old_xdg)
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
  setenv("HOME", saved_home.c_str(), 1);
}

}  // namespace
}  // namespace qd470
