// The communication conditions on disk: the init file (one `CommCond` record) and the port file
// (one line: a device path beyond COM1 to COM8, which wins over the record's port index while
// it exists), and the serial devices an operator can choose from.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/program_state.h"

namespace qd470 {

class Program;

// "COM1" to "COM8" for port index 0 to 7.
std::string ComPortName(int index);
// "/dev/ttyS0" to "/dev/ttyS7" for port index 0 to 7.
std::string ComPortDevice(int index);
// The port index 0 to 7 of "COM1" to "COM8" or "/dev/ttyS0" to "/dev/ttyS7"; nothing otherwise.
std::optional<int> ComPortIndex(std::string_view port);

// The device path held in the port file: its first line without the line end. Nothing when the
// file is missing, cannot be read, is empty or its line does not fit the read cap.
std::optional<std::string> ReadPortFile(const std::filesystem::path& path);

// The device the link opens: the port file's path while it holds one, else COM1 to COM8 by the
// record's port index.
std::string PortDevice(const CommCondRec& cond, const std::optional<std::string>& port_file);

// Reads the init file into CommCond and sets CommPort. A file that is missing, unreadable, short
// or holds a value out of range gives the default conditions, written to the init file, and
// string 467 is shown.
void LoadCommCond(Program& p);

// Keeps `port` (as typed or chosen) and the conditions in `cond` as the program's own: COM1 to
// COM8 set the record's index and remove the port file, any other path is written to the port
// file. The init file is replaced unless it holds the record already. Returns the first write
// error.
std::error_code SaveCommCond(Program& p, const CommCondRec& cond, const std::string& port);

// The serial devices present under `dev`: serial/by-id/*, then ttyUSB* and ttyACM* in number
// order, as full paths.
std::vector<std::string> ListSerialPorts(const std::filesystem::path& dev = "/dev");

}  // namespace qd470
