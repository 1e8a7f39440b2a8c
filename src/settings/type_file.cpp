// Reading and writing the type file.
#include "settings/type_file.h"

#include <cstdint>

#include "model/file_io.h"

namespace qd470 {
namespace {

constexpr int kFields = kTypeRecordSize / 2;

// The eight fields of a record in file order.
std::array<int16_t*, kFields> Fields(TypeRec& rec) {
  return {&rec.InRange,  &rec.Al1Type, &rec.Al2Type, &rec.LoopAlmNone,
          &rec.Out2Type, &rec.TrsNone, &rec.TsNone,  &rec.CtrlType};
}

void PutInt16(std::string& out, int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  out.push_back(static_cast<char>(bits & 0xFF));
  out.push_back(static_cast<char>(bits >> 8));
}

int16_t GetInt16(std::string_view bytes, size_t at) {
  const auto lo = static_cast<uint8_t>(bytes[at]);
  const auto hi = static_cast<uint8_t>(bytes[at + 1]);
  return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

}  // namespace

TypeRec TypeDefaults() {
  TypeRec rec;
  rec.InRange = 0;
  rec.Al1Type = 0;
  rec.Al2Type = 0;
  rec.LoopAlmNone = kTrue;
  rec.Out2Type = 0;
  rec.TrsNone = kTrue;
  rec.TsNone = kTrue;
  rec.CtrlType = -1;
  return rec;
}

void SetTypeDefaults(TypeTable& records) { records.fill(TypeDefaults()); }

std::string EncodeTypeFile(const TypeTable& records) {
  std::string out;
  out.reserve(kTypeFileSize);
  for (TypeRec rec : records) {
    for (const int16_t* field : Fields(rec)) PutInt16(out, *field);
  }
  return out;
}

TypeTable DecodeTypeFile(std::string_view bytes) {
  TypeTable records;
  SetTypeDefaults(records);
  for (size_t n = 0; n < records.size(); ++n) {
    const size_t start = n * kTypeRecordSize;
    if (start + kTypeRecordSize > bytes.size()) break;
    size_t at = start;
    for (int16_t* field : Fields(records[n])) {
      *field = GetInt16(bytes, at);
      at += 2;
    }
  }
  return records;
}

std::error_code ReadTypeFile(const std::filesystem::path& path, TypeTable& records) {
  std::string bytes;
  if (std::error_code error = ReadFileHead(path, kTypeFileSize, bytes)) return error;
  records = DecodeTypeFile(bytes);
  return {};
}

std::error_code WriteTypeFile(const std::filesystem::path& path, const TypeTable& records) {
  return WriteFileAtomic(path, EncodeTypeFile(records));
}

}  // namespace qd470
