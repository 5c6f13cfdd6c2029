// The line format: splitting, amounts, the code page of a file, and the bytes of an export line.
#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/fields.h"
#include "exchange/csvsor.h"

namespace {

TEST(CsvOszlopok, Splitting) {
  struct Eset {
    const char* sor;
    int oszlopok;
    QStringList vart;
  };
  const Eset esetek[] = {
      {"a;b;c", 4, {"a", "b", "c", ""}},
      {"\"Kiss Anna\";;\"AZ1\"", 3, {"Kiss Anna", "", "AZ1"}},
      {"\"Kiss; Anna\";x", 3, {"Kiss", " Anna", "x"}},  // a ';' inside quotes still splits
      {"ab\"c\"d;e", 2, {"abcd", "e"}},                   // quotes dropped wherever they stand
      {"1;2;3;4;5", 3, {"1", "2", "3"}},                  // text after the last column's ';' ignored
      {"  lead;  x  ", 2, {"  lead", "  x  "}},           // the splitter trims nothing
      {"", 2, {"", ""}},
  };
  for (const Eset& e : esetek) EXPECT_EQ(csvOszlopok(QString::fromUtf8(e.sor), e.oszlopok), e.vart) << e.sor;
}

TEST(CsvOsszeg, WholeNumbersOnly) {
  struct Eset {
    const char* szoveg;
    std::optional<int32_t> vart;
  };
  const Eset esetek[] = {
      {"", 0},          {"   ", 0},      {"1500", 1500},   {" 1500 ", 1500},     {"-20", -20},
      {"+7", 7},        {"1500,00", 1500}, {"1500.0", 1500}, {"12.5", {}},         {"1 500", {}},
      {"1.500", {}},    {"abc", {}},     {"15x", {}},      {"-", {}},            {"2147483647", 2147483647},
      {"2147483648", {}}, {"99999999999999999999", {}},  {"-2147483648", INT32_MIN},
  };
  for (const Eset& e : esetek) EXPECT_EQ(csvOsszeg(QString::fromUtf8(e.szoveg)), e.vart) << e.szoveg;
}

TEST(CsvSzoveg, Utf8OrCodePage1250) {
  bool utf8 = false;
  EXPECT_EQ(csvSzoveg(QByteArray("\xEF\xBB\xBF\xC3\x81rv\xC3\xADzt\xC5\xB1r\xC5\x91"), &utf8), QString::fromUtf8("Árvíztűrő"));
  EXPECT_TRUE(utf8);
  // The same word in code page 1250 is no valid UTF-8.
  EXPECT_EQ(csvSzoveg(cp1250::encode(QString::fromUtf8("Árvíztűrő")), &utf8), QString::fromUtf8("Árvíztűrő"));
  EXPECT_FALSE(utf8);
  // Decomposed accents (a + combining acute) are composed, so they fit the code page.
  EXPECT_EQ(csvSzoveg(QByteArray("a\xCC\x81")), QString::fromUtf8("á"));
}

TEST(CsvBajtOszlopok, TheColumnsOfTheTextAsCodePageBytes) {
  const char* sorok[] = {"a;b;c", "\"Kiss; Anna\";x", "ab\"c\"d;e", "1;2;3;4;5", "  lead;  x  ", "",
                         "Őz Ödön;Fő út;\xE2\x82\xAC 5;\xE2\x80\x9EJ\xC3\xB3\xE2\x80\x9D"};  // € „ ”: three bytes
  for (const char* s : sorok) {
    const QString szoveg = QString::fromUtf8(s);
    for (const int oszlopok : {3, 14}) {
      const QStringList vart = csvOszlopok(szoveg, oszlopok);
      for (const bool utf8 : {true, false}) {
        CsvBajtSor b;
        ASSERT_TRUE(csvBajtOszlopok(utf8 ? QByteArray(s) : cp1250::encode(szoveg), utf8, oszlopok, b)) << s;
        for (int i = 0; i < oszlopok; ++i) EXPECT_EQ(b.oszlop[size_t(i)], cp1250::encode(vart[i])) << s << " " << i;
      }
    }
  }
  // A character the code page lacks, or a decomposed accent, sends the line to the text path.
  CsvBajtSor b;
  for (const char* s : {"a;\xD0\xB6", "a\xCC\x81;b", "x\xF0\x9F\x98\x80", "\xEF\xBB\xBF" "a"})
    EXPECT_FALSE(csvBajtOszlopok(QByteArrayView(s), true, kCsvOszlopok, b)) << s;
  // Past the last column nothing is read.
  EXPECT_TRUE(csvBajtOszlopok(QByteArrayView("a;b;\xD0\xB6"), true, 2, b));
}

TEST(CsvForras, AFileCutInsideItsLastCharacterIsStillUtf8) {
  const CsvForras f = csvForras(QByteArray("\xEF\xBB\xBF" "G\xC5\x91z;;;;;;1\r\nNagy \xC3"));
  EXPECT_EQ(f.kodolas, CsvKodolas::Utf8);
  EXPECT_EQ(f.nezet(), QByteArrayView("G\xC5\x91z;;;;;;1\r\nNagy "));  // the cut character dropped
  // Invalid before its end: code page 1250, every byte kept.
  const CsvForras k = csvForras(QByteArray("G\xF5z\r\nNagy \xC3"));
  EXPECT_EQ(k.kodolas, CsvKodolas::Kodlap1250);
  EXPECT_EQ(k.nezet().size(), 11);
}

// One payer's export line, from its stored records.
QByteArray sor(const NevekRekord& n, const Kozl3sorRekord& k = {}, CsvSorSzamlalo* sz = nullptr) {
  return csvSor(encodeRecord(n), encodeRecord(k), sz);
}

TEST(CsvSor, FieldBytes) {
  NevekRekord n;
  n.Nev = QString(36, QLatin1Char('N'));
  n.Irsz = "7621";
  n.Osszegek[0] = 1500;
  n.FizHatIdo = "2026.12.31";
  Kozl3sorRekord k;
  k.UgyfelSajatJelzese = "Saját jelzés huszonöt kar";  // 25 characters, field 21
  CsvSorSzamlalo sz;
  const QByteArray b = sor(n, k, &sz);
  ASSERT_EQ(b.size(), 331);
  EXPECT_EQ(b.left(31), QByteArray(30, 'N') + ';');       // a 36-character name cut to 30 and ';'
  EXPECT_EQ(b.mid(93 + 21, 5), QByteArray("7621;"));        // postcode field of 5
  EXPECT_EQ(b.mid(165, 10), QByteArray("1500;     "));      // amount: digits, ';', five blanks
  EXPECT_EQ(b.mid(196, 28), QByteArray("2026.12.31").leftJustified(27, ' ') + ';');
  EXPECT_EQ(b.mid(308, 21), cp1250::encode(QString::fromUtf8("Saját jelzés huszonöt")).left(20) + ';');
  EXPECT_EQ(b.right(2), QByteArray("\r\n"));
  EXPECT_EQ(sz.csonkitott, 2);  // the name and the reference; padding alone is no cut
  EXPECT_EQ(sz.csere, 0);
  EXPECT_EQ(b.count(';'), 14);
}

TEST(CsvSor, SeparatorsInValuesAreReplacedAndCounted) {
  NevekRekord n;
  n.Nev = "Kiss; \"Anna\"";
  n.Cim = "Fő út; 2.";
  n.Osszegek[0] = -25;
  CsvSorSzamlalo sz;
  const QByteArray b = sor(n, {}, &sz);
  EXPECT_EQ(b.left(31), QByteArray("Kiss, Anna").leftJustified(30, ' ') + ';');
  EXPECT_EQ(b.mid(165, 10), QByteArray("-25;      "));
  EXPECT_EQ(sz.csere, 2);
  EXPECT_EQ(b.count(';'), 14);  // every later column stays in place
  // A missing notice record exports blank notice fields.
  const QByteArray ures = csvSor(encodeRecord(n), QByteArray());
  EXPECT_EQ(ures.mid(175, 21), QByteArray(20, ' ') + ';');
}

}  // namespace
