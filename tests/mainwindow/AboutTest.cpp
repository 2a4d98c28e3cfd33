// The about box opened modally from the Help menu: its links and their pointer.
#include "tests/mainwindow/MainWindowFixture.h"
#include "tuner/Images.h"
#include "tuner/frmAbout.h"

namespace {

void ClickLabel(HWND label) {
  SendMessageA(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
               LPARAM(label));
}

HCURSOR CursorOver(HWND control) {
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  drive::MouseMove(control, 3, 3);
  SendMessageA(control, WM_SETCURSOR, WPARAM(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor();
}

}  // namespace

TEST_F(MainWindow, AboutBoxIsModalAndItsLinksOpenTheirAddresses) {
  Open();
  bool ownerDisabled = false, shown = false;
  std::string caption, web, support, sales;
  HCURSOR overLink = nullptr, overText = nullptr;
  InModal("mnuAbout", [&] {
    frmAbout& about = form->About();
    ownerDisabled = !IsWindowEnabled(form->hwnd());
    shown = IsWindowVisible(about.hwnd()) != 0;
    caption = drive::TextOf(about.hwnd());
    web = drive::TextOf(about.Label12.hwnd());
    support = drive::TextOf(about.Label13.hwnd());
    sales = drive::TextOf(about.Label14.hwnd());
    ClickLabel(about.Label12.hwnd());
    ClickLabel(about.Label13.hwnd());
    ClickLabel(about.Label14.hwnd());
    overLink = CursorOver(about.Label13.hwnd());
    overText = CursorOver(about.Label10.hwnd());
    drive::Click(about.Command1.hwnd());
  });

  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(shown);
  EXPECT_EQ(caption, "About Brenvik");
  EXPECT_FALSE(form->About().Loaded());
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  EXPECT_EQ(web, "http://www.quorvane.com/");
  EXPECT_EQ(support, "support@quorvane.com");
  EXPECT_EQ(sales, "sales@quorvane.com");
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0].owner, nullptr);
  EXPECT_EQ(opened[0].verb, "Open");
  EXPECT_EQ(opened[0].document, web);
  EXPECT_EQ(opened[0].show, SW_SHOWNORMAL);
  EXPECT_EQ(opened[1].verb, "open");
  EXPECT_EQ(opened[1].document, "mailto:support@quorvane.com");
  EXPECT_FALSE(opened[1].parameters.has_value());
  EXPECT_EQ(opened[1].show, SW_SHOW);
  EXPECT_EQ(opened[2].document, "mailto:sales@quorvane.com");
  EXPECT_EQ(overLink, LinkCursor());
  EXPECT_NE(overText, LinkCursor());
}

TEST_F(MainWindow, ExitUnloadsAnOpenAboutBox) {
  Open();
  form->About().Load(form->hwnd());
  Menu("mnuExit");
  EXPECT_FALSE(form->About().Loaded());
  EXPECT_FALSE(form->Loaded());
}
