// The postcode tables built from assets/*.csv, and the rules of their generator.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <functional>

#include "common/recordfile.h"
#include "payerstore/lookuprecords.h"
#include "support/tempfolder.h"

namespace {

const QString kAssets = QStringLiteral(LAVINDOR_BINARY_DIR "/assets");
const QString kGenerator = QStringLiteral(LAVINDOR_BINARY_DIR "/tools/postcodegen");

template <class R>
QList<R> readAll(const QString& name) {
  RecordFile f(kAssets, name, R::Length);
  QList<R> out;
  for (int32_t i = 1; i <= *f.count(); ++i) {
    R r;
    EXPECT_TRUE(f.read(i, r));
    out << r;
  }
  return out;
}

template <class R>
QList<R> where(const QList<R>& all, const std::function<bool(const R&)>& keep) {
  QList<R> out;
  for (const R& r : all)
    if (keep(r)) out << r;
  return out;
}

struct GenRun {
  int exitCode = -1;
  QString errors;
};

// Runs the generator on a CSV text; the table goes to out.dat in the folder.
GenRun generate(const TempFolder& dir, const QString& kind, const QString& csv) {
  dir.put("in.csv", csv.toUtf8());
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("ASAN_OPTIONS", "detect_leaks=0");
  p.setProcessEnvironment(env);
  p.start(kGenerator, {kind, dir.file("in.csv"), dir.file("out.dat")});
  p.waitForFinished(30000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAllStandardError())};
}

const QString kBudapestHeader = QStringLiteral("Irsz;Utca;Kozterulet;Varosresz;HszTol;HszIg;Kerulet\n");
const QString kTelepulesHeader = QStringLiteral("Helyseg;Kiegeszites;Irsz\n");

}  // namespace

TEST(LookupFiles, TablesAreWholeRecords) {
  for (auto [name, length] : {std::pair{kTelepulesekFile, TelepulesRekord::Length},
                              std::pair{kBudapestFile, BudapestRekord::Length}}) {
    QFile f(kAssets + '/' + name);
    ASSERT_TRUE(f.exists()) << name.toStdString() << " is missing: build the assets target";
    EXPECT_GT(f.size(), 20 * length) << name.toStdString();
    EXPECT_EQ(f.size() % length, 0) << name.toStdString();
  }
}

// These hold for the shipped sample and for a complete postal table built the same way.
TEST(LookupFiles, SettlementsDecodeWithTheirPostcodes) {
  const auto all = readAll<TelepulesRekord>(kTelepulesekFile);
  auto has = [&](const QString& name, int irsz) {
    return !where<TelepulesRekord>(all, [&](const TelepulesRekord& r) {
              return trimmed(r.Helyseg) == name && r.Irsz == irsz;
            }).isEmpty();
  };
  EXPECT_TRUE(has("Pécs", 7621));
  EXPECT_TRUE(has("Székesfehérvár", 8000));
  EXPECT_TRUE(has("Hódmezővásárhely", 6800));
  EXPECT_TRUE(has("Kőszeg", 9730));
  EXPECT_TRUE(has("Miskolc", 3517));  // Lillafüred, a part of Miskolc
  // A settlement with several postcodes has several rows: the lookup then offers a choice.
  EXPECT_GE(where<TelepulesRekord>(all, [](const TelepulesRekord& r) {
              return trimmed(r.Helyseg) == QStringLiteral("Miskolc");
            }).size(), 2);
  for (const auto& r : all) EXPECT_TRUE(r.Irsz >= 1000 && r.Irsz <= 9999) << r.Irsz;
}

TEST(LookupFiles, BudapestStreetsDecodeWithDistrictAndRange) {
  const auto all = readAll<BudapestRekord>(kBudapestFile);
  auto section = [&](const QString& utca, int irsz) {
    const auto found = where<BudapestRekord>(all, [&](const BudapestRekord& r) {
      return trimmed(r.Utca) == utca && r.Irsz == irsz;
    });
    return found.isEmpty() ? BudapestRekord{} : found[0];
  };
  const BudapestRekord kossuth = section("Kossuth Lajos", 1055);
  EXPECT_EQ(trimmed(kossuth.Kerulet), QStringLiteral("V."));
  EXPECT_EQ(utcaSzoveg(kossuth), QStringLiteral("Kossuth Lajos tér"));
  EXPECT_EQ(trimmed(section("Hősök", 1146).Kerulet), QStringLiteral("XIV."));
  // The two sides of a boundary street lie in different districts.
  const BudapestRekord paros = section("Múzeum", 1088), paratlan = section("Múzeum", 1053);
  EXPECT_EQ(paros.HszTol, kHszParos);
  EXPECT_EQ(trimmed(paros.Kerulet), QStringLiteral("VIII."));
  EXPECT_EQ(paratlan.HszTol, kHszParatlan);
  EXPECT_EQ(trimmed(paratlan.Kerulet), QStringLiteral("V."));
  EXPECT_EQ(hszIgSzoveg(paratlan.HszIg), QStringLiteral("Végig"));
  // A postcode shared by several street sections.
  EXPECT_GE(where<BudapestRekord>(all, [](const BudapestRekord& r) { return r.Irsz == 1014; }).size(), 5);
  for (const auto& r : all) EXPECT_EQ(r.Irsz / 1000, 1) << r.Irsz;
}

TEST(LookupGenerator, WritesRecordsInFileOrderWithHouseNumberCodes) {
  TempFolder dir;
  const GenRun run = generate(dir, "budapest",
                           "# megjegyzés\n" + kBudapestHeader +
                               "1088;Múzeum;körút;;páros;VÉGIG;VIII.\n"
                               "\n"
                               "1011;\"Fő\";utca;Víziváros;1;43;I.\r\n"
                               "1138;Margitsziget;;;Többi;Végig;XIII.\n");
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
  const QByteArray b = dir.bytes("out.dat");
  ASSERT_EQ(b.size(), 3 * 62);
  BudapestRekord r;
  decodeRecord(b.mid(0, 62), r);
  EXPECT_EQ(r.HszTol, kHszParos);
  EXPECT_EQ(r.HszIg, kHszVegig);
  decodeRecord(b.mid(62, 62), r);
  EXPECT_EQ(r.Irsz, 1011);
  EXPECT_EQ(trimmed(r.Utca), QStringLiteral("Fő"));
  EXPECT_EQ(trimmed(r.Varosresz), QStringLiteral("Víziváros"));
  EXPECT_EQ(r.HszTol, 1);
  EXPECT_EQ(r.HszIg, 43);
  decodeRecord(b.mid(124, 62), r);
  EXPECT_EQ(r.HszTol, kHszTobbi);
  EXPECT_EQ(trimmed(r.Kozterulet), QString());

  const GenRun t = generate(dir, "telepulesek", "\xEF\xBB\xBF" + kTelepulesHeader + "Tihany;;8237\n");
  ASSERT_EQ(t.exitCode, 0) << t.errors.toStdString();
  EXPECT_EQ(hex(dir.bytes("out.dat"), 40, 2), "2d 20");  // 8237
}

TEST(LookupGenerator, RejectsAMalformedLineNamingIt) {
  struct Case {
    const char* kind;
    QString csv;
    const char* reason;
  };
  const QString okTelepules = "Tata;;2890\n";
  const QString okBudapest = "1014;Úri;utca;Vár;Mind;Végig;I.\n";
  const Case cases[] = {
      {"telepulesek", kTelepulesHeader + okTelepules + "Tata;2890\n", "mező helyett"},
      {"telepulesek", kTelepulesHeader + okTelepules + "Tata;;289\n", "négyjegyű"},
      {"telepulesek", kTelepulesHeader + okTelepules + "Tata;;28a0\n", "négyjegyű"},
      {"telepulesek", kTelepulesHeader + okTelepules + "Abcdefghijklmnopqrstu;;2890\n", "hosszabb 20"},
      {"telepulesek", kTelepulesHeader + okTelepules + "Españа;;2890\n", "1250"},
      {"telepulesek", kTelepulesHeader + okTelepules + ";;2890\n", "üres"},
      {"telepulesek", kTelepulesHeader + okTelepules + "\"Tata;;2890\n", "idézőjel"},
      {"budapest", kBudapestHeader + okBudapest + "1014;Úri;utca;Vár;Mind;Végig;II.\n", "kerület"},
      {"budapest", kBudapestHeader + okBudapest + "2014;Úri;utca;Vár;Mind;Végig;I.\n", "kerület"},
      {"budapest", kBudapestHeader + okBudapest + "1014;Úri;utca;Vár;Mind;Végig;XXIV.\n", "Kerulet"},
      {"budapest", kBudapestHeader + okBudapest + "1014;Úri;utca;Vár;Páros;0;I.\n", "HszIg"},
      {"budapest", kBudapestHeader + okBudapest + "1014;Úri;utca;Vár;Egyik;Végig;I.\n", "HszTol"},
      {"budapest", kBudapestHeader + okBudapest + "1014;Úri;utca;Vár;40;12;I.\n", "kisebb"},
      {"budapest", kBudapestHeader + okBudapest + "1014;Úri;utca;Vár;1;40000;I.\n", "HszIg"},
      {"budapest", kBudapestHeader + okBudapest + "1014;Úri;sétálóutcácska;Vár;Mind;Végig;I.\n", "hosszabb 10"},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    dir.put("out.dat", "stale");  // an earlier table must not survive a failed run
    const GenRun run = generate(dir, c.kind, c.csv);
    EXPECT_EQ(run.exitCode, 1) << c.csv.toStdString();
    EXPECT_TRUE(run.errors.contains("in.csv:3:")) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.reason))) << run.errors.toStdString();
    EXPECT_FALSE(dir.exists("out.dat")) << c.csv.toStdString();
  }
}

TEST(LookupGenerator, RejectsAWrongHeaderOrAnEmptyTable) {
  TempFolder dir;
  GenRun run = generate(dir, "budapest", "Irsz;Kozterulet;Utca;Varosresz;HszTol;HszIg;Kerulet\n1014;utca;Úri;;Mind;Végig;I.\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.errors.contains("in.csv:1: a fejléc")) << run.errors.toStdString();
  run = generate(dir, "telepulesek", kTelepulesHeader);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.errors.contains("nincs egyetlen adatsor")) << run.errors.toStdString();
  run = generate(dir, "telepulesek", "Tata;;2890\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.errors.contains("in.csv:1: a fejléc")) << run.errors.toStdString();
  EXPECT_FALSE(dir.exists("out.dat"));
}
