// Setting files: the value order of the two kinds of file, the writer and the streaming reader.
#include "settings/setting_file.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "model/file_io.h"
#include "model/setting_catalogue.h"
#include "model/setting_groups.h"

namespace qd470 {
namespace {

// Values of one controller's groups: the BLK places without a value are left out.
constexpr int kValuesPerDevice = kPtnPlaces + kBlkValuePlaces + kOtrPlaces;  // without FIX

// Calls visit(stored value) for every value of the layout, in file order.
template <class State, class Visit>
void ForEachValue(State& state, const SettingFileLayout& layout, Visit&& visit) {
  auto group = [&](SettingGroup g, int dev) {
    for (const GroupPlace& place : GroupPlaces(g)) {
      if (auto* value = ResolveStorage(state, dev, place.ref)) visit(*value);
    }
  };
  if (!layout.all_controllers) {
    for (SettingGroup g :
         {SettingGroup::PTN, SettingGroup::BLK, SettingGroup::OTR, SettingGroup::FIX}) {
      group(g, layout.dev);
    }
    return;
  }
  for (SettingGroup g : {SettingGroup::PTN, SettingGroup::BLK, SettingGroup::OTR}) {
    for (int dev = 0; dev < kMaxDevices; ++dev) group(g, dev);
  }
  for (int dev = 0; dev < layout.fix_devices; ++dev) group(SettingGroup::FIX, dev);
}

bool EndsField(char c) { return c == ' ' || c == ',' || c == '\r' || c == '\n'; }
bool IsBlank(char c) { return c == ' ' || c == '\r' || c == '\n'; }

// The numbers of a setting file, read piece by piece: blanks and line breaks separate them, and
// one comma may stand between two. A field that is not a decimal number in -32768 to 32767, the
// end of the text and a read error all end the stream.
class ValueStream {
 public:
  explicit ValueStream(RegularFileReader& file) : file_(file) {}

  bool Next(int16_t& value) {
    SkipBlanks();
    if (after_value_ && Peek() == ',') {
      ++pos_;
      SkipBlanks();
    }
    after_value_ = true;
    const int sign = Peek();
    if (sign == '-' || sign == '+') ++pos_;
    int32_t magnitude = 0;
    int digits = 0;
    for (int c = Peek(); c >= '0' && c <= '9'; c = Peek()) {
      magnitude = magnitude * 10 + (c - '0');
      if (magnitude > 32768) return false;
      ++digits;
      ++pos_;
    }
    const int end = Peek();
    if (digits == 0 || failed_ || (end != kEnd && !EndsField(static_cast<char>(end)))) {
      return false;
    }
    const int32_t v = sign == '-' ? -magnitude : magnitude;
    if (v > 32767) return false;
    value = static_cast<int16_t>(v);
    return true;
  }

 private:
  static constexpr int kEnd = -1;
  static constexpr std::size_t kChunk = 64 * 1024;

  // The next character without taking it; kEnd at the end of the text or after a read error.
  int Peek() {
    if (pos_ == buffer_.size()) {
      pos_ = 0;
      if (failed_ || file_.Read(buffer_, kChunk)) {
        failed_ = true;
        buffer_.clear();
      }
      if (buffer_.empty()) return kEnd;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
  }
  void SkipBlanks() {
    for (int c = Peek(); c != kEnd && IsBlank(static_cast<char>(c)); c = Peek()) ++pos_;
  }

  RegularFileReader& file_;
  std::string buffer_;
  std::size_t pos_ = 0;
  bool failed_ = false;
  bool after_value_ = false;
};

}  // namespace

int SettingFileLayout::ValueCount() const {
  if (!all_controllers) return kValuesPerDevice + kFixPlaces;
  return kMaxDevices * kValuesPerDevice + kFixPlaces * fix_devices;
}

SettingFileLayout OneControllerFile(int16_t dev) {
  return {false, static_cast<int16_t>(std::clamp<int>(dev, 0, kMaxDevices - 1)), 0};
}

SettingFileLayout AllControllersFile(int16_t dev_count) {
  return {true, 0, static_cast<int16_t>(std::clamp<int>(dev_count, 0, kMaxDevices))};
}

std::string FormatSettingFile(const ProgramState& state, const SettingFileLayout& layout) {
  std::string text;
  text.reserve(static_cast<std::size_t>(layout.ValueCount()) * 8);
  ForEachValue(state, layout, [&text](int16_t value) {
    char digits[8];
    if (value >= 0) text += ' ';
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, end);
    text += ' ';
  });
  return text;
}

SettingFileRead LoadSettingFile(ProgramState& state, const std::filesystem::path& path,
                                const SettingFileLayout& layout) {
  RegularFileReader file;
  if (file.Open(path)) return SettingFileRead::kBadData;
  const bool wrong_kind = layout.all_controllers ? file.Length() < kSettingFileSizeLimit
                                                 : file.Length() > kSettingFileSizeLimit;
  if (wrong_kind) return SettingFileRead::kWrongKind;
  // Read into a scratch list first, so that a bad file changes nothing.
  std::vector<int16_t> values(static_cast<std::size_t>(layout.ValueCount()));
  ValueStream stream(file);
  for (int16_t& value : values) {
    if (!stream.Next(value)) return SettingFileRead::kBadData;
  }
  auto next = values.begin();
  ForEachValue(state, layout, [&next](int16_t& stored) { stored = *next++; });
  return SettingFileRead::kLoaded;
}

std::error_code SaveSettingFile(const ProgramState& state, const std::filesystem::path& path,
                                const SettingFileLayout& layout) {
  return WriteFileAtomic(path, FormatSettingFile(state, layout));
}

}  // namespace qd470
