#pragma once
// The layout settings dialog "Beállítások": one tab per form type, each editing one layout
// record. Opening re-reads the seven records into the shared in-memory copies; every save and
// restore writes its record at once.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>
#include <initializer_list>

#include "common/platform.h"
#include "common/setrekord.h"
#include "layouts/binding.h"
#include "layouts/layoutrecords.h"

class frmSetup : public QDialog {
  Q_OBJECT
 public:
  // Builds and loads the dialog (Form_Load) on tab `beallitasFul`.
  frmSetup(Platform& platform, SetRekord& set, LayoutRecords& layouts, int beallitasFul,
           QWidget* parent = nullptr);
  // The main window's "&Beállítások": shows the dialog modally, centred, until it is closed.
  static void open(Platform& platform, SetRekord& set, LayoutRecords& layouts, int beallitasFul);

  // Dialog-wide.
  void Form_Load();
  void Command3_Click();
  void cmdJogcim_Click();
  void cmdKozlemeny_Click();
  void cmdKTerti_Click();
  void cmdKeretMegjelenites_Click();
  void Command4_Click();
  void opULapCizett_Click(int index);

  // Tab handlers.
  void Command1_Click();
  void Command2_Click();
  void cmdTertiMentes_Click();
  void cmdTertiAlapbeallitas_Click();
  void cmdFeladovevenyMentes_Click();
  void cmdFeladovevenyAlapbeallitas_Click();
  void cmdIratTertiMentes_Click();
  void cmdIratTertiAlapbeallitas_Click();
  void cmdRCsekkMentes_Click();
  void cmdRCsekkAlapertelm_Click();
  void cmdRcsekkCimzettMent_Click();
  void cmdULapMentes_Click();
  void cmdUlapAlapertelmezettre_Click();

  // Envelope tab.
  void OpB1_Click();
  void OpB2_Click();
  void OpB3_Click();
  void cmdBoritekMeretSave_Click(int index);
  void cmdBoritekFeladoSave_Click();
  void cmbBoritekNevBetutipus_Click();
  void txtBoritekNevBetumeret_Change();

  QTabWidget* SSTab1 = nullptr;
  QPushButton* Command3 = nullptr;

  // Tab 0 "Csekk".
  QLineEdit *Textosszeg_x1{}, *Textosszeg_x2{}, *Textosszeg_y{}, *Textkozlemeny_x{}, *Textkozlemeny_y{};
  QLineEdit *TextCsSzoveg_x1{}, *TextCsSzoveg_x2{}, *TextCsSzoveg_y1{}, *TextCsSzoveg_y2{};
  QLineEdit *Textjogcim_y{}, *Textjogcim_x{}, *Textcim_x1{}, *Textcim_x2{}, *Textcim_y{}, *Textirsz_y{};
  QComboBox *ComboBetuTipus1{}, *ComboBetuTipus2{};
  QLineEdit *TextBetuMeret1{}, *TextBetuMeret2{}, *TextBefizAzon_x{}, *TextBefizAzon_y{};
  QLineEdit *txtFizHat{}, *TextVkorrekcio{};
  QCheckBox* chkFizHat{};
  std::array<QCheckBox*, 8> chkNyomtatando{};
  QPushButton *Command1{}, *Command2{}, *cmdJogcim{}, *cmdKozlemeny{};

  // Tab 1 "Tértivevény".
  QLineEdit *txtTertiCimzett_y{}, *txtTertiCimzett_x{}, *txtTertiUgyfazonosito_y{}, *txtTertiUgyfazonosito_x{};
  QLineEdit *txtTertiUgyfSajatJel_y{}, *txtTertiUgyfSajatJel_x{}, *txtTertiKuldemAzonosito_y{};
  QLineEdit *txtTertiKuldemAzonosito_x{}, *txtTertiVisszakuld_y{}, *txtTertiVisszakuld_x{};
  QComboBox* cmbTertiBetuTipus{};
  QLineEdit* txtTertiBetuMeret{};
  QLineEdit *txtTertiVisszakuldNev{}, *txtTertiVisszakuldCim1{}, *txtTertiVisszakuldCim2{}, *txtTertiVisszakuldIrsz{};
  QLineEdit *txtTertiPipa_y{}, *txtTertiPipaPri_x{}, *txtTertiPipaSk_x{}, *txtTertiPipaUv_x{}, *txtTertiFelKelte_y{};
  QGroupBox* frameKTerti{};
  QLineEdit *KTertiKulVisszaSorem{}, *KTertiKulAzon_y{}, *KTertiKulAzon_x{}, *KTertiKulVissza_y{};
  QLineEdit *KTertiKulVissza_x{}, *KTertiKulPri_x{}, *KTertiKulLevPriCsom_y{}, *KTertiKulAjanlottEsSK_x{};
  QLineEdit *KTertiKulAjanlott_y{}, *KTertiKulSK_y{}, *txtKTertiCsomag_x{}, *txtKTertiCimzett_y{};
  QLineEdit* txtKTertiCimzett_x{};
  QPushButton *cmdKTerti{}, *cmdTertiMentes{}, *cmdTertiAlapbeallitas{};

  // Tab 2 "Feladóvevény".
  QLineEdit *txtFeladovevenyFelado_y{}, *txtFeladovevenyFelado_x{}, *txtFeladovevenyErtek_y{};
  QLineEdit *txtFeladovevenyErtek_x{}, *txtFeladovevenyCimzett_y{}, *txtFeladovevenyCimzett_x{};
  QComboBox* cmbFeladovevenyBetuTipus{};
  QLineEdit *txtFeladovevenyBetuMeret{}, *txtFeladovevenyFeladoNev{}, *txtFeladovevenyFeladoCim1{};
  QLineEdit* txtFeladovevenyFeladoCim2{};
  QGroupBox* Frame5{};
  QLineEdit *txFeladovevenyXAjanlott_y{}, *txFeladovevenyXAjanlott_x{}, *txFeladovevenyXTerti_x{};
  QLineEdit *txFeladovevenyXErtek_x{}, *txFeladovevenyXCsomag_y{}, *txFeladovevenyXK1_y{};
  std::array<QLineEdit*, 6> txFeladovevenyXK_x{};  // txFeladovevenyXK1_x .. XK6_x
  QLineEdit *txFeladovevenyUtanvet_x{}, *txFeladovevenyUtanvet_y{};
  QLineEdit *txFeladovevenyUtanvetszoveg1_x{}, *txFeladovevenyUtanvetszoveg1_y{};
  QLineEdit *txFeladovevenyUtanvetszoveg2_x{}, *txFeladovevenyUtanvetszoveg2_y{};
  QLineEdit* txtFeladovevenyBetuMeret2{};
  QPushButton *cmdKeretMegjelenites{}, *cmdFeladovevenyMentes{}, *cmdFeladovevenyAlapbeallitas{};

  // Tab 3 "Boríték".
  QRadioButton *OpB1{}, *OpB2{}, *OpB3{};
  std::array<QLineEdit*, 4> Text1{};
  std::array<QPushButton*, 3> cmdBoritekMeretSave{};
  std::array<QLabel*, 5> Label3{};  // elements 3 and 4: the two envelope type labels
  QFrame* BoritekMinta{};
  QLabel *lbBoritekSzeles{}, *lbBoritekMagas{}, *lbMinta{};
  QLineEdit *txtBoritekFeladoNev{}, *txtBoritekFeladoCim1{}, *txtBoritekFeladoCim2{}, *txtBoritekFeladoIrSzam{};
  QComboBox* cmbBoritekNevBetutipus{};
  QLineEdit *txtBoritekNevBetumeret{}, *txtBoritekFeladoBetumeret{};
  QPushButton* cmdBoritekFeladoSave{};

  // Tab 4 "Térti Irathoz".
  QLineEdit *txtIratTertiCimzett_y{}, *txtIratTertiCimzett_x{}, *txtIratTertiFelado_y{}, *txtIratTertiFelado_x{};
  QLineEdit *txtIratTertiIratszam_y{}, *txtIratTertiIratszam_x{}, *txtIratTertiIratfajta_y{};
  QLineEdit *txtIratTertiIratfajta_x{}, *txtIratTertiIratmelleklet_y{}, *txtIratTertiIratmelleklet_x{};
  QLineEdit *txtIratTertiIratotthagy_y{}, *txtIratTertiIratotthagy_x{}, *txtIratTertiIratposta_y{};
  QLineEdit *txtIratTertiIratposta_x{}, *txtIratTertiIratkuldAzon_y{}, *txtIratTertiIratkuldAzon_x{};
  QComboBox *cmbIratTertiBetuTipus{}, *cmbVkodBetutipus{};
  QLineEdit *txtIratTertiBetuMeret{}, *txtVkodMeret{};
  QCheckBox* chkPrintDel{};
  QPushButton *cmdIratTertiMentes{}, *cmdIratTertiAlapbeallitas{};

  // Tab 5 "Rózsaszín csekk".
  QLineEdit *RcsekkTextosszeg_x1{}, *RcsekkTextosszeg_x2{}, *RcsekkTextosszeg_y1{}, *RcsekkTextosszeg_y2{};
  QLineEdit *RcsekkTextCsSzoveg_x1{}, *RcsekkTextCsSzoveg_x2{}, *RcsekkTextCsSzoveg_y1{}, *RcsekkTextCsSzoveg_y2{};
  QLineEdit *RcsekkTextFelado_y{}, *RcsekkTextFelado_x{}, *RcsekkTextcim_x1{}, *RcsekkTextcim_x2{};
  QLineEdit *RcsekkTextcim_y{}, *RcsekkTextirsz_y{}, *RcsekkTextcim2_y{}, *RcsekkTextirsz2_y{};
  QGroupBox* Frame7{};
  QLineEdit *txRcsekkFeladoHatoldal_y{}, *txRcsekkFeladoHatoldal_x{};
  QLineEdit *txRcsekkKozlemHatoldal_y{}, *txRcsekkKozlemHatoldal_x{};
  QComboBox *cmbRcsekkNumBetuTipus{}, *cmbRcsekkSzovegBetuTipus{};
  QLineEdit *TextRcsekkBetuMeret1{}, *TextRcsekkBetuMeret2{};
  QLineEdit *txRcsekkNev{}, *txRcsekkHelyseg{}, *txRcsekkCim{}, *txRcsekkIrszam{};
  QPushButton *cmdRcsekkCimzettMent{}, *Command4{}, *cmdRCsekkMentes{}, *cmdRCsekkAlapertelm{};

  // Tab 6 "Utánvételi lap".
  QLineEdit *UlapTextosszeg_x{}, *UlapTextosszeg_y1{}, *UlapTextosszeg_y2{}, *UlapTextFelado_x{};
  QLineEdit *UlapTextFelado_y{}, *UlapTextCsSzoveg_x{}, *UlapTextCsSzoveg_y{}, *UlapCim_x{}, *UlapCim_y{};
  QLineEdit *UlapKuldCim_x{}, *UlapKuldCim_y{}, *UlapRX_x{}, *UlapRX_y{};
  std::array<QRadioButton*, 2> opULapCizett{};
  QLineEdit *txtBankNum{}, *txtBankNeve{}, *txtBankIrsz{};
  QLabel *lbBankNum{}, *lbBankNeve{};
  QPushButton *cmdULapMentes{}, *cmdUlapAlapertelmezettre{};

 private:
  void buildCsekkTab();
  void buildTertiTab();
  void buildFvevenyTab();
  void buildBoritekTab();
  void buildIratTab();
  void buildRcsekkTab();
  void buildUlapTab();
  void bind();
  void loadBoritekSender();
  void showBoritekSize(int size);

  // Record 1 of `file` into the shared copy `r`. A file that cannot be read leaves the copy as
  // it was and is kept in `olvasatlan_`: said once (all of them at once while the dialog loads),
  // and nothing is saved into it while the dialog is open, since its tab does not show it.
  template <class R>
  void olvas(const QString& file, R& r);
  // True, after refusing the save, when one of `files` could not be read.
  bool olvasatlan(std::initializer_list<QString> files);

  // Asks a tab's question: `line1`, a line break, `line2`, a line break.
  bool ask(const QString& line1, const QString& line2, const QString& title);
  void refuse(const QString& error);
  // Says what a save that did not reach the disk left in its file. `mentett` names a file the
  // same button saved before it; `nemMentve` says what was not saved when the file stays as it
  // was (by default: the settings).
  void notSaved(const MentesEredmeny& e, const QString& mentett = {}, const QString& nemMentve = {});

  // Read-modify-write of record 1 of `file` from the bindings `pick` accepts. The shared
  // copy takes the new record when the file holds it; a box that cannot be stored or a failed
  // write leaves the file as it was and says so (or says what the file holds).
  template <class R, class Pick>
  bool saveBound(const QString& file, R& shared, const Bindings<R>& list, Pick pick);
  template <class R>
  void restoreBound(const QString& file, R& shared, const Bindings<R>& list, const FactoryTable<R>& table,
                    bool storeAll);

  Platform& platform_;
  SetRekord& set_;
  LayoutRecords& layouts_;
  int beallitasFul_;

  Bindings<SetRekord> csekk_;
  Bindings<SetTertiRekord> terti_;
  Bindings<SetFvevenyRekord> fveveny_;
  Bindings<SetIrat2Rekord> irat_;
  Bindings<SetRcsekkRekord> rcsekk_;
  Bindings<SetUlapRekord> ulap_;
  Bindings<SetRcsekkRekord> bank_;    // the payee fields saved with the cash-on-delivery tab
  Bindings<SetRcsekkRekord> party_;   // the money order's fixed party
  Bindings<BoritekRekord> sender_;    // envelope sender, font and sizes
  int boritekSize_ = 0;               // size shown on the envelope tab: 0 C6, 1 C5, 2 C5/6
  QMap<QString, QString> olvasatlan_;  // file: why it could not be read
  bool betoltve_ = false;              // Form_Load has finished
};
