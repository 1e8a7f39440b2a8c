// The serial port: opening with termios, and one bounded transaction with poll() deadlines.
#include "link/comm_obj.h"

#include <fcntl.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace qd470 {
namespace {

constexpr size_t kMaxReply = 64;  // more than any reply; noise stops here
constexpr int kBitsPerChar = 10;  // start, 7 data, parity, stop

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int64_t MsToNs(int64_t ms) { return ms * 1'000'000; }

// Errors after which the port is gone for good (adapter pulled, pseudo-terminal closed).
bool IsLoss(int err) { return err == EIO || err == ENXIO || err == ENODEV || err == EBADF; }

speed_t SpeedOf(int baud) {
  switch (baud) {
    case 19200:
      return B19200;
    case 9600:
      return B9600;
    case 4800:
      return B4800;
    default:
      return B2400;
  }
}

// Raw mode, 7 data bits, even parity, one stop bit, no handshake, reads never wait.
void SetLine(termios& tio, int baud) {
  cfmakeraw(&tio);
  tio.c_cflag &= ~(CSIZE | PARODD | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS7 | PARENB | CLOCAL | CREAD;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, SpeedOf(baud));
  cfsetospeed(&tio, SpeedOf(baud));
}

// A pseudo-terminal keeps 8 data bits without parity whatever it is asked, and once its speed
// is set refuses (EINVAL) a request whose only other changes are those: the next opening of the
// same one (the program started again on a simulated line) asks for what it keeps.
bool IsPseudoTerminal(Posix& sys, int fd) {
  constexpr unsigned kPtySlaveFirst = 136, kPtySlaveLast = 143;  // Unix98 pty slave majors
  struct stat st {};
  return sys.Fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= kPtySlaveFirst &&
         major(st.st_rdev) <= kPtySlaveLast;
}

bool ApplyLine(Posix& sys, int fd, int baud) {
  termios tio{};
  if (sys.TcGetAttr(fd, &tio) != 0) return false;
  const tcflag_t kept = tio.c_cflag & (CSIZE | PARENB | PARODD);
  SetLine(tio, baud);
  if (sys.TcSetAttr(fd, TCSANOW, &tio) == 0) return true;
  if (errno != EINVAL || !IsPseudoTerminal(sys, fd)) return false;
  tio.c_cflag = (tio.c_cflag & ~(CSIZE | PARENB | PARODD)) | kept;
  return sys.TcSetAttr(fd, TCSANOW, &tio) == 0;
}

Posix& RealPosix() {
  static Posix real;
  return real;
}

}  // namespace

int Posix::Open(const char* path, int flags) { return ::open(path, flags); }
int Posix::Close(int fd) { return ::close(fd); }
ssize_t Posix::Read(int fd, void* buf, size_t count) { return ::read(fd, buf, count); }
ssize_t Posix::Write(int fd, const void* buf, size_t count) { return ::write(fd, buf, count); }
int Posix::Poll(pollfd* fds, nfds_t count, int timeout_ms) {
  return ::poll(fds, count, timeout_ms);
}
int Posix::TcGetAttr(int fd, termios* tio) { return ::tcgetattr(fd, tio); }
int Posix::TcSetAttr(int fd, int action, const termios* tio) {
  return ::tcsetattr(fd, action, tio);
}
int Posix::TcFlush(int fd, int queue) { return ::tcflush(fd, queue); }
int Posix::Fstat(int fd, struct stat* st) { return ::fstat(fd, st); }

CommObj::CommObj(Posix* sys) : sys_(sys ? sys : &RealPosix()) {}

CommObj::~CommObj() { Close(); }

std::optional<std::string> CommObj::PortPath(std::string_view name) {
  if (name.size() == 4 && name.substr(0, 3) == "COM" && name[3] >= '1' && name[3] <= '8') {
    return "/dev/ttyS" + std::string(1, static_cast<char>(name[3] - 1));
  }
  if (!name.empty() && name[0] == '/') return std::string(name);
  return std::nullopt;
}

int CommObj::Baud(int speed_idx) {
  constexpr int kBauds[] = {19200, 9600, 4800, 2400};
  return speed_idx >= 0 && speed_idx < 4 ? kBauds[speed_idx] : 0;
}

OpenResult CommObj::Open(std::string_view name, int speed_idx) {
  Close();
  OpenResult result;
  const auto path = PortPath(name);
  const int baud = Baud(speed_idx);
  if (!path || baud == 0) {
    result.error = EINVAL;
    return result;
  }
  result.path = *path;
  const int fd = sys_->Open(path->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.error = errno;
    return result;
  }
  if (!ApplyLine(*sys_, fd, baud)) {
    result.error = errno;
    sys_->Close(fd);
    return result;
  }
  fd_ = fd;
  baud_ = baud;
  lost_ = false;
  result.ok = true;
  return result;
}

void CommObj::Close() {
  if (fd_ >= 0) sys_->Close(fd_);
  fd_ = -1;
  lost_ = false;
}

RecvCode CommObj::Transact(TrFrame& frame) {
  frame.Recv.clear();
  frame.Kind = kRecvNone;
  if (fd_ < 0 || lost_) return kRecvNone;
  if (sys_->TcFlush(fd_, TCIOFLUSH) != 0 && IsLoss(errno)) MarkLost();
  const std::string request = BuildRequest(frame);
  // The request leaves the line one wire time after write() returns; the reply time counts
  // from there.
  const int64_t wire_ns = static_cast<int64_t>(request.size()) * kBitsPerChar * 1'000'000'000 /
                          (baud_ > 0 ? baud_ : 19200);
  if (lost_ || !SendAll(request, NowNs() + MsToNs(reply_ms_) + wire_ns)) return kRecvNone;
  frame.Recv = Receive(frame, NowNs() + MsToNs(reply_ms_) + wire_ns);
  frame.Kind = ClassifyReply(frame, frame.Recv);
  return static_cast<RecvCode>(frame.Kind);
}

bool CommObj::WaitReady(short events, int64_t deadline_ns) {
  for (;;) {
    const int64_t left_ns = deadline_ns - NowNs();
    if (left_ns <= 0) return false;
    pollfd pfd{fd_, events, 0};
    const int n = sys_->Poll(&pfd, 1, static_cast<int>((left_ns + 999'999) / 1'000'000));
    if (n < 0) {
      if (errno == EINTR) continue;
      MarkLost();
      return false;
    }
    if (n == 0) continue;  // the loop head ends it at the deadline
    if (pfd.revents & events) return true;
    if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) {
      MarkLost();
      return false;
    }
  }
}

bool CommObj::SendAll(const std::string& text, int64_t deadline_ns) {
  size_t sent = 0;
  while (sent < text.size()) {
    const ssize_t n = sys_->Write(fd_, text.data() + sent, text.size() - sent);
    if (n > 0) {
      sent += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      if (IsLoss(errno)) MarkLost();
      return false;
    }
    if (!WaitReady(POLLOUT, deadline_ns)) return false;
  }
  return true;
}

// Reads until ETX and the two BCC characters, a full buffer, the deadline, or a pause between
// characters longer than the character timeout. A whole reply to another request (a late one)
// is thrown away and the wait for the reply to `frame` goes on until the deadline.
std::string CommObj::Receive(const TrFrame& frame, int64_t deadline_ns) {
  std::string reply;
  char buf[kMaxReply];
  size_t etx = std::string::npos;
  auto whole = [&] { return etx != std::string::npos && reply.size() >= etx + 3; };
  for (;;) {
    while (whole() && IsReplyToAnother(frame, std::string_view(reply).substr(0, etx + 3))) {
      reply.erase(0, etx + 3);
      etx = reply.find(kEtx, 1);
    }
    if (reply.size() >= kMaxReply || whole()) break;
    const int64_t wait_until =
        reply.empty() ? deadline_ns : std::min(deadline_ns, NowNs() + MsToNs(char_ms_));
    if (!WaitReady(POLLIN, wait_until)) break;
    const ssize_t n = sys_->Read(fd_, buf, kMaxReply - reply.size());
    if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
    if (n <= 0) {  // end of file or an error: the line has gone
      MarkLost();
      break;
    }
    const size_t from = reply.size();
    reply.append(buf, static_cast<size_t>(n));
    if (etx == std::string::npos) {
      const size_t at = reply.find(kEtx, from == 0 ? 1 : from);
      if (at != std::string::npos) etx = at;
    }
  }
  if (etx != std::string::npos && reply.size() > etx + 3) reply.resize(etx + 3);
  return reply;
}

}  // namespace qd470
