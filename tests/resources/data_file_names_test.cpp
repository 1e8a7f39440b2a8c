// Tests of the choice of the data file names by the language of string 1.
#include <gtest/gtest.h>

#include "model/file_names.h"
#include "model/program_state.h"
#include "resources/strings.h"

namespace qd470 {
namespace {

void ExpectEnglishNames(const ProgramState& state) {
  EXPECT_EQ(state.TypeFileName, "QD4TYPE.DAT");
  EXPECT_EQ(state.InitFileName, "QD4INIT.DAT");
  EXPECT_EQ(state.ChartFileName, "QD4CHART.DAT");
  EXPECT_EQ(state.NameFileName, "QD4NAME.DAT");
  EXPECT_EQ(state.PwFileName, "QD4PW.DAT");
  EXPECT_EQ(state.PortFileName, "QD4PORT.DAT");
}

void ExpectJapaneseNames(const ProgramState& state) {
  EXPECT_EQ(state.TypeFileName, "QD4TYPEJP.DAT");
  EXPECT_EQ(state.InitFileName, "QD4INITJP.DAT");
  EXPECT_EQ(state.ChartFileName, "QD4CHARTJP.DAT");
  EXPECT_EQ(state.NameFileName, "QD4NAMEJP.DAT");
  EXPECT_EQ(state.PwFileName, "QD4PWJP.DAT");
  EXPECT_EQ(state.PortFileName, "QD4PORTJP.DAT");
}

TEST(DataFileNames, EnglishTitleGivesEnglishNames) {
  ProgramState state;
  SetDataFileNames(state, ResString(Language::kEnglish, 1));
  ExpectEnglishNames(state);
}

TEST(DataFileNames, JapaneseTitleGivesJapaneseNames) {
  ProgramState state;
  SetDataFileNames(state, ResString(Language::kJapanese, 1));
  ExpectJapaneseNames(state);
}

TEST(DataFileNames, AnyTextOtherThanTheExactEnglishTitleGivesJapaneseNames) {
  for (const char* title :
       {"", "QD-470 Monitoring software ", "QD-470 monitoring software", "QD-470 Monitoring"}) {
    SCOPED_TRACE(title);
    ProgramState state;
    SetDataFileNames(state, title);
    ExpectJapaneseNames(state);
  }
}

TEST(DataFileNames, SettingAgainReplacesEveryName) {
  ProgramState state;
  SetDataFileNames(state, "QD-470 モニタリングソフトウェア");
  ExpectJapaneseNames(state);
  SetDataFileNames(state, "QD-470 Monitoring software");
  ExpectEnglishNames(state);
}

}  // namespace
}  // namespace qd470
