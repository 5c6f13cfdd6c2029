#include "printing/envelopes/frmfjsetup.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

#include "common/cp1250.h"
#include "common/filedialogs.h"
#include "common/messages.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "printing/envelopes/uresjegyzek.h"

namespace {

const QString kBalNev = QStringLiteral("Név bal margó:");
const QString kFelsoNev = QStringLiteral("Név felső margó:");
const QString kUtvonalNev = QStringLiteral("Excel útvonal:");

// A whole number of millimetres that fits 16 bits; nothing for anything else.
std::optional<int16_t> egeszMm(const QString& text) {
  const auto v = parseRegional(text);
  if (!v || *v != std::floor(*v) || *v < -32768 || *v > 32767) return std::nullopt;
  return int16_t(*v);
}

// Whether a text is stored unchanged in `width` bytes of code page 1250.
bool tarolhato(const QString& text, int width) {
  for (const QChar c : text)
    if (c != QLatin1Char('?') && cp1250::encodeChar(c) == '?') return false;
  return cp1250::encode(text).size() <= width;
}

}  // namespace

frmFjSetup::frmFjSetup(Platform& platform, FjSetRekord& fjSet, QWidget* parent)
    : QDialog(parent), platform_(platform), fjSet_(fjSet) {
  setObjectName(QStringLiteral("frmFjSetup"));
  setWindowTitle(QStringLiteral("Feladójegyzék beállítások"));
  txtBal = new QLineEdit(this);
  txtFelso = new QLineEdit(this);
  txtExcelUtvonal = new QLineEdit(this);
  txtExcelUtvonal->setMinimumWidth(360);
  cmdTalloz = new QPushButton(QStringLiteral("&Tallóz"), this);
  cmdMent = new QPushButton(QStringLiteral("&Mentés"), this);
  Command1 = new QPushButton(QStringLiteral("&Vissza"), this);
  for (QPushButton* b : {cmdTalloz, cmdMent, Command1}) b->setAutoDefault(false);

  auto* urlap = new QFormLayout;
  urlap->addRow(kBalNev, txtBal);
  urlap->addRow(kFelsoNev, txtFelso);
  auto* utvonal = new QHBoxLayout;
  utvonal->addWidget(txtExcelUtvonal, 1);
  utvonal->addWidget(cmdTalloz);
  urlap->addRow(kUtvonalNev, utvonal);
  auto* gombok = new QHBoxLayout;
  gombok->addStretch(1);
  gombok->addWidget(cmdMent);
  gombok->addWidget(Command1);
  auto* l = new QVBoxLayout(this);
  l->addLayout(urlap);
  l->addLayout(gombok);

  connect(cmdTalloz, &QPushButton::clicked, this, [this] { cmdTalloz_Click(); });
  connect(cmdMent, &QPushButton::clicked, this, [this] { cmdMent_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  Form_Load();
}

void frmFjSetup::open(Platform& platform, FjSetRekord& fjSet, QWidget* parent) {
  frmFjSetup d(platform, fjSet, parent);
  d.adjustSize();
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect a = s->availableGeometry();
    d.move(a.x() + (a.width() - d.width()) / 2, a.y() + (a.height() - d.height()) / 2);
  }
  d.exec();
}

void frmFjSetup::Form_Load() {
  // A file that cannot be read is said; the boxes then show the copy read last, not the file.
  if (!loadSettings(platform_.folder, kFjSetFile, fjSet_, &olvasasHiba_)) hiba(olvasasHiba_);
  txtBal->setText(QString::number(fjSet_.Bal));
  txtFelso->setText(QString::number(fjSet_.Felso));
  QString utvonal = trimmed(fjSet_.ExcelUtvonal);
  // Nothing stored: the program the empty sheet would open with.
  if (utvonal.isEmpty() && platform_.shell) utvonal = talaltTablazatkezelo(*platform_.shell).szoveg();
  txtExcelUtvonal->setText(utvonal);
}

void frmFjSetup::cmdTalloz_Click() {
  if (!platform_.fileDialogs) return;
  const QString most = tablazatkezelo(txtExcelUtvonal->text()).program;
  const QString mappa = most.isEmpty() ? QStringLiteral("/usr/bin") : QFileInfo(most).absolutePath();
  const QString valasz = platform_.fileDialogs->openFile(QStringLiteral("Táblázatkezelő program kiválasztása"), mappa,
                                                         QStringLiteral("Minden fájl (*)"));
  if (!valasz.isEmpty()) txtExcelUtvonal->setText(valasz.trimmed());
}

void frmFjSetup::cmdMent_Click() {
  if (!platform_.messages->ask(QStringLiteral("Biztos módosítod a beállításokat?\r\n\r\n"), QStringLiteral(" Módosítás ")))
    return;
  if (!olvasasHiba_.isEmpty()) return hiba(olvasasHiba_);
  // Nothing is stored unless all three boxes fit their fields.
  const auto bal = egeszMm(txtBal->text());
  if (!bal) return hiba(QStringLiteral("A(z) „%1” mezőbe -32768 és 32767 közötti egész számot kell írni.").arg(kBalNev));
  const auto felso = egeszMm(txtFelso->text());
  if (!felso)
    return hiba(QStringLiteral("A(z) „%1” mezőbe -32768 és 32767 közötti egész számot kell írni.").arg(kFelsoNev));
  const QString utvonal = txtExcelUtvonal->text().normalized(QString::NormalizationForm_C).trimmed();
  if (!tarolhato(utvonal, 100))
    return hiba(QStringLiteral("Az „%1” nem tárolható: legfeljebb 100 bájt lehet, a közép-európai (1250-es) "
                               "kódlap betűivel.")
                    .arg(kUtvonalNev));
  FjSetRekord uj{};
  const MentesEredmeny e = modifySettings(platform_.folder, kFjSetFile, uj, [&](FjSetRekord& r) {
    r.Bal = *bal;
    r.Felso = *felso;
    r.ExcelUtvonal = utvonal;
  });
  if (e.allapot == MentesAllapot::Valtozatlan)
    return hiba(mentesUzenet(e, QStringLiteral("A(z) %1 fájl nem írható.").arg(kFjSetFile), {}));
  if (!e)
    platform_.messages->info(mentesUzenet(e, {}, QStringLiteral("a beállítások")), QStringLiteral("Hiba"),
                             MsgIcon::Exclamation);
  if (e.ujLemezen()) fjSet_ = uj;
}

void frmFjSetup::Command1_Click() { accept(); }

void frmFjSetup::hiba(const QString& szoveg) {
  platform_.messages->info(szoveg + QStringLiteral("\r\nA beállítások nem kerültek mentésre."), QStringLiteral("Hiba"),
                           MsgIcon::Exclamation);
}
