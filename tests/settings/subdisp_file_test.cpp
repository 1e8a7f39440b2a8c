// The in-memory copy dialog: which cells each copy routine carries over (and which it leaves),
// and the dialog's states and refusals.
#include "settings/subdisp_file.h"

#include <gtest/gtest.h>

#include "model/setting_catalogue.h"
#include "model/setting_groups.h"
#include "settings/subdisp_set.h"
#include "support/distinct_settings.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::SettingTables;

class InMemoryCopyTest : public testing::ProgramTest {
 protected:
  InMemoryCopyTest() { testing::FillDistinctSettings(p()); }
  SubDisp_File& f() { return p().Form<SubDisp_File>(); }
  // Fills the dialog's lists as the settings screen's menu does, for `count` controllers.
  void FillLists(int count) {
    for (int i = 0; i < 4; ++i) {
      for (int d = 0; d < count; ++d) f().cmbName(i).AddItem("dev" + std::to_string(d));
    }
  }
};

constexpr int16_t kSrc = 4, kDst = 9;

TEST_F(InMemoryCopyTest, PatternCopyTakesStepsZeroToNineOfOnePatternOnly) {
  const SettingTables before(p());
  f().FilecopyallPRG(kSrc, kDst, 3, 7);
  for (int k = 0; k < kPtnItems; ++k) {
    for (int c = 0; c < kMaxDevices; ++c) {
      for (int ptn = 0; ptn < kPtnTableSize; ++ptn) {
        for (int s = 0; s < kPtnTableSize; ++s) {
          const bool copied = c == kDst && ptn == 7 && s < kSteps;
          EXPECT_EQ(p().PtnData[k][c][ptn][s],
                    copied ? before.PtnData[k][kSrc][3][s] : before.PtnData[k][c][ptn][s]);
        }
      }
    }
  }
  // Repeat count and link stay with the target pattern; nothing else moves.
  EXPECT_EQ(p().PtnCom, before.PtnCom);
  EXPECT_EQ(p().BlkData, before.BlkData);
  EXPECT_EQ(p().PrmData, before.PrmData);
}

TEST_F(InMemoryCopyTest, BlockCopyTakesBlocksRepeatsLinksAndAllTimeSignalBlocks) {
  const SettingTables before(p());
  f().FilecopyallBLK(kSrc, kDst);
  for (int k = 0; k < kBlkItems; ++k) {
    const int blocks = k == 15 || k == 16 ? 16 : 10;
    for (int c = 0; c < kMaxDevices; ++c) {
      for (int b = 0; b < kTsBlocks; ++b) {
        const bool copied = c == kDst && b < blocks;
        EXPECT_EQ(p().BlkData[k][c][b],
                  copied ? before.BlkData[k][kSrc][b] : before.BlkData[k][c][b])
            << k << " " << c << " " << b;
      }
    }
  }
  for (int k = 0; k < kPtnComItems; ++k) {
    for (int c = 0; c < kMaxDevices; ++c) {
      EXPECT_EQ(p().PtnCom[k][c], before.PtnCom[k][c == kDst ? kSrc : c]);
    }
  }
  EXPECT_EQ(p().PtnData, before.PtnData);
  EXPECT_EQ(p().PrmData, before.PrmData);
}

TEST_F(InMemoryCopyTest, ParameterCopyLeavesPatternNumberAndCodes40To45) {
  const SettingTables before(p());
  f().FilecopyallOTR(kSrc, kDst);
  for (int code = 0; code < kPrmCodes; ++code) {
    const bool copied = code <= 0x3E || code == 0x46 || code == 0x47;
    for (int c = 0; c < kMaxDevices; ++c) {
      EXPECT_EQ(p().PrmData[code][c], before.PrmData[code][c == kDst && copied ? kSrc : c])
          << std::hex << code << " " << c;
    }
  }
  EXPECT_EQ(p().ManMvTbl()[kDst], before.PrmData[0x0C][kSrc]);
  EXPECT_EQ(p().PtnNoTbl()[kDst], before.PrmData[0x3F][kDst]);
  EXPECT_EQ(p().PtnData, before.PtnData);
  EXPECT_EQ(p().BlkData, before.BlkData);
}

TEST_F(InMemoryCopyTest, ControllerCopyButtonCopiesEveryGroupPlaceAndRefreshes) {
  FillLists(12);
  f().cmdFileall.RaiseClick();
  EXPECT_TRUE(f().frmFileall.Visible);
  EXPECT_FALSE(f().cmdFileall.Enabled);
  EXPECT_FALSE(f().cmdFilesel.Enabled);
  f().cmbName(0).SetListIndex(kSrc);
  f().cmbName(1).SetListIndex(kDst);
  p().Form<SubDisp_Set>().lblStatus.Caption = "stale";
  p().SourceTbl[kSrc] = {SettingSource::kFile};
  f().cmdFileallrun(0).RaiseClick();
  EXPECT_EQ(p().SourceTbl[kDst], SettingSource{SettingSource::kFile});
  for (const GroupPlace& place : AllGroupPlaces()) {
    if (!place.ref.HasValue()) continue;
    EXPECT_EQ(*ResolveStorage(p(), kDst, place.ref), *ResolveStorage(p(), kSrc, place.ref));
  }
  for (int code : {0x00, 0x0B, 0x0C, 0x0E})
    EXPECT_EQ(p().PrmData[code][kDst], p().PrmData[code][kSrc]);
  EXPECT_NE(p().Form<SubDisp_Set>().lblStatus.Caption, "stale");
  EXPECT_FALSE(f().frmFileall.Visible);
  EXPECT_TRUE(f().cmdFileall.Enabled && f().cmdFilesel.Enabled && f().cmdFileallrun(1).Enabled);
}

TEST_F(InMemoryCopyTest, PatternCopyButtonCopiesTheChosenPatterns) {
  FillLists(12);
  f().cmdFilesel.RaiseClick();
  f().cmbName(2).SetListIndex(kSrc);
  f().cmbName(3).SetListIndex(kDst);
  f().cmbPtn(0).SetListIndex(2);
  f().cmbPtn(1).SetListIndex(8);
  f().cmdFileselrun(0).RaiseClick();
  EXPECT_EQ(p().PtnData[0][kDst][8][9], p().PtnData[0][kSrc][2][9]);
  EXPECT_NE(p().PtnCom[0][kDst][8], p().PtnCom[0][kSrc][2]);
  EXPECT_FALSE(f().frmFilesel.Visible);
  EXPECT_TRUE(f().cmdFileall.Enabled && f().cmdFilesel.Enabled);
}

// A list with nothing chosen refuses the run with string 405; the frame stays open.
TEST_F(InMemoryCopyTest, NothingChosenIsRefusedAndCopiesNothing) {
  FillLists(3);
  const SettingTables before(p());
  f().cmdFileall.RaiseClick();
  f().cmbName(0).SetListIndex(1);
  f().cmdFileallrun(0).RaiseClick();
  f().cmdFileallrun(1).RaiseClick();
  f().cmdFilesel.RaiseClick();
  for (int i : {2, 3}) f().cmbName(i).SetListIndex(0);
  f().cmbPtn(0).SetListIndex(0);
  f().cmdFileselrun(0).RaiseClick();
  EXPECT_TRUE(f().frmFilesel.Visible);
  EXPECT_EQ(msg().Texts(), std::vector<std::string>(2, p().LoadResString(405)));
  EXPECT_EQ(SettingTables(p()), before);
}

}  // namespace
}  // namespace qd470
