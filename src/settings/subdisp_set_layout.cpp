// Control tree and geometry of the settings screen: every frame, caption, value box and list of
// the four tabs, placed by the row and column helpers of settings_layout.h.
#include <algorithm>
#include <string>

#include "settings/settings_layout.h"
#include "settings/subdisp_set.h"

namespace qd470 {

using forms::ComboBox;
using forms::Control;
using forms::ControlArray;
using forms::Form;
using forms::Frame;
using forms::Label;
using namespace setlayout;

namespace {

void ValueBox(Label& l) {
  l.Sunken = true;
  l.BackColor = forms::kWhite;
  l.Align = forms::Alignment::kCenter;
  l.WordWrap = false;
}

void CaptionStyle(Label& l) { l.WordWrap = false; }

// A caption at the left edge of its container and a value control right of it.
void CaptionRow(Label& caption, Control& value, int y, int caption_w, int value_w) {
  CaptionStyle(caption);
  Place(caption, kPad, y + 2, caption_w, kLabelH);
  bool combo = value.Kind() == forms::ControlKind::kComboBox;
  Place(value, kPad + caption_w + kPad, y, value_w, combo ? kComboH : kLabelH);
  if (auto* box = dynamic_cast<Label*>(&value)) {
    ValueBox(*box);
    box->Align = forms::Alignment::kRight;
  }
}

}  // namespace

void SubDisp_Set::BuildTopLevel() {
  Width = Px(kFormW);
  Height = Px(kFormH);
  Place(Wbk, kTabX, kTabY, kTabW, kTabH);
  Wbk.SetTabs(4);
  Place(frmStatus, kTabX, kBottomY, 360, kBottomH);
  Place(lblStatus, kPad, 15, 344, kLabelH);
  Place(frmComerrSet, kTabX + 366, kBottomY, 520, kBottomH);
  Place(lblComerr4, kPad, 15, 504, kLabelH);
  lblComerr4.ForeColor = 0xC00000;
  frmComerrSet.Visible = false;
  Place(txtSetWait, kTabX + 892, kBottomY, kTabW - 892, kWaitH);
  txtSetWait.MultiLine = true;
  txtSetWait.Locked = true;
  txtSetWait.Visible = false;
  Picture1.Visible = false;
  Place(Picture1, 0, 0, 32, 32);
}

void SubDisp_Set::BuildPatternTab() {
  Place(Label1, kPad, 10, 110, kLabelH);
  Place(cmbName, 124, 7, 220, kComboH);

  // Left column beside the profile: pattern, link and repeat count.
  Place(AddMember(Label2, "Label2", 0, &Wbk, 0), kPad, 40, kStepCaptionW, kLabelH);
  Place(cmbSelptn, kPad, 58, 130, kComboH);
  Place(AddMember(Label2, "Label2", 12, &Wbk, 0), kPad, 90, kStepCaptionW, kLabelH);
  Place(cmbChain, kPad, 108, 130, kComboH);
  Place(AddMember(Label2, "Label2", 13, &Wbk, 0), kPad, 140, kStepCaptionW, kLabelH);
  Place(lblRep, kPad, 158, 80, kLabelH);
  ValueBox(lblRep);

  // The profile stands above the step columns: each step owns one tenth of its width.
  Place(picSprog, kStepTableX, kProfileY, kProfileW, kProfileH);
  picSprog.Scale(0, 0, Px(kProfileW), Px(kProfileH));
  for (int i = 0; i < 9; ++i) {
    auto& line = AddMember(Line1, "Line1", i, &picSprog);
    line.X1 = line.X2 = Px((i + 1) * kProfileW / 10);
    line.Y1 = 0;
    line.Y2 = Px(kProfileH);
    line.BorderColor = 0xC0C0C0;
    Place(line, 0, 0, kProfileW, kProfileH);
  }
  BuildStepTable();
}

// Step table: heading row and one row per step item, a column per step, then the time-signal
// block rows in their own frame with the same columns.
void SubDisp_Set::BuildStepTable() {
  int y = kProfileY + kProfileH + 8;
  Place(AddMember(Label2, "Label2", 14, &Wbk, 0), kPad, y, kStepCaptionW, kLabelH);
  for (int s = 0; s < 10; ++s) {
    Label& head = AddMember(Label2, "Label2", 2 + s, &Wbk, 0);
    Place(head, ColumnX(kStepTableX, kStepColW, s), y, kStepColW - 4, kLabelH);
    head.Align = forms::Alignment::kCenter;
  }
  struct Row {
    ControlArray<Label>* arr;
    const char* name;
    ControlArray<Label>* minutes;
    const char* minutes_name;
  };
  const Row rows[] = {{&lblSV, "lblSV", nullptr, nullptr},   {&lblTmH, "lblTmH", &lblTmM, "lblTmM"},
                      {&lblPbk, "lblPbk", nullptr, nullptr}, {&lblWbk, "lblWbk", nullptr, nullptr},
                      {&lblAbk, "lblAbk", nullptr, nullptr}, {&lblObk, "lblObk", nullptr, nullptr}};
  for (int r = 0; r < 6; ++r) {
    y += kRowPitch;
    Label& caption = AddMember(Label2, "Label2", 15 + r, &Wbk, 0);
    CaptionStyle(caption);
    Place(caption, kPad, y, kStepCaptionW, kLabelH);
    const int half = (kStepColW - 8) / 2;
    for (int s = 0; s < 10; ++s) {
      int x = ColumnX(kStepTableX, kStepColW, s);
      Label& value = AddMember(*rows[r].arr, rows[r].name, s, &Wbk, 0);
      ValueBox(value);
      Place(value, x, y, rows[r].minutes ? half : kStepColW - 4, kLabelH);
      if (!rows[r].minutes) continue;
      Label& minutes = AddMember(*rows[r].minutes, rows[r].minutes_name, s, &Wbk, 0);
      ValueBox(minutes);
      Place(minutes, x + half + 4, y, half, kLabelH);
    }
  }

  y += kRowPitch + 6;
  const int frame_x = kPad / 2;
  ControlArray<Label>* ts[] = {&lblTs1, &lblTs2, &lblTs3, &lblTs4,
                               &lblTs5, &lblTs6, &lblTs7, &lblTs8};
  for (int r = 0; r < 8; ++r) {
    int ry = kFrameBareTop + r * kRowPitch;
    Label& caption = AddMember(Label2, "Label2", 21 + r, &frmTsptn);
    CaptionStyle(caption);
    Place(caption, kPad - frame_x, ry, kStepCaptionW, kLabelH);
    std::string name = "lblTs" + std::to_string(r + 1);
    for (int s = 0; s < 10; ++s) {
      Label& v = AddMember(*ts[r], name, s, &frmTsptn);
      ValueBox(v);
      Place(v, ColumnX(kStepTableX, kStepColW, s) - frame_x, ry, kStepColW - 4, kLabelH);
    }
  }
  Place(frmTsptn, frame_x, y, kStepTableX + kProfileW - frame_x,
        kFrameBareTop + 8 * kRowPitch + kFrameBottom);
}

namespace {

// Block table helpers: a caption column, then one column per block.
constexpr int kBlockX0 = kPad + kBlockCaptionW + kPad;

int BlockRowY(int row) { return kFrameCaptionH + row * kRowPitch; }

void PlaceHeads(Frame& frame, ControlArray<Label>& arr, Form& form, const char* name,
                int first_member, int first_block, int count, int row) {
  for (int i = 0; i < count; ++i) {
    Label& head = form.AddMember(arr, name, first_member + i, &frame);
    head.Align = forms::Alignment::kCenter;
    Place(head, ColumnX(kBlockX0, kBlockColW, first_block - (first_block >= 10 ? 10 : 0) + i),
          BlockRowY(row), kBlockColW - 4, kLabelH);
  }
}

void PlaceRowCaption(Frame& frame, ControlArray<Label>& arr, Form& form, const char* name,
                     int member, int row) {
  Label& caption = form.AddMember(arr, name, member, &frame);
  CaptionStyle(caption);
  Place(caption, kPad, BlockRowY(row), kBlockCaptionW, kLabelH);
}

void PlaceBlockValues(Frame& frame, ControlArray<Label>& arr, Form& form, const char* name,
                      int row) {
  for (int b = 0; b < 10; ++b) {
    Label& v = form.AddMember(arr, name, b, &frame);
    ValueBox(v);
    Place(v, ColumnX(kBlockX0, kBlockColW, b), BlockRowY(row), kBlockColW - 4, kLabelH);
  }
}

void PlaceTimeValues(Frame& frame, ControlArray<Label>& hours, const char* hours_name,
                     ControlArray<Label>& minutes, const char* minutes_name, Form& form,
                     int first_block, int count, int row) {
  const int half = (kBlockColW - 8) / 2;
  for (int i = 0; i < count; ++i) {
    int x = ColumnX(kBlockX0, kBlockColW, i);
    Label& h = form.AddMember(hours, hours_name, first_block + i, &frame);
    Label& m = form.AddMember(minutes, minutes_name, first_block + i, &frame);
    ValueBox(h);
    ValueBox(m);
    Place(h, x, BlockRowY(row), half, kLabelH);
    Place(m, x + half + 4, BlockRowY(row), half, kLabelH);
  }
}

int BlockFrameH(int rows) { return BlockRowY(rows) + kFrameBottom; }

}  // namespace

void SubDisp_Set::BuildBlockTab() {
  int y = 4;
  auto place_frame = [&](Frame& f, int rows) {
    Place(f, kPad, y, kBlockFrameW, BlockFrameH(rows));
    y += BlockFrameH(rows) + kFrameGap;
  };

  PlaceHeads(frmPIDbk, Label3, *this, "Label3", 5, 0, 10, 0);
  ControlArray<Label>* pid[] = {&lblP, &lblI, &lblD, &lblArw, &lblPB};
  const char* pid_names[] = {"lblP", "lblI", "lblD", "lblArw", "lblPB"};
  for (int r = 0; r < 5; ++r) {
    PlaceRowCaption(frmPIDbk, Label3, *this, "Label3", r, r + 1);
    PlaceBlockValues(frmPIDbk, *pid[r], *this, pid_names[r], r + 1);
  }
  place_frame(frmPIDbk, 6);

  PlaceHeads(frmWaitbk, Label6, *this, "Label6", 1, 0, 10, 0);
  PlaceRowCaption(frmWaitbk, Label6, *this, "Label6", 0, 1);
  PlaceBlockValues(frmWaitbk, lblWait, *this, "lblWait", 1);
  place_frame(frmWaitbk, 2);

  Frame& alm = frmAlmbk(0);
  PlaceHeads(alm, Label4, *this, "Label4", 4, 0, 10, 0);
  ControlArray<Label>* alarms[] = {&lblA1, &lblA2, &lblA3, &lblA4};
  const char* alarm_names[] = {"lblA1", "lblA2", "lblA3", "lblA4"};
  for (int r = 0; r < 4; ++r) {
    PlaceRowCaption(alm, Label4, *this, "Label4", r, r + 1);
    PlaceBlockValues(alm, *alarms[r], *this, alarm_names[r], r + 1);
  }
  place_frame(alm, 5);

  PlaceHeads(frmOutbk, Label5, *this, "Label5", 5, 0, 10, 0);
  ControlArray<Label>* outs[] = {&lblOlh, &lblOll, &lblOlhb, &lblOllb, &lblOrat};
  const char* out_names[] = {"lblOlh", "lblOll", "lblOlhb", "lblOllb", "lblOrat"};
  for (int r = 0; r < 5; ++r) {
    PlaceRowCaption(frmOutbk, Label5, *this, "Label5", r, r + 1);
    PlaceBlockValues(frmOutbk, *outs[r], *this, out_names[r], r + 1);
  }
  place_frame(frmOutbk, 6);

  // Time-signal blocks: band of blocks 0-9, then band of blocks 10-15 below it.
  for (int band = 0; band < 2; ++band) {
    int first = band * 10, count = band == 0 ? 10 : 6, row0 = band * 3;
    PlaceHeads(frmTsbk, Label7, *this, "Label7", band == 0 ? 4 : 14, first, count, row0);
    PlaceRowCaption(frmTsbk, Label7, *this, "Label7", band * 2, row0 + 1);
    PlaceTimeValues(frmTsbk, lblTsoffH, "lblTsoffH", lblTsoffM, "lblTsoffM", *this, first, count,
                    row0 + 1);
    PlaceRowCaption(frmTsbk, Label7, *this, "Label7", band * 2 + 1, row0 + 2);
    PlaceTimeValues(frmTsbk, lblTsonH, "lblTsonH", lblTsonM, "lblTsonM", *this, first, count,
                    row0 + 2);
  }
  place_frame(frmTsbk, 6);
}

namespace {

// A column of frames stacked from the top of a page.
struct FrameStack {
  int x, w, y = 4;
  void Close(Frame& f, const RowCursor& rows) {
    Place(f, x, y, w, rows.Y() + kFrameBottom);
    y += rows.Y() + kFrameBottom + kFrameGap;
  }
};

constexpr int kParamCapW = 250;
constexpr int kOterCapW = 390, kOterListW = 340;

}  // namespace

void SubDisp_Set::BuildParameterTab() {
  FrameStack left{kLeftColX, kLeftColW};
  left.Close(frmOTout, BuildOutputFrame());
  auto row = [&](ControlArray<Label>& arr, const char* name, int i, Frame& f, Control& value,
                 RowCursor& rows, bool combo = false) {
    int y = combo ? rows.Combo() : rows.Label();
    CaptionRow(AddMember(arr, name, i, &f), value, y, kParamCapW, kValueW);
  };
  RowCursor inp(kFrameCaptionH);
  row(Label9, "Label9", 0, frmOTinp, lblStlh, inp);
  row(Label9, "Label9", 1, frmOTinp, lblStll, inp);
  row(Label9, "Label9", 2, frmOTinp, cmbDp, inp, true);
  row(Label9, "Label9", 3, frmOTinp, lblHosei, inp);
  row(Label9, "Label9", 4, frmOTinp, lblFilt, inp);
  left.Close(frmOTinp, inp);

  RowCursor lim(kFrameCaptionH);
  row(Label12, "Label12", 0, frmOTlim, lblSh, lim);
  row(Label12, "Label12", 1, frmOTlim, lblSl, lim);
  left.Close(frmOTlim, lim);

  // The transmission selection is a wide list: it stands below its caption.
  RowCursor trs(kFrameCaptionH);
  Label& trs_caption = AddMember(Label11, "Label11", 0, &frmOTtrs);
  CaptionStyle(trs_caption);
  Place(trs_caption, kPad, trs.Label() + 2, kLeftColW - 2 * kPad, kLabelH);
  Place(cmbTrselect, kPad + 16, trs.Combo(), 300, kComboH);
  row(Label11, "Label11", 1, frmOTtrs, lblTrsh, trs);
  row(Label11, "Label11", 2, frmOTtrs, lblTrsl, trs);
  left.Close(frmOTtrs, trs);

  FrameStack right{kRightColX, kRightColW};
  RowCursor oter = BuildOtherFunctionRows();
  right.Close(frmOter, oter);
  RowCursor atmd(kFrameBareTop);
  CaptionRow(AddMember(Label13, "Label13", 0, &frmATmd), cmbATmd, atmd.Combo(), kOterCapW, 200);
  right.Close(frmATmd, atmd);
  right.Close(frmOTAlm, BuildAlarmRows());
}

RowCursor SubDisp_Set::BuildOutputFrame() {
  RowCursor out(kFrameCaptionH);
  auto row = [&](int i, Control& value, int y, int value_w = kValueW) {
    CaptionRow(AddMember(Label10, "Label10", i, &frmOTout), value, y, kParamCapW, value_w);
  };
  row(1, lblCyc, out.Label());
  row(0, lblHys, out.Label());
  row(2, lblCycb, out.Label());
  row(5, cmbCact, out.Combo(), 150);
  row(3, lblHysb, out.Label());
  row(4, lblDb, out.Label());
  // The QD-485 items in their own frame, values aligned with the ones above.
  RowCursor qd485(kFrameCaptionH);
  Label* values[] = {&lblPdb, &lblOtim, &lblCtim};
  for (int i = 0; i < 3; ++i) {
    CaptionRow(AddMember(Label10, "Label10", 6 + i, &frmOTout48X), *values[i], qd485.Label(),
               kParamCapW - kPad, kValueW);
  }
  Place(frmOTout48X, kPad, out.Next(qd485.Y() + kFrameBottom + 4), kLeftColW - 2 * kPad,
        qd485.Y() + kFrameBottom);
  return out;
}

RowCursor SubDisp_Set::BuildOtherFunctionRows() {
  RowCursor oter(kFrameCaptionH);
  ComboBox* lists[] = {&cmbLock,    nullptr,     &cmbStsel,  &cmbRtyst,  &cmbTmsel,
                       &cmbStptime, &cmbStptemp, nullptr,    &cmbSvhold, &cmbTS1sel,
                       &cmbTS2sel,  &cmbTS3sel,  &cmbTS4sel, &cmbTS5sel};
  for (int i = 1; i <= 14; ++i) {
    Label& caption = AddMember(Label40, "Label40", i, &frmOter);
    if (ComboBox* list = lists[i - 1]) {
      CaptionRow(caption, *list, oter.Combo(), kOterCapW, kOterListW);
      continue;
    }
    int y = oter.Label();
    CaptionRow(caption, i == 2 ? lblStsv : lblPetm, y, kOterCapW, kValueW);
    if (i == 8) {  // the unit after the pattern end output time
      Label& unit = AddMember(Label40, "Label40", 0, &frmOter);
      CaptionStyle(unit);
      Place(unit, kPad + kOterCapW + kPad + kValueW + 6, y + 2, 60, kLabelH);
    }
  }
  return oter;
}

// Alarm parameters: the two function lists on the left, hysteresis and delay columns, and the
// loop-break alarm along the bottom.
RowCursor SubDisp_Set::BuildAlarmRows() {
  RowCursor left(kFrameCaptionH);
  ComboBox* functions[] = {&cmbAl3f, &cmbAl4f};
  for (int i = 0; i < 2; ++i) {
    Label& caption = AddMember(Label8, "Label8", i, &frmOTAlm);
    CaptionStyle(caption);
    Place(caption, kPad, left.Next(kLabelH + 2), 290, kLabelH);
    Place(*functions[i], kPad, left.Next(kComboPitch + 4), 290, kComboH);
  }
  // A caption/value pair shifted right to its column.
  auto pair = [&](int member, Label& value, int y, int column_x, int caption_w) {
    Label& caption = AddMember(Label8, "Label8", member, &frmOTAlm);
    CaptionRow(caption, value, y, caption_w, 70);
    caption.Left += Px(column_x);
    value.Left += Px(column_x);
  };
  Label* hys[] = {&lblA1hy, &lblA2hy, &lblA3hy, &lblA4hy};
  Label* dly[] = {&lblA1dy, &lblA2dy, &lblA3dy, &lblA4dy};
  RowCursor mid(kFrameCaptionH);
  for (int i = 0; i < 4; ++i) {
    int y = mid.Label();
    pair(2 + i, *hys[i], y, 306, 120);
    pair(6 + i, *dly[i], y, 520, 140);
  }
  RowCursor bottom(std::max(left.Y(), mid.Y()) + 4);
  int y = bottom.Label();
  pair(10, lblLpt, y, 0, 200);
  pair(11, lblLph, y, 306, 160);
  return bottom;
}

void SubDisp_Set::BuildFixedTab() {
  constexpr int kCapW = 280, kColW = 470;
  int fy = 4;
  auto rows_frame = [&](Frame& f, int x, int first, std::initializer_list<Label*> values) {
    RowCursor rows(kFrameBareTop);
    int i = first;
    for (Label* v : values) {
      CaptionRow(AddMember(lblFix, "lblFix", i++, &f), *v, rows.Label(), kCapW, 100);
    }
    Place(f, x, fy, kColW, rows.Y() + kFrameBottom);
    fy += rows.Y() + kFrameBottom + kFrameGap;
  };
  rows_frame(frmFixSv, kPad, 0, {&lblFSv});
  rows_frame(frmFixPid, kPad, 1, {&lblFP, &lblFI, &lblFD, &lblFArw, &lblFPb});
  fy = 4;
  const int right = kPad + kColW + kPad;
  rows_frame(frmFixAlm, right, 6, {&lblFalm1, &lblFalm2, &lblFalm3, &lblFalm4});
  rows_frame(frmFixOut, right, 10, {&lblFOlh, &lblFOll, &lblFOlhb, &lblFOllb, &lblFOrat});
}

}  // namespace qd470
