// Tests of the queue of one-item writes: what a new write replaces, what a refusal restores, and
// the bound beyond which an edit is refused.
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

// The operator sets `val` where memory held `before` (none: a command).
bool Queue(ProgramState& s, int16_t ch, int16_t ptn, int16_t item, int16_t idx, int16_t val,
           std::optional<int16_t> before = std::nullopt) {
  Target(s, ch, ptn, item, idx, val);
  return QueueWrite(s, before);
}

TEST(RequestSlot, QueuedWriteIsNotRedirectedByLaterChanges) {
  ProgramState state;
  Queue(state, 3, 2, 18, 7, 125);
  EXPECT_EQ(state.SendReq, 1);
  // The settings screen moves on: another controller, pattern, item, step and value.
  Target(state, 9, 5, 0, 1, -40);
  ASSERT_EQ(state.Pending.size(), 1u);
  const PendingWrite& w = state.Pending.front();
  EXPECT_EQ((std::array{w.SetCh, w.SetPtn, w.EditItem, w.EditIdx, w.SendVal}),
            (std::array<int16_t, 5>{3, 2, 18, 7, 125}));
  EXPECT_EQ(w.item, 0x1271);  // step time of pattern 2, step 7
}

// Another place waits behind; the same place takes the newer value where it stands; commands
// are never merged.
TEST(RequestSlot, OnlyAWriteOfTheSamePlaceIsReplaced) {
  ProgramState state;
  Queue(state, 1, 0, 17, 0, 7, 5);
  Queue(state, 1, 0, 17, 2, 9, 6);
  Queue(state, 1, 3, 0, 4, 50, 40);  // a block item: the pattern shown is no part of its place
  Queue(state, 1, 0, 98, 0, 1);      // RUN, twice
  QueueWrite(state);
  Queue(state, 1, 0, 17, 0, 8, 7);
  Queue(state, 1, 7, 0, 4, 51, 50);
  std::vector<std::pair<int16_t, int16_t>> queued;  // setting and value, in queue order
  for (const PendingWrite& w : state.Pending) queued.push_back({w.EditItem, w.SendVal});
  EXPECT_EQ(queued, (std::vector<std::pair<int16_t, int16_t>>{
                        {17, 8}, {17, 9}, {0, 51}, {98, 1}, {98, 1}}));
  EXPECT_EQ(state.Pending.front().before, 5);  // held before the first waiting edit
}

// 7 held, 9 waits, 11 replaces it and is refused: 7 again, with the SV limit pulled along.
TEST(RequestSlot, ARefusalRestoresTheValueHeldBeforeTheFirstWaitingEdit) {
  ProgramState state;
  Queue(state, 2, 0, 33, 0, 9, 7);
  Queue(state, 2, 0, 33, 0, 11, 9);
  state.PrmData[0x01][2] = 11;
  Queue(state, 2, 0, 69, 0, 300, 500);  // scaling high, which pulled the SV high limit from 400
  NotePulled(state, 0x27, 400);
  state.PrmData[0x2C][2] = 300;
  state.PrmData[0x27][2] = 300;
  for (const PendingWrite& w : std::deque<PendingWrite>(state.Pending)) UndoWrite(state, w.seq);
  EXPECT_EQ(state.PrmData[0x01][2], 7);
  EXPECT_EQ(state.PrmData[0x2C][2], 500);
  EXPECT_EQ(state.PrmData[0x27][2], 400);
  EXPECT_TRUE(state.Pending.empty());
  EXPECT_EQ(state.SendReq, 0);
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

// Beyond the bound only a write that replaces a waiting one of its place finds room.
TEST(RequestSlot, AFullQueueTakesOnlyANewValueOfAWaitingPlace) {
  ProgramState state;
  state.PortOpen = -1;
  Target(state, 0, 0, 96, 0, 1);
  for (size_t i = 0; i + 1 < kMaxWaitingWrites; ++i) QueueWrite(state);
  Target(state, 0, 0, 33, 0, 1);
  EXPECT_TRUE(QueueWrite(state, 0));
  EXPECT_TRUE(WriteRoom(state, 0, 33, 0, 0));
  EXPECT_FALSE(WriteRoom(state, 0, 34, 0, 0));
  EXPECT_FALSE(WriteRoom(state, 0, 96, 0, 0));
  Target(state, 0, 0, 34, 0, 1);
  EXPECT_FALSE(QueueWrite(state, 0));
  EXPECT_EQ(state.Pending.size(), kMaxWaitingWrites);
  state.PortOpen = 0;  // nothing is sent without a line: edits prepared for a file are not bound
  EXPECT_TRUE(QueueWrite(state, 0));
}

}  // namespace
}  // namespace qd470
