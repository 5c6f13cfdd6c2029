#pragma once
// The payer list's order of texts: Hungarian alphabetical order, blind to case, computed straight
// from the code-page-1250 bytes the list keeps, through one table (abcrend.cpp).
//
// A text is a row of elements. Each element has a weight, which orders letters and signs, and a
// mark, which orders the accented forms of one letter ("a", "á", "ä" share a weight). Texts
// compare by their weights first, then by their marks; case counts for nothing. The double
// letters ("cs", "dzs", "gy", ..., "zs") are one element, their doubled forms ("ccs", "ddzs",
// ...) two; so are they in all lower case, capitalised or all upper case ("Cs", "CS", not "cS").
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "payerstore/foglalas.h"

namespace abc {

// A text to order: its bytes and the number of blanks that follow them (up to 65,535).
struct Szoveg {
  std::string_view bajt;
  int szokoz = 0;
};

// Each text's rank: texts that compare equal share a rank, a later text has a higher one.
// `szoveg(i)` gives text i of `n`; the bytes must stay put until the function returns.
void rangsor(int n, const std::function<Szoveg(int)>& szoveg, std::vector<uint32_t>& rang);

// The same, keeping its working space for the next sort. A large set of texts is sorted on
// several threads, which have all finished when rangsor() returns: `szoveg` is then called from
// them at once, so it must only read.
class Rendezo {
 public:
  // Optional beside `szoveg`: makes ready what szoveg(i) will read, without waiting for it;
  // `lepes` 0: where the text lies, 1: the text itself (where it lies made ready before).
  using EloreFv = std::function<void(int i, int lepes)>;

  // `szalak`: threads at most (0: one per core the process may run on at the time of each
  // sort, which is one thread on one core); `parhuzamosTol`: the least number of texts
  // sorted on more than one thread.
  explicit Rendezo(int szalak = 0, int parhuzamosTol = 1 << 16);
  void rangsor(int n, const std::function<Szoveg(int)>& szoveg, std::vector<uint32_t>& rang);
  // The same into rang[0, n), which it writes whole.
  void rangsor(int n, const std::function<Szoveg(int)>& szoveg, uint32_t* rang, const EloreFv& elore = {});
  // Gives the working space back.
  void urit();

  // A text being sorted: its next sixteen weights, the first in the highest byte of k[0] (zero
  // bytes past its end), its number, and where its walk stands.
  struct Tetel {
    uint64_t k[2];
    uint32_t sor;
    uint32_t all;  // byte offset (past the bytes: blanks taken too) * 4 + elements of that unit taken
  };

 private:
  void rendezes(int n, const std::function<Szoveg(int)>& szoveg, uint32_t* rang, const EloreFv& elore);

  int szalak_;
  int parhuzamosTol_;
  Tomb<Tetel> t_;
  Tomb<uint8_t> uj_;
};

// The next eight weights of a text from where its walk stands (`all`, 0 at its start), the
// first in the highest byte, zero bytes past its end; moves the walk past them.
uint64_t nyolcSuly(const Szoveg& s, uint32_t& all);
// The marks of a text's elements, its trailing blanks' included.
std::string jelek(std::string_view s, int szokoz);

}  // namespace abc
