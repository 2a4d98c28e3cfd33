// The backup folder and what the dialogs do with its files: list them, save the settings into
// one, restore one, delete some. Every refusal leaves the folder and the registry as they were
// and says why.
#pragma once
#include "settings/OpSysInfo.h"

#include <windows.h>

#include <string>
#include <vector>

namespace backup {

// The folder "backup" beside the program.
std::string DefaultBackupFolder();
// <folder>\<name>.dat
std::string BackupPath(const std::string& folder, const std::string& name);

// A directory listing of ordinary files (no folders, hidden or system files), walked entry by
// entry in the order the file system returns them.
class Listing {
public:
    explicit Listing(const std::string& pattern);
    ~Listing();
    Listing(const Listing&) = delete;
    Listing& operator=(const Listing&) = delete;
    // The current entry's file name; empty text once the listing is used up.
    const std::string& Current() const { return current_; }
    void Next();

private:
    void Settle(bool found);
    HANDLE handle_;
    WIN32_FIND_DATAA data_{};
    std::string current_;
};

// The names of the saved backups, in the order of the listing.
std::vector<std::string> ListBackups(const std::string& folder);

struct Outcome {
    bool done;            // the work was carried out (perhaps in part, see message)
    std::string message;  // what to tell the user; empty when there is nothing to tell
};

Outcome SaveBackup(const std::string& folder, const std::string& name, const COpSysInfo& system);
Outcome RestoreBackup(const std::string& folder, const std::string& name, const COpSysInfo& system);
Outcome DeleteBackups(const std::string& folder, const std::vector<std::string>& names);

}  // namespace backup
