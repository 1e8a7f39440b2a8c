// A simulated controller line for the tests: a pseudo-terminal whose far end is answered by a
// thread acting as up to 32 controllers, each holding every data item, with faults on request.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace qd470::testing {

class SimLine {
 public:
  // How the next requests are answered instead of the normal reply.
  enum class Fault { kSilence, kEsc, kNak, kBadBcc, kGarbage, kCut };

  struct Request {
    int dev;
    char cmd;
    uint16_t item;
    std::optional<int16_t> data;
    bool operator==(const Request&) const = default;
  };

  // Items the controller refuses to write unless it is in setting mode.
  static constexpr uint16_t kModeItems[] = {0x001C, 0x001D, 0x0022, 0x0023, 0x001F};
  static constexpr int64_t kModeHoldMs = 60'000;

  // Controllers 0 to present_count - 1 answer; the others are silent.
  explicit SimLine(int present_count = 32);
  ~SimLine();
  SimLine(const SimLine&) = delete;
  SimLine& operator=(const SimLine&) = delete;

  const std::string& SlavePath() const { return slave_path_; }

  void SetPresent(int dev, bool present);
  int16_t Value(int dev, uint16_t item) const;
  void SetValue(int dev, uint16_t item, int16_t value);
  // Writes outside lo..hi of this item are refused by every controller.
  void SetRange(uint16_t item, int16_t lo, int16_t hi);
  static bool IsDataItem(uint16_t item);
  static bool IsReadOnly(uint16_t item) { return item >= 0x0080 && item <= 0x0088; }

  // The next `count` requests get `fault` instead of their reply.
  void QueueFault(Fault fault, int count = 1);
  // Every request to controller dev gets `fault` (none: its normal reply) after the queued ones.
  void SetFault(int dev, std::optional<Fault> fault);
  // Delay of every character at this baud rate (10 bits a character); 0 for none.
  void SetBaud(int baud) { baud_ = baud; }
  // Every reply starts this much later (a slow controller); 0 for none.
  void SetReplyDelayMs(int ms) { reply_delay_ns_ = ms * 1'000'000LL; }
  // The controllers' own clock (for the setting-mode hold time); it moves only when told.
  void AdvanceClock(int64_t ms) { clock_ms_ += ms; }
  bool InSettingMode(int dev) const;
  // The adapter is pulled: the far end of the line closes.
  void Vanish();

  // Called on the line's thread for each request to a present controller, with the time
  // (CLOCK_MONOTONIC, ns) its first character arrived; it must not call the line back.
  using RequestHook = std::function<void(const Request&, int64_t first_ns)>;
  void SetRequestHook(RequestHook hook);

  std::vector<Request> Log() const;
  void ClearLog();
  // The log so far, which starts anew.
  std::vector<Request> TakeLog();
  // Characters received and sent by the controllers since the start.
  uint64_t CharsIn() const { return chars_in_; }
  uint64_t CharsOut() const { return chars_out_; }

 private:
  struct Device {
    bool present = false;
    std::vector<int16_t> values = std::vector<int16_t>(0x10000, 0);
    int64_t mode_until = -1;  // setting mode while the clock is before this
    std::optional<Fault> fault;
  };

  void Run();
  void Consume(std::string& buffer, int64_t first_ns);
  std::string Answer(const std::string& frame, int64_t first_ns);
  std::string AnswerTo(const Request& request, const std::string& head);
  void Send(const std::string& reply, int64_t request_end_ns);

  int master_ = -1;
  int slave_ = -1;
  int wake_[2] = {-1, -1};
  std::string slave_path_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> vanish_{false};
  std::atomic<bool> vanished_{false};
  std::atomic<int> baud_{0};
  std::atomic<int64_t> reply_delay_ns_{0};
  std::atomic<int64_t> clock_ms_{0};
  std::atomic<uint64_t> chars_in_{0};
  std::atomic<uint64_t> chars_out_{0};

  mutable std::mutex mutex_;
  std::vector<Device> devices_ = std::vector<Device>(32);
  std::vector<std::pair<int16_t, int16_t>> ranges_ =
      std::vector<std::pair<int16_t, int16_t>>(0x10000, {INT16_MIN, INT16_MAX});
  std::vector<Fault> faults_;
  std::vector<Request> log_;
  RequestHook hook_;
};

}  // namespace qd470::testing
