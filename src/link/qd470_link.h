// The device link's routines of the start-up module `QD470`: poll, one-item write, setting-mode
// access, group reads and sends, and reading all settings of one controller.
#pragma once

#include <cstdint>
#include <optional>

#include "link/frame.h"
#include "model/setting_groups.h"

namespace qd470 {
class Program;
namespace forms {
class Form;
}
}  // namespace qd470

namespace qd470::QD470 {

// ---- Transactions (each records the controller's CommErr).
RecvCode Exchange(Program& p, int dev, TrFrame& frame);
// The value of an acknowledged read of `item`; nullopt otherwise. The reply class goes to `code`
// when given.
std::optional<int16_t> ReadItem(Program& p, int dev, uint16_t item, RecvCode* code = nullptr);
RecvCode WriteItem(Program& p, int dev, uint16_t item, int16_t value);

// ---- Poll.
// One poll step: one monitor item of the current controller, then the next item or controller;
// after the last controller of a cycle, the monitor display is refreshed. Controller `skip` is
// passed over. True when the step ended the poll of a controller or the cycle.
bool PollStep(Program& p, int16_t skip = -1);
// Every monitor item of every connected controller, once; pending events run after each
// transaction, and the poll stops once the program ends.
void PollAll(Program& p);
// The next read of the PID values of the first controller whose auto-tuning has ended (the poll
// queues it); after that controller's last read the settings screen shows them. One read per
// call, so that events run between the communication ticks that do them.
void AtEndRecv(Program& p);

// ---- One-item write.
void SetSend(Program& p);
// The setting-mode access before a write of the fixed-value output limits and rate, in its two
// transactions (ReadMode: whether the controller is in setting mode; AskMode: the request for
// it), and both in one call (SetModeChk, for the sends of all settings).
RecvCode ReadMode(Program& p, int16_t dev, bool* in_mode);
RecvCode AskMode(Program& p, int16_t dev);
void SetModeChk(Program& p, int16_t dev);

// ---- Groups of all settings. Each moves the running job's progress once per place and stops
// (returning false) when the job is cancelled or the program ends. The reads store only
// acknowledged values and count the others in the tally. Each value stored or acknowledged is
// entered in the job's record (LinkState::job). Reads and writes also stop when the line is lost
// or the controller has given kSilentReads answers in a row that were neither an acknowledgement
// nor a refusal (none, busy, garbled): it is not on the line or cannot take the pass, and
// waiting out every other place would hold the program for minutes.
struct GroupTally {
  int failed = 0;      // reads not acknowledged
  int unanswered = 0;  // transactions in a row without an acknowledgement or a refusal
  // A read outside the jobs leaves a place whose one-item write still waits as it is: the
  // waiting value goes out, and the place counts as read.
  bool keep_waiting = false;
};
inline constexpr int kSilentReads = 5;
bool PtnRecv(Program& p, int16_t dev, GroupTally& tally);
bool BlkRecv(Program& p, int16_t dev, GroupTally& tally);
bool OtrRecv(Program& p, int16_t dev, GroupTally& tally);
bool FixRecv(Program& p, int16_t dev, GroupTally& tally);
bool PtnSend(Program& p, int16_t dev, GroupTally& tally);
bool BlkSend(Program& p, int16_t dev, GroupTally& tally);
bool OtrSend(Program& p, int16_t dev, GroupTally& tally);
bool FixSend(Program& p, int16_t dev, GroupTally& tally);

// Reads the four groups of controller dev, polling every monitor between two groups when asked;
// a read for a job (`job`) stores over places whose write waits, any other leaves them. True,
// and dev's bit of RcvMask set, when every read was acknowledged; false when one was not, the
// controller stayed silent, or the job was cancelled or the program is ending before the last
// place.
bool RecvAll(Program& p, int16_t dev, bool poll_between, bool job);

// Reads all settings of controller dev unless it was read before (its bit of SetLoadMask) or
// the port is not open. Only a read that stored every value sets the bit; a controller chosen
// on the settings screen that was not read whole is said so (TellShortPass). SourceTbl keeps
// how many values the read stored.
void SetAllRecv(Program& p, int16_t& dev);

// After a pass of all settings of controller dev (a send when `send`) that did not move every
// value: one message box, over `owner` (nullptr: the current opener), with the controller's
// name, the count of values moved (LinkState::job) and what to do. Nothing when every value
// moved or the program is ending.
void TellShortPass(Program& p, forms::Form* owner, int16_t dev, bool send);

}  // namespace qd470::QD470
