// Many threads calling the module at once on different files write exactly
// what sequential calls write.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/Module.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

namespace fs = std::filesystem;

TEST(Concurrency, ParallelCallsMatchSequentialCalls) {
  const fs::path suite = testing::DataDir() / "bmpsuite" / "g";
  const fs::path samples[] = {suite / "pal1.bmp",   suite / "pal4.bmp",      suite / "pal8.bmp",
                              suite / "rgb16.bmp",  suite / "rgb16-565.bmp", suite / "rgb24.bmp",
                              suite / "rgb32.bmp",  testing::SourceDir() / "examples" / "testcard-8.bmp"};
  constexpr int kThreads = 8;
  constexpr int kRounds = 3;
  testing::TempDir dir;

  const auto inputOf = [&](int job) { return dir / ("in-" + std::to_string(job) + ".bmp"); };
  const auto outputOf = [&](int job, const char* kind) {
    return dir / (std::string(kind) + "-" + std::to_string(job) + ".bmp");
  };
  const auto percentOf = [](int job) { return 40 + 25 * job; };

  for (int job = 0; job < kThreads * kRounds; ++job) {
    fs::copy_file(samples[job % kThreads], inputOf(job));
    ASSERT_EQ(testing::CallModule(inputOf(job), outputOf(job, "sequential"), percentOf(job), 100,
                                  200 - percentOf(job) / 2),
              999);
  }

  std::vector<std::thread> threads;
  std::vector<int> results(kThreads * kRounds, 0);
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < kRounds; ++round) {
        const int job = round * kThreads + t;
        results[static_cast<std::size_t>(job)] = testing::CallModule(
            inputOf(job), outputOf(job, "parallel"), percentOf(job), 100, 200 - percentOf(job) / 2);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();

  for (int job = 0; job < kThreads * kRounds; ++job) {
    EXPECT_EQ(results[static_cast<std::size_t>(job)], 999) << job;
    EXPECT_EQ(testing::ReadBytes(outputOf(job, "parallel")),
              testing::ReadBytes(outputOf(job, "sequential")))
        << job;
  }
}

}  // namespace
}  // namespace quindle
