// Reading and writing the type file.
#include "settings/type_file.h"

#include <cstdint>

#include "model/file_io.h"
#include "model/le16.h"

namespace qd470 {
namespace {

constexpr int kFields = kTypeRecordSize / 2;

// The eight fields of a record in file order.
std::array<int16_t*, kFields> Fields(TypeRec& rec) {
  return {&rec.InRange,  &rec.Al1Type, &rec.Al2Type, &rec.LoopAlmNone,
          &rec.Out2Type, &rec.TrsNone, &rec.TsNone,  &rec.CtrlType};
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
