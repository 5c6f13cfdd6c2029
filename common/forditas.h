#pragma once
// Qt's own texts (file dialogs, standard buttons, the text boxes' context menu) in Hungarian,
// from the system's qtbase_hu.qm (Debian package qt6-translations-l10n).
class QTranslator;

// Loads Qt's Hungarian translation into `t` and installs it on the application; false when the
// file is not there (Qt's texts then stay English).
bool qtForditasBetoltese(QTranslator& t);

// After the application is made: Qt's own formats (the dates, sizes and type names of its
// dialogs) in Hungarian whatever the machine's language, while the C library reads and writes
// numbers with a decimal point as before (the machine's language must not change them). The
// program formats its own numbers and texts without either locale.
void magyarTerulet();
