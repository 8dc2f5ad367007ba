#include "export/BrightenFile.h"

#include "bmp/BmpWriter.h"
#include "export/ChannelBrightness.h"
#include "image/BitmapImage.h"

namespace quindle {

BrightnessOutcome BrightenFile(const char* inputPath, const char* outputPath,
                               std::int32_t redPercent, std::int32_t greenPercent,
                               std::int32_t bluePercent) {
  BrightnessOutcome outcome;
  BitmapImage image;
  outcome.load = LoadWithStatus(image, inputPath, &outcome.openError);
  if (outcome.load != LoadStatus::Loaded) {
    return outcome;
  }
  ApplyChannelBrightness(image, redPercent, greenPercent, bluePercent);
  outcome.saveError = SaveWithReason(image, outputPath);
  return outcome;
}

}  // namespace quindle
