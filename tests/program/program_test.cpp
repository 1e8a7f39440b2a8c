// The program object: folder, forms on first use, main screen caption and exit question.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qd470
