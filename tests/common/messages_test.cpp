// The program's message boxes are as wide as their titles with the title bar's buttons, so a
// short question never shows its title cut ("Felad…ételе").
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "common/messages.h"

TEST(QtMessageBoxesTest, ABoxIsAsWideAsItsTitle) {
  const struct {
    QString cim, szoveg;
    MsgButtons gombok;
  } esetek[] = {{QStringLiteral("Feladó felvétele"), QStringLiteral("Kiss Éva\r\nfelvétele?"), MsgButtons::YesNo},
                {QStringLiteral("Adatbázis importálása"), QStringLiteral("Kész."), MsgButtons::Ok},
                {QStringLiteral("Régi adatbázis konvertálása és a címzettek listájának újraolvasása"),
                 QStringLiteral("Mehet?"), MsgButtons::YesNo}};
  QFont cimBetu = QApplication::font("QMdiSubWindowTitleBar");
  cimBetu.setBold(true);
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.cim.toStdString());
    int szeles = 0;
    QString cim;
    QTimer::singleShot(0, [&] {
      auto* doboz = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_TRUE(doboz);
      szeles = doboz->width();
      cim = doboz->windowTitle();
      doboz->done(QMessageBox::Ok);
    });
    QtMessageBoxes().show(e.szoveg, e.cim, e.gombok, MsgIcon::Question);
    EXPECT_EQ(cim, e.cim);
    // The title and, beside it, the title bar's icon and buttons.
    EXPECT_GE(szeles, QFontMetrics(cimBetu).horizontalAdvance(e.cim) + kCimSavGombok);
  }
}
