#pragma once
// Room for the payer list's large arrays.
#include <cstddef>
#include <memory>
#include <vector>

// Reserves room for `n` elements: only the pages written take memory.
template <class T>
void foglal(std::vector<T>& v, size_t n) {
  if (v.capacity() < n) v.reserve(n);
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
