// The wire frame of one transaction: the request text, the reply classes and the data of a reply.
// Every field sits at a fixed position; nothing is trimmed or searched for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qd470 {

inline constexpr char kStx = 0x02;
inline constexpr char kEtx = 0x03;
inline constexpr char kAck = 0x06;
inline constexpr char kNak = 0x15;
inline constexpr char kEsc = 0x1B;

inline constexpr char kCmdRead = ' ';
inline constexpr char kCmdWrite = 'P';
inline constexpr char kCmdModeRead = 'a';   // reads the setting-mode word
inline constexpr char kCmdModeWrite = 'q';  // asks for setting mode

// Reply classes (`RecvCode`).
enum RecvCode : int16_t {
  kRecvAck = 0,
  kRecvNone = 1,
  kRecvRefused = 2,
  kRecvEscape = 3,
  kRecvOther = 4,
};

// The fields of one transaction. `Kind` receives the reply class, `Recv` the reply text.
struct TrFrame {
  char Adr = ' ';     // 20h + device number
  char SubAdr = ' ';  // always a blank
  char Cmd = kCmdRead;
  std::string Item;  // data item, 4 upper-case hex digits
  std::string Data;  // 4 upper-case hex digits for "P" and "q", else empty
  int16_t Kind = kRecvNone;
  std::string Recv;
};

// Four upper-case hexadecimal digits of a 16-bit value (two's complement for negatives).
std::string Hex4(uint16_t value);

// A frame addressed to controller `dev` with the given command, item and (for writes) data.
TrFrame MakeFrame(int dev, char cmd, uint16_t item, std::optional<int16_t> data = std::nullopt);

// The low byte of the sum of the characters, as two upper-case hexadecimal digits.
std::string Bcc(std::string_view text);

// The request text: STX, address, sub-address, command, item, data, ETX, BCC.
std::string BuildRequest(const TrFrame& frame);

// True when a request with this command is answered by an ACK that carries 4 data digits.
bool ReplyCarriesData(char cmd);

// Number of characters of a complete reply to `frame` whose first character is `first`.
size_t ReplyLength(const TrFrame& frame, char first);

// The class of `reply` to the request `frame`: nothing arrived is "no reply"; ACK, NAK or ESC
// with every echoed field and the BCC right is that class; anything else is kRecvOther.
RecvCode ClassifyReply(const TrFrame& frame, std::string_view reply);

// True when `reply` is a whole, well-formed reply (ACK, NAK or ESC, the fields, ETX and a right
// BCC) to a request other than `frame`: another address, command or item. Such a reply is a late
// answer to an earlier request, never the answer to this one.
bool IsReplyToAnother(const TrFrame& frame, std::string_view reply);

// The value of the data field of an acknowledged reply to a read; nullopt when the reply holds
// no 4-digit data.
std::optional<int16_t> ReplyData(const TrFrame& frame, std::string_view reply);

}  // namespace qd470
