// How much memory a load may take, measured in a child process so that the
// figures belong to that load alone.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "bmp/BmpReader.h"
#include "support/BmpBytes.h"
#include "support/TestFiles.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QUINDLE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define QUINDLE_SANITIZED 1
#endif
#endif

namespace quindle {
namespace {

using testing::BmpFields;
using testing::ByteWriter;

// Runs `job` in a child; returns its exit status.
template <typename Job>
int InChild(Job job) {
  const pid_t child = fork();
  if (child == 0) {
    _exit(job());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(LoadMemory, OneLongRowPeaksNearTheGrid) {
#ifdef QUINDLE_SANITIZED
  GTEST_SKIP() << "sanitizer shadow memory makes resident sizes meaningless";
#else
  // 2^24 pixels in one row: a 64 MiB grid. Half of the row is present, so it
  // is read and then found cut short.
  testing::TempDir dir;
  const auto path = dir / "wide.bmp";
  BmpFields fields;
  fields.biWidth = 1 << 24;
  fields.biBitCount = 32;
  testing::WriteBytes(path, ByteWriter().Headers(fields).Repeat(7, std::size_t{1} << 25).Take());

  const int status = InChild([&] {
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    BitmapImage image;
    if (LoadWithStatus(image, path.c_str()) != LoadStatus::Loaded) return 1;
    if (image.ReadPixel(0, 0) != kWhite) return 2;  // the cut row stays white
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const long grid = 4L << 24;
    const long peak = (after.ru_maxrss - before.ru_maxrss) * 1024;
    return peak < grid + grid / 2 + (16L << 20) ? 0 : 3;
  });
  EXPECT_EQ(status, 0);
#endif
}

// Files of a few dozen bytes that declare huge grids, offsets or odd masks:
// each is refused, or loaded within a few megabytes beyond its pixel grid.
TEST(LoadMemory, HostileHeadersAreHeldToTheirGrid) {
#ifdef QUINDLE_SANITIZED
  GTEST_SKIP() << "sanitizer shadow memory makes resident sizes meaningless";
#else
  struct Case {
    const char* name;
    BmpFields fields;
    std::vector<std::uint8_t> tail;
    bool loads;
  };
  const auto fieldsOf = [](std::int32_t width, std::int32_t height, std::uint16_t depth,
                           std::uint32_t compression = 0, std::uint32_t offBits = 54) {
    BmpFields fields;
    fields.biWidth = width;
    fields.biHeight = height;
    fields.biBitCount = depth;
    fields.biCompression = compression;
    fields.bfOffBits = offBits;
    return fields;
  };
  const Case cases[] = {
      {"all of int32", fieldsOf(2147483647, 2147483647, 32), {}, false},
      {"just past the limit", fieldsOf(1 << 14, (1 << 14) + 1, 24), {}, false},
      {"the whole limit", fieldsOf(1 << 14, 1 << 14, 24), {}, true},
      {"one row of 2^28 pixels", fieldsOf(1 << 28, 1, 32), {1, 2, 3, 4}, true},
      {"one-bit row of 2^28 pixels", fieldsOf(1 << 28, 1, 1), {0xFF}, true},
      {"largest offset", fieldsOf(4, 4, 8, 0, 0x7FFFFFFF), {1, 2, 3}, true},
      {"negative offset", fieldsOf(4, 4, 8, 0, 0x80000000u), {1, 2, 3}, true},
      {"any masks", fieldsOf(4096, 4096, 16, 3, 0x7FFFFFFF),
       {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x01, 0x80, 0, 0, 0x34, 0x12}, true},
  };
  testing::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = dir / "hostile.bmp";
    ByteWriter writer;
    writer.Headers(c.fields);
    for (const std::uint8_t byte : c.tail) writer.U8(byte);
    ASSERT_LT(writer.View().size(), 80u);
    testing::WriteBytes(path, writer.Take());
    const long grid = c.loads ? 4L * c.fields.biWidth * c.fields.biHeight : 0;

    const int status = InChild([&] {
      rusage before{};
      getrusage(RUSAGE_SELF, &before);
      BitmapImage image;
      if ((LoadWithStatus(image, path.c_str()) == LoadStatus::Loaded) != c.loads) return 1;
      rusage after{};
      getrusage(RUSAGE_SELF, &after);
      const long peak = (after.ru_maxrss - before.ru_maxrss) * 1024;
      return peak <= grid + (8L << 20) ? 0 : 2;
    });
    EXPECT_EQ(status, 0) << (status == 1 ? "wrong outcome" : "too much memory");
  }
#endif
}

TEST(LoadMemory, ExhaustionIsARefusalNotACrash) {
#ifdef QUINDLE_SANITIZED
  GTEST_SKIP() << "sanitizers reserve more address space than the limit allows";
#else
  BmpFields fields;
  fields.biWidth = 1 << 14;
  fields.biHeight = 1 << 14;  // a 1 GiB grid, within the pixel limit
  const auto bytes = ByteWriter().Headers(fields).Take();
  const int status = InChild([&] {
    const rlimit limit{256L << 20, 256L << 20};
    setrlimit(RLIMIT_AS, &limit);
    BitmapImage image;
    const LoadStatus result = testing::LoadBytes(image, bytes);
    return result == LoadStatus::OutOfMemory && image.Width() == 1 ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
#endif
}

}  // namespace
}  // namespace quindle
