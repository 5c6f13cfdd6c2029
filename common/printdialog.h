#pragma once
// The printer dialog, as one small interface: the user picks one of the installed printers
// (the "PDF" printer among them) and it becomes the current printer. The program shows a
// small dialog of its own, tests answer from a script and record what was offered.
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class Printer;
class QWidget;

class PrintDialogs {
 public:
  virtual ~PrintDialogs() = default;
  // Offers `names` with `current` (-1: none) chosen; the index picked, or none when cancelled.
  virtual std::optional<int> choose(const QStringList& names, int current) = 0;
};

// Shows the dialog for `printer` and makes the printer picked current. A cancel throws
// PrinterError 32755 (the printer dialog was cancelled), so the form printer's error class
// handles it like any other printer error.
void showPrintDialog(PrintDialogs& dialogs, Printer& printer);

// A modal dialog titled "Nyomtatás" listing the printers in a drop-down list, with OK and Mégse.
// QPrintDialog is not used: it offers only the system's printers, not "PDF", and what it sets
// up would not reach the printer layer, which keeps its own page set-up.
class QtPrintDialogs : public PrintDialogs {
 public:
  explicit QtPrintDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  std::optional<int> choose(const QStringList& names, int current) override;

 private:
  QWidget* parent_;
};

// Records every showing; answers from a script (an index, or none for a cancel), then keeps
// the printer offered as current.
class RecordedPrintDialogs : public PrintDialogs {
 public:
  struct Shown {
    QStringList names;
    int current;
  };
  std::optional<int> choose(const QStringList& names, int current) override;

  std::vector<Shown> shown;
  std::deque<std::optional<int>> answers;
};
