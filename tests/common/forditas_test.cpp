// Qt's own dialogs and menus in Hungarian once the system's translation is loaded: the file
// dialog as the program shows it (<build>/screenshots/fajldialogus.png), with its folder type
// and dates, and a text box's context menu.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTreeView>
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

TEST_F(Forditas, TheFileDialogAndTheTextBoxMenuSpeakHungarian) {
  TempFolder f;
  f.put("adatok.csv", "a;b\n");
  QDir(f.path()).mkdir("almappa");
  QStringList szovegek;  // the dialog's visible buttons and labels
  QStringList mappaSor;  // the folder's row in the detailed list: name, size, type, date
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    d->resize(900, 460);
    d->setViewMode(QFileDialog::Detail);
    QApplication::processEvents();
    for (const QPushButton* b : d->findChildren<QPushButton*>()) if (b->isVisible()) szovegek << b->text();
    for (const QLabel* l : d->findChildren<QLabel*>()) if (l->isVisible()) szovegek << l->text();
    // The folder is listed in the background: wait for its rows.
    const auto* lista = d->findChild<QTreeView*>(QStringLiteral("treeView"));
    QDeadlineTimer hatar(5000);
    while (lista && mappaSor.isEmpty() && !hatar.hasExpired()) {
      QApplication::processEvents(QEventLoop::AllEvents, 20);
      const QAbstractItemModel* m = lista->model();
      for (int r = 0; r < m->rowCount(lista->rootIndex()); ++r)
        if (m->index(r, 0, lista->rootIndex()).data().toString() == "almappa")
          for (int c = 0; c < 4; ++c) mappaSor << m->index(r, c, lista->rootIndex()).data().toString();
    }
    const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
    if (QDir().mkpath(cel)) d->grab().save(cel + QStringLiteral("/fajldialogus.png"));
    d->reject();
  });
  QtFileDialogs().openFile(QStringLiteral("Adatbázis importálása"), f.path(), QStringLiteral("CSV fájlok (*.csv)"));
  for (const char* vart : {"&Megnyitás", "Mégse", "Keresés itt:", "Fájl &neve:", "Fájlok típusa:"})
    EXPECT_TRUE(szovegek.contains(QString::fromUtf8(vart))) << vart << ": " << szovegek.join(" | ").toStdString();
  // The type and the date of the folder's row, whatever the machine's language.
  ASSERT_EQ(mappaSor.size(), 4);
  EXPECT_EQ(mappaSor[2], "Mappa");
  EXPECT_EQ(mappaSor[3], QLocale(QLocale::Hungarian).toString(QFileInfo(f.file("almappa")).lastModified(), QLocale::ShortFormat));
  EXPECT_TRUE(mappaSor[3].startsWith(QString::number(QDate::currentDate().year()) + ". ")) << mappaSor[3].toStdString();

  QLineEdit e(QStringLiteral("szöveg"));
  std::unique_ptr<QMenu> m(e.createStandardContextMenu());
  QStringList menu;
  for (const QAction* a : m->actions())
    if (!a->isSeparator()) menu << a->text().section(QLatin1Char('\t'), 0, 0);
  EXPECT_EQ(menu, QStringList({"&Visszavonás", "Új&ra", "&Kivágás", "&Másolás", "&Beillesztés", "Törlés",
                               "Összes kijelölése"}));
}

}  // namespace
