#pragma once
// Start-up checks of the program folder, each said once: record files at whose name something
// else than a regular file stands (damaged: neither read nor written in this run), and what
// cannot be written in this run (the folder, the payer pair, Set.dat).
#include <QString>
#include <QStringList>

struct Platform;

// The message that names every damaged record file (payer files excepted, they have their own
// message); empty when there is none.
QString serultFajlokUzenete(const QString& folder);

struct IrasiKorlatok {
  QString uzenet;          // empty when everything may be written
  bool setIrhato = true;   // Set.dat may be written
};
// What cannot be written in this run, asked through `platform.irhato`. A folder that cannot
// be written is named with everything that will not work (saving payers, imports, settings,
// PDF prints) and the layout files of a new installation that could not be created
// (`gyariHibak`); else a payer pair or a Set.dat that cannot be written. `setSerult`: Set.dat
// is damaged and was said as such.
IrasiKorlatok irasiKorlatok(const Platform& platform, const QStringList& gyariHibak, bool setSerult);
