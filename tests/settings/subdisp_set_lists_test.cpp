// The list handlers of the settings screen: store the chosen code, queue its write, and the
// controller and pattern selectors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/main_disp.h"
#include "settings/default_settings.h"
#include "settings/subdisp_set.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

class ComboHandlersTest : public testing::ProgramTest {
 protected:
  ComboHandlersTest() {
    Datainitial(p());
    s().cmbSelptn.SetListIndex(1);
    s().cmbName.SetListIndex(2);
    p().SendReq = 0;
  }
  SubDisp_Set& s() { return p().Form<SubDisp_Set>(); }
};

struct ListRow {
  const char* list;
  int setting;
  int code;  // PrmData code
};

// The handler, its setting number and where the code is stored.
const ListRow kLists[] = {
    {"cmbAl3f", 48, 0x0F},     {"cmbAl4f", 49, 0x10},    {"cmbATmd", 93, 0x0D},
    {"cmbCact", 65, 0x21},     {"cmbDp", 71, 0x2E},      {"cmbLock", 79, 0x31},
    {"cmbStsel", 81, 0x33},    {"cmbRtyst", 82, 0x34},   {"cmbTmsel", 83, 0x35},
    {"cmbStptime", 84, 0x36},  {"cmbStptemp", 85, 0x37}, {"cmbSvhold", 87, 0x39},
    {"cmbTrselect", 76, 0x29}, {"cmbTS1sel", 88, 0x3A},  {"cmbTS2sel", 89, 0x3B},
    {"cmbTS3sel", 90, 0x3C},   {"cmbTS4sel", 91, 0x3D},  {"cmbTS5sel", 92, 0x3E}};

TEST_F(ComboHandlersTest, ChangedEntryIsStoredAndQueuedForTheShownController) {
  for (const ListRow& r : kLists) {
    SCOPED_TRACE(r.list);
    auto& list = *s().FindAs<forms::ComboBox>(r.list);
    p().PrmData[r.code][2] = 0;
    p().PrmData[r.code][5] = 0;
    p().SendReq = 0;
    p().SendReq2 = 0;
    p().SetCh = 5;  // moved by a main-screen command since the refresh
    list.SetListIndex(1);
    EXPECT_EQ(p().PrmData[r.code][2], 1);
    EXPECT_EQ(p().PrmData[r.code][5], 0);
    EXPECT_EQ(p().SendReq, 1);
    EXPECT_EQ(p().EditItem, r.setting);
    EXPECT_EQ(p().SendVal, 1);
    EXPECT_EQ(p().Pending.back().EditItem, r.setting);
    EXPECT_EQ(p().Pending.back().SendVal, 1);
    EXPECT_EQ(p().Pending.back().SetCh, 2);
    EXPECT_EQ(p().SendReq2, r.setting == 71 ? 1 : 0);
  }
}

TEST_F(ComboHandlersTest, EqualEntryDoesNothing) {
  for (const ListRow& r : kLists) {
    SCOPED_TRACE(r.list);
    auto& list = *s().FindAs<forms::ComboBox>(r.list);
    p().PrmData[r.code][2] = 1;
    p().SendReq = 0;
    p().SendReq2 = 0;
    p().EditItem = 3;
    list.SetListIndex(1);
    EXPECT_EQ(p().SendReq, 0);
    EXPECT_EQ(p().SendReq2, 0);
    EXPECT_EQ(p().EditItem, 3);
  }
}

TEST_F(ComboHandlersTest, PatternLinkStoresZeroOrOneForTheShownPattern) {
  p().PtnCom[1][2][1] = 0;
  s().cmbChain.SetListIndex(1);
  EXPECT_EQ(p().PtnCom[1][2][1], 1);
  EXPECT_EQ(p().Pending.back().EditItem, 32);
  EXPECT_EQ(p().Pending.back().SendVal, 1);
  EXPECT_EQ(p().Pending.back().SetPtn, 1);
  EXPECT_EQ(p().Pending.back().SetCh, 2);
  p().SendReq = 0;
  s().cmbChain.SetListIndex(0);
  EXPECT_EQ(p().PtnCom[1][2][1], 0);
  EXPECT_EQ(p().Pending.back().SendVal, 0);
  EXPECT_EQ(p().SendReq, 1);
  p().SendReq = 0;
  s().cmbChain.SetListIndex(0);
  EXPECT_EQ(p().SendReq, 0);
  EXPECT_EQ(p().PtnCom[1][2][0], 0);  // other patterns untouched
}

TEST_F(ComboHandlersTest, AlarmThreeFunctionShowsAndHidesItsItems) {
  p().PrmData[0x0F][2] = 5;
  s().SetDispUpDate();
  p().SendReq = 0;
  s().cmbAl3f.SetListIndex(13);
  EXPECT_EQ(p().PrmData[0x0F][2], 13);
  EXPECT_EQ(p().Pending.back().EditItem, 48);
  EXPECT_EQ(p().Pending.back().SendVal, 13);
  for (forms::Control* c : std::vector<forms::Control*>{
           &s().Label4(2), &s().lblA3(0), &s().lblA3(9), &s().Label8(4), &s().lblA3hy,
           &s().Label8(8), &s().lblA3dy, &s().lblFix(8), &s().lblFalm3}) {
    EXPECT_FALSE(c->Visible) << c->FullName();
  }
  EXPECT_TRUE(s().lblA4(0).Visible);
  s().cmbAl3f.SetListIndex(1);
  EXPECT_TRUE(s().lblA3(5).Visible);
  EXPECT_TRUE(s().lblFalm3.Visible);
  EXPECT_TRUE(s().Label8(8).Visible);
}

TEST_F(ComboHandlersTest, AlarmFourFunctionRule) {
  const std::pair<int, bool> rows[] = {{0, false}, {1, true}, {12, true}, {13, false}};
  p().PrmData[0x10][2] = 3;
  for (const auto& [f, shown] : rows) {
    SCOPED_TRACE(f);
    s().lblA4hy.Visible = !shown;
    s().cmbAl4f.SetListIndex(f);
    EXPECT_EQ(s().lblA4hy.Visible, shown);
    EXPECT_EQ(s().lblA4(3).Visible, shown);
  }
  // Picking the stored entry leaves the items as they are.
  s().lblA4hy.Visible = true;
  s().cmbAl4f.SetListIndex(13);
  EXPECT_TRUE(s().lblA4hy.Visible);
}

TEST_F(ComboHandlersTest, ControllerChoiceReadsWithTheTimerStoppedThenShows) {
  auto& timer = p().Form<MainDisp>().tmrComm;
  timer.Enabled = true;
  std::vector<int> reads;
  bool timer_during_read = true;
  s().ReadAllSettings = [&](int16_t& dev) {
    reads.push_back(dev);
    timer_during_read = timer.Enabled;
    p().PtnCom[0][dev][1] = 42;  // what the read brought in
  };
  s().cmbName.SetListIndex(6);
  EXPECT_EQ(reads, std::vector<int>{6});
  EXPECT_FALSE(timer_during_read);
  EXPECT_TRUE(timer.Enabled);
  EXPECT_EQ(p().SetCh, 6);
  EXPECT_EQ(s().ShownCh(), 6);
  EXPECT_EQ(s().lblRep.Caption, "42");
  EXPECT_EQ(p().SendReq, 0);
}

TEST_F(ComboHandlersTest, WithoutALinkTheControllerChoiceReadsNothing) {
  p().PortOpen = 0;
  p().PrmData[0x31][7] = 1;
  s().cmbName.SetListIndex(7);
  EXPECT_EQ(p().PrmData[0x31][7], 1);
  EXPECT_EQ(p().RcvMask, 0);
  EXPECT_EQ(p().SetLoadMask, 0);
  EXPECT_EQ(s().cmbLock.ListIndex(), 1);
}

TEST_F(ComboHandlersTest, PatternChoiceShowsThatPatternAndSendsNothing) {
  p().PtnCom[0][2][8] = 9;
  s().cmbSelptn.SetListIndex(8);
  EXPECT_EQ(p().SetPtn, 8);
  EXPECT_EQ(s().lblRep.Caption, "9");
  EXPECT_EQ(p().SendReq, 0);
}

}  // namespace
}  // namespace qd470
