// The menu bar, the menu states that go with each page, and the menu handlers of the main window.
#include "tuner/frmMain.h"
#include "tuner/frmAbout.h"

void frmMain::CreateMenus() {
  AddMenus({
      {&mnuFile, "mnuFile", -1, "&File", 0},
      {&mnuApply, "mnuApply", -1, "&Apply", 1, On(&frmMain::mnuApply_Click)},
      {&mnuOptimize, "mnuOptimize", -1, "&Optimize", 1, On(&frmMain::mnuOptimize_Click)},
      {&mnuLaunch, "mnuLaunch", -1, "&Launch", 1, On(&frmMain::mnuLaunch_Click)},
      {&mnuBar, "mnuBar", -1, "-", 1},
      {&mnuBackup, "mnuBackup", -1, "&Backup", 1, On(&frmMain::mnuBackup_Click)},
      {&mnuRestore, "mnuRestore", -1, "&Restore", 1, On(&frmMain::mnuRestore_Click)},
      {&mnuFileBar0, "mnuFileBar0", -1, "-", 1},
      {&mnuExit, "mnuExit", -1, "E&xit", 1, On(&frmMain::mnuExit_Click)},
      {&mnuSettings, "mnuSettings", -1, "&Settings", 0},
      {&mnuAuto, "mnuAuto", -1, "&Automatic Settings", 1, On(&frmMain::mnuAuto_Click)},
      {&mnuManual, "mnuManual", -1, "&Manual Settings", 1, On(&frmMain::mnuManual_Click)},
      {&mnuLauncher, "mnuLauncher", -1, "&Launcher Panel", 1, On(&frmMain::mnuLauncher_Click)},
      {&mnuFileBar1, "mnuFileBar1", -1, "-", 1},
      {&mnuOlandri, "mnuOlandri", -1, "&Olandri", 1, On(&frmMain::mnuOlandri_Click)},
      {&mnuHelpp, "mnuHelpp", -1, "&Help", 0},
      {&mnuIndex, "mnuIndex", -1, "&Index", 1, On(&frmMain::mnuIndex_Click)},
      {&mnuContents, "mnuContents", -1, "&Contents", 1, On(&frmMain::mnuContents_Click)},
      {&mnuDash, "mnuDash", -1, "-", 1},
      {&mnuAbout, "mnuAbout", -1, "&About", 1, On(&frmMain::mnuAbout_Click)},
  });
}

// Of "&Apply", "&Optimize" and "&Launch" only the one of the page in view shows.
void frmMain::SetMenuStates(bool optimize, bool optimizeEnabled, bool apply, bool launch) {
  mnuLaunch.SetVisible(launch);
  mnuLaunch.SetEnabled(true);
  mnuApply.SetVisible(apply);
  mnuApply.SetEnabled(true);
  mnuOptimize.SetVisible(optimize);
  mnuOptimize.SetEnabled(optimizeEnabled);
}

void frmMain::mnuAuto_Click() {
  ShowPage(0);
  SetMenuStates(true, false, false, false);
}

void frmMain::mnuManual_Click() {
  ShowPage(1);
  SetMenuStates(false, mnuOptimize.Enabled(), true, false);
}

void frmMain::mnuLauncher_Click() {
  ShowPage(6);
  SetMenuStates(false, mnuOptimize.Enabled(), false, true);
}

void frmMain::mnuExit_Click() {
  UnloadBackup();
  if (about_ && about_->Loaded()) about_->Unload();
  UnloadRestore();
  Unload();
}

void frmMain::mnuContents_Click() {
  ui::HtmlHelp(nullptr, ui::HelpFile(), ui::HH_DISPLAY_TOC_, nullptr);
}

void frmMain::mnuIndex_Click() {
  ui::HtmlHelp(nullptr, ui::HelpFile(), ui::HH_DISPLAY_INDEX_, nullptr);
}

void frmMain::mnuAbout_Click() { About().ShowModal(this); }
