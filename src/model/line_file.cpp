// Reading the first line of a one-line text file.
#include "model/line_file.h"

#include <cstdint>

#include "model/file_io.h"

namespace qd470 {

std::error_code ReadFirstLine(const std::filesystem::path& path, std::size_t max_bytes,
                              std::string& line) {
  std::string bytes;
  std::uint64_t length = 0;
  if (std::error_code error = ReadFileHead(path, max_bytes, bytes, &length)) return error;
  const size_t line_end = bytes.find_first_of("\r\n");
  if (line_end == std::string::npos && length > max_bytes) {
    return std::make_error_code(std::errc::file_too_large);
  }
  line = bytes.substr(0, line_end);
  return {};
}

}  // namespace qd470
