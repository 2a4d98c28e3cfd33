// Backups through the registry on the family this run plays: the exact bytes of the files, and
// tune, back up, change, restore, with the registry compared against the state before.
#include "BackupTestSupport.h"

#include "backup/BackupSettings.h"
#include "backup/BackupStore.h"
#include "settings/Settings.h"
#include "tuner/Optimize.h"
#include "tests/support/ImportHook.h"

#include <gtest/gtest.h>

#include <list>
#include <set>

using namespace backup;
using namespace backup_test;

namespace {

const char* const TcpKey = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char* const InternetKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string NTKey = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

class BackupRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        ClearTunedValues();
        folder = FreshFolder("backup-roundtrip");
    }
    Bytes SavedFile(const std::string& name) {
        Outcome outcome = SaveBackup(folder, name, system);
        EXPECT_TRUE(outcome.done) << outcome.message;
        return ReadFileBytes(BackupPath(folder, name));
    }
    COpSysInfo system;
    std::string folder;
};

Bytes Head(const Bytes& file, int record, size_t count) {
    Record r = RecordAt(file, record);
    return Bytes(r.begin(), r.begin() + count);
}

std::vector<::AdapterSlot> FixedSlots() {
    std::vector<::AdapterSlot> slots;
    for (int s = 0; s <= HighestFixedSlot; ++s) slots.push_back({FixedAdapterKey(s), FixedProtocolKey(s)});
    return slots;
}

// Values only the custom page writes, on top of a preset.
void TuneByHand(Layout layout) {
    if (layout == Layout::NT) return;
    bool is98 = layout == Layout::Win98;
    (is98 ? SetSLOWNET98 : SetSLOWNET)("0000", "NetTrans\\0000", Bytes{1});
    (is98 ? SetSLOWNET98 : SetSLOWNET)("0004", "NetTrans\\0004", Bytes{0});
    (is98 ? SetLogging98 : SetLogging)("0002", "1");
    (is98 ? SetNetBEUISessionsMin98 : SetNetBEUISessionsMin)("4");
    if (is98)
        SetPMTUAutoDetection98("1");
    else
        SetPMTUAutoDetection(1);
}

// Every value of the layout set to something else, at every place its writer uses.
void ChangeEverything(Layout layout) {
    SettingsBackup other = NewBackup(layout);
    for (SavedValue& v : other.globals)
        v = v.kind == SavedValue::Number ? SavedValue::OfNumber(7) : SavedValue::OfText("7");
    for (auto& values : other.adapterValues) {
        for (int k = 0; k < SlowNetValue; ++k) values[k] = SavedValue::OfText("7");
        values[SlowNetValue] = SavedValue::OfBytes({9});
    }
    RestoreSettings(other);
}

// What the registry should hold after the restore, given what it held before the backup.
RegSnapshot ExpectedAfterRestore(RegSnapshot before, const RegSnapshot& after, Layout layout) {
    static const std::set<std::string> numbers = {
        "bsdurgent", "defaultrcvwindow", "pmtuautodetection", "pmtublackholedetect",
        "pmtublackholeenabled", "pmtudiscovery", "sackopts", "tcp1323opts",
        "tcpuserfc1122urgentpointer", "maxdupacks", "maxconnectionsperserver",
        "maxconnectionsper1_0server", "tcpwindowsize", "defaultttl", "sessionkeepalive",
        "enablepmtubhdetect", "enablepmtudiscovery", "tcpmaxdupacks"};
    const std::string dword = "dword:";
    for (auto it = before.begin(); it != before.end();) {
        std::string name = it->first.substr(it->first.find('|') + 1);
        bool number = numbers.count(name) && it->second.rfind(dword, 0) == 0 &&
                      it->first.find("\\class\\") == std::string::npos;
        if (number && IsMe()) {
            // kept as text, restored by the 98 writer
            it->second = SzEntry(it->second.substr(dword.size()));
        } else if (number && it->second == DwordEntry(0) && layout != Layout::Win98) {
            it = before.erase(it);  // a saved 0 means "delete"
            continue;
        }
        ++it;
    }
    // A restore deletes the two Internet limits under the user's key, as the reset does; a value
    // under the machine's key that the backup did not hold stays.
    for (const char* name : {"maxconnectionsperserver", "maxconnectionsper1_0server"}) {
        std::string path = "hklm\\software\\microsoft\\windows\\currentversion\\internet settings|" +
                           std::string(name);
        if (!before.count(path) && after.count(path)) before[path] = after.at(path);
    }
    return before;
}

}  // namespace

TEST_F(BackupRegistry, FileOfAnUntunedRegistryHasTheLayoutsExactSize) {
    Bytes file = SavedFile("fresh");
    if (IsNTFamily()) {
        EXPECT_EQ(file.size(), 1280u);
        EXPECT_EQ(Head(file, 1, 128), Bytes(128, 0));
        EXPECT_EQ(Head(file, 2, 6), (Bytes{0x03, 0, 0, 0, 0, 0}));
        return;
    }
    EXPECT_EQ(file.size(), 18304u);
    EXPECT_EQ(Head(file, 1, 4), (Bytes{0x0A, 0, 0, 0}));
    EXPECT_EQ(Head(file, 2, 8), (Bytes{0x08, 0, 0x04, 0, '0', '0', '0', '0'}));
    for (int s = 0; s <= 10; ++s) EXPECT_EQ(Head(file, 31 + 8 * s, 4), (Bytes{0x08, 0, 0, 0})) << s;
}

TEST_F(BackupRegistry, NTFileHoldsTheWindowSizeInRecordTwo) {
    if (!IsNTFamily()) GTEST_SKIP() << "NT family only";
    SetTcpWindowSizeNT(64240);
    EXPECT_EQ(Head(SavedFile("window"), 2, 6), (Bytes{0x03, 0, 0xF0, 0xFA, 0, 0}));
}

TEST_F(BackupRegistry, SlowNetIsSavedAsTheLayoutSays) {
    if (IsNTFamily()) GTEST_SKIP() << "95, 98 and Me only";
    SetSLOWNET("0000", "NetTrans\\0000", Bytes{1});
    Bytes file = SavedFile("slownet");
    if (Family() == "win95")
        EXPECT_EQ(Head(file, 31, 13), (Bytes{0x11, 0x20, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
    else
        EXPECT_EQ(Head(file, 31, 3), (Bytes{0x11, 0, 1}));  // 98 and Me
    EXPECT_EQ(Head(file, 39, 4), (Bytes{0x08, 0, 0, 0}));
}

TEST_F(BackupRegistry, NTBackupOverA95FileKeepsTheRecordsItDoesNotWrite) {
    if (!IsNTFamily()) GTEST_SKIP() << "NT family only";
    SettingsBackup old95 = NewBackup(Layout::Win95);
    old95.globals[2] = SavedValue::OfText("128");
    Bytes before = WriteRecords({}, EncodeBackup(old95).records);
    WriteFileBytes(BackupPath(folder, "old"), before);
    SetDefaultTTLNT(64);
    Bytes after = SavedFile("old");
    ASSERT_EQ(after.size(), 18304u);
    EXPECT_EQ(RecordAt(after, 1), RecordAt(before, 1));
    for (int n = 11; n <= 143; ++n) EXPECT_EQ(RecordAt(after, n), RecordAt(before, n)) << n;
    EXPECT_EQ(Head(after, 3, 6), (Bytes{0x03, 0, 64, 0, 0, 0}));
}

// Windows 95, 98 and Me export MoveFileExA only as a stub that fails with
// ERROR_CALL_NOT_IMPLEMENTED; saving over a backup there renames the old file aside and the new
// one into its place. When that second rename is refused, the old file goes back; when even that
// is refused, or the old file cannot be deleted after all, the files stay under the names the
// message gives. Any other failure of the move refuses the save and leaves the folder as it was,
// and so does a refusal to set the old file aside or to find a free name for it.
namespace {

DWORD moveFileError = 0;
BOOL WINAPI FailingMoveFileEx(LPCSTR, LPCSTR, DWORD) {
    SetLastError(moveFileError);
    return FALSE;
}

// What is refused: no rename; the rename of the new file (a "bak" temporary) onto "over.dat";
// every rename onto it; the deletion of the old file set aside (an "old" temporary that holds
// data); the rename of "over.dat" aside, as while another program holds it open; the free name
// for it ("old" temporaries); the deletion of the empty file that reserved that name.
enum class Onto { Free, NewRefused, AllRefused, AsideKept, AsideRefused, NoFreeName,
                  ReservedKept };
Onto onto = Onto::Free;

bool IsOver(const std::string& path) {
    return path.size() > 9 && _stricmp(&path[path.size() - 9], "\\over.dat") == 0;
}

void* realMoveFile = nullptr;
BOOL WINAPI RefusingMoveFile(LPCSTR from, LPCSTR to) {
    std::string source = from;
    source = source.substr(source.rfind('\\') + 1);
    bool newFile = _strnicmp(source.c_str(), "bak", 3) == 0;
    bool refused = IsOver(to) ? onto == Onto::AllRefused || (onto == Onto::NewRefused && newFile)
                              : IsOver(from) && onto == Onto::AsideRefused;
    if (!refused) return reinterpret_cast<decltype(&MoveFileA)>(realMoveFile)(from, to);
    SetLastError(ERROR_SHARING_VIOLATION);
    return FALSE;
}

void* realDeleteFile = nullptr;
BOOL WINAPI RefusingDeleteFile(LPCSTR path) {
    std::string name = path;
    name = name.substr(name.rfind('\\') + 1);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path, GetFileExInfoStandard, &data);
    bool kept = onto == (data.nFileSizeLow == 0 ? Onto::ReservedKept : Onto::AsideKept);
    if (!kept || _strnicmp(name.c_str(), "old", 3) != 0)
        return reinterpret_cast<decltype(&DeleteFileA)>(realDeleteFile)(path);
    SetLastError(ERROR_SHARING_VIOLATION);
    return FALSE;
}

void* realCreateFile = nullptr;
HANDLE WINAPI RefusingTempFile(LPCSTR path, DWORD access, DWORD share,
                               LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD attributes,
                               HANDLE model) {
    std::string name = path;
    name = name.substr(name.rfind('\\') + 1);
    if (onto != Onto::NoFreeName || disposition != CREATE_NEW || _strnicmp(name.c_str(), "old", 3))
        return reinterpret_cast<decltype(&CreateFileA)>(realCreateFile)(
            path, access, share, security, disposition, attributes, model);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
}

void* realMoveFileEx = nullptr;
struct Hook { const char* function; void* replacement; void** real; };
const Hook MoveHooks[] = {
    {"MoveFileExA", reinterpret_cast<void*>(FailingMoveFileEx), &realMoveFileEx},
    {"MoveFileA", reinterpret_cast<void*>(RefusingMoveFile), &realMoveFile},
    {"DeleteFileA", reinterpret_cast<void*>(RefusingDeleteFile), &realDeleteFile},
    {"CreateFileA", reinterpret_cast<void*>(RefusingTempFile), &realCreateFile}};

}  // namespace

TEST_F(BackupRegistry, SavingOverABackupWhereMoveFileExFails) {
    const Bytes old(SavedFile("fresh").size(), 0xEE);
    WriteFileBytes(BackupPath(folder, "expected"), old);
    const Bytes expected = SavedFile("expected");
    ASSERT_NE(expected, old);
    const std::string unchanged = "Any earlier backup of that name is unchanged.";
    struct Case { DWORD error; Onto moves; bool replaced; };
    const Case cases[] = {{ERROR_CALL_NOT_IMPLEMENTED, Onto::Free, true},
                          {ERROR_CALL_NOT_IMPLEMENTED, Onto::NewRefused, false},
                          {ERROR_ACCESS_DENIED, Onto::Free, false},
                          {ERROR_CALL_NOT_IMPLEMENTED, Onto::AllRefused, false},
                          {ERROR_CALL_NOT_IMPLEMENTED, Onto::AsideKept, true},
                          {ERROR_CALL_NOT_IMPLEMENTED, Onto::AsideRefused, false},
                          {ERROR_CALL_NOT_IMPLEMENTED, Onto::NoFreeName, false},
                          {ERROR_CALL_NOT_IMPLEMENTED, Onto::ReservedKept, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.error) + " onto " + std::to_string(int(c.moves)));
        WriteFileBytes(BackupPath(folder, "over"), old);
        auto files = FolderState(folder);
        moveFileError = c.error;
        onto = c.moves;
        Outcome outcome{};
        {
            std::list<ImportSwap> swaps;
            for (const Hook& hook : MoveHooks) {
                *hook.real = swaps.emplace_back("kernel32.dll", hook.function, hook.replacement)
                                 .real();
                ASSERT_NE(*hook.real, nullptr) << hook.function;
            }
            outcome = SaveBackup(folder, "over", system);
        }

        EXPECT_EQ(outcome.done, c.replaced) << outcome.message;
        if (c.replaced) files["over.dat"] = expected;
        if (!c.replaced && c.moves != Onto::AllRefused) {
            EXPECT_NE(outcome.message.find(unchanged), std::string::npos) << outcome.message;
        }
        std::vector<std::pair<std::string, const Bytes*>> named;
        if (c.moves == Onto::AllRefused) {
            files.erase("over.dat");
            named = {{"The earlier backup is now the file \"", &old},
                     {"the new one the file \"", &expected}};
        }
        const Bytes empty;
        if (c.moves == Onto::AsideKept) named = {{"which is now the file \"", &old}};
        if (c.moves == Onto::ReservedKept)
            named = {{"could not delete the empty file \"", &empty}};
        for (const auto& [said, data] : named) {
            size_t at = outcome.message.find(said);
            ASSERT_NE(at, std::string::npos) << outcome.message;
            at += said.size();
            files[outcome.message.substr(at, outcome.message.find('"', at) - at)] = *data;
        }
        EXPECT_EQ(FolderState(folder), files);
    }
}

TEST_F(BackupRegistry, MeKeepsNumbersOfItsOptimizationAsText) {
    if (!IsMe()) GTEST_SKIP() << "Windows Me only";
    OptimizeRegistry(system, kLan, 1, FixedSlots());
    SetPMTUBlackHoleDetect(0);
    std::string window = std::to_string(GetDefaultRcvWindow());
    ASSERT_NE(window, "0");
    Bytes file = SavedFile("me");
    EXPECT_EQ(file.size(), 18304u);
    Bytes expected = {0x08, 0, static_cast<unsigned char>(window.size()), 0};
    expected.insert(expected.end(), window.begin(), window.end());
    EXPECT_EQ(Head(file, 113, expected.size()), expected);
    EXPECT_EQ(Head(file, 126, 5), (Bytes{0x08, 0, 1, 0, '0'}));  // PMTUBlackHoleDetect 0
}

TEST_F(BackupRegistry, RestoreAfterOptimizeBringsBackTheRegistry) {
    Layout layout = LayoutFor(system);
    struct Run { int connection, configuration; };
    std::vector<Run> runs = {{kWindowsDefaults, 1}};
    for (int c : {kDialUp, kLan, kPppoe, kSatellite})
        for (int cfg = 1; cfg <= 5; ++cfg) runs.push_back({c, cfg});
    for (const Run& run : runs) {
        SCOPED_TRACE("connection " + std::to_string(run.connection) + " configuration " +
                     std::to_string(run.configuration));
        ClearTunedValues();
        OptimizeRegistry(system, run.connection, run.configuration, FixedSlots());
        TuneByHand(layout);
        RegSnapshot before = RegistryState();
        ASSERT_TRUE(SaveBackup(folder, "tuned", system).done);
        ChangeEverything(layout);
        ASSERT_NE(RegistryState(), before);
        Outcome restored = RestoreBackup(folder, "tuned", system);
        EXPECT_TRUE(restored.done);
        EXPECT_EQ(restored.message, "");
        RegSnapshot after = RegistryState();
        EXPECT_EQ(Differences(ExpectedAfterRestore(before, after, layout), after), "");
    }
}

TEST_F(BackupRegistry, EmptyValuesAreDeletedAtEveryPlaceOfTheirRow) {
    ASSERT_TRUE(SaveBackup(folder, "empty", system).done);
    std::vector<std::tuple<HKEY, std::string, std::string>> places;
    auto add = [&](HKEY root, const std::string& key, std::initializer_list<const char*> names) {
        for (const char* name : names) places.emplace_back(root, key, name);
    };
    HKEY M = HKEY_LOCAL_MACHINE;
    if (IsNTFamily()) {
        add(M, NTKey, {"TcpWindowSize", "DefaultTTL", "SessionKeepAlive", "EnablePMTUBHDetect",
                       "EnablePMTUDiscovery", "SackOpts", "Tcp1323Opts",
                       "TcpUseRFC1122UrgentPointer", "TcpMaxDupAcks"});
    } else {
        for (const char* slot : {"0000", "0007", "0010"}) {
            std::string adapter = std::string("System\\CurrentControlSet\\Services\\Class\\Net\\") + slot;
            std::string protocol = std::string("System\\CurrentControlSet\\Services\\Class\\NetTrans\\") + slot;
            add(M, adapter, {"IPMTU", "IPXHeaderCompression", "Logging", "MaxMSS", "MaxMTU", "MSS",
                             "PointToPointIP", "SLOWNET"});
            for (const char* p : {"IPMTU", "IPXHeaderCompression", "Logging", "PointToPointIP"})
                add(M, adapter + "\\Ndi\\Params\\" + p, {"", "default"});
            add(M, protocol, {"IPMTU", "MaxMSS", "MaxMTU", "MSS", "SLOWNET"});
        }
        std::string vxd = "System\\CurrentControlSet\\Services\\VxD\\";
        add(M, TcpKey, {"DefaultMSS", "BSDUrgent", "DefaultRcvWindow", "DefaultTTL", "LocalCopyMade",
                        "SessionKeepAlive", "PMTUAutoDetection", "PMTUBlackHoleDetect",
                        "PMTUBlackHoleEnabled", "PMTUDiscovery", "SackOpts", "Tcp1323Opts",
                        "TcpUseRFC1122UrgentPointer"});
        add(M, vxd + "MSTCP\\Parameters", {"DefaultRcvWindow", "SackOpts", "Tcp1323Opts", "MaxDupAcks"});
        add(M, vxd + "NWLink", {"cachesize"});
        add(M, vxd + "NWLink\\Ndi\\params\\cachesize", {"", "default", "0", "1", "NdiValue"});
        add(M, vxd + "NWLink\\Ndi\\params\\forceeven", {"", "default"});
        add(M, vxd + "NWLink\\Ndi\\params\\maxconnect", {"", "default", "max", "min"});
        add(M, vxd + "NWLink\\Ndi\\params\\maxsockets", {"", "default", "max", "min"});
        add(M, vxd + "NETBEUI", {"default", "ncbs", "sessions"});
        add(M, vxd + "NETBEUI\\Ndi\\params\\ncbs", {"", "default", "max", "min"});
        add(M, vxd + "NETBEUI\\Ndi\\params\\sessions", {"", "default", "max", "min"});
        add(HKEY_CURRENT_USER, InternetKey, {"MaxConnectionsPerServer", "MaxConnectionsPer1_0Server"});
    }
    for (const auto& [root, key, name] : places) PutString(root, key, name, "5");
    PutString(M, TcpKey, "Untouched", "1");
    PutString(M, InternetKey, "MaxConnectionsPerServer", "9");  // the machine's copy is not deleted
    ASSERT_TRUE(RestoreBackup(folder, "empty", system).done);
    for (const auto& [root, key, name] : places)
        EXPECT_TRUE(SnapshotValue(root, key, name).empty()) << key << " | " << name;
    EXPECT_FALSE(SnapshotValue(M, TcpKey, "Untouched").empty());
    EXPECT_FALSE(SnapshotValue(M, InternetKey, "MaxConnectionsPerServer").empty());
}
