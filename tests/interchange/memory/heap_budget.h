#pragma once
// A budget for the heap of this test binary: every operator new counts the
// bytes it hands out, and one that would pass the budget throws
// std::bad_alloc, as a process under a memory limit sees it.

#include <cstddef>

namespace vq::test {

/// Sets the budget (live bytes at most) and starts a new peak.
void SetHeapBudget(size_t bytes);
/// No budget any more.
void ClearHeapBudget();
/// The most live bytes since the budget was set.
size_t HeapPeak();

}  // namespace vq::test
