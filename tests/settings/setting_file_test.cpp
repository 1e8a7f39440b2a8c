// Setting files: the text byte for byte, the value order, the reader's rules and round trips.
#include "settings/setting_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/setting_groups.h"
#include "support/distinct_settings.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::SettingTables;

class SettingFileTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& text) {
    const auto path = folder_.path() / "f.dat";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  // The values of a text in order, split at blanks.
  static std::vector<int> Values(const std::string& text) {
    std::istringstream in(text);
    std::vector<int> out;
    for (int v; in >> v;) out.push_back(v);
    return out;
  }
  testing::TempFolder folder_;
  ProgramState s_;
};

TEST_F(SettingFileTest, ValuesAreSignDigitsAndOneBlankOnOneLine) {
  s_.PtnData[0][5][0][0] = 0;
  s_.PtnData[1][5][0][0] = 150;
  s_.PtnData[2][5][0][0] = -5;
  s_.PtnData[3][5][0][0] = -32768;
  s_.PtnData[4][5][0][0] = 32767;
  const std::string text = FormatSettingFile(s_, OneControllerFile(5));
  EXPECT_EQ(text.substr(0, 34), " 0  150 -5 -32768  32767  0  0  0 ");
  EXPECT_EQ(text.size(), 1843u * 3 + 2 + 4 + 4);  // 150, -32768 and 32767 are longer
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(text.back(), ' ');
  EXPECT_EQ(FormatSettingFile(ProgramState{}, AllControllersFile(32)).size(), 58976u * 3);
}

// The order of a one-controller file, spelled out loop by loop.
TEST_F(SettingFileTest, OneControllerOrderIsPtnBlkOtrFix) {
  testing::FillDistinctSettings(s_);
  const int d = 7;
  std::vector<int> expected;
  for (int ptn = 0; ptn < 10; ++ptn) {
    for (int st = 0; st < 10; ++st) {
      for (int k = 0; k < 14; ++k) expected.push_back(s_.PtnData[k][d][ptn][st]);
      expected.push_back(s_.PtnCom[0][d][ptn]);
      expected.push_back(s_.PtnCom[1][d][ptn]);
    }
  }
  for (int b = 0; b < 16; ++b) {
    for (int k = b < 10 ? 0 : 15; k < 17; ++k) expected.push_back(s_.BlkData[k][d][b]);
  }
  const int prm[] = {0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B,
                     0x1E, 0x20, 0x21, 0x24, 0x25, 0x27, 0x28, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x29,
                     0x2A, 0x2B, 0x0D, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A,
                     0x3B, 0x3C, 0x3D, 0x3E, 0x26, 0x46, 0x47, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                     0x07, 0x08, 0x09, 0x0A, 0x1C, 0x1D, 0x22, 0x23, 0x1F};
  for (int code : prm) expected.push_back(s_.PrmData[code][d]);
  EXPECT_EQ(Values(FormatSettingFile(s_, OneControllerFile(d))), expected);
}

TEST_F(SettingFileTest, AllControllersFileIsGroupByGroupWithFixOfConnectedOnly) {
  testing::FillDistinctSettings(s_);
  const std::vector<int> all = Values(FormatSettingFile(s_, AllControllersFile(3)));
  ASSERT_EQ(all.size(), 58496u + 45);
  auto one = [this](int d) { return Values(FormatSettingFile(s_, OneControllerFile(d))); };
  for (int d : {0, 17, 31}) {
    const std::vector<int> v = one(d);
    EXPECT_TRUE(std::equal(v.begin(), v.begin() + 1600, all.begin() + 1600 * d));
    EXPECT_TRUE(std::equal(v.begin() + 1600, v.begin() + 1782, all.begin() + 51200 + 182 * d));
    EXPECT_TRUE(std::equal(v.begin() + 1782, v.begin() + 1828, all.begin() + 57024 + 46 * d));
  }
  const std::vector<int> v2 = one(2);
  EXPECT_TRUE(std::equal(v2.begin() + 1828, v2.end(), all.end() - 15));
}

TEST_F(SettingFileTest, RoundTripsOfOneAndOfAllControllers) {
  testing::FillDistinctSettings(s_);
  const ProgramState saved = s_;
  const auto path = folder_.path() / "rt.dat";
  ASSERT_FALSE(SaveSettingFile(s_, path, OneControllerFile(3)));
  ASSERT_EQ(LoadSettingFile(s_, path, OneControllerFile(11)), SettingFileRead::kLoaded);
  for (const GroupPlace& place : AllGroupPlaces()) {
    if (place.ref.HasValue()) {
      EXPECT_EQ(*ResolveStorage(s_, 11, place.ref), *ResolveStorage(saved, 3, place.ref));
    }
  }
  ASSERT_FALSE(SaveSettingFile(saved, path, AllControllersFile(32)));
  ProgramState loaded = saved;
  testing::FillDistinctSettings(loaded, 1234);
  ASSERT_EQ(LoadSettingFile(loaded, path, AllControllersFile(32)), SettingFileRead::kLoaded);
  for (int d = 0; d < kMaxDevices; ++d) {
    for (const GroupPlace& place : AllGroupPlaces()) {
      if (place.ref.HasValue()) {
        EXPECT_EQ(*ResolveStorage(loaded, d, place.ref), *ResolveStorage(saved, d, place.ref));
      }
    }
  }
}

// Blanks, commas and line breaks separate values; what follows the last expected one is not
// read; the length alone decides the kind.
TEST_F(SettingFileTest, ReaderAcceptsEveryLayoutOfTheSameNumbers) {
  testing::FillDistinctSettings(s_);
  const std::string text = FormatSettingFile(s_, OneControllerFile(2));
  std::string per_line, with_commas;
  for (int v : Values(text)) {
    per_line += std::to_string(v) + "\r\n";
    with_commas += std::to_string(v) + " ,";
  }
  const std::string padded = text + "not read" + std::string(100000 - text.size() - 8, ' ');
  ASSERT_EQ(padded.size(), 100000u);
  for (const std::string& variant : {per_line, with_commas, padded}) {
    ProgramState loaded;
    ASSERT_EQ(LoadSettingFile(loaded, Write(variant), OneControllerFile(2)),
              SettingFileRead::kLoaded);
    EXPECT_TRUE(FormatSettingFile(loaded, OneControllerFile(2)) == text);
  }
}

// The length decides the kind (100000 bytes pass as both); a bad file changes nothing.
TEST_F(SettingFileTest, ReaderResultsAndBadFilesChangeNothing) {
  testing::FillDistinctSettings(s_);
  const std::string one = FormatSettingFile(s_, OneControllerFile(0));
  const std::string all = FormatSettingFile(s_, AllControllersFile(2));
  const std::string exact = one + std::string(100000 - one.size(), ' ');
  using enum SettingFileRead;
  struct Row {
    const char* what;
    std::string text;
    bool all_controllers;
    SettingFileRead result;
  };
  const Row rows[] = {
      {"ends early", one.substr(0, one.rfind(' ', one.size() - 2)), false, kBadData},
      {"above range", " 32768 " + one, false, kBadData},
      {"below range", "-32769 " + one, false, kBadData},
      {"not a number", " 12a " + one, false, kBadData},
      {"empty field", " 1 ,, " + one, false, kBadData},
      {"sign alone", " - " + one, false, kBadData},
      {"empty", "", false, kBadData},
      {"all-controllers file", all, false, kWrongKind},
      {"one-controller file", one, true, kWrongKind},
      {"fewer FIX groups", all, true, kBadData},
      {"exactly 100000 bytes", exact, false, kLoaded},
      {"100000 bytes read as all, ending early", exact, true, kBadData},
      {"100001 bytes", exact + " ", false, kWrongKind},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ProgramState loaded;
    testing::FillDistinctSettings(loaded, 777);
    const SettingTables before(loaded);
    const SettingFileLayout layout =
        row.all_controllers ? AllControllersFile(3) : OneControllerFile(0);
    EXPECT_EQ(LoadSettingFile(loaded, Write(row.text), layout), row.result);
    if (row.result != kLoaded) {
      EXPECT_TRUE(SettingTables(loaded) == before);
    }
  }
  for (const auto& path : {folder_.path() / "missing.dat", folder_.path()}) {
    EXPECT_EQ(LoadSettingFile(s_, path, OneControllerFile(0)), kBadData) << path;
  }
}

TEST_F(SettingFileTest, MoreFixGroupsThanConnectedLoadWithoutTheSurplus) {
  testing::FillDistinctSettings(s_);
  const auto path = Write(FormatSettingFile(s_, AllControllersFile(5)));
  ProgramState loaded;
  ASSERT_EQ(LoadSettingFile(loaded, path, AllControllersFile(2)), SettingFileRead::kLoaded);
  EXPECT_EQ(loaded.PrmData[0x1F][1], s_.PrmData[0x1F][1]);
  EXPECT_EQ(loaded.PrmData[0x1F][2], 0);
}

}  // namespace
}  // namespace qd470
