// Menus, toolbar, tab strip, wizard and help commands of the main window, driven by messages.
#include "tests/mainwindow/MainWindowFixture.h"
#include "settings/RegFunctions.h"

#include <functional>

namespace {

using Items = std::vector<std::string>;

Items Captions(HMENU popup) {
  Items captions;
  for (const drive::ShownItem& item : drive::ShownItems(popup)) captions.push_back(item.caption);
  return captions;
}

RECT ButtonPixels(HWND toolbar, int number) {
  RECT rect{};
  SendMessageA(toolbar, TB_GETITEMRECT, number - 1, LPARAM(&rect));
  return rect;
}

}  // namespace

TEST_F(MainWindow, MenuTreeAtStartUp) {
  Open();
  HMENU bar = form->MenuHandle();
  EXPECT_EQ(drive::MenuBarCaptions(bar), (Items{"&File", "&Settings", "&Help"}));
  EXPECT_EQ(Captions(GetSubMenu(bar, 0)), (Items{"&Optimize", "-", "&Backup", "&Restore", "-", "E&xit"}));
  EXPECT_EQ(Captions(GetSubMenu(bar, 1)),
            (Items{"&Automatic Settings", "&Manual Settings", "&Launcher Panel", "-", "&Olandri"}));
  EXPECT_EQ(Captions(GetSubMenu(bar, 2)), (Items{"&Index", "&Contents", "-", "&About"}));
}

// Each row: what the user does, then the page in view and the three File items as shown.
TEST_F(MainWindow, PageAndMenuStatesFollowEveryMove) {
  Open();
  struct Row {
    const char* move;
    std::function<void()> act;
    int page;
    bool optimize, optimizeEnabled, apply, launch;
  };
  const Row rows[] = {
      {"start-up", [] {}, 0, true, false, false, false},
      {"Next on page 0", [&] { drive::Click(H("Command7")); }, 2, true, false, false, false},
      {"Next on page 2", [&] { drive::Click(H("Command10")); }, 3, true, true, false, false},
      {"Back on page 3", [&] { drive::Click(H("Command12")); }, 2, true, false, false, false},
      {"Back on page 2", [&] { drive::Click(H("Command11")); }, 0, true, false, false, false},
      {"Windows Defaults, Next",
       [&] {
         drive::Choose(H("cmbConnection"), 4);
         drive::Click(H("Command7"));
       },
       3, true, false, false, false},
      {"Back from the defaults' summary", [&] { drive::Click(H("Command12")); }, 0, true, false,
       false, false},
      {"Manual Settings", [&] { Menu("mnuManual"); }, 1, false, false, true, false},
      {"Launcher Panel", [&] { Menu("mnuLauncher"); }, 6, false, false, false, true},
      {"Automatic Settings", [&] { Menu("mnuAuto"); }, 0, true, false, false, false},
      {"toolbar button 2", [&] { Toolbar(2); }, 1, false, false, true, false},
      {"toolbar button 8", [&] { Toolbar(8); }, 6, false, false, false, true},
      {"toolbar button 1", [&] { Toolbar(1); }, 0, true, false, false, false},
  };
  for (const Row& row : rows) {
    row.act();
    SCOPED_TRACE(row.move);
    EXPECT_EQ(VisiblePage(), row.page);
    EXPECT_EQ(MenuShown("mnuOptimize"), row.optimize);
    if (row.optimize) {
      EXPECT_EQ(MenuEnabled("mnuOptimize"), row.optimizeEnabled);
    }
    EXPECT_EQ(MenuShown("mnuApply"), row.apply);
    if (row.apply) {
      EXPECT_TRUE(MenuEnabled("mnuApply"));
    }
    EXPECT_EQ(MenuShown("mnuLaunch"), row.launch);
    if (row.launch) {
      EXPECT_TRUE(MenuEnabled("mnuLaunch"));
    }
  }
}

TEST_F(MainWindow, SummaryOfAConfigurationIsBold) {
  Open();
  drive::Choose(H("cmbConnection"), 2);
  drive::Click(H("Command7"));
  drive::Click(H("Option10"));
  drive::Click(H("Command10"));
  EXPECT_EQ(drive::TextOf(H("Label52")), "Configuration Option");
  EXPECT_EQ(drive::TextOf(H("Label54")), "Cable/DSL running PPPoE or PPTP");
  EXPECT_EQ(drive::TextOf(H("Label55")), "Automatic Configuration #3");
  for (const char* label : {"Label53", "Label54", "Label55"}) {
    LOGFONTA font{};
    GetObjectA(HFONT(SendMessageA(H(label), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_GE(font.lfWeight, FW_BOLD) << label;
  }
  LOGFONTA plain{};
  GetObjectA(HFONT(SendMessageA(H("Label50"), WM_GETFONT, 0, 0)), sizeof plain, &plain);
  EXPECT_LT(plain.lfWeight, FW_BOLD);
}

TEST_F(MainWindow, WindowsDefaultsSkipsTheConfigurationAndEmptiesItsLines) {
  Open();
  drive::Click(H("Command7"));
  drive::Click(H("Command10"));  // a first summary with a configuration
  drive::Click(H("Command12"));
  drive::Click(H("Command11"));
  drive::Choose(H("cmbConnection"), 4);
  drive::Click(H("Command7"));
  EXPECT_EQ(VisiblePage(), 3);
  EXPECT_EQ(drive::TextOf(H("Label52")), "");
  EXPECT_EQ(drive::TextOf(H("Label55")), "");
  EXPECT_EQ(drive::TextOf(H("Label54")), "Windows Defaults");
  EXPECT_FALSE(MenuEnabled("mnuOptimize"));
  EXPECT_TRUE(IsWindowEnabled(H("Command1")));
}

TEST_F(MainWindow, RestartPanelIsHiddenOnlyByNextOnTheFirstPage) {
  Open();
  drive::Click(H("Command7"));
  drive::Click(H("Command10"));
  form->Frame3.SetVisible(true);  // as after an optimization
  drive::Click(H("Command12"));
  drive::Click(H("Command10"));
  EXPECT_TRUE(IsWindowVisible(H("Frame3")));
  drive::Click(H("Command12"));
  drive::Click(H("Command11"));
  drive::Click(H("Command7"));
  drive::Click(H("Command10"));
  EXPECT_FALSE(IsWindowVisible(H("Frame3")));
}

TEST_F(MainWindow, TabStripShowsTheFrameOfItsTab) {
  Open();
  Menu("mnuManual");
  HWND tabs = H("TabStrip1");
  ASSERT_EQ(form->TabStrip1.TabCount(), 4);
  EXPECT_EQ(form->TabStrip1.TabCaption(1), "       Genaral       ");
  EXPECT_EQ(form->TabStrip1.TabCaption(3), "        NWLink        ");
  for (int tab : {2, 0, 3, 1}) {
    drive::SelectTab(tabs, tab);
    for (int frame = 0; frame < 4; ++frame)
      EXPECT_EQ(IsWindowVisible(form->frmCustom[frame].hwnd()) != 0, frame == tab) << tab << frame;
  }
}

TEST_F(MainWindow, ToolbarTipsAndButtons) {
  Open();
  HWND toolbar = H("Toolbar1");
  ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 10);
  const int images[] = {0, 1, 2, -1, 3, 4, -1, 5, -1, 6};
  for (int i = 0; i < 10; ++i) {
    TBBUTTON button{};
    SendMessageA(toolbar, TB_GETBUTTON, i, LPARAM(&button));
    if (images[i] < 0) EXPECT_TRUE(button.fsStyle & BTNS_SEP) << i;
    else EXPECT_EQ(button.iBitmap, images[i]) << i;
  }
  EXPECT_EQ(drive::ToolTip(toolbar, 3), "Run \"Olandri\"");
  EXPECT_EQ(drive::ToolTip(toolbar, 8), "Launch to System Settings");
  Toolbar(4);  // a separator does nothing
  Toolbar(10);
  ASSERT_EQ(help.size(), 1u);
  EXPECT_EQ(help[0].command, 1u);
  EXPECT_EQ(help[0].owner, nullptr);
}

TEST_F(MainWindow, PointerTrackingHasStrictEdges) {
  Open();
  HWND toolbar = H("Toolbar1");
  RECT first = ButtonPixels(toolbar, 1);
  int middle = (first.top + first.bottom) / 2;
  drive::MouseMove(toolbar, first.left, middle);
  EXPECT_EQ(drive::PartText(Bar(), 0), "");
  drive::MouseMove(toolbar, first.left + 1, middle);
  EXPECT_EQ(drive::PartText(Bar(), 0), "Optimize connection settings for your adapter");
  // Within the same button the panel is not written again.
  SendMessageA(Bar(), SB_SETTEXTA, 0, LPARAM("kept"));
  drive::MouseMove(toolbar, first.left + 3, middle);
  EXPECT_EQ(drive::PartText(Bar(), 0), "kept");
  RECT separator = ButtonPixels(toolbar, 4);
  drive::MouseMove(toolbar, (separator.left + separator.right) / 2, middle);
  EXPECT_EQ(drive::PartText(Bar(), 0), "");
  RECT help = ButtonPixels(toolbar, 10);
  drive::MouseMove(toolbar, help.right - 1, help.bottom - 1);
  EXPECT_EQ(drive::PartText(Bar(), 0), "See Help file for details");
  drive::MouseMove(H("Frame1(0)"), 10, 10);
  EXPECT_EQ(drive::PartText(Bar(), 0), "");
  drive::MouseMove(toolbar, first.left + 2, first.top + 2);
  drive::MouseMove(form->hwnd(), 2, 200);
  EXPECT_EQ(drive::PartText(Bar(), 0), "");
}

TEST_F(MainWindow, HelpCommandsOpenTheirTopics) {
  Open();
  struct Row {
    const char* button;
    const char* topic;
  };
  for (const Row& row : {Row{"Command3", "automatic.htm"}, Row{"Command9", "automatic.htm"},
                         Row{"Command14", "automatic.htm"}, Row{"Command5", "custom.htm"},
                         Row{"Command6", "launcher.htm"}}) {
    help.clear();
    drive::Click(H(row.button));
    ASSERT_EQ(help.size(), 1u) << row.button;
    EXPECT_EQ(help[0].owner, form->hwnd());
    EXPECT_EQ(help[0].file, ui::ProgramFolder() + "\\trasko.chm");
    EXPECT_EQ(help[0].command, 0u);
    EXPECT_EQ(help[0].topic, row.topic);
  }
  help.clear();
  Menu("mnuIndex");
  Menu("mnuContents");
  ASSERT_EQ(help.size(), 2u);
  EXPECT_EQ(help[0].command, 2u);
  EXPECT_EQ(help[1].command, 1u);
  EXPECT_EQ(help[0].owner, nullptr);
  EXPECT_EQ(help[0].topic, "");
}

TEST_F(MainWindow, ExitUnloadsTheWindowAndSavesItsPlace) {
  Open();
  Menu("mnuExit");
  EXPECT_FALSE(form->Loaded());
  EXPECT_FALSE(IsWindow(form->Command7.hwnd()));
  EXPECT_EQ(GetRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\QuorvaneSoftware\\Brenvik", "LoadedMain"),
            "Yes");
}
