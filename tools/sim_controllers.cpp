// Developer tool: the simulated controller line of the tests on a pseudo-terminal, for pointing
// the real program at it. Prints the port path, then every write the controllers receive, and
// answers until interrupted. Run, manual and program-mode commands show in the status word.
//   sim_controllers [N [BAUD]]   N controllers 1 to 32 (default 1); BAUD paces the replies
// Commands on standard input, one a line (DEV 0 to 31, ITEM 4 hex digits, values decimal):
//   refuse ITEM LO HI     writes of ITEM outside LO..HI are answered NAK by every controller
//                         (refuse ITEM -32768 32767 accepts every value again)
//   busy DEV on|off       the controller answers ESC to every request
//   silent DEV on|off     the controller does not answer at all
//   set DEV ITEM VALUE    the controller's value of ITEM, e.g. its status word 0088: 1 program
//                         mode, 2 manual, 4 auto-tuning, 8 run, 16 hold (set 0 0088 4 and then
//                         set 0 0088 0: the program reads the PID values again)
//   vanish                the adapter is pulled: the line closes for good
//   slow MS               every reply starts MS ms later (0 for none)
// At the end of standard input the line goes on answering.
#include <fcntl.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "support/sim_defaults.h"
#include "support/sim_line.h"

namespace {

constexpr uint16_t kPvItem = 0x0080, kSvItem = 0x0083, kPatternItem = 0x003F;
constexpr uint16_t kStatusItem = 0x0088;

// Mode commands whose written value (1 on, 0 off) the status word then shows.
struct ModeCommand {
  uint16_t item;
  int16_t bit;
};
constexpr ModeCommand kModeCommands[] = {{0x0041, 1}, {0x000B, 2}, {0x0042, 8}};

void ShowMode(qd470::testing::SimLine& line, int dev, uint16_t item, int16_t value) {
  for (const ModeCommand& mode : kModeCommands) {
    if (mode.item != item) continue;
    const int16_t status = line.Value(dev, kStatusItem);
    line.SetValue(dev, kStatusItem,
                  static_cast<int16_t>(value ? status | mode.bit : status & ~mode.bit));
  }
}

bool ReadOnOff(std::istream& in, bool* on) {
  std::string word;
  in >> word;
  *on = word == "on";
  return word == "on" || word == "off";
}

bool ReadDevice(std::istream& in, int* dev) { return in >> *dev && *dev >= 0 && *dev < 32; }

bool ReadItem(std::istream& in, uint16_t* item) {
  unsigned value = 0;
  if (!(in >> std::hex >> value >> std::dec) || value > 0xFFFF) return false;
  *item = static_cast<uint16_t>(value);
  return true;
}

bool ReadValue(std::istream& in, int16_t* value) {
  int v = 0;
  if (!(in >> v) || v < INT16_MIN || v > INT16_MAX) return false;
  *value = static_cast<int16_t>(v);
  return true;
}

// Runs one command line; false when it is not one.
bool RunCommand(qd470::testing::SimLine& line, const std::string& text) {
  std::istringstream in(text);
  std::string word;
  in >> word;
  int dev = 0;
  uint16_t item = 0;
  int16_t lo = 0, hi = 0;
  bool on = false;
  if (word == "refuse" && ReadItem(in, &item) && ReadValue(in, &lo) && ReadValue(in, &hi)) {
    line.SetRange(item, lo, hi);
  } else if (word == "busy" && ReadDevice(in, &dev) && ReadOnOff(in, &on)) {
    line.SetFault(dev, on ? std::optional{qd470::testing::SimLine::Fault::kEsc} : std::nullopt);
  } else if (word == "silent" && ReadDevice(in, &dev) && ReadOnOff(in, &on)) {
    line.SetPresent(dev, !on);
  } else if (word == "set" && ReadDevice(in, &dev) && ReadItem(in, &item) && ReadValue(in, &lo)) {
    line.SetValue(dev, item, lo);
  } else if (word == "vanish") {
    line.Vanish();
  } else if (word == "slow" && ReadValue(in, &lo) && lo >= 0) {
    line.SetReplyDelayMs(lo);
  } else {
    return word.empty();
  }
  return true;
}

// Reads what standard input holds and runs every complete line; false at its end.
bool ReadCommands(qd470::testing::SimLine& line, std::string& pending) {
  char chunk[256];
  const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
  if (got <= 0) return false;
  pending.append(chunk, static_cast<size_t>(got));
  for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
    const std::string text = pending.substr(0, end);
    if (!RunCommand(line, text)) std::fprintf(stderr, "not a command: %s\n", text.c_str());
  }
  return true;
}

int Arg(int argc, char** argv, int at, int fallback, int lo, int hi) {
  if (argc <= at) return fallback;
  const int value = std::atoi(argv[at]);
  if (value < lo || value > hi) {
    std::fprintf(stderr, "usage: sim_controllers [N 1-32 [BAUD]]\n");
    std::exit(2);
  }
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  // A closed standard input is read as an empty one, so that no descriptor opened below takes
  // its number.
  if (fcntl(STDIN_FILENO, F_GETFD) < 0) open("/dev/null", O_RDONLY);
  const int count = Arg(argc, argv, 1, 1, 1, 32);
  const int baud = Arg(argc, argv, 2, 0, 0, 115200);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);  // before the line's thread starts

  qd470::testing::SimLine line(count);
  qd470::testing::LoadDefaultSettings(line, count);
  line.SetBaud(baud);
  // Each controller runs its own pattern and shows its own values, so that the screens can be
  // told apart.
  for (int dev = 0; dev < count; ++dev) {
    line.SetValue(dev, kPatternItem, static_cast<int16_t>(dev % 10));
    line.SetValue(dev, kPvItem, static_cast<int16_t>(200 + dev));
    line.SetValue(dev, kSvItem, static_cast<int16_t>(250 + dev));
  }
  std::printf("%s\n", line.SlavePath().c_str());
  std::fflush(stdout);
  pollfd fds[2] = {{signalfd(-1, &stop, 0), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
  std::string pending;
  while (!(fds[0].revents & POLLIN)) {
    poll(fds, 2, 200);
    // At the end of the input (or an error) it is no longer watched; the line answers on.
    if ((fds[1].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) &&
        !ReadCommands(line, pending)) {
      fds[1].fd = -1;
    }
    for (const auto& request : line.TakeLog()) {
      if (request.cmd == ' ' || !request.data) continue;
      std::printf("controller %d: %c %04X = %d\n", request.dev, request.cmd, request.item,
                  *request.data);
      ShowMode(line, request.dev, request.item, *request.data);
    }
    std::fflush(stdout);
  }
  return 0;
}
