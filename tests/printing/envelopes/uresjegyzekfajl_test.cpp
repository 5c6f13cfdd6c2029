// The empty posting-list sheet made at build time: a zip file holding a workbook whose shared
// strings carry the header texts, printed A4 landscape with the header row on every page.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>

#include <cstdint>

namespace {

uint32_t le(const QByteArray& b, qsizetype at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | uint8_t(b.at(at + i));
  return v;
}

// Every member of a zip file by name, inflated; a member that does not inflate is left out.
QMap<QString, QByteArray> unzip(const QByteArray& zip) {
  QMap<QString, QByteArray> out;
  const qsizetype eocd = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
  if (eocd < 0) return out;
  qsizetype cd = le(zip, eocd + 16, 4);
  for (uint32_t i = 0, n = le(zip, eocd + 10, 2); i < n && le(zip, cd, 4) == 0x02014b50; ++i) {
    const uint32_t nameLen = le(zip, cd + 28, 2), local = le(zip, cd + 42, 4);
    const QString name = QString::fromUtf8(zip.mid(cd + 46, nameLen));
    QByteArray raw = zip.mid(local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2), le(zip, cd + 20, 4));
    QByteArray plain(le(zip, cd + 24, 4), '\0');
    cd += 46 + nameLen + le(zip, cd + 30, 2) + le(zip, cd + 32, 2);
    z_stream z{};
    z.next_in = reinterpret_cast<Bytef*>(raw.data());
    z.avail_in = uInt(raw.size());
    z.next_out = reinterpret_cast<Bytef*>(plain.data());
    z.avail_out = uInt(plain.size());
    const bool ok = inflateInit2(&z, -MAX_WBITS) == Z_OK && inflate(&z, Z_FINISH) == Z_STREAM_END;
    inflateEnd(&z);
    if (ok) out[name] = plain;
  }
  return out;
}

TEST(UresJegyzekFajl, IsAWorkbookWithTheHeaderTextsAndItsPrintSetUp) {
  QFile f(QString::fromUtf8(LAVINDOR_BINARY_DIR "/assets/Feladójegyzéküres.xlsx"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QMap<QString, QByteArray> tag = unzip(f.readAll());
  for (const char* nev : {"[Content_Types].xml", "xl/workbook.xml", "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml"})
    EXPECT_TRUE(tag.contains(QString::fromLatin1(nev))) << nev;

  const QString szovegek = QString::fromUtf8(tag.value("xl/sharedStrings.xml"));
  for (const char* s : {"Feladójegyzék", "Feladó neve:", "Feladó címe:", "Sorszám", "Címzett neve", "Irányítószám",
                        "Helység", "Utca, házszám", "Küldeményazonosító", "Megjegyzés"})
    EXPECT_TRUE(szovegek.contains(QString::fromUtf8(s))) << s;

  const QByteArray lap = tag.value("xl/worksheets/sheet1.xml");
  EXPECT_TRUE(lap.contains(R"(paperSize="9")") && lap.contains(R"(orientation="landscape")"));
  EXPECT_TRUE(lap.contains(R"(<c r="A45")"));  // the 40th numbered row
  // The header row (row 5) repeats on every printed page.
  EXPECT_TRUE(tag.value("xl/workbook.xml").contains("_xlnm.Print_Titles\" localSheetId=\"0\">'Feladójegyzék'!$5:$5"));
}

}  // namespace
