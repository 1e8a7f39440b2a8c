// Whole-file reads and atomic whole-file writes over POSIX calls.
#include "model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace

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
