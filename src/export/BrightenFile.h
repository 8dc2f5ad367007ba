#pragma once

#include <cstdint>
#include <system_error>

#include "bmp/BmpReader.h"

namespace quindle {

// How one brightness job ended.
struct BrightnessOutcome {
  LoadStatus load = LoadStatus::CannotOpen;
  std::error_code openError;  // why the input could not be opened
  std::error_code saveError;  // why the output could not be written
  bool Succeeded() const { return load == LoadStatus::Loaded && !saveError; }
};

// The whole job behind the exported function: load the input, scale every
// pixel's red, green and blue by its percentage once, and save at the same
// depth.
// Nothing is written unless the input loads, and the output is replaced only
// when completely written.
BrightnessOutcome BrightenFile(const char* inputPath, const char* outputPath,
                               std::int32_t redPercent, std::int32_t greenPercent,
                               std::int32_t bluePercent);

}  // namespace quindle
