// The numeric pad's entry: digit keys, sign key, keyboard rules, clear, cancel and the focus.
#include <gtest/gtest.h>

#include "editing/pad_fixture.h"

namespace qd470::testing {
namespace {

class PadEntryTest : public PadTest {
 protected:
  // The step SV of a DC controller shows `dp` decimals; its limits are wide.
  void OpenWithDecimals(int dp) {
    Device(2, 0, kDcInput, static_cast<int16_t>(dp));
    Show(2);
    DblClick("lblSV", 0);
  }
  // The anti-reset windup of block 0: 0 to 100, no decimals.
  void OpenZeroToHundred() {
    Device(2, 0, kOneDecimalInput);
    Show(2);
    DblClick("lblArw", 0);
  }
};

// Digits enter from the right and show with the item's decimals; the keyboard's other keys.
TEST_F(PadEntryTest, EntryBoxShowsTheEntryByTheKeysTyped) {
  struct Row {
    const char* name;
    int dp;
    std::string_view keys;
    std::string box, entry;
    const char* put = nullptr;  // text then put into the box
  };
  const Row rows[] = {
      {"a new pad shows nothing typed", 1, "", "", ""},
      {"one decimal", 1, "123", "12.3", "123"},
      {"first of three decimals", 3, "1", "0.001", "1"},
      {"three decimals", 3, "12345", "12.345", "12345"},
      {"leading zeros", 0, "005", "5", "5"},
      {"Backspace clears the entry", 1, "12\b", "0.0", ""},
      {"so does the point", 1, "12.", "0.0", ""},
      {"cleared without decimals", 0, "12\b", "", ""},
      {"keyboard minus", 0, "12-", "-12", "-12"},
      {"any other key changes nothing", 0, "1a2 x", "12", "12"},
      {"text put into the box gives way", 1, "42", "4.2", "42", "4.2abc"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    OpenWithDecimals(r.dp);
    Type(r.keys);
    if (r.put) pad().txtNewSet.SetText(r.put);
    EXPECT_EQ(Box(), r.box);
    EXPECT_EQ(pad().lblInput.Caption, r.entry);
    pad().cmdCAN_Click();
  }
}

TEST_F(PadEntryTest, DigitButtonsEnterAndClearEmptiesTheEntry) {
  OpenWithDecimals(1);
  Click("42");
  EXPECT_EQ(Box(), "4.2");
  pad().cmdCE_Click();
  EXPECT_EQ(Box(), "0.0");
  EXPECT_TRUE(pad().lblInput.Caption->empty());
}

TEST_F(PadEntryTest, SignKeyRefusesASignBeyondTheLimits) {
  struct Row {
    std::string_view keys;  // typed before the sign key
    std::string entry;      // after it
    size_t messages;
  };
  // Limits 0 to 100: only a sign that stays inside passes; an empty entry becomes 0.
  const Row rows[] = {
      {"5", "5", 1},
      {"5-", "5", 0},  // the keyboard's "-" has no range test; the sign key brings it back
      {"500-", "-500", 2},
      {"", "0", 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.keys));
    OpenZeroToHundred();
    Type(r.keys);
    msg().shown.clear();
    pad().cmdNot_Click();
    EXPECT_EQ(pad().lblInput.Caption, r.entry);
    EXPECT_EQ(Box(), r.entry);
    EXPECT_EQ(msg().shown.size(), r.messages);
    for (const auto& m : msg().shown) EXPECT_EQ(m.text, "The value is out of the range.");
    pad().cmdCAN_Click();
  }
}

TEST_F(PadEntryTest, AKeyOnAButtonMovesTheFocusToTheBoxAndTypes) {
  OpenWithDecimals(0);
  pad().SetFocus(pad().Ten_key(9));
  const uint64_t requests = pad().FocusRequests();
  int key = '7';
  pad().Ten_key(9).RaiseKeyPress(key);
  key = '3';
  pad().cmdCE.RaiseKeyPress(key);
  EXPECT_EQ(pad().FocusedControl(), &pad().txtNewSet);
  EXPECT_GT(pad().FocusRequests(), requests);
  EXPECT_EQ(Box(), "73");
  key = '\r';
  pad().cmdCAN.RaiseKeyPress(key);  // Enter accepts, whichever button has the focus
  EXPECT_FALSE(PadOpen());
  EXPECT_EQ(p().PtnData[0][2][0][0], 73);
}

TEST_F(PadEntryTest, FortyDigitsNeitherOverflowNorWrapAndAreRefused) {
  OpenWithDecimals(0);
  const int16_t before = p().PtnData[0][2][0][0];
  Type(std::string(40, '9'));
  EXPECT_EQ(Box(), std::string(18, '9'));
  pad().cmdNot_Click();  // beyond both limits: refused twice, unchanged
  Type("\r");
  EXPECT_EQ(msg().Texts().back(), "The value is out of the range.");
  EXPECT_TRUE(PadOpen());
  EXPECT_EQ(p().PtnData[0][2][0][0], before);
  // 65537 would wrap to 1 in 16 bits, well inside the limits.
  Type("65537\r");
  EXPECT_TRUE(PadOpen());
  EXPECT_EQ(p().PtnData[0][2][0][0], before);
  EXPECT_EQ(p().SendReq, 0);
}

TEST_F(PadEntryTest, CancelStoresNothing) {
  OpenZeroToHundred();
  const int16_t before = p().BlkData[3][2][0];
  p().SendVal = 77;
  Type("42");
  pad().cmdCAN_Click();
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_Tenkey>());
  EXPECT_EQ(p().BlkData[3][2][0], before);
  EXPECT_EQ(p().SendVal, 77);
  EXPECT_EQ(p().SendReq, 0);
  // The next opening starts with an empty entry.
  DblClick("lblArw", 0);
  EXPECT_EQ(Box(), "");
}

}  // namespace
}  // namespace qd470::testing
