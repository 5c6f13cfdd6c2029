#include "layouts/frmsetup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "common/messages.h"
#include "common/printer.h"
#include "common/recordfile.h"
#include "payerwindows/jogcimek.h"

namespace {

int checkValue(const QCheckBox* c) {
  switch (c->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void setCheckValue(QCheckBox* c, int v) {
  c->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

bool ticked(const QCheckBox* c) { return c->checkState() == Qt::Checked; }

const QString kModify = QStringLiteral(" Módosítás ");
const QString kRestoreTitle = QStringLiteral(" Visszaállítás alapértékekre. ");
const QString kSureModify = QStringLiteral("Biztos módosítod a beállításokat?");
const QString kSureRestore = QStringLiteral("Biztos mehet a visszaállítás?");

}  // namespace

frmSetup::frmSetup(Platform& platform, SetRekord& set, LayoutRecords& layouts, int beallitasFul, QWidget* parent)
    : QDialog(parent), platform_(platform), set_(set), layouts_(layouts), beallitasFul_(beallitasFul) {
  setWindowTitle(QStringLiteral("Beállítások"));
  auto* v = new QVBoxLayout(this);
  SSTab1 = new QTabWidget;
  SSTab1->setObjectName(QStringLiteral("SSTab1"));
  v->addWidget(SSTab1);
  buildCsekkTab();
  buildTertiTab();
  buildFvevenyTab();
  buildBoritekTab();
  buildIratTab();
  buildRcsekkTab();
  buildUlapTab();
  Command3 = new QPushButton(QStringLiteral("&Vissza"));
  v->addWidget(Command3);
  bind();

  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(cmdJogcim, &QPushButton::clicked, this, [this] { cmdJogcim_Click(); });
  connect(cmdKozlemeny, &QPushButton::clicked, this, [this] { cmdKozlemeny_Click(); });
  connect(cmdKTerti, &QPushButton::clicked, this, [this] { cmdKTerti_Click(); });
  connect(cmdKeretMegjelenites, &QPushButton::clicked, this, [this] { cmdKeretMegjelenites_Click(); });
  connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(cmdTertiMentes, &QPushButton::clicked, this, [this] { cmdTertiMentes_Click(); });
  connect(cmdTertiAlapbeallitas, &QPushButton::clicked, this, [this] { cmdTertiAlapbeallitas_Click(); });
  connect(cmdFeladovevenyMentes, &QPushButton::clicked, this, [this] { cmdFeladovevenyMentes_Click(); });
  connect(cmdFeladovevenyAlapbeallitas, &QPushButton::clicked, this, [this] { cmdFeladovevenyAlapbeallitas_Click(); });
  connect(cmdIratTertiMentes, &QPushButton::clicked, this, [this] { cmdIratTertiMentes_Click(); });
  connect(cmdIratTertiAlapbeallitas, &QPushButton::clicked, this, [this] { cmdIratTertiAlapbeallitas_Click(); });
  connect(cmdRCsekkMentes, &QPushButton::clicked, this, [this] { cmdRCsekkMentes_Click(); });
  connect(cmdRCsekkAlapertelm, &QPushButton::clicked, this, [this] { cmdRCsekkAlapertelm_Click(); });
  connect(cmdRcsekkCimzettMent, &QPushButton::clicked, this, [this] { cmdRcsekkCimzettMent_Click(); });
  connect(cmdULapMentes, &QPushButton::clicked, this, [this] { cmdULapMentes_Click(); });
  connect(cmdUlapAlapertelmezettre, &QPushButton::clicked, this, [this] { cmdUlapAlapertelmezettre_Click(); });
  for (int i = 0; i < 2; ++i)
    connect(opULapCizett[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) opULapCizett_Click(i);
    });
  connect(OpB1, &QRadioButton::toggled, this, [this](bool on) { if (on) OpB1_Click(); });
  connect(OpB2, &QRadioButton::toggled, this, [this](bool on) { if (on) OpB2_Click(); });
  connect(OpB3, &QRadioButton::toggled, this, [this](bool on) { if (on) OpB3_Click(); });
  for (int i = 0; i < 3; ++i)
    connect(cmdBoritekMeretSave[i], &QPushButton::clicked, this, [this, i] { cmdBoritekMeretSave_Click(i); });
  connect(cmdBoritekFeladoSave, &QPushButton::clicked, this, [this] { cmdBoritekFeladoSave_Click(); });
  connect(cmbBoritekNevBetutipus, &QComboBox::activated, this, [this] { cmbBoritekNevBetutipus_Click(); });
  connect(cmbBoritekNevBetutipus, &QComboBox::currentIndexChanged, this, [this] { cmbBoritekNevBetutipus_Click(); });
  connect(txtBoritekNevBetumeret, &QLineEdit::textChanged, this, [this] { txtBoritekNevBetumeret_Change(); });

  // The payee option starts on the address, with the bank fields hidden.
  opULapCizett[0]->setChecked(true);
  opULapCizett_Click(0);
  Form_Load();
}

void frmSetup::open(Platform& platform, SetRekord& set, LayoutRecords& layouts, int beallitasFul) {
  frmSetup dlg(platform, set, layouts, beallitasFul);
  dlg.adjustSize();
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect a = s->availableGeometry();
    dlg.move(a.x() + (a.width() - dlg.width()) / 2, a.y() + (a.height() - dlg.height()) / 2);
  }
  dlg.exec();
}

void frmSetup::bind() {
  const auto P = FieldKind::Pos, P20 = FieldKind::Pos20, PR = FieldKind::PosRegional, S = FieldKind::Single,
             Z = FieldKind::Size, T = FieldKind::Text, TR = FieldKind::TextRaw;
  // Each box is named in error messages by the text of its label.
  auto nameOf = [](QWidget* w) {
    for (QLabel* l : w->parentWidget()->findChildren<QLabel*>()) {
      if (l->buddy() != w) continue;
      QString t = l->text().trimmed();
      if (t.endsWith(QChar(':'))) t.chop(1);
      return t;
    }
    return w->objectName();
  };
  auto b = [&](auto& list, QWidget* w, auto field, FieldKind k, int width = 0, const QString& name = QString()) {
    list.push_back({w, field, k, width, name.isEmpty() ? nameOf(w) : name});
  };
  // The size boxes all read "Mérete:"; messages name them by their font.
  const QString textSize = QStringLiteral("Szövegek betűmérete");
  using SR = SetRekord;
  b(csekk_, Textosszeg_x1, &SR::Osszeg_x1, P);
  b(csekk_, Textosszeg_x2, &SR::Osszeg_x2, P);
  b(csekk_, Textosszeg_y, &SR::Osszeg_y, P);
  b(csekk_, Textkozlemeny_x, &SR::Kozlemeny_x, P);
  b(csekk_, Textkozlemeny_y, &SR::Kozlemeny_y, P);
  b(csekk_, TextCsSzoveg_x1, &SR::CsSzoveg_x1, P);
  b(csekk_, TextCsSzoveg_x2, &SR::CsSzoveg_x2, P);
  b(csekk_, TextCsSzoveg_y1, &SR::CsSzoveg_y1, P);
  b(csekk_, TextCsSzoveg_y2, &SR::CsSzoveg_y2, P);
  b(csekk_, Textjogcim_y, &SR::Jogcim_y, P);
  b(csekk_, Textjogcim_x, &SR::Jogcim_x, P);
  b(csekk_, Textcim_x1, &SR::Cim_x1, P);
  b(csekk_, Textcim_x2, &SR::Cim_x2, P);
  b(csekk_, Textcim_y, &SR::Cim_y, P);
  b(csekk_, Textirsz_y, &SR::Irsz_y, P);
  b(csekk_, ComboBetuTipus1, &SR::BetuTipus1, T, 25);
  b(csekk_, ComboBetuTipus2, &SR::BetuTipus2, T, 25);
  b(csekk_, TextBetuMeret1, &SR::BetuMeret1, Z, 0, QStringLiteral("Numerikus összegek betűmérete"));
  b(csekk_, TextBetuMeret2, &SR::BetuMeret2, Z, 0, textSize);
  b(csekk_, TextBefizAzon_x, &SR::BefizAzon_x, PR);
  b(csekk_, TextBefizAzon_y, &SR::BefizAzon_y, PR);
  b(csekk_, txtFizHat, &SR::FizHat, T, 15, QStringLiteral("Fiz. hat. szöveg"));
  b(csekk_, TextVkorrekcio, &SR::Vkorrekcio, Z);

  using TR_ = SetTertiRekord;
  b(terti_, txtTertiBetuMeret, &TR_::TertiBetuMeret, Z, 0, textSize);
  b(terti_, cmbTertiBetuTipus, &TR_::TertiBetuTipus, T, 25);
  b(terti_, txtTertiCimzett_y, &TR_::TertiCimzett_y, P);
  b(terti_, txtTertiCimzett_x, &TR_::TertiCimzett_x, P20);
  b(terti_, txtTertiKuldemAzonosito_y, &TR_::TertiKuldemAzonosito_y, P);
  b(terti_, txtTertiKuldemAzonosito_x, &TR_::TertiKuldemAzonosito_x, P20);
  b(terti_, txtTertiUgyfazonosito_y, &TR_::TertiUgyfazonosito_y, P);
  b(terti_, txtTertiUgyfazonosito_x, &TR_::TertiUgyfazonosito_x, P20);
  b(terti_, txtTertiUgyfSajatJel_y, &TR_::TertiUgyfSajatJel_y, P);
  b(terti_, txtTertiUgyfSajatJel_x, &TR_::TertiUgyfSajatJel_x, P20);
  b(terti_, txtTertiVisszakuld_y, &TR_::TertiVisszakuld_y, P);
  b(terti_, txtTertiVisszakuld_x, &TR_::TertiVisszakuld_x, P20);
  b(terti_, txtTertiVisszakuldNev, &TR_::TertiVisszakuldNev, TR, 40);
  b(terti_, txtTertiVisszakuldCim1, &TR_::TertiVisszakuldCim1, TR, 40);
  b(terti_, txtTertiVisszakuldCim2, &TR_::TertiVisszakuldCim2, TR, 40);
  b(terti_, txtTertiPipa_y, &TR_::TertiPipa_y, P);
  b(terti_, txtTertiPipaPri_x, &TR_::TertiPipaPri_x, P);
  b(terti_, txtTertiPipaSk_x, &TR_::TertiPipaSk_x, P);
  b(terti_, txtTertiPipaUv_x, &TR_::TertiPipaUv_x, P);
  b(terti_, txtTertiFelKelte_y, &TR_::TertiFelKelte_y, P);
  b(terti_, KTertiKulAzon_y, &TR_::KTertiKulAzon_y, P);
  b(terti_, KTertiKulAzon_x, &TR_::KTertiKulAzon_x, P);
  b(terti_, KTertiKulVissza_y, &TR_::KTertiKulVissza_y, P);
  b(terti_, KTertiKulVissza_x, &TR_::KTertiKulVissza_x, P);
  b(terti_, KTertiKulVisszaSorem, &TR_::KTertiKulVisszaSorem, S);
  b(terti_, KTertiKulLevPriCsom_y, &TR_::KTertiKulLevPriCsom_y, S);
  b(terti_, KTertiKulPri_x, &TR_::KTertiKulPri_x, S);
  b(terti_, KTertiKulAjanlott_y, &TR_::KTertiKulAjanlott_y, S);
  b(terti_, KTertiKulAjanlottEsSK_x, &TR_::KTertiKulAjanlottEsSK_x, S);
  b(terti_, KTertiKulSK_y, &TR_::KTertiKulSK_y, S);
  b(terti_, txtTertiVisszakuldIrsz, &TR_::TertiVisszakuldIrsz, TR, 10);
  b(terti_, txtKTertiCimzett_y, &TR_::KTertiCimzett_y, S);
  b(terti_, txtKTertiCimzett_x, &TR_::KTertiCimzett_x, S);
  b(terti_, txtKTertiCsomag_x, &TR_::KTertiCsomag_x, S);

  using FR = SetFvevenyRekord;
  b(fveveny_, txtFeladovevenyFelado_y, &FR::FeladovevenyFelado_y, P);
  b(fveveny_, txtFeladovevenyFelado_x, &FR::FeladovevenyFelado_x, P20);
  b(fveveny_, txtFeladovevenyErtek_y, &FR::FeladovevenyErtek_y, P);
  b(fveveny_, txtFeladovevenyErtek_x, &FR::FeladovevenyErtek_x, P20);
  b(fveveny_, txtFeladovevenyCimzett_y, &FR::FeladovevenyCimzett_y, P);
  b(fveveny_, txtFeladovevenyCimzett_x, &FR::FeladovevenyCimzett_x, P20);
  b(fveveny_, txtFeladovevenyFeladoNev, &FR::FeladovevenyFeladoNev, TR, 40);
  b(fveveny_, txtFeladovevenyFeladoCim1, &FR::FeladovevenyFeladoCim1, TR, 40);
  b(fveveny_, txtFeladovevenyFeladoCim2, &FR::FeladovevenyFeladoCim2, TR, 40);
  b(fveveny_, cmbFeladovevenyBetuTipus, &FR::FeladovevenyBetuTipus, T, 25);
  b(fveveny_, txtFeladovevenyBetuMeret, &FR::FeladovevenyBetuMeret, Z, 0, QStringLiteral("Betűméret"));
  b(fveveny_, txFeladovevenyXAjanlott_y, &FR::FeladovevenyXAjanlott_y, PR);
  b(fveveny_, txFeladovevenyXCsomag_y, &FR::FeladovevenyXCsomag_y, PR);
  b(fveveny_, txFeladovevenyXAjanlott_x, &FR::FeladovevenyXAjanlott_x, P20);
  b(fveveny_, txFeladovevenyXTerti_x, &FR::FeladovevenyXTerti_x, P20);
  b(fveveny_, txFeladovevenyXErtek_x, &FR::FeladovevenyXErtek_x, P20);
  b(fveveny_, txFeladovevenyXK1_y, &FR::FeladovevenyXK1_y, PR);
  Fixed FR::*const marks[6] = {&FR::FeladovevenyXK1_x, &FR::FeladovevenyXK2_x, &FR::FeladovevenyXK3_x,
                               &FR::FeladovevenyXK4_x, &FR::FeladovevenyXK5_x, &FR::FeladovevenyXK6_x};
  for (int i = 0; i < 6; ++i) b(fveveny_, txFeladovevenyXK_x[i], marks[i], P20);
  b(fveveny_, txFeladovevenyUtanvet_y, &FR::FeladovevenyUtanvet_y, P);
  b(fveveny_, txFeladovevenyUtanvet_x, &FR::FeladovevenyUtanvet_x, P20);
  b(fveveny_, txFeladovevenyUtanvetszoveg1_x, &FR::FeladovevenyUtanvetszoveg1_x, P20);
  b(fveveny_, txFeladovevenyUtanvetszoveg1_y, &FR::FeladovevenyUtanvetszoveg1_y, P);
  b(fveveny_, txFeladovevenyUtanvetszoveg2_x, &FR::FeladovevenyUtanvetszoveg2_x, P20);
  b(fveveny_, txFeladovevenyUtanvetszoveg2_y, &FR::FeladovevenyUtanvetszoveg2_y, P);
  b(fveveny_, txtFeladovevenyBetuMeret2, &FR::FeladovevenyBetuMeret2, Z);

  using IR = SetIrat2Rekord;
  b(irat_, txtIratTertiBetuMeret, &IR::IratTertiBetuMeret, Z, 0, textSize);
  b(irat_, cmbIratTertiBetuTipus, &IR::IratTertiBetuTipus, T, 25);
  b(irat_, cmbVkodBetutipus, &IR::VkodBetutipus, T, 25);
  b(irat_, txtVkodMeret, &IR::VkodMeret, Z, 0, QStringLiteral("Vonalkód betűmérete"));
  b(irat_, txtIratTertiCimzett_y, &IR::IratTertiCimzett_y, P);
  b(irat_, txtIratTertiCimzett_x, &IR::IratTertiCimzett_x, P);
  b(irat_, txtIratTertiFelado_y, &IR::IratTertiFelado_y, P);
  b(irat_, txtIratTertiFelado_x, &IR::IratTertiFelado_x, P);
  b(irat_, txtIratTertiIratszam_y, &IR::IratTertiIratszam_y, P);
  b(irat_, txtIratTertiIratszam_x, &IR::IratTertiIratszam_x, P);
  b(irat_, txtIratTertiIratfajta_y, &IR::IratTertiIratfajta_y, P);
  b(irat_, txtIratTertiIratfajta_x, &IR::IratTertiIratfajta_x, P);
  b(irat_, txtIratTertiIratmelleklet_y, &IR::IratTertiIratmelleklet_y, P);
  b(irat_, txtIratTertiIratmelleklet_x, &IR::IratTertiIratmelleklet_x, P);
  b(irat_, txtIratTertiIratotthagy_y, &IR::IratTertiIratotthagy_y, P);
  b(irat_, txtIratTertiIratotthagy_x, &IR::IratTertiIratotthagy_x, P);
  b(irat_, txtIratTertiIratposta_y, &IR::IratTertiIratposta_y, P);
  b(irat_, txtIratTertiIratposta_x, &IR::IratTertiIratposta_x, P);
  b(irat_, txtIratTertiIratkuldAzon_y, &IR::IratTertiIratkuldAzon_y, P);
  b(irat_, txtIratTertiIratkuldAzon_x, &IR::IratTertiIratkuldAzon_x, P);

  using RR = SetRcsekkRekord;
  b(rcsekk_, TextRcsekkBetuMeret1, &RR::RcsekkBetuMeret1, Z, 0, QStringLiteral("Számok betűmérete"));
  b(rcsekk_, TextRcsekkBetuMeret2, &RR::RcsekkBetuMeret2, Z, 0, textSize);
  b(rcsekk_, cmbRcsekkNumBetuTipus, &RR::RcsekkNumBetuTipus, TR, 25);
  b(rcsekk_, cmbRcsekkSzovegBetuTipus, &RR::RcsekkSzovegBetuTipus, TR, 25);
  b(rcsekk_, RcsekkTextcim_x1, &RR::RcsekkTextcim_x1, P);
  b(rcsekk_, RcsekkTextcim_x2, &RR::RcsekkTextcim_x2, P);
  b(rcsekk_, RcsekkTextcim_y, &RR::RcsekkTextcim_y, P);
  b(rcsekk_, RcsekkTextcim2_y, &RR::RcsekkTextcim2_y, P);
  b(rcsekk_, RcsekkTextirsz_y, &RR::RcsekkTextirsz_y, P);
  b(rcsekk_, RcsekkTextirsz2_y, &RR::RcsekkTextirsz2_y, P);
  b(rcsekk_, RcsekkTextCsSzoveg_x1, &RR::RcsekkTextCsSzoveg_x1, P);
  b(rcsekk_, RcsekkTextCsSzoveg_x2, &RR::RcsekkTextCsSzoveg_x2, P);
  b(rcsekk_, RcsekkTextCsSzoveg_y1, &RR::RcsekkTextCsSzoveg_y1, P);
  b(rcsekk_, RcsekkTextCsSzoveg_y2, &RR::RcsekkTextCsSzoveg_y2, P);
  b(rcsekk_, RcsekkTextosszeg_x1, &RR::RcsekkTextosszeg_x1, P);
  b(rcsekk_, RcsekkTextosszeg_x2, &RR::RcsekkTextosszeg_x2, P);
  b(rcsekk_, RcsekkTextosszeg_y1, &RR::RcsekkTextosszeg_y1, P);
  b(rcsekk_, RcsekkTextosszeg_y2, &RR::RcsekkTextosszeg_y2, P);
  b(rcsekk_, RcsekkTextFelado_x, &RR::RcsekkTextFelado_x, P);
  b(rcsekk_, RcsekkTextFelado_y, &RR::RcsekkTextFelado_y, P);
  b(rcsekk_, txRcsekkFeladoHatoldal_x, &RR::RcsekkFeladoHatoldal_x, P);
  b(rcsekk_, txRcsekkFeladoHatoldal_y, &RR::RcsekkFeladoHatoldal_y, P);
  b(rcsekk_, txRcsekkKozlemHatoldal_x, &RR::RcsekkKozlemHatoldal_x, P);
  b(rcsekk_, txRcsekkKozlemHatoldal_y, &RR::RcsekkKozlemHatoldal_y, P);
  b(party_, txRcsekkNev, &RR::RcsekkNev, T, 40);
  b(party_, txRcsekkCim, &RR::RcsekkCim, T, 40);
  b(party_, txRcsekkHelyseg, &RR::RcsekkHelyseg, T, 40);
  b(party_, txRcsekkIrszam, &RR::RcsekkIrszam, TR, 4);
  bank_.push_back({txtBankNum, &RR::BankNum, T, 30, QStringLiteral("Bankszámla száma")});
  bank_.push_back({txtBankNeve, &RR::BankNeve, T, 20, QStringLiteral("Bank neve")});
  bank_.push_back({txtBankIrsz, &RR::BankIrsz, TR, 4, QStringLiteral("Irányítószám")});

  using UR = SetUlapRekord;
  b(ulap_, UlapCim_x, &UR::UlapCim_x, P);
  b(ulap_, UlapCim_y, &UR::UlapCim_y, P);
  b(ulap_, UlapTextCsSzoveg_x, &UR::UlapTextCsSzoveg_x, P);
  b(ulap_, UlapTextCsSzoveg_y, &UR::UlapTextCsSzoveg_y, P);
  b(ulap_, UlapTextosszeg_x, &UR::UlapTextosszeg_x, P);
  b(ulap_, UlapTextosszeg_y1, &UR::UlapTextosszeg_y1, P);
  b(ulap_, UlapTextosszeg_y2, &UR::UlapTextosszeg_y2, P);
  b(ulap_, UlapTextFelado_x, &UR::UlapTextFelado_x, P);
  b(ulap_, UlapTextFelado_y, &UR::UlapTextFelado_y, P);
  b(ulap_, UlapKuldCim_x, &UR::UlapKuldCim_x, P);
  b(ulap_, UlapKuldCim_y, &UR::UlapKuldCim_y, P);
  b(ulap_, UlapRX_x, &UR::UlapRX_x, P);
  b(ulap_, UlapRX_y, &UR::UlapRX_y, P);

  using BR = BoritekRekord;
  b(sender_, txtBoritekFeladoNev, &BR::BoritekFeladoNev, T, 40);
  b(sender_, txtBoritekFeladoCim1, &BR::BoritekFeladoCim1, T, 40);
  b(sender_, txtBoritekFeladoCim2, &BR::BoritekFeladoCim2, T, 40);
  b(sender_, txtBoritekFeladoIrSzam, &BR::BoritekFeladoIrSzam, TR, 4);
  b(sender_, cmbBoritekNevBetutipus, &BR::BoritekNevBetutipus, T, 25);
  b(sender_, txtBoritekNevBetumeret, &BR::BoritekNevBetumeret, Z, 0, QStringLiteral("Címzett betűmérete"));
  b(sender_, txtBoritekFeladoBetumeret, &BR::BoritekFeladoBetumeret, Z, 0, QStringLiteral("Feladó betűmérete"));
}

namespace {
const QString kOlvasatlanUtan =
    QStringLiteral("\r\nAmíg ez az ablak nyitva van, a nem olvasható fájlba nem kerül mentésre semmi.");
}  // namespace

void frmSetup::Form_Load() {
  if (beallitasFul_ >= 0 && beallitasFul_ < SSTab1->count()) SSTab1->setCurrentIndex(beallitasFul_);

  // The font lists offer the current printer's fonts; without a printer they stay empty.
  QStringList fonts;
  if (platform_.printer) {
    try {
      fonts = platform_.printer->fonts();
    } catch (const PrinterError&) {
    }
  }
  for (QComboBox* c : {ComboBetuTipus1, ComboBetuTipus2, cmbTertiBetuTipus, cmbBoritekNevBetutipus,
                       cmbFeladovevenyBetuTipus, cmbIratTertiBetuTipus, cmbVkodBetutipus, cmbRcsekkNumBetuTipus,
                       cmbRcsekkSzovegBetuTipus})
    c->addItems(fonts);

  if (OpB1->isChecked()) OpB1_Click();
  else OpB1->setChecked(true);

  olvas(kSetUlapFile, layouts_.Ulap);
  showFields(layouts_.Ulap, ulap_);

  olvas(kSetFile, set_);
  showFields(set_, csekk_);
  chkFizHat->setCheckState(isTrue(set_.FizHatBeolvas) ? Qt::Checked : Qt::Unchecked);
  setCheckValue(chkPrintDel, set_.PrintDel);
  for (QCheckBox* c : chkNyomtatando) c->setCheckState(Qt::Checked);
  if (isTrue(set_.KilepeskorMentes)) {
    chkNyomtatando[6]->setCheckState(Qt::Checked);
    for (int i = 0; i < 8; ++i)
      chkNyomtatando[i]->setCheckState(isTrue(set_.Nyomtatando[i]) ? Qt::Checked : Qt::Unchecked);
  } else {
    chkNyomtatando[6]->setCheckState(Qt::Unchecked);
  }

  olvas(kSetTertiFile, layouts_.Terti);
  showFields(layouts_.Terti, terti_);
  olvas(kSetIrat2File, layouts_.Irat2);
  showFields(layouts_.Irat2, irat_);
  olvas(kSetFvevenyFile, layouts_.Fveveny);
  showFields(layouts_.Fveveny, fveveny_);
  olvas(kBoritekFile, layouts_.Boritek);
  loadBoritekSender();

  olvas(kSetRcsekkFile, layouts_.Rcsekk);
  showFields(layouts_.Rcsekk, rcsekk_);
  showFields(layouts_.Rcsekk, party_);
  showFields(layouts_.Rcsekk, bank_);
  if (isTrue(layouts_.Rcsekk.ULapCizett)) opULapCizett[0]->setChecked(true);
  else opULapCizett[1]->setChecked(true);

  betoltve_ = true;
  if (!olvasatlan_.isEmpty())
    platform_.messages->info(QStringList(olvasatlan_.values()).join(QStringLiteral("\r\n")) + kOlvasatlanUtan,
                             QStringLiteral("Hiba"), MsgIcon::Critical);
}

template <class R>
void frmSetup::olvas(const QString& file, R& r) {
  QString hiba;
  if (loadSettings(platform_.folder, file, r, &hiba) || olvasatlan_.contains(file)) return;
  olvasatlan_.insert(file, hiba);
  if (betoltve_) platform_.messages->info(hiba + kOlvasatlanUtan, QStringLiteral("Hiba"), MsgIcon::Critical);
}

// The envelope tab reads its record again when its size changes.
template void frmSetup::olvas(const QString&, BoritekRekord&);

bool frmSetup::olvasatlan(std::initializer_list<QString> files) {
  for (const QString& f : files) {
    if (!olvasatlan_.contains(f)) continue;
    refuse(olvasatlan_.value(f));
    return true;
  }
  return false;
}

void frmSetup::Command3_Click() { reject(); }

void frmSetup::cmdJogcim_Click() { frmJogcimek::open(platform_); }

void frmSetup::cmdKozlemeny_Click() { frmKozlemeny::open(platform_); }

void frmSetup::cmdKTerti_Click() {
  const bool show = frameKTerti->isHidden();
  frameKTerti->setVisible(show);
  cmdKTerti->setText(show ? QStringLiteral("Külföldi Tértivevény Beállítások ELREJTÉSE")
                          : QStringLiteral("Külföldi Tértivevény Beállítások MEGJELENÍTÉSE"));
}

void frmSetup::cmdKeretMegjelenites_Click() {
  const bool show = Frame5->isHidden();
  Frame5->setVisible(show);
  cmdKeretMegjelenites->setText(show ? QStringLiteral("Kipipálandó jelölőnégyzetek pozícióinak ELREJTÉSE...")
                                     : QStringLiteral("Kipipálandó jelölőnégyzetek pozícióinak MEGJELENÍTÉSE"));
}

void frmSetup::Command4_Click() {
  const bool show = Frame7->isHidden();
  Frame7->setVisible(show);
  Command4->setText(show ? QStringLiteral("Első oldal beállításai") : QStringLiteral("Hátoldal beállításai"));
}

void frmSetup::opULapCizett_Click(int) {
  // Only option (0) decides, whichever was clicked.
  const bool hide = opULapCizett[0]->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{txtBankNum, txtBankNeve, txtBankIrsz, lbBankNum, lbBankNeve})
    w->setHidden(hide);
}

bool frmSetup::ask(const QString& line1, const QString& line2, const QString& title) {
  return platform_.messages->ask(line1 + QStringLiteral("\r\n") + line2 + QStringLiteral("\r\n"), title);
}

void frmSetup::refuse(const QString& error) {
  platform_.messages->info(error + QStringLiteral("\r\nA beállítások nem kerültek mentésre."), QStringLiteral("Hiba"),
                           MsgIcon::Exclamation);
}

void frmSetup::notSaved(const MentesEredmeny& e, const QString& mentett, const QString& nemMentve) {
  QString szoveg = mentesUzenet(
      e, nemMentve.isEmpty() ? QStringLiteral("A(z) %1 fájl nem írható, a beállítások nem kerültek mentésre.").arg(e.fajl)
                             : nemMentve,
      QStringLiteral("a beállítások"));
  if (!mentett.isEmpty())
    szoveg.prepend(QStringLiteral("A(z) %1 fájlba a beállítások mentésre kerültek.\r\n").arg(mentett));
  platform_.messages->info(szoveg, QStringLiteral("Hiba"), MsgIcon::Critical);
}

template <class R, class Pick>
bool frmSetup::saveBound(const QString& file, R& shared, const Bindings<R>& list, Pick pick) {
  if (olvasatlan({file})) return false;
  QString error;
  R probe = shared;
  if (!storeFields(probe, list, &error, pick)) {
    refuse(error);
    return false;
  }
  R fresh{};
  const MentesEredmeny e = modifySettings(platform_.folder, file, fresh, [&](R& r) { storeFields(r, list, nullptr, pick); });
  if (e.ujLemezen()) shared = fresh;
  if (!e) notSaved(e);
  return e;
}

template <class R>
void frmSetup::restoreBound(const QString& file, R& shared, const Bindings<R>& list, const FactoryTable<R>& table,
                            bool storeAll) {
  R factory = shared;
  applyFactory(factory, table);
  for (const auto& b : list)
    if (hasFactoryValue(table, b.field)) showField(factory, b);
  saveBound(file, shared, list, [&](const Binding<R>& b) { return storeAll || hasFactoryValue(table, b.field); });
}

namespace {
template <class R>
auto all() {
  return [](const Binding<R>&) { return true; };
}
}  // namespace

void frmSetup::Command1_Click() {
  if (!ask(kSureModify, {}, kModify)) return;
  if (olvasatlan({kSetFile})) return;
  const Bindings<SetRekord>& list = csekk_;
  QString error;
  SetRekord probe = set_;
  if (!storeFields(probe, list, &error)) {
    refuse(error);
    return;
  }
  SetRekord fresh{};
  const MentesEredmeny e = saveSetFields(platform_.folder, fresh, [&](SetRekord& r) {
    storeFields(r, list, nullptr);
    r.FizHatBeolvas = flagOf(ticked(chkFizHat));
    for (int i = 0; i < 8; ++i) r.Nyomtatando[i] = flagOf(ticked(chkNyomtatando[i]));
    r.KilepeskorMentes = r.Nyomtatando[6];
  });
  if (e.ujLemezen()) set_ = fresh;
  if (!e) notSaved(e);
}

void frmSetup::Command2_Click() {
  if (!ask(QStringLiteral("Biztos módosítod a beállításokat"), QStringLiteral("az alapértelmezett értékekre?"), kModify))
    return;
  restoreBound(kSetFile, set_, csekk_, setFactory(), false);
}

void frmSetup::cmdTertiMentes_Click() {
  if (!ask(kSureModify, {}, kModify)) return;
  saveBound(kSetTertiFile, layouts_.Terti, terti_, all<SetTertiRekord>());
}

void frmSetup::cmdTertiAlapbeallitas_Click() {
  if (!ask(kSureRestore, {}, kRestoreTitle)) return;
  // The return address has no factory value: it is stored as its boxes show it.
  restoreBound(kSetTertiFile, layouts_.Terti, terti_, tertiFactory(), true);
}

void frmSetup::cmdFeladovevenyMentes_Click() {
  if (!ask(kSureModify, {}, kModify)) return;
  saveBound(kSetFvevenyFile, layouts_.Fveveny, fveveny_, all<SetFvevenyRekord>());
}

void frmSetup::cmdFeladovevenyAlapbeallitas_Click() {
  if (!ask(kSureRestore, {}, kRestoreTitle)) return;
  restoreBound(kSetFvevenyFile, layouts_.Fveveny, fveveny_, fvevenyFactory(), true);
}

void frmSetup::cmdIratTertiMentes_Click() {
  if (!ask(kSureModify, {}, kModify)) return;
  if (olvasatlan({kSetIrat2File, kSetFile})) return;
  if (!saveBound(kSetIrat2File, layouts_.Irat2, irat_, all<SetIrat2Rekord>())) return;
  SetRekord fresh{};
  const int printDel = checkValue(chkPrintDel);
  const MentesEredmeny e = saveSetFields(platform_.folder, fresh, [&](SetRekord& r) { r.PrintDel = int16_t(printDel); });
  if (e.ujLemezen()) set_ = fresh;
  if (!e)
    notSaved(e, kSetIrat2File,
             QStringLiteral("A(z) %1 fájl nem írható, a „Nyomtatottak törlése a listából” beállítás nem került mentésre.")
                 .arg(e.fajl));
}

void frmSetup::cmdIratTertiAlapbeallitas_Click() {
  if (!ask(kSureRestore, {}, kRestoreTitle)) return;
  restoreBound(kSetIrat2File, layouts_.Irat2, irat_, irat2Restore(), false);
  // The code font and size stay as saved, and the tab shows them so.
  for (const auto& b : irat_)
    if (!hasFactoryValue(irat2Restore(), b.field)) showField(layouts_.Irat2, b);
}

void frmSetup::cmdRCsekkMentes_Click() {
  if (!ask(kSureModify, {}, kModify)) return;
  saveBound(kSetRcsekkFile, layouts_.Rcsekk, rcsekk_, all<SetRcsekkRekord>());
}

void frmSetup::cmdRCsekkAlapertelm_Click() {
  if (!ask(QStringLiteral("Biztos visszaállítod a beállításokat"), QStringLiteral("az alapértelmezett értékekre?"),
           kModify))
    return;
  restoreBound(kSetRcsekkFile, layouts_.Rcsekk, rcsekk_, rcsekkFactory(), false);
}

void frmSetup::cmdRcsekkCimzettMent_Click() {
  if (!ask(QStringLiteral("Biztos menthető a címzett adatai?"), {}, QStringLiteral(" Mentés "))) return;
  saveBound(kSetRcsekkFile, layouts_.Rcsekk, party_, all<SetRcsekkRekord>());
}

void frmSetup::cmdULapMentes_Click() {
  if (!ask(kSureModify, {}, kModify)) return;
  if (olvasatlan({kSetUlapFile, kSetRcsekkFile})) return;
  if (!saveBound(kSetUlapFile, layouts_.Ulap, ulap_, all<SetUlapRekord>())) return;
  SetRcsekkRekord fresh{};
  const bool byAddress = opULapCizett[0]->isChecked();
  const MentesEredmeny e = modifySettings(platform_.folder, kSetRcsekkFile, fresh, [&](SetRcsekkRekord& r) {
    storeFields(r, bank_, nullptr);
    r.ULapCizett = flagOf(byAddress);
  });
  if (e.ujLemezen()) layouts_.Rcsekk = fresh;
  if (!e)
    notSaved(e, kSetUlapFile,
             QStringLiteral("A(z) %1 fájl nem írható, az összeg címzettjének adatai nem kerültek mentésre.").arg(e.fajl));
}

void frmSetup::cmdUlapAlapertelmezettre_Click() {
  if (!ask(QStringLiteral("Biztos visszaállíthatók az alapértékek?"), {}, kModify)) return;
  restoreBound(kSetUlapFile, layouts_.Ulap, ulap_, ulapFactory(), false);
}

void frmSetup::cmdBoritekFeladoSave_Click() {
  saveBound(kBoritekFile, layouts_.Boritek, sender_, all<BoritekRekord>());
}
