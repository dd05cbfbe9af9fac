#include "heap_budget.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace vq::test {
namespace {

std::atomic<size_t> live{0};
std::atomic<size_t> peak{0};
std::atomic<size_t> budget{std::numeric_limits<size_t>::max()};

void* Allocate(size_t size, size_t alignment) {
  const size_t now = live.load();
  if (size > budget.load() || now > budget.load() - size) return nullptr;
  void* p = alignment > alignof(std::max_align_t)
                ? std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment)
                : std::malloc(size == 0 ? 1 : size);
  if (!p) return nullptr;
  const size_t after = live.fetch_add(malloc_usable_size(p)) + malloc_usable_size(p);
  size_t high = peak.load();
  while (after > high && !peak.compare_exchange_weak(high, after)) {
  }
  return p;
}

void Release(void* p) {
  if (!p) return;
  live.fetch_sub(malloc_usable_size(p));
  std::free(p);
}

void* AllocateOrThrow(size_t size, size_t alignment) {
  void* p = Allocate(size, alignment);
  if (!p) throw std::bad_alloc();
  return p;
}

}  // namespace

void SetHeapBudget(size_t bytes) {
  budget = bytes;
  peak = live.load();
}

void ClearHeapBudget() { budget = std::numeric_limits<size_t>::max(); }

size_t HeapPeak() { return peak.load(); }

}  // namespace vq::test

using vq::test::AllocateOrThrow;

void* operator new(size_t size) { return AllocateOrThrow(size, 0); }
void* operator new[](size_t size) { return AllocateOrThrow(size, 0); }
void* operator new(size_t size, std::align_val_t a) {
  return AllocateOrThrow(size, static_cast<size_t>(a));
}
void* operator new[](size_t size, std::align_val_t a) {
  return AllocateOrThrow(size, static_cast<size_t>(a));
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  try {
    return AllocateOrThrow(size, 0);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](size_t size, const std::nothrow_t& t) noexcept {
  return operator new(size, t);
}
void operator delete(void* p) noexcept { vq::test::Release(p); }
void operator delete[](void* p) noexcept { vq::test::Release(p); }
void operator delete(void* p, size_t) noexcept { vq::test::Release(p); }
void operator delete[](void* p, size_t) noexcept { vq::test::Release(p); }
void operator delete(void* p, std::align_val_t) noexcept { vq::test::Release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { vq::test::Release(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { vq::test::Release(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { vq::test::Release(p); }
