#pragma once
// The chosen envelope size and the block positions of that size, copied from boritek.dat by
// the size options of the envelope page. Owned by the main window; the envelope printers
// place the sender and recipient blocks with it.
#include <cstdint>

struct BoritekHely {
  int16_t BoritekMeret = 0;    // 1 C6, 2 C5, 3 C5/6; 0 before a size is chosen
  int16_t BoritekFeladoX = 0;  // sender block from the left edge, mm
  int16_t BoritekFeladoY = 0;  // sender block from the top edge, mm
  int16_t BoritekCimzettY = 0;  // recipient block from the top edge, mm
  int16_t BoritekCimzettX = 0;  // recipient block from the left edge, mm
};
