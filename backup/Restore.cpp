#include "backup/Restore.h"

Restore::Restore(std::string folder)
    : BackupDialog({"Brenvik Restore", "Restore from", 100, "restore.htm"}, std::move(folder)) {}

void Restore::Form_Load() {
    SetMousePointer(ui::Pointer::Default);
    FillList();
    Text1.SetText(List1.ListCount() > 0 ? List1.List(0) : "");
    ProgressBar1.SetVisible(false);
    ProgressBar1.SetMax(100);
    Timer1.SetEnabled(false);
}

void Restore::Command1_Click() {
    system_ = COpSysInfo();
    if (Text1.Text().empty()) {
        SetFocus(Text1.hwnd());
        return;
    }
    backup::Outcome outcome = backup::RestoreBackup(Folder(), Text1.Text(), system_);
    if (!outcome.done) {
        Tell(outcome.message);
        return;
    }
    tellAtUnload_ = outcome.message;  // the registry refused part of the restore
    StartAnimation();
}
