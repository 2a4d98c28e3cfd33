// Saves a picture of every page for people to look at; nothing is compared.
#include "tests/mainwindow/MainWindowFixture.h"
#include "tuner/frmAbout.h"

namespace {

frmAbout* shownAbout;

void CALLBACK SaveAbout(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  drive::Pump(300);
  drive::SavePng(shownAbout->hwnd(), "..\\screenshots\\brenvik-about.png");
  shownAbout->Unload();
}

}  // namespace

TEST_F(MainWindow, SavesAPictureOfEveryPage) {
  Open();
  SetWindowPos(form->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
  CreateDirectoryA("..\\screenshots", nullptr);
  auto save = [&](const std::string& name) {
    RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    drive::Pump(300);
    EXPECT_TRUE(drive::SavePng(form->hwnd(), "..\\screenshots\\brenvik-" + name + ".png")) << name;
  };
  save("page0");
  Menu("mnuManual");
  for (int tab = 0; tab < 4; ++tab) {
    drive::SelectTab(H("TabStrip1"), tab);
    save("page1-tab" + std::to_string(tab + 1));
  }
  Menu("mnuAuto");
  drive::Click(H("Command7"));
  save("page2");
  drive::Click(H("Command10"));
  form->Frame3.SetVisible(true);
  save("page3");
  Menu("mnuLauncher");
  save("page6");
  shownAbout = &form->About();
  SetTimer(nullptr, 0, 100, SaveAbout);
  Menu("mnuAbout");
}
