#include "printing/envelopes/feladojegyzek.h"

#include <algorithm>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"

namespace {

constexpr int kSorALapon = 14;
constexpr double kSorkoz = 8;     // mm
constexpr double kIrszX = 45;     // postcode column, from X0
constexpr double kHelysegX = 62;  // settlement column, from X0

// A stored text as printed: without the NUL bytes of a record filled with zeros and without
// the trailing blanks of its field.
QString tarolt(const QString& mezo) {
  QString s = asStored(mezo);
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == u' ') --n;
  s.truncate(n);
  return s;
}

}  // namespace

PrintResult PrintFeladojegyzek(const std::vector<CsoportSor>& sorok, Platform& pf, FjSetRekord& fjSet) {
  int sor = 0;  // lines placed
  auto setup = [&](PrintJob& j) {
    // The pre-printed sheet is A4 landscape, whatever paper the previous print left.
    j.scaleMillimetres();
    j.paperSize(kPaperA4);
    j.orientation(kLandscape);
    j.font(QStringLiteral("Times New Roman CE"), 8, false);
    beolvasva(pf.folder, kFjSetFile, fjSet);
    return false;  // the selected rows
  };
  auto place = [&](PrintJob& j, ListRow& row) {
    const NevekRekord& nv = row.nevek();
    // The settlement is placed before the postcode, though it stands to its right.
    j.text(fjSet.Bal, fjSet.Felso + kSorkoz * double(sor++ % kSorALapon), tarolt(nv.Nev), false);
    j.textAtX(fjSet.Bal + kHelysegX, tarolt(nv.Helyseg), false);
    j.textAtX(fjSet.Bal + kIrszX, tarolt(nv.Irsz));
  };
  const PrintResult r = printList(pf, ErrorClass::CancelWithMessage, sorok, setup, place, kSorALapon);
  const int kihagyott =
      int(std::count_if(sorok.begin(), sorok.end(), [](const CsoportSor& s) { return s.kijelolt; })) - r.lapok;
  if (r.printed && kihagyott > 0 && pf.messages)
    pf.messages->info(QStringLiteral("%1 kijelölt sor nem létező ügyfélre mutat, ezek kimaradtak a feladójegyzékből.")
                          .arg(kihagyott),
                      QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  return r;
}
