#pragma once
// Room for the payer list's large arrays.
#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Asks the system to back the whole large pages within [p, p + bajt) with large pages: the first
// touch of each small page is what a load or a sort of a million rows would mostly wait for.
inline void nagyLapok(const void* p, size_t bajt) {
  constexpr uintptr_t kNagy = uintptr_t(2) << 20;
  const auto eleje = (reinterpret_cast<uintptr_t>(p) + kNagy - 1) & ~(kNagy - 1);
  const auto vege = (reinterpret_cast<uintptr_t>(p) + bajt) & ~(kNagy - 1);
  if (vege > eleje) ::madvise(reinterpret_cast<void*>(eleje), vege - eleje, MADV_HUGEPAGE);
}

// Reserves room for `n` elements, on large pages.
template <class T>
void foglal(std::vector<T>& v, size_t n) {
  if (v.capacity() >= n) return;
  v.reserve(n);
  nagyLapok(v.data(), n * sizeof(T));
}

// An array whose elements are left uninitialised, for buffers that are written whole before
// they are read (a vector would clear them first). Keeps its memory for a later use of the same
// size or less; only the pages written take memory.
template <class T>
class Tomb {
 public:
  T* meret(size_t n) {
    if (n > kap_) {
      p_.reset();
      p_ = std::make_unique_for_overwrite<T[]>(n);
      kap_ = n;
      nagyLapok(p_.get(), n * sizeof(T));
    }
    n_ = n;
    return p_.get();
  }
  T* data() const { return p_.get(); }
  size_t size() const { return n_; }
  T& operator[](size_t i) const { return p_[i]; }
  // Empty, keeping the memory.
  void torol() { n_ = 0; }
  void urit() {
    p_.reset();
    kap_ = n_ = 0;
  }

 private:
  std::unique_ptr<T[]> p_;
  size_t kap_ = 0, n_ = 0;
};
