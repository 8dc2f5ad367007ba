#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>

namespace quindle::tool {

// Counts finished files for a batch; draws a progress line on standard error
// when it is a terminal, and prints messages without tearing that line.
class Progress {
 public:
  Progress(std::size_t total, bool quiet);
  void FileDone(bool succeeded);
  void Message(const std::string& line);
  // Clears the progress line and prints "done N, failed N, T s" unless quiet.
  void Finish();
  std::size_t Failed() const { return failed_; }

 private:
  void DrawLocked(bool force);
  void ClearLocked();

  const std::size_t total_;
  const bool quiet_;
  const bool terminal_;
  const std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastDraw_;
  std::mutex mutex_;
  std::size_t done_ = 0;
  std::size_t failed_ = 0;
  bool drawn_ = false;
};

}  // namespace quindle::tool
