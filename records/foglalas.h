#pragma once
// Room for the payer list's large arrays.
#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// Reserves room for `n` elements and asks the system to back it with large pages: the first
// touch of each small page is what a load or a sort of a million rows would mostly wait for.
template <class T>
void foglal(std::vector<T>& v, size_t n) {
  if (v.capacity() >= n) return;
  v.reserve(n);
  constexpr uintptr_t kNagy = uintptr_t(2) << 20;
  const auto eleje = (reinterpret_cast<uintptr_t>(v.data()) + kNagy - 1) & ~(kNagy - 1);
  const auto vege = (reinterpret_cast<uintptr_t>(v.data()) + n * sizeof(T)) & ~(kNagy - 1);
  if (vege > eleje) ::madvise(reinterpret_cast<void*>(eleje), vege - eleje, MADV_HUGEPAGE);
}
