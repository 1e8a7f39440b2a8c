// A plain 32-bit picture: what window capture returns and printing takes.
#pragma once

#include <cstdint>
#include <vector>

namespace qd470::forms {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;  // row-major, width * height pixels
  bool Empty() const { return width <= 0 || height <= 0; }
  bool operator==(const Image&) const = default;
};

}  // namespace qd470::forms
