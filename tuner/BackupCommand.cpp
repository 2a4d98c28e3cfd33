// "&Backup" and "&Restore" open their dialogs modally; "E&xit" unloads them.
#include "tuner/frmMain.h"

#include "backup/Backup.h"
#include "backup/Restore.h"

namespace {

Backup& BackupForm() {
    static Backup form;
    return form;
}

Restore& RestoreForm() {
    static Restore form;
    return form;
}

}  // namespace

void frmMain::mnuBackup_Click() { BackupForm().ShowModal(this); }

void frmMain::mnuRestore_Click() { RestoreForm().ShowModal(this); }

void frmMain::UnloadBackup() {
    if (BackupForm().Loaded()) BackupForm().Unload();
}

void frmMain::UnloadRestore() {
    if (RestoreForm().Loaded()) RestoreForm().Unload();
}
