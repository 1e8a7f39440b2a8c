// Building requests, classifying replies and extracting their data.
#include "link/frame.h"

namespace qd470 {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// Request or reply body from the address to ETX, without data.
constexpr size_t kHeadLen = 3 + 4;  // address, sub-address, command, item
constexpr size_t kDataLen = 4;
constexpr size_t kBccLen = 2;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<uint16_t> ParseHex4(std::string_view text) {
  if (text.size() != 4) return std::nullopt;
  uint16_t value = 0;
  for (char c : text) {
    int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = static_cast<uint16_t>(value * 16 + d);
  }
  return value;
}

}  // namespace

std::string Hex4(uint16_t value) {
  std::string out(4, '0');
  for (int i = 3; i >= 0; --i, value >>= 4) out[i] = kDigits[value & 0xF];
  return out;
}

TrFrame MakeFrame(int dev, char cmd, uint16_t item, std::optional<int16_t> data) {
  TrFrame frame;
  frame.Adr = static_cast<char>(0x20 + dev);
  frame.Cmd = cmd;
  frame.Item = Hex4(item);
  if (data) frame.Data = Hex4(static_cast<uint16_t>(*data));
  return frame;
}

std::string Bcc(std::string_view text) {
  unsigned sum = 0;
  for (char c : text) sum += static_cast<unsigned char>(c);
  return {kDigits[(sum >> 4) & 0xF], kDigits[sum & 0xF]};
}

std::string BuildRequest(const TrFrame& frame) {
  std::string body{frame.Adr, frame.SubAdr, frame.Cmd};
  body += frame.Item;
  body += frame.Data;
  body += kEtx;
  return kStx + body + Bcc(body);
}

bool ReplyCarriesData(char cmd) { return cmd == kCmdRead || cmd == kCmdModeRead; }

size_t ReplyLength(const TrFrame& frame, char first) {
  const bool data = first == kAck && ReplyCarriesData(frame.Cmd);
  return 1 + kHeadLen + (data ? kDataLen : 0) + 1 + kBccLen;
}

RecvCode ClassifyReply(const TrFrame& frame, std::string_view reply) {
  if (reply.empty()) return kRecvNone;
  const char first = reply[0];
  if (first != kAck && first != kNak && first != kEsc) return kRecvOther;
  if (reply.size() != ReplyLength(frame, first)) return kRecvOther;
  const std::string_view body = reply.substr(1, reply.size() - 1 - kBccLen);
  const std::string head = std::string{frame.Adr, frame.SubAdr, frame.Cmd} + frame.Item;
  if (body.substr(0, kHeadLen) != head || body.back() != kEtx) return kRecvOther;
  if (body.size() > kHeadLen + 1 && !ParseHex4(body.substr(kHeadLen, kDataLen))) {
    return kRecvOther;
  }
  if (reply.substr(reply.size() - kBccLen) != Bcc(body)) return kRecvOther;
  if (first == kAck) return kRecvAck;
  return first == kNak ? kRecvRefused : kRecvEscape;
}

bool IsReplyToAnother(const TrFrame& frame, std::string_view reply) {
  if (reply.empty() || (reply[0] != kAck && reply[0] != kNak && reply[0] != kEsc)) return false;
  const size_t short_len = 1 + kHeadLen + 1 + kBccLen;
  if (reply.size() != short_len && reply.size() != short_len + kDataLen) return false;
  const std::string_view body = reply.substr(1, reply.size() - 1 - kBccLen);
  if (body.back() != kEtx || reply.substr(reply.size() - kBccLen) != Bcc(body)) return false;
  const std::string head = std::string{frame.Adr, frame.SubAdr, frame.Cmd} + frame.Item;
  return body.substr(0, kHeadLen) != head;
}

std::optional<int16_t> ReplyData(const TrFrame& frame, std::string_view reply) {
  if (ClassifyReply(frame, reply) != kRecvAck || !ReplyCarriesData(frame.Cmd)) return std::nullopt;
  auto value = ParseHex4(reply.substr(1 + kHeadLen, kDataLen));
  if (!value) return std::nullopt;
  return static_cast<int16_t>(*value);
}

}  // namespace qd470
