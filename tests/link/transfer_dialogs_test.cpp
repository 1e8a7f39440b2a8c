// The transfer and copy dialogs: which job each button requests, and how the transfer dialog ends.
#include <gtest/gtest.h>

#include "link/subdisp_copy.h"
#include "link/subdisp_trs.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::ProgramTest;

class TransferDialogsTest : public ProgramTest {};

TEST_F(TransferDialogsTest, TransferButtonsRequestTheirJobs) {
  struct Row {
    forms::CommandButton& (*button)(SubDisp_TRS&);
    int16_t job;
  };
  const Row rows[] = {{[](SubDisp_TRS& d) -> forms::CommandButton& { return d.cmdSend; }, 2},
                      {[](SubDisp_TRS& d) -> forms::CommandButton& { return d.cmdRecv; }, 3},
                      {[](SubDisp_TRS& d) -> forms::CommandButton& { return d.cmdCancel; }, 4}};
  for (const Row& row : rows) {
    p().CommState = 1;
    p().SendReq = 0;
    SubDisp_TRS& dialog = p().Form<SubDisp_TRS>();
    row.button(dialog).RaiseClick();
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

TEST_F(TransferDialogsTest, CopyStartRequestsTheCopyJob) {
  SubDisp_Copy& dialog = p().Form<SubDisp_Copy>();
  EXPECT_EQ(dialog.ProgressBar1.Max, 3866);
  EXPECT_EQ(dialog.Caption, "Unit-to-unit setting value copy");
  dialog.cmdStart.RaiseClick();
  EXPECT_EQ(p().CommState, 7);
  EXPECT_EQ(p().SendReq, 5);
}

}  // namespace
}  // namespace qd470
