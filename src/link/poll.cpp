// The poll cycle: the monitor items of every connected controller in turn and the end of
// auto-tuning; the main screen is refreshed at each cycle's end.
#include <algorithm>
#include <array>

#include "link/qd470_link.h"
#include "model/request_slot.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "settings/subdisp_set.h"

namespace qd470::QD470 {
namespace {

constexpr uint16_t kStatusItem = 0x0088;

// The monitor items of one controller in poll order, and the table each one fills.
struct PollItem {
  uint16_t item;
  PerDevice& (*table)(ProgramState&);
};
constexpr std::array<PollItem, 11> kPollItems{{
    {0x0080, [](ProgramState& s) -> PerDevice& { return s.PvTbl; }},
    {0x0081, [](ProgramState& s) -> PerDevice& { return s.Mv1Tbl; }},
    {0x0082, [](ProgramState& s) -> PerDevice& { return s.Mv2Tbl; }},
    {0x0083, [](ProgramState& s) -> PerDevice& { return s.SvTbl; }},
    {0x0084, [](ProgramState& s) -> PerDevice& { return s.RemTimeTbl; }},
    {0x0085, [](ProgramState& s) -> PerDevice& { return s.PtnStpTbl; }},
    {0x0086, [](ProgramState& s) -> PerDevice& { return s.AlmStat; }},
    {0x0087, [](ProgramState& s) -> PerDevice& { return s.TsStatTbl; }},
    {kStatusItem, [](ProgramState& s) -> PerDevice& { return s.DevStatus; }},
    {0x000C, [](ProgramState& s) -> PerDevice& { return s.ManMvTbl(); }},
    {0x003F, [](ProgramState& s) -> PerDevice& { return s.PtnNoTbl(); }},
}};

// PID values read again after auto-tuning: the PID block items of blocks 0 to 9, then the
// fixed-value PID codes 02 to 06.
constexpr int kPidBlockItems = 5;
constexpr uint8_t kFixPidFirst = 0x02, kFixPidLast = 0x06;
constexpr int kPidBlockReads = kBlocks * kPidBlockItems;
constexpr int kPidReads = kPidBlockReads + kFixPidLast - kFixPidFirst + 1;

// Read `n` of the PID values of controller dev; an acknowledged value replaces the old one,
// unless a write of that place still waits: its value goes out after.
void ReadPid(Program& p, int16_t dev, int n) {
  StorageRef ref{SettingTable::kBlkData, static_cast<uint8_t>(n % kPidBlockItems), 0,
                 static_cast<uint8_t>(n / kPidBlockItems)};
  if (n >= kPidBlockReads) {
    ref = {SettingTable::kPrmData, static_cast<uint8_t>(kFixPidFirst + n - kPidBlockReads)};
  }
  const uint16_t item = DataItemOf(ref);
  const auto value = ReadItem(p, dev, item);
  if (value && !WriteWaits(p, dev, item)) *ResolveStorage(p, dev, ref) = *value;
}

// Controller dev's auto-tuning has ended: its PID values are read again by the ticks that
// follow. A controller already waiting is not queued twice; one whose reads have begun is read
// again from the start afterwards.
void QueueAtEnd(LinkState& link, int16_t dev) {
  const auto waiting = link.at_end.begin() + (link.at_end_read > 0 ? 1 : 0);
  if (std::find(waiting, link.at_end.end(), dev) == link.at_end.end()) link.at_end.push_back(dev);
}

// Reads one monitor item; an acknowledged value replaces the old one. False when the controller
// gave no reply at all: it is then passed over for the rest of the cycle, since its other items
// would only wait out the same timeout and hold up the controllers that do answer.
bool PollOne(Program& p, int16_t dev, const PollItem& poll) {
  RecvCode code = kRecvNone;
  const auto value = ReadItem(p, dev, poll.item, &code);
  if (!value) return code != kRecvNone;
  if (WriteWaits(p, dev, poll.item)) return true;  // the manual MV or pattern number set waits
  int16_t& slot = poll.table(p)[dev];
  const int16_t old = slot;
  slot = *value;
  if (poll.item == kStatusItem && (old & kStatAutoTuning) && !(*value & kStatAutoTuning)) {
    QueueAtEnd(p.Link(), dev);
  }
  return true;
}

// The poll moves on to the next controller; after the last one the cycle ends and the monitor
// display is refreshed. True at the end of a cycle.
bool NextDevice(Program& p, int16_t count) {
  LinkState& link = p.Link();
  link.poll_item = 0;
  if (++link.poll_dev < count) return false;
  link.poll_dev = 0;
  p.Form<MainDisp>().CRTAllMon();
  return true;
}

}  // namespace

bool PollStep(Program& p, int16_t skip) {
  LinkState& link = p.Link();
  const int16_t count = std::clamp<int16_t>(p.CommCond.DevCount, 1, kMaxDevices);
  if (link.poll_dev >= count) link.poll_dev = 0, link.poll_item = 0;
  if (link.poll_dev == skip && NextDevice(p, count)) return true;
  const bool answered = PollOne(p, link.poll_dev, kPollItems[link.poll_item]);
  if (answered && ++link.poll_item < static_cast<int16_t>(kPollItems.size())) return false;
  NextDevice(p, count);
  return true;
}

void PollAll(Program& p) {
  // Only the live controls take input meanwhile, as during a read of all settings.
  forms::FormHost::WorkScope work(p.Forms(), forms::WorkKind::kBlocking);
  const int16_t count = std::clamp<int16_t>(p.CommCond.DevCount, 1, kMaxDevices);
  for (int16_t dev = 0; dev < count; ++dev) {
    for (const PollItem& poll : kPollItems) {
      if (p.EndReq == -1) return;
      const bool answered = PollOne(p, dev, poll);
      if (auto* pump = p.Svc().pump) pump->DoEvents();
      if (!answered) break;
    }
  }
}

void AtEndRecv(Program& p) {
  LinkState& link = p.Link();
  if (link.at_end.empty() || p.EndReq == -1) return;
  ReadPid(p, link.at_end.front(), link.at_end_read);
  if (++link.at_end_read < kPidReads) return;
  link.at_end_read = 0;
  link.at_end.pop_front();
  SubDisp_Set& screen = p.Form<SubDisp_Set>();
  screen.CRTextsetBLK();
  screen.CRTextsetFIX();
  p.SendReq2 = 1;
}

}  // namespace qd470::QD470
