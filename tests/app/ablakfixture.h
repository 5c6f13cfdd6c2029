#pragma once
// A main window over a temporary program folder, with the recording printer, scripted message
// boxes and a fixed clock (2026-12-09).
#include <QByteArray>
#include <QDate>
#include <gtest/gtest.h>

#include <memory>

#include "app/allapot.h"
#include "app/frmlavindor.h"
#include "common/messages.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "support/tempfolder.h"

class AblakTest : public ::testing::Test {
 protected:
  AblakTest() {
    platform.folder = folder.path();
    platform.messages = &uzenetek;
    platform.printer = &nyomtato;
    platform.today = [] { return QDate(2026, 12, 9); };
  }
  std::unique_ptr<frmLavindor> indit() { return std::make_unique<frmLavindor>(platform, allapot); }
  // A Set.dat whose every byte differs, so a stray write anywhere shows; `change` sets fields.
  QByteArray setFajl(const std::function<void(SetRekord&)>& change = {}) {
    QByteArray b(548, '\0');
    for (int i = 0; i < 548; ++i) b[i] = char(i * 7 + 3);
    SetRekord s;
    decodeRecord(b, s);
    // Values the window's controls can hold, so start-up restores them as they are.
    s.NyomtatoIndex = 1;
    s.AlapNyomtato = 0;
    s.ListaSorren = 0;
    s.AktivLap = 0;
    s.BoritekMeret = 1;
    if (change) change(s);
    const QByteArray kesz = encodeRecord(s);
    folder.put(kSetFile, kesz);
    return kesz;
  }
  // A Set.dat the prints can use: fonts the printer has, every item printed.
  void nyomtathatoSet() {
    SetRekord s;
    s.BetuTipus1 = s.BetuTipus2 = QStringLiteral("Arial");
    s.BetuMeret1 = s.BetuMeret2 = 10;
    s.Nyomtatando.fill(-1);
    folder.put(kSetFile, encodeRecord(s));
  }
  SetRekord set() const {
    SetRekord s;
    decodeRecord(folder.bytes(kSetFile), s);
    return s;
  }

  TempFolder folder;
  RecordedMessageBoxes uzenetek;
  RecordingPrinter nyomtato;
  Platform platform;
  Allapot allapot;
};
