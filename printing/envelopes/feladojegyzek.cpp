#include "printing/envelopes/feladojegyzek.h"

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"

namespace {

constexpr int kSorALapon = 14;
constexpr double kSorkoz = 8;       // mm
constexpr double kIrszX = 45;       // postcode column, from X0
constexpr double kHelysegX = 62;    // settlement column, from X0

}  // namespace

FeladojegyzekEredmeny PrintFeladojegyzek(const std::vector<int32_t>& rekordok, Platform& pf, FjSetRekord& fjSet) {
  FeladojegyzekEredmeny out;
  if (!pf.printer) return out;
  RecordedMessageBoxes unseen;
  MessageBoxes& msg = pf.messages ? *pf.messages : unseen;

  RecordFile nevek(pf.folder, kNevekFile, NevekRekord::Length);
  const int32_t db = nevek.count();
  std::vector<int32_t> tabla;
  for (const int32_t n : rekordok)
    if (n >= 1 && n <= db) tabla.push_back(n);
  out.kihagyott = int(rekordok.size() - tabla.size());

  PrintJob job(*pf.printer, ErrorClass::CancelWithMessage, msg);
  out.printed = job.run([&](PrintJob& j) {
    j.scaleMillimetres();
    j.orientation(kLandscape);
    j.font(QStringLiteral("Times New Roman CE"), 8, false);
    loadSettings(pf.folder, kFjSetFile, fjSet);
    const double x0 = fjSet.Bal, y0 = fjSet.Felso;
    for (size_t i = 0; i < tabla.size(); ++i) {
      if (i > 0 && i % kSorALapon == 0) j.newPage();
      NevekRekord& nv = out.utolso ? *out.utolso : out.utolso.emplace();
      nevek.read(tabla[i], nv);
      // The settlement is placed before the postcode, though it stands to its right.
      j.text(x0, y0 + kSorkoz * double(i % kSorALapon), nv.Nev, false);
      j.textAtX(x0 + kHelysegX, nv.Helyseg, false);
      j.textAtX(x0 + kIrszX, nv.Irsz);
      ++out.sorok;
    }
    nevek.close();
    j.endDoc();
  });
  if (out.printed && out.kihagyott > 0)
    msg.info(QStringLiteral("%1 kijelölt sor nem létező ügyfélre mutat, ezek kimaradtak a feladójegyzékből.")
                 .arg(out.kihagyott),
             QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  return out;
}
