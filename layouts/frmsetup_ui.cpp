// The controls of the settings dialog, tab by tab.
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "layouts/frmsetup.h"

namespace {

const QString kSaveTip = QStringLiteral("A felhasználó által megadott méretek, módosítások mentése.");
const QString kRestoreTip = QStringLiteral("Az alapértelmezett méretek visszaállítása.");

// Places labelled boxes into a grid, filling `columns` label/box pairs per row.
class Grid {
 public:
  Grid(QWidget* parent, int columns) : g_(new QGridLayout(parent)), columns_(columns) {}
  QLineEdit* edit(const QString& label, const char* name) {
    auto* e = new QLineEdit;
    e->setMinimumWidth(70);
    place(label, e, name);
    return e;
  }
  QComboBox* font(const QString& label, const char* name) {
    auto* c = new QComboBox;
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumWidth(160);
    place(label, c, name);
    return c;
  }
  // Continues at the start of the next row (unless already there).
  void newRow() {
    if (n_ % columns_) n_ += columns_ - n_ % columns_;
  }
  void span(QWidget* w) {
    newRow();
    g_->addWidget(w, n_ / columns_, 0, 1, columns_ * 2);
    n_ += columns_;
  }
  QGridLayout* layout() { return g_; }

 private:
  void place(const QString& label, QWidget* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    auto* l = new QLabel(label);
    l->setBuddy(w);
    const int row = n_ / columns_, col = (n_ % columns_) * 2;
    g_->addWidget(l, row, col);
    g_->addWidget(w, row, col + 1);
    g_->setColumnStretch(col + 1, 1);
    ++n_;
  }
  QGridLayout* g_;
  int columns_;
  int n_ = 0;
};

QPushButton* button(const QString& caption, const char* name, const QString& tip = QString()) {
  auto* b = new QPushButton(caption);
  b->setObjectName(QString::fromLatin1(name));
  if (!tip.isEmpty()) b->setToolTip(tip);
  return b;
}

QLabel* note(const QString& text) {
  auto* l = new QLabel(text);
  l->setWordWrap(true);
  return l;
}

// The save and restore buttons at the foot of a tab.
QHBoxLayout* footer(std::initializer_list<QWidget*> buttons) {
  auto* h = new QHBoxLayout;
  for (QWidget* b : buttons) h->addWidget(b);
  h->addStretch();
  return h;
}

}  // namespace

void frmSetup::buildCsekkTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* top = new QWidget;
  Grid g(top, 2);
  Textosszeg_x1 = g.edit(QStringLiteral("Numerikus összeg 1 baloldaltól:"), "Textosszeg_x1");
  Textosszeg_x2 = g.edit(QStringLiteral("Numerikus összeg 2 baloldaltól:"), "Textosszeg_x2");
  Textosszeg_y = g.edit(QStringLiteral("Numerikus összegek fentről:"), "Textosszeg_y");
  Textkozlemeny_x = g.edit(QStringLiteral("Közlemény baloldaltól:"), "Textkozlemeny_x");
  Textkozlemeny_y = g.edit(QStringLiteral("Közlemény fentről:"), "Textkozlemeny_y");
  TextCsSzoveg_x1 = g.edit(QStringLiteral("Szöveges összeg 1 baloldaltól:"), "TextCsSzoveg_x1");
  TextCsSzoveg_x2 = g.edit(QStringLiteral("Szöveges összeg 2 baloldaltól:"), "TextCsSzoveg_x2");
  TextCsSzoveg_y1 = g.edit(QStringLiteral("Szöveges összeg 1. sor fentről:"), "TextCsSzoveg_y1");
  TextCsSzoveg_y2 = g.edit(QStringLiteral("Szöveges összeg 2. sor fentről:"), "TextCsSzoveg_y2");
  Textjogcim_y = g.edit(QStringLiteral("Jogcím fentről:"), "Textjogcim_y");
  Textjogcim_x = g.edit(QStringLiteral("Jogcím baloldaltól:"), "Textjogcim_x");
  Textcim_x1 = g.edit(QStringLiteral("Címzés 1 baloldaltól:"), "Textcim_x1");
  Textcim_x2 = g.edit(QStringLiteral("Címzés 2 baloldaltól:"), "Textcim_x2");
  Textcim_y = g.edit(QStringLiteral("Címzés fentről:"), "Textcim_y");
  Textirsz_y = g.edit(QStringLiteral("Irányítószám fentről:"), "Textirsz_y");
  TextBefizAzon_x = g.edit(QStringLiteral("Befizetőazonosító baloldaltól:"), "TextBefizAzon_x");
  TextBefizAzon_y = g.edit(QStringLiteral("Befizetőazonosító fentről:"), "TextBefizAzon_y");
  g.newRow();
  ComboBetuTipus1 = g.font(QStringLiteral("Numerikus összegek betűtípusa:"), "ComboBetuTipus1");
  TextBetuMeret1 = g.edit(QStringLiteral("Mérete:"), "TextBetuMeret1");
  ComboBetuTipus2 = g.font(QStringLiteral("Szövegek betűtípusa:"), "ComboBetuTipus2");
  TextBetuMeret2 = g.edit(QStringLiteral("Mérete:"), "TextBetuMeret2");
  TextVkorrekcio = g.edit(QStringLiteral("Vízszintes korrekció:"), "TextVkorrekcio");
  g.span(note(QStringLiteral("A baloldali pozíciók módosítása... (negatív szám is lehet!)")));
  v->addWidget(top);

  auto* row = new QHBoxLayout;
  auto* items = new QGroupBox(QStringLiteral("Nyomtatandó adatok a csekkre"));
  auto* ig = new QGridLayout(items);
  static const char* const captions[8] = {"Összeg", "Összeg betűvel", "Név", "Cím", "Közlemény",
                                          "Befizetés jogcíme", "Kilépéskor beállítás mentése",
                                          "Befizetőazonosító"};
  for (int i = 0; i < 8; ++i) {
    chkNyomtatando[i] = new QCheckBox(QString::fromUtf8(captions[i]));
    chkNyomtatando[i]->setObjectName(QStringLiteral("chkNyomtatando_%1").arg(i));
    ig->addWidget(chkNyomtatando[i], i / 2, i % 2);
  }
  chkNyomtatando[6]->setToolTip(QStringLiteral("A fenti nyomtatandó beállítások mentése kilépéskor"));
  row->addWidget(items);
  auto* list = new QGroupBox(QStringLiteral("Kijelölés a listamezőben"));
  auto* lv = new QVBoxLayout(list);
  txtFizHat = new QLineEdit(QStringLiteral("Fiz.Hat:"));
  txtFizHat->setObjectName(QStringLiteral("txtFizHat"));
  chkFizHat = new QCheckBox(QStringLiteral("Fizetési határidő beolvasás adatbázisból"));
  lv->addWidget(txtFizHat);
  lv->addWidget(chkFizHat);
  row->addWidget(list);
  v->addLayout(row);

  v->addWidget(note(QStringLiteral(
      "A megadott pozíciók mindig az adott mező első karakterének a pozícióját adják meg "
      "milliméterben, vízszintesen a csekk bal oldalától, ílletve függőlegesen a csekk felső oldalától!")));
  Command1 = button(QStringLiteral("&Beállítások mentése"), "Command1", kSaveTip);
  Command2 = button(QStringLiteral("&Alapértelmezettre visszaállítás"), "Command2", kRestoreTip);
  cmdJogcim = button(QStringLiteral("&Jogcím szövegek felvétele"), "cmdJogcim");
  cmdKozlemeny = button(QStringLiteral("&Közlemény szövegek felvétele"), "cmdKozlemeny");
  v->addLayout(footer({Command1, Command2, cmdJogcim, cmdKozlemeny}));
  SSTab1->addTab(tab, QStringLiteral("Csekk"));
}

void frmSetup::buildTertiTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* top = new QWidget;
  Grid g(top, 2);
  txtTertiCimzett_y = g.edit(QStringLiteral("Címzett neve, címe fentről:"), "txtTertiCimzett_y");
  txtTertiCimzett_x = g.edit(QStringLiteral("Címzett neve, címe baloldaltól:"), "txtTertiCimzett_x");
  txtTertiUgyfazonosito_y = g.edit(QStringLiteral("Ügyfélazonosító fentről:"), "txtTertiUgyfazonosito_y");
  txtTertiUgyfazonosito_x = g.edit(QStringLiteral("Ügyfélazonosító baloldaltól:"), "txtTertiUgyfazonosito_x");
  txtTertiUgyfSajatJel_y = g.edit(QStringLiteral("Ügyfél saját jelzése fentről:"), "txtTertiUgyfSajatJel_y");
  txtTertiUgyfSajatJel_x = g.edit(QStringLiteral("Ügyfél saját jelzése baloldaltól:"), "txtTertiUgyfSajatJel_x");
  txtTertiKuldemAzonosito_y = g.edit(QStringLiteral("Küldeményazonosító fentről:"), "txtTertiKuldemAzonosito_y");
  txtTertiKuldemAzonosito_x = g.edit(
      QStringLiteral("Küldeményazonosító, felv. posta és felvétel kelte baloldaltól:"), "txtTertiKuldemAzonosito_x");
  txtTertiVisszakuld_y = g.edit(QStringLiteral("Visszaküldési cím fentről:"), "txtTertiVisszakuld_y");
  txtTertiVisszakuld_x = g.edit(QStringLiteral("Visszaküldési cím baloldaltól:"), "txtTertiVisszakuld_x");
  txtTertiFelKelte_y = g.edit(QStringLiteral("Felvétel kelte fentről:"), "txtTertiFelKelte_y");
  txtTertiPipa_y = g.edit(QStringLiteral("Különszolgáltatások fentről:"), "txtTertiPipa_y");
  txtTertiPipaPri_x = g.edit(QStringLiteral("pri.:"), "txtTertiPipaPri_x");
  txtTertiPipaSk_x = g.edit(QStringLiteral("sk.:"), "txtTertiPipaSk_x");
  txtTertiPipaUv_x = g.edit(QStringLiteral("UV.:"), "txtTertiPipaUv_x");
  g.newRow();
  cmbTertiBetuTipus = g.font(QStringLiteral("Szövegek betűtípusa:"), "cmbTertiBetuTipus");
  txtTertiBetuMeret = g.edit(QStringLiteral("Mérete:"), "txtTertiBetuMeret");
  v->addWidget(top);

  auto* address = new QGroupBox(QStringLiteral("Visszaküldési cím"));
  Grid a(address, 2);
  txtTertiVisszakuldNev = a.edit(QStringLiteral("Név:"), "txtTertiVisszakuldNev");
  txtTertiVisszakuldCim1 = a.edit(QStringLiteral("Cím:"), "txtTertiVisszakuldCim1");
  txtTertiVisszakuldCim2 = a.edit(QStringLiteral("Cím:"), "txtTertiVisszakuldCim2");
  txtTertiVisszakuldIrsz = a.edit(QStringLiteral("Irányítószám:"), "txtTertiVisszakuldIrsz");
  v->addWidget(address);

  cmdKTerti = button(QStringLiteral("Külföldi Tértivevény Beállítások MEGJELENÍTÉSE"), "cmdKTerti");
  v->addWidget(cmdKTerti);
  frameKTerti = new QGroupBox(QStringLiteral("Külföldi Térti Beállításai"));
  Grid k(frameKTerti, 2);
  KTertiKulVisszaSorem = k.edit(QStringLiteral("Soremelés mm:"), "KTertiKulVisszaSorem");
  KTertiKulAzon_y = k.edit(QStringLiteral("Küldeményazonosító fentről:"), "KTertiKulAzon_y");
  KTertiKulAzon_x = k.edit(QStringLiteral("Küldeményazonosító baloldaltól:"), "KTertiKulAzon_x");
  KTertiKulVissza_y = k.edit(QStringLiteral("Visszaküldési cím fentről:"), "KTertiKulVissza_y");
  KTertiKulVissza_x = k.edit(QStringLiteral("Visszaküldési cím baloldaltól:"), "KTertiKulVissza_x");
  KTertiKulPri_x = k.edit(QStringLiteral("pri. baloldaltól:"), "KTertiKulPri_x");
  KTertiKulLevPriCsom_y = k.edit(QStringLiteral("Levél, pri., csomag fentről:"), "KTertiKulLevPriCsom_y");
  KTertiKulAjanlottEsSK_x = k.edit(QStringLiteral("Ajánlott, levél, sk. baloldaltól:"), "KTertiKulAjanlottEsSK_x");
  KTertiKulAjanlott_y = k.edit(QStringLiteral("Ajánlott fentről:"), "KTertiKulAjanlott_y");
  KTertiKulSK_y = k.edit(QStringLiteral("sk. fentről:"), "KTertiKulSK_y");
  txtKTertiCsomag_x = k.edit(QStringLiteral("Csomag balodaltól:"), "txtKTertiCsomag_x");
  txtKTertiCimzett_y = k.edit(QStringLiteral("Címzett neve, címe fentről:"), "txtKTertiCimzett_y");
  txtKTertiCimzett_x = k.edit(QStringLiteral("Címzett neve, címe baloldaltól:"), "txtKTertiCimzett_x");
  frameKTerti->hide();
  v->addWidget(frameKTerti);

  v->addWidget(note(QStringLiteral(
      "A megadott pozíciók mindig az adott mező első karakterének a pozícióját adják meg "
      "milliméterben, vízszintesen a tértivevény bal oldalától, ílletve függőlegesen a tértivevény "
      "felső oldalától!")));
  cmdTertiMentes = button(QStringLiteral("B&eállítások mentése"), "cmdTertiMentes", kSaveTip);
  cmdTertiAlapbeallitas = button(QStringLiteral("A&lapértelmezettre visszaállítás"), "cmdTertiAlapbeallitas", kRestoreTip);
  v->addLayout(footer({cmdTertiMentes, cmdTertiAlapbeallitas}));
  SSTab1->addTab(tab, QStringLiteral("Tértivevény"));
}

void frmSetup::buildFvevenyTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* top = new QWidget;
  Grid g(top, 2);
  txtFeladovevenyFelado_y = g.edit(QStringLiteral("Feladó fentről:"), "txtFeladovevenyFelado_y");
  txtFeladovevenyFelado_x = g.edit(QStringLiteral("Feladó baloldaltól:"), "txtFeladovevenyFelado_x");
  txtFeladovevenyErtek_y = g.edit(QStringLiteral("Érték fentről:"), "txtFeladovevenyErtek_y");
  txtFeladovevenyErtek_x = g.edit(QStringLiteral("Érték baloldaltól:"), "txtFeladovevenyErtek_x");
  txtFeladovevenyCimzett_y = g.edit(QStringLiteral("Címzett fentről:"), "txtFeladovevenyCimzett_y");
  txtFeladovevenyCimzett_x = g.edit(QStringLiteral("Címzett baloldaltól:"), "txtFeladovevenyCimzett_x");
  txFeladovevenyUtanvet_y = g.edit(QStringLiteral("Utánvét összeg fentről:"), "txFeladovevenyUtanvet_y");
  txFeladovevenyUtanvet_x = g.edit(QStringLiteral("Utánvét összeg baloldaltól:"), "txFeladovevenyUtanvet_x");
  txFeladovevenyUtanvetszoveg1_y = g.edit(QStringLiteral("Utánvét szöveg 1. sor fentről:"), "txFeladovevenyUtanvetszoveg1_y");
  txFeladovevenyUtanvetszoveg1_x = g.edit(QStringLiteral("Utánvét szöveg 1. sor baloldaltól:"), "txFeladovevenyUtanvetszoveg1_x");
  txFeladovevenyUtanvetszoveg2_y = g.edit(QStringLiteral("Utánvét szöveg 2. sor fentről:"), "txFeladovevenyUtanvetszoveg2_y");
  txFeladovevenyUtanvetszoveg2_x = g.edit(QStringLiteral("Utánvét szöveg 2. sor baloldaltól:"), "txFeladovevenyUtanvetszoveg2_x");
  g.newRow();
  cmbFeladovevenyBetuTipus = g.font(QStringLiteral("Betűtípus:"), "cmbFeladovevenyBetuTipus");
  txtFeladovevenyBetuMeret = g.edit(QStringLiteral("Mérete:"), "txtFeladovevenyBetuMeret");
  txtFeladovevenyBetuMeret2 = g.edit(QStringLiteral("Utánvét szöveg mérete:"), "txtFeladovevenyBetuMeret2");
  txtFeladovevenyFeladoNev = g.edit(QStringLiteral("Feladó neve:"), "txtFeladovevenyFeladoNev");
  txtFeladovevenyFeladoCim1 = g.edit(QStringLiteral("Feladó címe 1:"), "txtFeladovevenyFeladoCim1");
  txtFeladovevenyFeladoCim2 = g.edit(QStringLiteral("Feladó címe 2:"), "txtFeladovevenyFeladoCim2");
  v->addWidget(top);

  cmdKeretMegjelenites = button(QStringLiteral("Kipipálandó jelölőnégyzetek pozícióinak MEGJELE&NÍTÉSE"),
                                "cmdKeretMegjelenites");
  v->addWidget(cmdKeretMegjelenites);
  Frame5 = new QGroupBox(QStringLiteral("A kipipálandó jelölőnégyzetek pozíciói"));
  Grid f(Frame5, 3);
  txFeladovevenyXAjanlott_y = f.edit(QStringLiteral("Ajánlott, Tértivevény, Értéknyilv. fentről:"), "txFeladovevenyXAjanlott_y");
  txFeladovevenyXCsomag_y = f.edit(QStringLiteral("Csomag, Hivatalos irat fentről:"), "txFeladovevenyXCsomag_y");
  txFeladovevenyXK1_y = f.edit(QStringLiteral("Különszolgáltatások fentről:"), "txFeladovevenyXK1_y");
  txFeladovevenyXAjanlott_x = f.edit(QStringLiteral("Ajánlott, Hivatalos irat baloldaltól:"), "txFeladovevenyXAjanlott_x");
  txFeladovevenyXTerti_x = f.edit(QStringLiteral("Tértivevény, Csomag baloldaltól:"), "txFeladovevenyXTerti_x");
  txFeladovevenyXErtek_x = f.edit(QStringLiteral("Értéknyilvántartás baloldaltól:"), "txFeladovevenyXErtek_x");
  static const char* const services[6] = {"sk", "PRI", "PL", "e-ért", "LNK", "2X"};
  for (int i = 0; i < 6; ++i) {
    const QByteArray name = "txFeladovevenyXK" + QByteArray::number(i + 1) + "_x";
    txFeladovevenyXK_x[i] = f.edit(QStringLiteral("%1 baloldaltól:").arg(QString::fromUtf8(services[i])), name.constData());
  }
  f.span(note(QStringLiteral(
      "A különszolgáltatások (sk, PRI, PL, e-ért, LNK, 2X) jelölésének pozíciói milliméterben, "
      "a lap bal és felső szélétől.")));
  Frame5->hide();
  v->addWidget(Frame5);

  cmdFeladovevenyMentes = button(QStringLiteral("Beállítá&sok mentése"), "cmdFeladovevenyMentes", kSaveTip);
  cmdFeladovevenyAlapbeallitas =
      button(QStringLiteral("Alapé&rtelmezettre visszaállítás"), "cmdFeladovevenyAlapbeallitas", kRestoreTip);
  v->addLayout(footer({cmdFeladovevenyMentes, cmdFeladovevenyAlapbeallitas}));
  SSTab1->addTab(tab, QStringLiteral("Feladóvevény"));
}

void frmSetup::buildBoritekTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* row = new QHBoxLayout;

  auto* types = new QGroupBox(QStringLiteral("Boríték típusa"));
  auto* tg = new QGridLayout(types);
  OpB1 = new QRadioButton(QStringLiteral("C6 normál boríték (162 x 114 mm)"));
  OpB2 = new QRadioButton(QStringLiteral("C5 boríték (229 x 162 mm)"));
  OpB3 = new QRadioButton(QStringLiteral("C5/6 csekk boríték (229 x 114 mm)"));
  QRadioButton* ops[3] = {OpB1, OpB2, OpB3};
  for (int i = 0; i < 3; ++i) {
    ops[i]->setObjectName(QStringLiteral("OpB%1").arg(i + 1));
    cmdBoritekMeretSave[i] = button(QStringLiteral("&Méretek rögzítése"), "cmdBoritekMeretSave");
    tg->addWidget(ops[i], i, 0);
    tg->addWidget(cmdBoritekMeretSave[i], i, 1);
  }
  row->addWidget(types);

  // The envelope drawing: the four distances around the sender and recipient blocks.
  auto* drawing = new QFrame;
  drawing->setFrameShape(QFrame::Box);
  auto* dg = new QGridLayout(drawing);
  static const char* const tips[4] = {
      "Feladó szöveg távolsága (mm-ben) a boríték bal szélétől.",
      "Feladó szöveg távolsága (mm-ben) a boríték tetejétől",
      "Címzett szöveg távolsága (mm-ben) a boríték tetejétől",
      "Címzett szöveg távolsága (mm-ben) a boríték bal szélétől."};
  for (int i = 0; i < 4; ++i) {
    Text1[i] = new QLineEdit;
    Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
    Text1[i]->setToolTip(QString::fromUtf8(tips[i]));
    Text1[i]->setMaximumWidth(60);
  }
  Label3[3] = new QLabel;
  dg->addWidget(Text1[1], 0, 1);
  dg->addWidget(Text1[0], 1, 0);
  dg->addWidget(new QLabel(QStringLiteral("Feladó")), 1, 1);
  dg->addWidget(Label3[3], 2, 1, 1, 2);
  dg->addWidget(Text1[2], 3, 2);
  dg->addWidget(Text1[3], 4, 1);
  dg->addWidget(new QLabel(QStringLiteral("Címzett")), 4, 2);
  row->addWidget(drawing);

  auto* sample = new QGroupBox(QStringLiteral("Boríték minta"));
  auto* sg = new QVBoxLayout(sample);
  Label3[4] = new QLabel;
  BoritekMinta = new QFrame;
  BoritekMinta->setObjectName(QStringLiteral("BoritekMinta"));
  BoritekMinta->setFrameShape(QFrame::Box);
  lbBoritekSzeles = new QLabel;
  lbBoritekMagas = new QLabel;
  sg->addWidget(Label3[4]);
  sg->addWidget(BoritekMinta);
  sg->addWidget(lbBoritekSzeles);
  sg->addWidget(lbBoritekMagas);
  row->addWidget(sample);
  v->addLayout(row);

  auto* sender = new QGroupBox(QStringLiteral("Feladó neve és címe"));
  Grid s(sender, 2);
  txtBoritekFeladoNev = s.edit(QStringLiteral("Név:"), "txtBoritekFeladoNev");
  txtBoritekFeladoCim1 = s.edit(QStringLiteral("Cím1: "), "txtBoritekFeladoCim1");
  txtBoritekFeladoCim2 = s.edit(QStringLiteral("Cím2: "), "txtBoritekFeladoCim2");
  txtBoritekFeladoIrSzam = s.edit(QStringLiteral("Ir. sz.: "), "txtBoritekFeladoIrSzam");
  cmbBoritekNevBetutipus = s.font(QStringLiteral("Betűtípus:"), "cmbBoritekNevBetutipus");
  txtBoritekFeladoBetumeret = s.edit(QStringLiteral("Mérete: Feladó"), "txtBoritekFeladoBetumeret");
  txtBoritekNevBetumeret = s.edit(QStringLiteral("Mérete: Címzett"), "txtBoritekNevBetumeret");
  lbMinta = new QLabel(QStringLiteral("Betű minta 01234"));
  lbMinta->setObjectName(QStringLiteral("lbMinta"));
  lbMinta->setToolTip(QStringLiteral("A kijelölt betűtípus képe..."));
  s.span(lbMinta);
  cmdBoritekFeladoSave = button(QStringLiteral("&Feladó rögzítése"), "cmdBoritekFeladoSave");
  s.span(cmdBoritekFeladoSave);
  v->addWidget(sender);
  SSTab1->addTab(tab, QStringLiteral("Boríték"));
}

void frmSetup::buildIratTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* top = new QWidget;
  Grid g(top, 2);
  txtIratTertiCimzett_y = g.edit(QStringLiteral("Címzett neve, címe fentről:"), "txtIratTertiCimzett_y");
  txtIratTertiCimzett_x = g.edit(QStringLiteral("Címzett neve, címe baloldaltól:"), "txtIratTertiCimzett_x");
  txtIratTertiFelado_y = g.edit(QStringLiteral("Visszaküldési cím fentről:"), "txtIratTertiFelado_y");
  txtIratTertiFelado_x = g.edit(QStringLiteral("Visszaküldési cím baloldaltól:"), "txtIratTertiFelado_x");
  txtIratTertiIratszam_y = g.edit(QStringLiteral("Az irat száma fentről:"), "txtIratTertiIratszam_y");
  txtIratTertiIratszam_x = g.edit(QStringLiteral("Az irat száma baloldaltól:"), "txtIratTertiIratszam_x");
  txtIratTertiIratfajta_y = g.edit(QStringLiteral("Az irat fajtája fentről:"), "txtIratTertiIratfajta_y");
  txtIratTertiIratfajta_x = g.edit(QStringLiteral("Az irat fajtája baloldaltól:"), "txtIratTertiIratfajta_x");
  txtIratTertiIratmelleklet_y = g.edit(QStringLiteral("Az irat melléklete fentről:"), "txtIratTertiIratmelleklet_y");
  txtIratTertiIratmelleklet_x = g.edit(QStringLiteral("Az irat melléklete baloldaltól:"), "txtIratTertiIratmelleklet_x");
  txtIratTertiIratotthagy_y = g.edit(QStringLiteral("Otthagyandó értesítés fentről:"), "txtIratTertiIratotthagy_y");
  txtIratTertiIratotthagy_x = g.edit(QStringLiteral("Otthagyandó értesítés baloldaltól:"), "txtIratTertiIratotthagy_x");
  txtIratTertiIratposta_y = g.edit(QStringLiteral("Felvevő posta fentről:"), "txtIratTertiIratposta_y");
  txtIratTertiIratposta_x = g.edit(QStringLiteral("Felvevő posta baloldaltól:"), "txtIratTertiIratposta_x");
  txtIratTertiIratkuldAzon_y = g.edit(QStringLiteral("Küldeményazonosító fentről:"), "txtIratTertiIratkuldAzon_y");
  txtIratTertiIratkuldAzon_x = g.edit(QStringLiteral("Küldeményazonosító baloldaltól:"), "txtIratTertiIratkuldAzon_x");
  g.newRow();
  cmbIratTertiBetuTipus = g.font(QStringLiteral("Szövegek betűtípusa:"), "cmbIratTertiBetuTipus");
  txtIratTertiBetuMeret = g.edit(QStringLiteral("Mérete:"), "txtIratTertiBetuMeret");
  cmbVkodBetutipus = g.font(QStringLiteral("Vonalkód:"), "cmbVkodBetutipus");
  txtVkodMeret = g.edit(QStringLiteral("Mérete:"), "txtVkodMeret");
  v->addWidget(top);
  auto* sender = new QGroupBox(QStringLiteral("Feladó címe"));
  auto* sv = new QVBoxLayout(sender);
  sv->addWidget(new QLabel(QStringLiteral("MEGEGYEZIK A TÉRTIVEVÉNY VISSZAKÜLDÉSI CÍMMEL!")));
  v->addWidget(sender);
  chkPrintDel = new QCheckBox(QStringLiteral("Nyomtatottak törlése a listából"));
  chkPrintDel->setToolTip(QStringLiteral("Nyomtatás után a nyomtatott sorok törlése a listából"));
  v->addWidget(chkPrintDel);
  cmdIratTertiMentes = button(QStringLiteral("B&eállítások mentése"), "cmdIratTertiMentes", kSaveTip);
  cmdIratTertiAlapbeallitas =
      button(QStringLiteral("A&lapértelmezettre visszaállítás"), "cmdIratTertiAlapbeallitas", kRestoreTip);
  v->addLayout(footer({cmdIratTertiMentes, cmdIratTertiAlapbeallitas}));
  SSTab1->addTab(tab, QStringLiteral("Térti Irathoz"));
}

void frmSetup::buildRcsekkTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* top = new QWidget;
  Grid g(top, 2);
  RcsekkTextosszeg_x1 = g.edit(QStringLiteral("Numerikus összeg 1 vízszintes pozició:"), "RcsekkTextosszeg_x1");
  RcsekkTextosszeg_x2 = g.edit(QStringLiteral("Numerikus összeg 2 vízszintes pozició:"), "RcsekkTextosszeg_x2");
  RcsekkTextosszeg_y1 = g.edit(QStringLiteral("Numerikus összegek függőleges1 pozició:"), "RcsekkTextosszeg_y1");
  RcsekkTextosszeg_y2 = g.edit(QStringLiteral("Numerikus összegek függőleges2 pozició:"), "RcsekkTextosszeg_y2");
  RcsekkTextCsSzoveg_x1 = g.edit(QStringLiteral("1. szöveges összeg vízszintes pozició:"), "RcsekkTextCsSzoveg_x1");
  RcsekkTextCsSzoveg_x2 = g.edit(QStringLiteral("2. szöveges összeg vízszintes pozició:"), "RcsekkTextCsSzoveg_x2");
  RcsekkTextCsSzoveg_y1 = g.edit(QStringLiteral("1. szöveges összeg függőleges pozició:"), "RcsekkTextCsSzoveg_y1");
  RcsekkTextCsSzoveg_y2 = g.edit(QStringLiteral("2. szöveges összeg függőleges pozició:"), "RcsekkTextCsSzoveg_y2");
  RcsekkTextFelado_y = g.edit(QStringLiteral("Feladó neve függőleges pozició:"), "RcsekkTextFelado_y");
  RcsekkTextFelado_x = g.edit(QStringLiteral("Feladó neve vízszintes pozició:"), "RcsekkTextFelado_x");
  RcsekkTextcim_x1 = g.edit(QStringLiteral("Címzett 1 vízszintes pozició:"), "RcsekkTextcim_x1");
  RcsekkTextcim_x2 = g.edit(QStringLiteral("Címzett 2 vízszintes pozició:"), "RcsekkTextcim_x2");
  RcsekkTextcim_y = g.edit(QStringLiteral("Címzett 1 függőleges pozició:"), "RcsekkTextcim_y");
  RcsekkTextcim2_y = g.edit(QStringLiteral("Címzett 2 függőleges pozició:"), "RcsekkTextcim2_y");
  RcsekkTextirsz_y = g.edit(QStringLiteral("Irányítószám 1 függőleges pozició:"), "RcsekkTextirsz_y");
  RcsekkTextirsz2_y = g.edit(QStringLiteral("Irányítószám 2 függőleges pozició:"), "RcsekkTextirsz2_y");
  g.newRow();
  cmbRcsekkNumBetuTipus = g.font(QStringLiteral("Számok betűtípusa:"), "cmbRcsekkNumBetuTipus");
  TextRcsekkBetuMeret1 = g.edit(QStringLiteral("Mérete:"), "TextRcsekkBetuMeret1");
  cmbRcsekkSzovegBetuTipus = g.font(QStringLiteral("Szövegek betűtípusa:"), "cmbRcsekkSzovegBetuTipus");
  TextRcsekkBetuMeret2 = g.edit(QStringLiteral("Mérete:"), "TextRcsekkBetuMeret2");
  v->addWidget(top);

  Command4 = button(QStringLiteral("Hátoldal beállításai"), "Command4");
  v->addWidget(Command4);
  Frame7 = new QGroupBox(QStringLiteral("Hátoldal nyomtatási beállításai"));
  Grid b(Frame7, 2);
  txRcsekkFeladoHatoldal_y = b.edit(QStringLiteral("Feladó fentről:"), "txRcsekkFeladoHatoldal_y");
  txRcsekkFeladoHatoldal_x = b.edit(QStringLiteral("Feladó baloldaltól:"), "txRcsekkFeladoHatoldal_x");
  txRcsekkKozlemHatoldal_y = b.edit(QStringLiteral("Közlemény első sor fentről:"), "txRcsekkKozlemHatoldal_y");
  txRcsekkKozlemHatoldal_x = b.edit(QStringLiteral("Közlemény baloldaltól:"), "txRcsekkKozlemHatoldal_x");
  Frame7->hide();
  v->addWidget(Frame7);

  auto* party = new QGroupBox(QStringLiteral("Címzett adatai:"));
  Grid p(party, 2);
  txRcsekkNev = p.edit(QStringLiteral("Név: "), "txRcsekkNev");
  txRcsekkHelyseg = p.edit(QStringLiteral("Helység: "), "txRcsekkHelyseg");
  txRcsekkCim = p.edit(QStringLiteral("Cím: "), "txRcsekkCim");
  txRcsekkIrszam = p.edit(QStringLiteral("Irányítószám: "), "txRcsekkIrszam");
  cmdRcsekkCimzettMent = button(QStringLiteral("&Mentés"), "cmdRcsekkCimzettMent");
  p.span(cmdRcsekkCimzettMent);
  v->addWidget(party);

  cmdRCsekkMentes = button(QStringLiteral("&Beállítások mentése"), "cmdRCsekkMentes", kSaveTip);
  cmdRCsekkAlapertelm = button(QStringLiteral("&Alapértelmezettre visszaállítás"), "cmdRCsekkAlapertelm", kRestoreTip);
  v->addLayout(footer({cmdRCsekkMentes, cmdRCsekkAlapertelm}));
  SSTab1->addTab(tab, QStringLiteral("Rózsaszín csekk"));
}

void frmSetup::buildUlapTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* top = new QWidget;
  Grid g(top, 2);
  UlapTextosszeg_x = g.edit(QStringLiteral("Összeg baloldaltól:"), "UlapTextosszeg_x");
  UlapTextosszeg_y1 = g.edit(QStringLiteral("Összeg fentről:"), "UlapTextosszeg_y1");
  UlapTextosszeg_y2 = g.edit(QStringLiteral("Összeg-2 fentről:"), "UlapTextosszeg_y2");
  UlapTextFelado_x = g.edit(QStringLiteral("Küldemény címe  baloldaltól:"), "UlapTextFelado_x");
  UlapTextFelado_y = g.edit(QStringLiteral("Küldemény címe fentről:"), "UlapTextFelado_y");
  UlapTextCsSzoveg_x = g.edit(QStringLiteral("Szöveges összeg  baloldaltól:"), "UlapTextCsSzoveg_x");
  UlapTextCsSzoveg_y = g.edit(QStringLiteral("Szöveges összeg fentről:"), "UlapTextCsSzoveg_y");
  UlapCim_x = g.edit(QStringLiteral("Utánvételi összeg címzett  baloldaltól:"), "UlapCim_x");
  UlapCim_y = g.edit(QStringLiteral("Utánvételi összeg címzett fentről:"), "UlapCim_y");
  UlapKuldCim_x = g.edit(QStringLiteral("Küldemény címzettje baloldaltól:"), "UlapKuldCim_x");
  UlapKuldCim_y = g.edit(QStringLiteral("Küldemény címzettje fentről:"), "UlapKuldCim_y");
  UlapRX_x = g.edit(QStringLiteral("„R” kereszt baloldaltól:"), "UlapRX_x");
  UlapRX_y = g.edit(QStringLiteral("„R” kereszt fentről:"), "UlapRX_y");
  g.span(note(QStringLiteral("Az „ÉL” jelölés pozíciója automatikusan állítódik.")));
  v->addWidget(top);

  auto* payee = new QGroupBox;
  auto* pg = new QGridLayout(payee);
  auto* group = new QButtonGroup(this);
  opULapCizett[0] = new QRadioButton(QStringLiteral("Az összeg címzettje - cím megadással"));
  opULapCizett[1] = new QRadioButton(QStringLiteral("Az összeg címzettje -bankszámla megadással"));
  for (int i = 0; i < 2; ++i) {
    opULapCizett[i]->setObjectName(QStringLiteral("opULapCizett_%1").arg(i));
    group->addButton(opULapCizett[i], i);
    pg->addWidget(opULapCizett[i], i, 0, 1, 4);
  }
  lbBankNum = new QLabel(QStringLiteral("Bankszámla száma: / Irányítószám:"));
  txtBankNum = new QLineEdit;
  txtBankIrsz = new QLineEdit;
  txtBankIrsz->setMaximumWidth(60);
  lbBankNeve = new QLabel(QStringLiteral("Bank neve:"));
  txtBankNeve = new QLineEdit;
  pg->addWidget(lbBankNum, 2, 0);
  pg->addWidget(txtBankNum, 2, 1);
  pg->addWidget(txtBankIrsz, 2, 2);
  pg->addWidget(lbBankNeve, 3, 0);
  pg->addWidget(txtBankNeve, 3, 1, 1, 2);
  v->addWidget(payee);

  cmdULapMentes = button(QStringLiteral("&Beállítások mentése"), "cmdULapMentes", kSaveTip);
  cmdUlapAlapertelmezettre =
      button(QStringLiteral("&Alapértelmezettre visszaállítás"), "cmdUlapAlapertelmezettre", kRestoreTip);
  v->addLayout(footer({cmdULapMentes, cmdUlapAlapertelmezettre}));
  SSTab1->addTab(tab, QStringLiteral("Utánvételi lap"));
}
