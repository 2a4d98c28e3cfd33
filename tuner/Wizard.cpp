// The wizard of the automatic optimization over pages 0, 2 and 3, and the pages' help buttons.
#include "tuner/frmMain.h"

namespace {

constexpr int kWindowsDefaults = 4;

const char* const kConfigurations[] = {"Automatic Configuration #1", "Automatic Configuration #2",
                                       "Automatic Configuration #3", "Automatic Configuration #4",
                                       "Automatic Configuration #5"};

}  // namespace

void frmMain::Command7_Click() {
  Frame3.SetVisible(false);
  if (cmbConnection.ListIndex() == kWindowsDefaults) {
    Label53.SetBold(true);
    Label54.SetBold(true);
    Label55.SetBold(true);
    Label53.SetCaption(cmbAdapter.Text());
    Label54.SetCaption(cmbConnection.Text());
    Label52.SetCaption("");
    Label55.SetCaption("");
    ShowPage(3);
  } else {
    ShowPage(2);
  }
}

void frmMain::Command10_Click() {
  ShowPage(3);
  Label53.SetBold(true);
  Label54.SetBold(true);
  Label55.SetBold(true);
  Label52.SetCaption("Configuration Option");
  Label53.SetCaption(cmbAdapter.Text());
  Label54.SetCaption(cmbConnection.Text());
  int option = Option8.Value() ? 0 : Option9.Value() ? 1 : Option10.Value() ? 2
             : Option11.Value() ? 3 : 4;
  Label55.SetCaption(kConfigurations[option]);
  mnuOptimize.SetEnabled(true);
}

void frmMain::Command11_Click() { ShowPage(0); }

void frmMain::Command12_Click() {
  ShowPage(cmbConnection.ListIndex() == kWindowsDefaults ? 0 : 2);
  mnuOptimize.SetEnabled(false);
}

void frmMain::ShowTopic(const char* topic) {
  ui::HtmlHelp(hwnd(), ui::HelpFile(), ui::HH_DISPLAY_TOPIC_, topic);
}

void frmMain::Command3_Click() { ShowTopic("automatic.htm"); }
void frmMain::Command9_Click() { ShowTopic("automatic.htm"); }
void frmMain::Command14_Click() { ShowTopic("automatic.htm"); }
void frmMain::Command5_Click() { ShowTopic("custom.htm"); }
void frmMain::Command6_Click() { ShowTopic("launcher.htm"); }
