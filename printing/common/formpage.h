#pragma once
// What the main window asks of each of its eight form pages. The window loops over the pages
// through this interface and never reaches into a page's controls: a page fills itself from
// the clicked payer, loads and saves its own controls at start-up and exit, and prints its
// form from a snapshot of itself.
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "printing/common/listprint.h"

class MmKep;
class QImage;
struct LayoutRecords;
struct Platform;
struct SetRekord;

// Standing or lying, picked once per print from the main window's orientation pair.
enum class Tajolas { Allo, Fekvo };

// The payer a row click (or a blank one after the payer files changed) puts on the pages.
struct FizetoKitoltes {
  const NevekRekord& nevek;
  const Kozl3sorRekord& kozl3sor;
  QString fizHat;              // the deadline line's caption, trimmed
  bool fizHatBeolvas = false;  // the payer's deadline goes onto the slip
};

// The payer's address as the receipt pages show it on two lines: postcode, a blank and the
// settlement, then the street address; for a foreign address, whose second name line holds
// the street address, that line, ", " and the settlement, then the address.
struct CimSorok {
  QString sor1, sor2;
};
CimSorok cimSorok(const NevekRekord& n);

// One print of a page: what the window hands over.
struct PrintRequest {
  Platform& platform;
  SetRekord& set;
  LayoutRecords& layouts;
  Tajolas tajolas = Tajolas::Allo;
  bool csoportos = false;         // the rows of the payer list instead of the page's payer
  // Every row of the payer list in displayed order with its selection, and the selected
  // rows' record numbers; read from the list when a printer asks for them.
  std::function<std::vector<CsoportSor>()> listaSorok;
  std::function<QStringList()> kijeloltRekordok;
  // The shared copies of the payer's records (the lying return-receipt list reads into them).
  NevekRekord& nevek;
  Kozl3sorRekord& kozl3sor;
};

// What the window does after a page printed.
struct PagePrint {
  PrintResult eredmeny;
  // What the last printed row leaves in the shared copies: nothing, its payer record, or its
  // records, amount and words.
  enum Utolso { Semmi, Nevek, Minden } utolso = Semmi;
  bool torles = false;       // printed rows leave the list when the settings ask for it
  bool listaFokusz = false;  // no payer was chosen: the focus goes to the list
};

// The picture of a form that has one drawing a feed: `allo` or `fekvo` from `folder` into `kep`.
bool showFormPicture(MmKep& kep, const QString& folder, Tajolas tajolas, const QString& allo, const QString& fekvo);

class FormPage {
 public:
  virtual ~FormPage() = default;

  // Start-up: the page's own controls from the general settings and its own files.
  virtual void load(const SetRekord&) {}
  // The end of start-up, after the payer list was read.
  virtual void loaded() {}
  // Activation: the page's controls enabled and its reference lists read afresh.
  virtual void activate() {}
  // Exit: the page's own options into the general settings (read-modify-write of Set.dat),
  // then into the page's own files; saveFiles returns a line for each file whose save did not
  // reach the disk, saying what it holds.
  virtual void save(SetRekord&) const {}
  virtual QStringList saveFiles() { return {}; }
  // The page's own files that load() and loaded() could not read, each with why; start-up says
  // them once, and the exit writes nothing into them.
  virtual QStringList olvasatlan() const { return {}; }
  // Something else than a regular file stands at the name of `file` in `folder`: start-up says
  // such damaged files in a message of their own.
  static bool serult(const QString& folder, const QString& file);

  // The page became the current one.
  virtual void enter() {}
  // The page shows the blank-form picture of the orientation and of its own state (the card,
  // the side or the envelope size it shows), from the program folder, and lays its items out
  // as that feed prints them; false when the picture cannot be read (the page stays usable).
  // The page keeps the orientation for its own changes of card, side or size.
  virtual bool showPicture(Tajolas tajolas) = 0;

  // The row click: the payer's fields, then the payer's amounts (the twelve slots).
  virtual void fill(const FizetoKitoltes&) {}
  virtual void fillAmounts(const std::array<int32_t, 12>&) {}
  // The payer files changed under their record numbers: what holds record numbers is cleared.
  virtual void payersChanged() {}

  // Before every print, whichever page prints: what other pages' prints read of this page.
  virtual void beforePrint() {}
  // Calls the page's single or list printer for the orientation; none when the page has no
  // printer for it, or nothing to print.
  virtual std::optional<PagePrint> print(const PrintRequest&) { return std::nullopt; }
};
