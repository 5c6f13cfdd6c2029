#pragma once
// The receipts' list prints on the recording printer: a temporary program folder with the
// default printer, payers with their notice records, and the rows of the payer list.
#include <gtest/gtest.h>

#include <vector>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "printing/common/listprint.h"
#include "records/nevekrekord.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

struct ListaFixture : ::testing::Test {
  TempFolder dir;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform;
  SetRekord set;

  ListaFixture() {
    platform.folder = dir.path();
    platform.printer = &printer;
    platform.messages = &messages;
    mentSet(1);
  }
  void mentSet(int16_t printDel) {
    SetRekord s;
    s.AlapNyomtato = -1;
    s.PrintDel = printDel;
    EXPECT_TRUE(saveSettings(dir.path(), kSetFile, s));
  }
  // Payer n "Fizető n" in "Város n", with its notice record: item identifier "RB n",
  // document number "IK-n", own reference "S n".
  void fizeto(int32_t n, const QString& irsz = QStringLiteral("1011")) {
    NevekRekord r;
    r.Nev = QStringLiteral("Fizető %1").arg(n);
    r.Irsz = irsz;
    r.Helyseg = QStringLiteral("Város %1").arg(n);
    r.Cim = QStringLiteral("Utca %1.").arg(n);
    r.BefizAzonosito = QStringLiteral("AZ %1").arg(n);
    RecordFile(dir.path(), kNevekFile, NevekRekord::Length).write(n, r);
    Kozl3sorRekord k;
    k.KuldemenyAzonosito = QStringLiteral("RB %1").arg(n);
    k.IratSzam = QStringLiteral("IK-%1").arg(n);
    k.IratFajta = QStringLiteral("határozat %1").arg(n);
    k.UgyfelSajatJelzese = QStringLiteral("S %1").arg(n);
    RecordFile(dir.path(), kKozl3sorFile, Kozl3sorRekord::Length).write(n, k);
  }
  // Payers 1 to 3; the list shows 3, 1, 2 with the given rows selected.
  std::vector<CsoportSor> harom(std::vector<bool> kijelolt) {
    for (int32_t n = 1; n <= 3; ++n) fizeto(n);
    return {{3, kijelolt[0]}, {1, kijelolt[1]}, {2, kijelolt[2]}};
  }
  const PrintedDocument& doc() {
    EXPECT_EQ(printer.documents().size(), 1u);
    static const PrintedDocument none;
    return printer.documents().empty() ? none : printer.documents().back();
  }
};
