// Every refusal of a backup, restore or deletion leaves the registry and the backup folder
// byte for byte as they were, and says why.
#include "BackupTestSupport.h"

#include "backup/BackupFile.h"
#include "backup/BackupSettings.h"
#include "backup/BackupStore.h"
#include "settings/Settings.h"
#include "tests/support/ImportHook.h"
#include "tests/support/VolatileKey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <shlwapi.h>

using namespace backup;
using namespace backup_test;

namespace {

class BackupFaults : public ::testing::Test {
protected:
    void SetUp() override {
        ClearTunedValues();
        folder = FreshFolder("backup-faults");
        Tune();
        ASSERT_TRUE(SaveBackup(folder, "keep", system).done);
        Tune2();
    }
    // A tuned registry that differs from the saved backup "keep".
    void Tune() {
        if (IsNTFamily()) {
            SetDefaultTTLNT(128);
            SetTcpWindowSizeNT(64240);
        } else {
            SetIPMTU98("0000", "NetTrans\\0000", "1500");
            SetSLOWNET("0001", "NetTrans\\0001", Bytes{1});
            SetDefaultTTL98("64");
        }
    }
    void Tune2() {
        if (IsNTFamily())
            SetSackOptsNT(1);
        else
            SetMSS98("0003", "NetTrans\\0003", "1460");
    }
    void ExpectNothingChanged(const Outcome& outcome, const std::string& says) {
        EXPECT_FALSE(outcome.done);
        EXPECT_NE(outcome.message.find(says), std::string::npos) << outcome.message;
        EXPECT_EQ(Differences(registry, RegistryState()), "");
        EXPECT_EQ(FolderState(folder), files);
    }
    void Remember() {
        registry = RegistryState();
        files = FolderState(folder);
    }
    COpSysInfo system;
    std::string folder;
    RegSnapshot registry;
    std::map<std::string, Bytes> files;
};

const char* const BadNames[] = {"..\\..\\x", "..\\", "sub\\name", "a/b", "c:x", "what?", "CON",
                                "lpt1", "aux.old", "nul.", "com2 "};

}  // namespace

TEST_F(BackupFaults, RefusedNamesWriteRestoreAndDeleteNothing) {
    Remember();
    for (const char* name : BadNames) {
        SCOPED_TRACE(name);
        ExpectNothingChanged(SaveBackup(folder, name, system), "cannot be used for a backup");
        ExpectNothingChanged(RestoreBackup(folder, name, system), "cannot be used for a backup");
        ExpectNothingChanged(DeleteBackups(folder, {name}), "cannot be used for a backup");
    }
    std::string tooLong(300 - folder.size(), 'n');
    ExpectNothingChanged(SaveBackup(folder, tooLong, system), "too long");
}

// Windows judges the whole file name: "dot." is the valid file "dot..dat", written here by hand.
// A refused name in a deletion keeps only its own file, and the message names it.
TEST_F(BackupFaults, NamesAreJudgedByTheirWholeFileName) {
    WriteFileBytes(BackupPath(folder, "dot."), ReadFileBytes(BackupPath(folder, "keep")));
    ASSERT_TRUE(SaveBackup(folder, "blank ", system).done);
    std::vector<std::string> listed = ListBackups(folder);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"blank ", "dot.", "keep"}));
    for (const char* name : {"dot.", "blank "}) {
        Outcome restored = RestoreBackup(folder, name, system);
        EXPECT_TRUE(restored.done) << name;
        EXPECT_EQ(restored.message, "") << name;
    }
    Outcome deleted = DeleteBackups(folder, {"dot.", "CON", "blank ", "keep"});
    EXPECT_TRUE(deleted.done);
    EXPECT_EQ(deleted.message,
              "The name \"CON\" cannot be used for a backup: Windows reserves that name for a "
              "device. It was not deleted.\nThe other chosen backups were deleted.");
    EXPECT_TRUE(FolderState(folder).empty());
}

namespace {

// Deletions that fail where the look-up that follows fails too, as on a network folder just gone
// or a file access is denied to; and one that says the file is gone, though it is still there.
struct RefusedDelete { const char* file; DWORD error; bool lookUpFails; };
const RefusedDelete RefusedDeletes[] = {{"busy.dat", ERROR_SHARING_VIOLATION, true},
                                        {"denied.dat", ERROR_ACCESS_DENIED, true},
                                        {"offline.dat", ERROR_BAD_NETPATH, true},
                                        {"taken.dat", ERROR_FILE_NOT_FOUND, false}};

const RefusedDelete* RefusalOf(LPCSTR path) {
    for (const RefusedDelete& refused : RefusedDeletes)
        if (_stricmp(PathFindFileNameA(path), refused.file) == 0) return &refused;
    return nullptr;
}

void* realDeleteFile = nullptr;
BOOL WINAPI RefusingDeleteFile(LPCSTR path) {
    const RefusedDelete* refused = RefusalOf(path);
    if (!refused) return reinterpret_cast<decltype(&DeleteFileA)>(realDeleteFile)(path);
    SetLastError(refused->error);
    return FALSE;
}

void* realAttributes = nullptr;
DWORD WINAPI FailingAttributes(LPCSTR path) {
    const RefusedDelete* refused = RefusalOf(path);
    if (!refused || !refused->lookUpFails)
        return reinterpret_cast<decltype(&GetFileAttributesA)>(realAttributes)(path);
    SetLastError(refused->error);
    return INVALID_FILE_ATTRIBUTES;
}

Outcome DeleteRefused(const std::string& folder, const std::vector<std::string>& names) {
    ImportSwap deletes("kernel32.dll", "DeleteFileA", reinterpret_cast<void*>(RefusingDeleteFile));
    ImportSwap lookUps("kernel32.dll", "GetFileAttributesA",
                       reinterpret_cast<void*>(FailingAttributes));
    realDeleteFile = deletes.real();
    realAttributes = lookUps.real();
    if (!realDeleteFile || !realAttributes) {
        ADD_FAILURE() << "DeleteFileA or GetFileAttributesA is not imported";
        return {};
    }
    return DeleteBackups(folder, names);
}

}  // namespace

// A backup whose file Windows keeps is named with the reason, and the closing sentence comes only
// when another chosen backup really was deleted; one deleted by someone else is not told.
TEST_F(BackupFaults, BackupsWindowsKeepsAreNamedWithTheReason) {
    const Bytes data = ReadFileBytes(BackupPath(folder, "keep"));
    const std::string fixed = BackupPath(folder, "fixed"), open = BackupPath(folder, "open");
    WriteFileBytes(fixed, data);
    WriteFileBytes(open, data);
    for (const RefusedDelete& refused : RefusedDeletes)
        WriteFileBytes(folder + "\\" + refused.file, data);
    ASSERT_TRUE(SetFileAttributesA(fixed.c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE held = CreateFileA(open.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string kept =
        "The backup \"busy\" is in use by another program. It was not deleted.\n"
        "Windows gave error 5 when asked to delete the backup \"denied\". It was not deleted.\n"
        "The backup \"fixed\" is read-only. It was not deleted.\n"
        "Windows gave error 53 when asked to delete the backup \"offline\". It was not deleted.\n"
        "The backup \"open\" is in use by another program. It was not deleted.";
    const std::vector<std::string> chosen = {"busy", "denied", "fixed", "keep", "offline", "open",
                                             "taken"};
    Outcome some = DeleteRefused(folder, chosen);
    Remember();
    Outcome none = DeleteRefused(folder, chosen);
    ExpectNothingChanged(none, kept);
    CloseHandle(held);
    SetFileAttributesA(fixed.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(some.done);
    EXPECT_EQ(some.message, kept + "\nThe other chosen backups were deleted.");
    EXPECT_EQ(none.message, kept);
    std::map<std::string, Bytes> left = {{"fixed.dat", data}, {"open.dat", data}};
    for (const RefusedDelete& refused : RefusedDeletes) left[refused.file] = data;
    EXPECT_EQ(files, left);
}

TEST_F(BackupFaults, RestoringAMissingBackupCreatesAndDeletesNothing) {
    Remember();
    ExpectNothingChanged(RestoreBackup(folder, "never saved", system), "does not exist");
}

TEST_F(BackupFaults, TruncatedFilesAreDamaged) {
    Bytes whole = ReadFileBytes(BackupPath(folder, "keep"));
    for (size_t length : {size_t(0), size_t(1), size_t(128), whole.size() / 2, whole.size() - 1}) {
        SCOPED_TRACE(length);
        WriteFileBytes(BackupPath(folder, "cut"), Bytes(whole.begin(), whole.begin() + length));
        Remember();
        ExpectNothingChanged(RestoreBackup(folder, "cut", system), "is damaged");
    }
}

TEST_F(BackupFaults, FilesOfAnotherLayoutAreRefused) {
    Layout mine = LayoutFor(system);
    for (Layout other : {Layout::NT, Layout::Win98, Layout::Win95}) {
        if (other == mine) continue;
        SettingsBackup backup = NewBackup(other);
        if (other == Layout::NT) backup.globals[1] = SavedValue::OfNumber(32);
        else backup.adapterValues[0][0] = SavedValue::OfText("576");
        WriteFileBytes(BackupPath(folder, "other"), WriteRecords({}, EncodeBackup(backup).records));
        Remember();
        ExpectNothingChanged(RestoreBackup(folder, "other", system),
                             "is not a backup of the settings of this Windows");
    }
}

TEST_F(BackupFaults, RandomDamageIsRefusedOrHarmless) {
    Layout layout = LayoutFor(system);
    Bytes whole = ReadFileBytes(BackupPath(folder, "keep"));
    int records = int(whole.size() / RecordSize);
    std::mt19937 random(20261208);
    int refused = 0;
    for (int round = 0; round < 60; ++round) {
        // Damage where values are, not in the filler behind them.
        Bytes damaged = whole;
        for (int i = 0; i <= round % 3; ++i)
            damaged[(random() % records) * RecordSize + random() % 8] = random() & 0xFF;
        if (CheckBackupFile(damaged, layout) == FileVerdict::Valid) continue;
        ++refused;
        WriteFileBytes(BackupPath(folder, "hurt"), damaged);
        Remember();
        Outcome outcome = RestoreBackup(folder, "hurt", system);
        EXPECT_FALSE(outcome.done);
        EXPECT_EQ(Differences(registry, RegistryState()), "") << "round " << round;
        EXPECT_EQ(FolderState(folder), files);
    }
    EXPECT_GT(refused, 10);
}

TEST_F(BackupFaults, ValueTooLongForItsRecordRefusesTheBackup) {
    if (IsNTFamily()) GTEST_SKIP() << "NT values are all numbers";
    SetIPMTU("0003", "NetTrans\\0003", std::string(125, '1'));
    SetIPMTU98("0003", "NetTrans\\0003", std::string(125, '1'));
    Remember();
    ExpectNothingChanged(SaveBackup(folder, "keep", system), "IPMTU of adapter 0003");
    ExpectNothingChanged(SaveBackup(folder, "new", system), "IPMTU of adapter 0003");
    std::string missing = folder + "\\not yet";
    ExpectNothingChanged(SaveBackup(missing, "new", system), "IPMTU of adapter 0003");
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(BackupFaults, AFailedWriteLeavesTheOldBackup) {
    Remember();
    // Another program holds the old backup open.
    HANDLE locked = CreateFileA(BackupPath(folder, "keep").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    Outcome outcome = SaveBackup(folder, "keep", system);
    CloseHandle(locked);
    ExpectNothingChanged(outcome, "could not write the backup");
}

// Windows refuses the writes into the read-only copy and Wine replaces the backup all the same;
// both must say that the backup is read-only and leave no copy in the folder.
TEST_F(BackupFaults, AReadOnlyBackupIsRefusedForWhatItIs) {
    const std::string path = BackupPath(folder, "keep");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    Remember();
    Outcome outcome = SaveBackup(folder, "keep", system);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ExpectNothingChanged(outcome, "The backup \"keep\" is read-only");
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
}

TEST_F(BackupFaults, BackupCreatesTheFolderAndOverwritesInPlace) {
    std::string fresh = folder + "\\inner";
    ASSERT_TRUE(SaveBackup(fresh, "first", system).done);
    EXPECT_EQ(FolderState(fresh).size(), 1u);  // no temporary file left behind
    ASSERT_TRUE(SaveBackup(folder, "keep", system).done);
    EXPECT_EQ(ListBackups(folder), std::vector<std::string>{"keep"});
    ASSERT_TRUE(DeleteBackups(folder, {"keep", "gone already"}).done);
    EXPECT_TRUE(ListBackups(folder).empty());
}

TEST_F(BackupFaults, RegistryRefusalsOfARestoreAreTold) {
    if (IsNTFamily()) GTEST_SKIP() << "needs a per-adapter key";
    // A volatile key refuses lasting sub-keys, so the writers cannot create Ndi\Params below it.
    std::string adapter = "System\\CurrentControlSet\\Services\\Class\\Net\\0000";
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, adapter.c_str());
    ASSERT_TRUE(MakeVolatileKey(HKEY_LOCAL_MACHINE, adapter));
    Outcome outcome = RestoreBackup(folder, "keep", system);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, adapter.c_str());
    EXPECT_TRUE(outcome.done);
    EXPECT_NE(outcome.message.find("could not restore some settings"), std::string::npos);
}
