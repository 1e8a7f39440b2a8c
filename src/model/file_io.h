// Whole-file reads and atomic whole-file writes for the program's data files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace qd470 {

// Reads the whole file into `bytes`. On failure `bytes` is left unchanged and the error is
// returned; an empty error code means success.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Replaces the file at `path` with `bytes`: writes a temporary file in the same folder, flushes it
// to disk and renames it over the old file. On any failure the old file is left as it was, the
// temporary file is removed and the error is returned; an empty error code means success.
std::error_code WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

}  // namespace qd470
