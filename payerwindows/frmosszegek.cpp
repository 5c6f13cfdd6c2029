#include "payerwindows/frmosszegek.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>

#include <cmath>

#include "common/messages.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "payerstore/fizetofajlok.h"
#include "payerstore/fizetopar.h"
#include "payerwindows/fizetoirhato.h"

namespace {
const QString kFigyelem = QStringLiteral(" FIGYELEM ");
}

std::optional<int32_t> ujOsszeg(const QString& text) {
  const double v = leadingValue(text);
  // Far outside the valid range (also beyond 32 bits): refused before rounding.
  if (!std::isfinite(v) || v < 0 || v >= kOsszegHatar) return std::nullopt;
  const int32_t o = roundToInt32(v);
  return isOsszeg(o) ? std::optional<int32_t>(o) : std::nullopt;
}

frmOsszegek::frmOsszegek(const Platform& platform, FizetoAllapot allapot, FoAblak ablak, QWidget* parent)
    : QDialog(parent), platform_(platform), allapot_(allapot), ablak_(std::move(ablak)) {
  setWindowTitle(QStringLiteral("Összegek felvitele"));
  lbNev = new QLabel(this);
  lbCim = new QLabel(this);
  ListView1 = new QTreeWidget(this);
  ListView1->setRootIsDecorated(false);
  ListView1->setHeaderLabels({QStringLiteral("Sorszám"), QStringLiteral("Összeg")});
  Text1 = new QLineEdit(this);
  Label2 = new QLabel(QStringLiteral("Egy-egy ügyfélhez 12 összeg rögzíthető!"), this);
  cmdRogzit = new QPushButton(QStringLiteral("&Rögzítés"), this);
  cmdModosit = new QPushButton(QStringLiteral("&Módosítás"), this);
  cmdTorol = new QPushButton(QStringLiteral("&Törlés"), this);
  cmdBezar = new QPushButton(QStringLiteral("&Bezár"), this);
  for (QPushButton* b : {cmdRogzit, cmdModosit, cmdTorol}) b->setEnabled(false);
  for (QPushButton* b : {cmdRogzit, cmdModosit, cmdTorol, cmdBezar}) b->setAutoDefault(false);

  auto* g = new QGridLayout(this);
  g->addWidget(new QLabel(QStringLiteral("Feladó neve:"), this), 0, 0);
  g->addWidget(lbNev, 0, 1, 1, 3);
  g->addWidget(new QLabel(QStringLiteral("Feladó címe:"), this), 1, 0);
  g->addWidget(lbCim, 1, 1, 1, 3);
  g->addWidget(new QLabel(QStringLiteral("Eddig felvett összegek:"), this), 2, 0, 1, 2);
  g->addWidget(ListView1, 3, 0, 4, 2);
  g->addWidget(new QLabel(QStringLiteral("Új összeg:"), this), 3, 2);
  g->addWidget(Text1, 3, 3);
  g->addWidget(Label2, 4, 2, 1, 2);
  auto* b = new QHBoxLayout;
  for (QPushButton* p : {cmdRogzit, cmdModosit, cmdTorol, cmdBezar}) b->addWidget(p);
  g->addLayout(b, 7, 0, 1, 4);

  connect(ListView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { ListView1_ItemClick(item); });
  connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  connect(cmdRogzit, &QPushButton::clicked, this, [this] { cmdRogzit_Click(); });
  connect(cmdModosit, &QPushButton::clicked, this, [this] { cmdModosit_Click(); });
  connect(cmdTorol, &QPushButton::clicked, this, [this] { cmdTorol_Click(); });
  connect(cmdBezar, &QPushButton::clicked, this, [this] { cmdBezar_Click(); });
  Form_Load();
}

void frmOsszegek::open(const Platform& platform, FizetoAllapot allapot, FoAblak ablak, QWidget* parent) {
  frmOsszegek d(platform, allapot, std::move(ablak), parent);
  d.exec();
}

void frmOsszegek::Form_Load() {
  adjustSize();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect r = s->geometry();
    move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
  }
  if (allapot_.AktualisRekord != 0) Beolvas();
}

int32_t frmOsszegek::aktualis(bool uzenettel) {
  const int32_t n = allapot_.AktualisRekord;
  const Valasz<bool> van = letezoFizeto(platform_.folder, n);
  if (van && *van) return n;
  // A question that failed is no missing payer: the message names the file and the reason.
  if (!van) {
    if (uzenettel) platform_.messages->info(van.hiba().nemOlvashato(kNevekFile), QStringLiteral("Hiba"), MsgIcon::Critical);
    return 0;
  }
  if (uzenettel)
    platform_.messages->info(QStringLiteral("Nincs kiválasztott ügyfél!\r\nElőbb kattintson az ügyfélre a listában."),
                             kFigyelem, MsgIcon::Exclamation);
  return 0;
}

void frmOsszegek::Beolvas() {
  FizetoPar par(platform_.folder);
  const Valasz<int32_t> db = par.count();
  int32_t n = allapot_.AktualisRekord >= 1 && (!db || allapot_.AktualisRekord <= *db) ? allapot_.AktualisRekord : 0;
  // No stored payer is current: the lists stay empty rather than showing a blank record.
  NevekRekord r;
  if (n > 0 && (!db || !par.nevek(n, r))) {
    // A record that cannot be read shows nothing, rather than blank amounts.
    platform_.messages->info(par.hiba(), QStringLiteral("Hiba"), MsgIcon::Critical);
    n = 0;
  }
  mutat(n > 0 ? &r : nullptr);
}

void frmOsszegek::mutat(const NevekRekord* r) {
  ListView1->clear();
  if (r) allapot_.Nevek = *r;
  lbNev->setText(r ? asStored(r->Nev) : QString());
  lbCim->setText(r ? asStored(r->Irsz) + QLatin1Char(' ') + trimmed(r->Helyseg) + QStringLiteral(", ") + asStored(r->Cim)
                   : QString());
  QStringList lista;
  for (int i = 0; r && i < 12; ++i) {
    const int32_t o = r->Osszegek[size_t(i)];
    if (!isOsszeg(o)) continue;
    lista << QString::number(o);
    ListView1->addTopLevelItem(new QTreeWidgetItem(
        {QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char(' ')), QString::number(o)}));
  }
  if (ablak_.setOsszegLista) ablak_.setOsszegLista(lista);
}

void frmOsszegek::ListView1_ItemClick(QTreeWidgetItem* item) {
  if (!item) return;
  const double v = leadingValue(item->text(0));
  hely_ = (v >= 1 && v <= 12) ? int16_t(v) : int16_t(0);
  cmdModosit->setEnabled(true);
  cmdTorol->setEnabled(true);
}

void frmOsszegek::Text1_Change() {
  if (Text1->text().isEmpty())
    cmdRogzit->setEnabled(false);
  else if (leadingValue(Text1->text()) > 0)
    cmdRogzit->setEnabled(true);
}

std::optional<NevekRekord> frmOsszegek::modosit(const std::function<bool(NevekRekord&)>& change) {
  const int32_t n = aktualis(true);
  if (n == 0 || !fizetoIrhato(platform_, allapot_)) return std::nullopt;
  // The stored record, read by the pair's reader: one that cannot be read is not written back.
  NevekRekord r;
  {
    FizetoPar par(platform_.folder);
    if (!par.nevek(n, r)) {
      platform_.messages->info(QStringLiteral("Az összeg nem menthető.\r\n") + par.hiba(), QStringLiteral("Hiba"),
                               MsgIcon::Critical);
      return std::nullopt;
    }
  }
  if (!change(r)) return std::nullopt;
  RecordFile f(platform_.folder, kNevekFile, NevekRekord::Length);
  // The record is written and flushed, or put back as it was: the message says which.
  const MentesEredmeny e = f.writeDurable(n, encodeRecord(r));
  if (e.ujLemezen()) allapot_.Nevek = r;
  if (!e)
    platform_.messages->info(
        mentesUzenet(e, QStringLiteral("Az összeg nem menthető a(z) %1 fájlba.").arg(e.fajl), QStringLiteral("az összegek")),
        QStringLiteral("Hiba"), MsgIcon::Critical);
  if (!e.ujLemezen()) return std::nullopt;
  return r;
}

void frmOsszegek::cmdRogzit_Click() {
  if (aktualis(true) == 0) return;
  const std::optional<int32_t> o = ujOsszeg(Text1->text());
  if (!o) {
    platform_.messages->info(QStringLiteral("Az összeg 1 és 9999998 forint között lehet!"), kFigyelem,
                             MsgIcon::Exclamation);
    Text1->setFocus();
    return;
  }
  const std::optional<NevekRekord> irott = modosit([&](NevekRekord& r) {
    for (int32_t& hely : r.Osszegek)
      if (hely == 0) {
        hely = *o;
        return true;
      }
    platform_.messages->info(QStringLiteral("Mind a 12 összeghely foglalt, az összeg nem rögzíthető!\r\n"
                                            "Egy-egy ügyfélhez 12 összeg rögzíthető!"),
                             kFigyelem, MsgIcon::Exclamation);
    return false;
  });
  // A save that failed changed nothing to show again (and has said why).
  if (irott) mutat(&*irott);
}

void frmOsszegek::cmdModosit_Click() {
  if (aktualis(true) == 0) return;
  if (hely_ < 1 || hely_ > 12) return;
  int32_t uj = 0;
  if (leadingValue(Text1->text()) == 0) {
    if (!platform_.messages->ask(QStringLiteral("Nem írtál be új összeget, így a\r\nmeglévő összeg törölve lesz!\r\n"
                                                "Mehet a törlés?"),
                                 kFigyelem)) {
      Text1->setFocus();
      return;
    }
  } else {
    const std::optional<int32_t> o = ujOsszeg(Text1->text());
    if (!o) {
      platform_.messages->info(QStringLiteral("Az összeg 1 és 9999998 forint között lehet!"), kFigyelem,
                               MsgIcon::Exclamation);
      Text1->setFocus();
      return;
    }
    uj = *o;
  }
  const int16_t hely = hely_;
  const std::optional<NevekRekord> irott = modosit([&](NevekRekord& r) {
    r.Osszegek[size_t(hely - 1)] = uj;
    return true;
  });
  cmdModosit->setEnabled(false);
  cmdTorol->setEnabled(false);
  if (irott) mutat(&*irott);
}

void frmOsszegek::cmdTorol_Click() {
  if (aktualis(true) == 0) return;
  if (hely_ < 1 || hely_ > 12) return;
  const int16_t hely = hely_;
  const std::optional<NevekRekord> irott = modosit([&](NevekRekord& r) {
    r.Osszegek[size_t(hely - 1)] = 0;
    return true;
  });
  cmdModosit->setEnabled(false);
  cmdTorol->setEnabled(false);
  if (irott) mutat(&*irott);
}
