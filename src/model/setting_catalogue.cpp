// The setting-number catalogue as one table of data, and the lookups derived from it.
#include "model/setting_catalogue.h"

#include <array>

namespace qd470 {
namespace {

constexpr SettingKind kVal = SettingKind::kValue;
constexpr SettingKind kCho = SettingKind::kChoice;
constexpr SettingKind kCmd = SettingKind::kCommand;
constexpr SettingKind kUna = SettingKind::kUnassigned;
constexpr SettingTable kPrm = SettingTable::kPrmData;
constexpr SettingTable kPtn = SettingTable::kPtnData;
constexpr SettingTable kCom = SettingTable::kPtnCom;
constexpr SettingTable kBlk = SettingTable::kBlkData;
constexpr SettingTable kNon = SettingTable::kNone;

// number, kind, table, item, two parts, controls, data item (pattern, step and block 0)
constexpr std::array<SettingDef, kSettingNumbers> kCatalogue{{
    {0, kVal, kBlk, 0, false, "lblP", 0x2000},
    {1, kVal, kBlk, 1, false, "lblI", 0x2001},
    {2, kVal, kBlk, 2, false, "lblD", 0x2002},
    {3, kVal, kBlk, 3, false, "lblArw", 0x2003},
    {4, kVal, kBlk, 4, false, "lblPB", 0x2004},
    {5, kVal, kBlk, 6, false, "lblA1", 0x4000},
    {6, kVal, kBlk, 7, false, "lblA2", 0x4001},
    {7, kVal, kBlk, 8, false, "lblA3", 0x4002},
    {8, kVal, kBlk, 9, false, "lblA4", 0x4003},
    {9, kVal, kBlk, 10, false, "lblOlh", 0x5000},
    {10, kVal, kBlk, 11, false, "lblOll", 0x5001},
    {11, kVal, kBlk, 12, false, "lblOlhb", 0x5002},
    {12, kVal, kBlk, 13, false, "lblOllb", 0x5003},
    {13, kVal, kBlk, 14, false, "lblOrat", 0x5004},
    {14, kVal, kBlk, 15, true, "lblTsoffH lblTsoffM", 0x6000},
    {15, kVal, kBlk, 16, true, "lblTsonH lblTsonM", 0x6001},
    {16, kVal, kBlk, 5, false, "lblWait", 0x3000},
    {17, kVal, kPtn, 0, false, "lblSV", 0x1000},
    {18, kVal, kPtn, 1, true, "lblTmH lblTmM", 0x1001},
    {19, kVal, kPtn, 2, false, "lblPbk", 0x1002},
    {20, kVal, kPtn, 3, false, "lblTs1", 0x1003},
    {21, kVal, kPtn, 4, false, "lblTs2", 0x1004},
    {22, kVal, kPtn, 5, false, "lblTs3", 0x1005},
    {23, kVal, kPtn, 6, false, "lblTs4", 0x1006},
    {24, kVal, kPtn, 7, false, "lblTs5", 0x1007},
    {25, kVal, kPtn, 8, false, "lblTs6", 0x1008},
    {26, kVal, kPtn, 9, false, "lblTs7", 0x1009},
    {27, kVal, kPtn, 10, false, "lblTs8", 0x100A},
    {28, kVal, kPtn, 11, false, "lblWbk", 0x100B},
    {29, kVal, kPtn, 12, false, "lblAbk", 0x100C},
    {30, kVal, kPtn, 13, false, "lblObk", 0x100D},
    {31, kVal, kCom, 0, false, "lblRep", 0x7000},
    {32, kCho, kCom, 1, false, "cmbChain", 0x7001},
    {33, kVal, kPrm, 0x01, false, "lblFSv", 0x0001},
    {34, kVal, kPrm, 0x02, false, "lblFP", 0x0002},
    {35, kVal, kPrm, 0x03, false, "lblFI", 0x0003},
    {36, kVal, kPrm, 0x04, false, "lblFD", 0x0004},
    {37, kVal, kPrm, 0x05, false, "lblFArw", 0x0005},
    {38, kVal, kPrm, 0x06, false, "lblFPb", 0x0006},
    {39, kVal, kPrm, 0x07, false, "lblFalm1", 0x0007},
    {40, kVal, kPrm, 0x08, false, "lblFalm2", 0x0008},
    {41, kVal, kPrm, 0x09, false, "lblFalm3", 0x0009},
    {42, kVal, kPrm, 0x0A, false, "lblFalm4", 0x000A},
    {43, kVal, kPrm, 0x1C, false, "lblFOlh", 0x001C},
    {44, kVal, kPrm, 0x1D, false, "lblFOll", 0x001D},
    {45, kVal, kPrm, 0x22, false, "lblFOlhb", 0x0022},
    {46, kVal, kPrm, 0x23, false, "lblFOllb", 0x0023},
    {47, kVal, kPrm, 0x1F, false, "lblFOrat", 0x001F},
    {48, kCho, kPrm, 0x0F, false, "cmbAl3f", 0x000F},
    {49, kCho, kPrm, 0x10, false, "cmbAl4f", 0x0010},
    {50, kVal, kPrm, 0x11, false, "lblA1hy", 0x0011},
    {51, kVal, kPrm, 0x12, false, "lblA2hy", 0x0012},
    {52, kVal, kPrm, 0x13, false, "lblA3hy", 0x0013},
    {53, kVal, kPrm, 0x14, false, "lblA4hy", 0x0014},
    {54, kVal, kPrm, 0x15, false, "lblA1dy", 0x0015},
    {55, kVal, kPrm, 0x16, false, "lblA2dy", 0x0016},
    {56, kVal, kPrm, 0x17, false, "lblA3dy", 0x0017},
    {57, kVal, kPrm, 0x18, false, "lblA4dy", 0x0018},
    {58, kVal, kPrm, 0x19, false, "lblLpt", 0x0019},
    {59, kVal, kPrm, 0x1A, false, "lblLph", 0x001A},
    {60, kVal, kPrm, 0x1B, false, "lblCyc", 0x001B},
    {61, kVal, kPrm, 0x1E, false, "lblHys", 0x001E},
    {62, kVal, kPrm, 0x20, false, "lblCycb", 0x0020},
    {63, kVal, kPrm, 0x24, false, "lblHysb", 0x0024},
    {64, kVal, kPrm, 0x25, false, "lblDb", 0x0025},
    {65, kCho, kPrm, 0x21, false, "cmbCact", 0x0021},
    {66, kVal, kPrm, 0x26, false, "lblPdb", 0x0026},
    {67, kVal, kPrm, 0x46, false, "lblOtim", 0x0046},
    {68, kVal, kPrm, 0x47, false, "lblCtim", 0x0047},
    {69, kVal, kPrm, 0x2C, false, "lblStlh", 0x002C},
    {70, kVal, kPrm, 0x2D, false, "lblStll", 0x002D},
    {71, kCho, kPrm, 0x2E, false, "cmbDp", 0x002E},
    {72, kVal, kPrm, 0x2F, false, "lblHosei", 0x002F},
    {73, kVal, kPrm, 0x30, false, "lblFilt", 0x0030},
    {74, kVal, kPrm, 0x27, false, "lblSh", 0x0027},
    {75, kVal, kPrm, 0x28, false, "lblSl", 0x0028},
    {76, kCho, kPrm, 0x29, false, "cmbTrselect", 0x0029},
    {77, kVal, kPrm, 0x2A, false, "lblTrsh", 0x002A},
    {78, kVal, kPrm, 0x2B, false, "lblTrsl", 0x002B},
    {79, kCho, kPrm, 0x31, false, "cmbLock", 0x0031},
    {80, kVal, kPrm, 0x32, false, "lblStsv", 0x0032},
    {81, kCho, kPrm, 0x33, false, "cmbStsel", 0x0033},
    {82, kCho, kPrm, 0x34, false, "cmbRtyst", 0x0034},
    {83, kCho, kPrm, 0x35, false, "cmbTmsel", 0x0035},
    {84, kCho, kPrm, 0x36, false, "cmbStptime", 0x0036},
    {85, kCho, kPrm, 0x37, false, "cmbStptemp", 0x0037},
    {86, kVal, kPrm, 0x38, false, "lblPetm", 0x0038},
    {87, kCho, kPrm, 0x39, false, "cmbSvhold", 0x0039},
    {88, kCho, kPrm, 0x3A, false, "cmbTS1sel", 0x003A},
    {89, kCho, kPrm, 0x3B, false, "cmbTS2sel", 0x003B},
    {90, kCho, kPrm, 0x3C, false, "cmbTS3sel", 0x003C},
    {91, kCho, kPrm, 0x3D, false, "cmbTS4sel", 0x003D},
    {92, kCho, kPrm, 0x3E, false, "cmbTS5sel", 0x003E},
    {93, kCho, kPrm, 0x0D, false, "cmbATmd", 0x000D},
    {94, kUna, kNon, 0, false, "", 0x0000},
    {95, kCmd, kPrm, 0x3F, false, "lblAM32ptn lblAMrptn lblSelptn", 0x003F},
    {96, kCmd, kNon, 0, false, "cmdAMadv cmdSeladv", 0x0044},
    {97, kCmd, kNon, 0, false, "cmdAMprg cmdSelprg", 0x0041},
    {98, kCmd, kNon, 0, false, "cmdAMrun cmdAM32run cmdAM32stop cmdSelrun cmdAMhold cmdSelhold",
     0x0042},
    {99, kCmd, kNon, 0, false, "cmdAMhold cmdSelhold", 0x0043},
    {100, kCmd, kNon, 0, false, "cmdAMbadv cmdSelbadv", 0x0045},
    {101, kCmd, kNon, 0, false, "cmdAMat cmdSelat", 0x000E},
    {102, kCmd, kNon, 0, false, "cmdAMmu cmdSelmanu", 0x000B},
    {103, kCmd, kPrm, 0x0C, false, "updAMman updSelman", 0x000C},
}};

// The wire item of pattern 0, step 0, block 0 of a table item, taken from the catalogue row
// that stores it (every PtnData, PtnCom and BlkData item has one); the code itself for PrmData.
uint16_t BaseItemOf(SettingTable table, int item) {
  if (table == SettingTable::kPrmData) return static_cast<uint16_t>(item);
  for (const SettingDef& def : kCatalogue) {
    if (def.table == table && def.item == item) return def.data_item;
  }
  return 0;
}

bool InRange(int value, int count) { return value >= 0 && value < count; }

}  // namespace

std::span<const SettingDef> SettingCatalogue() { return kCatalogue; }

const SettingDef* FindSetting(int number) {
  if (!InRange(number, kSettingNumbers)) return nullptr;
  const SettingDef& def = kCatalogue[number];
  return def.kind == SettingKind::kUnassigned ? nullptr : &def;
}

std::vector<std::string_view> SettingControls(const SettingDef& def) {
  std::vector<std::string_view> names;
  std::string_view rest = def.controls;
  while (!rest.empty()) {
    const size_t blank = rest.find(' ');
    names.push_back(rest.substr(0, blank));
    if (blank == std::string_view::npos) break;
    rest.remove_prefix(blank + 1);
  }
  return names;
}

int BlockCount(int blk_item) { return blk_item >= 15 ? kTsBlocks : kBlocks; }

std::optional<StorageRef> SettingStorage(int number, int pattern, int index) {
  const SettingDef* def = FindSetting(number);
  if (def == nullptr) return std::nullopt;
  StorageRef ref{def->table, def->item, 0, 0};
  switch (def->table) {
    case SettingTable::kNone:
      return std::nullopt;
    case SettingTable::kPrmData:
      return ref;
    case SettingTable::kPtnData:
      if (!InRange(pattern, kPatterns) || !InRange(index, kSteps)) return std::nullopt;
      ref.pattern = static_cast<uint8_t>(pattern);
      ref.index = static_cast<uint8_t>(index);
      return ref;
    case SettingTable::kPtnCom:
      if (!InRange(pattern, kPatterns)) return std::nullopt;
      ref.pattern = static_cast<uint8_t>(pattern);
      return ref;
    case SettingTable::kBlkData:
      if (!InRange(index, BlockCount(def->item))) return std::nullopt;
      ref.index = static_cast<uint8_t>(index);
      return ref;
  }
  return std::nullopt;
}

uint16_t DataItemOf(const StorageRef& ref) {
  const int base = BaseItemOf(ref.table, ref.item);
  switch (ref.table) {
    case SettingTable::kPtnData:
      return static_cast<uint16_t>(base + ref.pattern * 0x100 + ref.index * 0x10);
    case SettingTable::kPtnCom:
      return static_cast<uint16_t>(base + ref.pattern * 0x100);
    case SettingTable::kBlkData:
      return static_cast<uint16_t>(base + ref.index * 0x100);
    case SettingTable::kPrmData:
    case SettingTable::kNone:
      break;
  }
  return static_cast<uint16_t>(base);
}

std::optional<uint16_t> WireItemMap(int number, int pattern, int index) {
  const SettingDef* def = FindSetting(number);
  if (def == nullptr) return std::nullopt;
  // Commands without storage carry their fixed item.
  if (def->table == SettingTable::kNone) return def->data_item;
  const std::optional<StorageRef> ref = SettingStorage(number, pattern, index);
  if (!ref) return std::nullopt;
  return DataItemOf(*ref);
}

const int16_t* ResolveStorage(const ProgramState& state, int ch, const StorageRef& ref) {
  if (!InRange(ch, kMaxDevices)) return nullptr;
  switch (ref.table) {
    case SettingTable::kNone:
      return nullptr;
    case SettingTable::kPrmData:
      if (!InRange(ref.item, kPrmCodes)) return nullptr;
      return &state.PrmData[ref.item][ch];
    case SettingTable::kPtnData:
      if (!InRange(ref.item, kPtnItems) || !InRange(ref.pattern, kPtnTableSize) ||
          !InRange(ref.index, kPtnTableSize)) {
        return nullptr;
      }
      return &state.PtnData[ref.item][ch][ref.pattern][ref.index];
    case SettingTable::kPtnCom:
      if (!InRange(ref.item, kPtnComItems) || !InRange(ref.pattern, kPatterns)) return nullptr;
      return &state.PtnCom[ref.item][ch][ref.pattern];
    case SettingTable::kBlkData:
      if (!InRange(ref.item, kBlkItems) || !InRange(ref.index, BlockCount(ref.item))) {
        return nullptr;
      }
      return &state.BlkData[ref.item][ch][ref.index];
  }
  return nullptr;
}

int16_t* ResolveStorage(ProgramState& state, int ch, const StorageRef& ref) {
  return const_cast<int16_t*>(ResolveStorage(static_cast<const ProgramState&>(state), ch, ref));
}

std::optional<int16_t> ReadSetting(const ProgramState& state, int number, int ch, int pattern,
                                   int index) {
  const std::optional<StorageRef> ref = SettingStorage(number, pattern, index);
  if (!ref) return std::nullopt;
  const int16_t* value = ResolveStorage(state, ch, *ref);
  if (value == nullptr) return std::nullopt;
  return *value;
}

bool WriteSetting(ProgramState& state, int number, int ch, int pattern, int index, int16_t value) {
  const std::optional<StorageRef> ref = SettingStorage(number, pattern, index);
  if (!ref) return false;
  int16_t* slot = ResolveStorage(state, ch, *ref);
  if (slot == nullptr) return false;
  *slot = value;
  return true;
}

}  // namespace qd470
