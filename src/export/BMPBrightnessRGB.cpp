#include <cstdint>

#include "export/BrightenFile.h"
#include "export/NarrowPath.h"

namespace {

constexpr std::int32_t kDone = 999;
constexpr std::int32_t kFailed = 1;

}  // namespace

// The module's one entry point; everything else stays hidden. On Windows the
// module-definition file exports it.
#if defined(_WIN32)
#define QUINDLE_EXPORT
#else
#define QUINDLE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" QUINDLE_EXPORT std::int32_t BMPBrightnessRGB(
    const char16_t* inputPath, const char16_t* outputPath, std::int32_t redPercent,
    std::int32_t greenPercent, std::int32_t bluePercent) noexcept {
  // Nothing may escape into a C host: memory exhaustion anywhere is a failure.
  try {
    if (inputPath == nullptr || outputPath == nullptr) {
      return kFailed;
    }
    const quindle::BrightnessOutcome outcome =
        quindle::BrightenFile(quindle::NarrowPath(inputPath).c_str(),
                              quindle::NarrowPath(outputPath).c_str(), redPercent, greenPercent,
                              bluePercent);
    return outcome.Succeeded() ? kDone : kFailed;
  } catch (...) {
    return kFailed;
  }
}
