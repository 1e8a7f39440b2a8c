// The settings screen: its load (captions, menus, lists), layout and display refresh.
#include "settings/subdisp_set.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/request_slot.h"
#include "monitor/main_disp.h"
#include "settings/default_settings.h"
#include "support/operator.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

class SettingsScreenTest : public testing::ProgramTest {
 protected:
  SubDisp_Set& s() { return p().Form<SubDisp_Set>(); }
  void Show(int ch, int ptn = 0) {
    s().cmbSelptn.SetListIndex(ptn);
    s().cmbName.SetListIndex(ch);
  }
};

TEST_F(SettingsScreenTest, LoadSetsTitleTabsAndComposedCaptions) {
  EXPECT_EQ(s().Caption, "QD-470 The setting screen");
  EXPECT_EQ(s().Wbk.Tabs(), 4);
  EXPECT_EQ(s().Wbk.TabCaption(0), "The pattern");
  EXPECT_EQ(s().Wbk.TabCaption(3), "Fixed value parameter");
  EXPECT_EQ(s().Wbk.Tab(), 0);
  EXPECT_EQ(s().Label2(2).Caption, "Step0");
  EXPECT_EQ(s().Label2(11).Caption, "Step9");
  EXPECT_EQ(s().Label2(21).Caption, "TS1 block");
  EXPECT_EQ(s().Label2(28).Caption, "TS8 block");
  EXPECT_EQ(s().Label3(5).Caption, " block 0");
  EXPECT_EQ(s().Label6(10).Caption, " block 9");
  EXPECT_EQ(s().Label7(19).Caption, " block 15");
  EXPECT_EQ(s().Label5(3).Caption, "OUT2 Low lomit [%]");
  EXPECT_EQ(s().Label40(0).Caption, "sec");
  EXPECT_EQ(s().Label40(14).Caption, "TS5 Output/Status (STOP) selection");
  EXPECT_EQ(s().Label10(8).Caption, "Closed output time");
  EXPECT_EQ(s().lblFix(14).Caption, "OUT1 Changing rate limit [%]");
  EXPECT_EQ(s().lblComerr4.Caption, "Error in the communication of QD-470 to be choosing.");
  EXPECT_EQ(s().frmTsbk.Caption, "Time signal block setting");
  EXPECT_EQ(s().frmOTout48X.Caption, "QD-485 specification");
  EXPECT_TRUE(s().frmTsptn.Caption->empty());
  EXPECT_EQ(s().txtSetWait.Text(), "During setting value update.\r\nWait for a moment\r\n");
  EXPECT_FALSE(s().Label2.Has(1));
  EXPECT_EQ(s().Label2.Count(), 28);
}

// Every caption label and frame against its string number.
TEST_F(SettingsScreenTest, EveryCaptionTakesItsString) {
  struct Row {
    const char* name;
    int index;
    int string;
  };
  std::vector<Row> rows = {{"Label1", -1, 134},      {"Label2", 0, 123},    {"lblComerr4", -1, 212},
                           {"frmAlmbk", 0, 229},     {"frmOTAlm", -1, 230}, {"frmOter", -1, 231},
                           {"frmOTinp", -1, 232},    {"frmOTlim", -1, 233}, {"frmOTout", -1, 234},
                           {"frmOTout48X", -1, 235}, {"frmOTtrs", -1, 236}, {"frmOutbk", -1, 237},
                           {"frmPIDbk", -1, 238},    {"frmTsbk", -1, 239},  {"frmWaitbk", -1, 240},
                           {"Label6", 0, 190},       {"Label13", 0, 149},   {"Label40", 0, 170}};
  // Arrays whose members take consecutive strings: name, first member, count, first string.
  const std::tuple<const char*, int, int, int> runs[] = {
      {"Label2", 12, 9, 151}, {"Label3", 0, 5, 160},   {"Label4", 0, 4, 166},
      {"Label5", 0, 5, 185},  {"Label7", 0, 4, 191},   {"Label8", 0, 12, 195},
      {"Label9", 0, 5, 207},  {"Label10", 0, 9, 135},  {"Label11", 0, 3, 144},
      {"Label12", 0, 2, 147}, {"Label40", 1, 14, 171}, {"lblFix", 0, 15, 213}};
  for (const auto& [name, first, count, string] : runs) {
    for (int i = 0; i < count; ++i) rows.push_back({name, first + i, string + i});
  }
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.name) + "(" + std::to_string(r.index) + ")");
    forms::Control* c = s().Find(r.name, r.index);
    ASSERT_NE(c, nullptr);
    const std::string want = p().LoadResString(r.string);
    auto* label = dynamic_cast<forms::Label*>(c);
    auto* frame = dynamic_cast<forms::Frame*>(c);
    EXPECT_EQ(label ? label->Caption.get() : frame ? frame->Caption.get() : "", want);
  }
  for (const char* frame : {"frmTsptn", "frmATmd", "frmFixSv", "frmFixPid", "frmFixAlm",
                            "frmFixOut", "frmStatus", "frmComerrSet"}) {
    EXPECT_TRUE(s().FindAs<forms::Frame>(frame)->Caption->empty()) << frame;
  }
}

TEST_F(SettingsScreenTest, MenuTreeInOrderWithCaptions) {
  std::vector<std::string> top;
  for (auto* m : s().MenuBar()) top.push_back(m->Caption);
  EXPECT_EQ(top, (std::vector<std::string>{"File(&F)", "Screen(&D)", "User(&U)"}));
  std::vector<std::string> user;
  for (auto* m : s().mnuUser.Items()) user.push_back(m->Name());
  EXPECT_EQ(user, (std::vector<std::string>{"mnuDevCopy", "mnuSvCopy", "mnuLoadSave", "mnuCom",
                                            "mnuLine1", "mnuSSet"}));
  EXPECT_TRUE(s().mnuLine0.IsSeparator());
  EXPECT_EQ(s().mnuAllyunit.Caption, "32 units(&A)");
  EXPECT_EQ(s().mnuLoadSave.Items().size(), 2u);
}

TEST_F(SettingsScreenTest, FixedListsHoldTheirEntriesAndNoSelection) {
  struct Row {
    forms::ComboBox* list;
    int count;
    int probe;
    std::string text;
  };
  const Row rows[] = {{&s().cmbSelptn, 10, 9, "Pattern 9"},
                      {&s().cmbChain, 2, 1, "\r\n\r\nLink"},
                      {&s().cmbAl3f, 16, 15, "Output during AT"},
                      {&s().cmbAl4f, 16, 0, "No alarm action"},
                      {&s().cmbLock, 2, 1, "Setting value lock"},
                      {&s().cmbStsel, 3, 2, "\r\n\r\nSV start"},
                      {&s().cmbRtyst, 3, 2, "Halts performing program"},
                      {&s().cmbTmsel, 2, 1, "Minutes:Seconds"},
                      {&s().cmbStptime, 2, 0, "Remaining time"},
                      {&s().cmbStptemp, 2, 1, "Step temperature setting value"},
                      {&s().cmbSvhold, 2, 1, "Hold action"},
                      {&s().cmbTS1sel, 2, 1, "Status output(RUN)"},
                      {&s().cmbTS5sel, 2, 1, "Status output(STOP)"},
                      {&s().cmbATmd, 2, 0, "Normal mode\r\n"},
                      {&s().cmbTrselect, 3, 2, "OUT1 manipulating value transmission"},
                      {&s().cmbCact, 3, 2, "Water cooling"},
                      {&s().cmbName, 32, 31, "Channel number31"},
                      {&s().cmbDp, 4, 3, "x.xxx"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.list->Name());
    EXPECT_EQ(row.list->ListCount(), row.count);
    EXPECT_EQ(row.list->List(row.probe), row.text);
    EXPECT_EQ(row.list->ListIndex(), -1);
  }
  EXPECT_EQ(s().cmbName.List(0), "Channel number0");
}

TEST_F(SettingsScreenTest, LoadingAgainDoesNotDoubleTheLists) {
  s();
  p().Forms().Unload(s());
  p().Forms().ReleaseUnloaded();
  EXPECT_EQ(s().cmbSelptn.ListCount(), 10);
  EXPECT_EQ(s().cmbAl3f.ListCount(), 16);
  EXPECT_EQ(s().cmbName.ListCount(), 32);
  EXPECT_EQ(s().cmbDp.ListCount(), 4);
}

TEST_F(SettingsScreenTest, ValueLabelsAreSunkenBoxes) {
  for (auto* l : {&s().lblSV(0), &s().lblTmM(9), &s().lblTs8(9), &s().lblTsonM(15), &s().lblRep,
                  &s().lblPetm, &s().lblFOrat, &s().lblA4dy}) {
    EXPECT_TRUE(l->Sunken) << l->FullName();
  }
  EXPECT_FALSE(s().Label2(15).Sunken);
}

// Every control lies inside its container and no two shown siblings overlap.
TEST_F(SettingsScreenTest, ControlsFitTheirContainersWithoutOverlap) {
  const int page_w = s().Wbk.Width, page_h = s().Wbk.Height - 28 * 15;
  for (const auto& c : s().Controls()) {
    if (c->Kind() == forms::ControlKind::kLine || !c->Visible) continue;
    int w = c->Parent ? c->Parent->Width : s().Width;
    int h = c->Parent ? c->Parent->Height : s().Height;
    if (c->Parent == &s().Wbk) w = page_w, h = page_h;
    EXPECT_GE(c->Left, 0) << c->FullName();
    EXPECT_GE(c->Top, 0) << c->FullName();
    EXPECT_LE(c->Left + c->Width, w) << c->FullName();
    EXPECT_LE(c->Top + c->Height, h) << c->FullName();
    EXPECT_GT(c->Width, 0) << c->FullName();
  }
  const auto& all = s().Controls();
  for (size_t i = 0; i < all.size(); ++i) {
    for (size_t j = i + 1; j < all.size(); ++j) {
      const auto& a = *all[i];
      const auto& b = *all[j];
      if (a.Parent != b.Parent || a.ParentTab != b.ParentTab) continue;
      if (!a.Visible || !b.Visible || a.Kind() == forms::ControlKind::kLine) continue;
      bool overlap = a.Left < b.Left + b.Width && b.Left < a.Left + a.Width &&
                     a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
      EXPECT_FALSE(overlap) << a.FullName() << " overlaps " << b.FullName();
    }
  }
}

// In every form of the program and in both languages, a control in a frame stands inside it:
// below the caption band (a bordered frame without caption: below its border) and off its edges.
TEST(FrameLayout, EveryFramedControlClearsTheCaptionAndTheBorder) {
  for (Language lang : {Language::kEnglish, Language::kJapanese}) {
    testing::TempFolder folder;
    testing::FakeServices fakes;
    Program program(folder.path() / "prog", fakes.Bundle(), lang);
    program.Forms().LoadAll();
    for (const forms::Form* form : program.Forms().LoadedForms()) {
      for (const auto& c : form->Controls()) {
        const auto* frame = dynamic_cast<const forms::Frame*>(c->Parent);
        if (!frame) continue;
        const std::string where = form->Name() + "." + c->FullName() + " in " + frame->FullName() +
                                  (lang == Language::kJapanese ? " ja" : "");
        EXPECT_GE(c->Top, frame->ClientTop()) << where;
        EXPECT_GE(c->Left, frame->ClientLeft()) << where;
        EXPECT_LE(c->Left + c->Width, frame->ClientRight()) << where;
        EXPECT_LE(c->Top + c->Height, frame->ClientBottom()) << where;
      }
    }
  }
}

TEST(SettingsScreenText, DpValTextFormats) {
  struct Row {
    int16_t raw;
    int16_t dp;
    const char* text;
  };
  const Row rows[] = {
      {-5, 1, "-0.5"},     {0, 2, "0.00"},         {12345, 3, "12.345"}, {-5, 0, "-5"},
      {1050, 1, "105.0"},  {-12345, 3, "-12.345"}, {7, 3, "0.007"},      {-32768, 3, "-32.768"},
      {32767, 0, "32767"}, {100, 2, "1.00"},       {5, 4, ""},           {5, -1, ""}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.raw) + " dp " + std::to_string(r.dp));
    EXPECT_EQ(SubDisp_Set::DpValText(r.raw, r.dp), r.text);
  }
}

TEST_F(SettingsScreenTest, ValueTextShowsTheBrokenLimitWithAMessage) {
  p().EditDp = 1;
  p().EditLo = -50;
  p().EditHi = 1050;
  EXPECT_EQ(s().ValueText(1050), "105.0");
  EXPECT_EQ(s().ValueText(-50), "-5.0");
  EXPECT_TRUE(msg().shown.empty());
  EXPECT_EQ(s().ValueText(1051), "105.0");
  EXPECT_EQ(s().ValueText(-51), "-5.0");
  ASSERT_EQ(msg().shown.size(), 2u);
  EXPECT_EQ(msg().shown[0].text, "The value is out of the range.\r\nGoes back to a former value.");
  EXPECT_EQ(msg().shown[0].buttons, forms::MsgButtons::kOk);
  EXPECT_TRUE(msg().shown[0].title.empty());
}

TEST_F(SettingsScreenTest, StepTimeShownAsHoursAndMinutes) {
  Datainitial(p());
  p().PtnData[1][0][0][3] = 125;
  p().PtnData[1][0][0][4] = 6000;  // 100 hours: beyond the hours part's limit
  msg().shown.clear();
  Show(0);
  EXPECT_EQ(s().lblTmH(3).Caption, "2");
  EXPECT_EQ(s().lblTmM(3).Caption, "5");
  EXPECT_EQ(s().lblTmH(4).Caption, "99");
  EXPECT_EQ(s().lblTmM(4).Caption, "0");
  ASSERT_GE(msg().shown.size(), 1u);
  EXPECT_EQ(p().PtnData[1][0][0][4], 6000);  // the stored value stays
}

TEST_F(SettingsScreenTest, FillsThePatternAndControllerChosen) {
  Datainitial(p());
  p().PtnCom[0][4][2] = 7;
  p().PtnCom[1][4][2] = 1;
  p().PtnData[2][4][2][9] = 3;
  Show(4, 2);
  EXPECT_EQ(s().lblRep.Caption, "7");
  EXPECT_EQ(s().lblPbk(9).Caption, "3");
  EXPECT_EQ(s().cmbChain.ListIndex(), 1);
  EXPECT_EQ(p().SetCh, 4);
  EXPECT_EQ(p().SetPtn, 2);
  EXPECT_EQ(p().SendReq, 0);
}

TEST_F(SettingsScreenTest, NothingChosenShowsControllerAndPatternZero) {
  Datainitial(p());
  p().PtnCom[0][0][0] = 4;
  p().SetCh = 9;
  p().SetPtn = 5;
  s().SetDispUpDate();
  EXPECT_EQ(p().SetCh, 0);
  EXPECT_EQ(p().SetPtn, 0);
  EXPECT_EQ(s().lblRep.Caption, "4");
}

// The shown controller's own source decides, whatever the other controllers' values came from.
TEST_F(SettingsScreenTest, StatusLineTellsWhereTheShownControllersValuesComeFrom) {
  using From = SettingSource;
  struct Row {
    SettingSource shown, others;
    const char* text;
  };
  const Row rows[] = {{{From::kFile}, {From::kLine, 1843}, "The reading value of the file"},
                      {{From::kLine, 1843}, {From::kFile}, "The reading value of the QD-470"},
                      {{From::kLine, 1842},
                       {From::kLine, 1843},
                       "Read in part from the QD-470: 1842 of its 1843 values"},
                      {{From::kDefaults}, {From::kFile}, "Default when startup"}};
  Datainitial(p());
  for (const int ch : {0, 31}) {
    for (const Row& r : rows) {
      SCOPED_TRACE(r.text + std::string(" on controller ") + std::to_string(ch));
      p().SourceTbl.fill(r.others);
      p().SourceTbl[ch] = r.shown;
      Show(ch);
      EXPECT_EQ(s().lblStatus.Caption, r.text);
    }
  }
}

TEST_F(SettingsScreenTest, RefreshTakesSetChBackAndPostsNothing) {
  Datainitial(p());
  Show(2);
  p().SetCh = 7;  // an operator command of the main screen
  s().SetDispUpDate();
  EXPECT_EQ(p().SetCh, 2);
  EXPECT_EQ(p().SendReq, 0);
}

TEST_F(SettingsScreenTest, RefreshNeverRedirectsAPendingWrite) {
  Datainitial(p());
  p().SetCh = 6;
  p().SetPtn = 3;
  p().EditItem = 17;
  p().EditIdx = 4;
  p().SendVal = 250;
  QueueWrite(p());
  Show(1, 2);
  EXPECT_EQ(p().SendReq, 1);
  EXPECT_EQ(p().Pending.back().SetCh, 6);
  EXPECT_EQ(p().Pending.back().SetPtn, 3);
  EXPECT_EQ(p().Pending.back().EditItem, 17);
  EXPECT_EQ(p().Pending.back().EditIdx, 4);
  EXPECT_EQ(p().Pending.back().SendVal, 250);
}

TEST_F(SettingsScreenTest, StoredChoiceOutsideItsListShowsNoSelection) {
  Datainitial(p());
  p().PrmData[0x21][3] = 7;   // OUT2 action: 3 entries
  p().PrmData[0x35][3] = -1;  // step time unit
  p().PtnCom[1][3][0] = 2;    // pattern link: 2 entries
  Show(3);
  EXPECT_EQ(s().cmbCact.ListIndex(), -1);
  EXPECT_EQ(s().cmbTmsel.ListIndex(), -1);
  EXPECT_EQ(s().cmbChain.ListIndex(), -1);
  EXPECT_EQ(p().PrmData[0x21][3], 7);
  EXPECT_EQ(p().PrmData[0x35][3], -1);
  EXPECT_EQ(p().PtnCom[1][3][0], 2);
  EXPECT_EQ(p().SendReq, 0);
}

TEST_F(SettingsScreenTest, MainScreenMenuOpensTheScreenOnControllerZero) {
  Datainitial(p());
  p().CommCond.DevCount = 3;
  p().DevNames[0].Name = "Oven A";
  p().DevNames[2].Name = "Oven C";
  testing::ScriptOperator(p());
  p().Form<MainDisp>().mnuSetDisp.RaiseClick();
  EXPECT_TRUE(s().Visible());
  EXPECT_FALSE(s().Modal());
  ASSERT_EQ(s().cmbName.ListCount(), 3);
  EXPECT_EQ(s().cmbName.List(2), "Oven C");
  EXPECT_EQ(s().cmbName.ListIndex(), 0);
  EXPECT_EQ(s().cmbSelptn.ListIndex(), 0);
  EXPECT_EQ(p().SetCh, 0);
}

}  // namespace
}  // namespace qd470
