// Helpers for the backup tests: the registry values a backup covers as one sorted map, the
// backup folder's files as another, and a clean start for every test.
#pragma once
#include <windows.h>

#include "backup/BackupFormat.h"

#include <map>
#include <string>
#include <vector>

#include "tests/support/RegSnapshot.h"

namespace backup_test {

using backup::Bytes;

// Every value under the keys that backups read, restores write and deletions touch.
RegSnapshot RegistryState();

// Deletes every key that holds tuned values, so a test starts from nothing.
void ClearTunedValues();

std::string Family();  // TEST_FAMILY, "winxp" when unset
bool IsNTFamily();
bool IsMe();

// A folder of this test program's own, emptied (created when missing).
std::string FreshFolder(const std::string& name);
// The files of a folder: name -> bytes.
std::map<std::string, Bytes> FolderState(const std::string& folder);
Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);

// While it lives, the key above the first values a restore writes is an empty volatile key, below
// which Windows refuses the lasting keys the writers create: Tcpip on the NT family, adapter 0000
// on 95/98/Me. The values of its tree come back afterwards.
class RefusedWrites {
public:
    RefusedWrites();
    ~RefusedWrites();
    RefusedWrites(const RefusedWrites&) = delete;
    RefusedWrites& operator=(const RefusedWrites&) = delete;

private:
    std::string key_;
    std::vector<SavedRegValue> saved_;
};

}  // namespace backup_test
