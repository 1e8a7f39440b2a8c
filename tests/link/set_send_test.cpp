// The one-item write against the simulated line: retry, refusal, the setting-mode access, and
// writes queued while a write or a job is under way.
#include <gtest/gtest.h>

#include "editing/subdisp_tenkey.h"
#include "model/request_slot.h"
#include "model/setting_catalogue.h"
#include "monitor/main_disp.h"
#include "settings/default_settings.h"
#include "settings/subdisp_set.h"
#include "support/link_test.h"

namespace qd470 {
namespace {

using testing::LinkTest;
using testing::SimLine;
using Request = SimLine::Request;

class SetSendTest : public LinkTest {
 protected:
  void Queue(int16_t ch, int16_t item, int16_t idx, int16_t value, int16_t ptn = 0) {
    p().SetCh = ch;
    p().SetPtn = ptn;
    p().EditItem = item;
    p().EditIdx = idx;
    p().SendVal = value;
    QueueWrite(p());
  }
  std::vector<Request> Writes() {
    std::vector<Request> out;
    for (const Request& r : sim().Log()) {
      if (r.cmd != ' ') out.push_back(r);
    }
    return out;
  }
};

// After a busy or garbled reply the write waits for the poll of another controller, then goes out
// again to the same place, whatever the settings screen shows meanwhile.
TEST_F(SetSendTest, AWriteIsSentAgainAfterBusyOrGarbleAndNeverRedirected) {
  for (auto fault : {SimLine::Fault::kEsc, SimLine::Fault::kGarbage}) {
    SCOPED_TRACE(static_cast<int>(fault));
    sim().ClearLog();
    ShowOnScreen(5, 4);
    Queue(4, 18, 3, -90, 2);  // step time of pattern 2, step 3: item 1231
    sim().QueueFault(fault);
    Tick();
    EXPECT_EQ(p().SendReq, 1);
    EXPECT_TRUE(p().Form<SubDisp_Set>().txtSetWait.Visible);
    // The settings screen moves on to another controller and item meanwhile.
    p().SetCh = 9, p().EditItem = 0, p().EditIdx = 1, p().SetPtn = 5;
    for (int i = 0; i < 12 && p().SendReq == 1; ++i) Tick();
    EXPECT_EQ(p().SendReq, 0);
    EXPECT_FALSE(p().Form<SubDisp_Set>().txtSetWait.Visible);
    EXPECT_EQ(Writes(), (std::vector<Request>{{4, 'P', 0x1231, -90}, {4, 'P', 0x1231, -90}}));
    EXPECT_EQ(sim().Log().size(), 2u + 11u);  // controller 0 polled in full between them
    EXPECT_EQ(sim().Value(4, 0x1231), -90);
  }
}

// While the controller of the write is silent, busy or garbled, the write waits for the poll of
// another controller between two attempts: the cycle goes on and its end shows the error frame.
TEST_F(SetSendTest, AFailingWriteKeepsThePollCycleGoing) {
  for (auto fault : {SimLine::Fault::kSilence, SimLine::Fault::kEsc, SimLine::Fault::kGarbage}) {
    for (int count : {3, 1}) {  // alone on the line, the write's controller still ends cycles
      SCOPED_TRACE(::testing::Message() << static_cast<int>(fault) << " " << count);
      Connect(count, static_cast<int16_t>(count));
      const int16_t dev = static_cast<int16_t>(count / 2);
      SubDisp_Set& screen = ShowOnScreen(count, dev);
      screen.frmComerrSet.Visible = false;
      sim().SetFault(dev, fault);
      sim().SetValue(count - 1, 0x0080, 222);
      Queue(dev, 33, 0, 55);
      for (int i = 0; i < count * 11; ++i) Tick();
      EXPECT_TRUE(screen.frmComerrSet.Visible);
      if (count > 1) {
        EXPECT_EQ(p().PvTbl[count - 1], 222);  // the others are polled meanwhile
      }
      EXPECT_EQ(p().SendReq, 1);
      sim().SetFault(dev, std::nullopt);
      for (int i = 0; i < count * 11 && p().SendReq == 1; ++i) Tick();
      EXPECT_EQ(p().SendReq, 0);
      EXPECT_EQ(sim().Value(dev, 0x0001), 55);
      for (const Request& w : Writes()) EXPECT_EQ(w, (Request{dev, 'P', 0x0001, 55}));
    }
  }
}

TEST_F(SetSendTest, ARefusalIsShownOnceAndDropped) {
  sim().SetRange(0x0001, -100, 100);
  Queue(1, 33, 0, 500);
  p().Pending.back().before = 7;
  p().PrmData[0x01][1] = 99;  // replaced since the edit (a file loaded): it stays
  Tick();
  Tick();
  EXPECT_EQ(p().PrmData[0x01][1], 99);
  EXPECT_EQ(p().SendReq, 0);
  EXPECT_TRUE(p().Pending.empty());
  EXPECT_EQ(msg().Texts(),
            std::vector<std::string>{p().LoadResString(468) + "\n" + p().LoadResString(469)});
  EXPECT_EQ(Writes().size(), 1u);
}

// The operator holds the manual MV's up arrow: the first step is written and refused, and the
// steps its auto-repeat made meanwhile are dropped when the box opens: nothing follows OK.
TEST_F(SetSendTest, AnArrowHeldThroughARefusalWritesNothingAfterTheBox) {
  MainDisp& main = p().Form<MainDisp>();
  p().DevStatus[0] = kStatManual;
  p().PrmData[0x1C][0] = 1000;  // output high limit
  p().ManMvTbl()[0] = 30;
  main.PtnManDisp();
  sim().SetRange(0x000C, 0, 30);
  forms::UpDown& arrow = main.updAMman(0);
  Operate(main, &arrow, [&] { arrow.Up(); });
  pump().on_events = [&] {
    if (!msg().shown.empty()) return;
    p().Forms().RunInput({&main, &arrow, false, true}, [&] { arrow.Up(); });
  };
  Tick();
  Tick();
  EXPECT_EQ(msg().shown.size(), 1u);
  EXPECT_EQ(Writes(), (std::vector<Request>{{0, 'P', 0x000C, 31}}));
}

TEST_F(SetSendTest, OutputLimitsArePrecededByTheSettingModeAccessEveryTime) {
  struct Row {
    int64_t idle_ms;  // time since the last accepted write
    int16_t setting;
    uint16_t item;
    bool asks_for_mode;
  };
  const Row rows[] = {{0, 44, 0x001D, true},
                      {1000, 45, 0x0022, false},  // still in setting mode: the word is read only
                      {SimLine::kModeHoldMs + 1, 44, 0x001D, true}};
  int16_t value = 30;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.idle_ms);
    sim().AdvanceClock(row.idle_ms);
    sim().ClearLog();
    Queue(2, row.setting, 0, ++value);
    for (int i = 0; i < 3 && p().SendReq == 1; ++i) Tick();  // one transaction a tick
    EXPECT_EQ(p().SendReq, 0);
    EXPECT_EQ(sim().Value(2, row.item), value);
    std::vector<Request> expected{{2, 'a', 0x0000, {}}};
    if (row.asks_for_mode) expected.push_back({2, 'q', 0x0000, 1});
    expected.push_back({2, 'P', row.item, value});
    EXPECT_EQ(Writes(), expected);
  }
  EXPECT_TRUE(msg().shown.empty());
}

// The mode read of a silent controller ends the attempt: no stall on the write and the mode
// request behind it.
TEST_F(SetSendTest, AnOutputLimitToASilentControllerTakesOneTransactionATick) {
  sim().SetFault(2, SimLine::Fault::kSilence);
  Queue(2, 44, 0, 30);
  Tick();
  EXPECT_EQ(Writes(), (std::vector<Request>{{2, 'a', 0x0000, {}}}));
  EXPECT_EQ(p().SendReq, 1);
}

// Writes wait their turn: a busy controller keeps its writes, in order, while writes to the
// others go out; the same place edited again sends only the newer value, where it stood; each
// press of a command goes out.
TEST_F(SetSendTest, EveryWaitingWriteLandsInOrderAndOnlyTheNewestValueOfAPlace) {
  Connect(3, 3);
  sim().SetFault(1, SimLine::Fault::kEsc);
  Queue(1, 17, 0, 123);  // step SV of pattern 0, step 0
  Tick();                // busy: the write waits for the poll
  Queue(0, 33, 0, 7);    // another controller
  Queue(1, 17, 2, 9);    // another place of the busy one
  Queue(1, 17, 0, 124);  // the first place again
  Queue(1, 96, 0, 1);    // ADV, twice
  Queue(1, 96, 0, 1);
  Queue(1, 0, 4, 50, 3);  // a block item twice: the pattern shown is no part of its place
  Queue(1, 0, 4, 51, 7);
  for (int i = 0; i < 12; ++i) Tick();
  sim().SetFault(1, std::nullopt);
  sim().ClearLog();
  for (int i = 0; i < 40 && p().SendReq == 1; ++i) Tick();
  EXPECT_EQ(p().SendReq, 0);
  EXPECT_EQ(sim().Value(0, 0x0001), 7);
  EXPECT_EQ(Writes(), (std::vector<Request>{{1, 'P', 0x1000, 124},
                                            {1, 'P', 0x1020, 9},
                                            {1, 'P', 0x0044, 1},
                                            {1, 'P', 0x0044, 1},
                                            {1, 'P', *WireItemMap(0, 0, 4), 51}}));
}

// A refused write leaves memory and the screen at the value held before the first waiting edit
// of the place, the SV limit that a scaling limit pulled along included.
TEST_F(SetSendTest, ARefusedWriteRestoresTheValueHeldBeforeItsFirstEdit) {
  Datainitial(p());
  p().PrmData[0x2C][0] = 500;  // scaling high
  p().PrmData[0x27][0] = 400;  // SV high limit
  SubDisp_Set& screen = ShowOnScreen(32, 0);
  screen.SetDispUpDate();
  const std::string shown = screen.lblStlh.Caption;
  sim().SetFault(0, SimLine::Fault::kEsc);
  for (std::string_view keys : {"450\r", "300\r"}) {  // the second pulls the SV high limit down
    OpenPadFromMainScreen(p(), 0, 69, "", 396, nullptr);
    for (int key : keys) p().Form<SubDisp_Tenkey>().txtNewSet.RaiseKeyPress(key);
    Tick();
  }
  sim().SetFault(0, SimLine::Fault::kNak);
  for (int i = 0; i < 14 && p().SendReq == 1; ++i) Tick();
  EXPECT_EQ(msg().shown.size(), 1u);
  EXPECT_EQ(p().PrmData[0x2C][0], 500);
  EXPECT_EQ(p().PrmData[0x27][0], 400);
  EXPECT_EQ(screen.lblStlh.Caption, shown);
  EXPECT_FALSE(screen.txtSetWait.Visible);
}

// Reads outside the jobs (the end of auto-tuning, a controller chosen on the settings screen,
// the poll between its groups) leave a place whose write waits: the waiting value goes out, and
// the read still counts as whole.
TEST_F(SetSendTest, AReadOutsideAJobLeavesAPlaceWhoseWriteWaits) {
  Connect(2, 2);
  const uint16_t band = *WireItemMap(0, 0, 9);  // OUT1 proportional band of block 9
  sim().SetValue(1, band, 77);
  sim().SetValue(1, 0x000C, 30);
  p().BlkData[0][1][9] = 55;
  Queue(1, 0, 9, 55);
  p().ManMvTbl()[1] = 40;
  Queue(1, 103, 0, 40);
  sim().QueueFault(SimLine::Fault::kEsc);
  Tick();  // busy: both writes wait
  p().Link().at_end.push_back(1);
  while (!p().Link().at_end.empty()) QD470::AtEndRecv(p());
  EXPECT_EQ(p().BlkData[0][1][9], 55);
  int16_t dev = 1;
  QD470::SetAllRecv(p(), dev);
  EXPECT_EQ(p().BlkData[0][1][9], 55);
  EXPECT_EQ(p().ManMvTbl()[1], 40);
  EXPECT_EQ(p().SetLoadMask, 0b10);  // read whole
  for (int i = 0; i < 30 && p().SendReq == 1; ++i) Tick();
  EXPECT_EQ(sim().Value(1, band), 55);
  EXPECT_EQ(sim().Value(1, 0x000C), 40);
}

TEST_F(SetSendTest, AWriteQueuedDuringAJobGoesOutAfterIt) {
  Connect(1, 1);
  p().CommState = 7;
  p().SendReq = 3;  // receive all
  int pumps = 0;
  pump().on_events = [&] {
    if (++pumps == 5) Queue(0, 36, 0, 77);
  };
  Tick();
  pump().on_events = nullptr;
  EXPECT_EQ(pumps, kAllPlaces);  // the job ran to its end
  EXPECT_EQ(p().SendReq, 1);
  Tick();  // still in job state: held back, polled instead
  EXPECT_EQ(sim().Value(0, 0x0004), 0);
  p().CommState = 1;
  Tick();
  EXPECT_EQ(sim().Value(0, 0x0004), 77);
  EXPECT_EQ(p().SendReq, 0);
}

}  // namespace
}  // namespace qd470
