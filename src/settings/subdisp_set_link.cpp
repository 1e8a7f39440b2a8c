// Stand-in for the device link's read of all settings: with no link open there is nothing to
// read, and the tables keep what they hold.
#include "settings/subdisp_set_link.h"

#include "program/program.h"

namespace qd470::QD470 {

void SetAllRecv(Program& p, int16_t& dev) {
  if (p.PortOpen == 0) return;
  // The transfer over an open link belongs to the device link, which replaces this file.
  (void)dev;
}

}  // namespace qd470::QD470
