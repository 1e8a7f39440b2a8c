// The simulated controller line: frame parsing, the controllers' answers and the line timing.
// It parses frames on its own (not with the program's frame code) so that a slip in either shows.
#include "support/sim_line.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace qd470::testing {
namespace {

constexpr char kStx = 2, kEtx = 3, kAck = 6, kNak = 0x15, kEsc = 0x1B;

int64_t NowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

void SleepUntil(int64_t ns) {
  timespec ts{ns / 1'000'000'000LL, ns % 1'000'000'000LL};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
  }
}

std::string Checksum(const std::string& text) {
  unsigned sum = 0;
  for (char c : text) sum += static_cast<unsigned char>(c);
  static const char* digits = "0123456789ABCDEF";
  return {digits[(sum >> 4) & 15], digits[sum & 15]};
}

std::optional<uint16_t> Hex(const std::string& text) {
  if (text.size() != 4) return std::nullopt;
  unsigned v = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9')
      v = v * 16 + (c - '0');
    else if (c >= 'A' && c <= 'F')
      v = v * 16 + (c - 'A' + 10);
    else
      return std::nullopt;
  }
  return static_cast<uint16_t>(v);
}

std::string HexText(uint16_t v) {
  static const char* digits = "0123456789ABCDEF";
  return {digits[v >> 12], digits[(v >> 8) & 15], digits[(v >> 4) & 15], digits[v & 15]};
}

bool IsModeItem(uint16_t item) {
  return std::find(std::begin(SimLine::kModeItems), std::end(SimLine::kModeItems), item) !=
         std::end(SimLine::kModeItems);
}

}  // namespace

SimLine::SimLine(int present_count) {
  termios raw{};
  cfmakeraw(&raw);
  char name[256] = {};
  if (openpty(&master_, &slave_, name, &raw, nullptr) != 0 || pipe(wake_) != 0) {
    throw std::runtime_error("openpty failed");
  }
  slave_path_ = name;
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  for (int d = 0; d < present_count && d < 32; ++d) devices_[d].present = true;
  thread_ = std::thread([this] { Run(); });
}

SimLine::~SimLine() {
  stop_ = true;
  char c = 0;
  (void)!write(wake_[1], &c, 1);
  thread_.join();
  if (master_ >= 0) close(master_);
  close(slave_);
  close(wake_[0]);
  close(wake_[1]);
}

void SimLine::SetPresent(int dev, bool present) {
  std::lock_guard lock(mutex_);
  devices_[dev].present = present;
}

int16_t SimLine::Value(int dev, uint16_t item) const {
  std::lock_guard lock(mutex_);
  return devices_[dev].values[item];
}

void SimLine::SetValue(int dev, uint16_t item, int16_t value) {
  std::lock_guard lock(mutex_);
  devices_[dev].values[item] = value;
}

void SimLine::SetRange(uint16_t item, int16_t lo, int16_t hi) {
  std::lock_guard lock(mutex_);
  ranges_[item] = {lo, hi};
}

bool SimLine::IsDataItem(uint16_t item) {
  const unsigned hi = item >> 12, page = (item >> 8) & 15, low = item & 0xFF;
  const unsigned nib1 = (item >> 4) & 15, nib0 = item & 15;
  switch (hi) {
    case 0:
      return item <= 0x47 || IsReadOnly(item);
    case 1:
      return page <= 9 && nib1 <= 9 && nib0 <= 13;
    case 2:
      return page <= 9 && low <= 4;
    case 3:
      return page <= 9 && low == 0;
    case 4:
      return page <= 9 && low <= 3;
    case 5:
      return page <= 9 && low <= 4;
    case 6:
      return low <= 1;
    case 7:
      return page <= 9 && low <= 1;
    default:
      return false;
  }
}

void SimLine::QueueFault(Fault fault, int count) {
  std::lock_guard lock(mutex_);
  faults_.insert(faults_.end(), count, fault);
}

void SimLine::SetFault(int dev, std::optional<Fault> fault) {
  std::lock_guard lock(mutex_);
  devices_[dev].fault = fault;
}

bool SimLine::InSettingMode(int dev) const {
  std::lock_guard lock(mutex_);
  return clock_ms_ < devices_[dev].mode_until;
}

void SimLine::Vanish() {
  vanish_ = true;
  char c = 0;
  (void)!write(wake_[1], &c, 1);
  while (!vanished_) std::this_thread::yield();
}

void SimLine::SetRequestHook(RequestHook hook) {
  std::lock_guard lock(mutex_);
  hook_ = std::move(hook);
}

std::vector<SimLine::Request> SimLine::Log() const {
  std::lock_guard lock(mutex_);
  return log_;
}

void SimLine::ClearLog() {
  std::lock_guard lock(mutex_);
  log_.clear();
}

std::vector<SimLine::Request> SimLine::TakeLog() {
  std::lock_guard lock(mutex_);
  return std::exchange(log_, {});
}

void SimLine::Run() {
  std::string buffer;
  int64_t first_ns = 0;
  while (!stop_) {
    pollfd fds[2] = {{wake_[0], POLLIN, 0}, {master_, POLLIN, 0}};
    const int n = poll(fds, master_ >= 0 ? 2 : 1, -1);
    if (n < 0) continue;
    if (fds[0].revents & POLLIN) {
      char c;
      (void)!read(wake_[0], &c, 1);
      if (vanish_ && master_ >= 0) {
        close(master_);
        master_ = -1;
        vanished_ = true;
      }
      continue;
    }
    if (master_ < 0 || !(fds[1].revents & POLLIN)) continue;
    char chunk[256];
    const ssize_t got = read(master_, chunk, sizeof chunk);
    if (got <= 0) continue;
    if (buffer.empty()) first_ns = NowNs();
    buffer.append(chunk, static_cast<size_t>(got));
    chars_in_ += static_cast<uint64_t>(got);
    Consume(buffer, first_ns);
  }
}

// Takes every complete frame (STX ... ETX and two characters) off the front of the buffer.
void SimLine::Consume(std::string& buffer, int64_t first_ns) {
  for (;;) {
    const size_t stx = buffer.find(kStx);
    if (stx == std::string::npos) return buffer.clear();
    buffer.erase(0, stx);
    const size_t etx = buffer.find(kEtx);
    if (etx == std::string::npos || buffer.size() < etx + 3) return;
    const std::string frame = buffer.substr(0, etx + 3);
    buffer.erase(0, etx + 3);
    const int baud = baud_;
    const int64_t char_ns = baud > 0 ? 10'000'000'000LL / baud : 0;
    const std::string reply = Answer(frame, first_ns);
    Send(reply, first_ns + static_cast<int64_t>(frame.size()) * char_ns + reply_delay_ns_);
  }
}

// The reply to one frame, empty for silence.
std::string SimLine::Answer(const std::string& frame, int64_t first_ns) {
  const std::string body = frame.substr(1, frame.size() - 3);
  if (frame.substr(frame.size() - 2) != Checksum(body) || body.size() < 8) return "";
  const int dev = static_cast<unsigned char>(body[0]) - 0x20;
  const std::string head = body.substr(0, 7);
  Request request{dev, body[2], 0, std::nullopt};
  const auto item = Hex(body.substr(3, 4));
  const std::string data_text = body.substr(7, body.size() - 8);
  const auto data = Hex(data_text);
  const bool well_formed = body[1] == ' ' && item && (data_text.empty() || data);
  if (item) request.item = *item;
  if (data) request.data = static_cast<int16_t>(*data);
  std::lock_guard lock(mutex_);
  if (dev < 0 || dev >= 32 || !devices_[dev].present) return "";
  log_.push_back(request);
  if (hook_) hook_(request, first_ns);
  std::optional<Fault> fault = devices_[dev].fault;
  if (!faults_.empty()) {
    fault = faults_.front();
    faults_.erase(faults_.begin());
  }
  if (fault) {
    const std::string ok_body = head + HexText(0) + kEtx;
    switch (*fault) {
      case Fault::kSilence:
        return "";
      case Fault::kEsc:
        return kEsc + head + kEtx + Checksum(head + kEtx);
      case Fault::kNak:
        return kNak + head + kEtx + Checksum(head + kEtx);
      case Fault::kBadBcc:
        return kAck + ok_body + "ZZ";
      case Fault::kGarbage:
        return "\x7F\x55#garbage#";
      case Fault::kCut:
        return (kAck + ok_body).substr(0, 6);
    }
  }
  if (!well_formed) return kNak + head + kEtx + Checksum(head + kEtx);
  return AnswerTo(request, head);
}

std::string SimLine::AnswerTo(const Request& r, const std::string& head) {
  Device& d = devices_[r.dev];
  const int64_t now = clock_ms_;
  const bool in_mode = now < d.mode_until;
  const std::string refused = kNak + head + kEtx + Checksum(head + kEtx);
  auto ack = [&](std::optional<int16_t> value) {
    const std::string body = head + (value ? HexText(static_cast<uint16_t>(*value)) : "") + kEtx;
    return kAck + body + Checksum(body);
  };
  switch (r.cmd) {
    case ' ':
      if (r.data || !IsDataItem(r.item)) return refused;
      return ack(d.values[r.item]);
    case 'a':
      if (r.data || r.item != 0) return refused;
      return ack(in_mode ? 1 : 0);
    case 'q':
      if (r.item != 0 || r.data != 1) return refused;
      d.mode_until = now + kModeHoldMs;
      return ack(std::nullopt);
    case 'P': {
      if (!r.data || !IsDataItem(r.item) || IsReadOnly(r.item)) return refused;
      const auto [lo, hi] = ranges_[r.item];
      if (*r.data < lo || *r.data > hi || (IsModeItem(r.item) && !in_mode)) return refused;
      d.values[r.item] = *r.data;
      if (in_mode) d.mode_until = now + kModeHoldMs;
      return ack(std::nullopt);
    }
    default:
      return refused;
  }
}

// Writes the reply, each character at its time on an emulated line after the request's end.
void SimLine::Send(const std::string& reply, int64_t request_end_ns) {
  if (reply.empty() || master_ < 0) return;
  const int baud = baud_;
  if (baud == 0) {
    if (reply_delay_ns_ > 0) SleepUntil(request_end_ns);
    (void)!write(master_, reply.data(), reply.size());
  } else {
    const int64_t char_ns = 10'000'000'000LL / baud;
    for (size_t i = 0; i < reply.size(); ++i) {
      SleepUntil(request_end_ns + static_cast<int64_t>(i + 1) * char_ns);
      (void)!write(master_, &reply[i], 1);
    }
  }
  chars_out_ += reply.size();
}

}  // namespace qd470::testing
