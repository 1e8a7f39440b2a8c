// Sections of the settings screen by the controller's specification record, the alarm function
// lists, the fixed-value tab and the edit lock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/default_settings.h"
#include "settings/subdisp_set.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

class VisibilityTest : public testing::ProgramTest {
 protected:
  VisibilityTest() { Datainitial(p()); }
  SubDisp_Set& s() { return p().Form<SubDisp_Set>(); }
  // Shows controller 2 with the given record.
  void ShowWith(const TypeRec& rec) {
    p().DevRec[2] = rec;
    s().cmbName.SetListIndex(2);
  }
  bool Shown(const std::string& name, int index = -1) {
    auto* c = s().Find(name, index);
    EXPECT_NE(c, nullptr) << name;
    return c && c->Visible;
  }
  // True when every listed control has the expected visibility.
  void ExpectAll(const std::vector<std::pair<std::string, int>>& controls, bool shown) {
    for (const auto& [name, index] : controls) {
      EXPECT_EQ(Shown(name, index), shown) << name << "(" << index << ")";
    }
  }
};

TEST_F(VisibilityTest, ScalingShownForDcInputsOnly) {
  struct Row {
    int16_t ctrl_type, in_range;
    bool shown;
  };
  const Row rows[] = {{1, 12, false}, {0, 40, false}, {1, 34, true},  {-1, 28, true},
                      {1, 43, true},  {1, 44, false}, {1, 33, false}, {0, 12, true},
                      {0, 14, true},  {0, 30, true},  {0, 15, false}, {0, 27, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE("CtrlType " + std::to_string(r.ctrl_type) + " InRange " +
                 std::to_string(r.in_range));
    TypeRec rec;
    rec.CtrlType = r.ctrl_type;
    rec.InRange = r.in_range;
    ShowWith(rec);
    ExpectAll({{"Label9", 0},
               {"lblStlh", -1},
               {"Label9", 1},
               {"lblStll", -1},
               {"Label9", 2},
               {"cmbDp", -1}},
              r.shown);
  }
}

TEST_F(VisibilityTest, AlarmOneAndTwoByTheirType) {
  const std::pair<int16_t, bool> rows[] = {{0, false},  {1, true},   {12, true}, {13, false},
                                           {14, false}, {15, false}, {16, true}, {-1, true}};
  for (const auto& [type, shown] : rows) {
    SCOPED_TRACE("type " + std::to_string(type));
    TypeRec rec;
    rec.Al1Type = type;
    rec.Al2Type = static_cast<int16_t>(type == 0 ? 1 : 0);  // the other alarm the other way
    ShowWith(rec);
    ExpectAll({{"Label4", 0},
               {"lblA1", 0},
               {"lblA1", 9},
               {"Label8", 2},
               {"lblA1hy", -1},
               {"Label8", 6},
               {"lblA1dy", -1},
               {"lblFix", 6},
               {"lblFalm1", -1}},
              shown);
    ExpectAll({{"Label4", 1},
               {"lblA2", 0},
               {"lblA2", 9},
               {"Label8", 3},
               {"lblA2hy", -1},
               {"Label8", 7},
               {"lblA2dy", -1},
               {"lblFix", 7},
               {"lblFalm2", -1}},
              type == 0);
  }
}

TEST_F(VisibilityTest, LoopBreakTransmissionAndTimeSignalsShownOnlyForZero) {
  for (int16_t v : {0, 1, -1}) {
    SCOPED_TRACE("value " + std::to_string(v));
    TypeRec rec;
    rec.LoopAlmNone = v;
    rec.TrsNone = v;
    rec.TsNone = v;
    ShowWith(rec);
    ExpectAll({{"Label8", 10}, {"lblLpt", -1}, {"Label8", 11}, {"lblLph", -1}}, v == 0);
    EXPECT_EQ(Shown("frmOTtrs"), v == 0);
    ExpectAll({{"frmTsptn", -1},
               {"frmTsbk", -1},
               {"Label40", 10},
               {"Label40", 14},
               {"cmbTS1sel", -1},
               {"cmbTS5sel", -1}},
              v == 0);
  }
}

TEST_F(VisibilityTest, SecondOutputByType) {
  const std::vector<std::pair<std::string, int>> out2 = {
      {"Label3", 4},   {"lblPB", 0},     {"lblPB", 9},    {"lblOlhb", 0},  {"lblOllb", 9},
      {"lblFix", 5},   {"lblFPb", -1},   {"Label5", 2},   {"Label5", 3},   {"Label10", 5},
      {"cmbCact", -1}, {"Label10", 3},   {"lblHysb", -1}, {"Label10", 4},  {"lblDb", -1},
      {"lblFix", 12},  {"lblFOlhb", -1}, {"lblFix", 13},  {"lblFOllb", -1}};
  const std::vector<std::pair<std::string, int>> cycle = {{"Label10", 2}, {"lblCycb", -1}};
  struct Row {
    int16_t type;
    bool items, cycle;
  };
  for (const Row& r : {Row{0, false, false}, Row{2, true, false}, Row{1, true, true},
                       Row{3, true, true}, Row{-1, true, true}}) {
    SCOPED_TRACE("Out2Type " + std::to_string(r.type));
    TypeRec rec;
    rec.Out2Type = r.type;
    ShowWith(rec);
    ExpectAll(out2, r.items);
    ExpectAll(cycle, r.cycle);
    EXPECT_TRUE(Shown("lblCyc"));  // OUT1 items stay
  }
}

TEST_F(VisibilityTest, ControllerTypeRulesTheQd485FrameFixedTabAndAlarmLists) {
  struct Row {
    int16_t ctrl_type;
    bool qd485, fixed_tab;
    int functions;
  };
  for (const Row& r : {Row{0, true, true, 14}, Row{1, false, false, 16}, Row{-1, false, true, 14},
                       Row{2, false, true, 14}}) {
    SCOPED_TRACE("CtrlType " + std::to_string(r.ctrl_type));
    TypeRec rec;
    rec.CtrlType = r.ctrl_type;
    ShowWith(rec);
    EXPECT_EQ(s().frmOTout48X.Visible, r.qd485);
    EXPECT_EQ(s().Wbk.TabEnabled(3), r.fixed_tab);
    EXPECT_EQ(s().Wbk.SetTab(3), r.fixed_tab);
    s().Wbk.SetTab(0);
    EXPECT_TRUE(s().Wbk.TabEnabled(2));
    EXPECT_EQ(s().cmbAl3f.ListCount(), r.functions);
    EXPECT_EQ(s().cmbAl4f.ListCount(), r.functions);
    EXPECT_EQ(s().cmbAl3f.List(r.functions - 1), p().LoadResString(245 + r.functions - 1));
  }
}

TEST_F(VisibilityTest, AlarmFunctionBeyondTheListStoresNoAlarmAndQueuesIt) {
  p().PrmData[0x0F][2] = 14;
  p().PrmData[0x10][2] = 13;
  ShowWith(TypeRec{});
  EXPECT_EQ(s().cmbAl3f.ListIndex(), 0);
  EXPECT_EQ(s().cmbAl3f.Text(), "No alarm action");
  EXPECT_EQ(p().PrmData[0x0F][2], 0);
  EXPECT_EQ(p().SendReq, 1);
  EXPECT_EQ(p().Pending.back().EditItem, 48);
  EXPECT_EQ(p().Pending.back().SendVal, 0);
  EXPECT_EQ(p().Pending.back().SetCh, 2);
  // Alarm 4 holds 13, inside the list: shown as it is, nothing queued for it.
  EXPECT_EQ(s().cmbAl4f.Text(), "Pattern end output");
  EXPECT_EQ(p().PrmData[0x10][2], 13);
  EXPECT_FALSE(s().lblA3(0).Visible);
  EXPECT_FALSE(s().lblFalm4.Visible);
}

TEST_F(VisibilityTest, AlarmFunctionInsideTheListQueuesNothing) {
  p().PrmData[0x0F][2] = 15;
  TypeRec rec;
  rec.CtrlType = 1;
  ShowWith(rec);
  EXPECT_EQ(s().cmbAl3f.ListIndex(), 15);
  EXPECT_EQ(p().PrmData[0x0F][2], 15);
  EXPECT_EQ(p().SendReq, 0);
}

// The alarm 3 and 4 items follow the function of the controller shown, also when another
// controller is chosen whose stored function equals the list entry.
TEST_F(VisibilityTest, AlarmThreeItemsFollowTheShownController) {
  p().PrmData[0x0F][1] = 13;
  p().PrmData[0x0F][2] = 5;
  s().cmbName.SetListIndex(1);
  EXPECT_FALSE(s().Label4(2).Visible);
  EXPECT_FALSE(s().lblA3hy.Visible);
  s().cmbName.SetListIndex(2);
  EXPECT_TRUE(s().Label4(2).Visible);
  EXPECT_TRUE(s().lblA3(9).Visible);
  EXPECT_TRUE(s().lblFalm3.Visible);
  EXPECT_EQ(p().SendReq, 0);
}

TEST_F(VisibilityTest, AutoTuningLocksEveryEditControlButTheControllerList) {
  p().DevStatus[2] = 4 | 8;
  TypeRec rec;
  rec.Out2Type = 0;  // hidden items are locked as well
  ShowWith(rec);
  for (const auto& c : s().Controls()) {
    bool edit =
        c->Kind() == forms::ControlKind::kComboBox ||
        (c->Kind() == forms::ControlKind::kLabel && static_cast<forms::Label*>(c.get())->Sunken);
    if (!edit) continue;
    EXPECT_EQ(c->Enabled, c->Name() == "cmbName") << c->FullName();
  }
  EXPECT_FALSE(s().lblPB(3).Enabled);
  EXPECT_FALSE(s().lblPB(3).Visible);
  EXPECT_EQ(s().cmbAl3f.ListCount(), 14);  // rebuilt before the lock
  EXPECT_TRUE(s().Wbk.Enabled);
  EXPECT_TRUE(s().mnuUser.Enabled);

  s().cmbName.SetListIndex(3);  // not tuning
  EXPECT_TRUE(s().cmbSelptn.Enabled);
  EXPECT_TRUE(s().lblTsonM(15).Enabled);
  EXPECT_TRUE(s().cmbAl4f.Enabled);
  EXPECT_TRUE(s().lblPB(3).Enabled);
}

TEST_F(VisibilityTest, OtherStatusBitsDoNotLock) {
  p().DevStatus[2] = 1 | 2 | 8 | 16 | 32;
  ShowWith(TypeRec{});
  EXPECT_TRUE(s().cmbLock.Enabled);
  EXPECT_TRUE(s().lblSV(0).Enabled);
}

}  // namespace
}  // namespace qd470
