// The label page's grid: the sheet set-up and its save, the position boxes and their tips,
// and the custom label's preview.
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QGroupBox>
#include <QSignalBlocker>

#include <cmath>

#include "common/messages.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "layouts/binding.h"
#include "payerstore/fizetopar.h"
#include "printing/envelopes/cimkelap.h"

namespace {

const QString kFigyelem = QStringLiteral("Figyelem!");

// Box width by the column count and height by the row count (twips); 0 for a count that
// keeps the present size.
int boxWidth(int columns) {
  switch (columns) {
    case 1: return 3390;
    case 2: return 1685;
    case 3: return 1130;
    case 4: return 840;
    default: return 0;
  }
}
int boxHeight(int rows) {
  switch (rows) {
    case 3: return 1565;
    case 4: return 1170;
    case 5: return 935;
    case 6: return 774;
    case 7: return 669;
    case 8: return 587;
    case 9: return 516;
    case 10: return 465;
    default: return 0;
  }
}

void uzen(const Platform& p, const QString& text, const QString& title) {
  if (p.messages) p.messages->info(text, title, MsgIcon::Information);
}

}  // namespace

int cimkeSzam(const QString& text) {
  const double v = leadingValue(text);
  if (!(v < 1e6)) return 1000000;
  if (!(v > -1)) return -1;
  return int(std::nearbyint(v));
}

void CimkeLap::racsKiosztas() { kioszt(cimkeSzam(txtOszlop->currentText()), cimkeSzam(txtSor->currentText())); }

void CimkeLap::kioszt(int c, int r) {
  if (c > 40 || r > 40) return;
  const int n = c >= 1 && r >= 1 ? c * r : 0;
  if (n > 40) return;  // only 40 boxes exist: keep the grid as it is

  const int w = boxWidth(c), h = boxHeight(r);
  for (int k = 1; k <= n; ++k) {
    chkCimke1[size_t(k)]->show();
    QRect& g = twips_[size_t(k)];
    if (w) g.setWidth(w);
    if (h) g.setHeight(h);
  }
  // The label size follows a count only when the count changed since the sheet was saved.
  if (w && c != cimkeSetup_.Oszlop) txtSzeles->setText(c == 1 ? QStringLiteral("210") : huNumber(210.0 / c));
  if (h && r != cimkeSetup_.Sor) {
    txtMagas->setText(huNumber(297.0 / r));
    if (r == 8) txtTop->setText(QStringLiteral("3"));
  }
  for (int k = n + 1; k <= 40; ++k) chkCimke1[size_t(k)]->hide();

  const int bw = twips_[1].width(), bh = twips_[1].height();
  int x = 45, y = 135, k = 0;
  for (int sor = 1; sor <= r && n; ++sor) {
    for (int oszlop = 1; oszlop <= c; ++oszlop) {
      ++k;
      twips_[size_t(k)].moveTo(x, y);
      place(k);
      x += bw + 8;
    }
    y += bh + 20;
    x = 45;
  }
}

void CimkeLap::cmdCimkeMeretRogzites_Click() {
  // 1. Every position is cleared, also when the values are refused below.
  for (int k = 1; k <= 40; ++k) {
    TriCheckBox* b = chkCimke1[size_t(k)];
    b->setValue(0);
    b->setText(QString::number(k));
    cimkeHely_[size_t(k)] = 0;
  }
  // 2.-3. The counts and their limits.
  const int c = cimkeSzam(txtOszlop->currentText());
  const int r = cimkeSzam(txtSor->currentText());
  if (c > 4) {
    uzen(platform_, QStringLiteral("Egy A4-es lapon legfeljebb 4 oszlop cimke lehet."), kFigyelem);
    return;
  }
  if (r > 10) {
    uzen(platform_, QStringLiteral("Egy A4-es lapon legfeljebb 10 sor cimke lehet."), kFigyelem);
    return;
  }
  if (c < 1 || r < 1) {
    uzen(platform_, QStringLiteral("Az oszlopok és a sorok száma legalább 1 legyen."), kFigyelem);
    return;
  }
  // 4.-6. The grid on screen.
  kioszt(c, r);

  // 7. The millimetre boxes as shown, with the decimal comma; nothing is saved unless all four
  // can be stored.
  QString hiba;
  const auto left = regionalPositionValue(txtLeft->text(), QStringLiteral("Bal"), &hiba);
  const auto top = left ? regionalPositionValue(txtTop->text(), QStringLiteral("Felső"), &hiba) : std::nullopt;
  const auto szeles = top ? regionalPositionValue(txtSzeles->text(), QStringLiteral("Szélesség"), &hiba) : std::nullopt;
  const auto magas = szeles ? regionalPositionValue(txtMagas->text(), QStringLiteral("Magasság"), &hiba) : std::nullopt;
  if (!magas) {
    uzen(platform_, hiba, kFigyelem);
    return;
  }
  cimkeSetup_.Left = *left;
  cimkeSetup_.Top = *top;
  cimkeSetup_.Szeles = *szeles;
  cimkeSetup_.Magas = *magas;
  cimkeSetup_.Oszlop = int16_t(c);
  cimkeSetup_.Sor = int16_t(r);
  // The counter is the one in memory, kept current by the label printers.
  if (const MentesEredmeny e = saveSettings(platform_.folder, kCimkeSetupFile, cimkeSetup_); !e)
    uzen(platform_,
         mentesUzenet(e, QStringLiteral("A cimkelap beállítását nem sikerült menteni (CimkeSetup.dat)."),
                      QStringLiteral("a cimkelap beállításai")),
         kFigyelem);
  ivFrissit();
}

void CimkeLap::chkCimke1_Click(int k) {
  if (k < 1 || k > 40) return;
  // The custom label uses the ticks as its positions only.
  if (chkEgyediCimke->value() == 1) return;
  TriCheckBox* b = chkCimke1[size_t(k)];
  if (b->value() != 1) {
    b->setText(QString::number(k));
    cimkeHely_[size_t(k)] = 0;
    return;
  }
  FizetoPar par(platform_.folder);
  const Valasz<int32_t> db = par.count();
  if (aktualis_ >= 1 && (!db || aktualis_ <= *db)) {
    if (!db || !par.nevek(aktualis_, nevek_)) {
      uzen(platform_, par.hiba(), QStringLiteral("Hiba"));
      b->setValue(0);
      return;
    }
    b->setText(asStored(nevek_.Nev));
    cimkeHely_[size_t(k)] = aktualis_;
    return;
  }
  uzen(platform_, QStringLiteral("Nincs kijelölve név a listamezőben!"), QStringLiteral("Figyelem..."));
  b->setValue(0);
  if (listaFokusz) listaFokusz();
}

void CimkeLap::chkCimke1_MouseMove(int k) {
  if (k < 1 || k > 40) return;
  TriCheckBox* b = chkCimke1[size_t(k)];
  const int32_t n = cimkeHely_[size_t(k)];
  QString tipp;
  if (n >= 1 && b->value() == 1) {
    // Read aside: moving the mouse must not change the payer the pages work with.
    FizetoPar par(platform_.folder);
    if (NevekRekord r; par.count() && n <= *par.count() && par.nevek(n, r)) {
      tipp = QStringList{trimmed(r.Nev), trimmed(r.Nev2), trimmed(r.Helyseg), trimmed(r.Cim), asStored(r.Irsz)}.join(
          QStringLiteral(" - "));
    }
  }
  b->setToolTip(tipp);
}

bool CimkeLap::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) {
    for (int k = 1; k <= 40; ++k)
      if (o == chkCimke1[size_t(k)]) chkCimke1_MouseMove(k);
  }
  return QWidget::eventFilter(o, e);
}

void CimkeLap::chkEgyediCimke_Click() {
  keretEgyediCimke->setVisible(chkEgyediCimke->value() == 1);
  for (QLabel* l : elonezetSorok()) l->setText(QString());
}

void CimkeLap::txEgyediCimke_Change(int) {
  const auto sorok = elonezetSorok();
  for (size_t i = 0; i < sorok.size(); ++i) {
    QLabel* l = sorok[i];
    l->setText(txEgyediCimke[i]->text());
    if (!betuValasztas) continue;
    const auto [nev, meret] = betuValasztas(int(i));
    QFont font = l->font();
    if (!nev.trimmed().isEmpty()) font.setFamily(nev.trimmed());
    const double m = leadingValue(meret);
    if (m > 0 && m < 1000) font.setPointSizeF(m);  // an unusable size keeps the label's
    l->setFont(font);
  }
  ivFrissit();  // the lines in their sizes on the label
}

void CimkeLap::helyekUritese() {
  for (int k = 1; k <= 40; ++k) {
    TriCheckBox* b = chkCimke1[size_t(k)];
    const QSignalBlocker csend(b);
    if (cimkeHely_[size_t(k)] != 0) b->setValue(0);
    cimkeHely_[size_t(k)] = 0;
    b->setText(QString::number(k));
    b->setToolTip(QString());
  }
}
