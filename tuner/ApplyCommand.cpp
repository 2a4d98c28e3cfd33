// "&Apply": the button on the custom page and the File menu's item.
#include "settings/RegFunctions.h"
#include "tuner/CustomApply.h"
#include "tuner/frmMain.h"

void frmMain::Command4_Click() {
  SysInfo = COpSysInfo();
  Command4.SetEnabled(false);

  CustomChoices choices;
  for (int list = 1; list <= kCustomListCount; ++list) choices[list] = Combo[list].ListIndex();
  // Consulted on 95/98/Me only; the NT family's settings are global.
  const std::vector<AdapterSlot> slots =
      SelectedSlots(cmbAdapter.Text(), cmbAdapter.ListIndex(), AdapterSubkeys, AdapterDrivers,
                    SlotSubkeys, SlotDrivers);
  const unsigned failuresBefore = RegFailureCount();
  switch (ApplyFamilyOf(SysInfo)) {
    case ApplyFamily::NT: ApplyCustomSettingsNT(choices); break;
    case ApplyFamily::Win95Me:
      SetMousePointer(ui::Pointer::Hourglass);
      ApplyCustomSettings95Me(choices, slots);
      SetMousePointer(ui::Pointer::Default);
      break;
    case ApplyFamily::Win98: ApplyCustomSettings98(choices, slots); break;
    case ApplyFamily::None: break;
  }
  ApplyRefused = RegFailureCount() != failuresBefore;  // this run's alone

  StartProgress(Timer2);
}

void frmMain::mnuApply_Click() { Command4_Click(); }
