// Tests of the communication-condition record: its bytes and the refusal of bad records.
#include "model/comm_cond_record.h"

#include <gtest/gtest.h>

#include <string>

namespace qd470 {
namespace {

TEST(CommCondRecord, FieldsAreLittleEndianInFileOrder) {
  const CommCondRec cond{32, 7, 3, 1};
  const std::string bytes = EncodeCommCond(cond);
  EXPECT_EQ(bytes, std::string("\x20\x00\x07\x00\x03\x00\x01\x00", 8));
  auto back = DecodeCommCond(bytes + "trailing bytes are not read");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->DevCount, 32);
  EXPECT_EQ(back->PortIdx, 7);
  EXPECT_EQ(back->SpeedIdx, 3);
  EXPECT_EQ(back->ReadIdx, 1);
}

TEST(CommCondRecord, ShortRecordsAndValuesOutOfRangeAreRefused) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  const std::string good = EncodeCommCond(CommCondRec{});
  const Case cases[] = {
      {"empty", ""},
      {"seven bytes", good.substr(0, 7)},
      {"no controller", EncodeCommCond({0, 0, 0, 0})},
      {"33 controllers", EncodeCommCond({33, 0, 0, 0})},
      {"negative count", EncodeCommCond({-1, 0, 0, 0})},
      {"port below COM1", EncodeCommCond({1, -1, 0, 0})},
      {"port beyond COM8", EncodeCommCond({1, 8, 0, 0})},
      {"speed 4", EncodeCommCond({1, 0, 4, 0})},
      {"read index 2", EncodeCommCond({1, 0, 0, 2})},
      {"read index -1", EncodeCommCond({1, 0, 0, -1})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(DecodeCommCond(c.bytes));
  }
  EXPECT_TRUE(DecodeCommCond(good));
}

}  // namespace
}  // namespace qd470
