// A fresh program object with fake services and its own temporary program folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "program/program.h"
#include "support/fake_services.h"

namespace qd470::testing {

class TempFolder {
 public:
  TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("qd470-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class ProgramTest : public ::testing::Test {
 protected:
  explicit ProgramTest(Language lang = Language::kEnglish)
      : program_(std::make_unique<Program>(folder_.path() / "prog", fakes_.Bundle(), lang)) {}
  Program& p() { return *program_; }
  FakeMessageBox& msg() { return fakes_.message_box; }

  TempFolder folder_;
  FakeServices fakes_;
  std::unique_ptr<Program> program_;
};

}  // namespace qd470::testing
