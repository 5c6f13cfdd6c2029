// The slip's picture: each item stands where the chosen feed prints it, with the positions
// recorded from the slip printer's own placing, and shows its text as it prints.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "common/mmkep.h"
#include "common/platform.h"
#include "common/printjob.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "printing/common/nyomatkep.h"
#include "printing/slips/csekklap.h"

namespace {

// Stand-ins the items are known by in a recorded slip: each text of the page is replaced by
// its own, every print switch on.
const QString kNev = QStringLiteral("#N"), kHelyseg = QStringLiteral("#H"), kCim = QStringLiteral("#C"),
              kIrsz = QStringLiteral("#I"), kOsszeg = QStringLiteral("#O"), kKozlemeny1 = QStringLiteral("#K"),
              kKozl3sor = QStringLiteral("#L"), kKozlemeny2 = QStringLiteral("#M"), kAzon = QStringLiteral("#B"),
              kJogcim1 = QStringLiteral("#J"), kJogcim2 = QStringLiteral("#P"), kHatarido = QStringLiteral("#F"),
              kSzoveg1 = QStringLiteral("*#S"), kSzoveg2 = QStringLiteral("#T*");

CsekkAdatok jelolt() {
  CsekkAdatok a;
  a.txNev = kNev;
  a.txCim1 = kHelyseg;
  a.txCim2 = kCim;
  a.txIrszam = kIrsz;
  a.txOsszeg = kOsszeg;
  a.Kozlemeny1 = kKozlemeny1;
  a.txtKozl3sor = kKozl3sor;
  a.Kozlemeny2 = kKozlemeny2;
  a.txBefizAzonosito = kAzon;
  a.txtJogcim1 = kJogcim1;
  a.txtJogcim2 = kJogcim2;
  a.txtFizHatIdo = kHatarido;
  return a;
}

// The amount prints as three runs on one line, "***", the amount and "***": its first
// character is the first run's.
const PrintedText* osszegHely(const PrintedPage& nyomat, int n) {
  const PrintedText* t = nyomatSzoveg(nyomat, kOsszeg, n);
  if (!t || t == nyomat.texts.data() || (t - 1)->text != QStringLiteral("***")) return t;
  return t - 1;
}

}  // namespace

void CsekkLap::elrendez() {
  const SetRekord set = nyomatBeallitas<SetRekord>(platform_.folder, kSetFile, set_);
  SetRekord minden = set;
  minden.Nyomtatando.fill(1);
  // The standing feed's correction makes up for the printer's feed, so that the print lands
  // on the slip's boxes: the picture shows the slip without it.
  minden.Vkorrekcio = 0;
  const bool allo = tajolas_ == Tajolas::Allo;
  const CsekkAdatok a = jelolt();
  const PrintedPage nyomat = nyomatFelvetel([&](PrintJob& j) {
    placeCsekk(j, minden, a, kSzoveg1, kSzoveg2, allo, allo ? kCsekkAllo : kCsekkFekvo);
  });
  auto kapcsolo = [&set](int i) { return set.Nyomtatando[size_t(i)] != 0; };

  // Each item where the layout prints it, shown when its switch prints it; one the layout
  // cannot place (a damaged position) is not shown.
  auto helyez = [&](QWidget* w, const PrintedText* t, double szeles, bool nyomtatja) {
    if (t) nyomatHelyre(Picture2, w, *t, szeles);
    w->setVisible(t && nyomtatja);
  };
  auto tesz = [&](QWidget* w, const QString& szoveg, int n, double szeles, bool nyomtatja) {
    helyez(w, nyomatSzoveg(nyomat, szoveg, n), szeles, nyomtatja);
  };
  // The typed boxes: the amount's with its frame around the amount's first place, the words'.
  if (const PrintedText* t = osszegHely(nyomat, 0)) {
    nyomatHelyre(Picture2, txOsszeg, *t, 36);
    Picture2->place(txOsszeg, {t->x - 1.5, t->y - 1, 36, 6.5}, t->size);
  }
  for (auto [w, szoveg] : {std::pair{txtSzoveg21, kSzoveg1}, std::pair{txtSzoveg11, kSzoveg2}})
    if (const PrintedText* t = nyomatSzoveg(nyomat, szoveg)) nyomatHelyre(Picture2, w, *t, 55);

  helyez(lbOsszeg, osszegHely(nyomat, 1), 40, kapcsolo(0));
  tesz(txtSzoveg22, kSzoveg1, 1, 68, kapcsolo(1));
  tesz(txtSzoveg12, kSzoveg2, 1, 68, kapcsolo(1));
  for (int i = 0; i < 3; ++i)
    tesz(kozlemenySorok[size_t(i)], std::array{kKozlemeny1, kKozl3sor, kKozlemeny2}[size_t(i)], 0, 0, kapcsolo(4));
  tesz(lbBefizAzon, kAzon, 0, 0, kapcsolo(7));
  for (int i = 0; i < 4; ++i)
    tesz(jogcimSorok[size_t(i)], std::array{kJogcim1, kKozl3sor, kJogcim2, kHatarido}[size_t(i)], i == 1 ? 1 : 0, 0,
         kapcsolo(5));
  // The payer block: the counterfoil's labels, then the main part's boxes.
  const std::array<QString, 4> fizeto{kNev, kHelyseg, kCim, kIrsz};
  const std::array<int, 4> kapcsolok{2, 3, 3, 3};
  const std::array<QLineEdit*, 4> fo{Text1[1], Text1[0], Text1[2], Text1[3]};
  for (size_t i = 0; i < 4; ++i) {
    tesz(balBlokk[i], fizeto[i], 0, 0, kapcsolo(kapcsolok[i]));
    tesz(fo[i], fizeto[i], 1, 62, kapcsolo(kapcsolok[i]));
  }
  nyomatSzovegek();
}

void CsekkLap::nyomatSzovegek() {
  balBlokk[0]->setText(Text1[1]->text().trimmed());
  balBlokk[1]->setText(Text1[0]->text().toUpper().trimmed());
  balBlokk[2]->setText(Text1[2]->text().trimmed());
  balBlokk[3]->setText(Text1[3]->text());
  lbBefizAzon->setText(txBefizAzonosito->text());
  const QString sajat = txtKozl3sor[0]->text().trimmed();
  kozlemenySorok[0]->setText(Kozlemeny1->currentText());
  kozlemenySorok[1]->setText(sajat);
  kozlemenySorok[2]->setText(Kozlemeny2->text());
  // The third legal-title line is the payer identifier while it is copied (trimmed lying).
  const QString azon = tajolas_ == Tajolas::Allo ? txBefizAzonosito->text() : txBefizAzonosito->text().trimmed();
  jogcimSorok[0]->setText(txtJogcim1->currentText());
  jogcimSorok[1]->setText(sajat);
  jogcimSorok[2]->setText(chkBefAzonMasolasa->value() == 1 ? azon : txtJogcim2->currentText());
  jogcimSorok[3]->setText(txtFizHatIdo->text());
  // Labels as wide as their text.
  for (QLabel* l : {balBlokk[0], balBlokk[1], balBlokk[2], balBlokk[3], lbBefizAzon, kozlemenySorok[0],
                    kozlemenySorok[1], kozlemenySorok[2], jogcimSorok[0], jogcimSorok[1], jogcimSorok[2],
                    jogcimSorok[3]})
    l->resize(l->sizeHint().width(), l->height());
}
