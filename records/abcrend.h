#pragma once
// The payer list's order of texts: Hungarian alphabetical order, blind to case, computed straight
// from the code-page-1250 bytes the list keeps, through one table (abcrend.cpp).
//
// A text is a row of elements. Each element has a weight, which orders letters and signs, and a
// mark, which orders the accented forms of one letter ("a", "á", "ä" share a weight). Texts
// compare by their weights first, then by their marks; case counts for nothing. The double
// letters ("cs", "dzs", "gy", ..., "zs") are one element, their doubled forms ("ccs", "ddzs",
// ...) two; so are they in all lower case, capitalised or all upper case ("Cs", "CS", not "cS").
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace abc {

// A text to order: its bytes and the number of blanks that follow them (up to 65,535).
struct Szoveg {
  std::string_view bajt;
  int szokoz = 0;
};

// Each text's rank: texts that compare equal share a rank, a later text has a higher one.
// `szoveg(i)` gives text i of `n`; the bytes must stay put until the function returns.
void rangsor(int n, const std::function<Szoveg(int)>& szoveg, std::vector<uint32_t>& rang);

}  // namespace abc
