// The specification dialog: first start, pages, type switch, OK, No, Cancel, write failure.
#include "settings/subdisp_sset.h"

#include <gtest/gtest.h>

#include <fstream>

#include "settings/type_file.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using forms::MsgResult;

class SpecDialogTest : public testing::ProgramTest {
 protected:
  std::filesystem::path TypeFile() { return p().DataFile(p().TypeFileName); }
  SubDisp_SSet& Dialog() { return p().Form<SubDisp_SSet>(); }
  bool DialogLoaded() { return p().Forms().IsLoaded<SubDisp_SSet>(); }
  std::string FileBytes() {
    std::ifstream in(TypeFile(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteRecords(TypeRec rec) {
    TypeTable table;
    table.fill(rec);
    ASSERT_FALSE(WriteTypeFile(TypeFile(), table));
  }
  void OpenOnPage0() { Dialog().SpcSet(0); }
};

TEST_F(SpecDialogTest, FirstStartShowsDefaultsWithoutCancelAndOnlyOkClosesItAndWritesTheFile) {
  bool shown_modal = false;
  p().Forms().SetModalScript([&](forms::Form& f) {
    shown_modal = f.Modal();
    auto& d = static_cast<SubDisp_SSet&>(f);
    EXPECT_FALSE(d.cmdCancel.Visible);
    EXPECT_EQ(d.cmbSSReng(0).ListIndex(), 0);
    EXPECT_TRUE(d.optLA(0).Value());
    EXPECT_TRUE(d.optType(0).Value()) << "QD410 by default";
    p().Forms().RequestClose(d);  // the close box does nothing at the first start
    ASSERT_TRUE(DialogLoaded());
    d.cmdOK.RaiseClick();
  });
  EXPECT_FALSE(Dialog().TypeLoad());
  EXPECT_TRUE(shown_modal);
  EXPECT_TRUE(msg().shown.empty()) << "no question at the first start";
  EXPECT_FALSE(DialogLoaded());
  const std::string bytes = FileBytes();
  ASSERT_EQ(bytes.size(), 512u);
  // Record 1 = 0, 0, 0, -1, 0, -1, -1, -1 little-endian.
  EXPECT_EQ(bytes.substr(0, 16),
            std::string("\0\0\0\0\0\0\xFF\xFF\0\0\xFF\xFF\xFF\xFF\xFF\xFF", 16));
  for (const TypeRec& rec : p().DevRec) EXPECT_EQ(rec, TypeDefaults());
  EXPECT_NE(p().PrmData[0x27][0], 0) << "defaults were set for the confirmed types";
}

TEST_F(SpecDialogTest, ExistingFileIsReadWithoutShowingTheDialog) {
  TypeRec rec = TypeDefaults();
  rec.InRange = 5;
  rec.CtrlType = 1;
  WriteRecords(rec);
  p().Forms().SetModalScript([](forms::Form&) { FAIL() << "dialog shown"; });
  EXPECT_FALSE(Dialog().TypeLoad());
  EXPECT_EQ(p().DevRec[31], rec);
}

TEST_F(SpecDialogTest, OneDeviceShowsOnlyTheFirstFrame) {
  p().CommCond.DevCount = 1;
  EXPECT_FALSE(Dialog().frmDev(1).Visible);
  Dialog().updDev.Up();
  EXPECT_EQ(Dialog().updDev.Value(), 0);
  EXPECT_EQ(Dialog().ShownDev, 0);
}

TEST_F(SpecDialogTest, ThreeDevicesSecondPageShowsOnlyDeviceTwoAndStopsThere) {
  p().CommCond.DevCount = 3;
  p().DevNames[2].Name = "Oven C";
  auto& d = Dialog();
  EXPECT_TRUE(d.frmDev(1).Visible);
  d.updDev.Up();
  EXPECT_EQ(d.ShownDev, 2);
  EXPECT_FALSE(d.frmDev(1).Visible);
  EXPECT_EQ(d.frmDev(0).Caption, "Oven C");
  d.updDev.Up();  // past the last connected device
  EXPECT_EQ(d.updDev.Value(), 2);
  EXPECT_EQ(d.ShownDev, 2);
  d.updDev.Down();
  EXPECT_TRUE(d.frmDev(1).Visible);
}

TEST_F(SpecDialogTest, ThirtyTwoDevicesReachTheLastPageWithBothFrames) {
  p().CommCond.DevCount = 32;
  p().DevRec[31].CtrlType = 1;
  p().DevRec[31].InRange = 43;
  auto& d = Dialog();
  for (int i = 0; i < 20; ++i) d.updDev.Up();
  EXPECT_EQ(d.ShownDev, 30);
  EXPECT_TRUE(d.frmDev(1).Visible);
  EXPECT_EQ(d.cmbSSReng(1).ListCount(), 44);
  EXPECT_EQ(d.cmbSSReng(1).ListIndex(), 43);
}

TEST_F(SpecDialogTest, PageChangeStoresThePageLeft) {
  p().CommCond.DevCount = 4;
  SetTypeDefaults(p().DevRec);
  auto& d = Dialog();
  d.SpcSet(0);
  d.cmbSSReng(1).SetListIndex(12);
  d.cmbSSA1(1).SetListIndex(5);
  d.optLA(3).SetValue(true);
  d.optDx(5).SetValue(true);
  d.optTx(3).SetValue(true);
  d.optTs(3).SetValue(true);
  d.optType(3).SetValue(true);
  d.updDev.Up();
  const TypeRec& rec = p().DevRec[1];
  EXPECT_EQ(rec.InRange, 12);
  EXPECT_EQ(rec.Al1Type, 5);
  EXPECT_EQ(rec.LoopAlmNone, 0);
  EXPECT_EQ(rec.Out2Type, 2);
  EXPECT_EQ(rec.TrsNone, 0);
  EXPECT_EQ(rec.TsNone, 0);
  EXPECT_EQ(rec.CtrlType, 0);
  EXPECT_EQ(p().DevRec[0], TypeDefaults());
}

TEST_F(SpecDialogTest, RecordsShowAsOptionsAndOutOfListCodesShowEntryZero) {
  TypeRec rec{40, 15, 14, 0, 3, 0, 0, 0};  // input 40 and alarms 14/15 do not exist for QD430
  p().DevRec[0] = rec;
  p().DevRec[1] = TypeDefaults();
  auto& d = Dialog();
  d.SpcSet(0);
  EXPECT_EQ(d.cmbSSReng(0).ListCount(), 32);
  EXPECT_EQ(d.cmbSSReng(0).ListIndex(), 0);
  EXPECT_EQ(d.cmbSSA1(0).ListCount(), 14);
  EXPECT_EQ(d.cmbSSA1(0).ListIndex(), 0);
  EXPECT_EQ(d.cmbSSA2(0).ListIndex(), 0);
  EXPECT_TRUE(d.optLA(1).Value());
  EXPECT_TRUE(d.optDx(2).Value()) << "OUT2 type 3 shows as DA";
  EXPECT_TRUE(d.optTx(1).Value());
  EXPECT_TRUE(d.optTs(1).Value());
  EXPECT_TRUE(d.optType(1).Value());
}

// A page of QDM1 devices shown after a page whose lists were cut to 14 alarm functions shows
// and stores its own codes 14 and 15.
TEST_F(SpecDialogTest, AlarmCodesOfTheNewPageOutliveTheShorterListsOfThePageLeft) {
  p().CommCond.DevCount = 4;
  SetTypeDefaults(p().DevRec);  // page 0: QD410 devices, 14 alarm functions
  p().DevRec[2] = TypeRec{0, 15, 14, -1, 0, -1, -1, 1};
  p().DevRec[3] = TypeRec{0, 14, 15, -1, 0, -1, -1, 1};
  auto& d = Dialog();
  d.SpcSet(0);
  ASSERT_EQ(d.cmbSSA1(0).ListCount(), 14);
  ASSERT_EQ(d.cmbSSA2(1).ListCount(), 14);
  d.updDev.Up();
  EXPECT_EQ(d.cmbSSA1(0).ListIndex(), 15);
  EXPECT_EQ(d.cmbSSA2(0).ListIndex(), 14);
  EXPECT_EQ(d.cmbSSA1(1).ListIndex(), 14);
  EXPECT_EQ(d.cmbSSA2(1).ListIndex(), 15);
  d.updDev.Down();  // stores page 2 as shown
  EXPECT_EQ(p().DevRec[2].Al1Type, 15);
  EXPECT_EQ(p().DevRec[2].Al2Type, 14);
  EXPECT_EQ(p().DevRec[3].Al1Type, 14);
  EXPECT_EQ(p().DevRec[3].Al2Type, 15);
}

TEST_F(SpecDialogTest, TypeSwitchKeepsPositionsThatStillExist) {
  TypeRec qdm1{20, 13, 15, -1, 0, -1, -1, 1};
  p().DevRec[0] = qdm1;
  p().DevRec[1] = TypeDefaults();
  auto& d = Dialog();
  d.SpcSet(0);
  EXPECT_EQ(d.cmbSSA2(0).ListCount(), 16);
  EXPECT_EQ(d.cmbSSA2(0).ListIndex(), 15);

  d.optType(1).SetValue(true);  // to QD430
  EXPECT_EQ(d.cmbSSReng(0).ListCount(), 32);
  EXPECT_EQ(d.cmbSSReng(0).ListIndex(), 20);
  EXPECT_EQ(d.cmbSSA1(0).ListCount(), 14);
  EXPECT_EQ(d.cmbSSA1(0).ListIndex(), 13);
  EXPECT_EQ(d.cmbSSA2(0).ListIndex(), 0) << "15 no longer offered";

  d.cmbSSReng(0).SetListIndex(31);
  d.optType(4).SetValue(true);  // back to QDM1
  EXPECT_EQ(d.cmbSSReng(0).ListCount(), 44);
  EXPECT_EQ(d.cmbSSReng(0).ListIndex(), 31);
  EXPECT_EQ(d.cmbSSA1(0).ListCount(), 16);
  EXPECT_EQ(d.cmbSSReng(0).List(0), p().LoadResString(485));
}

TEST_F(SpecDialogTest, QuestionAnsweredNoKeepsFileAndSettings) {
  WriteRecords(TypeDefaults());
  const std::string before = FileBytes();
  p().PrmData[0x27][0] = 1234;
  auto& d = Dialog();
  EXPECT_TRUE(d.cmdCancel.Visible);
  d.SpcSet(0);
  d.optType(4).SetValue(true);
  msg().answers = {MsgResult::kNo};
  d.cmdOK.RaiseClick();
  ASSERT_EQ(msg().shown.size(), 2u);
  EXPECT_EQ(msg().shown[0].text, p().LoadResString(432));
  EXPECT_EQ(msg().shown[0].buttons, forms::MsgButtons::kYesNo);
  EXPECT_EQ(msg().shown[0].icon, forms::MsgIcon::kQuestion);
  EXPECT_EQ(msg().shown[1].text, p().LoadResString(433));
  EXPECT_FALSE(DialogLoaded());
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(p().PrmData[0x27][0], 1234);
}

TEST_F(SpecDialogTest, QuestionAnsweredYesWritesAndResetsTheSettings) {
  WriteRecords(TypeDefaults());
  p().PrmData[0x27][5] = 1234;
  auto& d = Dialog();
  d.SpcSet(0);
  d.optType(4).SetValue(true);
  msg().answers = {MsgResult::kYes};
  d.cmdOK.RaiseClick();
  EXPECT_FALSE(DialogLoaded());
  TypeTable read;
  ASSERT_FALSE(ReadTypeFile(TypeFile(), read));
  EXPECT_EQ(read[0].CtrlType, 1);
  EXPECT_NE(p().PrmData[0x27][5], 1234);
}

TEST_F(SpecDialogTest, CancelKeepsPageChangesInMemoryButNotInTheFile) {
  p().CommCond.DevCount = 4;
  WriteRecords(TypeDefaults());
  const std::string before = FileBytes();
  SetTypeDefaults(p().DevRec);
  auto& d = Dialog();
  d.SpcSet(0);
  d.optType(4).SetValue(true);
  d.updDev.Up();
  d.cmdCancel.RaiseClick();
  EXPECT_FALSE(DialogLoaded());
  EXPECT_EQ(p().DevRec[0].CtrlType, 1);
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(SpecDialogTest, WriteFailureShowsTheMessageAndKeepsTheDialogOpen) {
  std::filesystem::create_directories(TypeFile());  // a folder in the way: the rename fails
  msg().answers = {MsgResult::kYes};
  auto& d = Dialog();
  d.SpcSet(0);
  d.cmdOK.RaiseClick();
  ASSERT_FALSE(msg().shown.empty());
  EXPECT_EQ(msg().shown.back().text, p().LoadResString(68));
  EXPECT_TRUE(DialogLoaded());
}

TEST_F(SpecDialogTest, ReopenedDialogStartsOnPageZero) {
  p().CommCond.DevCount = 8;
  Dialog().updDev.Up();
  Dialog().cmdCancel.RaiseClick();
  p().Forms().ReleaseUnloaded();
  EXPECT_EQ(Dialog().ShownDev, 0);
  EXPECT_EQ(Dialog().updDev.Value(), 0);
}

}  // namespace
}  // namespace qd470
