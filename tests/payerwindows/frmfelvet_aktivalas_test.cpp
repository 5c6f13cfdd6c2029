// The payer dialog's activation: "Név" gets the focus at the first show and on a return by
// keyboard, but not when the click that activates the dialog lands in one of its boxes.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "common/messages.h"
#include "payerwindows/frmfelvet.h"
#include "support/tempfolder.h"

namespace {

// A press or release on `w`; a press gives `w` the focus, as a real click does.
void kuld(QWidget* w, QEvent::Type t) {
  QMouseEvent e(t, QPointF(4, 4), w->mapToGlobal(QPointF(4, 4)), Qt::LeftButton,
                t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
  if (t == QEvent::MouseButtonPress) w->setFocus(Qt::MouseFocusReason);
}

void gepel(QWidget* w, int key, const QString& text = {}) {
  QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &e);
}

void aktival(QWidget* d) {
  QEvent e(QEvent::WindowActivate);
  QApplication::sendEvent(d, &e);
}

}  // namespace

TEST(FelvetAktivalas, TheActivatingClickKeepsItsBox) {
  TempFolder folder;
  RecordedMessageBoxes msg;
  Platform platform;
  platform.folder = folder.path();
  platform.messages = &msg;
  NevekRekord nevek;
  Kozl3sorRekord kozl;
  int32_t aktualis = 0;
  int16_t mod = 0;
  frmFelvet d(platform, {nevek, kozl, aktualis, mod}, FoAblak{});
  d.ujFelvetel();
  d.show();
  QApplication::setActiveWindow(&d);
  d.txBefizetoNeve->setText(QStringLiteral("Szőke Űrsula"));
  d.txBefizetoCim2->setText(QStringLiteral("Ady Endre utca"));
  // Back by keyboard: the name.
  d.txBefizetoCim2->setFocus();
  aktival(&d);
  EXPECT_TRUE(d.txBefizetoNeve->hasFocus());
  // A click into the street box that activates the dialog: the street box keeps the focus,
  // and what is typed next lands in the street.
  kuld(d.txBefizetoCim2, QEvent::MouseButtonPress);
  aktival(&d);
  kuld(d.txBefizetoCim2, QEvent::MouseButtonRelease);
  EXPECT_TRUE(d.txBefizetoCim2->hasFocus());
  QWidget* f = QApplication::focusWidget();
  ASSERT_NE(f, nullptr);
  gepel(f, Qt::Key_End);
  for (const QChar c : QStringLiteral(" 7.")) gepel(f, 0, QString(c));
  EXPECT_EQ(d.txBefizetoCim2->text(), QStringLiteral("Ady Endre utca 7."));
  EXPECT_EQ(d.txBefizetoNeve->text(), QStringLiteral("Szőke Űrsula"));
  // After the click, a return by keyboard puts the focus on the name again.
  aktival(&d);
  EXPECT_TRUE(d.txBefizetoNeve->hasFocus());
}
