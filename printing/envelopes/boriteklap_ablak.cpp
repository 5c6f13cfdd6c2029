// What the main window asks of the envelope page: start-up, activation and exit, the row
// click and the print.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <array>
#include <cmath>

#include "common/fields.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/boritekprint.h"
#include "printing/envelopes/kepmeret.h"

int16_t kepPoz(const QString& felirat, int16_t regi) {
  try {
    return roundToInt16(leadingValue(felirat));
  } catch (const OverflowError&) {
    return regi;
  }
}

void BoritekLap::load(const SetRekord& set) {
  chkKepPrint->setValue(set.KepPrint == 1 ? 1 : 0);
  // C6 and its block positions until the size option says otherwise. A boritek.dat that
  // cannot be read leaves the copy in memory; its bold switches are not saved over it at exit.
  QString hiba;
  boritekOlvasatlan_ = !loadSettings(platform_.folder, kBoritekFile, boritek_, &hiba) && !serult(platform_.folder, kBoritekFile);
  if (boritekOlvasatlan_)
    olvasatlan_ << hiba + QStringLiteral("\r\nA boríték sorainak félkövér beállításai kilépéskor nem mentődnek.");
  hely_.BoritekMeret = 1;
  hely_.BoritekFeladoX = boritek_.C6Felado_x;
  hely_.BoritekFeladoY = boritek_.C6Felado_y;
  hely_.BoritekCimzettY = boritek_.C6Cimzett_y;
  hely_.BoritekCimzettX = boritek_.C6Cimzett_x;
  const std::array<TriCheckBox*, 4> fkf{chkFKFNev, chkFKFCim1, chkFKFCim2, chkFKFIrsz};
  const std::array<TriCheckBox*, 5> fkc{chkFKCNev, chkFKCCim1, chkFKCCim2, chkFKCIrsz, chkFKCNev2};
  for (size_t i = 0; i < fkf.size(); ++i) fkf[i]->setValue(isTrue(boritek_.FKF[i]) ? 1 : 0);
  for (size_t i = 0; i < fkc.size(); ++i) fkc[i]->setValue(isTrue(boritek_.FKC[i]) ? 1 : 0);
  // The saved size; its option's handler sets the size and block positions.
  switch (set.BoritekMeret) {
    case 0:
    case 1: OpB1->setChecked(true); break;
    case 2: OpB2->setChecked(true); break;
    case 3: OpB3->setChecked(true); break;
    default: break;
  }
}

void BoritekLap::loaded() {
  KepmentRekord& k = *valtozok_.Kepment;
  // One that cannot be read leaves the picture unplaced (as a new installation has it).
  if (QString hiba; !loadSettings(platform_.folder, kKepmentFile, k, &hiba) && !serult(platform_.folder, kKepmentFile))
    olvasatlan_ << hiba;
  *valtozok_.KivalasztottKep = trimmed(k.KepUtvonal);
  // The sizes in the captions' unit (twips / 543), as the size handler computes them, so an
  // envelope printed before the picture is touched has the size shown.
  *valtozok_.KepSzeles = Fixed::fromDouble(k.KepSzelesseg.value() / kTwipsPerKepCm).value();
  *valtozok_.KepMagas = Fixed::fromDouble(k.KepMagassag.value() / kTwipsPerKepCm).value();
  // A size never saved (0), or one no preview can show (a damaged file), keeps the picture
  // box's own size.
  const QRect regi = image3Twips();
  auto twips = [](Fixed f) { return f.value() > 0 && f.value() <= 32767 ? int(std::lround(f.value())) : 0; };
  const int w = twips(k.KepSzelesseg), h = twips(k.KepMagassag);
  setImage3Twips(w > 0 && h > 0 ? QRect(k.KepX, k.KepY, w, h) : QRect(QPoint(k.KepX, k.KepY), regi.size()));
  const QRect most = image3Twips();
  HScroll1->setValue(most.width() > most.height() ? most.width() : most.height());
  // The picture's position in millimetres, by the same rule as the size options.
  kepPozFrissit();
}

void BoritekLap::activate() {
  txtBoritekCimzettNev->setEnabled(true);
  txtBoritekCimzettNev2->setEnabled(true);
  // The picture drawn again (a picture chosen in the browser comes in here), the blocks as
  // the layout saved meanwhile puts them.
  HScroll1_Change();
  nyomatFrissit();
}

void BoritekLap::save(SetRekord& set) const {
  const int16_t meret = OpB1->isChecked() ? 1 : OpB2->isChecked() ? 2 : OpB3->isChecked() ? 3 : 0;
  if (meret != 0) set.BoritekMeret = meret;
  set.KepPrint = chkKepPrint->value() == 1 ? 1 : 0;
}

QStringList BoritekLap::saveFiles() {
  if (boritekOlvasatlan_) return {};  // said at start-up
  const std::array<int, 4> fkf{chkFKFNev->value(), chkFKFCim1->value(), chkFKFCim2->value(), chkFKFIrsz->value()};
  const std::array<int, 5> fkc{chkFKCNev->value(), chkFKCCim1->value(), chkFKCCim2->value(), chkFKCIrsz->value(),
                               chkFKCNev2->value()};
  const MentesEredmeny e = modifySettings(platform_.folder, kBoritekFile, boritek_, [&](BoritekRekord& r) {
    for (size_t i = 0; i < fkf.size(); ++i) r.FKF[i] = flagOf(fkf[i] != 0);
    for (size_t i = 0; i < fkc.size(); ++i) r.FKC[i] = flagOf(fkc[i] != 0);
  });
  if (e) return {};
  return {mentesUzenet(e, QStringLiteral("A %1 fájl nem írható: a boríték sorainak félkövér beállításai elvesznek.").arg(e.fajl),
                       QStringLiteral("a boríték sorainak félkövér beállításai"))};
}

void BoritekLap::fill(const FizetoKitoltes& f) {
  const NevekRekord& n = f.nevek;
  txtBoritekCimzettNev->setText(trimmed(n.Nev));
  txtBoritekCimzettNev2->setText(trimmed(n.Nev2));
  txtBoritekCimzettCim1->setText(trimmed(n.Helyseg));
  txtBoritekCimzettCim2->setText(trimmed(n.Cim));
  // No postcode line for a foreign address.
  txtBoritekCimzettIrSzam->setText(isTrue(n.KulfCim) ? QString() : asStored(n.Irsz));
}

void BoritekLap::beforePrint() {
  *valtozok_.KepPozX = kepPoz(lbXpoz->text(), *valtozok_.KepPozX);
  *valtozok_.KepPozY = kepPoz(lbYpoz->text(), *valtozok_.KepPozY);
}

BoritekLapAllapot BoritekLap::lapAllapot() const {
  BoritekLapAllapot s;
  s.meret = OpB1->isChecked() ? 1 : OpB2->isChecked() ? 2 : OpB3->isChecked() ? 3 : 0;
  s.chkCimzett = chkCimzett->value();
  s.chkFelado = chkFelado->value();
  s.chkKepPrint = chkKepPrint->value();
  s.chkFKC = {chkFKCNev->value(), chkFKCNev2->value(), chkFKCCim1->value(), chkFKCCim2->value(), chkFKCIrsz->value()};
  s.chkFKF = {chkFKFNev->value(), chkFKFCim1->value(), chkFKFCim2->value(), chkFKFIrsz->value()};
  s.txtFelado5mezo = txtFelado5mezo->text();
  s.KepPozX = *valtozok_.KepPozX;
  s.KepPozY = *valtozok_.KepPozY;
  s.KepSzeles = *valtozok_.KepSzeles;
  s.KepMagas = *valtozok_.KepMagas;
  s.kep = kepKep();
  s.KivalasztottKep = *valtozok_.KivalasztottKep;
  return s;
}

BoritekCimzett BoritekLap::cimzett() const {
  return {txtBoritekCimzettNev->text(), txtBoritekCimzettNev2->text(), txtBoritekCimzettCim1->text(),
          txtBoritekCimzettCim2->text(), txtBoritekCimzettIrSzam->text()};
}

BoritekFelado BoritekLap::felado() const {
  return {txtBoritekFeladoNev->text(), txtBoritekFeladoCim1->text(), txtBoritekFeladoCim2->text(),
          txtBoritekFeladoIrSzam->text()};
}

std::optional<PagePrint> BoritekLap::print(const PrintRequest& k) {
  // The switches and the picture, as the envelope printers read them.
  const BoritekLapAllapot s = lapAllapot();
  const bool allo = k.tajolas == Tajolas::Allo;
  if (k.csoportos) {
    const auto sorok = k.listaSorok();
    // Only the payer record read last is left behind; the amount and its words stay.
    return PagePrint{allo ? PrintCsAlloBoritek(sorok, s, k.platform, k.set, boritek_, hely_)
                          : PrintCsFekvoBoritek(sorok, s, k.platform, k.set, boritek_, hely_),
                     PagePrint::Nevek};
  }
  const BoritekAdatok a{s, cimzett(), felado()};
  return PagePrint{allo ? PrintAlloBoritek(a, k.platform, k.set, boritek_, hely_)
                        : PrintFekvoBoritek(a, k.platform, k.set, boritek_, hely_)};
}
