#include "image/GrayscalePalette.h"

#include <algorithm>

namespace quindle {

bool FillGrayscalePalette(BitmapImage& image) {
  if (!IsIndexedDepth(image.Depth())) {
    return false;
  }
  const std::int32_t count = image.PaletteSize();
  const std::int32_t step = image.Depth() == 1 ? 255 : 255 / (count - 1);
  for (std::int32_t i = 0; i < count; ++i) {
    const auto level = static_cast<std::uint8_t>(std::min(i * step, 255));
    image.SetPaletteEntry(i, MakeColor(level, level, level));
  }
  return true;
}

}  // namespace quindle
