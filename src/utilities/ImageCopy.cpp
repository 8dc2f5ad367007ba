// Copy construction of BitmapImage: an independent image with the source's
// depth, size, palette and pixels.
#include <algorithm>

#include "image/BitmapImage.h"
#include "utilities/Resolution.h"

namespace quindle {

BitmapImage::BitmapImage(BitmapImage& source) : BitmapImage() {
  SetDepth(source.Depth());
  SetDimensions(source.Width(), source.Height());
  // Through whole dots per inch, so 3780 pixels per metre becomes 3779.
  const std::int32_t vertical = VerticalDpi(source);
  const std::int32_t horizontal = HorizontalDpi(source);
  SetResolutionDpi(*this, horizontal, vertical);
  if (IsIndexedDepth(Depth())) {
    for (std::int32_t i = 0; i < PaletteSize(); ++i) {
      SetPaletteEntry(i, source.PaletteEntry(i));
    }
  }
  std::copy(source.pixels_.begin(), source.pixels_.end(), pixels_.begin());
}

}  // namespace quindle
