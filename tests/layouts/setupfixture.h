#pragma once
// A settings dialog on a temporary program folder, with scripted message boxes, and sample
// records as a user's files would hold them (fractions, negative numbers, accented texts).
#include <gtest/gtest.h>

#include <memory>

#include "common/cp1250.h"
#include "common/messages.h"
#include "common/recordfile.h"
#include "layouts/frmsetup.h"
#include "support/tempfolder.h"
#include "tests/layouts/layoutbytes.h"

inline Fixed mm(double v) { return Fixed::fromDouble(v); }

inline SetRekord sampleSet() {
  SetRekord r;
  r.NyomtatoIndex = 2;
  r.Osszeg_x1 = mm(12.5);
  r.Osszeg_x2 = mm(80);
  r.Osszeg_y = mm(6.25);
  r.Kozlemeny_x = mm(150);
  r.Kozlemeny_y = mm(5);
  r.CsSzoveg_x1 = mm(2);
  r.CsSzoveg_x2 = mm(68.0001);
  r.CsSzoveg_y1 = mm(15);
  r.CsSzoveg_y2 = mm(22);
  r.Jogcim_y = mm(33);
  r.Jogcim_x = mm(25);
  r.Cim_x1 = mm(-1.5);
  r.Cim_x2 = mm(140);
  r.Cim_y = mm(50);
  r.Irsz_y = mm(68);
  r.BetuTipus1 = "Arial CE";
  r.BetuTipus2 = "Times New Roman CE";
  r.BetuMeret1 = 11;
  r.BetuMeret2 = 9;
  r.OrientacioFekvo = 1;
  r.Nyomtatando = {-1, 0, -1, -1, 0, -1, -1, -1};
  r.KilepeskorMentes = -1;
  r.BefizAzon_x = mm(80.25);
  r.BefizAzon_y = mm(40);
  r.KepPrint = 1;
  r.TertiPosta = "Budapest 62";
  r.AllandoCimzett = -1;
  r.AutBeolvas = 1;
  r.AutBeolvasMappa = "C:\\Import";
  r.FizHat = "Fiz.Hat:";
  r.FizHatBeolvas = -1;
  r.AlapNyomtato = -1;
  r.Vkorrekcio = -3;
  r.IratErtesites = "12345";
  r.PrintDel = 1;
  r.BoritekMeret = 2;
  r.AktivLap = 5;
  return r;
}

inline SetTertiRekord sampleTerti() {
  SetTertiRekord r;
  r.TertiCimzett_y = mm(22);
  r.TertiCimzett_x = mm(68.5);
  r.TertiUgyfazonosito_y = mm(11);
  r.TertiUgyfazonosito_x = mm(120);
  r.TertiUgyfSajatJel_y = mm(36);
  r.TertiUgyfSajatJel_x = mm(12.5);
  r.TertiKuldemAzonosito_y = mm(5);
  r.TertiKuldemAzonosito_x = mm(40);
  r.TertiVisszakuld_y = mm(59);
  r.TertiVisszakuld_x = mm(80);
  r.TertiBetuTipus = "Times New Roman CE";
  r.TertiBetuMeret = 10;
  r.TertiVisszakuldNev = "Kovács Árpád Bt.";
  r.TertiVisszakuldCim1 = "Fő utca 1.";
  r.TertiVisszakuldCim2 = "Győr";
  r.TertiVisszakuldIrsz = "9021";
  r.TertiPipa_y = mm(15);
  r.TertiPipaPri_x = mm(130);
  r.TertiPipaSk_x = mm(139);
  r.TertiPipaUv_x = mm(148.75);
  r.TertiFelKelte_y = mm(35);
  r.KTertiKulVisszaSorem = 7.5f;
  r.KTertiKulAzon_y = mm(16);
  r.KTertiKulAzon_x = mm(15);
  r.KTertiKulVissza_y = mm(53);
  r.KTertiKulVissza_x = mm(85);
  r.KTertiKulPri_x = 43.1f;
  r.KTertiKulLevPriCsom_y = 46;
  r.KTertiKulAjanlottEsSK_x = 17;
  r.KTertiKulAjanlott_y = 52;
  r.KTertiKulSK_y = 58.3f;
  r.KTertiCsomag_x = 63;
  r.KTertiCimzett_y = 25;
  r.KTertiCimzett_x = -2.5f;
  return r;
}

inline SetFvevenyRekord sampleFveveny() {
  SetFvevenyRekord r;
  r.FeladovevenyFelado_y = mm(26);
  r.FeladovevenyFelado_x = mm(55.5);
  r.FeladovevenyErtek_y = mm(40);
  r.FeladovevenyErtek_x = mm(140);
  r.FeladovevenyCimzett_y = mm(53);
  r.FeladovevenyCimzett_x = mm(55);
  r.FeladovevenyBetuTipus = "Arial CE";
  r.FeladovevenyBetuMeret = 10;
  r.FeladovevenyFeladoNev = "Hivatal";
  r.FeladovevenyFeladoCim1 = "Kossuth tér 2.";
  r.FeladovevenyFeladoCim2 = "Pécs";
  r.FeladovevenyXAjanlott_y = mm(41.5);
  r.FeladovevenyXAjanlott_x = mm(56);
  r.FeladovevenyXTerti_x = mm(91);
  r.FeladovevenyXErtek_x = mm(129);
  r.FeladovevenyXCsomag_y = mm(46);
  r.FeladovevenyXK1_y = mm(29);
  r.FeladovevenyXK1_x = mm(138);
  r.FeladovevenyXK2_x = mm(144);
  r.FeladovevenyXK3_x = mm(150);
  r.FeladovevenyXK4_x = mm(156);
  r.FeladovevenyXK5_x = mm(162);
  r.FeladovevenyXK6_x = mm(168);
  r.FeladovevenyUtanvet_x = mm(140);
  r.FeladovevenyUtanvet_y = mm(57);
  r.FeladovevenyUtanvetszoveg1_x = mm(154.2);
  r.FeladovevenyUtanvetszoveg1_y = mm(50);
  r.FeladovevenyUtanvetszoveg2_x = mm(137);
  r.FeladovevenyUtanvetszoveg2_y = mm(53);
  r.FeladovevenyBetuMeret2 = 8;
  return r;
}

inline SetIrat2Rekord sampleIrat2() {
  SetIrat2Rekord r;
  Fixed SetIrat2Rekord::*const all[16] = {
      &SetIrat2Rekord::IratTertiCimzett_y,       &SetIrat2Rekord::IratTertiCimzett_x,
      &SetIrat2Rekord::IratTertiFelado_y,        &SetIrat2Rekord::IratTertiFelado_x,
      &SetIrat2Rekord::IratTertiIratszam_y,      &SetIrat2Rekord::IratTertiIratszam_x,
      &SetIrat2Rekord::IratTertiIratfajta_y,     &SetIrat2Rekord::IratTertiIratfajta_x,
      &SetIrat2Rekord::IratTertiIratmelleklet_y, &SetIrat2Rekord::IratTertiIratmelleklet_x,
      &SetIrat2Rekord::IratTertiIratotthagy_y,   &SetIrat2Rekord::IratTertiIratotthagy_x,
      &SetIrat2Rekord::IratTertiIratposta_y,     &SetIrat2Rekord::IratTertiIratposta_x,
      &SetIrat2Rekord::IratTertiIratkuldAzon_y,  &SetIrat2Rekord::IratTertiIratkuldAzon_x};
  for (int i = 0; i < 16; ++i) r.*all[i] = mm(3 + i * 7.25);
  r.IratTertiBetuTipus = "Times New Roman CE";
  r.IratTertiBetuMeret = 9;
  r.VkodBetutipus = "Code 39";
  r.VkodMeret = 14;
  return r;
}

inline SetRcsekkRekord sampleRcsekk() {
  SetRcsekkRekord r;
  Fixed SetRcsekkRekord::*const all[20] = {
      &SetRcsekkRekord::RcsekkTextosszeg_x1,   &SetRcsekkRekord::RcsekkTextosszeg_x2,
      &SetRcsekkRekord::RcsekkTextosszeg_y1,   &SetRcsekkRekord::RcsekkTextosszeg_y2,
      &SetRcsekkRekord::RcsekkTextCsSzoveg_x1, &SetRcsekkRekord::RcsekkTextCsSzoveg_x2,
      &SetRcsekkRekord::RcsekkTextCsSzoveg_y1, &SetRcsekkRekord::RcsekkTextCsSzoveg_y2,
      &SetRcsekkRekord::RcsekkTextFelado_y,    &SetRcsekkRekord::RcsekkTextFelado_x,
      &SetRcsekkRekord::RcsekkTextcim_x1,      &SetRcsekkRekord::RcsekkTextcim_x2,
      &SetRcsekkRekord::RcsekkTextcim_y,       &SetRcsekkRekord::RcsekkTextirsz_y,
      &SetRcsekkRekord::RcsekkFeladoHatoldal_y, &SetRcsekkRekord::RcsekkFeladoHatoldal_x,
      &SetRcsekkRekord::RcsekkKozlemHatoldal_y, &SetRcsekkRekord::RcsekkKozlemHatoldal_x,
      &SetRcsekkRekord::RcsekkTextcim2_y,      &SetRcsekkRekord::RcsekkTextirsz2_y};
  for (int i = 0; i < 20; ++i) r.*all[i] = mm(1.5 + i * 4);
  r.RcsekkNumBetuTipus = "Arial CE";
  r.RcsekkSzovegBetuTipus = "Times New Roman CE";
  r.RcsekkBetuMeret1 = 12;
  r.RcsekkBetuMeret2 = 10;
  r.RcsekkNev = "Önkormányzat";
  r.RcsekkHelyseg = "Szeged";
  r.RcsekkCim = "Széchenyi tér 10.";
  r.RcsekkIrszam = "6720";
  r.ULapCizett = -1;
  r.BankNum = "11735005-20000000";
  r.BankNeve = "Takarék";
  r.BankIrsz = "6720";
  return r;
}

inline SetUlapRekord sampleUlap() {
  SetUlapRekord r;
  r.UlapTextosszeg_x = mm(10);
  r.UlapTextosszeg_y1 = mm(8.5);
  r.UlapTextosszeg_y2 = mm(38);
  r.UlapTextFelado_x = mm(5);
  r.UlapTextFelado_y = mm(18);
  r.UlapTextCsSzoveg_x = mm(10);
  r.UlapTextCsSzoveg_y = mm(49.75);
  r.UlapCim_x = mm(80);
  r.UlapCim_y = mm(64);
  r.UlapKuldCim_x = mm(80);
  r.UlapKuldCim_y = mm(65);
  r.UlapRX_x = mm(57);
  r.UlapRX_y = mm(2);
  return r;
}

inline BoritekRekord sampleBoritek() {
  BoritekRekord r;
  r.C6Felado_x = 10, r.C6Felado_y = 8, r.C6Cimzett_y = 60, r.C6Cimzett_x = 80;
  r.C5Felado_x = 12, r.C5Felado_y = 9, r.C5Cimzett_y = 90, r.C5Cimzett_x = 120;
  r.C56Felado_x = 14, r.C56Felado_y = 10, r.C56Cimzett_y = 55, r.C56Cimzett_x = 130;
  r.BoritekFeladoNev = "Kovács Árpád";
  r.BoritekFeladoCim1 = "Fő utca 1.";
  r.BoritekFeladoCim2 = "Győr";
  r.BoritekFeladoIrSzam = "9021";
  r.FKF = {-1, 0, 0, -1};
  r.FKC = {0, -1, 0, 0, -1};
  r.BoritekNevBetutipus = "Arial";
  r.BoritekNevBetumeret = 12;
  r.BoritekFeladoBetumeret = 9;
  return r;
}

class SetupTest : public ::testing::Test {
 protected:
  SetupTest() {
    platform.folder = dir.path();
    platform.messages = &msgs;
  }
  std::unique_ptr<frmSetup> open(int tab = 0) { return std::make_unique<frmSetup>(platform, set, layouts, tab); }
  template <class R>
  void put(const QString& name, const R& r) {
    dir.put(name, encodeRecord(r));
  }
  void putAll() {
    put(kSetFile, sampleSet());
    put(kSetTertiFile, sampleTerti());
    put(kSetFvevenyFile, sampleFveveny());
    put(kSetIrat2File, sampleIrat2());
    put(kSetRcsekkFile, sampleRcsekk());
    put(kSetUlapFile, sampleUlap());
    put(kBoritekFile, sampleBoritek());
  }
  QByteArray bytes(const QString& name) const { return dir.bytes(name); }

  TempFolder dir;
  RecordedMessageBoxes msgs;
  Platform platform;
  SetRekord set;
  LayoutRecords layouts;
};

inline void patchFixed(QByteArray& b, int off, double v) {
  const int64_t raw = Fixed::fromDouble(v).raw;
  std::memcpy(b.data() + off, &raw, 8);
}
inline void patchI16(QByteArray& b, int off, int16_t v) { std::memcpy(b.data() + off, &v, 2); }
inline void patchText(QByteArray& b, int off, const QString& s, int n) {
  b.replace(off, n, cp1250::encode(s).leftJustified(n, ' ', true));
}
