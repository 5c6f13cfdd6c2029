#pragma once
// The first start of a new installation: every layout and settings file that does not exist
// yet (or is empty) is created with its factory values, so the forms, the posting list and the
// labels print at sensible places before the user has opened a settings dialog. A file of
// 0 bytes counts as missing; one that holds a record, even one of zeros, is never touched.
#include <QString>
#include <QStringList>

// Creates the missing (or empty) ones of Set.dat, SetTerti.dat, SetIrat2.dat, SetFveveny.dat,
// SetRcsekk.dat, SetUlap.dat, boritek.dat, FjSet.dat, Betutip.dat and Betumeret.dat in
// `folder`, each written whole. Returns the names of the files it could not write (empty when
// all went well).
QStringList gyariFajlokLetrehozasa(const QString& folder);

struct SetRekord;
// The general settings of a new installation: the payment slip's factory layout, every item
// printed. Also what a run starts with when Set.dat cannot be read.
SetRekord gyariSet();

struct BoritekRekord;
// The envelope's starting layout: the sender block near the top-left corner, the recipient
// block in the lower right quarter of each size, Times New Roman CE (printed in Liberation
// Serif) at 12 and 10 points.
void boritekAlapertekek(BoritekRekord& r);

struct FjSetRekord;
// The posting list's starting offsets: the name column 20 mm from the left edge, the first
// line 30 mm from the top of the A4 landscape sheet, so all 14 lines (8 mm apart) lie well
// inside what a printer can print; no spreadsheet program stored (the one found is used).
void fjSetAlapertekek(FjSetRekord& r);

struct BetutipRekord;
struct BetumeretRekord;
// The five label lines' starting fonts: the envelope's font (Times New Roman CE when it has
// none) at 10 points, so the five lines (about 4 mm each) fit into the smallest label the
// sheet set-up allows (297 mm / 10 rows = 29.7 mm high, 210 mm / 4 columns = 52.5 mm wide).
void cimkeBetuAlapertekek(const BoritekRekord& boritek, BetutipRekord& tip, BetumeretRekord& meret);
