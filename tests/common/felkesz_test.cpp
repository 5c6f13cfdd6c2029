// The file written under its unfinished name: what each failing call leaves on the disk.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <deque>
#include <sys/stat.h>

#include "common/felkesz.h"
#include "support/fajlhibak.h"
#include "support/tempfolder.h"

namespace {
using H = FajlHivas;
using Hol = FelkeszFajl::Hol;

// Each call that fails, a question too, fails the file with its error and where it happened, and
// the unfinished file goes at once: the disk holds the earlier file untouched (the new one only
// after its rename). An unfinished file whose removal fails too stays, and is said.
TEST(FelkeszFajl, EveryFailureSaysWhereAndLeavesTheDiskAsItSays) {
  const QString felkesz = QStringLiteral("ki.csv.felkesz");
  const struct {
    const char* mi;
    std::deque<FajlHibaLepes> lepesek;
    Hol hol;
    int errnum;
    bool uj = false;        // the new file is in place
    bool maradt = false;    // the unfinished file stayed
  } esetek[] = {
      {"the question about a link at the name", {{H::Lekerdezes, EIO, -1, "ki.csv"}}, Hol::Letrehozas, EIO},
      {"the question whether it may be written",
       {{H::Lekerdezes, 0, -1, "ki.csv"}, {H::Lekerdezes, 0, -1, "ki.csv"}, {H::Lekerdezes, ESTALE, -1, "ki.csv"}},
       Hol::Letrehozas, ESTALE},
      {"the question right after the create",
       {{H::Letrehozas, 0, -1, felkesz}, {H::Lekerdezes, EIO, -1, felkesz}}, Hol::Letrehozas, EIO},
      {"its permissions", {{H::Jogok, EPERM, -1, felkesz}}, Hol::Letrehozas, EPERM},
      {"a write", {{H::Iras, ENOSPC, -1, felkesz}}, Hol::Iras, ENOSPC},
      {"the flush", {{H::Szinkron, EIO}}, Hol::Iras, EIO},
      {"the rename", {{H::Atnevezes, EXDEV}}, Hol::Iras, EXDEV},
      {"the folder's flush", {{H::MappaSzinkron, EIO}}, Hol::Mappa, EIO, true},
      {"a write, then the removal", {{H::Iras, ENOSPC}, {H::Torles, EIO, -1, felkesz}}, Hol::Iras, ENOSPC, false, true},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.mi);
    TempFolder dir;
    dir.put("ki.csv", "regi");
    const QStringList vart = e.maradt ? QStringList{"ki.csv", felkesz} : QStringList{"ki.csv"};
    {
      FajlHibak hibak(e.lepesek);
      FelkeszFajl f(dir.file("ki.csv"));
      EXPECT_FALSE(f.ir("uj tartalom", 11) && f.kesz());
      EXPECT_EQ(hibak.hatra(), 0u);
      EXPECT_EQ(f.hol(), e.hol);
      EXPECT_EQ(f.hiba().errnum, e.errnum);
      // As a message built now says it.
      EXPECT_EQ(dir.entries().join(" ").toStdString(), vart.join(" ").toStdString());
      EXPECT_EQ(f.maradvany(), e.maradt ? QString::fromUtf8("A(z) ki.csv.felkesz félkész fájl nem törölhető "
                                                             "(Bemeneti/kimeneti hiba), a lemezen maradt.")
                                        : QString());
    }
    EXPECT_EQ(dir.entries().join(" ").toStdString(), vart.join(" ").toStdString());
    EXPECT_EQ(dir.bytes("ki.csv"), e.uj ? "uj tartalom" : "regi");
  }
}

// A link at the name, relative too, is followed: the file it points to is replaced with its
// permissions, and the link stays.
TEST(FelkeszFajl, ALinkAtTheNameReplacesItsFileWithItsPermissions) {
  TempFolder dir;
  QDir(dir.path()).mkdir("al");
  dir.put("al/cel.csv", "regi");
  ASSERT_EQ(::chmod(QFile::encodeName(dir.file("al/cel.csv")).constData(), 0640), 0);
  ASSERT_TRUE(QFile::link("al/cel.csv", dir.file("ki.csv")));
  FelkeszFajl f(dir.file("ki.csv"));
  ASSERT_TRUE(f.ir("uj", 2) && f.kesz());
  EXPECT_TRUE(QFileInfo(dir.file("ki.csv")).isSymLink());
  EXPECT_EQ(dir.bytes("al/cel.csv"), "uj");
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(dir.file("al/cel.csv")).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}
}  // namespace
