// Qt's own dialogs and menus in Hungarian once the system's translation is loaded: the file
// dialog as the program shows it, and a text box's context menu. Writes
// <build>/screenshots/fajldialogus.png.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

#include <memory>

#include "common/filedialogs.h"
#include "common/forditas.h"
#include "support/tempfolder.h"

namespace {

class Forditas : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(qtForditasBetoltese(t)) << "qtbase_hu.qm missing (qt6-translations-l10n)"; }
  // The other tests of this program see Qt's texts as they were.
  void TearDown() override { QCoreApplication::removeTranslator(&t); }
  QTranslator t;
};

QStringList lathatoSzovegek(const QWidget* d) {
  QStringList s;
  for (const QPushButton* b : d->findChildren<QPushButton*>())
    if (b->isVisible()) s << b->text();
  for (const QLabel* l : d->findChildren<QLabel*>())
    if (l->isVisible()) s << l->text();
  return s;
}

TEST_F(Forditas, TheFileDialogSpeaksHungarian) {
  TempFolder f;
  f.put("adatok.csv", "a;b\n");
  QStringList szovegek;
  bool megjelent = false;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    megjelent = true;
    d->resize(900, 460);
    QApplication::processEvents();
    szovegek = lathatoSzovegek(d);
    const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
    if (QDir().mkpath(cel)) d->grab().save(cel + QStringLiteral("/fajldialogus.png"));
    d->reject();
  });
  QtFileDialogs dialogusok;
  EXPECT_EQ(dialogusok.openFile(QStringLiteral("Adatbázis importálása"), f.path(),
                                QStringLiteral("CSV fájlok (*.csv *.CSV);;Minden fájl (*)")),
            QString());
  ASSERT_TRUE(megjelent);
  for (const char* vart : {"&Megnyitás", "Mégse", "Keresés itt:", "Fájl &neve:", "Fájlok típusa:"})
    EXPECT_TRUE(szovegek.contains(QString::fromUtf8(vart))) << vart << ": " << szovegek.join(" | ").toStdString();
  for (const char* angol : {"&Open", "Cancel", "Look in:", "File &name:", "Files of type:"})
    EXPECT_FALSE(szovegek.contains(QString::fromUtf8(angol))) << angol;
}

TEST_F(Forditas, TheTextBoxContextMenuSpeaksHungarian) {
  QLineEdit e(QStringLiteral("szöveg"));
  std::unique_ptr<QMenu> m(e.createStandardContextMenu());
  QStringList menu;
  for (const QAction* a : m->actions())
    if (!a->isSeparator()) menu << a->text().section(QLatin1Char('\t'), 0, 0);
  EXPECT_EQ(menu, QStringList({"&Visszavonás", "Új&ra", "&Kivágás", "&Másolás", "&Beillesztés", "Törlés",
                               "Összes kijelölése"}));
}

}  // namespace
