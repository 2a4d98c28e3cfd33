// Between backups and the registry: reading every value of a layout through the settings readers,
// and handing a checked backup to the settings writers (or deleting what it saved as empty).
#pragma once
#include "backup/BackupFile.h"
#include "settings/OpSysInfo.h"

namespace backup {

Layout LayoutFor(const COpSysInfo& system);

// The values of the running family, read from the registry with the layout's readers.
SettingsBackup ReadSettings(const COpSysInfo& system);

// Carries out the restore of a backup that passed the file check.
void RestoreSettings(const SettingsBackup& backup);

}  // namespace backup
