// Tests of the type file: byte layout, short files, failures, and the atomic write under it.
#include "settings/type_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/file_io.h"

namespace qd470 {
namespace {

namespace fs = std::filesystem;

class TypeFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("qd470_typefile_" + std::to_string(::getpid()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = dir_ / "QD4TYPE.DAT";
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string FileBytes() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void PutBytes(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
  int FilesInDir() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
  fs::path path_;
};

TypeTable Sample() {
  TypeTable records;
  for (int d = 0; d < kMaxDevices; ++d) {
    const auto v = static_cast<int16_t>(d);
    records[d] = {v,
                  static_cast<int16_t>(v % 16),
                  static_cast<int16_t>(15 - v % 16),
                  static_cast<int16_t>(-(v % 2)),
                  static_cast<int16_t>(v % 3),
                  static_cast<int16_t>(v % 2 - 1),
                  kTrue,
                  static_cast<int16_t>(v % 3 - 1)};
  }
  records[5].InRange = -32768;
  records[6].InRange = 32767;
  return records;
}

TEST_F(TypeFileTest, DefaultsOfAnUnsetRecord) {
  const TypeRec expected{0, 0, 0, -1, 0, -1, -1, -1};
  EXPECT_EQ(TypeDefaults(), expected);
  TypeTable records{};
  SetTypeDefaults(records);
  for (const TypeRec& rec : records) EXPECT_EQ(rec, expected);
}

TEST_F(TypeFileTest, WritesThirtyTwoLittleEndianRecords) {
  TypeTable records;
  SetTypeDefaults(records);
  records[1].InRange = 0x1234;
  records[1].CtrlType = 1;
  records[31].Al2Type = -2;
  ASSERT_FALSE(WriteTypeFile(path_, records));
  const std::string bytes = FileBytes();
  ASSERT_EQ(bytes.size(), 512u);
  const std::string defaults("\x00\x00\x00\x00\x00\x00\xFF\xFF\x00\x00\xFF\xFF\xFF\xFF\xFF\xFF",
                             16);
  EXPECT_EQ(bytes.substr(0, 16), defaults);  // record 1 = device 0
  EXPECT_EQ(bytes.substr(16, 16),
            std::string("\x34\x12\x00\x00\x00\x00\xFF\xFF\x00\x00\xFF\xFF\xFF\xFF\x01\x00", 16));
  EXPECT_EQ(bytes.substr(31 * 16 + 4, 2), std::string("\xFE\xFF", 2));
}

TEST_F(TypeFileTest, RoundTrip) {
  const TypeTable records = Sample();
  ASSERT_FALSE(WriteTypeFile(path_, records));
  TypeTable read{};
  ASSERT_FALSE(ReadTypeFile(path_, read));
  EXPECT_EQ(read, records);
  EXPECT_EQ(FilesInDir(), 1);  // no temporary file left behind
}

TEST_F(TypeFileTest, ShortFileGivesDefaultsBeyondItsEndAndStaysAsItIs) {
  const TypeTable sample = Sample();
  // Three whole records and half of the fourth.
  const std::string bytes = EncodeTypeFile(sample).substr(0, 3 * 16 + 8);
  PutBytes(bytes);
  TypeTable read{};
  ASSERT_FALSE(ReadTypeFile(path_, read));
  for (int d = 0; d < 3; ++d) EXPECT_EQ(read[d], sample[d]) << d;
  for (int d = 3; d < kMaxDevices; ++d) EXPECT_EQ(read[d], TypeDefaults()) << d;
  EXPECT_EQ(FileBytes(), bytes);

  PutBytes("");
  ASSERT_FALSE(ReadTypeFile(path_, read));
  for (const TypeRec& rec : read) EXPECT_EQ(rec, TypeDefaults());
}

TEST_F(TypeFileTest, BytesPastTheLastRecordAreIgnored) {
  const TypeTable sample = Sample();
  PutBytes(EncodeTypeFile(sample) + "trailing");
  TypeTable read{};
  ASSERT_FALSE(ReadTypeFile(path_, read));
  EXPECT_EQ(read, sample);
}

TEST_F(TypeFileTest, UnreadableFileIsReportedAndLeavesRecordsAlone) {
  const TypeTable before = Sample();
  TypeTable records = before;
  EXPECT_TRUE(ReadTypeFile(dir_ / "missing.dat", records));
  EXPECT_EQ(records, before);
  EXPECT_TRUE(ReadTypeFile(dir_, records));  // a folder cannot be read as a file
  EXPECT_EQ(records, before);
}

// A huge sparse file: its records are read, the rest is never touched.
TEST_F(TypeFileTest, ReadsOnlyTheRecordsOfAHugeFile) {
  PutBytes(EncodeTypeFile(Sample()));
  fs::resize_file(path_, std::uintmax_t{4} << 30);
  TypeTable records{};
  ASSERT_FALSE(ReadTypeFile(path_, records));
  EXPECT_EQ(records, Sample());
}

// A write that fails part-way (here: the file-size limit, as on a full disk) leaves the old file
// whole and reports the error.
TEST_F(TypeFileTest, FailedWriteKeepsTheOldFile) {
  const TypeTable old_records = Sample();
  ASSERT_FALSE(WriteTypeFile(path_, old_records));
  const std::string old_bytes = FileBytes();

  TypeTable new_records;
  SetTypeDefaults(new_records);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::error_code error = WriteTypeFile(path_, new_records);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, old_handler);

  EXPECT_TRUE(error);
  EXPECT_EQ(FileBytes(), old_bytes);
  EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(TypeFileTest, FailedReplaceIsReported) {
  // No such folder: the temporary file cannot be made.
  EXPECT_TRUE(WriteTypeFile(dir_ / "no_folder" / "QD4TYPE.DAT", Sample()));
  // The name is taken by a folder: the rename fails and the temporary file is removed.
  fs::create_directory(path_);
  fs::path inside = path_ / "keep";
  std::ofstream(inside) << "x";
  EXPECT_TRUE(WriteFileAtomic(path_, "data"));
  EXPECT_TRUE(fs::exists(inside));
  EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(TypeFileTest, AtomicWriteKeepsTheModeOfTheReplacedFile) {
  ASSERT_FALSE(WriteFileAtomic(path_, "one"));
  EXPECT_EQ(fs::status(path_).permissions(), fs::perms(0644));
  fs::permissions(path_, fs::perms(0600));
  ASSERT_FALSE(WriteFileAtomic(path_, "two"));
  EXPECT_EQ(FileBytes(), "two");
  EXPECT_EQ(fs::status(path_).permissions(), fs::perms(0600));
}

}  // namespace
}  // namespace qd470
