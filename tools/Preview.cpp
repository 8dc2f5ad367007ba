#include "Preview.h"

#include <algorithm>

#include "bmp/BmpWriter.h"
#include "utilities/PixelCopy.h"
#include "utilities/ScaleImage.h"

namespace quindle::tool {
namespace {

constexpr std::int32_t kMaxPreviewWidth = 1024;

void FitHalf(BitmapImage& image) {
  if (image.Width() > kMaxPreviewWidth / 2) {
    ScaleImage(image, 'W', kMaxPreviewWidth / 2);
  }
}

}  // namespace

std::error_code WritePreview(BitmapImage& before, BitmapImage& after, const std::string& path) {
  FitHalf(before);
  FitHalf(after);
  BitmapImage canvas;
  canvas.SetDimensions(before.Width() + after.Width(), std::max(before.Height(), after.Height()));
  CopyRegion(before, 0, before.Width() - 1, 0, before.Height() - 1, canvas, 0, 0);
  CopyRegion(after, 0, after.Width() - 1, 0, after.Height() - 1, canvas, before.Width(), 0);
  return SaveWithReason(canvas, path.c_str());
}

}  // namespace quindle::tool
