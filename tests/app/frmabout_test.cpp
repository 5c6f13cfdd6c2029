#include <gtest/gtest.h>

#include "app/frmabout.h"
#include "common/messages.h"
#include "common/shell.h"
#include "version.h"

namespace {
struct AboutFixture : ::testing::Test {
  RecordedShell shell;
  RecordedMessageBoxes messages;
  Platform platform;
  AboutFixture() {
    platform.shell = &shell;
    platform.messages = &messages;
  }
};
}  // namespace

TEST_F(AboutFixture, LoadSetsTitleVersionAndTexts) {
  frmAbout about(platform);
  EXPECT_EQ(about.windowTitle(), "Lavindor Program Névjegy");
  EXPECT_EQ(about.lblTitle->text(), "Lavindor program ");
  EXPECT_EQ(about.lblVersion->text(),
            QStringLiteral("Verzió: %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
  EXPECT_TRUE(about.lblDescription->text().startsWith(" A program készítője:  "));
  EXPECT_EQ(about.cmdSysInfo->text(), "&System Info...");
}

TEST_F(AboutFixture, BrowserAddressGetsHttpUnlessItHasIt) {
  frmAbout about(platform);
  about.OpenBrowser("www.pelda.example");
  about.OpenBrowser("HTTP://NAGY.example");
  about.OpenBrowser("https://biztos.example");
  ASSERT_EQ(shell.opened.size(), 3u);
  EXPECT_EQ(shell.opened[0], "http://www.pelda.example");
  EXPECT_EQ(shell.opened[1], "HTTP://NAGY.example");
  EXPECT_EQ(shell.opened[2], "https://biztos.example");
}

TEST_F(AboutFixture, LinksOpenMailAndWebPage) {
  frmAbout about(platform);
  about.Label1_Click();
  about.Label2_Click();
  about.Label4_Click();
  ASSERT_EQ(shell.opened.size(), 3u);
  EXPECT_EQ(shell.opened[0], "mailto:" + maker::kMail);
  EXPECT_EQ(shell.opened[1], "http://" + maker::kWeb);
  EXPECT_EQ(shell.opened[2], "mailto:" + maker::kMail2);
}

TEST_F(AboutFixture, LinkColoursFollowTheMouse) {
  frmAbout about(platform);
  about.highlight(about.Label2);
  EXPECT_TRUE(about.Label2->styleSheet().contains(frmAbout::hoverColour()));
  EXPECT_TRUE(about.Label1->styleSheet().contains(frmAbout::normalColour()));
  about.highlight(nullptr);
  EXPECT_TRUE(about.Label2->styleSheet().contains(frmAbout::normalColour()));
}

TEST_F(AboutFixture, SystemInformationStartsAnInstalledProgram) {
  shell.installed = {"kinfocenter"};
  frmAbout about(platform);
  about.cmdSysInfo_Click();
  ASSERT_EQ(shell.started.size(), 1u);
  EXPECT_EQ(shell.started[0], "/usr/bin/kinfocenter");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutFixture, NoSystemInformationProgramShowsTheMessage) {
  frmAbout about(platform);
  about.cmdSysInfo_Click();
  EXPECT_TRUE(shell.started.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "System Information Is Unavailable At This Time");
  EXPECT_EQ(messages.shown[0].title, "Lavindor Program");
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
}

TEST_F(AboutFixture, AProgramThatFailsToStartShowsTheMessage) {
  shell.installed = {"hardinfo"};
  shell.startResult = false;
  frmAbout about(platform);
  about.StartSysInfo();
  EXPECT_EQ(messages.shown.size(), 1u);
}
