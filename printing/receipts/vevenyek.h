#pragma once
// What the receipt printers share, free of widgets.
#include <QString>

#include <functional>

class PrintJob;

namespace lap {

// Text with its leading and trailing blanks (spaces) removed; tabs and the like stay.
QString szokozNelkul(const QString& s);

// The standing receipts' page set-up, in the order they set it: millimetres, the form's one
// font as it prints (PrintJob::betu; `betu` trimmed, not bold), the paper `papir`, the size
// `meret`, landscape.
void alloLap(PrintJob& j, const QString& betu, double meret, int papir);

// The lying receipts' page set-up: millimetres, the one font (`betu` trimmed, not bold), the
// size `meret`, then the form itself as the page, portrait, `szeles` mm across and `magas` mm down, made
// wider and higher (to whole millimetres) where the form's items, as `elemek` places them,
// reach beyond it: every item lies on the page, each its own width wide.
void fekvoLap(PrintJob& j, const QString& betu, double meret, double szeles, double magas,
              const std::function<void(PrintJob&)>& elemek);

// The page as set up, made wider and higher (to whole millimetres, the paper becoming a size of
// its own) where what `elemek` places reaches beyond it.
void lapraFer(PrintJob& j, const std::function<void(PrintJob&)>& elemek);

}  // namespace lap
