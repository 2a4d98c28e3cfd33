// "&Launch" on the launcher page, "&Olandri" and "Restart".
#include "tuner/Launcher.h"
#include "tuner/frmAbout.h"
#include "tuner/frmMain.h"

namespace {

// The control-panel applets of the launcher page, in the order "&Launch" tests their options.
struct AppletRow {
  ui::OptionButton frmMain::*option;
  const char* win9x;
  const char* nt;
};
const AppletRow kApplets[] = {
    {&frmMain::Option1, "rundll32.exe shell32.dll,Control_RunDLL netcpl.cpl",
     "rundll32.exe shell32.dll,Control_RunDLL ncpa.cpl"},
    {&frmMain::Option3, "rundll32.exe shell32.dll,Control_RunDLL modem.cpl",
     "rundll32.exe shell32.dll,Control_RunDLL modem.cpl"},
    {&frmMain::Option4, "rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl",
     "rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl"},
};

// A start that fails would otherwise leave the user waiting for a window that never comes.
void TellNotStarted(HWND owner, const std::string& what) {
  ui::MsgBox(owner, "Brenvik could not start \"" + what + "\".", kRefusedTitle,
             MB_OK | MB_ICONEXCLAMATION);
}

void StartOrTell(HWND owner, const std::string& commandLine) {
  if (!StartProgram(commandLine)) TellNotStarted(owner, commandLine);
}

}  // namespace

void frmMain::Command2_Click() {
  SysInfo = COpSysInfo();
  const bool win9x = SysInfo.IsWin9x();
  for (const AppletRow& applet : kApplets) {
    if ((this->*applet.option).Value()) {
      StartOrTell(hwnd(), win9x ? applet.win9x : applet.nt);
      return;
    }
  }
  if (Option6.Value()) {
    ShellOpen(nullptr, "Open", kMakerWebAddress, "", "", SW_SHOWNORMAL);
  } else if (Option7.Value()) {
    ShellOpen(hwnd(), "open", "mailto:", nullptr, nullptr, SW_SHOW);
  } else {
    // "IP Configuration", or no option at all; a failed start is passed over in silence.
    StartProgram(Option5.Value() && win9x ? "winipcfg" : "ipconfig");
  }
}

void frmMain::mnuLaunch_Click() { Command2_Click(); }

void frmMain::mnuOlandri_Click() {
  const std::string keeper = ui::ProgramFolder() + "\\olandri.exe";
  if (!StartProgramFile(keeper)) TellNotStarted(hwnd(), keeper);
}

void frmMain::Command13_Click() { RestartWindows(); }
