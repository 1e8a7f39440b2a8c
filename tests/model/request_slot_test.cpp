// Tests of the request slot of the one-item writes.
#include "model/request_slot.h"

#include <gtest/gtest.h>

#include <array>

namespace qd470 {
namespace {

void Target(ProgramState& s, int16_t ch, int16_t ptn, int16_t item, int16_t idx, int16_t val) {
  s.SetCh = ch;
  s.SetPtn = ptn;
  s.EditItem = item;
  s.EditIdx = idx;
  s.SendVal = val;
}

TEST(RequestSlot, QueuedWriteIsNotRedirectedByLaterChanges) {
  ProgramState state;
  Target(state, 3, 2, 18, 7, 125);
  QueueWrite(state);
  EXPECT_EQ(state.SendReq, 1);
  // The settings screen moves on: another controller, pattern, item, step and value.
  Target(state, 9, 5, 0, 1, -40);
  const PendingWrite& w = state.Pending.front();
  EXPECT_EQ((std::array{w.SetCh, w.SetPtn, w.EditItem, w.EditIdx, w.SendVal}),
            (std::array<int16_t, 5>{3, 2, 18, 7, 125}));
  EXPECT_EQ(w.item, 0x1271);  // step time of pattern 2, step 7
}

TEST(RequestSlot, WriteQueuedDuringAJobKeepsTheJobWord) {
  for (int16_t job : {2, 3, 4, 5}) {
    ProgramState state;
    state.SendReq = job;
    Target(state, 1, 0, 33, 0, 250);
    QueueWrite(state);
    EXPECT_EQ(state.SendReq, job);
    EXPECT_EQ(state.Pending.size(), 1u);
  }
}

}  // namespace
}  // namespace qd470
