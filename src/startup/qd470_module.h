// The start-up module `QD470`: the start-up sequence and the main loop's first pass.
#pragma once

#include <cstdint>
#include <string>

namespace qd470 {
class Program;
}

namespace qd470::QD470 {

// The start-up sequence: data file names by language, the program folder with "Setdata", the
// communication conditions, `Opuning`, CommState 0, the controller names, the specification
// records, the default settings and the forms loaded before the main loop; then the main loop's
// first pass: it waits for Start and starts monitoring. When the program folder could not be
// created or cannot be written it says so and stops: the main screen is not loaded. Returns with
// the main screen shown and the communication timer running (the window system's event loop
// runs the program from there), or with EndReq -1 when the operator closed the start-up window.
void Main(Program& p);

// Every controller is named string 244 followed directly by its number.
void NameDefaults(Program& p);

// Shows `Opuning` modally until the operator presses Start. False when the window was closed
// instead (EndReq is then -1).
bool WaitForStart(Program& p);

// The main loop's set-up of the link and of monitoring: opens the port, reads the monitor items
// and, when the conditions ask for it, controller 0's settings, sets StartRead (SetLoadMask -1
// when the settings are not read at start), shows the names, hides `Opuning`, shows the main
// screen, sets CommState 1 and starts the communication timer. A port that cannot be opened is
// said (strings 10 and 11) and the program runs on without a line.
void StartMonitoring(Program& p);

// What a port that cannot be opened is said with: strings 10 and 11, the port and the reason
// (`error`, an errno), and string 464 when the reason is that the user may not use the port;
// one line each.
std::string PortOpenError(const Program& p, const std::string& port, int error);

// The way out of the main loop: stops the communication timer and closes the port.
void EndProgram(Program& p);

}  // namespace qd470::QD470
