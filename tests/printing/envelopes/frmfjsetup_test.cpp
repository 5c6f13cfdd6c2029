// The posting-list settings dialog and the start of the empty sheet's program: FjSet.dat's
// bytes, the save question, refused input, the file dialog and the program with its argument.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "common/cp1250.h"
#include "common/filedialogs.h"
#include "common/messages.h"
#include "common/recordfile.h"
#include "common/shell.h"
#include "printing/envelopes/frmfjsetup.h"
#include "printing/envelopes/uresjegyzek.h"
#include "support/tempfolder.h"

namespace {

class FjSetupTest : public ::testing::Test {
 protected:
  FjSetupTest() {
    platform.folder = dir.path();
    platform.messages = &msgs;
    platform.shell = &shell;
    platform.fileDialogs = &dialogs;
  }
  void tarol(int16_t bal, int16_t felso, const QString& utvonal) {
    FjSetRekord r;
    r.Bal = bal;
    r.Felso = felso;
    r.ExcelUtvonal = utvonal;
    dir.put(kFjSetFile, encodeRecord(r));
  }
  TempFolder dir;
  RecordedMessageBoxes msgs;
  RecordedShell shell;
  RecordedFileDialogs dialogs;
  Platform platform;
  FjSetRekord fjSet;
};

TEST_F(FjSetupTest, SavingWritesOneRecordOf104BytesAfterTheQuestion) {
  EXPECT_EQ(fieldLength<FjSetRekord>(), 104);
  frmFjSetup d(platform, fjSet);
  d.txtBal->setText("12");
  d.txtFelso->setText("30");
  d.txtExcelUtvonal->setText("  /opt/Irodai csomag/táblázat  ");
  d.cmdMent_Click();
  const QByteArray b = dir.bytes(kFjSetFile);
  ASSERT_EQ(b.size(), 104);
  EXPECT_EQ(hex(b, 0, 4), "0c 00 1e 00");
  EXPECT_EQ(b.mid(4), cp1250::encode("/opt/Irodai csomag/táblázat").leftJustified(100, ' '));
  ASSERT_EQ(msgs.shown.size(), 1u);
  EXPECT_EQ(msgs.shown[0].text, "Biztos módosítod a beállításokat?\r\n\r\n");
  EXPECT_EQ(msgs.shown[0].title, " Módosítás ");
  EXPECT_EQ(msgs.shown[0].icon, MsgIcon::Question);
  EXPECT_EQ(frmFjSetup(platform, fjSet).txtExcelUtvonal->text(), "/opt/Irodai csomag/táblázat");

  d.txtBal->setText("13");
  msgs.answers = {MsgAnswer::No};
  d.cmdMent_Click();
  EXPECT_EQ(dir.bytes(kFjSetFile), b);  // No writes nothing
}

TEST_F(FjSetupTest, ValuesThatDoNotFitAreRefusedAndTheFileKeepsItsBytes) {
  tarol(5, 7, "/usr/bin/gnumeric");
  const QByteArray elotte = dir.bytes(kFjSetFile);
  const struct {
    const char *bal, *felso;
    QString utvonal;
    const char* mezo;
  } esetek[] = {
      {"12,5", "30", "x", "Név bal margó:"},
      {"12", "40000", "x", "Név felső margó:"},
      {"abc", "30", "x", "Név bal margó:"},
      {"12", "", "x", "Név felső margó:"},
      {"12", "30", QString(101, 'a'), "Excel útvonal:"},
      {"12", "30", "/opt/ő" + QString(95, 'a'), "Excel útvonal:"},  // 101 bytes: ő is one byte
      {"12", "30", "/opt/日本/calc", "Excel útvonal:"},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.bal);
    frmFjSetup d(platform, fjSet);
    d.txtBal->setText(e.bal);
    d.txtFelso->setText(e.felso);
    d.txtExcelUtvonal->setText(e.utvonal);
    msgs.shown.clear();
    d.cmdMent_Click();
    ASSERT_EQ(msgs.shown.size(), 2u);
    EXPECT_TRUE(msgs.shown[1].text.contains(QString::fromUtf8(e.mezo)));
    EXPECT_EQ(msgs.shown[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(dir.bytes(kFjSetFile), elotte);
  }
  // A decomposed accent is composed first and stored as one byte.
  frmFjSetup d(platform, fjSet);
  d.txtExcelUtvonal->setText(QString::fromUtf8("/opt/a\u0301/calc"));
  d.cmdMent_Click();
  EXPECT_EQ(dir.bytes(kFjSetFile).mid(4, 11), cp1250::encode("/opt/á/calc"));
}

TEST_F(FjSetupTest, BrowsingSetsThePathAndACancelKeepsIt) {
  tarol(0, 0, "/usr/bin/gnumeric");
  frmFjSetup d(platform, fjSet);
  d.cmdTalloz_Click();  // cancelled
  EXPECT_EQ(d.txtExcelUtvonal->text(), "/usr/bin/gnumeric");
  EXPECT_EQ(dialogs.calls.at(0).folder, "/usr/bin");
  dialogs.answers = {"/opt/calc/bin/calc "};
  d.cmdTalloz_Click();
  EXPECT_EQ(d.txtExcelUtvonal->text(), "/opt/calc/bin/calc");
  EXPECT_TRUE(dir.bytes(kFjSetFile).mid(4).startsWith("/usr/bin/gnumeric"));  // not saved yet
}

TEST_F(FjSetupTest, TheSheetIsTheLastArgumentOfTheStoredProgramOrTheOneFoundAndShown) {
  const QString lap = " " + dir.file("Feladójegyzéküres.xlsx");
  tarol(0, 0, " /opt/calc/bin/calc ");
  shell.installed = {"localc"};
  EXPECT_TRUE(uresJegyzekInditas(platform, fjSet));
  EXPECT_EQ(shell.started, std::vector<QString>{"/opt/calc/bin/calc" + lap});
  // Nothing stored: the first one on the search path.
  tarol(0, 0, "");
  const QStringList talalt[][2] = {{{"gnumeric", "soffice", "localc"}, {"/usr/bin/localc"}},
                                   {{"gnumeric", "soffice", "libreoffice"}, {"/usr/bin/libreoffice --calc"}},
                                   {{"gnumeric", "soffice"}, {"/usr/bin/soffice --calc"}},
                                   {{"gnumeric"}, {"/usr/bin/gnumeric"}}};
  for (const auto& e : talalt) {
    shell.installed = e[0];
    shell.started.clear();
    EXPECT_TRUE(uresJegyzekInditas(platform, fjSet));
    EXPECT_EQ(shell.started, std::vector<QString>{e[1][0] + lap});
    EXPECT_EQ(frmFjSetup(platform, fjSet).txtExcelUtvonal->text(), e[1][0]);
  }
  EXPECT_EQ(tablazatkezelo("/opt/my office/soffice --calc").opciok, QStringList{"--calc"});
  tarol(0, 0, "/opt/calc");
  shell.startResult = false;
  EXPECT_FALSE(uresJegyzekInditas(platform, fjSet));
}

}  // namespace
