// The Restore dialog: lists the saved backups and puts the chosen one back into the registry,
// after checking the whole file.
#pragma once
#include "backup/BackupDialog.h"
#include "backup/BackupStore.h"

class Restore : public BackupDialog {
public:
    explicit Restore(std::string folder = backup::DefaultBackupFolder());

    void Form_Load() override;
    void Command1_Click() override;
};
