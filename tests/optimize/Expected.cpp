#include "Expected.h"

#include <cstdlib>

namespace {

const std::string kNet = "System\\CurrentControlSet\\Services\\Class\\Net\\";
const std::string kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const std::string kMstcpParams = kMstcp + "\\Parameters";
const std::string kNWLink = "System\\CurrentControlSet\\Services\\VxD\\NWLink";
const std::string kNWParams = kNWLink + "\\Ndi\\params\\";
const std::string kNetbeui = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI";
const std::string kNBParams = kNetbeui + "\\Ndi\\params\\";

enum class Base { Adapter, Protocol, Machine, User };

struct Place {
    Base base;
    std::string key;  // below the adapter or protocol key, or the whole path
    std::string name;
};

Place A(const std::string& name) { return {Base::Adapter, "", name}; }
Place AParam(const std::string& name, const std::string& value) {
    return {Base::Adapter, "\\Ndi\\Params\\" + name, value};
}
Place P(const std::string& name) { return {Base::Protocol, "", name}; }
Place M(const std::string& key, const std::string& name) { return {Base::Machine, key, name}; }

// An adapter whose binding names no protocol instance has no protocol places: "".
std::string Where(const Place& place, const Slot& slot) {
    switch (place.base) {
    case Base::Adapter: return SnapshotKey(kNet + slot.adapter + place.key, place.name);
    case Base::Protocol:
        if (slot.protocol.empty()) return "";
        return SnapshotKey(std::string(kClassKey) + "\\" + slot.protocol + place.key, place.name);
    case Base::Machine: return SnapshotKey(place.key, place.name);
    case Base::User: return SnapshotKey(place.key, place.name, HKEY_CURRENT_USER);
    }
    return "";
}

// The deletions of the 95/98/Me reset, in their documented order.
const std::vector<Place> kReset9x = {
    A("IPMTU"), AParam("IPMTU", ""), AParam("IPMTU", "default"), P("IPMTU"),
    A("IPXHeaderCompression"), AParam("IPXHeaderCompression", ""), AParam("IPXHeaderCompression", "default"),
    A("Logging"), AParam("Logging", ""), AParam("Logging", "default"),
    A("MaxMSS"), P("MaxMSS"), A("MaxMTU"), P("MaxMTU"), A("MSS"), P("MSS"),
    M(kMstcp, "DefaultMSS"),
    A("PointToPointIP"), AParam("PointToPointIP", ""), AParam("PointToPointIP", "default"),
    A("SLOWNET"), P("SLOWNET"),
    M(kMstcp, "BSDUrgent"), M(kMstcp, "DefaultRcvWindow"), M(kMstcpParams, "DefaultRcvWindow"),
    M(kMstcp, "DefaultTTL"), M(kMstcp, "LocalCopyMade"), M(kMstcp, "PMTUAutoDetection"),
    M(kMstcp, "PMTUBlackHoleDetect"), M(kMstcp, "PMTUBlackHoleEnabled"), M(kMstcp, "PMTUDiscovery"),
    M(kMstcp, "SackOpts"), M(kMstcpParams, "SackOpts"),
    M(kMstcp, "SessionKeepAlive"), M(kMstcp, "Tcp1323Opts"), M(kMstcpParams, "Tcp1323Opts"),
    M(kMstcp, "TcpUseRFC1122UrgentPointer"), M(kMstcpParams, "MaxDupAcks"),
    M(kNWLink, "cachesize"),
    M(kNWParams + "cachesize", ""), M(kNWParams + "cachesize", "default"), M(kNWParams + "cachesize", "0"),
    M(kNWParams + "cachesize", "1"), M(kNWParams + "cachesize", "NdiValue"),
    M(kNWParams + "forceeven", "default"), M(kNWParams + "forceeven", ""),
    M(kNWParams + "maxconnect", "default"), M(kNWParams + "maxconnect", ""), M(kNWParams + "maxconnect", "max"),
    M(kNWParams + "maxconnect", "min"),
    M(kNWParams + "maxsockets", "default"), M(kNWParams + "maxsockets", ""), M(kNWParams + "maxsockets", "max"),
    M(kNWParams + "maxsockets", "min"),
    {Base::User, kInternetKey, "MaxConnectionsPerServer"}, {Base::User, kInternetKey, "MaxConnectionsPer1_0Server"},
    M(kNetbeui, "default"), M(kNetbeui, "ncbs"), M(kNetbeui, "sessions"),
    M(kNBParams + "ncbs", "default"), M(kNBParams + "ncbs", "max"), M(kNBParams + "ncbs", "min"),
    M(kNBParams + "sessions", "default"), M(kNBParams + "sessions", "max"), M(kNBParams + "sessions", "min"),
};

const char* const kResetNT[] = {"DefaultTTL", "EnablePMTUBHDetect", "EnablePMTUDiscovery",
                                "TcpUseRFC1122UrgentPointer", "TcpWindowSize", "SessionKeepAlive",
                                "TcpMaxDupAcks", "SackOpts", "Tcp1323Opts"};

// The 95/Me preset table: where each writer stores its value, whether the 95/Me writer takes a
// number, and the cells of the columns D1 D2 D3 D4 L1 L3 P1 S1 B2 B3 B4 C5 (nullptr: not written).
enum Column { D1, D2, D3, D4, L1, L3, P1, S1, B2, B3, B4, C5 };
constexpr const char* _ = nullptr;

struct PresetRow {
    const char* writer;
    bool number;
    std::vector<Place> places;
    const char* cells[12];
};

const std::vector<PresetRow> kPresets9x = {
    {"IPMTU", false, {A("IPMTU"), AParam("IPMTU", "default"), P("IPMTU")},
     {"576", "576", "1500", "1500", "1500", "1500", "1500", "1500", "1500", "1492", "1500", _}},
    {"MaxMTU", false, {A("MaxMTU"), P("MaxMTU")},
     {"576", "576", "1500", "1500", "1500", "1500", "1500", "1500", "1500", "1492", "1500", _}},
    {"MSS", false, {A("MSS"), P("MSS"), M(kMstcp, "DefaultMSS")},
     {"536", "536", "1460", "1460", "1460", "1460", "1460", "1460", "1460", "1452", "1460", _}},
    {"MaxMSS", false, {A("MaxMSS"), P("MaxMSS")},
     {"536", "536", "1460", "1460", "1460", "1460", "1460", "1460", "1460", "1452", "1460", _}},
    {"Logging", false, {A("Logging"), AParam("Logging", "default")},
     {_, _, "0", _, _, "0", _, _, _, "0", _, _}},
    {"IPXHeaderCompression", false, {A("IPXHeaderCompression"), AParam("IPXHeaderCompression", "default")},
     {_, _, "1", _, _, "1", _, _, _, "1", _, _}},
    {"PointToPointIP", false, {A("PointToPointIP"), AParam("PointToPointIP", "default")},
     {_, _, "1", _, _, "1", _, _, _, "1", _, _}},
    {"DefaultRcvWindow", true, {M(kMstcp, "DefaultRcvWindow"), M(kMstcpParams, "DefaultRcvWindow")},
     {"2144", "2144", "23360", "23360", "5840", "373760", "64240", "64240", "373760", "371712", "373760", "4288"}},
    {"DefaultTTL", false, {M(kMstcp, "DefaultTTL")},
     {"64", "64", "128", "128", "64", "128", "128", "64", "128", "128", "128", "128"}},
    {"PMTUDiscovery", true, {M(kMstcp, "PMTUDiscovery")}, {"1", "1", _, "1", "1", _, "1", "1", "1", _, "1", "1"}},
    {"PMTUBlackHoleDetect", true, {M(kMstcp, "PMTUBlackHoleDetect")},
     {_, _, "0", "0", _, "0", _, _, "0", "0", "0", "0"}},
    {"PMTUBlackHoleEnabled", true, {M(kMstcp, "PMTUBlackHoleEnabled")}, {_, _, "0", _, _, "0", _, _, _, "0", _, _}},
    {"SessionKeepAlive", false, {M(kMstcp, "SessionKeepAlive")},
     {_, _, "60000", "60000", _, "60000", _, _, "60000", "60000", "60000", "60000"}},
    {"SackOpts", true, {M(kMstcp, "SackOpts"), M(kMstcpParams, "SackOpts")},
     {_, _, "1", _, _, "1", "1", "1", "1", "1", _, _}},
    {"Tcp1323Opts", true, {M(kMstcp, "Tcp1323Opts"), M(kMstcpParams, "Tcp1323Opts")},
     {_, _, _, _, _, "3", _, "3", "3", "3", _, _}},
    {"MaxDupAcks", true, {M(kMstcpParams, "MaxDupAcks")}, {_, _, "3", _, _, "3", "3", "3", _, "3", _, _}},
    {"NWLinkCacheSize", false,
     {M(kNWLink, "cachesize"), M(kNWParams + "cachesize", "default"), M(kNWParams + "cachesize", "0"),
      M(kNWParams + "cachesize", "1"), M(kNWParams + "cachesize", "NdiValue")},
     {"16", "64", "0", "0", "16", "0", _, _, "0", "0", "0", _}},
    {"NWLinkForceEvenDefault", false, {M(kNWParams + "forceeven", "default")}, {_, _, "1", _, _, "1", _, _, _, "1", _, _}},
    {"NWLinkMaxConnectMin", false, {M(kNWParams + "maxconnect", "min")}, {_, _, "2", _, _, "2", _, _, _, "2", _, _}},
    {"NWLinkMaxConnectMax", false, {M(kNWParams + "maxconnect", "max")},
     {_, _, "128", _, _, "128", _, _, _, "128", _, _}},
    {"NWLinkMaxConnectDefault", false, {M(kNWParams + "maxconnect", "default")},
     {_, _, "64", _, _, "64", _, _, _, "64", _, _}},
    {"NWLinkMaxSocketsMin", false, {M(kNWParams + "maxsockets", "min")}, {_, _, "32", _, _, "32", _, _, _, "32", _, _}},
    {"NWLinkMaxSocketsMax", false, {M(kNWParams + "maxsockets", "max")},
     {_, _, "1020", _, _, "1020", _, _, _, "1020", _, _}},
    {"NWLinkMaxSocketsDefault", false, {M(kNWParams + "maxsockets", "default")},
     {_, _, "255", _, _, "255", _, _, _, "255", _, _}},
    {"MaxConnectionsPerServer", true, {M(kInternetKey, "MaxConnectionsPerServer")},
     {_, _, "8", _, _, "8", _, _, _, "8", _, "8"}},
    {"MaxConnectionsPer1_0Server", true, {M(kInternetKey, "MaxConnectionsPer1_0Server")},
     {_, _, "16", _, _, "16", _, _, _, "16", _, "16"}},
    {"NetBEUIDefault", false, {M(kNetbeui, "default")}, {_, _, "32", _, _, "32", _, _, _, "32", _, _}},
    {"NetBEUINcbs", false, {M(kNetbeui, "ncbs")}, {_, _, "16", _, _, "16", _, _, _, "16", _, _}},
    {"NetBEUISessions", false, {M(kNetbeui, "sessions")}, {_, _, "32", _, _, "32", _, _, _, "32", _, _}},
    {"NetBEUINcbsDefault", false, {M(kNBParams + "ncbs", "default")}, {_, _, "64", _, _, "64", _, _, _, "64", _, _}},
    {"NetBEUINcbsMin", false, {M(kNBParams + "ncbs", "min")}, {_, _, "8", _, _, "8", _, _, _, "8", _, _}},
    {"NetBEUINcbsMax", false, {M(kNBParams + "ncbs", "max")}, {_, _, "255", _, _, "255", _, _, _, "255", _, _}},
    {"NetBEUISessionsDefault", false, {M(kNBParams + "sessions", "default")},
     {_, _, "32", _, _, "32", _, _, _, "32", _, _}},
    {"NetBEUISessionsMin", false, {M(kNBParams + "sessions", "min")}, {_, _, "4", _, _, "4", _, _, _, "4", _, _}},
    {"NetBEUISessionsMax", false, {M(kNBParams + "sessions", "max")},
     {_, _, "117", _, _, "117", _, _, _, "117", _, _}},
};

// Which column serves a connection type (rows) and configuration #1..#5 on 95 and Me, and on 98.
const Column kColumns95Me[4][5] = {
    {D1, D2, D3, D4, C5}, {L1, B2, L3, B4, C5}, {P1, B2, B3, B4, C5}, {S1, B2, B3, B4, C5}};
const Column kColumns98[4][5] = {
    {D1, D4, D3, D4, C5}, {L1, B2, L3, B4, C5}, {P1, B2, B3, B4, C5}, {S1, B2, B3, B4, C5}};

// The NT table: value name and the cells of the eleven presets.
enum NTColumn { DialUp1, DialUp2, DialUp3, Lan1, Lan3, Pppoe1, Satellite1, Broadband2, Broadband3, Broadband4, Config5 };
constexpr long no = -1;
struct NTRow {
    const char* name;
    long cells[11];
};
const NTRow kPresetsNT[] = {
    {"TcpWindowSize", {2144, 23360, 23360, 5840, 373760, 64240, 64240, 373760, 371712, 373760, 4288}},
    {"DefaultTTL", {64, 128, 128, 64, 128, 128, 64, 128, 128, 128, 128}},
    {"EnablePMTUDiscovery", {1, 1, no, 1, no, 1, 1, 1, no, 1, 1}},
    {"EnablePMTUBHDetect", {no, 0, 0, no, 0, no, no, 0, 0, 0, 0}},
    {"SessionKeepAlive", {no, 60000, 60000, no, 60000, no, no, 60000, 60000, 60000, 60000}},
    {"SackOpts", {no, no, 1, no, 1, no, no, 1, 1, no, no}},
    {"Tcp1323Opts", {no, no, no, no, 3, no, no, 3, 3, no, no}},
    {"TcpMaxDupAcks", {no, no, 3, no, 3, no, no, no, 3, no, no}},
};
const NTColumn kColumnsNT[4][5] = {
    {DialUp1, DialUp2, DialUp3, DialUp2, Config5},
    {Lan1, Broadband2, Lan3, Broadband4, Config5},
    {Pppoe1, Broadband2, Broadband3, Broadband4, Config5},
    {Satellite1, Broadband2, Broadband3, Broadband4, Config5}};
const NTColumn kLanColumnsXP[5] = {Lan1, DialUp2, DialUp3, DialUp2, Config5};

bool IsNT(Family family) { return family == Family::NT4 || family == Family::Win2K || family == Family::WinXP; }

}  // namespace

std::vector<Slot> FixedSlots() {
    std::vector<Slot> slots;
    for (const char* n : {"0000", "0001", "0002", "0003", "0004", "0005", "0006", "0007", "0008", "0009", "0010"})
        slots.push_back({n, std::string("NetTrans\\") + n});
    return slots;
}

Slot DiscoveredSlot() { return {"0012", "NetTrans\\0007"}; }

RegSnapshot ReadHandledState() {
    RegSnapshot state = SnapshotTrees(HKEY_LOCAL_MACHINE, {kClassKey, kVxDKey, kTcpipKey});
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const char* name : {"MaxConnectionsPerServer", "MaxConnectionsPer1_0Server"})
            state.merge(SnapshotValue(root, kInternetKey, name));
    return state;
}

void ClearHandledState() {
    DeleteTree(HKEY_LOCAL_MACHINE, kClassKey);
    DeleteTree(HKEY_LOCAL_MACHINE, kVxDKey);
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const char* name : {"MaxConnectionsPerServer", "MaxConnectionsPer1_0Server"}) {
            HKEY key = nullptr;
            if (RegOpenKeyA(root, kInternetKey, &key) == ERROR_SUCCESS) {
                RegDeleteValueA(key, name);
                RegCloseKey(key);
            }
        }
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kTcpipKey, &key) == ERROR_SUCCESS) {
        for (const char* name : kResetNT) RegDeleteValueA(key, name);
        RegCloseKey(key);
    }
}

void SeedOldState(const std::vector<Slot>& slots) {
    for (const Slot& slot : slots) {
        for (const Place& place : kReset9x) {
            HKEY root = place.base == Base::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
            std::string key = place.key;
            if (place.base == Base::Adapter) key = kNet + slot.adapter + place.key;
            if (place.base == Base::Protocol) key = std::string(kClassKey) + "\\" + slot.protocol + place.key;
            if (place.base == Base::User) PutDword(root, key, place.name, 6);
            else PutString(root, key, place.name, "old");
        }
        const std::string adapter = kNet + slot.adapter;
        PutString(HKEY_LOCAL_MACHINE, adapter, "DriverDesc", "Adapter " + slot.adapter);
        PutString(HKEY_LOCAL_MACHINE, std::string(kClassKey) + "\\" + slot.protocol, "DriverDesc",
                  "TCP/IP");
    }
    PutDword(HKEY_LOCAL_MACHINE, kInternetKey, "MaxConnectionsPerServer", 2);
    PutDword(HKEY_LOCAL_MACHINE, kInternetKey, "MaxConnectionsPer1_0Server", 4);
    PutString(HKEY_LOCAL_MACHINE, kMstcp, "EnableDNS", "1");
    PutString(HKEY_LOCAL_MACHINE, kNWParams + "cachesize", "type", "int");
    for (const char* name : kResetNT) PutDword(HKEY_LOCAL_MACHINE, kTcpipKey, name, 7777);
}

Family FamilyNamed(const std::string& name) {
    if (name == "win95") return Family::Win95;
    if (name == "win98") return Family::Win98;
    if (name == "winme") return Family::WinMe;
    if (name == "nt40") return Family::NT4;
    if (name == "win2k") return Family::Win2K;
    if (name == "winxp") return Family::WinXP;
    return Family::None;
}

const char* FamilyName(Family family) {
    const char* names[] = {"Windows 95", "Windows 98", "Windows Me", "Windows NT", "Windows 2000", "Windows XP", "none"};
    return names[int(family)];
}

void ExpectReset9x(RegSnapshot& state, const Slot& slot) {
    for (const Place& place : kReset9x) state.erase(Where(place, slot));
}

void ExpectResetNT(RegSnapshot& state) {
    for (const char* name : kResetNT) state.erase(SnapshotKey(kTcpipKey, name));
}

void ExpectPreset9x(RegSnapshot& state, Family family, int connection, int configuration,
                    const Slot& slot) {
    const bool is98 = family == Family::Win98;
    const Column column = (is98 ? kColumns98 : kColumns95Me)[connection][configuration - 1];
    for (const PresetRow& row : kPresets9x) {
        const char* cell = row.cells[column];
        if (!cell) continue;
        // Windows 98's #3 of LAN, PPPoE and satellite leaves Tcp1323Opts out.
        if (is98 && configuration == 3 && connection != 0 && std::string(row.writer) == "Tcp1323Opts") continue;
        for (const Place& place : row.places) {
            const std::string where = Where(place, slot);
            if (where.empty()) continue;
            const bool number = row.number && !is98;
            state[where] = number ? DwordEntry(std::strtoul(cell, nullptr, 10)) : SzEntry(cell);
        }
    }
}

void ExpectPresetNT(RegSnapshot& state, Family family, int connection, int configuration) {
    const NTColumn column = family == Family::WinXP && connection == 1 ? kLanColumnsXP[configuration - 1]
                                                                         : kColumnsNT[connection][configuration - 1];
    for (const NTRow& row : kPresetsNT)
        if (row.cells[column] != no)
            state[SnapshotKey(kTcpipKey, row.name)] = DwordEntry(uint32_t(row.cells[column]));
}

RegSnapshot ExpectOptimize(RegSnapshot state, Family family, int connection, int configuration,
                           const std::vector<Slot>& slots) {
    if (family == Family::None) return state;
    if (IsNT(family)) {
        ExpectResetNT(state);
        if (connection != 4) ExpectPresetNT(state, family, connection, configuration);
        return state;
    }
    for (const Slot& slot : slots) {
        ExpectReset9x(state, slot);
        if (connection != 4) ExpectPreset9x(state, family, connection, configuration, slot);
    }
    return state;
}
