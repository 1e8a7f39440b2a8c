// Tests of the request slot of the one-item write.
#include "model/request_slot.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(state.Pending.back().SetCh, 3);
  EXPECT_EQ(state.Pending.back().SetPtn, 2);
  EXPECT_EQ(state.Pending.back().EditItem, 18);
  EXPECT_EQ(state.Pending.back().EditIdx, 7);
  EXPECT_EQ(state.Pending.back().SendVal, 125);
  EXPECT_EQ(state.SendReq, 1);
}

TEST(RequestSlot, NewerRequestReplacesPendingOne) {
  ProgramState state;
  Target(state, 3, 2, 18, 7, 125);
  QueueWrite(state);
  Target(state, 0, 0, 98, 7, 1);  // RUN on the main screen
  QueueWrite(state);
  EXPECT_EQ(state.SendReq, 1);
  EXPECT_EQ(state.Pending.back().SetCh, 0);
  EXPECT_EQ(state.Pending.back().SetPtn, 0);
  EXPECT_EQ(state.Pending.back().EditItem, 98);
  EXPECT_EQ(state.Pending.back().EditIdx, 7);
  EXPECT_EQ(state.Pending.back().SendVal, 1);
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
