#include "Progress.h"

#include <unistd.h>

#include <cstdio>

namespace quindle::tool {

using Clock = std::chrono::steady_clock;

Progress::Progress(std::size_t total, bool quiet)
    : total_(total),
      quiet_(quiet),
      terminal_(!quiet && isatty(STDERR_FILENO) != 0),
      start_(Clock::now()),
      lastDraw_(start_) {}

void Progress::FileDone(bool succeeded) {
  const std::lock_guard lock(mutex_);
  ++done_;
  if (!succeeded) ++failed_;
  DrawLocked(done_ == total_);
}

void Progress::Message(const std::string& line) {
  const std::lock_guard lock(mutex_);
  ClearLocked();
  std::fprintf(stderr, "%s\n", line.c_str());
  DrawLocked(true);
}

void Progress::Finish() {
  const std::lock_guard lock(mutex_);
  ClearLocked();
  if (quiet_) return;
  const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
  std::fprintf(stderr, "done %zu, failed %zu, %.2f s\n", done_ - failed_, failed_, seconds);
}

void Progress::DrawLocked(bool force) {
  if (!terminal_) return;
  const auto now = Clock::now();
  if (!force && now - lastDraw_ < std::chrono::milliseconds(100)) return;
  lastDraw_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  const double rate = seconds > 0 ? static_cast<double>(done_) / seconds : 0.0;
  const auto left = rate > 0 ? static_cast<long>(static_cast<double>(total_ - done_) / rate) : 0L;
  constexpr std::size_t kBar = 24;
  const std::size_t filled = total_ == 0 ? kBar : kBar * done_ / total_;
  const std::string bar = std::string(filled, '#') + std::string(kBar - filled, '.');
  std::fprintf(stderr, "\r[%s] %zu/%zu files, %.1f files/s, %ld:%02ld left ", bar.c_str(), done_,
               total_, rate, left / 60, left % 60);
  std::fflush(stderr);
  drawn_ = true;
}

void Progress::ClearLocked() {
  if (!drawn_) return;
  std::fprintf(stderr, "\r\033[K");
  drawn_ = false;
}

}  // namespace quindle::tool
