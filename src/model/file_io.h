// Whole-file reads and atomic whole-file writes for the program's data files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace qd470 {

// Reads the whole file into `bytes`. On failure `bytes` is left unchanged and the error is
// returned; an empty error code means success.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

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

// Replaces the file at `path` with `bytes`: writes a temporary file in the same folder, flushes it
// to disk and renames it over the old file. On any failure the old file is left as it was, the
// temporary file is removed and the error is returned; an empty error code means success.
std::error_code WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

}  // namespace qd470
