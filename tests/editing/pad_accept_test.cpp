// Acceptance on the numeric pad: refusals, the store into the tables and labels, the write
// request, the time items, the scaling limits, the main screen's opener and the pad's own copy
// of its target.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "editing/pad_fixture.h"
#include "model/request_slot.h"

namespace qd470::testing {
namespace {

constexpr int kCh = 2;
constexpr int kPtn = 1;

class PadAcceptTest : public PadTest {
 protected:
  PadAcceptTest() {
    Device(kCh, 0, kOneDecimalInput);
    Show(kCh, kPtn);
  }
  // Every value caption of the settings screen, by control name.
  std::map<std::string, std::string> ScreenCaptions() {
    std::map<std::string, std::string> out;
    for (const auto& c : s().Controls()) {
      if (auto* l = dynamic_cast<forms::Label*>(c.get())) out[l->FullName()] = l->Caption;
    }
    return out;
  }
  int16_t& StepSv(int step) { return p().PtnData[0][kCh][kPtn][step]; }
  int16_t& StepTime(int step) { return p().PtnData[1][kCh][kPtn][step]; }
};

void ExpectPending(const ProgramState& st, int ch, int ptn, int item, int idx, int val) {
  EXPECT_EQ(st.SendReq, 1);
  EXPECT_EQ(st.Pending.back().SetCh, ch);
  EXPECT_EQ(st.Pending.back().SetPtn, ptn);
  EXPECT_EQ(st.Pending.back().EditItem, item);
  EXPECT_EQ(st.Pending.back().EditIdx, idx);
  EXPECT_EQ(st.Pending.back().SendVal, val);
}

TEST_F(PadAcceptTest, ChangedValueIsStoredShownQueuedAndThePadCloses) {
  const uint64_t profile = s().picSprog.Revision();
  DblClick("lblSV", 3);
  pad().cmdOK_Click();  // nothing typed: nothing happens
  EXPECT_TRUE(PadOpen());
  Click("1234");
  pad().cmdOK_Click();
  EXPECT_FALSE(PadOpen());
  EXPECT_EQ(StepSv(3), 1234);
  EXPECT_EQ(L("lblSV", 3).Caption, "123.4");
  EXPECT_EQ(p().SendVal, 1234);
  ExpectPending(p(), kCh, kPtn, 17, 3, 1234);
  EXPECT_GT(s().picSprog.Revision(), profile);  // the profile is redrawn
  EXPECT_TRUE(msg().shown.empty());
}

TEST_F(PadAcceptTest, UnchangedValueRequestsNoWriteAndKeepsAPendingOne) {
  StepSv(4) = 250;
  DblClick("lblRep");
  Type("7\r");  // queued: the repeat count
  L("lblSV", 4).Caption = "stale";
  const uint64_t profile = s().picSprog.Revision();
  DblClick("lblSV", 4);
  Type("250\r");
  EXPECT_FALSE(PadOpen());
  EXPECT_EQ(L("lblSV", 4).Caption, "25.0");
  EXPECT_EQ(p().SendVal, 250);
  EXPECT_EQ(s().picSprog.Revision(), profile);
  ExpectPending(p(), kCh, kPtn, 31, p().Pending.back().EditIdx, 7);
}

// With as many writes waiting as the queue holds, a new place is refused before anything is
// stored; a new value of a waiting place still replaces it.
TEST_F(PadAcceptTest, AnEditBeyondTheWaitingWritesIsRefusedUnstored) {
  p().PortOpen = -1;
  DblClick("lblSV", 3);
  Type("100\r");
  p().Pending.resize(kMaxWaitingWrites, p().Pending.back());
  const std::string shown = L("lblSV", 4).Caption;
  DblClick("lblSV", 4);
  Type("200\r");
  EXPECT_EQ(msg().Texts(), std::vector<std::string>{p().LoadResString(589)});
  EXPECT_NE(StepSv(4), 200);
  EXPECT_EQ(L("lblSV", 4).Caption, shown);
  DblClick("lblSV", 3);
  Type("300\r");
  EXPECT_EQ(StepSv(3), 300);
  EXPECT_EQ(p().Pending.front().SendVal, 300);
  p().PortOpen = 0;  // without a line nothing is sent: settings prepared for a file are not bound
  DblClick("lblSV", 4);
  Type("200\r");
  EXPECT_EQ(StepSv(4), 200);
}

TEST_F(PadAcceptTest, LimitsAreInclusiveAndARefusalKeepsThePadOpen) {
  struct Row {
    std::string keys;
    bool accepted;
  };
  // Anti-reset windup: 0 to 100.
  const Row rows[] = {{"0", true}, {"100", true}, {"101", false}, {"1-", false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.keys);
    p().BlkData[3][kCh][1] = 50;
    msg().shown.clear();
    DblClick("lblArw", 1);
    Type(r.keys);
    const std::string shown = Box();
    pad().cmdOK_Click();
    EXPECT_EQ(PadOpen(), !r.accepted);
    if (r.accepted) {
      EXPECT_EQ(p().BlkData[3][kCh][1], std::stoi(r.keys));
      EXPECT_TRUE(msg().shown.empty());
      continue;
    }
    EXPECT_EQ(msg().Texts(), std::vector<std::string>{"The value is out of the range."});
    EXPECT_EQ(p().BlkData[3][kCh][1], 50);
    EXPECT_TRUE(pad().lblInput.Caption->empty());  // the entry is emptied,
    EXPECT_EQ(Box(), shown);                       // the box keeps the refused text
    Type("9");
    EXPECT_EQ(Box(), "9");
    pad().cmdCAN_Click();
  }
}

TEST_F(PadAcceptTest, AutoTuningRefusesEveryEntryAndClosesThePad) {
  for (std::string keys : {"", "999"}) {
    SCOPED_TRACE(keys);
    p().DevStatus[kCh] = 0;
    DblClick("lblArw", 1);
    Type(keys);
    p().DevStatus[kCh] = 4;
    msg().shown.clear();
    p().SendVal = -3;
    pad().cmdOK_Click();
    EXPECT_FALSE(PadOpen());
    EXPECT_EQ(msg().Texts(), std::vector<std::string>{
                                 "Unsetting:During auto- tuning. It ends setting operation."});
    EXPECT_EQ(p().SendVal, -3);
    EXPECT_EQ(p().SendReq, 0);
  }
}

TEST_F(PadAcceptTest, TimeItemsCombineTheTypedHalfWithTheOtherLabel) {
  struct Row {
    int16_t ctrl_type;
    std::string label;  // double-clicked, member 2
    int16_t stored;     // minutes before
    std::string keys;
    int16_t expected;
    std::string hours, minutes;  // the two labels afterwards
  };
  const Row rows[] = {
      {0, "lblTmM", 125, "30", 150, "2", "30"}, {0, "lblTsonH", 5, "1", 65, "1", "5"},
      {1, "lblTmM", 125, "1-", -1, "0", "-1"},  // -1 minutes: no step time
      {1, "lblTmH", -1, "3", 180, "3", "0"},    {1, "lblTmH", -1, "0", -1, "0", "-1"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.label + " " + r.keys);
    Device(kCh, r.ctrl_type, kOneDecimalInput);
    const bool step = r.label.starts_with("lblTm");
    int16_t& element = step ? StepTime(2) : p().BlkData[16][kCh][2];
    element = r.stored;
    Show(kCh, kPtn);
    DblClick(r.label, 2);
    Type(r.keys + "\r");
    EXPECT_EQ(element, r.expected);
    EXPECT_EQ(p().SendVal, r.expected);
    EXPECT_EQ(L(step ? "lblTmH" : "lblTsonH", 2).Caption, r.hours);
    EXPECT_EQ(L(step ? "lblTmM" : "lblTsonM", 2).Caption, r.minutes);
  }
}

TEST_F(PadAcceptTest, ScalingLimitsPullTheSvLimitsIn) {
  struct Row {
    std::string label;
    std::string keys;
    int sv_code;
    bool pulled;
  };
  const Row rows[] = {
      {"lblStlh", "5000", 0x27, true},   // below the SV high limit
      {"lblStlh", "9000", 0x27, false},  // above it
      {"lblStll", "1000", 0x28, true},   // above the SV low limit
      {"lblStll", "1500-", 0x28, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.label + " " + r.keys);
    Device(kCh, 0, kDcInput, 0);
    p().PrmData[0x27][kCh] = 8000;
    p().PrmData[0x28][kCh] = 0;
    p().SendReq2 = 0;
    Show(kCh, kPtn);
    DblClick(r.label);
    Type(r.keys + "\r");
    const int16_t typed = static_cast<int16_t>(p().SendVal);
    EXPECT_EQ(p().PrmData[r.sv_code][kCh], r.pulled ? typed : (r.sv_code == 0x27 ? 8000 : 0));
    EXPECT_EQ(p().SendReq2, r.pulled ? 1 : 0);
    ExpectPending(p(), kCh, p().SetPtn, r.label == "lblStlh" ? 69 : 70, p().EditIdx, typed);
  }
}

TEST_F(PadAcceptTest, MainScreenPatternNumberStoresWithoutTouchingTheSettingsScreen) {
  p().PtnNoTbl()[5] = 5;
  const auto captions = ScreenCaptions();
  OpenPadFromMainScreen(p(), 5, 95, "5", 396);
  EXPECT_EQ(pad().lblNow.Caption, "5");
  EXPECT_EQ(pad().lblLimit.Caption, " 0 to 9 ");
  Type("3\r");
  EXPECT_EQ(p().PtnNoTbl()[5], 3);
  ExpectPending(p(), 5, p().SetPtn, 95, p().EditIdx, 3);
  EXPECT_EQ(ScreenCaptions(), captions);
  // A number past the pattern count is refused.
  OpenPadFromMainScreen(p(), 5, 95, "3", 396);
  Type("10\r");
  EXPECT_TRUE(PadOpen());
  EXPECT_EQ(p().PtnNoTbl()[5], 3);
}

TEST_F(PadAcceptTest, NumbersWithoutARowStoreNothingAndClose) {
  for (int16_t item : {65, 96}) {  // a list's setting, an operator command
    SCOPED_TRACE(item);
    p().SendVal = -8;
    OpenPadFromMainScreen(p(), kCh, item, "1", 396);
    Type("1\r");
    EXPECT_FALSE(PadOpen());
    EXPECT_EQ(p().SendVal, -8);
    EXPECT_EQ(p().SendReq, 0);
  }
}

// The pad stays on the setting it was opened for, whatever happens to the request slot and the
// settings screen meanwhile.
TEST_F(PadAcceptTest, OkActsOnTheTargetThePadWasOpenedFor) {
  Device(0, 0, kOneDecimalInput);
  StepTime(6) = 5;
  DblClick("lblTmH", 6);
  Show(0, 0);     // the screen moves to another controller and pattern
  p().SetCh = 7;  // a main-screen control writes the slot
  p().EditItem = 98;
  const auto captions = ScreenCaptions();
  Type("1\r");
  EXPECT_EQ(StepTime(6), 65);  // the minutes came from the table, not from controller 0's label
  EXPECT_EQ(p().PtnData[1][0][0][6], 0);
  ExpectPending(p(), kCh, kPtn, 18, 6, 65);
  EXPECT_EQ(ScreenCaptions(), captions);
}

TEST_F(PadAcceptTest, ADoubleClickDoesNotMoveAPendingWrite) {
  DblClick("lblSV", 3);
  Type("900\r");
  DblClick("lblTmM", 5);
  DblClick("lblP", 1);
  Show(0);
  ExpectPending(p(), kCh, kPtn, 17, 3, 900);
}

TEST_F(PadAcceptTest, ASecondDoubleClickRetargetsAndKeepsTheEntry) {
  DblClick("lblSV", 3);
  Type("123");
  EXPECT_EQ(Box(), "12.3");
  DblClick("lblRep");
  EXPECT_EQ(Box(), "123");  // shown at once with the new item's decimals
  EXPECT_EQ(pad().OpenNear, p().Form<SubDisp_Set>().Find("lblRep"));  // moved there, in front
  EXPECT_EQ(pad().lblLimit.Caption, " 0 to 9999 ");
  Type("\r");
  EXPECT_EQ(p().PtnCom[0][kCh][kPtn], 123);
  EXPECT_NE(StepSv(3), 123);
}

TEST_F(PadAcceptTest, ThePadEditsTheShownControllerWithTheFocusInTheEntryBox) {
  p().SetCh = 9;  // moved by a main-screen command: the pad edits the controller shown
  DblClick("lblSV", 3);
  EXPECT_EQ(pad().Target().SetCh, kCh);
  EXPECT_FALSE(pad().Modal());  // a second label can be double-clicked while it is open
  EXPECT_EQ(pad().FocusedControl(), &pad().txtNewSet);
}

}  // namespace
}  // namespace qd470::testing
