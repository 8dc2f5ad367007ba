#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/BitmapImage.h"

namespace quindle {

// Rows are read and written in blocks of whole rows, and converted column by
// column: the grid is column-major, so the rows of one block land in one short
// run of each column instead of one pixel in every column per row.

// Rows up to this many bytes go through blocks; longer ones through runs.
inline constexpr std::int64_t kRowBlockBytes = std::int64_t{4} << 20;
inline constexpr std::int32_t kMaxRowsPerBlock = 64;

// Rows of one block, one after another as in the file, except when the
// stride is a multiple of the page size: then each row gets a slot a cache
// line longer, so that the rows of a column do not share one cache set.
class RowBlock {
 public:
  explicit RowBlock(std::int64_t stride)
      : stride_(stride),
        pitch_(stride % 4096 == 0 ? stride + 64 : stride),
        rows_(static_cast<std::int32_t>(std::clamp<std::int64_t>(kRowBlockBytes / stride, 1, kMaxRowsPerBlock))),
        bytes_(static_cast<std::size_t>(pitch_ * rows_), 0) {}

  std::int32_t Rows() const { return rows_; }
  std::int64_t Stride() const { return stride_; }
  std::int64_t Pitch() const { return pitch_; }
  bool Contiguous() const { return pitch_ == stride_; }
  std::uint8_t* Row(std::int32_t k) { return bytes_.data() + pitch_ * k; }

 private:
  std::int64_t stride_;
  std::int64_t pitch_;
  std::int32_t rows_;
  std::vector<std::uint8_t> bytes_;
};

// Block row k is image row bottomY - k; decode(rowBytes, x, pixel) fills one pixel.
template <typename Decode>
void DecodeRowBlock(BitmapImage& image, const std::uint8_t* block, std::int64_t stride,
                    std::int32_t bottomY, std::int32_t rows, Decode decode) {
  const auto height = static_cast<std::size_t>(image.Height());
  ColorQuad* column = image.Pixels().data() + static_cast<std::size_t>(bottomY);
  for (std::int32_t x = 0; x < image.Width(); ++x, column += height) {
    const std::uint8_t* row = block;
    for (std::int32_t k = 0; k < rows; ++k, row += stride) {
      decode(row, x, column[-k]);
    }
  }
}

// Encodes `count` columns from firstX of rows bottomY, bottomY - 1, ... into
// block row 0, 1, ...; encode(rowBytes, x, pixel) stores one pixel, x counted
// from firstX (a byte boundary).
template <typename Encode>
void EncodeRowBlock(const BitmapImage& image, std::uint8_t* block, std::int64_t stride,
                    std::int32_t bottomY, std::int32_t rows, std::int32_t firstX,
                    std::int32_t count, Encode encode) {
  const auto height = static_cast<std::size_t>(image.Height());
  const ColorQuad* column = image.Pixels().data() + static_cast<std::size_t>(firstX) * height +
                            static_cast<std::size_t>(bottomY);
  for (std::int32_t x = 0; x < count; ++x, column += height) {
    std::uint8_t* row = block;
    for (std::int32_t k = 0; k < rows; ++k, row += stride) {
      encode(row, x, column[-k]);
    }
  }
}

// Where pixel x of an indexed row sits: its byte and the shift of its field.
struct PackedField {
  std::size_t byte;
  unsigned shift;
};

inline PackedField FieldOf(std::int32_t x, std::int32_t depth) {
  const auto bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(depth);
  return PackedField{bit / 8, static_cast<unsigned>(8 - depth) - static_cast<unsigned>(bit % 8)};
}

}  // namespace quindle
