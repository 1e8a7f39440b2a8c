// The command table of the main screen's buttons.
#include "monitor/commands.h"

#include <array>

#include "model/request_slot.h"
#include "settings/edit_limits.h"

namespace qd470 {
namespace {

// A command sends `value` to `item`; a toggle (toggle_bit set) sends 1 while the bit is clear
// and 0 while it is set; while `alt_bit` is set, `alt_item` goes in place of `item`.
struct CommandRow {
  Command command;
  int16_t item;
  int16_t value;
  int16_t toggle_bit;
  int16_t alt_bit;
  int16_t alt_item;
};

constexpr std::array<CommandRow, 9> kCommands{{
    {Command::kRun, 98, 1, 0, 0, 0},
    {Command::kStop, 98, 0, 0, 0, 0},
    {Command::kRunStop, 98, 0, kStatRun, 0, 0},
    {Command::kHold, 99, 1, 0, kStatHold, 98},
    {Command::kAdvance, 96, 1, 0, 0, 0},
    {Command::kBack, 100, 1, 0, 0, 0},
    {Command::kMode, 97, 0, kStatProgram, 0, 0},
    {Command::kAutoTuning, 101, 0, kStatAutoTuning, 0, 0},
    {Command::kManual, 102, 0, kStatManual, 0, 0},
}};

const CommandRow& RowOf(Command command) {
  for (const CommandRow& row : kCommands) {
    if (row.command == command) return row;
  }
  return kCommands[0];
}

}  // namespace

CommandWrite CommandFor(Command command, int16_t status) {
  const CommandRow& row = RowOf(command);
  CommandWrite write{row.item, row.value};
  if (row.toggle_bit) write.value = (status & row.toggle_bit) ? 0 : 1;
  if (row.alt_bit && (status & row.alt_bit)) write.item = row.alt_item;
  return write;
}

void QueueCommand(ProgramState& st, int ch, Command command) {
  const CommandWrite write = CommandFor(command, st.DevStatus[ch]);
  st.SetCh = static_cast<int16_t>(ch);
  st.EditItem = write.item;
  st.SendVal = write.value;
  QueueWrite(st);
}

bool QueueManualMv(ProgramState& st, int ch, int16_t value) {
  if (!(st.DevStatus[ch] & kStatManual)) return false;
  st.SetCh = static_cast<int16_t>(ch);
  st.EditItem = kManualMvItem;
  set_lim(st);
  if (value < st.EditLo || value > st.EditHi) return false;
  const int16_t before = st.ManMvTbl()[ch];
  st.ManMvTbl()[ch] = value;
  st.SendVal = value;
  QueueWrite(st, before);
  return true;
}

}  // namespace qd470
