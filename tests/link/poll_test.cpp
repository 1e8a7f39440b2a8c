// The poll cycle against the simulated line: every monitor table, absent controllers, the end of
// auto-tuning and the communication-error frame.
#include <gtest/gtest.h>

#include "settings/subdisp_set.h"
#include "support/link_test.h"

namespace qd470 {
namespace {

using testing::LinkTest;

constexpr uint16_t kMonitorItems[] = {0x0080, 0x0081, 0x0082, 0x0083, 0x0084, 0x0085,
                                      0x0086, 0x0087, 0x0088, 0x000C, 0x003F};

// A distinct value for every controller and item, negative for odd controllers.
int16_t Sample(int dev, uint16_t item) {
  return static_cast<int16_t>((dev % 2 ? -1 : 1) * (dev * 100 + (item & 0xFF)));
}

const PerDevice& TableOf(const ProgramState& s, uint16_t item) {
  const PerDevice* tables[] = {&s.PvTbl,     &s.Mv1Tbl,  &s.Mv2Tbl,    &s.SvTbl,    &s.RemTimeTbl,
                               &s.PtnStpTbl, &s.AlmStat, &s.TsStatTbl, &s.DevStatus};
  if (item == 0x000C) return s.ManMvTbl();
  if (item == 0x003F) return s.PtnNoTbl();
  return *tables[item - 0x0080];
}

class PollTest : public LinkTest {
 protected:
  void FillLine(int count) {
    for (int d = 0; d < count; ++d) {
      for (uint16_t item : kMonitorItems) sim().SetValue(d, item, Sample(d, item) & ~4);
    }
  }
  void Cycle(int count) {
    for (int i = 0; i < count * 11; ++i) Tick();
  }
};

TEST_F(PollTest, OneCycleFillsEveryMonitorTable) {
  for (int count : {1, 3, 32}) {
    SCOPED_TRACE(count);
    Connect(count, static_cast<int16_t>(count));
    FillLine(count);
    sim().ClearLog();
    Cycle(count);
    for (int d = 0; d < count; ++d) {
      for (uint16_t item : kMonitorItems) {
        EXPECT_EQ(TableOf(p(), item)[d], Sample(d, item) & ~4) << d << " " << item;
      }
      EXPECT_EQ(p().CommErr[d], 0);
    }
    // One read per tick, controller by controller, in item order.
    const auto log = sim().Log();
    ASSERT_EQ(log.size(), static_cast<size_t>(count * 11));
    EXPECT_EQ(log[11 * (count - 1) + 9], (testing::SimLine::Request{count - 1, ' ', 0x000C, {}}));
    EXPECT_EQ(p().Link().poll_dev, 0);
  }
}

TEST_F(PollTest, AnAbsentControllerIsMarkedAndTheCycleGoesOn) {
  Connect(3, 3);
  FillLine(3);
  sim().SetPresent(1, false);
  p().PvTbl[1] = 77;
  Cycle(3);
  EXPECT_EQ(p().CommErr[1], 1);
  EXPECT_EQ(p().PvTbl[1], 77);  // nothing stored from a read without reply
  EXPECT_EQ(p().CommErr[2], 0);
  EXPECT_EQ(p().PvTbl[2], Sample(2, 0x0080));
}

// A controller that gives no reply at all is passed over until the next cycle, in the poll
// steps of the tick and in the poll of every controller at once.
TEST_F(PollTest, ASilentControllerIsPassedOverForTheRestOfTheCycle) {
  Connect(2, 2);
  FillLine(2);
  sim().QueueFault(testing::SimLine::Fault::kSilence);
  Tick();
  EXPECT_EQ(p().Link().poll_dev, 1);
  EXPECT_EQ(p().Link().poll_item, 0);

  p().Link().poll_dev = 0;
  sim().ClearLog();
  sim().QueueFault(testing::SimLine::Fault::kSilence);
  QD470::PollAll(p());
  EXPECT_EQ(sim().Log().size(), 1u + 11u);
  EXPECT_EQ(p().SvTbl[0], 0);
  EXPECT_EQ(p().SvTbl[1], Sample(1, 0x0083) & ~4);
}

// The PID values are read again after auto-tuning, one read a tick before the poll goes on, so
// that events run between the reads.
TEST_F(PollTest, TheEndOfAutoTuningReadsThePidValuesAgainOneReadATick) {
  constexpr size_t kPidReads = 55;
  Connect(1, 1);
  sim().SetValue(0, 0x0088, 4 | 8);
  Cycle(1);
  sim().SetValue(0, 0x2301, 1234);  // block 3, integral time
  sim().SetValue(0, 0x0004, -56);   // fixed-value derivative time
  sim().SetValue(0, 0x0088, 8);
  for (int i = 0; i < 9; ++i) Tick();  // up to the status item
  sim().ClearLog();
  for (size_t i = 0; i < kPidReads; ++i) {
    EXPECT_EQ(p().SendReq2, 0);
    Tick();
    EXPECT_EQ(sim().Log().size(), i + 1);
  }
  EXPECT_EQ(p().BlkData[1][0][3], 1234);
  EXPECT_EQ(p().PrmData[0x04][0], -56);
  EXPECT_EQ(p().SendReq2, 1);
  Tick();
  EXPECT_EQ(sim().Log().back().item, 0x000C);  // the poll goes on where it stopped
  // Only the falling edge does it.
  sim().SetValue(0, 0x2301, 1);
  Cycle(1);
  EXPECT_EQ(p().BlkData[1][0][3], 1234);
}

// The poll of every controller lets events run after each transaction and stops at the next one
// once the program ends.
TEST_F(PollTest, PollAllLetsEventsRunAndStopsWhenTheProgramEnds) {
  int events = 0;
  pump().on_events = [&] {
    if (++events == 3) p().EndReq = -1;
  };
  QD470::PollAll(p());
  EXPECT_EQ(events, 3);
  EXPECT_EQ(sim().Log().size(), 3u);
}

TEST_F(PollTest, CycleEndShowsTheErrorFrameOfTheShownController) {
  Connect(2, 3);
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  screen.cmbName.Clear();
  for (int i = 0; i < 3; ++i) screen.cmbName.AddItem("ch");
  p().PortOpen = 0;  // the selection must not read all settings here
  screen.cmbName.SetListIndex(2);
  p().PortOpen = -1;
  Cycle(3);
  EXPECT_TRUE(screen.frmComerrSet.Visible);
  sim().SetPresent(2, true);
  Cycle(3);
  EXPECT_FALSE(screen.frmComerrSet.Visible);
}

}  // namespace
}  // namespace qd470
