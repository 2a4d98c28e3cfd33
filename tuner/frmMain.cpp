// The main window's start-up and shut-down, the adapter discovery and the page switches.
#include "tuner/frmMain.h"
#include "settings/AdapterSettings.h"
#include "settings/RegFunctions.h"
#include "tuner/Images.h"
#include "tuner/frmAbout.h"

namespace {

const char kSettingsKey[] = "SOFTWARE\\QuorvaneSoftware\\Brenvik";
const char kBindingsKey[] = "Enum\\Network\\MSTCP";
const char kDefaultAdapter[] = "Default Adapter";

ui::FormArgs MainWindowArgs() {
  ui::FormArgs args;
  args.caption = "Brenvik";
  args.width = 9840;
  args.height = 5820;
  args.icon = ProgramIcon();
  return args;
}

}  // namespace

frmMain::frmMain() : ui::Form(MainWindowArgs()) {}

frmMain::~frmMain() {
  delete about_;
}

void frmMain::CreateControls() {
  customListsMade_ = false;
  CreateToolbar();
  AddControls({{&StatusBar1, "StatusBar1", -1, "", nullptr, 0, 0, 0, 0}});
  CreatePages();
  CreateMenus();
  AddTimer(Timer1, "Timer1", 100, false, On(&frmMain::Timer1_Timer));
  AddTimer(Timer2, "Timer2", 100, false, On(&frmMain::Timer2_Timer));
  OptimizeProgress = 0;
  ApplyProgress = 0;
}

void frmMain::Form_Load() {
  SysInfo = COpSysInfo();
  std::string loaded = GetRegString(HKEY_LOCAL_MACHINE, kSettingsKey, "LoadedMain", "");
  DiscoverAdapters();
  if (SysInfo.IsWin9x())
    for (const std::string& description : AdapterDescriptions) cmbAdapter.AddItem(description);

  if (!MoveToSavedPlace(loaded)) {
    float top = float(ui::ScreenHeight()) / 2 - float(Height()) / 2;
    float left = float(ui::ScreenWidth()) / 2 - float(Width()) / 2;
    Move(int(left + (left < 0 ? -0.5f : 0.5f)), int(top + (top < 0 ? -0.5f : 0.5f)));
  }

  if (SysInfo.IsWin9x()) {
    // An adapter without a description would leave a blank first entry: it leaves the list and
    // the tables together, so that list position k still names table entry k.
    if (cmbAdapter.List(0).empty()) {
      cmbAdapter.RemoveItem(0);
      if (!AdapterSubkeys.empty()) {
        AdapterSubkeys.erase(AdapterSubkeys.begin());
        AdapterDescriptions.erase(AdapterDescriptions.begin());
        AdapterDrivers.erase(AdapterDrivers.begin());
      }
    }
    cmbAdapter.AddItem(kDefaultAdapter);
    cmbAdapter.SetListIndex(0);
  }
  if (cmbAdapter.ListCount() == 0) cmbAdapter.AddItem(kDefaultAdapter);
  cmbConnection.SetListIndex(0);
  ui::SetHelpFile(ui::ProgramFolder() + "\\trasko.chm");
  Option8.SetValue(true);
  SetMenuStates(true, false, false, false);
}

void frmMain::Form_Unload(int&) {
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(false);
  SetRegString(HKEY_LOCAL_MACHINE, kSettingsKey, "LoadedMain", "Yes");
  SetRegDword(HKEY_LOCAL_MACHINE, kSettingsKey, "LeftMain", RestoredLeft());
  SetRegDword(HKEY_LOCAL_MACHINE, kSettingsKey, "TopMain", RestoredTop());
  ShowStatusProgress(false);
  // Closed before its animation ended, a run has not yet told that the registry refused a write.
  if (OptimizeRefused || ApplyRefused) {
    OptimizeRefused = ApplyRefused = false;
    ShowRefusedMessage();
  }
}

// A saved place that would show nothing of the window, as one saved on a larger screen, is not
// used: the window is centred instead.
bool frmMain::MoveToSavedPlace(const std::string& loaded) {
  if (loaded != "Yes") return false;
  int left = GetRegDword(HKEY_LOCAL_MACHINE, kSettingsKey, "LeftMain", 0);
  int top = GetRegDword(HKEY_LOCAL_MACHINE, kSettingsKey, "TopMain", 0);
  if (!ShowsInWorkArea(left, top)) return false;
  Move(left, top);
  return true;
}

void frmMain::Form_MouseMove(int, int, int, int) { StatusBar1.SetPanelText(1, ""); }

void frmMain::Frame1_MouseMove(int, int, int, int, int) { StatusBar1.SetPanelText(1, ""); }

void frmMain::DiscoverAdapters() {
  SysInfo = COpSysInfo();
  SlotSubkeys.assign(11, "");
  SlotDrivers.assign(11, "");
  for (int slot = 0; slot <= 9; ++slot) {
    SlotSubkeys[slot] = "000" + std::to_string(slot);
    SlotDrivers[slot] = "NetTrans\\000" + std::to_string(slot);
  }
  SlotSubkeys[10] = "0010";
  SlotDrivers[10] = "NetTrans\\0010";

  AdapterSubkeys.clear();
  AdapterDescriptions.clear();
  AdapterDrivers.clear();
  if (!SysInfo.IsWin9x()) return;
  AdapterSubkeys = EnumRegKeys(HKEY_LOCAL_MACHINE, kBindingsKey);
  for (const std::string& name : AdapterSubkeys) {
    AdapterDescriptions.push_back(
        GetRegString(HKEY_LOCAL_MACHINE, AdapterKey(name), "DriverDesc", ""));
    AdapterDrivers.push_back(
        GetRegString(HKEY_LOCAL_MACHINE, std::string(kBindingsKey) + "\\" + name, "Driver", ""));
  }
}

void frmMain::ShowPage(int16_t page) {
  if (page == 1 && !customListsMade_) {
    CreateCustomLists();
    customListsMade_ = true;
  }
  for (int i = 0; i < 7; ++i) Frame1[i].SetVisible(i == page);
}

void frmMain::ShowCustomTab(int16_t tab) {
  for (int i = 0; i < 4; ++i) frmCustom[i].SetVisible(i == tab);
}

frmAbout& frmMain::About() {
  if (!about_) about_ = new frmAbout();
  return *about_;
}
