// The program-wide tables and scalars of the monitoring program, under the system's own names.
// One instance lives in the program object; every screen reads and writes it directly.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>

namespace qd470 {

inline constexpr int kMaxDevices = 32;
inline constexpr int kPrmCodes = 0x48;      // PrmData codes 00 to 47 (hex)
inline constexpr int kPtnItems = 14;        // step items per pattern step
inline constexpr int kPtnComItems = 2;      // repeat count, pattern link
inline constexpr int kBlkItems = 17;        // block items
inline constexpr int kPtnTableSize = 16;    // patterns and steps 0..15 are stored, 0..9 used
inline constexpr int kPatterns = 10;
inline constexpr int kSteps = 10;
inline constexpr int kBlocks = 10;          // blocks of items 0 to 14
inline constexpr int kTsBlocks = 16;        // blocks of the time-signal items 15 and 16

inline constexpr int16_t kTrue = -1;        // flags are 16-bit integers, true = -1
inline constexpr int16_t kFalse = 0;

// Specification record of one controller (16 bytes in the type file).
struct TypeRec {
  int16_t InRange = 0;
  int16_t Al1Type = 0;
  int16_t Al2Type = 0;
  int16_t LoopAlmNone = 0;
  int16_t Out2Type = 0;
  int16_t TrsNone = 0;
  int16_t TsNone = 0;
  int16_t CtrlType = 0;
  bool operator==(const TypeRec&) const = default;
};

// Name of one controller and of its eight time signals, each at most 12 characters.
struct NameRec {
  std::string Name;
  std::array<std::string, 8> TsName;
};

// Communication conditions (one 8-byte record in the init file).
struct CommCondRec {
  int16_t DevCount = 1;    // 1 to 32 connected controllers
  int16_t PortIdx = 0;     // COM1 to COM8
  int16_t SpeedIdx = 0;    // 0 19200, 1 9600, 2 4800, 3 2400 baud
  int16_t ReadIdx = 0;     // read all settings at start: 0 yes, 1 no
};

// A one-item write that waits for its controller. It is a copy taken when the write was queued,
// so that a later refresh or selection on the settings screen cannot redirect it.
struct PendingWrite {
  int16_t SetCh = 0;
  int16_t SetPtn = 0;
  int16_t EditItem = 0;
  int16_t EditIdx = 0;
  int16_t SendVal = 0;
  uint16_t item = 0;  // the data item written: with SetCh, the place the write sets
  // What memory held at the place before its first waiting edit, restored when the controller
  // refuses the write (none for a command, which stores nothing).
  std::optional<int16_t> before;
  // The SV limit (PrmData code and value) as it was before a scaling limit pulled it along.
  std::optional<std::pair<uint8_t, int16_t>> pulled_before;
  uint32_t seq = 0;  // order of queueing, program-wide
  bool operator==(const PendingWrite&) const = default;
};

using PerDevice = std::array<int16_t, kMaxDevices>;

// Values of CommState (0 start-up) and of the job word SendReq (0 idle).
inline constexpr int16_t kCommMonitoring = 1, kCommJobs = 7;
inline constexpr int16_t kReqWrite = 1, kReqSendAll = 2, kReqReceiveAll = 3, kReqCancel = 4,
                         kReqCopy = 5;

// Status word bits of DevStatus (data item 0088); 32, wait, is not read by the program.
inline constexpr int16_t kStatProgram = 1;
inline constexpr int16_t kStatManual = 2;
inline constexpr int16_t kStatAutoTuning = 4;
inline constexpr int16_t kStatRun = 8;
inline constexpr int16_t kStatHold = 16;

// Where the settings of one controller held in memory came from, as the settings screen's status
// line tells it.
struct SettingSource {
  enum From : int16_t { kDefaults, kFile, kLine };
  From from = kDefaults;
  int16_t values = 0;  // kLine: how many of the 1843 values the last read or send moved
  bool operator==(const SettingSource&) const = default;
};

struct ProgramState {
  // Data file names, chosen by language at start-up.
  std::string TypeFileName = "QD4TYPE.DAT";
  std::string InitFileName = "QD4INIT.DAT";
  std::string ChartFileName = "QD4CHART.DAT";
  std::string NameFileName = "QD4NAME.DAT";
  std::string PwFileName = "QD4PW.DAT";
  std::string PortFileName = "QD4PORT.DAT";  // a device path beyond COM1 to COM8


  CommCondRec CommCond;
  std::string CommPort = "/dev/ttyS0";  // the device the link opens: COM1 to COM8 or a path
  int16_t CommState = 0;   // 0 start-up, 1 monitoring, 7 bulk job
  int16_t PortOpen = 0;
  int16_t EndReq = 0;

  // Monitor tables filled by the poll (data items 0080 to 0088).
  PerDevice PvTbl{};
  PerDevice Mv1Tbl{};      // 0.1 %
  PerDevice Mv2Tbl{};      // 0.1 %
  PerDevice SvTbl{};
  PerDevice RemTimeTbl{};  // remaining step time, -1 none
  PerDevice PtnStpTbl{};   // pattern in bits 0 to 3, step in bits 4 to 7
  PerDevice AlmStat{};     // 1 OUT1, 2 OUT2, 4..32 alarms 1 to 4, 64 loop break, 128/256 scale
  PerDevice TsStatTbl{};   // bits 0 to 7: time signals 1 to 8
  PerDevice DevStatus{};   // 1 program, 2 manual, 4 auto-tuning, 8 run, 16 hold, 32 wait
  PerDevice CommErr{};     // 0 last transaction acknowledged, 1 failed

  // Setting tables: raw 16-bit values, [item][controller]...
  std::array<PerDevice, kPrmCodes> PrmData{};
  std::array<std::array<std::array<std::array<int16_t, kPtnTableSize>, kPtnTableSize>,
                        kMaxDevices>, kPtnItems> PtnData{};               // [k][c][p][s]
  std::array<std::array<std::array<int16_t, kPatterns>, kMaxDevices>, kPtnComItems>
      PtnCom{};                                                         // [k][c][p]
  std::array<std::array<std::array<int16_t, kTsBlocks>, kMaxDevices>, kBlkItems>
      BlkData{};                                                        // [k][c][b]

  // ManMvTbl and PtnNoTbl are PrmData codes 0C and 3F.
  PerDevice& ManMvTbl() { return PrmData[0x0C]; }
  PerDevice& PtnNoTbl() { return PrmData[0x3F]; }
  const PerDevice& ManMvTbl() const { return PrmData[0x0C]; }
  const PerDevice& PtnNoTbl() const { return PrmData[0x3F]; }

  std::array<TypeRec, kMaxDevices> DevRec{};
  std::array<NameRec, kMaxDevices> DevNames{};

  // Request slot; its edit fields double as the settings screen's working state.
  int16_t SetCh = 0;
  int16_t SetPtn = 0;
  int16_t EditItem = 0;
  int16_t EditIdx = 0;
  int16_t EditSub = 0;
  int16_t EditDp = 0;
  int16_t EditLo = 0;
  int16_t EditHi = 0;
  int16_t SendVal = 0;
  int16_t SendReq = 0;     // 0 idle, 1 one-item write, 2 send all, 3 receive all, 4 cancel, 5 copy
  int16_t SendReq2 = 0;    // 1: redraw the settings screen once the write is acknowledged
  // The one-item writes waiting for their controllers, oldest first (SendReq is 1 while there is
  // one and no job runs).
  std::deque<PendingWrite> Pending;
  uint32_t PendingSeq = 0;  // sequence number of the last write queued

  // FileLoaded, kept per controller and with the other sources beside the setting file: a file
  // loaded into one controller says nothing of where the others' settings came from.
  std::array<SettingSource, kMaxDevices> SourceTbl{};
  int16_t StartRead = 0;
  int32_t RcvMask = 0;
  int32_t SetLoadMask = 0;
  int16_t SelStepNow = -1;
  int16_t PrnIndex = -1;
};

}  // namespace qd470
