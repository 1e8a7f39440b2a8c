// One transaction with a controller, and the reads and writes of one data item built on it.
#include "link/qd470_link.h"
#include "program/program.h"

namespace qd470::QD470 {

RecvCode Exchange(Program& p, int dev, TrFrame& frame) {
  const RecvCode code = p.Comm().Transact(frame);
  if (dev >= 0 && dev < kMaxDevices) p.CommErr[dev] = code == kRecvAck ? 0 : 1;
  return code;
}

std::optional<int16_t> ReadItem(Program& p, int dev, uint16_t item, RecvCode* code) {
  TrFrame frame = MakeFrame(dev, kCmdRead, item);
  const RecvCode got = Exchange(p, dev, frame);
  if (code) *code = got;
  if (got != kRecvAck) return std::nullopt;
  return ReplyData(frame, frame.Recv);
}

RecvCode WriteItem(Program& p, int dev, uint16_t item, int16_t value) {
  TrFrame frame = MakeFrame(dev, kCmdWrite, item, value);
  return Exchange(p, dev, frame);
}

RecvCode ReadMode(Program& p, int16_t dev, bool* in_mode) {
  TrFrame ask = MakeFrame(dev, kCmdModeRead, 0x0000);
  const RecvCode code = Exchange(p, dev, ask);
  *in_mode = code == kRecvAck && ReplyData(ask, ask.Recv) == 1;
  return code;
}

RecvCode AskMode(Program& p, int16_t dev) {
  TrFrame enter = MakeFrame(dev, kCmdModeWrite, 0x0000, 1);
  return Exchange(p, dev, enter);
}

// Asks for setting mode unless the controller says it is in it. The controller leaves the mode
// on its own, so this runs before every write that needs it.
void SetModeChk(Program& p, int16_t dev) {
  bool in_mode = false;
  ReadMode(p, dev, &in_mode);
  if (!in_mode) AskMode(p, dev);
}

}  // namespace qd470::QD470
