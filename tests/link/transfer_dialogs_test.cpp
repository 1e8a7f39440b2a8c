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
    int16_t job;
    void (*click)(Program&);
  };
  const Row rows[] = {
      {"send", 2, [](Program& p) { p.Form<SubDisp_TRS>().cmdSend.RaiseClick(); }},
      {"receive", 3, [](Program& p) { p.Form<SubDisp_TRS>().cmdRecv.RaiseClick(); }},
      {"cancel", 4, [](Program& p) { p.Form<SubDisp_TRS>().cmdCancel.RaiseClick(); }},
      {"copy", 5, [](Program& p) { p.Form<SubDisp_Copy>().cmdStart.RaiseClick(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    p().CommState = 1;
    p().SendReq = 0;
    row.click(p());
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
