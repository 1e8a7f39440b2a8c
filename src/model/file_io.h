// The file layer of the program's data files: capped and streamed reads of regular files only,
// and atomic whole-file writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace qd470 {

// Reads at most `max_bytes` from the start of the regular file at `path` into `bytes`, and the
// file's whole length into `*length` when given. A path that is not a regular file (a FIFO, a
// device, a folder) is an error, never a wait. On failure `bytes` is left unchanged.
std::error_code ReadFileHead(const std::filesystem::path& path, std::size_t max_bytes,
                             std::string& bytes, std::uint64_t* length = nullptr);

// A regular file opened for reading piece by piece, for readers that stop as soon as they have
// what they need. Closed when destroyed.
class RegularFileReader {
 public:
  RegularFileReader() = default;
  ~RegularFileReader();
  RegularFileReader(const RegularFileReader&) = delete;
  RegularFileReader& operator=(const RegularFileReader&) = delete;

  // Opens `path`; a path that is not a regular file is an error, never a wait.
  std::error_code Open(const std::filesystem::path& path);
  // The file's length when it was opened.
  std::uint64_t Length() const { return length_; }
  // Reads the next piece of at most `max_bytes` into `chunk`; an empty chunk is the end.
  std::error_code Read(std::string& chunk, std::size_t max_bytes);

 private:
  int fd_ = -1;
  std::uint64_t length_ = 0;
};

// Replaces the file at `path` with `bytes`: writes a temporary file in the same folder, syncs it
// to disk, renames it over the old file and syncs the folder. A symbolic link is followed: the
// file it points to is replaced. An existing file keeps its mode; a new one gets 0666 less the
// umask. A target that exists but is not a regular file (a device, a FIFO, a folder) or that
// does not open for writing (write-protected) is refused before anything is made, and left as
// it is. The temporary file has no name until it is complete (O_TMPFILE); where the file system
// has no unnamed files it is named kTempFilePrefix..., and such files left in the folder by an
// interrupted save, and no longer in use, are removed by the next save there. On any failure the
// old file is left as it was and the error is returned; an empty error code means success.
std::error_code WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// How the names of our temporary files begin.
inline constexpr std::string_view kTempFilePrefix = ".qd470-save-";

// Seams for tests of WriteFileAtomic.
struct AtomicWriteSeams {
  // Called when the new data is written and synced, before it takes the old file's place.
  std::function<void()> before_replace;
  // False makes every save use a named temporary file, as on a file system without O_TMPFILE.
  bool unnamed_temp = true;
};
AtomicWriteSeams& AtomicWriteSeamsForTests();

}  // namespace qd470
