#pragma once
// The watched-folder import: which file to take, and taking it so that the same payers are
// never imported twice and no file is lost.
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

#include "exchange/csvimport.h"

// A watched file under import ("x.csv.importalas", kAtvetelUtotag), and one that gave nothing
// ("x.csv.hibas"). Neither is watched.
inline const QString kHibasUtotag = QStringLiteral(".hibas");

// The file seen on the previous tick: its path, size and modification time; and the names
// already reported as unusable.
struct FigyeltFajl {
  QString path;
  qint64 meret = -1;
  qint64 ido = -1;
  QSet<QString> rosszNevek;
  void felejt() {
    path.clear();
    meret = -1;
    ido = -1;
  }
};

// The first "*.csv" entry of `mappa` (any case, name order; also a folder or another entry that
// is no regular file, which the import then sets aside), once its size and time are the same as
// on the previous tick (a file still being copied changes). `elozo` remembers what was seen.
// A "*.csv" name that is no valid UTF-8 cannot be taken: it is passed over, and put into
// `ujRosszNevek` the first time it is seen (to be reported once). A blank or missing folder
// gives nothing. A question about the folder or the file that fails gives nothing, with the
// message in `hiba`.
std::optional<QString> stabilCsv(const QString& mappa, FigyeltFajl& elozo, QStringList* ujRosszNevek = nullptr,
                                 QString* hiba = nullptr);

enum class AutoAllapot { Kesz, Eltunt, NemJelolheto, Hiba, Felreteve };
struct AutoImportEredmeny {
  AutoAllapot allapot = AutoAllapot::Hiba;
  ImportEredmeny import;
  QString hiba;  // Hungarian text for NemJelolheto, Hiba and Felreteve
};

// Imports a watched file with the 10-column rules. The file is first claimed: renamed to
// "<name>.importalas" (a free name, never replacing one), and the change's journal names it,
// so it goes when the change is made (Kesz, also when the swap is finished only at the next
// start: import.kesobb) and stays while it is not. A file that gives nothing (no regular file,
// too big, no text, no payer) is kept as "<name>.hibas" (Felreteve); after any other failure it
// goes back under its name (Hiba). A file that cannot be renamed, or whose claim cannot be
// flushed to the disk (it then goes back), or about which a question fails, is not imported
// (NemJelolheto); a file that is gone is no error (Eltunt).
AutoImportEredmeny automatikusImport(const QString& folder, const QString& csvPath, bool felulir,
                                     const CsereHorog& horog = {});

// Start-up, before the payer files are recovered: a claimed file of the watched folder `mappa`
// that also stands under a name a move of it gives (a claim, a release or a setting aside that
// a power loss cut short; two links of one file, or two files of the same bytes once the folder
// was copied without its hard links) is one file, kept under one name: the set-aside one, else
// the claimed one. Returns what could not be settled, with the reason.
QStringList csvAtvetelIkrek(const QString& mappa);

// Start-up, after the payer files are recovered: claimed files of the watched folder `mappa`
// that no change took (the program ended before the change was made) go back under their
// names for the next tick. Returns the names that could not be put back, with the reason;
// `nemBiztos` gets those put back whose folder flush failed.
QStringList csvAtvetelekFeloldasa(const QString& mappa, QStringList* nemBiztos = nullptr);
