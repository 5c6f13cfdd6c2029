// The envelope tab of the settings dialog: three sizes with four distances each, the sender,
// the font and its sample.
#include "common/messages.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "layouts/frmsetup.h"

namespace {

struct EnvelopeSize {
  const char* type;     // type label
  int widthTwips, heightTwips;  // sample rectangle: 10 twips per millimetre
  const char* width;
  const char* height;
};

const EnvelopeSize kSizes[3] = {
    {"C6 Normál boríték", 1620, 1140, "162 mm", "114 mm"},
    {"C5 boríték", 2290, 1620, "229 mm", "162 mm"},
    {"C5/6 csekk boríték", 2290, 1140, "229 mm", "114 mm"},
};

constexpr int kTwipsPerPixel = 15;

const char* const kDistanceNames[4] = {"Feladó a bal széltől", "Feladó a tetejétől", "Címzett a tetejétől",
                                       "Címzett a bal széltől"};

}  // namespace

void frmSetup::OpB1_Click() { showBoritekSize(0); }
void frmSetup::OpB2_Click() { showBoritekSize(1); }
void frmSetup::OpB3_Click() { showBoritekSize(2); }

void frmSetup::showBoritekSize(int size) {
  boritekSize_ = size;
  const EnvelopeSize& s = kSizes[size];
  for (int i = 0; i < 3; ++i) cmdBoritekMeretSave[i]->setEnabled(i == size);
  Label3[3]->setText(QString::fromUtf8(s.type));
  Label3[4]->setText(QString::fromUtf8(s.type));
  BoritekMinta->setFixedSize(qRound(double(s.widthTwips) / kTwipsPerPixel), qRound(double(s.heightTwips) / kTwipsPerPixel));
  lbBoritekSzeles->setText(QString::fromUtf8(s.width));
  lbBoritekMagas->setText(QString::fromUtf8(s.height));
  olvas(kBoritekFile, layouts_.Boritek);
  const auto group = layouts_.Boritek.group(size);
  for (int i = 0; i < 4; ++i) Text1[i]->setText(QString::number(*group[i]));
}

void frmSetup::cmdBoritekMeretSave_Click(int index) {
  // Each box must hold a whole number of millimetres (a fraction is rounded, halves to even).
  std::array<int16_t, 4> values{};
  for (int i = 0; i < 4; ++i) {
    const QString name = QString::fromUtf8(kDistanceNames[i]);
    const auto v = parseRegional(Text1[i]->text());
    if (!v) return refuse(notNumber(name, Text1[i]->text()));
    try {
      values[i] = roundToInt16(*v);
    } catch (const OverflowError&) {
      return refuse(tooLarge(name, Text1[i]->text()));
    }
  }
  if (olvasatlan({kBoritekFile})) return;
  BoritekRekord fresh{};
  const MentesEredmeny e = modifySettings(platform_.folder, kBoritekFile, fresh, [&](BoritekRekord& r) {
    const auto group = r.group(index);
    for (int i = 0; i < 4; ++i) *group[i] = values[i];
  });
  if (e.ujLemezen()) layouts_.Boritek = fresh;
  if (!e) notSaved(e);
}

void frmSetup::cmbBoritekNevBetutipus_Click() {
  const QString name = cmbBoritekNevBetutipus->currentText().trimmed();
  if (name.isEmpty()) return;
  QFont f = lbMinta->font();
  f.setFamily(name);
  lbMinta->setFont(f);
}

void frmSetup::txtBoritekNevBetumeret_Change() {
  cmbBoritekNevBetutipus_Click();
  // An empty or too small recipient size becomes 10; setting it runs this handler again.
  if (leadingValue(txtBoritekNevBetumeret->text()) < 1) txtBoritekNevBetumeret->setText(QStringLiteral("10"));
  const double size = leadingValue(txtBoritekNevBetumeret->text());
  if (!(size >= 1 && size <= 1000)) return;  // the label cannot take it: keep the sample
  QFont f = lbMinta->font();
  f.setPointSizeF(size);
  f.setBold(false);
  f.setItalic(false);
  lbMinta->setFont(f);
}

void frmSetup::loadBoritekSender() {
  const BoritekRekord& r = layouts_.Boritek;
  txtBoritekFeladoNev->setText(trimmed(r.BoritekFeladoNev));
  txtBoritekFeladoCim1->setText(trimmed(r.BoritekFeladoCim1));
  txtBoritekFeladoCim2->setText(trimmed(r.BoritekFeladoCim2));
  txtBoritekFeladoIrSzam->setText(asStored(r.BoritekFeladoIrSzam));
  lbMinta->setText(trimmed(r.BoritekFeladoNev));
  setControlText(cmbBoritekNevBetutipus, trimmed(r.BoritekNevBetutipus));
  txtBoritekNevBetumeret->setText(QString::number(r.BoritekNevBetumeret));
  txtBoritekFeladoBetumeret->setText(QString::number(r.BoritekFeladoBetumeret));
  if (r.BoritekNevBetumeret < 1) txtBoritekNevBetumeret->setText(QStringLiteral("10"));
  txtBoritekNevBetumeret_Change();
}
