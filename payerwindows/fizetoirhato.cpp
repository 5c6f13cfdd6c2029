#include "payerwindows/fizetoirhato.h"

#include "common/messages.h"
#include "payerstore/fizetocsere.h"

bool fizetoIrhato(const Platform& platform, const QString* nevekHiba, const QString* listaHiba) {
  QString miert = nevekHiba ? *nevekHiba : QString();
  if (miert.isEmpty() && listaHiba) miert = *listaHiba;
  // An unfinished change of the pair (its journal still there) is finished or undone first; one
  // that stays unfinished keeps every writer out.
  if (miert.isEmpty() && fizetoNaploVan(platform.folder)) {
    const CsereHelyreallitas h = fizetoParHelyreallitas(platform.folder);
    if (h.fuggoben) miert = h.uzenet;
  }
  if (miert.isEmpty()) return true;
  if (platform.messages) platform.messages->info(miert, QStringLiteral("Hiba"), MsgIcon::Critical);
  return false;
}

bool fizetoIrhato(const Platform& platform, const FizetoAllapot& allapot) {
  return fizetoIrhato(platform, allapot.NevekHiba, allapot.ListaHiba);
}
