// One-line text files (the port file, the password file): the first line of a regular file,
// read with a cap.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace qd470 {

// Reads the first line of the regular file at `path` into `line`, without its line end (CR or
// LF). A first line that does not end within `max_bytes` is refused with file_too_large; a path
// that is not a regular file is an error. On failure `line` is left unchanged.
std::error_code ReadFirstLine(const std::filesystem::path& path, std::size_t max_bytes,
                              std::string& line);

}  // namespace qd470
