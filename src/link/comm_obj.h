// The link component `CommObj`: one serial port, 7E1 without handshake, and one transaction per
// call. Every system call goes through the `Posix` seam so that tests can make any of them fail.
#pragma once

#include <poll.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <termios.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/frame.h"

namespace qd470 {

// The system calls of the link. The default forwards to the system; a test overrides one call.
class Posix {
 public:
  virtual ~Posix() = default;
  virtual int Open(const char* path, int flags);
  virtual int Close(int fd);
  virtual ssize_t Read(int fd, void* buf, size_t count);
  virtual ssize_t Write(int fd, const void* buf, size_t count);
  virtual int Poll(pollfd* fds, nfds_t count, int timeout_ms);
  virtual int TcGetAttr(int fd, termios* tio);
  virtual int TcSetAttr(int fd, int action, const termios* tio);
  virtual int TcFlush(int fd, int queue);
  virtual int Fstat(int fd, struct stat* st);
};

// The outcome of opening a port: ok, or the errno of the call that failed (EACCES: the user is
// not in the group that owns serial ports).
struct OpenResult {
  bool ok = false;
  int error = 0;
  std::string path;
};

class CommObj {
 public:
  static constexpr int kReplyTimeoutMs = 200;  // from the end of the request to the reply's end
  static constexpr int kCharTimeoutMs = 50;    // between two characters of a reply

  explicit CommObj(Posix* sys = nullptr);
  ~CommObj();
  CommObj(const CommObj&) = delete;
  CommObj& operator=(const CommObj&) = delete;

  // "COM1" to "COM8" name /dev/ttyS0 to /dev/ttyS7; an absolute path is taken as it is; any
  // other name gives nothing.
  static std::optional<std::string> PortPath(std::string_view name);
  // Baud rate of a speed index 0 to 3 (19200, 9600, 4800, 2400); 0 for any other index.
  static int Baud(int speed_idx);

  // Opens the port at the speed of `speed_idx`, closing one that is open.
  OpenResult Open(std::string_view name, int speed_idx);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  // The port has gone (hang-up, EIO): every transaction gives "no reply" until it is reopened.
  bool Lost() const { return lost_; }

  // One transaction: flushes both queues, sends the request, reads the reply. Fills
  // `frame.Recv` and `frame.Kind` and returns the reply class. Never blocks longer than the
  // request's wire time plus the reply timeout.
  RecvCode Transact(TrFrame& frame);

  void SetTimeouts(int reply_ms, int char_ms) { reply_ms_ = reply_ms, char_ms_ = char_ms; }

 private:
  bool SendAll(const std::string& text, int64_t deadline_ns);
  std::string Receive(const TrFrame& frame, int64_t deadline_ns);
  // Waits until fd_ is ready for `events` or the deadline passes; false on timeout or loss.
  bool WaitReady(short events, int64_t deadline_ns);
  void MarkLost() { lost_ = true; }

  Posix* sys_;
  int fd_ = -1;
  int baud_ = 0;
  bool lost_ = false;
  int reply_ms_ = kReplyTimeoutMs;
  int char_ms_ = kCharTimeoutMs;
};

}  // namespace qd470
