#pragma once
// The envelope page ("Boríték címző") of the main window: the recipient block (filled from the
// payer clicked in the list), the sender block (from boritek.dat), the per-line bold switches,
// the three print switches, the envelope-size options with their sample outline, and the
// picture panel with the picture laid over the envelope preview (its handlers are in
// boritekkep.cpp).
//
// Entering the page (belep) reads boritek.dat and shows the sender. What the main window does
// itself on entering: "Fekvő" enabled, the settings tab BeallitasFul, the print buttons left as
// they are. The size options choose the block positions; C6 asks the main window to enable
// "Fekvő" through enableFekvo.
#include <QDateTime>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "common/platform.h"
#include "layouts/layoutrecords.h"
#include "printing/common/formpage.h"
#include "printing/common/nyomatkep.h"
#include "printing/envelopes/boritekhely.h"
#include "printing/envelopes/boritekprint.h"
#include "printing/envelopes/cimkerekordok.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class MmKep;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TriCheckBox;
class kep_browse;

// The program-wide picture values the panel keeps: the chosen file, its size in the captions'
// unit (preview twips / 543) and the stored placement as last read (its reserved fields are
// written back as read).
struct BoritekKep {
  QString* KivalasztottKep = nullptr;
  double* KepSzeles = nullptr;
  double* KepMagas = nullptr;
  KepmentRekord* Kepment = nullptr;
  int16_t* KepPozX = nullptr;  // the position the envelope printers place it at, mm
  int16_t* KepPozY = nullptr;
};

// A picture position read back from its caption: the leading number rounded half to even;
// a value that does not fit 16 bits keeps `regi`.
int16_t kepPoz(const QString& felirat, int16_t regi);

class BoritekLap : public QWidget, public FormPage {
 public:
  // `boritek` is the shared in-memory envelope record, `hely` the shared size and positions.
  BoritekLap(const Platform& platform, BoritekRekord& boritek, BoritekHely& hely,
             QWidget* parent = nullptr);

  static constexpr int16_t BeallitasFul = 3;  // settings tab opened from this page

  // Recipient block.
  QGroupBox* frameCimzett;
  QLineEdit* txtBoritekCimzettNev;
  QLineEdit* txtBoritekCimzettNev2;
  QLineEdit* txtBoritekCimzettCim1;  // settlement
  QLineEdit* txtBoritekCimzettCim2;  // street
  QLineEdit* txtBoritekCimzettIrSzam;
  TriCheckBox* chkFKCNev;
  TriCheckBox* chkFKCNev2;
  TriCheckBox* chkFKCCim1;
  TriCheckBox* chkFKCCim2;
  TriCheckBox* chkFKCIrsz;

  // Sender block.
  QGroupBox* frameFelado;
  QLineEdit* txtBoritekFeladoNev;
  QLineEdit* txtBoritekFeladoCim1;
  QLineEdit* txtBoritekFeladoCim2;
  QLineEdit* txtBoritekFeladoIrSzam;
  QLineEdit* txtFelado5mezo;  // free fifth line, never stored
  TriCheckBox* chkFKFNev;
  TriCheckBox* chkFKFCim1;
  TriCheckBox* chkFKFCim2;
  TriCheckBox* chkFKFIrsz;

  // Print switches.
  TriCheckBox* chkCimzett;
  TriCheckBox* chkFelado;
  TriCheckBox* chkKepPrint;

  // Envelope sizes; none is chosen until start-up or the user chooses one.
  QRadioButton* OpB1;
  QRadioButton* OpB2;
  QRadioButton* OpB3;
  // The sample: element 4 of Label3 names the size (the page has no other elements: 0..3 are
  // null), BoritekMinta is the outline at 10 twips per millimetre.
  std::array<QLabel*, 5> Label3{};
  QFrame* BoritekMinta;
  QLabel* lbBoritekSzeles;
  QLabel* lbBoritekMagas;

  // Picture panel.
  QGroupBox* Frame5;
  QScrollBar* HScroll1;  // picture size, twips
  QLabel* lbXpoz;        // picture from the left edge, mm ("###")
  QLabel* lbYpoz;        // picture from the top edge, mm ("###")
  QLabel* lbSzeles;
  QLabel* lbMagas;
  QLabel* lbFigyelem;
  QPushButton* cmdKepek;
  QPushButton* cmdKepMentese;

  // Preview of the blank envelope with the picture Image3 on it.
  MmKep* Picture2;
  QLabel* Image3;

  // Called by OpB1_Click: the main window enables its "Fekvő" option.
  std::function<void()> enableFekvo;
  // Shows the picture browser modally and returns its result (tests answer it themselves).
  std::function<int(kep_browse&)> browseExec;

  // The main window hands in its program-wide picture values; until then the page keeps
  // its own.
  void setKep(const BoritekKep& kep);
  const QString& KivalasztottKep() const { return *valtozok_.KivalasztottKep; }
  double KepSzeles() const { return *valtozok_.KepSzeles; }
  double KepMagas() const { return *valtozok_.KepMagas; }
  // The picture as last loaded by HScroll1_Change; null when none could be loaded.
  const QImage& kepKep() const { return kepKep_; }

  // The three print switches: 1 shows their part of the page, any other value hides it.
  void chkCimzett_Click();
  void chkFelado_Click();
  void chkKepPrint_Click();

  // The picture panel.
  void HScroll1_Change();
  void cmdKepek_Click();
  void cmdKepMentese_Click();
  // Dragging, positions in pixels inside Image3.
  void Image3_MouseDown(QPointF pos);
  void Image3_MouseMove(QPointF pos);
  void Image3_MouseUp();

  // The page-change step: reads boritek.dat into the shared record and shows the sender,
  // trimmed. The block positions are left to the size options.
  void belep();

  void OpB1_Click();
  void OpB2_Click();
  void OpB3_Click();

  // The picture on the preview, in twips (left, top, width, height).
  QRect image3Twips() const { return kep_; }
  // The preview's scale: pixels per millimetre of the envelope.
  double pxPerMm() const;
  void setImage3Twips(const QRect& twips);
  // The outline's size in twips.
  QSize boritekMintaTwips() const { return minta_; }

  // Renews lbXpoz and lbYpoz from the picture's position. One rule for start-up, the size
  // options, dragging and the picture browser: the stored placement reads 44 twips per mm
  // across every size and 44 (C6, C5/6) or 31 (C5) down, as Kepment.dat has always been read,
  // and the preview draws those millimetres at one scale per size, so the captions, which the
  // print dispatch reads back, are where the picture stands on the preview and on the envelope.
  void kepPozFrissit();
  // The stored placement's twips per millimetre down the chosen size; across it is kOsztoX.
  double oszto() const;
  static constexpr double kOsztoX = 44;
  // The picture's top-left corner in millimetres of the envelope.
  QPointF kepMm() const;

  // The preview picture; a null image clears it.
  void setPreview(const QImage& kep);
  // The chosen envelope's picture (C6 until a size is chosen): Boritekkepallo.jpg,
  // BoritekkepC5allo.jpg or BoritekkepC56allo.jpg, or its lying one, shown upright.
  bool showPicture(Tajolas t) override;
  // The recipient and sender on the preview, as the lying feed prints them (the stored
  // positions, millimetres of the envelope), in their fonts, sizes and weights.
  void nyomatFrissit();
  std::vector<QLabel*> nyomatSorok() const { return blokkok_->cimkek(); }

  // The page's switches and picture, the recipient and the sender, as the printers take them.
  BoritekLapAllapot lapAllapot() const;
  BoritekCimzett cimzett() const;
  BoritekFelado felado() const;

  // The main window's calls (boriteklap_ablak.cpp).
  void load(const SetRekord& set) override;
  // The stored picture and its placement, after the payer list was read.
  void loaded() override;
  void activate() override;
  void save(SetRekord& set) const override;
  // The bold switches into boritek.dat.
  QStringList saveFiles() override;
  QStringList olvasatlan() const override { return olvasatlan_; }
  void enter() override { belep(); }
  void fill(const FizetoKitoltes& f) override;
  // The picture's position from its captions, for every print.
  void beforePrint() override;
  std::optional<PagePrint> print(const PrintRequest& k) override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void meret(int index);
  int meretIndex() const;  // the chosen size, 0 (C6, also when none is chosen) to 2
  void kepHely();  // Image3 onto the preview at kep_
  const Platform& platform_;
  BoritekRekord& boritek_;
  QStringList olvasatlan_;     // start-up could not read boritek.dat or Kepment.dat: why
  bool boritekOlvasatlan_ = false;
  BoritekHely& hely_;
  BoritekKep valtozok_;
  QString sajatKivalasztott_;
  double sajatSzeles_ = 0, sajatMagas_ = 0;
  KepmentRekord sajatKepment_;
  int16_t sajatPozX_ = 0, sajatPozY_ = 0;
  QImage kepKep_;
  QString kepFajl_;   // the file kepKep_ was read from
  QDateTime kepIdo_;  // and its time of change then
  QRect kep_;
  QSize minta_;
  bool huzas_ = false;  // dragging
  QPointF fogas_;       // grip point inside the picture, pixels
  QPointF maradek_;     // twips not yet moved (below one twip)
  Tajolas tajolas_ = Tajolas::Allo;
  std::unique_ptr<NyomatReteg> blokkok_;
};
