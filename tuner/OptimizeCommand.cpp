// "&Optimize": the button on the summary page and the File menu's item.
#include "tuner/Optimize.h"
#include "tuner/frmMain.h"

void frmMain::Command1_Click() {
  SysInfo = COpSysInfo(OptimizeVersionCall);
  Command1.SetEnabled(false);
  // The adapter list means nothing on the NT family, whose settings are global.
  std::vector<AdapterSlot> slots;
  if (SysInfo.IsWin9x())
    slots = SelectedSlots(cmbAdapter.Text(), cmbAdapter.ListIndex(), AdapterSubkeys, AdapterDrivers,
                          SlotSubkeys, SlotDrivers);
  const int configuration =
      ConfigurationNumber(Option8.Value(), Option9.Value(), Option10.Value(), Option11.Value());
  // This run alone decides what its animation's end tells, also after an earlier refusal.
  OptimizeRefused = OptimizeRegistry(SysInfo, cmbConnection.ListIndex(), configuration, slots);
  StartProgress(Timer1);
}

void frmMain::mnuOptimize_Click() { Command1_Click(); }
