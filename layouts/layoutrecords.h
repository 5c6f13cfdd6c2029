#pragma once
// The print-layout records of the form types, each record 1 of its own file. The payment
// slip's layout lives in SetRekord (common/setrekord.h). Positions are millimetres (Fixed),
// the international return receipt's as single floats, the envelope's as whole millimetres.
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include "common/fields.h"

inline const QString kSetTertiFile = QStringLiteral("SetTerti.dat");
inline const QString kSetIrat2File = QStringLiteral("SetIrat2.dat");
inline const QString kSetFvevenyFile = QStringLiteral("SetFveveny.dat");
inline const QString kSetRcsekkFile = QStringLiteral("SetRcsekk.dat");
inline const QString kSetUlapFile = QStringLiteral("SetUlap.dat");
inline const QString kBoritekFile = QStringLiteral("boritek.dat");

// Return receipt, domestic and international (SetTerti.dat).
struct SetTertiRekord {
  static constexpr int Length = 345;

  Fixed TertiCimzett_y, TertiCimzett_x;
  Fixed TertiUgyfazonosito_y, TertiUgyfazonosito_x;
  Fixed TertiUgyfSajatJel_y, TertiUgyfSajatJel_x;
  Fixed TertiKuldemAzonosito_y, TertiKuldemAzonosito_x;
  Fixed TertiVisszakuld_y, TertiVisszakuld_x;
  QString TertiBetuTipus;  // 25
  int16_t TertiBetuMeret = 0;
  QString TertiVisszakuldNev;   // 40
  QString TertiVisszakuldCim1;  // 40
  QString TertiVisszakuldCim2;  // 40
  QString TertiVisszakuldIrsz;  // 10
  Fixed TertiPipa_y, TertiPipaPri_x, TertiPipaSk_x, TertiPipaUv_x;
  Fixed TertiFelKelte_y;
  float KTertiKulVisszaSorem = 0;
  Fixed KTertiKulAzon_y, KTertiKulAzon_x;
  Fixed KTertiKulVissza_y, KTertiKulVissza_x;
  float KTertiKulPri_x = 0;
  float KTertiKulLevPriCsom_y = 0;
  float KTertiKulAjanlottEsSK_x = 0;
  float KTertiKulAjanlott_y = 0;
  float KTertiKulSK_y = 0;
  float KTertiCsomag_x = 0;
  float KTertiCimzett_y = 0;
  float KTertiCimzett_x = 0;

  template <class F>
  void fields(F& f) {
    f.fixed(TertiCimzett_y);
    f.fixed(TertiCimzett_x);
    f.fixed(TertiUgyfazonosito_y);
    f.fixed(TertiUgyfazonosito_x);
    f.fixed(TertiUgyfSajatJel_y);
    f.fixed(TertiUgyfSajatJel_x);
    f.fixed(TertiKuldemAzonosito_y);
    f.fixed(TertiKuldemAzonosito_x);
    f.fixed(TertiVisszakuld_y);
    f.fixed(TertiVisszakuld_x);
    f.text(TertiBetuTipus, 25);
    f.i16(TertiBetuMeret);
    f.text(TertiVisszakuldNev, 40);
    f.text(TertiVisszakuldCim1, 40);
    f.text(TertiVisszakuldCim2, 40);
    f.text(TertiVisszakuldIrsz, 10);
    f.fixed(TertiPipa_y);
    f.fixed(TertiPipaPri_x);
    f.fixed(TertiPipaSk_x);
    f.fixed(TertiPipaUv_x);
    f.fixed(TertiFelKelte_y);
    f.single(KTertiKulVisszaSorem);
    f.fixed(KTertiKulAzon_y);
    f.fixed(KTertiKulAzon_x);
    f.fixed(KTertiKulVissza_y);
    f.fixed(KTertiKulVissza_x);
    f.single(KTertiKulPri_x);
    f.single(KTertiKulLevPriCsom_y);
    f.single(KTertiKulAjanlottEsSK_x);
    f.single(KTertiKulAjanlott_y);
    f.single(KTertiKulSK_y);
    f.single(KTertiCsomag_x);
    f.single(KTertiCimzett_y);
    f.single(KTertiCimzett_x);
  }
};

// Return receipt for official documents (SetIrat2.dat).
struct SetIrat2Rekord {
  static constexpr int Length = 182;

  Fixed IratTertiCimzett_y, IratTertiCimzett_x;
  Fixed IratTertiFelado_y, IratTertiFelado_x;
  Fixed IratTertiIratszam_y, IratTertiIratszam_x;
  Fixed IratTertiIratfajta_y, IratTertiIratfajta_x;
  Fixed IratTertiIratmelleklet_y, IratTertiIratmelleklet_x;
  Fixed IratTertiIratotthagy_y, IratTertiIratotthagy_x;
  Fixed IratTertiIratposta_y, IratTertiIratposta_x;
  Fixed IratTertiIratkuldAzon_y, IratTertiIratkuldAzon_x;
  QString IratTertiBetuTipus;  // 25
  int16_t IratTertiBetuMeret = 0;
  QString VkodBetutipus;  // 25
  int16_t VkodMeret = 0;

  template <class F>
  void fields(F& f) {
    f.fixed(IratTertiCimzett_y);
    f.fixed(IratTertiCimzett_x);
    f.fixed(IratTertiFelado_y);
    f.fixed(IratTertiFelado_x);
    f.fixed(IratTertiIratszam_y);
    f.fixed(IratTertiIratszam_x);
    f.fixed(IratTertiIratfajta_y);
    f.fixed(IratTertiIratfajta_x);
    f.fixed(IratTertiIratmelleklet_y);
    f.fixed(IratTertiIratmelleklet_x);
    f.fixed(IratTertiIratotthagy_y);
    f.fixed(IratTertiIratotthagy_x);
    f.fixed(IratTertiIratposta_y);
    f.fixed(IratTertiIratposta_x);
    f.fixed(IratTertiIratkuldAzon_y);
    f.fixed(IratTertiIratkuldAzon_x);
    f.text(IratTertiBetuTipus, 25);
    f.i16(IratTertiBetuMeret);
    f.text(VkodBetutipus, 25);
    f.i16(VkodMeret);
  }
};

// Posting receipt (SetFveveny.dat). Most X positions are shown 20 mm smaller than stored.
struct SetFvevenyRekord {
  static constexpr int Length = 341;

  Fixed FeladovevenyFelado_y, FeladovevenyFelado_x;
  Fixed FeladovevenyErtek_y, FeladovevenyErtek_x;
  Fixed FeladovevenyCimzett_y, FeladovevenyCimzett_x;
  QString FeladovevenyBetuTipus;  // 25
  int16_t FeladovevenyBetuMeret = 0;
  QString FeladovevenyFeladoNev;   // 40
  QString FeladovevenyFeladoCim1;  // 40
  QString FeladovevenyFeladoCim2;  // 40
  Fixed FeladovevenyXAjanlott_y, FeladovevenyXAjanlott_x;
  Fixed FeladovevenyXTerti_x, FeladovevenyXErtek_x;
  Fixed FeladovevenyXCsomag_y;
  Fixed FeladovevenyXK1_y;
  Fixed FeladovevenyXK1_x, FeladovevenyXK2_x, FeladovevenyXK3_x;
  Fixed FeladovevenyXK4_x, FeladovevenyXK5_x, FeladovevenyXK6_x;
  Fixed FeladovevenyUtanvet_x, FeladovevenyUtanvet_y;
  Fixed FeladovevenyUtanvetszoveg1_x, FeladovevenyUtanvetszoveg1_y;
  Fixed FeladovevenyUtanvetszoveg2_x, FeladovevenyUtanvetszoveg2_y;
  int16_t FeladovevenyBetuMeret2 = 0;

  template <class F>
  void fields(F& f) {
    f.fixed(FeladovevenyFelado_y);
    f.fixed(FeladovevenyFelado_x);
    f.fixed(FeladovevenyErtek_y);
    f.fixed(FeladovevenyErtek_x);
    f.fixed(FeladovevenyCimzett_y);
    f.fixed(FeladovevenyCimzett_x);
    f.text(FeladovevenyBetuTipus, 25);
    f.i16(FeladovevenyBetuMeret);
    f.text(FeladovevenyFeladoNev, 40);
    f.text(FeladovevenyFeladoCim1, 40);
    f.text(FeladovevenyFeladoCim2, 40);
    f.fixed(FeladovevenyXAjanlott_y);
    f.fixed(FeladovevenyXAjanlott_x);
    f.fixed(FeladovevenyXTerti_x);
    f.fixed(FeladovevenyXErtek_x);
    f.fixed(FeladovevenyXCsomag_y);
    f.fixed(FeladovevenyXK1_y);
    f.fixed(FeladovevenyXK1_x);
    f.fixed(FeladovevenyXK2_x);
    f.fixed(FeladovevenyXK3_x);
    f.fixed(FeladovevenyXK4_x);
    f.fixed(FeladovevenyXK5_x);
    f.fixed(FeladovevenyXK6_x);
    f.fixed(FeladovevenyUtanvet_x);
    f.fixed(FeladovevenyUtanvet_y);
    f.fixed(FeladovevenyUtanvetszoveg1_x);
    f.fixed(FeladovevenyUtanvetszoveg1_y);
    f.fixed(FeladovevenyUtanvetszoveg2_x);
    f.fixed(FeladovevenyUtanvetszoveg2_y);
    f.i16(FeladovevenyBetuMeret2);
  }
};

// Pink money order (SetRcsekk.dat), with the fixed party and the cash-on-delivery payee.
struct SetRcsekkRekord {
  static constexpr int Length = 394;

  Fixed RcsekkTextosszeg_x1, RcsekkTextosszeg_x2;
  Fixed RcsekkTextosszeg_y1, RcsekkTextosszeg_y2;
  Fixed RcsekkTextCsSzoveg_x1, RcsekkTextCsSzoveg_x2;
  Fixed RcsekkTextCsSzoveg_y1, RcsekkTextCsSzoveg_y2;
  Fixed RcsekkTextFelado_y, RcsekkTextFelado_x;
  Fixed RcsekkTextcim_x1, RcsekkTextcim_x2, RcsekkTextcim_y;
  Fixed RcsekkTextirsz_y;
  Fixed RcsekkFeladoHatoldal_y, RcsekkFeladoHatoldal_x;
  Fixed RcsekkKozlemHatoldal_y, RcsekkKozlemHatoldal_x;
  QString RcsekkNumBetuTipus;     // 25
  QString RcsekkSzovegBetuTipus;  // 25
  int16_t RcsekkBetuMeret1 = 0;
  int16_t RcsekkBetuMeret2 = 0;
  QString RcsekkNev;      // 40
  QString RcsekkHelyseg;  // 40
  QString RcsekkCim;      // 40
  QString RcsekkIrszam;   // 4
  int16_t ULapCizett = 0;  // flag: payee given by address
  QString BankNum;   // 30
  QString BankNeve;  // 20
  QString BankIrsz;  // 4
  Fixed RcsekkTextcim2_y;
  Fixed RcsekkTextirsz2_y;

  template <class F>
  void fields(F& f) {
    f.fixed(RcsekkTextosszeg_x1);
    f.fixed(RcsekkTextosszeg_x2);
    f.fixed(RcsekkTextosszeg_y1);
    f.fixed(RcsekkTextosszeg_y2);
    f.fixed(RcsekkTextCsSzoveg_x1);
    f.fixed(RcsekkTextCsSzoveg_x2);
    f.fixed(RcsekkTextCsSzoveg_y1);
    f.fixed(RcsekkTextCsSzoveg_y2);
    f.fixed(RcsekkTextFelado_y);
    f.fixed(RcsekkTextFelado_x);
    f.fixed(RcsekkTextcim_x1);
    f.fixed(RcsekkTextcim_x2);
    f.fixed(RcsekkTextcim_y);
    f.fixed(RcsekkTextirsz_y);
    f.fixed(RcsekkFeladoHatoldal_y);
    f.fixed(RcsekkFeladoHatoldal_x);
    f.fixed(RcsekkKozlemHatoldal_y);
    f.fixed(RcsekkKozlemHatoldal_x);
    f.text(RcsekkNumBetuTipus, 25);
    f.text(RcsekkSzovegBetuTipus, 25);
    f.i16(RcsekkBetuMeret1);
    f.i16(RcsekkBetuMeret2);
    f.text(RcsekkNev, 40);
    f.text(RcsekkHelyseg, 40);
    f.text(RcsekkCim, 40);
    f.text(RcsekkIrszam, 4);
    f.flag(ULapCizett);
    f.text(BankNum, 30);
    f.text(BankNeve, 20);
    f.text(BankIrsz, 4);
    f.fixed(RcsekkTextcim2_y);
    f.fixed(RcsekkTextirsz2_y);
  }
};

// Cash-on-delivery form (SetUlap.dat): thirteen positions; fonts and payee come from
// SetRcsekkRekord and SetRekord.
struct SetUlapRekord {
  static constexpr int Length = 104;

  Fixed UlapTextosszeg_x, UlapTextosszeg_y1, UlapTextosszeg_y2;
  Fixed UlapTextFelado_x, UlapTextFelado_y;
  Fixed UlapTextCsSzoveg_x, UlapTextCsSzoveg_y;
  Fixed UlapCim_x, UlapCim_y;
  Fixed UlapKuldCim_x, UlapKuldCim_y;
  Fixed UlapRX_x, UlapRX_y;

  template <class F>
  void fields(F& f) {
    f.fixed(UlapTextosszeg_x);
    f.fixed(UlapTextosszeg_y1);
    f.fixed(UlapTextosszeg_y2);
    f.fixed(UlapTextFelado_x);
    f.fixed(UlapTextFelado_y);
    f.fixed(UlapTextCsSzoveg_x);
    f.fixed(UlapTextCsSzoveg_y);
    f.fixed(UlapCim_x);
    f.fixed(UlapCim_y);
    f.fixed(UlapKuldCim_x);
    f.fixed(UlapKuldCim_y);
    f.fixed(UlapRX_x);
    f.fixed(UlapRX_y);
  }
};

// Envelope (boritek.dat): per size sender X, sender Y, recipient Y, recipient X in whole
// millimetres; the sender; the font and sizes; the main window's bold switches.
struct BoritekRekord {
  static constexpr int Length = 195;

  int16_t C6Felado_x = 0, C6Felado_y = 0, C6Cimzett_y = 0, C6Cimzett_x = 0;
  int16_t C5Felado_x = 0, C5Felado_y = 0, C5Cimzett_y = 0, C5Cimzett_x = 0;
  int16_t C56Felado_x = 0, C56Felado_y = 0, C56Cimzett_y = 0, C56Cimzett_x = 0;
  QString BoritekFeladoNev;    // 40
  QString BoritekFeladoCim1;   // 40
  QString BoritekFeladoCim2;   // 40
  QString BoritekFeladoIrSzam;  // 4
  std::array<int16_t, 4> FKF{};  // flags
  std::array<int16_t, 5> FKC{};  // flags
  QString BoritekNevBetutipus;  // 25
  int16_t BoritekNevBetumeret = 0;
  int16_t BoritekFeladoBetumeret = 0;

  // The four numbers of size 0 (C6), 1 (C5) or 2 (C5/6) in stored order.
  std::array<int16_t*, 4> group(int size) {
    switch (size) {
      case 1: return {&C5Felado_x, &C5Felado_y, &C5Cimzett_y, &C5Cimzett_x};
      case 2: return {&C56Felado_x, &C56Felado_y, &C56Cimzett_y, &C56Cimzett_x};
      default: return {&C6Felado_x, &C6Felado_y, &C6Cimzett_y, &C6Cimzett_x};
    }
  }

  template <class F>
  void fields(F& f) {
    f.i16(C6Felado_x);
    f.i16(C6Felado_y);
    f.i16(C6Cimzett_y);
    f.i16(C6Cimzett_x);
    f.i16(C5Felado_x);
    f.i16(C5Felado_y);
    f.i16(C5Cimzett_y);
    f.i16(C5Cimzett_x);
    f.i16(C56Felado_x);
    f.i16(C56Felado_y);
    f.i16(C56Cimzett_y);
    f.i16(C56Cimzett_x);
    f.text(BoritekFeladoNev, 40);
    f.text(BoritekFeladoCim1, 40);
    f.text(BoritekFeladoCim2, 40);
    f.text(BoritekFeladoIrSzam, 4);
    for (auto& b : FKF) f.flag(b);
    for (auto& b : FKC) f.flag(b);
    f.text(BoritekNevBetutipus, 25);
    f.i16(BoritekNevBetumeret);
    f.i16(BoritekFeladoBetumeret);
  }
};

// The program-wide in-memory copies of the layout records (the payment slip's layout is in
// the shared SetRekord). The settings dialog re-reads them when it opens; the form printers
// use them.
struct LayoutRecords {
  SetTertiRekord Terti;
  SetIrat2Rekord Irat2;
  SetFvevenyRekord Fveveny;
  SetRcsekkRekord Rcsekk;
  SetUlapRekord Ulap;
  BoritekRekord Boritek;
};

// Reads record 1 of each layout file into `r` (missing or short files read as zeros). A file
// that cannot be read leaves its copy as it was; the result says which and why, one line each.
[[nodiscard]] QStringList loadLayouts(const QString& folder, LayoutRecords& r);
