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
  // Each pixel is adjusted once, as the writer encodes it: the same bytes as
  // adjusting the whole image first, without a pass of its own over the grid.
  const ChannelTables tables = MakeBrightnessTables(redPercent, greenPercent, bluePercent);
  outcome.saveError = SaveWithReason(image, outputPath, &tables);
  return outcome;
}

}  // namespace quindle
