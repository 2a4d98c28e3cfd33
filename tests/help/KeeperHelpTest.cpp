// olandri's help commands, pressed as a user presses them: its "&Help" button and the tray menu's
// "&Help" open trasko.chm in a help window; without the file they do nothing.
#include "keeper/frmGetIp.h"
#include "keeper/frmMenu.h"
#include "tests/help/HelpWindows.h"

#include <gtest/gtest.h>

namespace {

class KeeperHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::SetMsgBoxHook([this](HWND, const std::string&, const std::string&, UINT) {
      ++messages;
      return IDOK;
    });
    form.Load();
    ui::SetHelpFile(helptest::BuiltHelpFile());
  }
  void TearDown() override {
    helptest::CloseHelpWindows();
    form.cmdExit_Click();
    ui::SetMsgBoxHook({});
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, KeeperSettingsKey);
  }

  void PressHelpButton() { SendMessageA(form.Command2.hwnd(), BM_CLICK, 0, 0); }
  void ChooseTrayHelp() {
    frmMenu& menu = MenuForm();
    SendMessageA(menu.hwnd(), WM_COMMAND, MAKEWPARAM(menu.mnuOpts[5].Id(), 0), 0);
  }
  void ExpectOneHelpWindow(const char* command) {
    const std::vector<HWND> windows = helptest::OpenHelpWindows();
    ASSERT_EQ(windows.size(), 1u) << command;
    EXPECT_EQ(helptest::CaptionOf(windows[0]), "Brenvik and Olandri Help") << command;
    EXPECT_TRUE(IsWindowVisible(windows[0])) << command;
  }

  frmGetIp& form = GetIpForm();
  int messages = 0;
};

TEST_F(KeeperHelp, HelpButtonOpensTheHelpFile) {
  PressHelpButton();
  ExpectOneHelpWindow("&Help");
  EXPECT_EQ(messages, 0);
}

TEST_F(KeeperHelp, TrayMenuHelpOpensTheHelpFile) {
  ChooseTrayHelp();
  ExpectOneHelpWindow("tray &Help");
}

TEST_F(KeeperHelp, WithoutTheHelpFileNothingOpensAndOlandriGoesOn) {
  ui::SetHelpFile(helptest::MissingHelpFile());
  PressHelpButton();
  ChooseTrayHelp();
  EXPECT_TRUE(helptest::OpenHelpWindows().empty());
  EXPECT_EQ(messages, 0);
  EXPECT_TRUE(IsWindow(form.hwnd()));
  EXPECT_TRUE(form.Command2.Enabled());
}

}  // namespace
