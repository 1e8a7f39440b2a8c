// The program object.
#include "program/program.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "model/request_slot.h"

namespace qd470 {
namespace {

constexpr int kTooManyWrites = 589;

}  // namespace

Program::Program(std::filesystem::path program_folder, forms::Services services, Language language)
    : folder_(std::move(program_folder)), services_(services), language_(language) {
  std::filesystem::create_directories(folder_, folder_error_);
  if (!folder_error_ && ::faccessat(AT_FDCWD, folder_.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
    folder_error_ = std::error_code(errno, std::generic_category());
  }
  RegisterForms();
}

Program::~Program() = default;

std::string Program::LoadResString(int number) const {
  return std::string(ResString(language_, number));
}

bool Program::RoomForWrite(int ch, int number, int pattern, int index) {
  if (WriteRoom(*this, ch, number, pattern, index)) return true;
  MsgBox(LoadResString(kTooManyWrites));
  return false;
}

void Program::MsgBox(const std::string& text) {
  MsgBox(text, forms::MsgButtons::kOk, forms::MsgIcon::kNone, "");
}

forms::MsgResult Program::MsgBox(const std::string& text, forms::MsgButtons buttons,
                                 forms::MsgIcon icon, const std::string& title) {
  if (!services_.message_box) {
    return buttons == forms::MsgButtons::kYesNo ? forms::MsgResult::kNo : forms::MsgResult::kOk;
  }
  Forms().ModalBoxInWork();
  return services_.message_box->Show(text, buttons, icon, title);
}

namespace {

// The value of environment variable `name` when it is an absolute path, else an empty path.
std::filesystem::path AbsolutePathFromEnv(const char* name) {
  const char* value = std::getenv(name);
  std::filesystem::path path(value ? value : "");
  return path.is_absolute() ? path : std::filesystem::path();
}

// The home folder of the account the program runs under; empty when the account has none.
std::filesystem::path AccountHome() {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 4096);
  passwd entry{};
  passwd* found = nullptr;
  while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
         buffer.size() < (1u << 20)) {
    buffer.resize(buffer.size() * 2);
  }
  std::filesystem::path home(found && found->pw_dir ? found->pw_dir : "");
  return home.is_absolute() ? home : std::filesystem::path();
}

}  // namespace

std::filesystem::path DefaultProgramFolder() {
  const std::filesystem::path xdg = AbsolutePathFromEnv("XDG_DATA_HOME");
  if (!xdg.empty()) return (xdg / "qd470").lexically_normal();
  std::filesystem::path home = AbsolutePathFromEnv("HOME");
  if (home.empty()) home = AccountHome();
  if (home.empty()) return {};
  return (home / ".local" / "share" / "qd470").lexically_normal();
}

}  // namespace qd470
