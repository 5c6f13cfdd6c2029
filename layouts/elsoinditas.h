#pragma once
// The first start of a new installation: every layout file that does not exist yet is created
// with its factory values, so the forms print at sensible places before the user has opened
// the settings dialog. A file of 0 bytes counts as missing; one that holds data, even zeros,
// is never touched.
#include <QString>
#include <QStringList>

// Creates the missing (or empty) ones of Set.dat, SetTerti.dat, SetIrat2.dat, SetFveveny.dat,
// SetRcsekk.dat, SetUlap.dat and boritek.dat in `folder`. Returns the names of the files it
// could not write (empty when all went well).
QStringList gyariFajlokLetrehozasa(const QString& folder);

struct BoritekRekord;
// The envelope's starting layout: the sender block near the top-left corner, the recipient
// block in the lower right quarter of each size, Times New Roman CE (printed in Liberation
// Serif) at 12 and 10 points.
void boritekAlapertekek(BoritekRekord& r);
