#pragma once
// A temporary program folder with the platform and the shared layout copies for the receipt
// pages' tests, and a few helpers for layout files holding Hungarian text.
#include <gtest/gtest.h>

#include <QString>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "layouts/layoutrecords.h"
#include "support/tempfolder.h"

struct LapFixture : ::testing::Test {
  TempFolder dir;
  RecordedMessageBoxes messages;
  Platform platform;
  LayoutRecords layouts;
  LapFixture() {
    platform.folder = dir.path();
    platform.messages = &messages;
  }

  // The return address used by the return-receipt pages.
  void tertiFajl() {
    SetTertiRekord r;
    r.TertiBetuTipus = QStringLiteral("Arial CE");
    r.TertiBetuMeret = 11;
    r.TertiVisszakuldNev = QStringLiteral("Kovács Árpád Őrmester Kft.");
    r.TertiVisszakuldCim1 = QStringLiteral("Budapest, Fő utca 12.");
    r.TertiVisszakuldCim2 = QStringLiteral("II. emelet 4. ajtó");
    r.TertiVisszakuldIrsz = QStringLiteral("  1052");
    ASSERT_TRUE(saveSettings(dir.path(), kSetTertiFile, r));
  }
};

// `s` padded with blanks to `width` characters: a field as stored.
inline QString pad(const QString& s, int width) { return s.leftJustified(width, u' '); }
