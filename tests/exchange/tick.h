#pragma once
// The automatic-import tick over a temporary program folder and watched folder, with the
// window's part recorded (list refreshes, slip prints, the timer) and scripted message boxes.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/setrekord.h"
#include "exchange/adatmenu.h"
#include "support/tempfolder.h"

// The tick with the window's part recorded.
class Tick : public ::testing::Test {
 protected:
  Tick() {
    p.folder = prog.path();
    p.messages = &uzenetek;
    a.frissites = [this] { ++frissitve; };
    a.csekkNyomtatas = [this] { ++nyomtatva; };
    a.idozito = [this](bool be) { idozito = be; };
  }
  void beallit(int aut, bool felulir, int print, const QString& mappa) {
    saveSetFields(prog.path(), set, [&](SetRekord& s) {
      s.AutBeolvas = int16_t(aut);
      s.AutBeolvasFelulir = flagOf(felulir);
      s.AutoPrint = int16_t(print);
      s.AutBeolvasMappa = mappa;
    });
  }
  // Two ticks: the first sees the file, the second takes it.
  void ketTick() {
    Timer1_Timer(p, set, elozo, a);
    Timer1_Timer(p, set, elozo, a);
  }
  TempFolder prog, figyelt;
  RecordedMessageBoxes uzenetek;
  Platform p;
  AdatcsereAblak a;
  SetRekord set;
  FigyeltFajl elozo;
  int frissitve = 0, nyomtatva = 0;
  bool idozito = true;
};

