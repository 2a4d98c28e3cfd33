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
    // A run cut short keeps the settings its exit saved; every test starts as a first start does.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, KeeperSettingsKey);
    ui::SetHelpFile("");
    ui::SetMsgBoxHook([this](HWND, const std::string&, const std::string&, UINT) {
      ++messages;
      return IDOK;
    });
    form.Load();
    loadedHelpFile = ui::HelpFile();
    ui::SetHelpFile(helptest::BuiltHelpFile());
  }
  void TearDown() override {
    helptest::CloseHelpWindows();
    form.cmdExit_Click();
    ui::SetMsgBoxHook({});
    ui::SetHelpHook({});
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
  std::string loadedHelpFile;
  int messages = 0;
};

TEST_F(KeeperHelp, StartUpSetsTheHelpFileBesideTheProgram) {
  EXPECT_EQ(loadedHelpFile, ui::ProgramFolder() + "\\trasko.chm");
}

TEST_F(KeeperHelp, BothHelpCommandsAskForThePingTopic) {
  struct Call {
    HWND owner;
    std::string file;
    UINT command;
    std::string topic;
  };
  std::vector<Call> calls;
  ui::SetHelpHook([&calls](HWND owner, const std::string& file, UINT command, const std::string& topic) {
    calls.push_back({owner, file, command, topic});
  });
  PressHelpButton();
  ChooseTrayHelp();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].owner, form.hwnd());
  EXPECT_EQ(calls[1].owner, MenuForm().hwnd());
  for (const Call& call : calls) {
    EXPECT_EQ(call.file, helptest::BuiltHelpFile());
    EXPECT_EQ(call.command, ui::HH_DISPLAY_TOPIC_);
    EXPECT_EQ(call.topic, "ping.htm");
  }
}

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
