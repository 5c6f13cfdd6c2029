#pragma once
// Work of one call spread over the machine's cores: the threads are started by the call and have
// all finished when it returns, so the program stays one thread of control for everything else.
#include <algorithm>
#include <cstddef>
#include <latch>
#include <exception>
#include <sched.h>
#include <thread>
#include <vector>

// The cores this process may run on: the CPUs of its mask (taskset, a container's cpuset),
// which std::thread::hardware_concurrency() does not heed; that where the mask cannot be read.
inline int magSzam() {
  cpu_set_t m;
  CPU_ZERO(&m);
  if (sched_getaffinity(0, sizeof m, &m) == 0) return std::max(CPU_COUNT(&m), 1);
  return int(std::max(std::thread::hardware_concurrency(), 1u));
}

// Threads for `munka` units of work, one per `egyseg` units (at least one), at most one a core
// of the process's mask, and at most 16.
inline int szalSzam(size_t munka, size_t egyseg) {
  const size_t magok = size_t(std::clamp(magSzam(), 1, 16));
  return int(std::clamp<size_t>(munka / std::max<size_t>(egyseg, 1), 1, magok));
}

// Runs f(0) .. f(n - 1), each on a thread of its own, f(0) on the calling one; a part whose
// thread cannot be started runs on the calling one too. Returns when all have returned.
template <class F>
void reszenkent(int n, F&& f) {
  // An exception in a part (memory exhausted) ends the program at once, on whichever thread,
  // rather than leaving the others to be waited for.
  auto resz = [&f](int i) noexcept { f(i); };
  std::vector<std::jthread> szalak;
  int i = 1;
  try {
    szalak.reserve(size_t(std::max(n - 1, 0)));
    for (; i < n; ++i) szalak.emplace_back([&resz, i] { resz(i); });
  } catch (const std::exception&) {
  }
  resz(0);
  for (; i < n; ++i) resz(i);
}

// Runs f(0) .. f(n - 1) all at once, for parts that wait for each other; f(0) on the calling
// thread. False, and nothing run, when the threads cannot be started.
template <class F>
bool egyszerre(int n, F&& f) {
  // Parts that wait for each other: an exception in one (memory exhausted) ends the program at
  // once instead of leaving the others waiting for it for ever.
  auto resz = [&f](int i) noexcept { f(i); };
  std::latch indul(1);
  bool mehet = false;
  std::vector<std::jthread> szalak;
  try {
    szalak.reserve(size_t(std::max(n - 1, 0)));
    for (int i = 1; i < n; ++i)
      szalak.emplace_back([&, i] {
        indul.wait();
        if (mehet) resz(i);
      });
    mehet = true;
  } catch (const std::exception&) {
  }
  indul.count_down();
  if (mehet) resz(0);
  return mehet;
}
