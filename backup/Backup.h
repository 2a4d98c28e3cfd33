// The Backup dialog: proposes a name from today's date, lists the saved backups, and saves the
// current settings under the typed name.
#pragma once
#include "backup/BackupDialog.h"
#include "backup/BackupStore.h"

#include <memory>

class Backup : public BackupDialog {
public:
    explicit Backup(std::string folder = backup::DefaultBackupFolder());

    void Form_Load() override;
    void Command1_Click() override;
    // Whether filename comes up in the rest of the listing whose current entry pathname holds;
    // walks the whole listing, leaving pathname empty.
    bool FileExist(std::string& pathname, const std::string& filename);

    std::string BackupListing;  // the current entry of the listing being walked

private:
    std::string StartListing();  // its first entry
    std::unique_ptr<backup::Listing> listing_;
};
