// Reading and writing the init file and the port file; the list of serial devices.
#include "startup/comm_files.h"

#include <algorithm>

#include "model/comm_cond_record.h"
#include "model/file_io.h"
#include "model/line_file.h"
#include "program/program.h"

namespace qd470 {
namespace {

// A device path is far shorter; a longer first line is not a port.
constexpr std::size_t kPortFileCap = 4096;

std::string Trimmed(std::string_view text) {
  constexpr std::string_view kBlank = " \t\r\n";
  const size_t first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return "";
  const size_t last = text.find_last_not_of(kBlank);
  return std::string(text.substr(first, last - first + 1));
}

// The devices in `folder` whose names begin with `prefix`, in number order (ttyUSB2 before
// ttyUSB10).
std::vector<std::string> DevicesIn(const std::filesystem::path& folder, std::string_view prefix) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with(prefix)) names.push_back(it->path().string());
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  return names;
}

}  // namespace

std::string ComPortName(int index) { return "COM" + std::to_string(index + 1); }

std::string ComPortDevice(int index) { return "/dev/ttyS" + std::to_string(index); }

std::optional<int> ComPortIndex(std::string_view port) {
  for (int i = 0; i < kComPorts; ++i) {
    if (port == ComPortName(i) || port == ComPortDevice(i)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> ReadPortFile(const std::filesystem::path& path) {
  std::string line;
  if (ReadFirstLine(path, kPortFileCap, line)) return std::nullopt;
  std::string port = Trimmed(line);
  if (port.empty() || port.find('\0') != std::string::npos) return std::nullopt;
  return port;
}

std::string PortDevice(const CommCondRec& cond, const std::optional<std::string>& port_file) {
  return port_file ? *port_file : ComPortDevice(cond.PortIdx);
}

void LoadCommCond(Program& p) {
  const std::filesystem::path init_file = p.DataFile(p.InitFileName);
  std::string bytes;
  std::optional<CommCondRec> cond;
  if (!ReadFileHead(init_file, kCommCondSize, bytes)) cond = DecodeCommCond(bytes);
  if (cond) {
    p.CommCond = *cond;
  } else {
    p.CommCond = CommCondRec{};
    WriteFileAtomic(init_file, EncodeCommCond(p.CommCond));
    p.MsgBox(p.LoadResString(467));
  }
  p.CommPort = PortDevice(p.CommCond, ReadPortFile(p.DataFile(p.PortFileName)));
}

std::error_code SaveCommCond(Program& p, const CommCondRec& cond, const std::string& port) {
  CommCondRec next = cond;
  const std::string typed = Trimmed(port);
  const std::filesystem::path port_file = p.DataFile(p.PortFileName);
  std::error_code error;
  if (const std::optional<int> index = ComPortIndex(typed)) {
    next.PortIdx = static_cast<int16_t>(*index);
    std::filesystem::remove(port_file, error);
    p.CommPort = ComPortDevice(*index);
  } else if (!typed.empty()) {
    if (ReadPortFile(port_file) != typed) error = WriteFileAtomic(port_file, typed + "\n");
    p.CommPort = typed;
  }
  // Compared with the file, not with memory: conditions defaulted in memory after a start-up
  // error are written even when the operator left them as shown.
  const std::filesystem::path init_file = p.DataFile(p.InitFileName);
  const std::string record = EncodeCommCond(next);
  std::string saved;
  if (ReadFileHead(init_file, kCommCondSize, saved) || saved != record) {
    std::error_code ec = WriteFileAtomic(init_file, record);
    if (!error) error = ec;
  }
  p.CommCond = next;
  return error;
}

std::vector<std::string> ListSerialPorts(const std::filesystem::path& dev) {
  std::vector<std::string> ports = DevicesIn(dev / "serial" / "by-id", "");
  for (const char* prefix : {"ttyUSB", "ttyACM"}) {
    std::vector<std::string> more = DevicesIn(dev, prefix);
    ports.insert(ports.end(), more.begin(), more.end());
  }
  return ports;
}

}  // namespace qd470
