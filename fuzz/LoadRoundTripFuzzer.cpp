// Loads arbitrary bytes; whatever loads must survive a save and a reload:
// exactly at 24 and 32 bits, and unchanged by one more round at 16 bits and
// at the indexed depths.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"

namespace quindle::fuzz {
namespace {

bool SameImage(const BitmapImage& a, const BitmapImage& b) {
  if (a.Depth() != b.Depth() || a.Width() != b.Width() || a.Height() != b.Height()) return false;
  const auto pa = a.Pixels();
  const auto pb = b.Pixels();
  const auto la = a.Palette();
  const auto lb = b.Palette();
  return std::equal(pa.begin(), pa.end(), pb.begin(), pb.end()) &&
         std::equal(la.begin(), la.end(), lb.begin(), lb.end());
}

BitmapImage& Reload(BitmapImage& image, const std::vector<std::uint8_t>& bytes) {
  Check(LoadMemory(image, bytes.data(), bytes.size()) == LoadStatus::Loaded,
        "a saved file does not load");
  return image;
}

}  // namespace
}  // namespace quindle::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  using namespace quindle::fuzz;
  if (!DeclaresFewPixels(data, size)) return -1;
  BitmapImage image;
  if (LoadMemory(image, data, size) != LoadStatus::Loaded) {
    Check(image.Width() >= 1 && image.Height() >= 1, "a refused file left an empty grid");
    return 0;
  }
  const std::vector<std::uint8_t> first = SaveMemory(image);
  BitmapImage second;
  Reload(second, first);
  if (image.Depth() == 24 || image.Depth() == 32) {
    Check(SameImage(image, second), "24/32-bit round trip changed the image");
    return 0;
  }
  const std::vector<std::uint8_t> again = SaveMemory(second);
  BitmapImage third;
  Reload(third, again);
  Check(SameImage(second, third), "a second round trip changed the image");
  if (image.Depth() != 16) {
    Check(again == first, "indexed pixels did not keep their palette index");
  }
  return 0;
}
