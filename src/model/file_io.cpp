// Whole-file reads and atomic whole-file writes over POSIX calls.
#include "model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace qd470 {
namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

// Writes all of `bytes` to `fd`, retrying short writes and interruptions.
std::error_code WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return {};
}

// The mode for the new file: that of the file it replaces, else read-write for the owner and
// readable for others.
mode_t ModeFor(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  return 0644;
}

// Writes, flushes and closes the temporary file; closes it in every case.
std::error_code FillTemp(int fd, std::string_view bytes, mode_t mode) {
  std::error_code error = WriteAll(fd, bytes);
  if (!error && ::fchmod(fd, mode) != 0) error = LastError();
  if (!error && ::fsync(fd) != 0) error = LastError();
  if (::close(fd) != 0 && !error) error = LastError();
  return error;
}

// Opens `path` for reading without blocking on a FIFO and checks that it is a regular file.
std::error_code OpenRegular(const std::filesystem::path& path, int& fd, std::uint64_t& length) {
  const int opened = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (opened < 0) return LastError();
  struct stat st {};
  if (::fstat(opened, &st) != 0) {
    const std::error_code error = LastError();
    ::close(opened);
    return error;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(opened);
    return std::make_error_code(S_ISDIR(st.st_mode) ? std::errc::is_a_directory
                                                    : std::errc::invalid_argument);
  }
  fd = opened;
  length = static_cast<std::uint64_t>(st.st_size);
  return {};
}

// Reads up to `max_bytes` from `fd`, appending to `out`; stops early at the end of the file.
std::error_code ReadUpTo(int fd, std::size_t max_bytes, std::string& out) {
  char buffer[8192];
  while (max_bytes > 0) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, max_bytes));
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    if (n == 0) break;
    out.append(buffer, static_cast<size_t>(n));
    max_bytes -= static_cast<size_t>(n);
  }
  return {};
}

}  // namespace

std::error_code ReadFileHead(const std::filesystem::path& path, std::size_t max_bytes,
                             std::string& bytes, std::uint64_t* length) {
  RegularFileReader reader;
  if (std::error_code error = reader.Open(path)) return error;
  std::string data;
  if (std::error_code error = reader.Read(data, max_bytes)) return error;
  bytes = std::move(data);
  if (length) *length = reader.Length();
  return {};
}

RegularFileReader::~RegularFileReader() {
  if (fd_ >= 0) ::close(fd_);
}

std::error_code RegularFileReader::Open(const std::filesystem::path& path) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  length_ = 0;
  return OpenRegular(path, fd_, length_);
}

std::error_code RegularFileReader::Read(std::string& chunk, std::size_t max_bytes) {
  chunk.clear();
  if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
  return ReadUpTo(fd_, max_bytes, chunk);
}

std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return LastError();
  std::string data;
  char buffer[4096];
  std::error_code error;
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = LastError();
      break;
    }
    if (n == 0) break;
    data.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  if (!error) bytes = std::move(data);
  return error;
}

std::error_code WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
  const mode_t mode = ModeFor(path);
  std::string temp = path.string() + ".tmpXXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return LastError();
  std::error_code error = FillTemp(fd, bytes, mode);
  if (!error && ::rename(temp.c_str(), path.c_str()) != 0) error = LastError();
  if (error) ::unlink(temp.c_str());
  return error;
}

}  // namespace qd470
