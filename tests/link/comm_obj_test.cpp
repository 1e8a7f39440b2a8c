// The serial port: names, opening, every failing system call, and replies from the simulated
// line, none of which may block beyond one transaction's time.
#include "link/comm_obj.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <functional>

#include "support/sim_line.h"

namespace qd470 {
namespace {

using testing::SimLine;

// Forwards to the system, except the one call a test makes fail with its errno.
class FaultyPosix : public Posix {
 public:
  enum Call { kNone, kOpen, kGetAttr, kSetAttr, kWrite, kRead, kPoll, kPollHangUp };
  Call fail = kNone;
  int err = EIO;
  int max_poll_ms = 0;  // the longest single wait asked for

  int Open(const char* path, int flags) override {
    return fail == kOpen ? Fail() : Posix::Open(path, flags);
  }
  int TcGetAttr(int fd, termios* tio) override {
    return fail == kGetAttr ? Fail() : Posix::TcGetAttr(fd, tio);
  }
  int TcSetAttr(int fd, int action, const termios* tio) override {
    return fail == kSetAttr ? Fail() : Posix::TcSetAttr(fd, action, tio);
  }
  ssize_t Write(int fd, const void* buf, size_t n) override {
    return fail == kWrite ? Fail() : Posix::Write(fd, buf, n);
  }
  ssize_t Read(int fd, void* buf, size_t n) override {
    return fail == kRead ? Fail() : Posix::Read(fd, buf, n);
  }
  int Poll(pollfd* fds, nfds_t count, int timeout_ms) override {
    max_poll_ms = std::max(max_poll_ms, timeout_ms);
    if (fail == kPoll) return Fail();
    if (fail == kPollHangUp) {
      fds[0].revents = POLLHUP;
      return 1;
    }
    return Posix::Poll(fds, count, timeout_ms);
  }
  int Close(int fd) override {
    ++closes;
    return Posix::Close(fd);
  }
  int closes = 0;

 private:
  int Fail() {
    errno = err;
    return -1;
  }
};

TEST(CommObj, PortNamesAndSpeeds) {
  EXPECT_EQ(CommObj::PortPath("COM1"), "/dev/ttyS0");
  EXPECT_EQ(CommObj::PortPath("COM8"), "/dev/ttyS7");
  EXPECT_EQ(CommObj::PortPath("/dev/ttyUSB0"), "/dev/ttyUSB0");
  for (const char* bad : {"COM0", "COM9", "COM10", "ttyS0", ""}) {
    EXPECT_EQ(CommObj::PortPath(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(CommObj::Baud(0), 19200);
  EXPECT_EQ(CommObj::Baud(3), 2400);
  EXPECT_EQ(CommObj::Baud(4), 0);
}

TEST(CommObj, OpenFailuresReportTheirErrorAndLeaveThePortClosed) {
  SimLine sim(1);
  struct Row {
    FaultyPosix::Call call;
    int err;
    std::string name;
    int speed;
  };
  const Row rows[] = {{FaultyPosix::kOpen, EACCES, sim.SlavePath(), 0},
                      {FaultyPosix::kGetAttr, ENOTTY, sim.SlavePath(), 0},
                      {FaultyPosix::kSetAttr, EINVAL, sim.SlavePath(), 0},
                      {FaultyPosix::kNone, EINVAL, "ttyS0", 0},
                      {FaultyPosix::kNone, EINVAL, sim.SlavePath(), 7}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.call);
    FaultyPosix sys;
    sys.fail = row.call;
    sys.err = row.err;
    CommObj comm(&sys);
    const OpenResult result = comm.Open(row.name, row.speed);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, row.err);
    EXPECT_FALSE(comm.IsOpen());
    TrFrame frame = MakeFrame(0, kCmdRead, 0x0080);
    EXPECT_EQ(comm.Transact(frame), kRecvNone);
    // A descriptor opened before the failure is closed again.
    EXPECT_EQ(sys.closes, row.call == FaultyPosix::kGetAttr || row.call == FaultyPosix::kSetAttr);
  }
}

// A pseudo-terminal keeps 8 bits without parity and refuses the second request for 7E1 at the
// same speed: the program started again on the same simulated line still opens it and talks.
TEST(CommObj, TheSamePseudoTerminalOpensAgain) {
  SimLine sim(1);
  for (int run = 0; run < 3; ++run) {
    SCOPED_TRACE(run);
    CommObj comm;
    const OpenResult opened = comm.Open(sim.SlavePath(), 0);
    ASSERT_TRUE(opened.ok) << opened.error;
    TrFrame frame = MakeFrame(0, kCmdRead, 0x0080);
    EXPECT_EQ(comm.Transact(frame), kRecvAck);
  }
}

// A failing system call or a line that vanishes: no reply, and none asked for from then on.
TEST(CommObj, ALostLineGivesNoReplyAtOnceFromThenOn) {
  struct Row {
    const char* name;
    FaultyPosix::Call call;  // kNone: the line itself vanishes
  };
  const Row rows[] = {{"write fails", FaultyPosix::kWrite},
                      {"read fails", FaultyPosix::kRead},
                      {"poll fails", FaultyPosix::kPoll},
                      {"hang-up", FaultyPosix::kPollHangUp},
                      {"line vanishes", FaultyPosix::kNone}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SimLine sim(1);
    FaultyPosix sys;
    CommObj comm(&sys);
    comm.SetTimeouts(20, 10);
    ASSERT_TRUE(comm.Open(sim.SlavePath(), 0).ok);
    if (row.call == FaultyPosix::kNone) sim.Vanish();
    sys.fail = row.call;
    TrFrame frame = MakeFrame(0, kCmdRead, 0x0080);
    EXPECT_EQ(comm.Transact(frame), kRecvNone);
    EXPECT_TRUE(comm.Lost());
    sys.fail = FaultyPosix::kNone;
    sim.ClearLog();
    EXPECT_EQ(comm.Transact(frame), kRecvNone);
    EXPECT_TRUE(sim.Log().empty());
  }
}

TEST(CommObj, RepliesOfTheLineAreClassified) {
  SimLine sim(2);
  FaultyPosix sys;
  CommObj comm(&sys);
  comm.SetTimeouts(20, 10);
  ASSERT_TRUE(comm.Open(sim.SlavePath(), 0).ok);
  sim.SetValue(1, 0x0083, -1234);
  TrFrame read = MakeFrame(1, kCmdRead, 0x0083);
  EXPECT_EQ(comm.Transact(read), kRecvAck);
  EXPECT_EQ(read.Kind, kRecvAck);
  EXPECT_EQ(ReplyData(read, read.Recv), -1234);
  struct Row {
    SimLine::Fault fault;
    RecvCode code;
  };
  for (const Row& row : {Row{SimLine::Fault::kEsc, kRecvEscape},
                         {SimLine::Fault::kNak, kRecvRefused},
                         {SimLine::Fault::kSilence, kRecvNone},
                         {SimLine::Fault::kBadBcc, kRecvOther},
                         {SimLine::Fault::kGarbage, kRecvOther},
                         {SimLine::Fault::kCut, kRecvOther}}) {
    sim.QueueFault(row.fault);
    EXPECT_EQ(comm.Transact(read), row.code) << static_cast<int>(row.fault);
  }
  // A controller that is not there, and a late reply that must not be taken for the next one.
  TrFrame absent = MakeFrame(7, kCmdRead, 0x0080);
  EXPECT_EQ(comm.Transact(absent), kRecvNone);
  EXPECT_EQ(comm.Transact(read), kRecvAck);
  // A spell of slow replies: each comes after its request has timed out, during a later one,
  // and is thrown away there. Once the line answers on time again, the replies left over from
  // the spell are passed over and every request gets its own reply.
  sim.SetValue(0, 0x0080, 55);
  sim.SetValue(1, 0x0080, 66);
  // Three different requests in turn, so that a reply two requests late is no match either.
  std::array<TrFrame, 3> frames{read, MakeFrame(0, kCmdRead, 0x0080),
                                MakeFrame(1, kCmdRead, 0x0080)};
  const std::array<int16_t, 3> values{-1234, 55, 66};
  sim.SetReplyDelayMs(35);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(comm.Transact(frames[i % 3]), kRecvNone);
  sim.SetReplyDelayMs(0);
  int in_step = 0;
  for (int i = 0; i < 6; ++i) {
    TrFrame& frame = frames[i % 3];
    const bool own =
        comm.Transact(frame) == kRecvAck && ReplyData(frame, frame.Recv) == values[i % 3];
    in_step = own ? in_step + 1 : 0;
  }
  EXPECT_GE(in_step, 4);
  // No single wait is longer than the reply timeout and the request's wire time.
  EXPECT_LE(sys.max_poll_ms, 20 + 6);
}

}  // namespace
}  // namespace qd470
