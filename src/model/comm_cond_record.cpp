// Encoding and checking of the communication-condition record.
#include "model/comm_cond_record.h"

#include <array>

#include "model/le16.h"

namespace qd470 {
namespace {

struct Field {
  int16_t CommCondRec::*member;
  int16_t low;
  int16_t high;
};

// The fields in file order with their ranges.
constexpr std::array<Field, 4> kFields{{
    {&CommCondRec::DevCount, 1, kMaxDevices},
    {&CommCondRec::PortIdx, 0, kComPorts - 1},
    {&CommCondRec::SpeedIdx, 0, kSpeeds - 1},
    {&CommCondRec::ReadIdx, 0, kReadChoices - 1},
}};

}  // namespace

std::string EncodeCommCond(const CommCondRec& cond) {
  std::string out;
  out.reserve(kCommCondSize);
  for (const Field& f : kFields) PutInt16(out, cond.*f.member);
  return out;
}

std::optional<CommCondRec> DecodeCommCond(std::string_view bytes) {
  if (bytes.size() < kCommCondSize) return std::nullopt;
  CommCondRec cond;
  size_t at = 0;
  for (const Field& f : kFields) {
    const int16_t value = GetInt16(bytes, at);
    if (value < f.low || value > f.high) return std::nullopt;
    cond.*f.member = value;
    at += 2;
  }
  return cond;
}

}  // namespace qd470
