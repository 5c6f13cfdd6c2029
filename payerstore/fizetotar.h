#pragma once
// The rows of one load of the payer list, kept lean: the name and the address line of every
// payer as code-page bytes, one block for all rows, decoded only when a row is shown. Beside
// them, once asked for or from the first search on, an upper-cased copy of the names for the
// name search and, once a column is sorted, each row's rank under the list's collation. A load
// reads nevek1.dat once, a block at a time, a large file in parts side by side on the machine's
// cores.
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "payerstore/abcrend.h"
#include "payerstore/foglalas.h"

// The record-number text of a row: right-aligned in six characters, or bare.
QString rekordSzoveg(int32_t n, bool padded);
// A number that orders record-number texts as the list's order of texts does: they hold only
// blanks and digits, which sort in the order of their codes, a text before a longer one that
// starts with it. Ten places of base 12: blank 1, digits 2 to 11, nothing 0.
uint64_t recKulcs(int32_t n, bool padded);
// The rank of each record-number text of 1 .. n in that order (rang[i] for number i + 1).
void recRangok(int32_t n, bool padded, uint32_t* rang);

class FizetoTar {
 public:
  // `reszek`: the parts a file is read in side by side, and its names upper-cased in for the
  // search (0: by its size and the machine's cores).
  explicit FizetoTar(int reszek = 0) : reszek_(reszek) {}

  // Reads every record of nevek1.dat in `folder` (a missing file is created empty) through the
  // pair's one reader. The rows are the records in record order; row i is record i + 1. A read
  // that fails ends the rows before the first record it could not read: hiba() then says so.
  void olvas(const QString& folder);
  // Why the last load stopped short, in Hungarian; empty when it read every record.
  QString hiba() const { return hiba_; }
  // Rows given as texts (name, address line, record-number text), not read from a file.
  void szovegekbol(const std::vector<std::array<QString, 3>>& sorok);
  // Frees every row.
  void urit();

  int size() const { return n_; }
  // The payer file the readers of the pair read now (olvasandoPar: nevek1.dat, or its backup
  // while a change stays unfinished); empty for none.
  static QString olvasandoFajl(const QString& folder);
  // False when that file is no longer the file this store was read from, or was changed since.
  bool friss(const QString& folder) const;
  // True while that file is the one this store was read from (changed in place or not), so
  // the rows' record numbers name the payers the readers read; true for rows not read from a
  // file.
  bool ugyanazAFajl(const QString& folder) const { return !fajlbol_ || olvasandoFajl(folder) == path_; }

  QString nev(int i) const;
  QString cim(int i) const;
  // Record-number text: padded to six characters or bare.
  QString rec(int i, bool padded) const;
  int32_t rekordSzam(int i) const;

  // Rows whose trimmed, upper-cased name contains the trimmed, upper-cased text, in record
  // order, into `ki`; an empty text matches every row whose name is not blank.
  void keres(const QString& text, std::vector<uint32_t>& ki);
  // Makes the upper-cased copy of the names that the search reads, unless this load has it;
  // a large list in parts side by side on the cores the process may use. Otherwise the first
  // search after a load makes it.
  void nagyBetusek();

  // Each row's rank by the text of a column (0 name, 1 address, 2 record number) in the list's
  // order of texts (abcrend.h): rows whose texts compare equal get equal ranks. Computed once
  // per load and column.
  std::span<const uint32_t> rangok(int oszlop, bool padded);

 private:
  std::string_view nevBajt(int i) const;
  // The address bytes with the count of its trailing blanks: one key per distinct address.
  std::string_view cimKulcs(int i) const;
  char* nagyBetus(int b, int e, char* alap, char* o, uint64_t* hely, std::vector<std::pair<uint32_t, QString>>& kulon) const;

  // Row i from hely_[i]: the name's length (two bytes) and bytes, the address's length and
  // bytes without its trailing blanks, and the number of those blanks (two bytes). The rows of
  // a file read in parts lie in one part of adat_ each, with room to spare between the parts.
  Tomb<char> adat_;
  Tomb<uint64_t> hely_;  // 64-bit: the row text of a large file passes 4 GiB
  int n_ = 0;
  int reszek_;
  // Upper-cased names, each followed by a zero byte; row i starts at nagyHely_[i]. They lie in
  // the parts [first, second) of nagy_, one part after another in row order. A name whose
  // upper-cased form the code page cannot hold is kept apart as text, empty here. Made by
  // nagyBetusek() or the first search after a load.
  bool nagyKesz_ = false;
  Tomb<char> nagy_;
  Tomb<uint64_t> nagyHely_;  // 64-bit, as the rows' offsets
  std::vector<std::pair<uint64_t, uint64_t>> nagyReszek_;
  std::vector<std::pair<uint32_t, QString>> kulonleges_;
  // Record-number texts of rows given as texts; empty for rows read from the file.
  std::vector<QString> recSzoveg_;
  std::array<Tomb<uint32_t>, 3> rang_;
  bool rangPadded_ = false;
  abc::Rendezo rendezo_;  // its working space serves every sort of the list
  // What identifies the file read: device, inode, size, modification time.
  struct Alairas {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    int64_t mtime = 0;
    bool operator==(const Alairas&) const = default;
  };
  static Alairas alairas(const QString& path);
  QString path_;
  Alairas alairas_;
  bool fajlbol_ = false;  // the rows were read from path_
  QString hiba_;
};
