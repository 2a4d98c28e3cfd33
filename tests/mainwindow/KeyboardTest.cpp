// brenvik's windows used from the keyboard: where the focus is when a window opens, where it goes
// when what holds it is hidden or disabled, the tab order, and Enter and Esc in the about box.
#include "tests/mainwindow/MainWindowFixture.h"
#include "tests/support/Keys.h"
#include "tuner/frmAbout.h"

namespace {

bool menuShown;

// Runs inside the menu's own loop: sees whether a menu is open, then closes it.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  menuShown = FindWindowA("#32768", nullptr) != nullptr;
  EndMenu();
}

class Keyboard : public MainWindow {
 protected:
  void SetUp() override {
    if (!keys::OnTheirDisplay()) GTEST_SKIP() << "runs on the keyboard's display only";
    MainWindow::SetUp();
  }
};

}  // namespace

TEST_F(Keyboard, EveryWindowOpensWithTheFocusOnItsFirstControl) {
  Open();
  EXPECT_EQ(keys::FocusName(), "cmbAdapter");
  // In Backup and Restore the typed name replaces the proposed one (the dialogs' own test).
  for (auto [menu, first] : {std::pair{"mnuBackup", "Text1"}, std::pair{"mnuRestore", "Text1"},
                             std::pair{"mnuAbout", "Command1"}}) {
    std::string focus;
    InModal(menu, [&] {
      focus = keys::FocusName();
      ui::Container::OwningForm(GetActiveWindow())->Unload();
    });
    EXPECT_EQ(focus, first) << menu;
  }
}

TEST_F(Keyboard, TheFocusLeavesWhatIsHiddenOrDisabledForTheNextControl) {
  struct Case {
    const char* what;
    std::function<void()> before, act;
    const char* focus;
  };
  const Case cases[] = {
      {"\"&Next >\" clicked", [] {}, [&] { drive::Click(H("Command7")); }, "Option8"},
      {"a page by the menu", [&] { SetFocus(H("cmbConnection")); }, [&] { Menu("mnuLauncher"); },
       "Option1"},
      {"a page by the toolbar", [&] { SetFocus(H("cmbConnection")); }, [&] { Toolbar(2); },
       "TabStrip1"},
      {"a custom tab", [&] { Menu("mnuManual"); SetFocus(H("Combo1")); },
       [&] { drive::SelectTab(H("TabStrip1"), 1); }, "Combo11"},
      {"\"&Optimize\"", [&] { drive::Click(H("Command7")); drive::Click(H("Command10")); },
       [&] { drive::Click(H("Command1")); }, "Command14"},
      {"\"&Apply\"", [&] { Menu("mnuManual"); }, [&] { drive::Click(H("Command4")); }, "Command5"},
  };
  for (const Case& c : cases) {
    Open();
    c.before();
    c.act();
    ui::DoEvents();
    EXPECT_EQ(keys::FocusName(), c.focus) << c.what;
    form->Unload();
  }
}

TEST_F(Keyboard, AltNThenAltFLeavesTheWindowAnswering) {
  Open();
  keys::Deadline deadline(60, "Alt+N, then Alt+F");
  keys::Alt('n');
  ASSERT_EQ(VisiblePage(), 2);
  menuShown = false;
  SetTimer(nullptr, 0, 200, CloseMenu);
  keys::Alt('f');
  EXPECT_TRUE(menuShown);
  EXPECT_EQ(keys::FocusName(), "Option8");
}

TEST_F(Keyboard, TabAndTheArrowsFollowTheOrderOfReading) {
  Open();
  auto walk = [](int presses) {
    std::vector<std::string> seen{keys::FocusName()};
    for (int i = 0; i < presses; ++i) {
      keys::Press(VK_TAB);
      seen.push_back(keys::FocusName());
    }
    return seen;
  };
  EXPECT_EQ(walk(4), (std::vector<std::string>{"cmbAdapter", "cmbConnection", "Command7",
                                                "Command3", "cmbAdapter"}));
  Menu("mnuManual");
  EXPECT_EQ(walk(12), (std::vector<std::string>{"TabStrip1", "Combo1", "Combo2", "Combo5",
                                                 "Combo8", "Combo10", "Combo3", "Combo4",
                                                 "Combo6", "Combo9", "Combo7", "Command4",
                                                 "Command5"}));
  Menu("mnuAuto");
  drive::Click(H("Command7"));
  keys::Press(VK_UP);  // round the group of five
  EXPECT_EQ(keys::FocusName(), "Option12");
  EXPECT_TRUE(form->Option12.Value());
  keys::Press(VK_DOWN);
  EXPECT_EQ(keys::FocusName(), "Option8");
}

TEST_F(Keyboard, TheFocusComesBackWhenTheAboutBoxClosesByEnterOrEsc) {
  Open();
  for (UINT key : {VK_ESCAPE, VK_RETURN}) {
    SetFocus(H("cmbConnection"));
    bool closed = false;
    InModal("mnuAbout", [&] {
      keys::Press(key);
      closed = !form->About().Loaded();
      form->About().Unload();
    });
    EXPECT_TRUE(closed) << key;
    ui::DoEvents();
    EXPECT_EQ(keys::FocusName(), "cmbConnection") << key;
  }
}
