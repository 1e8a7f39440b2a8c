// The in-memory copy of all settings of controller a onto controller b that the copy job runs
// between receiving a and sending b.
#pragma once

#include <cstdint>

namespace qd470 {
class Program;
}

namespace qd470::QD470 {

void CopyJobRoutines(Program& p, int16_t a, int16_t b);

}  // namespace qd470::QD470
