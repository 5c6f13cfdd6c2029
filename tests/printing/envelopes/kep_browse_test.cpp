// The picture browser: where it opens, what it lists, which files it takes, what cancel gives
// back and what it stores in browse.pat; its error message.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "printing/envelopes/kep_browse.h"
#include "support/tempfolder.h"

namespace {

QStringList sorok(const QListWidget* l) {
  QStringList s;
  for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
  return s;
}

struct BrowseTest : ::testing::Test {
  TempFolder dir;
  Platform platform;
  RecordedMessageBoxes uzenetek;
  QString kivalasztott = QStringLiteral("/régi/kep.jpg");

  void SetUp() override {
    platform.folder = dir.path();
    platform.messages = &uzenetek;
    QImage k(40, 20, QImage::Format_RGB32);
    k.fill(Qt::red);
    QDir(dir.path()).mkdir(QStringLiteral("cimer"));
    k.save(dir.file(QStringLiteral("cimer/Zaszlo.JPG")), "JPEG");
    k.save(dir.file(QStringLiteral("cimer/bagoly.bmp")), "BMP");
    k.save(dir.file(QStringLiteral("cimer/fenykep.png")), "PNG");
    dir.put(QStringLiteral("cimer/hamis.jpg"), "nem kép");
    dir.put(QStringLiteral("cimer/leiras.txt"), "szöveg");
  }
  std::unique_ptr<kep_browse> nyit() {
    auto d = std::make_unique<kep_browse>(platform, kivalasztott);
    d->show();
    return d;
  }
  QString cimer() const { return dir.file(QStringLiteral("cimer")); }
};

TEST_F(BrowseTest, OpensInTheStoredFolderWhileItExists) {
  // Reserved bytes of an existing file survive the closing.
  QByteArray regi(516, ' ');
  for (int i = 500; i < 516; ++i) regi[i] = char(0xA0 + i - 500);
  dir.put(kBrowseFile, regi);
  auto d = nyit();
  EXPECT_EQ(d->dir1Path(), QDir(dir.path()).absolutePath());  // nothing stored: the program folder
  EXPECT_TRUE(d->Command2->isEnabled() == false);
  d->setDir1Path(cimer());
  d->Command3_Click();
  BrowseRekord b;
  EXPECT_TRUE(loadSettings(dir.path(), kBrowseFile, b));
  EXPECT_EQ(trimmed(b.Mappa), cimer());
  EXPECT_EQ(dir.bytes(kBrowseFile).size(), 516);
  EXPECT_EQ(dir.bytes(kBrowseFile).mid(500), regi.mid(500));

  auto d2 = nyit();
  EXPECT_EQ(d2->dir1Path(), cimer());
  EXPECT_EQ(d2->Label1->text(), cimer());
  d2->reject();
  ASSERT_TRUE(QDir(cimer()).removeRecursively());
  auto d3 = nyit();
  EXPECT_EQ(d3->dir1Path(), QDir(dir.path()).absolutePath());
}

TEST_F(BrowseTest, ListsByTheOptionAndTheTypedName) {
  auto d = nyit();
  d->setDir1Path(cimer());
  EXPECT_EQ(sorok(d->File1), (QStringList{"bagoly.bmp", "hamis.jpg", "Zaszlo.JPG"}));
  d->Option1[0]->setChecked(true);
  EXPECT_EQ(d->File1->count(), 5);
  // The typed name narrows within the option's pattern.
  d->Text1->setText(QStringLiteral("a"));
  EXPECT_EQ(d->file1Pattern(), QStringLiteral("*a*.*"));
  EXPECT_EQ(d->File1->count(), 4);
  d->Option1[1]->setChecked(true);
  EXPECT_EQ(d->file1Pattern(), QStringLiteral("*a*.jpg;*a*.gif;*a*.bmp"));
  EXPECT_EQ(sorok(d->File1), (QStringList{"bagoly.bmp", "hamis.jpg", "Zaszlo.JPG"}));
  // Exactly one match is chosen at once.
  d->Text1->setText(QStringLiteral("zas"));
  EXPECT_EQ(sorok(d->File1), QStringList{"Zaszlo.JPG"});
  EXPECT_EQ(kivalasztott, cimer() + QStringLiteral("/Zaszlo.JPG"));
  EXPECT_TRUE(d->Command2->isEnabled());
  EXPECT_EQ(d->Command2->text(), QStringLiteral("&Rendben"));
  EXPECT_FALSE(d->Image1->pixmap().isNull());
}

TEST_F(BrowseTest, TakesOnlyPicturesAndCancelGivesBackThePreviousChoice) {
  auto d = nyit();
  d->setDir1Path(cimer());  // chooses the first file, the GIF
  EXPECT_EQ(kivalasztott, cimer() + QStringLiteral("/bagoly.bmp"));
  EXPECT_TRUE(d->Command2->isEnabled());
  d->File1->setCurrentRow(1);  // hamis.jpg
  EXPECT_EQ(d->Command2->text(), QStringLiteral("Nem kép fájl..."));
  EXPECT_FALSE(d->Command2->isEnabled());
  EXPECT_TRUE(d->Image1->pixmap().isNull());

  // Without the preview the name decides, OK checks the file itself.
  d->Check1->setChecked(false);
  d->File1->setCurrentRow(0);
  d->File1->setCurrentRow(1);
  EXPECT_TRUE(d->Command2->isEnabled());
  d->Command2_Click();
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->Command2->text(), QStringLiteral("Nem kép fájl..."));
  EXPECT_FALSE(d->Command2->isEnabled());

  d->reject();
  EXPECT_EQ(kivalasztott, QStringLiteral("/régi/kep.jpg"));

  auto d2 = nyit();
  d2->setDir1Path(cimer());
  d2->File1->setCurrentRow(2);
  d2->Command2_Click();
  EXPECT_EQ(d2->result(), QDialog::Accepted);
  EXPECT_EQ(kivalasztott, cimer() + QStringLiteral("/Zaszlo.JPG"));
}

TEST_F(BrowseTest, FolderTheFileCannotHoldIsNotStored) {
  const QString hosszu = dir.file(QStringLiteral("Москва"));
  ASSERT_TRUE(QDir().mkpath(hosszu));
  auto d = nyit();
  d->setDir1Path(hosszu);
  d->reject();
  EXPECT_EQ(dir.bytes(kBrowseFile).size(), 0);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.startsWith(QStringLiteral("A mappa nem menthető (browse.pat)")));
}

TEST_F(BrowseTest, ErrorMessageByTheTable) {
  kep_browse::HibaUzenet(uzenetek, {});
  EXPECT_TRUE(uzenetek.shown.empty());
  const FajlHiba h = mappaHiba(dir.file(QStringLiteral("nincs")));
  EXPECT_EQ(h.szam, 76);
  kep_browse::HibaUzenet(uzenetek, h);
  kep_browse::HibaUzenet(uzenetek, {75, QStringLiteral("A mappa nem olvasható.")});
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_EQ(uzenetek.shown[0].text, QStringLiteral("A kijelölt elérési út nem található.\r\nVB. Hibakód :     76\r\n"
                                                   "A hiba fajtálya:  Az elérési út nem található."));
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("! H I B A ! "));
  EXPECT_EQ(uzenetek.shown[0].icon, MsgIcon::None);
  EXPECT_TRUE(uzenetek.shown[1].text.startsWith(QStringLiteral("Ismeretlen hiba.\r\nVB. Hibakód :     75")));
  EXPECT_EQ(mappaHiba(dir.path()).szam, 0);
}

TEST_F(BrowseTest, VolumesListedAndRootButton) {
  auto d = nyit();
  ASSERT_GT(d->Drive1->count(), 0);
  EXPECT_EQ(d->Command1->text(), d->Drive1->currentData().toString());
  d->Command1_Click();
  EXPECT_EQ(d->dir1Path(), QDir::cleanPath(d->Drive1->currentData().toString()));
}

}  // namespace
