#include "bmp/SixteenBitPixels.h"

namespace quindle {
namespace {

unsigned ShiftOf(std::uint16_t mask) {
  unsigned shift = 0;
  for (unsigned value = mask; value > 31; value >>= 1) {
    ++shift;
  }
  return shift;
}

}  // namespace

SixteenBitDecoder::SixteenBitDecoder(ChannelMasks masks)
    : masks_(masks),
      redShift_(ShiftOf(masks.red)),
      greenShift_(ShiftOf(masks.green)),
      blueShift_(ShiftOf(masks.blue)) {}

}  // namespace quindle
