// What the main window asks of the label page: start-up, the row click, the payer files
// changing and the print.
#include <QFont>
#include <QLabel>
#include <QLineEdit>

#include "common/fields.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/envelopes/cimkeprint.h"

void CimkeLap::load(const SetRekord&) {
  fillChoices();
  olvasasHiba_.clear();
  if (loadSettings(platform_.folder, kCimkeSetupFile, cimkeSetup_, &olvasasHiba_) || serult(platform_.folder, kCimkeSetupFile))
    olvasasHiba_.clear();
  showSetup();
  ivFrissit();
}

void CimkeLap::fill(const FizetoKitoltes& f) {
  const NevekRekord& n = f.nevek;
  const std::array<QLabel*, 5> sorok = elonezetSorok();
  const std::array<QString, 5> szovegek{asStored(n.Nev), asStored(n.Nev2), asStored(n.Helyseg), asStored(n.Cim),
                                        leadingValue(n.Irsz) == 0 ? QString() : asStored(n.Irsz)};
  for (size_t s = 0; s < sorok.size(); ++s) {
    QFont font = sorok[s]->font();
    if (betuValasztas) {
      const auto [nev, meret] = betuValasztas(int(s));
      if (!nev.trimmed().isEmpty()) font.setFamily(nev.trimmed());
      const double pont = leadingValue(meret);
      if (pont > 0 && pont < 1000) font.setPointSizeF(pont);  // an unusable size keeps the font's
    }
    sorok[s]->setFont(font);
    sorok[s]->setText(szovegek[s]);
  }
  ivFrissit();  // the lines in their sizes on the label
}

void CimkeLap::payersChanged() { helyekUritese(); }

std::optional<PagePrint> CimkeLap::print(const PrintRequest& k) {
  if (k.csoportos || k.tajolas != Tajolas::Allo) return std::nullopt;
  CimkeLapAdatok lap;
  lap.chkEgyediCimke = chkEgyediCimke->value() == 1;
  for (int i = 1; i <= 40; ++i) lap.chkCimke1[size_t(i)] = chkCimke1[size_t(i)]->value() == 1;
  for (size_t i = 0; i < 5; ++i) {
    lap.txEgyediCimke[i] = txEgyediCimke[i]->text();
    if (betuValasztas) std::tie(lap.ComboBetuTipus1[i], lap.ComboBetuSize[i]) = betuValasztas(int(i));
  }
  PagePrint p{PrintAlloCimke(lap, cimkeHely_, k.listaSorok(), k.platform, cimkeSetup_), PagePrint::Nevek};
  // The counter as the file holds it now; labels write no amount or notice, so only the last
  // payer printed stays in the shared copy.
  lbKinyomottCimkeNum->setText(QString::number(cimkeSetup_.KinyomottCimkeNum));
  return p;
}
