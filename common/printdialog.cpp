#include "common/printdialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/printer.h"

void showPrintDialog(PrintDialogs& dialogs, Printer& printer) {
  const QStringList names = printer.printerNames();
  const std::optional<int> picked = dialogs.choose(names, printer.currentIndex());
  if (!picked) throw printer_errors::cancelled();
  if (*picked != printer.currentIndex()) printer.select(*picked);
}

std::optional<int> QtPrintDialogs::choose(const QStringList& names, int current) {
  QDialog d(parent_);
  d.setWindowTitle(QStringLiteral("Nyomtatás"));
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(new QLabel(QStringLiteral("Nyomtató:"), &d));
  auto* lista = new QComboBox(&d);
  lista->addItems(names);
  if (current >= 0 && current < names.size()) lista->setCurrentIndex(current);
  layout->addWidget(lista);
  auto* gombok = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
  gombok->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  gombok->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Mégse"));
  gombok->button(QDialogButtonBox::Ok)->setEnabled(!names.isEmpty());
  QObject::connect(gombok, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(gombok, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  layout->addWidget(gombok);
  if (d.exec() != QDialog::Accepted || lista->currentIndex() < 0) return std::nullopt;
  return lista->currentIndex();
}

std::optional<int> RecordedPrintDialogs::choose(const QStringList& names, int current) {
  shown.push_back({names, current});
  if (answers.empty()) return current >= 0 ? std::optional<int>(current) : std::nullopt;
  const std::optional<int> a = answers.front();
  answers.pop_front();
  return a;
}
