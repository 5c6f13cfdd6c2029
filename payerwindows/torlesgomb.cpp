#include "payerwindows/torlesgomb.h"

#include <optional>

#include "common/messages.h"
#include "payerstore/ugyfeltorles.h"
#include "payerwindows/fizetoirhato.h"

bool cmdDel_Click(const Platform& platform, FizetoAllapot allapot, const FoAblak& ablak) {
  auto gombok = [&](bool be) {
    if (ablak.setUgyfelGombok) ablak.setUgyfelGombok(be);
  };
  if (!fizetoIrhato(platform, allapot)) return false;
  QString olvasas;
  const std::optional<QString> kerdes = torlesKerdes(platform.folder, allapot.AktualisRekord, &olvasas);
  if (!olvasas.isEmpty()) {
    platform.messages->info(QStringLiteral("A címzett nem törölhető.\r\n") + olvasas, QStringLiteral("Hiba"),
                            MsgIcon::Critical);
    return false;
  }
  if (!kerdes) {
    // The current payer is gone (the file changed since the click): nothing to delete.
    allapot.AktualisRekord = 0;
    gombok(false);
    platform.messages->info(QStringLiteral("Nincs kiválasztott címzett, nincs mit törölni."), kTorlesCim,
                            MsgIcon::Exclamation);
    return false;
  }
  if (!platform.messages->ask(*kerdes, kTorlesCim)) return false;
  gombok(false);
  QString hiba;
  if (!UgyfelTorles(platform.folder, allapot.AktualisRekord, &hiba)) {
    gombok(true);  // the payer is still there and still current
    platform.messages->info(QStringLiteral("A címzett nem törölhető.\r\n") + hiba, QStringLiteral("Hiba"),
                            MsgIcon::Critical);
    return false;
  }
  allapot.AktualisRekord = 0;
  if (ablak.Beolvas) ablak.Beolvas();
  if (!hiba.isEmpty()) platform.messages->info(hiba, kTorlesCim, MsgIcon::Exclamation);
  return true;
}
