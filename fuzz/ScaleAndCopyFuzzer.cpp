// Rescaling, copies and region copies on loaded images, with parameters taken
// from the input. Images are kept small so that every run stays fast.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "utilities/PixelCopy.h"
#include "utilities/ScaleImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  using namespace quindle::fuzz;
  InputReader input(data, size);
  const std::uint32_t modeAndSize = input.U32();
  const std::int32_t left = input.I32();
  const std::int32_t right = input.I32();
  const std::int32_t top = input.I32();
  const std::int32_t bottom = input.I32();
  const std::int32_t destinationX = input.I32();
  const std::int32_t destinationY = input.I32();
  if (input.Size() >= 26 && !DeclaresFewPixels(input.Data(), input.Size())) return -1;

  BitmapImage image;
  LoadMemory(image, input.Data(), input.Size());
  if (std::int64_t{image.Width()} * image.Height() > 4096) return -1;

  // Region copies, into a copy of the image and within the image itself.
  BitmapImage copy(image);
  Check(copy.Width() == image.Width() && copy.Height() == image.Height(), "copy size");
  CopyRegion(image, left, right, top, bottom, copy, destinationX, destinationY);
  CopyRegionUnlessColor(copy, left, right, top, bottom, image, destinationX, destinationY,
                        image.ReadPixel(left, top));
  CopyRegion(image, left, right, top, bottom, image, destinationX, destinationY);
  CopyPixel(copy, left, top, image, destinationX, destinationY);

  static constexpr char kModes[] = {'P', 'W', 'H', 'F', 'p', 'w', 'h', 'f', 'X', '\0'};
  const char mode = kModes[modeAndSize % sizeof kModes];
  // Percentages up to 400 % and sides up to 512 keep the result small.
  const std::int32_t range = mode == 'P' || mode == 'p' ? 450 : 530;
  const auto scaleSize = static_cast<std::int32_t>((modeAndSize >> 8) % static_cast<std::uint32_t>(range)) - 50;
  // A narrow image widened to 512 may grow tall enough to take seconds under
  // the sanitizers; results beyond 2^20 pixels are left to the ordinary tests.
  const double oldWidth = image.Width();
  const double oldHeight = image.Height();
  const double side = std::max(scaleSize, 1);
  const double ratio = mode == 'P' || mode == 'p' ? side * side / 10000
                                                  : side * side / std::min(oldWidth, oldHeight) /
                                                        std::min(oldWidth, oldHeight);
  if (oldWidth * oldHeight * ratio > double(1 << 20)) return -1;
  const ColorQuad corner = image.ReadPixel(image.Width() - 1, image.Height() - 1);
  const bool known = mode != 'X' && mode != '\0';
  Check(ScaleImage(image, mode, scaleSize) == known, "ScaleImage accepted the wrong modes");
  if (known) {
    Check(image.Depth() == 24 && !image.HasPalette(), "rescaled image is not 24-bit");
    Check(image.Width() >= 1 && image.Height() >= 1, "rescaled image is empty");
    Check(image.ReadPixel(image.Width() - 1, image.Height() - 1) == corner,
          "the corner did not keep the old corner");
  }
  return 0;
}
