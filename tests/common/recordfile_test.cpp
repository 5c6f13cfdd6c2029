#include <gtest/gtest.h>

#include <QDir>
#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "support/fajlhibak.h"
#include "support/tempfolder.h"

namespace {
struct Entry {  // a 25-byte list entry
  static constexpr int Length = 25;
  QString text;
  template <class F>
  void fields(F& f) {
    f.text(text, 25);
  }
};

Entry entry(const QString& t) { return Entry{t}; }

QStringList entries(const TempFolder& dir, const QString& name) {
  RecordFile f(dir.path(), name, Entry::Length);
  QStringList out;
  for (int32_t i = 1; i <= *f.count(); ++i) {
    Entry e;
    EXPECT_TRUE(f.read(i, e));
    out << trimmed(e.text);
  }
  return out;
}
}  // namespace

TEST(RecordFile, OpeningAMissingFileCreatesItEmpty) {
  TempFolder dir;
  RecordFile f(dir.path(), "uj.dat", 25);
  EXPECT_TRUE(f.isOpen());
  EXPECT_EQ(*f.count(), 0);
  EXPECT_TRUE(dir.exists("uj.dat"));
  EXPECT_EQ(dir.bytes("uj.dat").size(), 0);
  Entry e;
  ASSERT_TRUE(f.read(1, e));
  EXPECT_TRUE(trimmed(e.text).isEmpty());
}

TEST(RecordFile, AppendWritesWholeRecordsInOrder) {
  TempFolder dir;
  {
    RecordFile f(dir.path(), "lista.dat", 25);
    EXPECT_TRUE(f.append(entry("egy")));
    EXPECT_EQ(dir.bytes("lista.dat").size(), 25);
    EXPECT_TRUE(f.append(entry("kettő")));
    EXPECT_TRUE(f.append(entry("három")));
    EXPECT_EQ(*f.count(), 3);
  }
  EXPECT_EQ(dir.bytes("lista.dat").size(), 75);
  EXPECT_EQ(entries(dir, "lista.dat"), QStringList({"egy", "kettő", "három"}));
}

TEST(RecordFile, ReadingPastTheEndGivesZeros) {
  TempFolder dir;
  dir.put("a.dat", QByteArray("abc"));  // a short, partial record
  RecordFile f(dir.path(), "a.dat", 10);
  EXPECT_EQ(*f.count(), 0);
  EXPECT_EQ(f.readBytes(1), QByteArray("abc") + QByteArray(7, '\0'));
  EXPECT_EQ(f.readBytes(5), QByteArray(10, '\0'));
  EXPECT_EQ(f.readBytes(0), QByteArray(10, '\0'));
}

TEST(RecordFile, LengthNotAMultipleIgnoresTheTrailingPart) {
  TempFolder dir;
  dir.put("n.dat", QByteArray(600, 'x'));
  RecordFile f(dir.path(), "n.dat", 271);
  EXPECT_EQ(*f.count(), 2);
  EXPECT_EQ(f.readRange(1, 2)->size(), 542);
}

TEST(RecordFile, WriteExtendsAndAGapBecomesZeroRecords) {
  TempFolder dir;
  RecordFile f(dir.path(), "g.dat", 4);
  EXPECT_TRUE(f.writeBytes(3, QByteArray("abcd")));
  EXPECT_EQ(*f.count(), 3);
  f.close();
  EXPECT_EQ(dir.bytes("g.dat"), QByteArray(8, '\0') + "abcd");
}

TEST(RecordFile, WrongSizeOrNumberIsRefused) {
  TempFolder dir;
  RecordFile f(dir.path(), "w.dat", 4);
  EXPECT_FALSE(f.writeBytes(1, QByteArray("abc")));
  EXPECT_FALSE(f.writeBytes(0, QByteArray("abcd")));
  EXPECT_EQ(*f.count(), 0);
}

TEST(RecordFile, NamesMatchWithoutRegardToCase) {
  TempFolder dir;
  dir.put("Set.dat", QByteArray(548, '\x01'));
  RecordFile f(dir.path(), "set.dat", 548);
  EXPECT_EQ(*f.count(), 1);
  f.close();
  EXPECT_EQ(dir.entries(), QStringList({"Set.dat"}));
}

// Failures are scripted by the name the program opens a file by, whatever its case on the disk.
TEST(RecordFile, TheFileHookKnowsAFileByTheNameItWasOpenedBy) {
  TempFolder dir;
  dir.put("Set.dat", QByteArray(4, 'a'));
  QStringList hivasok;
  FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
    if (h == FajlHivas::Lekerdezes) return 0;
    hivasok << QStringLiteral("%1 %2 %3").arg(int(h)).arg(nev, fajlHorogUt());
    return 0;
  });
  RecordFile f(dir.path(), "set.dat", 4);
  hivasok.clear();
  ASSERT_TRUE(f.writeBytes(3, "wxyz"));  // a gap: the length changes first
  ASSERT_TRUE(f.flush());
  ASSERT_TRUE(f.readBytes(3));
  const QString ut = " " + dir.file("Set.dat");
  QStringList vart;
  for (const auto& [h, u] : {std::pair{FajlHivas::Meretezes, ut}, {FajlHivas::Iras, ut}, {FajlHivas::Szinkron, ut},
                             {FajlHivas::Olvasas, QString(" ")}})
    vart << QString::number(int(h)) + " set.dat" + u;
  EXPECT_EQ(hivasok.join('\n').toStdString(), vart.join('\n').toStdString());
}

TEST(RecordFile, ReadOnlyFileReadsButRefusesWrites) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores file permissions";
  TempFolder dir;
  dir.put("r.dat", QByteArray("abcd"));
  QFile::setPermissions(dir.file("r.dat"), QFile::ReadOwner);
  RecordFile f(dir.path(), "r.dat", 4);
  EXPECT_EQ(f.readBytes(1), QByteArray("abcd"));
  EXPECT_FALSE(f.writeBytes(1, QByteArray("wxyz")));
  EXPECT_FALSE(f.errorText().isEmpty());
}

TEST(DeleteRecord, FirstOfThreeMovesTheOthersDown) {
  TempFolder dir;
  {
    RecordFile f(dir.path(), "lista.dat", 25);
    for (auto t : {"egy", "kettő", "három"}) f.append(entry(t));
  }
  QString err;
  ASSERT_TRUE(deleteRecord(dir.path(), "lista.dat", "nevx.dat", 25, 1, &err)) << err.toStdString();
  EXPECT_EQ(entries(dir, "lista.dat"), QStringList({"kettő", "három"}));
  EXPECT_FALSE(dir.exists("nevx.dat"));
}

TEST(DeleteRecord, MiddleAndLastKeepTheOrder) {
  TempFolder dir;
  {
    RecordFile f(dir.path(), "lista.dat", 25);
    for (auto t : {"a", "b", "c", "d"}) f.append(entry(t));
  }
  ASSERT_TRUE(deleteRecord(dir.path(), "lista.dat", "nevx.dat", 25, 2));
  EXPECT_EQ(entries(dir, "lista.dat"), QStringList({"a", "c", "d"}));
  ASSERT_TRUE(deleteRecord(dir.path(), "lista.dat", "nevx.dat", 25, 3));
  EXPECT_EQ(entries(dir, "lista.dat"), QStringList({"a", "c"}));
}

TEST(DeleteRecord, TheLastRemainingRecordLeavesAnEmptyFile) {
  TempFolder dir;
  {
    RecordFile f(dir.path(), "lista.dat", 25);
    f.append(entry("egyetlen"));
  }
  ASSERT_TRUE(deleteRecord(dir.path(), "lista.dat", "nevx.dat", 25, 1));
  EXPECT_TRUE(dir.exists("lista.dat"));
  EXPECT_EQ(dir.bytes("lista.dat").size(), 0);
}

TEST(DeleteRecord, ALeftoverTemporaryFileDoesNotCarryIntoTheResult) {
  TempFolder dir;
  dir.put("nevx.dat", QByteArray(50, 'z'));
  {
    RecordFile f(dir.path(), "lista.dat", 25);
    for (auto t : {"a", "b"}) f.append(entry(t));
  }
  ASSERT_TRUE(deleteRecord(dir.path(), "lista.dat", "nevx.dat", 25, 2));
  EXPECT_EQ(entries(dir, "lista.dat"), QStringList({"a"}));
  EXPECT_FALSE(dir.exists("nevx.dat"));
}

TEST(DeleteRecord, ANumberOutsideTheListChangesNothing) {
  TempFolder dir;
  {
    RecordFile f(dir.path(), "lista.dat", 25);
    for (auto t : {"a", "b"}) f.append(entry(t));
  }
  const QByteArray before = dir.bytes("lista.dat");
  EXPECT_TRUE(deleteRecord(dir.path(), "lista.dat", "nevx.dat", 25, 7));
  EXPECT_EQ(dir.bytes("lista.dat"), before);
}

TEST(DeleteRecord, AFailureLeavesTheListAsItWas) {
  TempFolder dir;
  {
    RecordFile f(dir.path(), "lista.dat", 25);
    for (auto t : {"a", "b", "c"}) f.append(entry(t));
  }
  const QByteArray before = dir.bytes("lista.dat");
  // The temporary file cannot be created: a folder stands in its place.
  QDir(dir.path()).mkdir("nevx.dat");
  QString err;
  EXPECT_FALSE(deleteRecord(dir.path(), "lista.dat", "nevx.dat", 25, 2, &err));
  EXPECT_FALSE(err.isEmpty());
  EXPECT_EQ(dir.bytes("lista.dat"), before);
}

// A journal whose removal did not reach the disk belongs to the file it was written for: once a
// deletion has renamed a new list over that name, it is not rolled back onto the new list.
TEST(DeleteRecord, AStaleJournalIsNotRolledBackOntoTheRewrittenList) {
  TempFolder dir;
  {
    RecordFile f(dir.path(), "lista.dat", 25);
    for (auto t : {"a", "b", "c"}) f.append(entry(t));
  }
  const QString naplo = helybenNaploNeve("lista.dat");
  QByteArray maradt;
  {
    // The folder flush after the journal's removal fails.
    int mappa = 0;
    FajlHorogProba h([&](FajlHivas c, const QString& fajl, qint64&, qint64) {
      if (c == FajlHivas::Torles && fajl == naplo) maradt = dir.bytes(naplo);
      return c == FajlHivas::MappaSzinkron && ++mappa == 2 ? EIO : 0;
    });
    RecordFile f(dir.path(), "lista.dat", 25);
    EXPECT_EQ(f.writeDurable(2, encodeRecord(entry("x"))).allapot, MentesAllapot::Bizonytalan);
  }
  {
    // A deletion is done only once its rename is on the disk.
    FajlHibak h({{FajlHivas::MappaSzinkron, EIO}});
    QString err;
    EXPECT_FALSE(deleteRecord(dir.path(), "lista.dat", "nevx.dat", 25, 1, &err));
    EXPECT_EQ(err, QStringLiteral("A(z) lista.dat fájlból a rekord törlődött, de a lemez hibát jelzett, ezért nem "
                                  "biztos, hogy a törlés megmarad: Bemeneti/kimeneti hiba."));
    EXPECT_EQ(h.hatra(), 0u);
  }
  // A power loss keeps the rename but not the journal's removal.
  ASSERT_FALSE(maradt.isEmpty());
  dir.put(naplo, maradt);
  EXPECT_EQ(entries(dir, "lista.dat"), QStringList({"x", "c"}));
  EXPECT_FALSE(dir.exists(naplo));
}

TEST(Settings, ModifyKeepsTheBytesOfOtherFields) {
  TempFolder dir;
  QByteArray image(25, '\0');
  for (int i = 0; i < 25; ++i) image[i] = char(0xA0 + i);
  dir.put("e.dat", image);
  Entry e;
  ASSERT_TRUE(modifySettings(dir.path(), "e.dat", e, [](Entry&) {}));
  EXPECT_EQ(dir.bytes("e.dat"), image);
}

TEST(RecordFile, AFifoIsADamagedFileThatIsNeitherWaitedForNorReadNorWritten) {
  TempFolder dir;
  const QByteArray fifo = QFile::encodeName(dir.file("Set.dat"));
  ASSERT_EQ(::mkfifo(fifo.constData(), 0644), 0);
  {
    RecordFile f(dir.path(), "set.dat", 25);
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(f.nemFajl(), "FIFO");
    EXPECT_EQ(*f.count(), 0);
    EXPECT_FALSE(f.readBytes(1));
    EXPECT_FALSE(f.append(entry("x")));
  }
  Entry e;
  const MentesEredmeny m = modifySettings(dir.path(), "Set.dat", e, [](Entry& r) { r.text = "uj"; });
  EXPECT_EQ(m.allapot, MentesAllapot::Valtozatlan);
  EXPECT_FALSE(regularisOlvasas(dir.file("Set.dat"), 25));
  EXPECT_FALSE(deleteRecord(dir.path(), "Set.dat", "nevx.dat", 25, 1));
  struct stat st {};
  ASSERT_EQ(::stat(fifo.constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// What a settings save reports is what the file holds afterwards, whichever call fails.
TEST(RecordFile, ASaveSaysWhatReachedTheDisk) {
  using H = FajlHivas;
  struct Eset {
    const char* nev;
    QByteArray elotte;
    std::deque<FajlHibaLepes> lepesek;
    MentesAllapot allapot;
    QByteArray utana;
    int errnum;
  };
  const QByteArray regi = "abcd", uj = "wxyz";
  const Eset esetek[] = {
      {"no space at the write", regi, {{H::Iras, ENOSPC}}, MentesAllapot::Valtozatlan, regi, ENOSPC},
      {"a short write, then no space", regi, {{H::Iras, 0, 2}, {H::Iras, ENOSPC}}, MentesAllapot::Valtozatlan, regi, ENOSPC},
      {"a short write extending the file", {}, {{H::Iras, 0, 2}, {H::Iras, ENOSPC}}, MentesAllapot::Valtozatlan, {}, ENOSPC},
      {"the flush fails", regi, {{H::Szinkron, EIO}}, MentesAllapot::Valtozatlan, regi, EIO},
      {"the flush fails, and so does putting back", regi, {{H::Szinkron, EIO}, {H::Iras, EIO}},
       MentesAllapot::Bizonytalan, uj, EIO},
      {"a short write that cannot be undone", regi, {{H::Iras, 0, 2}, {H::Iras, ENOSPC}, {H::Iras, EIO}},
       MentesAllapot::Reszben, "wxcd", ENOSPC},
      {"no failure", regi, {}, MentesAllapot::Kesz, uj, 0},
  };
  for (const Eset& e : esetek) {
    SCOPED_TRACE(e.nev);
    TempFolder dir;
    dir.put("r.dat", e.elotte);
    // The record's own calls (its journal's come before them).
    std::deque<FajlHibaLepes> lepesek = e.lepesek;
    for (FajlHibaLepes& l : lepesek) l.fajl = "r.dat";
    FajlHibak hibak(lepesek);
    RecordFile f(dir.path(), "r.dat", 4);
    const MentesEredmeny m = f.writeDurable(1, uj);
    f.close();
    EXPECT_EQ(hibak.hatra(), 0u);
    EXPECT_EQ(m.allapot, e.allapot);
    EXPECT_EQ(dir.bytes("r.dat"), e.utana);
    EXPECT_EQ(m.ok, e.errnum ? rendszerHiba(e.errnum) : QString());
  }
}

namespace {
// The words of three letters or more of the C library's English text of `errnum`.
QSet<QString> angolSzavak(int errnum) {
  static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
  QSet<QString> s;
  for (const QString& w : QString::fromLatin1(::strerror_l(errnum, c)).split(QRegularExpression("[^A-Za-z]+")))
    if (w.size() >= 3) s.insert(w.toLower());
  return s;
}
}  // namespace

// Every error a file call can return has Hungarian words of its own, and no error at all is said
// with a word of the system's English text; a number the system does not know gets a sentence
// with the number.
TEST(RendszerHiba, EveryErrorIsSaidInHungarian) {
  EXPECT_EQ(rendszerHiba(EROFS), "Csak olvasható fájlrendszer");
  EXPECT_EQ(rendszerHiba(ENOSPC), "Nincs több szabad hely az eszközön");
  const int sajat[] = {EPERM,  ENOENT,  EINTR,     EIO,       ENXIO,     EBADF,        EAGAIN,  ENOMEM, EACCES,
                       EBUSY,  EEXIST,  EXDEV,     ENODEV,    ENOTDIR,   EISDIR,       EINVAL,  ENFILE, EMFILE,
                       ETXTBSY, EFBIG,  ENOSPC,    EROFS,     EMLINK,    ENAMETOOLONG, ENOLCK,  ENOSYS, ENOTEMPTY,
                       ELOOP,  ENODATA, EOVERFLOW, EOPNOTSUPP, ETIMEDOUT, ESTALE,      EDQUOT,  ESPIPE, EREMOTEIO};
  QSet<QString> szovegek;
  for (const int e : sajat) {
    EXPECT_FALSE(rendszerHiba(e).contains(QString::number(e))) << e << " has no words of its own";
    szovegek.insert(rendszerHiba(e));
  }
  EXPECT_EQ(szovegek.size(), qsizetype(std::size(sajat)));  // each its own
  for (int e = 1; e <= 300; ++e) {
    const QString h = rendszerHiba(e);
    ASSERT_FALSE(h.isEmpty()) << e;
    static const QRegularExpression nemBetu("\\W+", QRegularExpression::UseUnicodePropertiesOption);
    QSet<QString> szavak;
    for (const QString& w : h.toLower().split(nemBetu)) szavak.insert(w);
    EXPECT_FALSE(szavak.intersects(angolSzavak(e))) << e << ": " << h.toStdString();
  }
  EXPECT_EQ(rendszerHiba(4321), "Ismeretlen rendszerhiba (hibakód: 4321)");
  // As a Qt file class reports it, and the system's text of any error.
  TempFolder dir;
  QFile f(dir.file("nincs/x.dat"));
  EXPECT_FALSE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(rendszerHiba(f), "Nincs ilyen fájl vagy mappa");
  EXPECT_EQ(rendszerHibaSzovegbol(QString::fromLocal8Bit(std::strerror(ELOOP))), rendszerHiba(ELOOP));
}

// A journal belongs to its file by name: a torn record is rolled back also in a folder copied
// after the power loss (every file a new inode), from a journal of an earlier version whose
// device and inode no longer match, and only once the file can be asked (until then the journal
// stays and the file is neither read nor written).
TEST(RecordFile, AJournalIsRolledBackByNameWhateverTheFilesIdentity) {
  TempFolder dir;
  const QString naplo = helybenNaploNeve("lista.dat");
  const QByteArray regi = encodeRecord(entry("régi")), uj = encodeRecord(entry("új szöveg"));
  dir.put("lista.dat", encodeRecord(entry("a")) + regi);
  QByteArray naploBajtok;
  {
    FajlHorogProba h([&](FajlHivas c, const QString& f, qint64&, qint64) {
      if (c == FajlHivas::Iras && f == "lista.dat") naploBajtok = dir.bytes(naplo);
      return 0;
    });
    RecordFile f(dir.path(), "lista.dat", 25);
    ASSERT_TRUE(f.writeDurable(2, uj));
  }
  ASSERT_FALSE(naploBajtok.isEmpty());
  const QByteArray torott = encodeRecord(entry("a")) + uj.left(10) + regi.mid(10);
  auto masolat = [&] {  // the folder as a copy brings it: new files of the same bytes
    QFile::remove(dir.file("lista.dat"));
    dir.put("lista.dat", torott);
    dir.put(naplo, naploBajtok);
  };
  masolat();
  EXPECT_EQ(entries(dir, "lista.dat"), QStringList({"a", "régi"}));
  EXPECT_FALSE(dir.exists(naplo));

  // While the file cannot be asked the journal stays, and reads fail naming the file.
  masolat();
  {
    FajlHorogProba h([](FajlHivas c, const QString& f, qint64&, qint64) {
      return c == FajlHivas::Lekerdezes && f == "lista.dat" ? EIO : 0;
    });
    RecordFile f(dir.path(), "lista.dat", 25);
    EXPECT_FALSE(f.readBytes(1));
    EXPECT_EQ(f.errorText(), "A(z) lista.dat fájl félbeszakadt módosítása nem vonható vissza: Bemeneti/kimeneti hiba.");
    EXPECT_FALSE(f.writeDurable(1, uj));
  }
  EXPECT_EQ(dir.bytes("lista.dat"), torott);
  EXPECT_TRUE(dir.exists(naplo));
  EXPECT_EQ(entries(dir, "lista.dat"), QStringList({"a", "régi"}));

  // A journal of an earlier version named the file by a device and inode since gone.
  const QByteArray torzs = "LAVINDOR HELYBEN 1\n25 50 25 1 1\n" + regi;
  dir.put(naplo, torzs + QCryptographicHash::hash(torzs, QCryptographicHash::Sha256).toHex() + "\nVEGE\n");
  dir.put("lista.dat", torott);
  EXPECT_EQ(helybenIrasokVisszavonasa(dir.path()),
            "A(z) lista.dat fájl legutóbbi módosítása félbeszakadt, és visszavonásra került: a fájl korábbi adatai "
            "maradtak meg.");
  EXPECT_EQ(dir.bytes("lista.dat"), encodeRecord(entry("a")) + regi);
}

// One change in place of two files: it reads back whole, and a journal cut short or changed in
// any byte is torn (never followed).
TEST(Naplo, AJournalIsFollowedOnlyWholeAndOnlyOntoItsOwnFiles) {
  HelybenNaplo j;
  j.tetelek << HelybenTetel{"a b.dat", 25, 50, "0123456789", "abcdefghij"} << HelybenTetel{"c.dat", 0, 0, {}, "x"};
  const QByteArray b = helybenTartalom(j);
  const std::optional<HelybenNaplo> vissza = helybenOlvas(b);
  ASSERT_TRUE(vissza);
  ASSERT_EQ(vissza->tetelek.size(), 2);
  for (int i = 0; i < 2; ++i) {
    const HelybenTetel &v = vissza->tetelek[i], &t = j.tetelek[i];
    EXPECT_EQ(std::tie(v.fajl, v.at, v.meret, v.regi, v.uj), std::tie(t.fajl, t.at, t.meret, t.regi, t.uj));
  }
  for (qsizetype n = 0; n < b.size(); ++n) {
    EXPECT_FALSE(helybenOlvas(b.left(n))) << n;
    QByteArray m = b;
    m[n] = char(m[n] ^ 0x20);
    EXPECT_FALSE(helybenOlvas(m)) << n;
  }
  // The change is one: both files are put back, or, where one holds other bytes (changed again
  // since), neither.
  const QByteArray regi = QByteArray(25, 'x') + "0123456789" + QByteArray(15, 'x');
  const QByteArray torn = QByteArray(25, 'x') + "abcde56789" + QByteArray(15, 'x');
  for (const QByteArray c : {QByteArray("x"), QByteArray("y")}) {
    const bool sajat = c == "x";
    TempFolder dir;
    dir.put("a b.dat", torn);
    dir.put("c.dat", c);
    dir.put("napló", b);
    const HelybenKovetes k = helybenKovetes(dir.file("napló"), {}, true);
    EXPECT_TRUE(k.ok());
    EXPECT_EQ(k.visszavonva, sajat);
    EXPECT_EQ(dir.bytes("a b.dat"), sajat ? regi : torn);
    EXPECT_EQ(dir.bytes("c.dat"), sajat ? QByteArray() : c);
    EXPECT_FALSE(dir.exists("napló"));
  }
}
