// The cases that decide whether "&Optimize" serves each family right, run in one prefix with
// version records that play each family.
#include "Expected.h"
#include "tuner/Optimize.h"
#include "tuner/Presets9x.h"
#include "tuner/Resets.h"
#include "tests/support/VolatileKey.h"

#include <gtest/gtest.h>

namespace {

const std::string kNet = "System\\CurrentControlSet\\Services\\Class\\Net\\";
const std::string kNetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\";
const std::string kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const std::string kMstcpParams = kMstcp + "\\Parameters";
const std::string kNWLink = "System\\CurrentControlSet\\Services\\VxD\\NWLink";
const std::string kNetbeui = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI";

COpSysInfo Playing(Family family) {
    struct Version { DWORD platform, major, minor, build; };
    const Version versions[] = {{1, 4, 0, 950}, {1, 4, 10, 2222}, {1, 4, 90, 3000}, {2, 4, 0, 1381},
                                {2, 5, 0, 2195}, {2, 5, 1, 2600}, {0, 0, 0, 0}};
    const Version& v = versions[int(family)];
    OSVERSIONINFOEXA record{};
    record.dwOSVersionInfoSize = sizeof record;
    record.dwPlatformId = v.platform;
    record.dwMajorVersion = v.major;
    record.dwMinorVersion = v.minor;
    record.dwBuildNumber = v.build;
    return COpSysInfo(record, true);
}

std::vector<AdapterSlot> ToAdapterSlots(const std::vector<Slot>& slots) {
    std::vector<AdapterSlot> result;
    for (const Slot& slot : slots) result.push_back({slot.adapter, slot.protocol});
    return result;
}

// What one value reads as in a snapshot ("absent" when it is not there).
std::string At(const RegSnapshot& state, HKEY root, const std::string& key,
               const std::string& name) {
    auto found = state.find(SnapshotKey(key, name, root));
    return found == state.end() ? "absent" : found->second;
}

class OptimizeEdges : public ::testing::Test {
protected:
    void SetUp() override {
        ClearHandledState();
        std::vector<Slot> everySlot = FixedSlots();
        everySlot.push_back(DiscoveredSlot());
        SeedOldState(everySlot);
    }
    void TearDown() override { ClearHandledState(); }

    RegSnapshot Run(Family family, int connection, int configuration,
                    const std::vector<Slot>& slots, bool* refused = nullptr) {
        bool r = OptimizeRegistry(Playing(family), connection, configuration, ToAdapterSlots(slots));
        if (refused) *refused = r;
        return ReadHandledState();
    }
};

// Windows Me takes the 95/Me presets (numbers, and window scaling on LAN #3), although it also
// counts as Windows 98; Windows 98 stores text and leaves Tcp1323Opts out of LAN #3.
TEST_F(OptimizeEdges, MeIsServedLike95AndNotLike98) {
    struct Case { Family family; std::string rcvWindow, tcp1323, sackOpts; };
    const Case cases[] = {
        {Family::Win95, DwordEntry(373760), DwordEntry(3), DwordEntry(1)},
        {Family::WinMe, DwordEntry(373760), DwordEntry(3), DwordEntry(1)},
        {Family::Win98, SzEntry("373760"), "absent", SzEntry("1")},
    };
    for (const Case& c : cases) {
        SetUp();
        const RegSnapshot after = Run(c.family, kLan, 3, {DiscoveredSlot()});
        SCOPED_TRACE(FamilyName(c.family));
        EXPECT_EQ(c.rcvWindow, At(after, HKEY_LOCAL_MACHINE, kMstcp, "DefaultRcvWindow"));
        EXPECT_EQ(c.rcvWindow, At(after, HKEY_LOCAL_MACHINE, kMstcpParams, "DefaultRcvWindow"));
        EXPECT_EQ(c.tcp1323, At(after, HKEY_LOCAL_MACHINE, kMstcp, "Tcp1323Opts"));
        EXPECT_EQ(c.tcp1323, At(after, HKEY_LOCAL_MACHINE, kMstcpParams, "Tcp1323Opts"));
        EXPECT_EQ(c.sackOpts, At(after, HKEY_LOCAL_MACHINE, kMstcp, "SackOpts"));
    }
}

// Dial-up #2: Windows 95 and Me keep the dial-up sizes, Windows 98 writes those of #4.
TEST_F(OptimizeEdges, DialUp2DiffersBetween95MeAnd98) {
    struct Case { Family family; std::string ipmtu, cachesize; };
    const Case cases[] = {
        {Family::Win95, SzEntry("576"), SzEntry("64")},
        {Family::WinMe, SzEntry("576"), SzEntry("64")},
        {Family::Win98, SzEntry("1500"), SzEntry("0")},
    };
    for (const Case& c : cases) {
        SetUp();
        const RegSnapshot after = Run(c.family, kDialUp, 2, {DiscoveredSlot()});
        SCOPED_TRACE(FamilyName(c.family));
        EXPECT_EQ(c.ipmtu, At(after, HKEY_LOCAL_MACHINE, kNet + "0012", "IPMTU"));
        EXPECT_EQ(c.cachesize, At(after, HKEY_LOCAL_MACHINE, kNWLink, "cachesize"));
    }
}

// LAN #2 to #4: Windows XP takes the dial-up presets, 2000 and NT the broadband ones.
TEST_F(OptimizeEdges, XPLanTakesDialUpPresetsWhile2000AndNTTakeBroadband) {
    struct Case { Family family; int configuration; uint32_t window; std::string tcp1323, dupAcks; };
    const Case cases[] = {
        {Family::WinXP, 2, 23360, "absent", "absent"},
        {Family::WinXP, 3, 23360, "absent", DwordEntry(3)},
        {Family::WinXP, 4, 23360, "absent", "absent"},
        {Family::Win2K, 2, 373760, DwordEntry(3), "absent"},
        {Family::Win2K, 3, 373760, DwordEntry(3), DwordEntry(3)},
        {Family::Win2K, 4, 373760, "absent", "absent"},
        {Family::NT4, 2, 373760, DwordEntry(3), "absent"},
        {Family::NT4, 3, 373760, DwordEntry(3), DwordEntry(3)},
        {Family::NT4, 4, 373760, "absent", "absent"},
    };
    for (const Case& c : cases) {
        SetUp();
        const RegSnapshot after = Run(c.family, kLan, c.configuration, FixedSlots());
        SCOPED_TRACE(std::string(FamilyName(c.family)) + " LAN #" + std::to_string(c.configuration));
        EXPECT_EQ(DwordEntry(c.window), At(after, HKEY_LOCAL_MACHINE, kTcpipKey, "TcpWindowSize"));
        EXPECT_EQ(c.tcp1323, At(after, HKEY_LOCAL_MACHINE, kTcpipKey, "Tcp1323Opts"));
        EXPECT_EQ(c.dupAcks, At(after, HKEY_LOCAL_MACHINE, kTcpipKey, "TcpMaxDupAcks"));
    }
}

// The reset deletes the user's connection limits; the presets write the machine's.
TEST_F(OptimizeEdges, ConnectionLimitsAreDeletedForTheUserAndWrittenForTheMachine) {
    struct Case { Family family; int connection, configuration; std::string perServer, per10Server; };
    const Case cases[] = {
        {Family::Win95, kDialUp, 1, DwordEntry(2), DwordEntry(4)},  // not written: the machine's
        {Family::Win95, kDialUp, 3, DwordEntry(8), DwordEntry(16)},
        {Family::Win95, kSatellite, 5, DwordEntry(8), DwordEntry(16)},
        {Family::Win98, kPppoe, 3, SzEntry("8"), SzEntry("16")},
        {Family::Win98, kLan, 4, DwordEntry(2), DwordEntry(4)},
        {Family::WinMe, kWindowsDefaults, 1, DwordEntry(2), DwordEntry(4)},
    };
    for (const Case& c : cases) {
        SetUp();
        const RegSnapshot after = Run(c.family, c.connection, c.configuration, {DiscoveredSlot()});
        SCOPED_TRACE(std::string(FamilyName(c.family)) + " " + std::to_string(c.connection) + " #" +
                     std::to_string(c.configuration));
        EXPECT_EQ(c.perServer, At(after, HKEY_LOCAL_MACHINE, kInternetKey, "MaxConnectionsPerServer"));
        EXPECT_EQ(c.per10Server, At(after, HKEY_LOCAL_MACHINE, kInternetKey, "MaxConnectionsPer1_0Server"));
        EXPECT_EQ("absent", At(after, HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPerServer"));
        EXPECT_EQ("absent", At(after, HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server"));
    }
}

TEST_F(OptimizeEdges, NTFamilyLeavesTheConnectionLimitsAlone) {
    const RegSnapshot after = Run(Family::WinXP, kWindowsDefaults, 1, FixedSlots());
    const char* const name = "MaxConnectionsPerServer";
    EXPECT_EQ(DwordEntry(6), At(after, HKEY_CURRENT_USER, kInternetKey, name));
    EXPECT_EQ(DwordEntry(2), At(after, HKEY_LOCAL_MACHINE, kInternetKey, name));
}

// A reset for one slot removes the global values that the preset of an earlier slot wrote, but
// leaves that slot's own values.
TEST_F(OptimizeEdges, LaterSlotResetRemovesTheEarlierPresetsGlobals) {
    ClearHandledState();
    RegSnapshot expected = ReadHandledState();
    Optimize95MeDialUp3("0000", "NetTrans\\0000");
    ResetDefaults95Me("0001", "NetTrans\\0001");
    const RegSnapshot after = ReadHandledState();

    for (const char* name : {"IPMTU", "MaxMTU"}) {
        expected[SnapshotKey(kNet + "0000", name)] = SzEntry("1500");
        expected[SnapshotKey(kNetTrans + "0000", name)] = SzEntry("1500");
    }
    for (const char* name : {"MSS", "MaxMSS"}) {
        expected[SnapshotKey(kNet + "0000", name)] = SzEntry("1460");
        expected[SnapshotKey(kNetTrans + "0000", name)] = SzEntry("1460");
    }
    expected[SnapshotKey(kNet + "0000\\Ndi\\Params\\IPMTU", "default")] = SzEntry("1500");
    expected[SnapshotKey(kNet + "0000", "Logging")] = SzEntry("0");
    expected[SnapshotKey(kNet + "0000\\Ndi\\Params\\Logging", "default")] = SzEntry("0");
    expected[SnapshotKey(kNet + "0000", "IPXHeaderCompression")] = SzEntry("1");
    expected[SnapshotKey(kNet + "0000\\Ndi\\Params\\IPXHeaderCompression", "default")] =
        SzEntry("1");
    expected[SnapshotKey(kNet + "0000", "PointToPointIP")] = SzEntry("1");
    expected[SnapshotKey(kNet + "0000\\Ndi\\Params\\PointToPointIP", "default")] = SzEntry("1");
    // The machine's connection limits are not the reset's to delete.
    expected[SnapshotKey(kInternetKey, "MaxConnectionsPerServer")] = DwordEntry(8);
    expected[SnapshotKey(kInternetKey, "MaxConnectionsPer1_0Server")] = DwordEntry(16);
    EXPECT_EQ("", Differences(expected, after));
}

// With "Default Adapter" the globals end as the last slot's preset wrote them, and every slot
// holds its values, also slot 10 ("0010", "NetTrans\0010").
TEST_F(OptimizeEdges, DefaultAdapterTreatsSlots0000To0010) {
    const RegSnapshot before = ReadHandledState();
    const RegSnapshot after = Run(Family::Win95, kLan, 1, FixedSlots());
    for (const char* n : {"0000", "0005", "0009", "0010"}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(SzEntry("1500"), At(after, HKEY_LOCAL_MACHINE, kNet + n, "IPMTU"));
        EXPECT_EQ(SzEntry("1500"), At(after, HKEY_LOCAL_MACHINE, kNetTrans + n, "IPMTU"));
    }
    EXPECT_EQ(At(before, HKEY_LOCAL_MACHINE, kNet + "0012", "IPMTU"), At(after, HKEY_LOCAL_MACHINE, kNet + "0012", "IPMTU"));
    EXPECT_EQ(SzEntry("16"), At(after, HKEY_LOCAL_MACHINE, kNWLink, "cachesize"));
    EXPECT_EQ(DwordEntry(5840), At(after, HKEY_LOCAL_MACHINE, kMstcp, "DefaultRcvWindow"));
}

// An adapter whose binding names no protocol instance: its own keys are reset and written, and the
// class key, which its empty instance would name, keeps its values.
TEST_F(OptimizeEdges, AnAdapterWithoutAProtocolInstanceKeepsToItsOwnKeys) {
    const Slot unbound = {DiscoveredSlot().adapter, ""};
    for (Family family : {Family::Win95, Family::Win98}) {
        for (const char* name : {"IPMTU", "MaxMTU", "MSS", "MaxMSS", "SLOWNET"})
            PutString(HKEY_LOCAL_MACHINE, kClassKey, name, "old");
        const RegSnapshot before = ReadHandledState();
        const RegSnapshot after = Run(family, kDialUp, 1, {unbound});
        EXPECT_EQ("", Differences(ExpectOptimize(before, family, kDialUp, 1, {unbound}), after))
            << FamilyName(family);
    }
}

TEST_F(OptimizeEdges, ResetOfAMissingSlotCreatesNoKey) {
    ResetDefaults98("0042", "NetTrans\\0042");
    HKEY key = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, (kNet + "0042").c_str(), &key));
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, (kNetTrans + "0042").c_str(), &key));
}

// A platform that sets no family flag, or a connection index outside the list, writes nothing.
TEST_F(OptimizeEdges, NothingIsWrittenWithoutAFamilyOrAConnectionType) {
    const RegSnapshot before = ReadHandledState();
    struct Case { Family family; int connection; };
    for (const Case& c : {Case{Family::None, kLan}, Case{Family::None, kWindowsDefaults},
                          Case{Family::Win95, 5}, Case{Family::WinXP, -1}}) {
        bool refused = true;
        const RegSnapshot after = Run(c.family, c.connection, 1, FixedSlots(), &refused);
        SCOPED_TRACE(std::string(FamilyName(c.family)) + " " + std::to_string(c.connection));
        EXPECT_EQ("", Differences(before, after));
        EXPECT_FALSE(refused);
    }
}

// A key that must be created below a volatile key is refused: the run says so and goes on.
TEST_F(OptimizeEdges, ARefusedWriteIsReported) {
    ClearHandledState();
    ASSERT_TRUE(MakeVolatileKey(HKEY_LOCAL_MACHINE, kNet + "0000"));

    bool refused = false;
    const RegSnapshot after = Run(Family::Win95, kLan, 1, {{"0000", "NetTrans\\0000"}}, &refused);
    EXPECT_TRUE(refused);
    EXPECT_EQ(SzEntry("1500"), At(after, HKEY_LOCAL_MACHINE, kNet + "0000", "IPMTU"));
    EXPECT_EQ("absent", At(after, HKEY_LOCAL_MACHINE, kNet + "0000\\Ndi\\Params\\IPMTU", "default"));
    EXPECT_EQ(SzEntry("1500"), At(after, HKEY_LOCAL_MACHINE, kNetTrans + "0000", "IPMTU"));
    EXPECT_EQ(DwordEntry(5840), At(after, HKEY_LOCAL_MACHINE, kMstcp, "DefaultRcvWindow"));

    ClearHandledState();
    bool again = true;
    Run(Family::Win95, kLan, 1, {{"0000", "NetTrans\\0000"}}, &again);
    EXPECT_FALSE(again);
}

TEST(ConfigurationNumber, FirstChosenOptionOrFive) {
    struct Case { bool o8, o9, o10, o11; int number; };
    const Case cases[] = {
        {true, false, false, false, 1}, {false, true, false, false, 2}, {false, false, true, false, 3},
        {false, false, false, true, 4}, {false, false, false, false, 5}, {true, true, true, true, 1},
        {false, false, true, true, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.number, ConfigurationNumber(c.o8, c.o9, c.o10, c.o11))
            << c.o8 << c.o9 << c.o10 << c.o11;
}

TEST(SelectedSlots, DefaultAdapterByExactTextOtherwiseTheChosenAdapter) {
    const std::vector<std::string> subkeys = {"0003", "0012"}, drivers = {"NetTrans\\0001", "NetTrans\\0007"};
    std::vector<std::string> slotSubkeys, slotDrivers;
    for (const Slot& slot : FixedSlots()) {
        slotSubkeys.push_back(slot.adapter);
        slotDrivers.push_back(slot.protocol);
    }
    struct Case { std::string text; int index; std::vector<std::string> adapters; };
    const Case cases[] = {
        {"Default Adapter", 2, {"0000", "0001", "0002", "0003", "0004", "0005", "0006", "0007", "0008", "0009", "0010"}},
        // an adapter whose own description is "Default Adapter" counts as the pseudo-adapter
        {"Default Adapter", 0, {"0000", "0001", "0002", "0003", "0004", "0005", "0006", "0007", "0008", "0009", "0010"}},
        {"default adapter", 0, {"0003"}},
        {"Acme PCI Ethernet", 1, {"0012"}},
        {"", -1, {}},
        {"Ghost", 2, {}},
    };
    for (const Case& c : cases) {
        const std::vector<AdapterSlot> slots = SelectedSlots(c.text, c.index, subkeys, drivers, slotSubkeys, slotDrivers);
        SCOPED_TRACE("\"" + c.text + "\" at " + std::to_string(c.index));
        ASSERT_EQ(c.adapters.size(), slots.size());
        for (size_t i = 0; i < slots.size(); ++i) EXPECT_EQ(c.adapters[i], slots[i].adapter);
    }
    const std::vector<AdapterSlot> all = SelectedSlots("Default Adapter", 0, subkeys, drivers, slotSubkeys, slotDrivers);
    EXPECT_EQ("NetTrans\\0000", all.front().protocol);
    EXPECT_EQ("NetTrans\\0010", all.back().protocol);
    EXPECT_EQ("NetTrans\\0007", SelectedSlots("Acme", 1, subkeys, drivers, slotSubkeys, slotDrivers)[0].protocol);
}

}  // namespace
