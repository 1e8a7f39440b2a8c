// What a value label's double-click writes onto the pad: the value text and the range hint, by
// the handler table and its rules for controller type, input class and decimal point.
#include "editing/pad_captions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editing/pad_fixture.h"
#include "model/setting_catalogue.h"
#include "settings/edit_selectors.h"

namespace qd470::testing {
namespace {

constexpr int kCh = 3;

class PadCaptionsTest : public PadTest {
 protected:
  explicit PadCaptionsTest(Language lang = Language::kEnglish) : PadTest(lang) {}
  // Stores raw into the label's setting of controller kCh (pattern 0, member index), shows
  // the controller and double-clicks the label.
  void Open(const std::string& label, int index, int16_t ctrl_type, int16_t input,
            int16_t decimal_point, int16_t raw) {
    Device(kCh, ctrl_type, input, decimal_point);
    const SelectorRow* row = FindSelectorByLabel(label);
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(WriteSetting(p(), row->setting, kCh, 0, index < 0 ? 0 : index, raw));
    Show(kCh);
    if (p().Forms().IsLoaded<SubDisp_Tenkey>()) pad().cmdCAN_Click();
    DblClick(label, index);
  }
  std::string Hint(int number) { return number == 0 ? "" : p().LoadResString(number); }
};

TEST_F(PadCaptionsTest, EveryValueLabelHasExactlyOneHandler) {
  std::set<std::string_view> selector_labels;
  for (const SelectorRow& row : SelectorTable()) {
    selector_labels.insert(row.label);
    EXPECT_NE(FindLabelHandler(row.label), nullptr) << row.label;
  }
  size_t listed = 0;
  for (const LabelHandler& h : LabelHandlerTable()) {
    for (std::string_view rest = h.labels; !rest.empty();) {
      const size_t end = rest.find(' ');
      const std::string_view label = rest.substr(0, end);
      EXPECT_TRUE(selector_labels.count(label)) << label;
      EXPECT_EQ(FindLabelHandler(label), &h) << label;
      ++listed;
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
  }
  EXPECT_EQ(listed, 78u);
  EXPECT_EQ(selector_labels.size(), 78u);
}

TEST_F(PadCaptionsTest, EveryValueLabelOpensThePadOnItsSetting) {
  Show(kCh, 2);
  for (const SelectorRow& row : SelectorTable()) {
    const int index = row.index == IndexKind::kNone ? -1 : 1;
    DblClick(std::string(row.label), index);
    ASSERT_TRUE(PadOpen()) << row.label;
    EXPECT_EQ(pad().Target().EditItem, row.setting) << row.label;
    EXPECT_EQ(pad().Target().SetPtn, 2) << row.label;
    if (index >= 0) {
      EXPECT_EQ(pad().Target().EditIdx, 1) << row.label;
    }
    EXPECT_EQ(pad().OpenNear, &L(std::string(row.label), index)) << row.label;
    pad().cmdCAN_Click();
  }
}

TEST_F(PadCaptionsTest, FixedRowsGiveTheirValueFormAndHint) {
  struct Row {
    std::string label;
    int index;
    int16_t ctrl_type, input, raw;
    std::string now, hint;
  };
  const Row rows[] = {
      {"lblTmM", 0, 1, 0, -1, "-1", " -1 to 59 "},
      {"lblTmH", 0, 1, 0, -1, "0", "0 to 99 "},
      {"lblTmH", 1, 0, 0, 125, "2", "0 to 99 "},
      {"lblTmM", 1, 0, 0, 125, "5", " 0 to 59 "},
      {"lblTsonH", 12, 0, 0, 59, "0", "0 to 99 "},
      {"lblTsonM", 12, 0, 0, 59, "59", " 0 to 59 "},
      {"lblSh", -1, 0, 6, 13700, "1370.0", "Rated low limit to rated high limit"},
      {"lblFOll", -1, 0, 0, 3, "3", " -5 to 105 "},
      {"lblA2dy", -1, 1, 0, 7, "7", " 0 to 10000"},
      {"lblFilt", -1, 1, 0, 5, "0.5", " 0.0 to 100.0 "},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.label + " " + std::to_string(r.raw));
    Open(r.label, r.index, r.ctrl_type, r.input, 1, r.raw);
    EXPECT_EQ(pad().lblNow.Caption, r.now);
    EXPECT_EQ(pad().lblLimit.Caption, r.hint);
  }
}

TEST_F(PadCaptionsTest, RulesByControllerTypeInputAndDecimalPoint) {
  struct Row {
    std::string label;
    int16_t ctrl_type, input, decimal_point, raw;
    std::string now;  // "" where the rule gives no text
    int hint;         // 0 where it gives none
  };
  // Inputs: 0 integer, 6 one-decimal (type 0), 1 one-decimal (type 1), 12 and 36 DC, 34 and
  // 44 outside the type's list.
  const Row rows[] = {
      // H: hysteresis.
      {"lblA1hy", 0, 12, 0, 15, "15", 550},
      {"lblA1hy", 0, 12, 2, 15, "0.15", 551},
      {"lblHys", 0, 12, 5, 15, "", 0},
      {"lblHysb", 0, 6, 0, 15, "1.5", 413},
      {"lblA2hy", 0, 34, 0, 15, "1.5", 413},
      {"lblA1hy", 1, 5, 0, 15, "1.5", 545},
      {"lblA1hy", 1, 36, 0, 15, "15", 546},
      {"lblA3hy", 1, 36, 3, 1500, "1.500", 548},
      {"lblA4hy", 1, 36, 4, 15, "", 472},
      {"lblHys", 1, 44, 0, 15, "", 472},
      // D: dead band.
      {"lblDb", 0, 12, 2, 150, "1.50", 419},
      {"lblDb", 0, 12, 7, 150, "", 419},
      {"lblDb", 0, 0, 0, 150, "15.0", 419},
      {"lblDb", 1, 1, 0, 150, "15.0", 474},
      {"lblDb", 1, 36, 3, 150, "0.150", 571},
      {"lblDb", 1, 36, 4, 150, "", 0},
      {"lblDb", 1, 44, 0, 150, "", 0},
      // L: loop-break span.
      {"lblLph", 0, 0, 0, 50, "50", 561},
      {"lblLph", 0, 6, 0, 50, "5.0", 562},
      {"lblLph", 0, 12, 1, 50, "5.0", 564},
      {"lblLph", 1, 1, 0, 50, "5.0", 555},
      {"lblLph", 1, 36, 2, 50, "0.50", 558},
      {"lblLph", 0, 34, 0, 50, "", 0},
      {"lblLph", 1, 36, 4, 50, "", 0},
      // W: wait value.
      {"lblWait", 0, 0, 0, 30, "30", 415},
      {"lblWait", 0, 12, 2, 30, "0.30", 574},
      {"lblWait", 1, 0, 0, 30, "30", 415},
      {"lblWait", 1, 1, 0, 30, "3.0", 540},
      {"lblWait", 1, 36, 0, 30, "30", 541},
      {"lblWait", 1, 44, 0, 30, "", 0},
      // P: proportional band of a block.
      {"lblP", 0, 0, 0, 123, "12.3", 423},
      {"lblP", 1, 0, 0, 123, "123", 534},
      {"lblP", 1, 1, 0, 123, "12.3", 535},
      {"lblP", 1, 36, 2, 123, "12.3", 476},
      {"lblP", 1, 44, 0, 123, "", 0},
      // FP: proportional band of the fixed-value parameters.
      {"lblFP", 0, 0, 0, 123, "12.3", 423},
      {"lblFP", 1, 0, 0, 123, "12.3", 534},
      {"lblFP", 1, 36, 0, 123, "12.3", 476},
      {"lblFP", 1, 44, 0, 123, "12.3", 0},
      // S: input correction.
      {"lblHosei", 0, 0, 0, 25, "2.5", 578},
      {"lblHosei", 0, 12, 0, 25, "25", 577},
      {"lblHosei", 1, 36, 2, 25, "0.25", 570},
      {"lblHosei", 1, 36, 0, 25, "25", 568},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.label + " type " + std::to_string(r.ctrl_type) + " input " +
                 std::to_string(r.input) + " dp " + std::to_string(r.decimal_point));
    const bool block = r.label == "lblP" || r.label == "lblWait";
    Open(r.label, block ? 0 : -1, r.ctrl_type, r.input, r.decimal_point, r.raw);
    EXPECT_EQ(pad().lblNow.Caption, r.now);
    EXPECT_EQ(pad().lblLimit.Caption, Hint(r.hint));
  }
}

// A label without text or hint on its rule does not keep those of the label before it.
TEST_F(PadCaptionsTest, ARetargetedPadShowsNoCaptionOfThePreviousLabel) {
  Open("lblSV", 0, 1, 44, 0, 100);
  EXPECT_FALSE(pad().lblNow.Caption->empty());
  DblClick("lblDb");
  EXPECT_TRUE(pad().lblNow.Caption->empty());
  EXPECT_TRUE(pad().lblLimit.Caption->empty());
}

class PadCaptionsJapaneseTest : public PadCaptionsTest {
 protected:
  PadCaptionsJapaneseTest() : PadCaptionsTest(Language::kJapanese) {}
};

TEST_F(PadCaptionsJapaneseTest, FixedOutputLowHintIsTheSameInEveryLanguage) {
  Open("lblFOll", -1, 0, 0, 1, 3);
  EXPECT_EQ(pad().lblLimit.Caption, " -5 to 105 ");
  Open("lblOll", 0, 0, 0, 1, 3);
  EXPECT_EQ(pad().lblLimit.Caption, p().LoadResString(422));
}

}  // namespace
}  // namespace qd470::testing
