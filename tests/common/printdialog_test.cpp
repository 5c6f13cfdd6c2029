// The printer dialog: the printer picked becomes current, a cancel is error 32755, and the
// program's own dialog offers every installed printer.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "common/printdialog.h"
#include "common/recordingprinter.h"

namespace {

TEST(PrintDialog, PickedPrinterBecomesCurrent) {
  RecordingPrinter printer;
  RecordedPrintDialogs dialogs;
  dialogs.answers.push_back(1);
  showPrintDialog(dialogs, printer);
  EXPECT_EQ(printer.currentName(), QStringLiteral("Nyomtató B"));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].names, RecordingPrinter::defaultPrinters());
  EXPECT_EQ(dialogs.shown[0].current, 0);
  // No scripted answer: OK with the printer offered.
  showPrintDialog(dialogs, printer);
  EXPECT_EQ(printer.currentName(), QStringLiteral("Nyomtató B"));
  EXPECT_EQ(dialogs.shown[1].current, 1);
}

TEST(PrintDialog, CancelIsAnError) {
  RecordingPrinter printer;
  RecordedPrintDialogs dialogs;
  dialogs.answers.push_back(std::nullopt);
  try {
    showPrintDialog(dialogs, printer);
    FAIL() << "no error";
  } catch (const PrinterError& e) {
    EXPECT_EQ(e.number, 32755);
    EXPECT_EQ(e.description, QStringLiteral("A nyomtatást a Mégse gombbal megszakította."));
  }
  EXPECT_EQ(printer.currentIndex(), 0);
  // An index the list does not have is the printer layer's error 9.
  dialogs.answers.push_back(5);
  try {
    showPrintDialog(dialogs, printer);
    FAIL() << "no error";
  } catch (const PrinterError& e) {
    EXPECT_EQ(e.number, 9);
  }
}

// Answers the program's dialog once it is open: picks `index` and presses OK, or Mégse.
void answerDialog(std::optional<int> index, QStringList* offered, QString* title) {
  QTimer::singleShot(0, [=] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    *title = d->windowTitle();
    auto* lista = d->findChild<QComboBox*>();
    for (int i = 0; i < lista->count(); ++i) offered->append(lista->itemText(i));
    auto* gombok = d->findChild<QDialogButtonBox*>();
    if (index) {
      lista->setCurrentIndex(*index);
      gombok->button(QDialogButtonBox::Ok)->click();
    } else {
      EXPECT_EQ(gombok->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Mégse"));
      gombok->button(QDialogButtonBox::Cancel)->click();
    }
  });
}

TEST(PrintDialog, QtDialogOffersEveryPrinter) {
  const QStringList names{QStringLiteral("Nyomtató A"), QStringLiteral("PDF")};
  QtPrintDialogs dialogs;
  QStringList offered;
  QString title;
  answerDialog(1, &offered, &title);
  EXPECT_EQ(dialogs.choose(names, 0), std::optional<int>(1));
  EXPECT_EQ(offered, names);
  EXPECT_EQ(title, QStringLiteral("Nyomtatás"));
  offered.clear();
  answerDialog(std::nullopt, &offered, &title);
  EXPECT_EQ(dialogs.choose(names, 1), std::nullopt);
}

}  // namespace
