// An allocator for the few large pictures the program keeps (the window's framebuffer, the
// printed page's raster): a block of a megabyte or more is placed on 2 MB boundaries and
// offered to the system as huge pages, so that the first touch of a picture costs a handful
// of page faults instead of hundreds (on Linux; elsewhere, and for small blocks, it is plain
// operator new).
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kolvard {

template <class T>
struct LargeBlockAllocator {
  using value_type = T;

  LargeBlockAllocator() = default;
  template <class U>
  explicit LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

  static constexpr std::size_t kHugePage = std::size_t{2} << 20;
  static constexpr std::size_t kLarge = std::size_t{1} << 20;

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    const std::size_t bytes = n * sizeof(T);
#if defined(__linux__)
    if (bytes >= kLarge) {
      const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
      if (void* block = std::aligned_alloc(kHugePage, rounded)) {
        ::madvise(block, rounded, MADV_HUGEPAGE);  // a hint: refused, the pages stay small
        return static_cast<T*>(block);
      }
      throw std::bad_alloc();
    }
#endif
    return static_cast<T*>(::operator new(bytes));
  }

  void deallocate(T* block, [[maybe_unused]] std::size_t n) noexcept {
#if defined(__linux__)
    if (n * sizeof(T) >= kLarge) {
      std::free(block);
      return;
    }
#endif
    ::operator delete(block);
  }

  template <class U>
  bool operator==(const LargeBlockAllocator<U>&) const {
    return true;
  }
};

}  // namespace kolvard
