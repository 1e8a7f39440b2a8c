// The transfer and copy dialogs: which job each button requests, and how the transfer dialog ends.
#include <gtest/gtest.h>

#include "link/subdisp_copy.h"
#include "link/subdisp_trs.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::ProgramTest;

class TransferDialogsTest : public ProgramTest {};

TEST_F(TransferDialogsTest, ButtonsRequestTheirJobs) {
  struct Row {
    const char* name;
    forms::CommandButton& (*button)(Program&);
    int16_t job;
  };
  const Row rows[] = {
      {"send", [](Program& p) -> auto& { return p.Form<SubDisp_TRS>().cmdSend; }, 2},
      {"receive", [](Program& p) -> auto& { return p.Form<SubDisp_TRS>().cmdRecv; }, 3},
      {"cancel", [](Program& p) -> auto& { return p.Form<SubDisp_TRS>().cmdCancel; }, 4},
      {"copy", [](Program& p) -> auto& { return p.Form<SubDisp_Copy>().cmdStart; }, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    p().CommState = 1;
    p().SendReq = 0;
    row.button(p()).RaiseClick();
    EXPECT_EQ(p().CommState, 7);
    EXPECT_EQ(p().SendReq, row.job);
  }
}

TEST_F(TransferDialogsTest, EndingTheTransferDialogReturnsToMonitoring) {
  for (bool by_window : {false, true}) {
    SubDisp_TRS& dialog = p().Form<SubDisp_TRS>();
    p().CommState = 7;
    if (by_window) {
      p().Forms().RequestClose(dialog);
    } else {
      dialog.cmdEnd.RaiseClick();
    }
    EXPECT_EQ(p().CommState, 1);
    EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_TRS>());
  }
}

}  // namespace
}  // namespace qd470
