// The toolbar with its ten buttons, the pointer tracking that writes a button's description into
// the status bar, and the custom page's tab strip.
#include "tuner/frmMain.h"
#include "tuner/Images.h"

namespace {

struct ToolbarCommand {
  ui::ToolbarButton button;
  void (frmMain::*click)();
};

const ToolbarCommand kToolbar[] = {
    {{1, "Automatic Optimization", "Optimize connection settings for your adapter"},
     &frmMain::mnuAuto_Click},
    {{2, "Custom Optimization", "Fine tune your settings by hand"}, &frmMain::mnuManual_Click},
    {{3, "Run \"Olandri\"", "Click to run \"Olandri\""}, &frmMain::mnuOlandri_Click},
    {{0, "", ""}, nullptr},
    {{4, "Backup Settings", "Click to take a backup of your settings"}, &frmMain::mnuBackup_Click},
    {{5, "Restore Settings", "Restore your settings from a backup file"},
     &frmMain::mnuRestore_Click},
    {{0, "", ""}, nullptr},
    {{6, "Launch to System Settings", "Click to run internet related applets in your control panel"},
     &frmMain::mnuLauncher_Click},
    {{0, "", ""}, nullptr},
    {{7, "Help", "See Help file for details"}, &frmMain::mnuContents_Click},
};
constexpr int kToolbarButtons = sizeof kToolbar / sizeof kToolbar[0];

}  // namespace

void frmMain::CreateToolbar() {
  AddControls({{&Toolbar1, "Toolbar1", -1, "", nullptr, 0, 0, 0, 0}});
  Toolbar1.SetImageList(ToolbarImages());
  ui::ToolbarButton buttons[kToolbarButtons];
  for (int i = 0; i < kToolbarButtons; ++i) buttons[i] = kToolbar[i].button;
  Toolbar1.AddButtons(buttons, kToolbarButtons);
  Toolbar1.onButtonClick = [this](int button) { Toolbar1_ButtonClick(button); };
  Toolbar1.onMouseMove = [this](int button, int shift, int x, int y) {
    Toolbar1_MouseMove(button, shift, x, y);
  };
}

void frmMain::Toolbar1_ButtonClick(int button) {
  if (button < 1 || button > kToolbarButtons || !kToolbar[button - 1].click) return;
  (this->*kToolbar[button - 1].click)();
}

// A pointer exactly on a button's edge is outside it.
void frmMain::Toolbar1_MouseMove(int, int, int x, int y) {
  for (int i = 1; i <= Toolbar1.ButtonCount(); ++i) {
    RECT place = Toolbar1.ButtonPlace(i);
    int left = place.left, top = place.top;
    int width = place.right - place.left, height = place.bottom - place.top;
    if (x > left && x < left + width && y > top && y < top + height) {
      const char* description = Toolbar1.GetButton(i).description;
      if (StatusBar1.PanelText(1) != description) StatusBar1.SetPanelText(1, description);
      return;
    }
  }
  StatusBar1.SetPanelText(1, "");
}

void frmMain::TabStrip1_Click() { ShowCustomTab(int16_t(TabStrip1.SelectedItem() - 1)); }
