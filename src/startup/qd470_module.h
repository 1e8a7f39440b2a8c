// The start-up module `QD470`: the start-up sequence.
#pragma once

#include <cstdint>

namespace qd470 {
class Program;
}

namespace qd470::QD470 {

// The start-up sequence as far as the settings side relies on it: data file names by
// language, the program folders, the specification records, the default settings and the
// forms that must be loaded before the main loop. Shows the main screen. When the program folder
// could not be created or cannot be written it says so and stops: the main screen is not loaded.
void Main(Program& p);

}  // namespace qd470::QD470
