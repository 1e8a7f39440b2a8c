// What the settings screen asks of the device link: reading all settings of one controller.
#pragma once

#include <cstdint>

namespace qd470 {
class Program;
}

namespace qd470::QD470 {

// Reads all settings of controller dev from the controller into the setting tables, unless the
// controller was read before. Reads nothing while no link is open.
void SetAllRecv(Program& p, int16_t& dev);

}  // namespace qd470::QD470
