// The main window of brenvik: seven pages stacked in one place (Frame1(0) to Frame1(6)), the menu
// bar, the toolbar and the status bar. Start-up and shut-down live in frmMain.cpp; the handlers of
// the commands that change settings live in files of their own (OptimizeCommand.cpp,
// ApplyCommand.cpp, LaunchCommand.cpp, BackupCommand.cpp), the custom page's lists in
// CustomPage.cpp.
#pragma once
#include "settings/OpSysInfo.h"
#include "ui/UI.h"

#include <cstdint>
#include <string>
#include <vector>

class frmAbout;

class frmMain : public ui::Form {
 public:
  frmMain();
  ~frmMain() override;

  // State kept while the window is loaded.
  COpSysInfo SysInfo;
  std::vector<std::string> AdapterSubkeys;       // sub-keys of Enum\Network\MSTCP (95/98/Me)
  std::vector<std::string> AdapterDescriptions;  // their DriverDesc, as the adapter list shows
  std::vector<std::string> AdapterDrivers;       // their protocol-instance keys
  std::vector<std::string> SlotSubkeys;          // the eleven fixed slots, "0000" to "0010"
  std::vector<std::string> SlotDrivers;          // "NetTrans\0000" to "NetTrans\0010"
  int32_t OptimizeProgress = 0;
  int32_t ApplyProgress = 0;
  // Set by each run of "&Optimize" and "&Apply": whether the registry refused one of its writes;
  // the animation's end then tells the user and clears it.
  bool OptimizeRefused = false;
  bool ApplyRefused = false;

  // Start-up and shut-down (frmMain.cpp).
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;
  void Frame1_MouseMove(int index, int button, int shift, int x, int y);
  void DiscoverAdapters();
  void ShowPage(int16_t page);
  void ShowCustomTab(int16_t tab);

  // Status-bar progress (Progress.cpp).
  void ShowStatusProgress(bool show);
  // Steps 3 to 5 of a starting command: range 0 to 100, the bar into the status bar, the timer on.
  void StartProgress(ui::Timer& timer);
  void Timer1_Timer();
  void Timer2_Timer();

  // Menus (Menus.cpp).
  void mnuExit_Click();
  void mnuAuto_Click();
  void mnuManual_Click();
  void mnuLauncher_Click();
  void mnuContents_Click();
  void mnuIndex_Click();
  void mnuAbout_Click();

  // Toolbar and tab strip (Toolbar.cpp).
  void Toolbar1_ButtonClick(int button);
  void Toolbar1_MouseMove(int button, int shift, int x, int y);
  void TabStrip1_Click();

  // Wizard and help buttons (Wizard.cpp).
  void Command7_Click();
  void Command10_Click();
  void Command11_Click();
  void Command12_Click();
  void Command3_Click();
  void Command9_Click();
  void Command14_Click();
  void Command5_Click();
  void Command6_Click();

  // "&Optimize" (OptimizeCommand.cpp).
  void Command1_Click();
  void mnuOptimize_Click();
  // "&Apply" (ApplyCommand.cpp).
  void Command4_Click();
  void mnuApply_Click();
  // "&Launch", "&Olandri", "Restart" (LaunchCommand.cpp).
  void Command2_Click();
  void mnuLaunch_Click();
  void mnuOlandri_Click();
  void Command13_Click();
  // "&Backup", "&Restore" and their unloading by "E&xit" (BackupCommand.cpp).
  void mnuBackup_Click();
  void mnuRestore_Click();
  void UnloadBackup();   // unloads the Backup dialog if it is loaded
  void UnloadRestore();  // unloads the Restore dialog if it is loaded
  // The 35 lists of the custom page inside frmCustom(0) to frmCustom(3) (CustomPage.cpp); made
  // when the page is first shown, since each drop-down list costs its own pop-up window.
  void CreateCustomLists();
  ui::Frame& AddGroupFrame(const char* name);
  bool customListsMade_ = false;

  frmAbout& About();  // loaded on first use

  // Controls outside the pages.
  ui::Toolbar Toolbar1;
  ui::StatusBar StatusBar1;
  ui::ProgressBar ProgressBar1;
  ui::Timer Timer1;
  ui::Timer Timer2;

  // The pages and their frames.
  ui::Frame Frame1[7];
  ui::Frame Frame8, Frame2, Frame3;
  ui::Frame frmCustom[4];

  // Page 0: adapter and connection type.
  ui::Label Label1, Label2, Label38, Label39, Label40, Label41, Label42, Label43;
  ui::ComboBox cmbAdapter, cmbConnection;
  ui::Button Command8, Command7, Command3;
  // Page 1: custom optimization. Combo[1] to Combo[35] are the lists Combo1 to Combo35.
  ui::TabStrip TabStrip1;
  ui::ComboBox Combo[36];
  ui::Button Command4, Command5;
  // Page 2: configuration option.
  ui::OptionButton Option8, Option9, Option10, Option11, Option12;
  ui::Label Label44, Label45, Label46, Label47;
  ui::Button Command11, Command10, Command9;
  // Page 3: summary, progress bar and restart panel.
  ui::Label Label48, Label49, Label50, Label51, Label52, Label53, Label54, Label55;
  ui::Button Command1, Command14, Command12;
  ui::Button Command13;
  ui::Label Label56, Label57;
  // Page 6: launcher.
  ui::OptionButton Option1, Option3, Option4, Option5, Option6, Option7;
  ui::Label Label58, Label59;
  ui::Button Command2, Command6;

  // Menus.
  ui::MenuItem mnuFile, mnuApply, mnuOptimize, mnuLaunch, mnuBar, mnuBackup, mnuRestore,
      mnuFileBar0, mnuExit;
  ui::MenuItem mnuSettings, mnuAuto, mnuManual, mnuLauncher, mnuFileBar1, mnuOlandri;
  ui::MenuItem mnuHelpp, mnuIndex, mnuContents, mnuDash, mnuAbout;

 protected:
  void CreateControls() override;

 private:
  void CreatePages();    // frmMainPages.cpp
  void CreateMenus();    // Menus.cpp
  void CreateToolbar();  // Toolbar.cpp
  bool MoveToSavedPlace(const std::string& loaded);  // false when the window is to be centred
  void SetMenuStates(bool optimize, bool optimizeEnabled, bool apply, bool launch);
  void ShowRefusedMessage();
  void ShowTopic(const char* topic);

  frmAbout* about_ = nullptr;
};

// The title of brenvik's message boxes and the text shown when the registry refused a write.
extern const char kRefusedTitle[];
extern const char kRefusedMessage[];
