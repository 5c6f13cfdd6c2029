#pragma once
// Power-loss simulation. Through the file hook (FajlHorog) an operation's file calls are
// recorded: before each call (reads aside) the harness takes a picture of the folders it
// watches (each file's name, inode and bytes) and keeps, per file, the bytes as of its last
// flush and, per folder, the names as of that folder's last flush. After each call it then
// builds the states a power loss could leave there:
// - a file's bytes written since its last flush: dropped, kept, or torn at a 512-byte sector
//   boundary (the first sectors new and the rest old, or the other way), with the old or the new
//   length (bytes that never reached the disk read as zeros);
// - a name created, renamed or removed since its folder's last flush: each such name on its own
//   as it was or as it is, in any combination (each folder flushed on its own).
// Each distinct state is written into the folders (at their own paths; names of one file, such
// as a backup's hard link, linked again; each file in its own inode, as on the disk, through a
// link kept beside the folder), the start-up recovery is run, and the test's check looks at the
// result.
//
//   Aramszunet a({folder.path(), watched.path()});
//   a.rogzit([&] { done = someOperation(...); });
//   const AramszunetEredmeny e = a.vegigjar([&] { startupRecovery(folder.path()); },
//                                           [&](bool vegen) -> QString { ... "" when sound ... });
//   EXPECT_EQ(e.hibak, 0) << e.elsok.join("\n");
// `vegen` is true for states after the operation returned (a change it reported as done must be
// there). The folders hold the last state tried afterwards.
// The modes (`AramszunetMod`, flags) say how each state is started: in the files' own inodes,
// as a copy (every file written anew; names of one file linked again), as a copy without hard
// links (names of one file become separate files of the same bytes, as a copy that does not keep
// links makes them), and under another device number (every answer of fajlAdat says another
// device during the recovery and the check).
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

enum AramszunetMod : unsigned {
  Helyben = 1,            // in the files' own inodes
  Masolat = 2,            // written anew, links kept
  MasolatLinkNelkul = 4,  // written anew, every name its own file
  MasikEszkoz = 8,        // in place, another device number
};

struct AramszunetEredmeny {
  int pontok = 0;     // points (after each call) where a power loss was simulated
  int allapotok = 0;  // distinct states tried
  int futasok = 0;    // recoveries run: the states times the modes
  int hibak = 0;      // runs the check refused
  QStringList elsok;  // the first few refusals, with the state that led to them
};

class QTemporaryDir;

class Aramszunet {
 public:
  explicit Aramszunet(QStringList mappak);
  ~Aramszunet();

  // Runs `muvelet` with the hook recording. What the folders hold before counts as on the disk.
  void rogzit(const std::function<void()>& muvelet);
  // Every state after every recorded call: recovery, then check (an empty text: sound).
  AramszunetEredmeny vegigjar(const std::function<void()>& helyreallitas,
                              const std::function<QString(bool vegen)>& ellenoriz,
                              unsigned modok = Helyben);

  struct Pont;

 private:
  void kep();
  void pont(bool vegen);

  QStringList mappak_;
  std::map<quint64, int> elo_;                     // inode -> file id, of the files in the folders now
  int kovetkezo_ = 0;                              // the next file id
  std::vector<std::map<QString, int>> nevek_;      // per folder: name -> file id, now
  std::vector<std::map<QString, int>> tartosNevek_;  // the same as of the folder's last flush
  std::map<int, QByteArray> tartalom_, tartos_;    // file id -> bytes now / as of its last flush
  int fuggoFajl_ = -1, fuggoMappa_ = -1;           // a flush under way: the call just before
  std::vector<Pont> pontok_;
  std::vector<std::unique_ptr<QTemporaryDir>> oldalak_;  // per folder: links that keep its files' inodes
  std::map<int, QString> oldalUt_;                     // file id -> its link there
};
