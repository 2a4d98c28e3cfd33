// brenvik's help commands, pressed as a user presses them: the pages' "&Help" buttons, "&Contents",
// "&Index", the toolbar's "Help" and the Backup and Restore dialogs' "&Help" open trasko.chm in a
// help window; without the file they do nothing.
#include "backup/Backup.h"
#include "backup/Restore.h"
#include "tests/help/HelpWindows.h"
#include "tuner/frmMain.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

void Click(const ui::Control& button) { SendMessageA(button.hwnd(), BM_CLICK, 0, 0); }

// The main window saves its place here when it closes and reads it back when it loads.
const char kSettingsKey[] = "SOFTWARE\\QuorvaneSoftware\\Brenvik";

class TunerHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    // Other tests in this prefix close the window too; every test starts as a first start does.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingsKey);
    ui::SetMsgBoxHook([this](HWND, const std::string&, const std::string&, UINT) {
      ++messages;
      return IDOK;
    });
    form.Load();
    form.Show();
    backupDialog.Load();
    restoreDialog.Load();
    ui::SetHelpFile(helptest::BuiltHelpFile());
  }
  void TearDown() override {
    helptest::CloseHelpWindows();
    restoreDialog.Unload();
    backupDialog.Unload();
    form.Unload();
    ui::SetMsgBoxHook({});
    // Closing the window saved its place; leave the prefix as a first start finds it.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingsKey);
  }

  void ChooseMenu(const ui::MenuItem& item) {
    SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
  }

  struct Command {
    const char* name;
    std::function<void()> press;
  };
  std::vector<Command> HelpCommands() {
    return {
        {"page 0 &Help", [this] { Click(form.Command3); }},
        {"page 2 &Help", [this] { Click(form.Command9); }},
        {"page 3 &Help", [this] { Click(form.Command14); }},
        {"custom page &Help", [this] { Click(form.Command5); }},
        {"launcher page &Help", [this] { Click(form.Command6); }},
        {"&Contents", [this] { ChooseMenu(form.mnuContents); }},
        {"&Index", [this] { ChooseMenu(form.mnuIndex); }},
        {"toolbar Help", [this] { form.Toolbar1_ButtonClick(10); }},
        {"Backup &Help", [this] { Click(backupDialog.Command4); }},
        {"Restore &Help", [this] { Click(restoreDialog.Command4); }},
    };
  }

  frmMain form;
  Backup backupDialog;
  Restore restoreDialog;
  int messages = 0;
};

TEST_F(TunerHelp, EveryHelpCommandOpensTheHelpFile) {
  for (const Command& command : HelpCommands()) {
    SCOPED_TRACE(command.name);
    helptest::CloseHelpWindows();
    command.press();
    const std::vector<HWND> windows = helptest::OpenHelpWindows();
    ASSERT_FALSE(windows.empty());
    EXPECT_EQ(helptest::CaptionOf(windows[0]), "Brenvik and Olandri Help");
    EXPECT_TRUE(IsWindowVisible(windows[0]));
  }
  EXPECT_EQ(messages, 0);
}

TEST_F(TunerHelp, WithoutTheHelpFileNoCommandOpensAnythingAndBrenvikGoesOn) {
  ui::SetHelpFile(helptest::MissingHelpFile());
  for (const Command& command : HelpCommands()) {
    SCOPED_TRACE(command.name);
    command.press();
    EXPECT_TRUE(helptest::OpenHelpWindows().empty());
  }
  EXPECT_EQ(messages, 0);
  EXPECT_TRUE(IsWindow(form.hwnd()));
  EXPECT_TRUE(IsWindow(backupDialog.hwnd()));
  EXPECT_TRUE(IsWindow(restoreDialog.hwnd()));
}

}  // namespace
