#pragma once

#include <cstddef>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quindle {

// Allocates large pixel blocks aligned to 2 MiB and asks the kernel to back
// them with huge pages: first touching a fresh grid page by page costs more
// than reading the file, and the column-major grid is walked across columns.
template <typename T>
class PixelBlockAllocator {
 public:
  using value_type = T;

  PixelBlockAllocator() = default;
  template <typename U>
  PixelBlockAllocator(const PixelBlockAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) {
    if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
    const std::size_t bytes = count * sizeof(T);
    if (bytes < kLargeBlock) {
      return static_cast<T*>(::operator new(bytes, std::align_val_t{alignof(T)}));
    }
    void* block = ::operator new(bytes, std::align_val_t{kHugePage});
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    ::madvise(block, bytes / kHugePage * kHugePage, MADV_HUGEPAGE);  // a hint; failure is harmless
#endif
    return static_cast<T*>(block);
  }

  void deallocate(T* block, std::size_t count) noexcept {
    const std::size_t bytes = count * sizeof(T);
    ::operator delete(block, std::align_val_t{bytes < kLargeBlock ? alignof(T) : kHugePage});
  }

  friend bool operator==(const PixelBlockAllocator&, const PixelBlockAllocator&) { return true; }

 private:
  static constexpr std::size_t kHugePage = std::size_t{2} << 20;
  static constexpr std::size_t kLargeBlock = std::size_t{4} << 20;
};

}  // namespace quindle
