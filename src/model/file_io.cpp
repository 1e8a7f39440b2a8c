// The file layer over POSIX calls: regular-file reads and atomic replace.
#include "model/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <string>

namespace qd470 {
namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

constexpr int kMaxLinkHops = 40;
constexpr int kNameAttempts = 100;

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

// Follows the symbolic links that `path` ends in, so that a save replaces the file a link points
// to and keeps the link. A path that does not exist yet is kept as it is.
std::error_code FollowLinks(std::filesystem::path& path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? std::error_code{} : LastError();
    if (!S_ISLNK(st.st_mode)) return {};
    std::error_code error;
    const std::filesystem::path link = std::filesystem::read_symlink(path, error);
    if (error) return error;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// The error of a device, a FIFO or a socket where a data file is wanted, with a reason an
// operator can read (the errno texts have none for it).
class NotRegularCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "qd470.file"; }
  std::string message(int) const override { return "Not a regular file"; }
};

// The error of a path that is there but is not a regular file: a save or read must not replace
// or read a folder, a device or a FIFO.
std::error_code NotRegular(mode_t mode) {
  static const NotRegularCategory category;
  if (S_ISDIR(mode)) return std::make_error_code(std::errc::is_a_directory);
  return std::error_code(1, category);
}

// Checks that a save may replace `path` (links already followed): a path that is not there yet
// may be created; one that is there must be a regular file that opens for writing, so that the
// replace never turns a device or a FIFO into a file, nor overrides a file's write protection.
// Only a regular file is opened (a FIFO without a reader would block), and it is not truncated.
std::error_code CheckReplaceable(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? std::error_code{} : LastError();
  if (!S_ISREG(st.st_mode)) return NotRegular(st.st_mode);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return LastError();
  ::close(fd);
  return {};
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The mode of the regular file at `path`, which its replacement keeps; none for a new file.
std::optional<mode_t> ModeOfRegularFile(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  return std::nullopt;
}

std::filesystem::path RandomTempName(const std::filesystem::path& folder) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 generator{std::random_device{}()};
  std::string name(kTempFilePrefix);
  for (int n = 0; n < 12; ++n) name += kLetters[generator() % (sizeof kLetters - 1)];
  return folder / name;
}

// Removes a temporary file of ours unless a save still holds it. A save holds its temporary file
// locked from creation to rename; the lock also tells that the name still belongs to that file.
void RemoveIfUnused(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return;
  struct stat held {};
  struct stat named {};
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
      ::lstat(file.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
      held.st_dev == named.st_dev) {
    ::unlink(file.c_str());
  }
  ::close(fd);
}

// Removes what interrupted saves left in `folder`: our temporary files that no save holds.
void RemoveLeftovers(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->path().filename().string().starts_with(kTempFilePrefix)) RemoveIfUnused(it->path());
  }
}

// The temporary file of one save: open and locked while the save runs, unnamed (O_TMPFILE) or
// named. A name it still has when the save ends is removed.
struct TempFile {
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (!name.empty()) ::unlink(name.c_str());
    if (fd >= 0) ::close(fd);
  }
  int fd = -1;
  std::filesystem::path name;
};

// Locks a new temporary file against removal by another save's clean-up. False when that
// clean-up got to the file first and unlinked it. A file system without locks leaves the file
// unlocked, and clean-ups there remove nothing.
bool LockNew(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno != EWOULDBLOCK;
  struct stat st {};
  return ::fstat(fd, &st) == 0 && st.st_nlink > 0;
}

// Creates a named temporary file in `folder`, with mode 0666 less the umask.
std::error_code OpenNamedTemp(const std::filesystem::path& folder, TempFile& temp) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::filesystem::path name = RandomTempName(folder);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return LastError();
    if (!LockNew(fd)) {
      ::close(fd);
      continue;
    }
    temp.fd = fd;
    temp.name = name;
    return {};
  }
  return std::make_error_code(std::errc::file_exists);
}

// Linking an unnamed file in goes through its /proc/self/fd entry.
bool UnnamedTempUsable() {
  static const bool proc_mounted = ::access("/proc/self/fd", X_OK) == 0;
  return proc_mounted && AtomicWriteSeamsForTests().unnamed_temp;
}

// Opens the temporary file of a save in `folder`: unnamed where the file system has unnamed
// files, else named.
std::error_code OpenTemp(const std::filesystem::path& folder, TempFile& temp) {
  if (UnnamedTempUsable()) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);
      temp.fd = fd;
      return {};
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return LastError();
  }
  return OpenNamedTemp(folder, temp);
}

// Gives the complete unnamed temporary file a name of ours in `folder`, to rename it from.
std::error_code LinkIn(const std::filesystem::path& folder, TempFile& temp) {
  const std::string fd_path = "/proc/self/fd/" + std::to_string(temp.fd);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::filesystem::path name = RandomTempName(folder);
    if (::linkat(AT_FDCWD, fd_path.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      temp.name = name;
      return {};
    }
    if (errno != EEXIST) return LastError();
  }
  return std::make_error_code(std::errc::file_exists);
}

// Writes `bytes`, gives the file the mode of the file it replaces, and syncs it to disk.
std::error_code FillTemp(int fd, std::string_view bytes, std::optional<mode_t> mode) {
  if (std::error_code error = WriteAll(fd, bytes)) return error;
  if (mode && ::fchmod(fd, *mode) != 0) return LastError();
  if (::fsync(fd) != 0) return LastError();
  return {};
}

// Syncs the folder, so that a rename in it survives a power cut. A file system that cannot sync
// a folder (EINVAL) is not an error.
std::error_code SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return LastError();
  std::error_code error;
  if (::fsync(fd) != 0 && errno != EINVAL) error = LastError();
  ::close(fd);
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
    return NotRegular(st.st_mode);
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

std::error_code WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path target = path;
  if (std::error_code error = FollowLinks(target)) return error;
  if (std::error_code error = CheckReplaceable(target)) return error;
  const std::filesystem::path folder = FolderOf(target);
  const std::optional<mode_t> kept_mode = ModeOfRegularFile(target);
  RemoveLeftovers(folder);
  TempFile temp;
  if (std::error_code error = OpenTemp(folder, temp)) return error;
  if (std::error_code error = FillTemp(temp.fd, bytes, kept_mode)) return error;
  if (AtomicWriteSeamsForTests().before_replace) AtomicWriteSeamsForTests().before_replace();
  if (temp.name.empty()) {
    if (std::error_code error = LinkIn(folder, temp)) return error;
  }
  if (::rename(temp.name.c_str(), target.c_str()) != 0) return LastError();
  temp.name.clear();
  return SyncFolder(folder);
}

AtomicWriteSeams& AtomicWriteSeamsForTests() {
  static AtomicWriteSeams seams;
  return seams;
}

}  // namespace qd470
