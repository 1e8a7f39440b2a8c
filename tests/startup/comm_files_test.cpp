// Tests of the init file and the port file: defaults when unreadable, the port file's rule, and
// the list of serial devices.
#include "startup/comm_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "model/comm_cond_record.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::ProgramTest;

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class CommFilesTest : public ProgramTest {
 protected:
  std::filesystem::path InitFile() { return p().DataFile(p().InitFileName); }
  std::filesystem::path PortFile() { return p().DataFile(p().PortFileName); }
};

TEST_F(CommFilesTest, AValidInitFileIsTakenAsItIs) {
  WriteText(InitFile(), EncodeCommCond({12, 2, 1, 1}));
  LoadCommCond(p());
  EXPECT_TRUE(msg().shown.empty());
  EXPECT_EQ(p().CommCond.DevCount, 12);
  EXPECT_EQ(p().CommCond.ReadIdx, 1);
  EXPECT_EQ(p().CommPort, "/dev/ttyS2");
}

TEST_F(CommFilesTest, AnUnreadableInitFileGivesTheDefaultsWrittenAndString467) {
  const std::string defaults = EncodeCommCond(CommCondRec{});
  struct Case {
    const char* what;
    void (*make)(const std::filesystem::path&);
    bool rewritten;  // a folder or a FIFO in the file's place cannot be replaced
  };
  const Case cases[] = {
      {"missing", [](const std::filesystem::path&) {}, true},
      {"short", [](const std::filesystem::path& f) { WriteText(f, std::string(6, '\1')); }, true},
      {"out of range",
       [](const std::filesystem::path& f) {
         WriteText(f, EncodeCommCond({40, 0, 0, 0}));
       },
       true},
      {"folder", [](const std::filesystem::path& f) { std::filesystem::create_directory(f); },
       false},
      {"fifo", [](const std::filesystem::path& f) { ::mkfifo(f.c_str(), 0600); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(InitFile());
    c.make(InitFile());
    msg().shown.clear();
    p().CommCond = {7, 3, 2, 1};
    LoadCommCond(p());
    EXPECT_EQ(msg().Texts(), std::vector<std::string>{p().LoadResString(467)});
    EXPECT_EQ(EncodeCommCond(p().CommCond), defaults);
    if (c.rewritten) {
      EXPECT_EQ(ReadText(InitFile()), defaults);
    }
  }
}

TEST_F(CommFilesTest, ThePortFileWinsOverTheIndexWhileItHoldsAPath) {
  WriteText(InitFile(), EncodeCommCond({1, 4, 0, 0}));
  struct Case {
    const char* content;  // nullptr: no port file
    const char* port;
  };
  const Case cases[] = {
      {nullptr, "/dev/ttyS4"},
      {"/dev/ttyUSB0\n", "/dev/ttyUSB0"},
      {"  /dev/serial/by-id/usb-FTDI-if00-port0\r\nsecond line",
       "/dev/serial/by-id/usb-FTDI-if00-port0"},
      {"\n", "/dev/ttyS4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content ? c.content : "none");
    std::filesystem::remove(PortFile());
    if (c.content) WriteText(PortFile(), c.content);
    LoadCommCond(p());
    EXPECT_EQ(p().CommPort, c.port);
  }
  WriteText(PortFile(), std::string(5000, 'x'));
  EXPECT_FALSE(ReadPortFile(PortFile()));
}

TEST_F(CommFilesTest, SavingAComPortRemovesThePortFileAnyOtherPathWritesIt) {
  LoadCommCond(p());
  CommCondRec cond = p().CommCond;
  cond.DevCount = 5;
  ASSERT_FALSE(SaveCommCond(p(), cond, " /dev/ttyACM1 "));
  EXPECT_EQ(ReadText(PortFile()), "/dev/ttyACM1\n");
  EXPECT_EQ(p().CommPort, "/dev/ttyACM1");
  EXPECT_EQ(ReadText(InitFile()), EncodeCommCond({5, 0, 0, 0}));

  ASSERT_FALSE(SaveCommCond(p(), cond, ""));  // nothing typed: the port stays
  EXPECT_EQ(p().CommPort, "/dev/ttyACM1");

  for (const char* com : {"COM3", "/dev/ttyS2"}) {
    SCOPED_TRACE(com);
    WriteText(PortFile(), "/dev/ttyUSB0\n");
    ASSERT_FALSE(SaveCommCond(p(), cond, com));
    EXPECT_FALSE(std::filesystem::exists(PortFile()));
    EXPECT_EQ(p().CommPort, "/dev/ttyS2");
    EXPECT_EQ(ReadText(InitFile()), EncodeCommCond({5, 2, 0, 0}));
  }
}

TEST(SerialPorts, ByIdFirstThenUsbAndAcmInNumberOrder) {
  testing::TempFolder dev;
  std::filesystem::create_directories(dev.path() / "serial" / "by-id");
  for (const char* name :
       {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "tty1", "serial/by-id/usb-X"}) {
    WriteText(dev.path() / name, "");
  }
  const std::string d = dev.path().string();
  EXPECT_EQ(ListSerialPorts(dev.path()),
            (std::vector<std::string>{d + "/serial/by-id/usb-X", d + "/ttyUSB2", d + "/ttyUSB10",
                                      d + "/ttyACM0"}));
  EXPECT_EQ(ComPortIndex("COM8"), 7);
  EXPECT_EQ(ComPortIndex("COM9"), std::nullopt);
}

}  // namespace
}  // namespace qd470
