// The two print buttons: they hand the envelope picture's position to the envelope printers
// and call the form printer of the current page and orientation. They print nothing
// themselves and show nothing: the printers handle their own errors.
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include "app/frmlavindor.h"
#include "common/numtext.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/slips/csekklap.h"
#include "printing/slips/csekkprint.h"
#include "records/fizetolista.h"

int16_t kepPoz(const QString& felirat, int16_t regi) {
  try {
    return roundToInt16(leadingValue(felirat));
  } catch (const OverflowError&) {
    return regi;
  }
}

void frmLavindor::cmdPrint_Click() { nyomtat(false); }

void frmLavindor::cmdCsPrint_Click() { nyomtat(true); }

bool frmLavindor::nyomtat(bool csoportos) {
  // The envelope picture's position, on every page, before anything else.
  allapot_.KepPozX = kepPoz(boritekLap->lbXpoz->text(), allapot_.KepPozX);
  allapot_.KepPozY = kepPoz(boritekLap->lbYpoz->text(), allapot_.KepPozY);
  const bool allo = OpOrientacioAllo->isChecked();
  const int lap = SSTab1->currentIndex();
  switch (lap) {
    case kLapCsekk: {
      if (csoportos) return false;  // the list printers of the slip are not in this build
      const CsekkAdatok adatok = csekkLap->adatok();
      // Nothing is printed for an amount that reads as 0 (empty or not a number).
      if (leadingValue(adatok.txOsszeg) == 0) return false;
      const SlipResult r = allo ? PrintAlloCsekk(adatok, platform_, allapot_.Set)
                                : PrintFekvoCsekk(adatok, platform_, allapot_.Set);
      // The printer has told the user that no payer is chosen: the list is where to pick one.
      if (r == SlipResult::NoPayer) lista->ListView1->setFocus();
      return true;
    }
    default:
      // The other forms' printers are not in this build; the label page's list print and a
      // lying label print call nothing anyway.
      return false;
  }
}
