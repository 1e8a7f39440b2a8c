#include <gtest/gtest.h>
#include "model/program_state.h"
TEST(ProgramState, StartsEmpty) {
  qd470::ProgramState s;
  EXPECT_EQ(s.SendReq, 0);
}
