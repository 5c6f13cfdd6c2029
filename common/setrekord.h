#pragma once
// The general settings record: record 1 of Set.dat, 548 bytes. Printer choice, last page,
// option states of the main window, the payment slip's layout, automatic-import settings and a
// few texts of the receipt pages. Every writer saves read-modify-write (saveSetFields).
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

#include "common/fields.h"
#include "common/recordfile.h"

inline const QString kSetFile = QStringLiteral("Set.dat");

struct SetRekord {
  static constexpr int Length = 548;

  int16_t Tartalek = 0;
  int16_t NyomtatoIndex = 0;
  Fixed Osszeg_x1, Osszeg_x2, Osszeg_y;
  Fixed Kozlemeny_x, Kozlemeny_y;
  Fixed CsSzoveg_x1, CsSzoveg_x2, CsSzoveg_y1, CsSzoveg_y2;
  Fixed Jogcim_y, Jogcim_x;
  Fixed Cim_x1, Cim_x2, Cim_y;
  Fixed Irsz_y;
  QString BetuTipus1;  // 25
  QString BetuTipus2;  // 25
  int16_t BetuMeret1 = 0;
  int16_t BetuMeret2 = 0;
  int16_t OrientacioFekvo = 0;
  std::array<int16_t, 8> Nyomtatando{};  // flags
  int16_t KilepeskorMentes = 0;          // flag
  Fixed BefizAzon_x, BefizAzon_y;
  int16_t KepPrint = 0;
  QString TertiPosta;  // 25
  int16_t AllandoCimzett = 0;     // flag
  int16_t AllandoFelado = 0;      // flag
  int16_t BefAzonMasolasa = 0;    // flag
  int16_t AutBeolvas = 0;
  int16_t AutBeolvasFelulir = 0;  // flag
  QString AutBeolvasMappa;        // 255
  int16_t AutoPrint = 0;
  QString FizHat;                 // 15
  int16_t FizHatBeolvas = 0;      // flag
  int16_t AlapNyomtato = 0;       // flag
  int16_t Vkorrekcio = 0;
  int16_t VisszaCimPrint0 = 0;
  int16_t VisszaCimPrint1 = 0;
  int16_t VisszaCimPrint2 = 0;
  QString IratErtesites;          // 5
  int16_t ListaSorren = 0;
  int16_t PrintDel = 0;
  int16_t BoritekMeret = 0;
  int16_t AktivLap = 0;

  template <class F>
  void fields(F& f) {
    f.i16(Tartalek);
    f.i16(NyomtatoIndex);
    f.fixed(Osszeg_x1);
    f.fixed(Osszeg_x2);
    f.fixed(Osszeg_y);
    f.fixed(Kozlemeny_x);
    f.fixed(Kozlemeny_y);
    f.fixed(CsSzoveg_x1);
    f.fixed(CsSzoveg_x2);
    f.fixed(CsSzoveg_y1);
    f.fixed(CsSzoveg_y2);
    f.fixed(Jogcim_y);
    f.fixed(Jogcim_x);
    f.fixed(Cim_x1);
    f.fixed(Cim_x2);
    f.fixed(Cim_y);
    f.fixed(Irsz_y);
    f.text(BetuTipus1, 25);
    f.text(BetuTipus2, 25);
    f.i16(BetuMeret1);
    f.i16(BetuMeret2);
    f.i16(OrientacioFekvo);
    for (auto& n : Nyomtatando) f.flag(n);
    f.flag(KilepeskorMentes);
    f.fixed(BefizAzon_x);
    f.fixed(BefizAzon_y);
    f.i16(KepPrint);
    f.text(TertiPosta, 25);
    f.flag(AllandoCimzett);
    f.flag(AllandoFelado);
    f.flag(BefAzonMasolasa);
    f.i16(AutBeolvas);
    f.flag(AutBeolvasFelulir);
    f.text(AutBeolvasMappa, 255);
    f.i16(AutoPrint);
    f.text(FizHat, 15);
    f.flag(FizHatBeolvas);
    f.flag(AlapNyomtato);
    f.i16(Vkorrekcio);
    f.i16(VisszaCimPrint0);
    f.i16(VisszaCimPrint1);
    f.i16(VisszaCimPrint2);
    f.text(IratErtesites, 5);
    f.i16(ListaSorren);
    f.i16(PrintDel);
    f.i16(BoritekMeret);
    f.i16(AktivLap);
  }
};

// Loads record 1 of Set.dat into `set` (a missing or short file reads as zeros). A file that
// cannot be read leaves `set` as it was and gives false (`hiba`, if given, says why).
[[nodiscard]] bool loadSet(const QString& folder, SetRekord& set, QString* hiba = nullptr);
// True when Set.dat can be written (a missing one is created empty).
bool setIrhato(const QString& folder);
// Read-modify-write: reads record 1 into `set`, lets `change` set the caller's own fields, and
// writes record 1 back and flushes it to the disk. Every other field keeps the bytes it had on
// disk. The result says what the file holds afterwards (false unless the record reached the disk).
MentesEredmeny saveSetFields(const QString& folder, SetRekord& set, const std::function<void(SetRekord&)>& change);
