// The wire frame: request text at fixed positions, reply classes and reply data.
#include "link/frame.h"

#include <gtest/gtest.h>

namespace qd470 {
namespace {

std::string Reply(char first, const std::string& body_without_etx) {
  const std::string body = body_without_etx + kEtx;
  return first + body + Bcc(body);
}

TEST(Frame, RequestsHaveEveryFieldAtItsPlace) {
  struct Row {
    int dev;
    char cmd;
    uint16_t item;
    std::optional<int16_t> data;
    std::string body;  // address to the last data digit
  };
  const Row rows[] = {
      {0, kCmdRead, 0x0080, std::nullopt, "   0080"},   // device 0: a blank address
      {16, kCmdRead, 0x199D, std::nullopt, "0  199D"},  // devices 16 to 25 are digits
      {31, kCmdWrite, 0x001D, -5, "? P001DFFFB"},       // negative: two's complement
      {3, kCmdModeWrite, 0x0000, 1, "# q00000001"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.body);
    const std::string request = BuildRequest(MakeFrame(row.dev, row.cmd, row.item, row.data));
    unsigned sum = 0;
    for (char c : row.body + kEtx) sum += static_cast<unsigned char>(c);
    char bcc[3];
    snprintf(bcc, sizeof bcc, "%02X", sum & 0xFF);
    EXPECT_EQ(request, std::string(1, kStx) + row.body + kEtx + bcc);
  }
}

TEST(Frame, RepliesAreClassifiedOnlyWhenEveryEchoedFieldMatches) {
  const TrFrame read = MakeFrame(5, kCmdRead, 0x0083);
  const TrFrame write = MakeFrame(5, kCmdWrite, 0x0001, 100);
  struct Row {
    const char* name;
    const TrFrame& frame;
    std::string reply;
    RecvCode code;
  };
  const Row rows[] = {
      {"ack with data", read, Reply(kAck, "%  0083FF38"), kRecvAck},
      {"ack to a write", write, Reply(kAck, "% P0001"), kRecvAck},
      {"refused", write, Reply(kNak, "% P0001"), kRecvRefused},
      {"busy", read, Reply(kEsc, "%  0083"), kRecvEscape},
      {"nothing", read, "", kRecvNone},
      {"other address", read, Reply(kAck, "&  0083FF38"), kRecvOther},
      {"other item", read, Reply(kAck, "%  0084FF38"), kRecvOther},
      {"other command", write, Reply(kAck, "%  0001"), kRecvOther},
      {"ack to a read without data", read, Reply(kAck, "%  0083"), kRecvOther},
      {"data that is not hex", read, Reply(kAck, "%  0083FG38"), kRecvOther},
      {"lower-case data", read, Reply(kAck, "%  0083ff38"), kRecvOther},
      {"nak with data", read, Reply(kNak, "%  00830000"), kRecvOther},
      {"cut off", read, Reply(kAck, "%  0083FF38").substr(0, 9), kRecvOther},
      {"bad bcc", read, Reply(kAck, "%  0083FF38").substr(0, 14) + "00", kRecvOther},
      {"noise", read, "\x7FZZ", kRecvOther},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ClassifyReply(row.frame, row.reply), row.code);
  }
}

TEST(Frame, DataIsTakenOnlyFromAnAcknowledgedRead) {
  const TrFrame read = MakeFrame(0, kCmdRead, 0x0080);
  EXPECT_EQ(ReplyData(read, Reply(kAck, "   0080FF38")), -200);
  EXPECT_EQ(ReplyData(read, Reply(kAck, "   00807FFF")), 32767);
  EXPECT_EQ(ReplyData(read, Reply(kEsc, "   0080")), std::nullopt);
  const TrFrame mode = MakeFrame(0, kCmdModeRead, 0x0000);
  EXPECT_EQ(ReplyData(mode, Reply(kAck, "  a00000001")), 1);
}

}  // namespace
}  // namespace qd470
