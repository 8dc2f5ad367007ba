// Load, Save, the brightness pass and the nearest-colour encoding, per depth,
// on images made here. Arguments: depth, then the side of a square image.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <vector>

#include "bmp/BmpReader.h"
#include "bmp/BmpWriter.h"
#include "bmp/FileStream.h"
#include "bmp/NearestPaletteIndex.h"
#include "export/ChannelBrightness.h"

namespace quindle {
namespace {

void Paint(BitmapImage& image, std::int32_t depth, std::int32_t side) {
  image.SetDepth(depth);
  image.SetDimensions(side, side);
  std::mt19937 random(1);
  for (ColorQuad& pixel : image.Pixels()) {
    pixel = ColorQuad{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                      static_cast<std::uint8_t>(random()), 0};
  }
  for (std::int32_t i = 0; i < image.PaletteSize() && IsIndexedDepth(depth); ++i) {
    image.SetPaletteEntry(i, ColorQuad{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                                       static_cast<std::uint8_t>(random()), 0});
  }
}

std::int64_t FileBytes(std::FILE* stream) {
  std::fseek(stream, 0, SEEK_END);
  return std::ftell(stream);
}

void BM_Load(benchmark::State& state) {
  BitmapImage image;
  Paint(image, static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
  const FileStream file(std::tmpfile());
  SaveToStream(image, file.get());
  const std::int64_t bytes = FileBytes(file.get());
  for (auto _ : state) {
    std::rewind(file.get());
    BitmapImage loaded;
    benchmark::DoNotOptimize(LoadFromStream(loaded, file.get()));
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_Save(benchmark::State& state) {
  BitmapImage image;
  Paint(image, static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
  const FileStream file(std::tmpfile());
  for (auto _ : state) {
    std::rewind(file.get());
    benchmark::DoNotOptimize(SaveToStream(image, file.get()));
  }
  state.SetBytesProcessed(state.iterations() * FileBytes(file.get()));
}

void BM_Brightness(benchmark::State& state) {
  BitmapImage image;
  Paint(image, 24, static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) {
    ApplyChannelBrightness(image, 120, 100, 80);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

void BM_NearestColour(benchmark::State& state) {
  BitmapImage image;
  Paint(image, static_cast<std::int32_t>(state.range(0)), 1);
  const PaletteSearch search(image);
  std::mt19937 random(3);
  std::vector<ColorQuad> colours(4096);
  for (ColorQuad& colour : colours) {
    colour = ColorQuad{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                       static_cast<std::uint8_t>(random()), 0};
  }
  for (auto _ : state) {
    unsigned sum = 0;
    for (const ColorQuad& colour : colours) sum += search.Nearest(colour);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(colours.size()));
}

void DepthsAndSides(benchmark::internal::Benchmark* benchmark) {
  for (const int depth : {1, 4, 8, 16, 24, 32}) {
    for (const int side : {64, 2048}) benchmark->Args({depth, side});
  }
}

BENCHMARK(BM_Load)->Apply(DepthsAndSides)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Apply(DepthsAndSides)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Brightness)->Arg(64)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NearestColour)->Arg(1)->Arg(4)->Arg(8)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quindle

BENCHMARK_MAIN();
