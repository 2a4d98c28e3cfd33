// The window layer on its own: a form made from a table, driven by the messages its controls send.
#include "tests/support/Keys.h"
#include "tests/support/WindowDriver.h"
#include "ui/UI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Sample : public ui::Form {
 public:
  Sample() : ui::Form(Args()) {}
  static ui::FormArgs Args() {
    ui::FormArgs args;
    args.caption = "Sample";
    args.width = 6000;
    args.height = 4000;
    return args;
  }

  ui::Frame Page[2];
  ui::Button Go;
  ui::Label Note;
  ui::OptionButton First, Second;
  ui::ComboBox Choice;
  ui::StatusBar Bar;
  ui::Timer Tick;
  ui::MenuItem mnuFile, mnuOne, mnuTwo, mnuLine, mnuThree;
  std::vector<std::string> events;
  int cancelUnload = 0;

  void Form_Load() override { events.push_back("load"); }
  void Form_Unload(int& cancel) override {
    events.push_back("unload");
    cancel = cancelUnload;
  }

 protected:
  void CreateControls() override {
    AddControls({
        {&Page[0], "Page", 0, "First", nullptr, 120, 120, 5700, 3000},
        {&Page[1], "Page", 1, "Second", nullptr, 120, 120, 5700, 3000, {}, ui::Hidden},
        {&Go, "Go", -1, "&Go", &Page[0], 300, 450, 1215, 375, [this] { events.push_back("go"); }},
        {&Note, "Note", -1, "note", &Page[0], 300, 1050, 2000, 255,
         [this] { events.push_back("note"); }},
        {&First, "First", -1, "one", &Page[0], 300, 1500, 1500, 300},
        {&Second, "Second", -1, "two", &Page[0], 300, 1860, 1500, 300,
         [this] { events.push_back("second"); }},
        {&Choice, "Choice", -1, "", &Page[0], 2400, 450, 1800, 315,
         [this] { events.push_back("choice " + Choice.Text()); }},
        {&Bar, "Bar", -1, "", nullptr, 0, 0, 0, 0},
    });
    Choice.AddItem("alpha");
    Choice.AddItem("beta");
    AddMenus({
        {&mnuFile, "mnuFile", -1, "&File", 0},
        {&mnuOne, "mnuOne", -1, "&One", 1, [this] { events.push_back("one"); }},
        {&mnuTwo, "mnuTwo", -1, "&Two", 1},
        {&mnuLine, "mnuLine", -1, "-", 1},
        {&mnuThree, "mnuThree", -1, "T&hree", 1, {}, ui::Disabled},
    });
    AddTimer(Tick, "Tick", 50, false, [this] { events.push_back("tick"); });
  }
};

class WindowLayer : public ::testing::Test {
 protected:
  void SetUp() override { form.Show(); }
  void TearDown() override { form.Unload(); }
  std::vector<std::string> Shown() {
    std::vector<std::string> captions;
    for (const auto& item : drive::ShownItems(GetSubMenu(form.MenuHandle(), 0)))
      captions.push_back(item.caption + (item.enabled || item.caption == "-" ? "" : " (grey)"));
    return captions;
  }
  Sample form;
};

}  // namespace

TEST_F(WindowLayer, TwipsFollowTheScreen) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(ui::TwipsPerPixelX(), 1440 / dpi);
  if (dpi == 96) {
    EXPECT_EQ(ui::ToPixelsX(1215), 81);
  }
  RECT client;
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, ui::ToPixelsX(6000));
}

TEST_F(WindowLayer, ControlsAreFoundByNameAndPlacedInTwips) {
  ASSERT_EQ(form.Find("Page(1)"), &form.Page[1]);
  ASSERT_EQ(form.Find("Page", 0), &form.Page[0]);
  EXPECT_EQ(form.Find("Missing"), nullptr);
  EXPECT_EQ(form.Go.Left(), 300);
  EXPECT_EQ(form.Go.Top(), 450);
  EXPECT_EQ(form.Go.Width(), 1215);
  EXPECT_EQ(GetParent(form.Go.hwnd()), form.Page[0].hwnd());
  EXPECT_EQ(drive::TextOf(form.Go.hwnd()), "&Go");
  EXPECT_FALSE(form.Page[1].Visible());
  form.Page[0].SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(form.Go.hwnd()));  // a frame's controls go with it
  EXPECT_TRUE(form.Go.Visible());
}

TEST_F(WindowLayer, NotificationsReachTheControlsHandlers) {
  drive::Click(form.Go.hwnd());
  SendMessageA(form.Page[0].hwnd(), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), LPARAM(form.Note.hwnd()));
  drive::Choose(form.Choice.hwnd(), 1);
  drive::Command(form.hwnd(), form.mnuOne.Id());
  EXPECT_EQ(form.events, (std::vector<std::string>{"load", "go", "note", "choice beta", "one"}));
}

TEST_F(WindowLayer, OptionButtonsExcludeEachOther) {
  form.First.SetValue(true);
  drive::Click(form.Second.hwnd());
  EXPECT_TRUE(form.Second.Value());
  EXPECT_FALSE(form.First.Value());
  form.First.SetValue(true);
  EXPECT_FALSE(form.Second.Value());
  EXPECT_EQ(form.events.back(), "second");
}

TEST_F(WindowLayer, ComboBoxWithoutAChoiceReadsEmpty) {
  EXPECT_EQ(form.Choice.ListIndex(), -1);
  EXPECT_EQ(form.Choice.Text(), "");
  form.Choice.SetListIndex(0);
  EXPECT_EQ(form.Choice.Text(), "alpha");
  form.Choice.RemoveItem(0);
  EXPECT_EQ(form.Choice.ListCount(), 1);
  EXPECT_EQ(form.Choice.List(0), "beta");
}

TEST_F(WindowLayer, StatusBarPanelsMoveUpAndSpringsTakeTheRest) {
  HWND bar = form.Bar.hwnd();
  form.Bar.SetPanelText(1, "first");
  form.Bar.AddPanel(2, ui::Panel{"fixed", 1500, ui::AutoSize::None, ui::Bevel::Raised});
  form.Bar.AddPanel(2, ui::Panel{"new", 750, ui::AutoSize::None, ui::Bevel::None});
  ASSERT_EQ(drive::PartCount(bar), 3);
  EXPECT_EQ(drive::PartText(bar, 1), "new");
  EXPECT_EQ(drive::PartText(bar, 2), "fixed");
  EXPECT_EQ(drive::PartType(bar, 1), SBT_NOBORDERS);
  EXPECT_EQ(drive::PartType(bar, 2), SBT_POPOUT);
  RECT client;
  GetClientRect(bar, &client);
  int spring = client.right - ui::ToPixelsX(1500) - ui::ToPixelsX(750);
  EXPECT_EQ(drive::PartRect(bar, 0).right, spring);
  form.Bar.RemovePanel(1);
  form.Bar.RemovePanel(2);
  ASSERT_EQ(drive::PartCount(bar), 1);
  EXPECT_EQ(drive::PartText(bar, 0), "new");
  form.Bar.RemovePanel(5);  // no such panel: nothing happens
  EXPECT_EQ(form.Bar.PanelCount(), 1);
}

TEST_F(WindowLayer, HiddenMenuItemsComeBackInTheirPlace) {
  EXPECT_EQ(Shown(), (std::vector<std::string>{"&One", "&Two", "-", "T&hree (grey)"}));
  form.mnuOne.SetVisible(false);
  form.mnuThree.SetEnabled(true);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"&Two", "-", "T&hree"}));
  form.mnuOne.SetVisible(true);
  form.mnuTwo.SetCaption("T&wo!");
  EXPECT_EQ(Shown(), (std::vector<std::string>{"&One", "T&wo!", "-", "T&hree"}));
}

TEST_F(WindowLayer, TimersTickOnlyWhenEnabled) {
  drive::Pump(200);
  EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "tick"), 0);
  form.Tick.SetEnabled(true);
  drive::Pump(400);
  form.Tick.SetEnabled(false);
  long ticks = std::count(form.events.begin(), form.events.end(), "tick");
  EXPECT_GE(ticks, 2);
  drive::Pump(200);
  EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "tick"), ticks);
}

TEST_F(WindowLayer, UnloadCanBeCancelledAndTheNextUseLoadsAfresh) {
  form.cancelUnload = 1;
  SendMessageA(form.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form.Loaded());
  form.cancelUnload = 0;
  SendMessageA(form.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(form.Go.hwnd(), nullptr);
  form.Show();
  EXPECT_TRUE(IsWindow(form.Go.hwnd()));
  EXPECT_EQ(form.Choice.ListCount(), 2);
  EXPECT_EQ(form.events, (std::vector<std::string>{"load", "unload", "unload", "load"}));
}

Sample* dialog;
bool ownerDisabled;

void CALLBACK CloseDialog(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  ownerDisabled = !IsWindowEnabled(GetWindow(dialog->hwnd(), GW_OWNER));
  dialog->Unload();
}

TEST_F(WindowLayer, ModalFormDisablesItsOwnerUntilUnloaded) {
  Sample second;
  dialog = &second;
  ownerDisabled = false;
  SetTimer(nullptr, 0, 50, CloseDialog);
  second.ShowModal(&form);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(form.hwnd()));
  EXPECT_FALSE(second.Loaded());
}

TEST_F(WindowLayer, HourglassIsTheFormsPointerOverEveryControl) {
  form.SetMousePointer(ui::Pointer::Hourglass);
  SendMessageA(form.Go.hwnd(), WM_SETCURSOR, WPARAM(form.Go.hwnd()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
  form.SetMousePointer(ui::Pointer::Default);
  SendMessageA(form.Go.hwnd(), WM_SETCURSOR, WPARAM(form.Go.hwnd()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(WindowLayer, HelpWithAMissingFileDoesNothing) {
  ui::SetHelpHook(nullptr);
  ui::HtmlHelp(form.hwnd(), "C:\\nowhere\\missing.chm", ui::HH_DISPLAY_TOPIC_, "custom.htm");
  ui::HtmlHelp(nullptr, "", ui::HH_DISPLAY_TOC_, nullptr);
  drive::Pump(100);
  EXPECT_EQ(FindWindowA("HH Parent", nullptr), nullptr);
  EXPECT_TRUE(form.Loaded());
}

namespace {

// Pixels of a control's picture, drawn into memory as the control paints itself, in one colour.
int PixelsOf(HWND control, COLORREF color) {
  RECT client;
  GetClientRect(control, &client);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, client.right, client.bottom);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, picture);
  SendMessageA(control, WM_PRINTCLIENT, WPARAM(memory), PRF_CLIENT | PRF_ERASEBKGND);
  int count = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) count += GetPixel(memory, x, y) == color;
  SelectObject(memory, old);
  DeleteObject(picture);
  DeleteDC(memory);
  return count;
}

}  // namespace

TEST_F(WindowLayer, TextsReadUnderWhiteOnBlack) {
  int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
  COLORREF saved[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
  COLORREF dark[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
  ASSERT_TRUE(SetSysColors(2, elements, dark));
  form.Note.SetForeColor(RGB(0, 0, 255));  // a link's blue does not read on black
  int note = PixelsOf(form.Note.hwnd(), RGB(255, 255, 255));
  int option = PixelsOf(form.First.hwnd(), RGB(255, 255, 255));
  SetSysColors(2, elements, saved);
  EXPECT_GT(note, 10);
  EXPECT_GT(option, 10);
}

class WindowLayerKeys : public WindowLayer {
 protected:
  void SetUp() override {
    if (!keys::OnTheirDisplay()) GTEST_SKIP() << "runs on the keyboard's display only";
    WindowLayer::SetUp();
  }
};

TEST_F(WindowLayerKeys, KeysFindTheFirstControlAndLeaveAHiddenPage) {
  EXPECT_EQ(GetFocus(), form.Go.hwnd());
  form.Go.SetVisible(false);
  ASSERT_EQ(GetFocus(), form.Page[0].hwnd());  // Windows hands the focus back to the frame
  keys::Press(VK_SHIFT);
  EXPECT_EQ(GetFocus(), form.First.hwnd());
  form.Page[0].SetVisible(false);
  form.Page[1].SetVisible(true);
  MSG key{};  // a key on its way to the hidden button
  key.hwnd = GetFocus();
  key.message = WM_CHAR;
  key.wParam = 'x';
  keys::Deadline deadline(60, "a key for a hidden button");
  ui::RouteMessage(form.hwnd(), key);
  EXPECT_EQ(GetFocus(), form.hwnd());  // nothing on the page in view can take it
  EXPECT_EQ(key.hwnd, form.hwnd());
}

// A drop-down list that knows it has the focus fills its text with the highlight colour.
static bool DrawsFocus(HWND list) {
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT client;
  GetClientRect(list, &client);
  HDC dc = GetDC(list);
  COLORREF middle = GetPixel(dc, client.right / 2, client.bottom / 2);
  ReleaseDC(list, dc);
  return middle == GetSysColor(COLOR_HIGHLIGHT);
}

TEST_F(WindowLayerKeys, AMinimisedFormTakesNoKeysIntoItsControls) {
  form.Choice.SetListIndex(0);
  SetFocus(form.Choice.hwnd());
  ShowWindow(form.hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(form.hwnd()));
  ASSERT_EQ(GetActiveWindow(), form.hwnd());  // as under Wine without a window manager
  for (UINT key : {VK_DOWN, VK_TAB, VK_DOWN}) keys::Press(key);
  EXPECT_EQ(form.Choice.Text(), "alpha");
  EXPECT_EQ(keys::FocusName(), "(none)");
  ShowWindow(form.hwnd(), SW_RESTORE);
  EXPECT_EQ(GetFocus(), form.Choice.hwnd());
  EXPECT_TRUE(DrawsFocus(form.Choice.hwnd()));
}
