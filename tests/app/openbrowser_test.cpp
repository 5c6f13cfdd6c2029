#include "common/shell.h"
#include "ablakfixture.h"

TEST_F(AblakTest, OpenBrowserPassesTheAddressUnchangedAndReportsTheResult) {
  RecordedShell shell;
  platform.shell = &shell;
  auto w = indit();
  EXPECT_TRUE(w->OpenBrowser("Csekk_adat_Import.htm"));
  shell.openResult = false;
  EXPECT_FALSE(w->OpenBrowser("www.pelda.example"));
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0], "Csekk_adat_Import.htm");
  EXPECT_EQ(shell.opened[1], "www.pelda.example");
}

TEST_F(AblakTest, OpenBrowserWithoutADesktopShellFails) {
  auto w = indit();
  EXPECT_FALSE(w->OpenBrowser("http://pelda.example"));
}
