// Developer tool: the simulated controller line of the tests on a pseudo-terminal, for pointing
// the real program at it. Prints the port path, then every write the controllers receive, and
// answers until interrupted. Run, manual and program-mode commands show in the status word.
//   sim_controllers [N [BAUD]]   N controllers 1 to 32 (default 1); BAUD paces the replies
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>

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
  const timespec every{0, 200'000'000};
  while (sigtimedwait(&stop, nullptr, &every) < 0) {
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
