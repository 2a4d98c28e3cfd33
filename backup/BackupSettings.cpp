#include "backup/BackupSettings.h"

#include "settings/Settings.h"

#include <vector>

namespace backup {

namespace {

const std::string ClassKey = "System\\CurrentControlSet\\Services\\Class\\";
const std::string NetKey = ClassKey + "Net\\";
const char* const NTKey = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const TcpKey = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char* const TcpParamsKey = "System\\CurrentControlSet\\Services\\VxD\\MSTCP\\Parameters";
const char* const NWLinkKey = "System\\CurrentControlSet\\Services\\VxD\\NWLink";
const char* const NWCacheKey = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
const char* const NWEvenKey = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\forceeven";
const char* const NWConnectKey = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxconnect";
const char* const NWSocketsKey = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxsockets";
const char* const NetBEUIKey = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI";
const char* const NcbsKey = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI\\Ndi\\params\\ncbs";
const char* const SessionsKey = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI\\Ndi\\params\\sessions";
const char* const InternetKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// Where a deletion happens: below the slot's adapter key, below its protocol key, or at a fixed
// key of the machine or (the Internet limits) of the user.
enum class Base { Adapter, Protocol, Machine, User };
struct Deletion {
    Base base;
    const char* key;   // Adapter: appended to the adapter key; others: the key itself
    const char* name;  // "" is the key's unnamed value
};

void Delete(const Deletion& d, const AdapterSlot* slot) {
    switch (d.base) {
    case Base::Adapter: DeleteRegValue(HKEY_LOCAL_MACHINE, NetKey + slot->adapter + d.key, d.name); break;
    case Base::Protocol: DeleteRegValue(HKEY_LOCAL_MACHINE, ClassKey + slot->protocol, d.name); break;
    case Base::Machine: DeleteRegValue(HKEY_LOCAL_MACHINE, d.key, d.name); break;
    case Base::User: DeleteRegValue(HKEY_CURRENT_USER, d.key, d.name); break;
    }
}

using AdapterReader = std::string (*)(const std::string&);
using AdapterWriter = void (*)(const AdapterSlot&, const std::string&);
struct AdapterAccess {
    AdapterReader get95, get98;
    AdapterWriter set95, set98;
    std::vector<Deletion> deletions;
};

constexpr Base A = Base::Adapter;
constexpr Base P = Base::Protocol;
constexpr Base M = Base::Machine;

// Rows in the order of AdapterLayout; SLOWNET (the last) is binary and handled on its own.
const std::vector<AdapterAccess> AdapterValues = {
    {GetIPMTU, GetIPMTU98,
     [](const AdapterSlot& s, const std::string& v) { SetIPMTU(s.adapter, s.protocol, v); },
     [](const AdapterSlot& s, const std::string& v) { SetIPMTU98(s.adapter, s.protocol, v); },
     {{A, "", "IPMTU"}, {A, "\\Ndi\\Params\\IPMTU", ""}, {A, "\\Ndi\\Params\\IPMTU", "default"},
      {P, "", "IPMTU"}}},
    {GetIPXHeaderCompression, GetIPXHeaderCompression98,
     [](const AdapterSlot& s, const std::string& v) { SetIPXHeaderCompression(s.adapter, v); },
     [](const AdapterSlot& s, const std::string& v) { SetIPXHeaderCompression98(s.adapter, v); },
     {{A, "", "IPXHeaderCompression"}, {A, "\\Ndi\\Params\\IPXHeaderCompression", ""},
      {A, "\\Ndi\\Params\\IPXHeaderCompression", "default"}}},
    {GetLogging, GetLogging98,
     [](const AdapterSlot& s, const std::string& v) { SetLogging(s.adapter, v); },
     [](const AdapterSlot& s, const std::string& v) { SetLogging98(s.adapter, v); },
     {{A, "", "Logging"}, {A, "\\Ndi\\Params\\Logging", ""}, {A, "\\Ndi\\Params\\Logging", "default"}}},
    {GetMaxMSS, GetMaxMSS98,
     [](const AdapterSlot& s, const std::string& v) { SetMaxMSS(s.adapter, s.protocol, v); },
     [](const AdapterSlot& s, const std::string& v) { SetMaxMSS98(s.adapter, s.protocol, v); },
     {{A, "", "MaxMSS"}, {P, "", "MaxMSS"}}},
    {GetMaxMTU, GetMaxMTU98,
     [](const AdapterSlot& s, const std::string& v) { SetMaxMTU(s.adapter, s.protocol, v); },
     [](const AdapterSlot& s, const std::string& v) { SetMaxMTU98(s.adapter, s.protocol, v); },
     {{A, "", "MaxMTU"}, {P, "", "MaxMTU"}}},
    {GetMSS, GetMSS98,
     [](const AdapterSlot& s, const std::string& v) { SetMSS(s.adapter, s.protocol, v); },
     [](const AdapterSlot& s, const std::string& v) { SetMSS98(s.adapter, s.protocol, v); },
     {{A, "", "MSS"}, {P, "", "MSS"}, {M, TcpKey, "DefaultMSS"}}},
    {GetPointToPointIP, GetPointToPointIP98,
     [](const AdapterSlot& s, const std::string& v) { SetPointToPointIP(s.adapter, v); },
     [](const AdapterSlot& s, const std::string& v) { SetPointToPointIP98(s.adapter, v); },
     {{A, "", "PointToPointIP"}, {A, "\\Ndi\\Params\\PointToPointIP", ""},
      {A, "\\Ndi\\Params\\PointToPointIP", "default"}}},
};
const std::vector<Deletion> SlowNetDeletions = {{A, "", "SLOWNET"}, {P, "", "SLOWNET"}};

// A machine-wide value. The 95/Me variant keeps it as a number (getNumber/setNumber, and
// numberKey names where) or as text; the 98 variant always as text.
struct GlobalAccess {
    int32_t (*getNumber)();
    void (*setNumber)(int32_t);
    std::string (*getText)();
    void (*setText)(const std::string&);
    std::string (*get98)();
    void (*set98)(const std::string&);
    const char* numberKey;
    const char* name;
    std::vector<Deletion> deletions;
};

GlobalAccess Number(int32_t (*get)(), void (*set)(int32_t), std::string (*get98)(),
                    void (*set98)(const std::string&), const char* key, const char* name,
                    std::vector<Deletion> deletions) {
    return {get, set, nullptr, nullptr, get98, set98, key, name, std::move(deletions)};
}

GlobalAccess Text(std::string (*get)(), void (*set)(const std::string&), std::string (*get98)(),
                  void (*set98)(const std::string&), std::vector<Deletion> deletions) {
    return {nullptr, nullptr, get, set, get98, set98, nullptr, nullptr, std::move(deletions)};
}

constexpr Base U = Base::User;

// Rows in the order of GlobalLayout.
const std::vector<GlobalAccess> GlobalValues = {
    Number(GetBSDUrgent, SetBSDUrgent, GetBSDUrgent98, SetBSDUrgent98, TcpKey, "BSDUrgent",
           {{M, TcpKey, "BSDUrgent"}}),
    Number(GetDefaultRcvWindow, SetDefaultRcvWindow, GetDefaultRcvWindow98, SetDefaultRcvWindow98,
           TcpKey, "DefaultRcvWindow",
           {{M, TcpKey, "DefaultRcvWindow"}, {M, TcpParamsKey, "DefaultRcvWindow"}}),
    Text(GetDefaultTTL, SetDefaultTTL, GetDefaultTTL98, SetDefaultTTL98, {{M, TcpKey, "DefaultTTL"}}),
    Text(GetLocalCopyMade, SetLocalCopyMade, GetLocalCopyMade98, SetLocalCopyMade98,
         {{M, TcpKey, "LocalCopyMade"}}),
    Text(GetSessionKeepAlive, SetSessionKeepAlive, GetSessionKeepAlive98, SetSessionKeepAlive98,
         {{M, TcpKey, "SessionKeepAlive"}}),
    Text(GetNWLinkCacheSize, SetNWLinkCacheSize, GetNWLinkCacheSize98, SetNWLinkCacheSize98,
         {{M, NWLinkKey, "cachesize"}, {M, NWCacheKey, ""}, {M, NWCacheKey, "default"},
          {M, NWCacheKey, "0"}, {M, NWCacheKey, "1"}, {M, NWCacheKey, "NdiValue"}}),
    Text(GetNWLinkForceEvenDefault, SetNWLinkForceEvenDefault, GetNWLinkForceEvenDefault98,
         SetNWLinkForceEvenDefault98, {{M, NWEvenKey, "default"}, {M, NWEvenKey, ""}}),
    Text(GetNWLinkMaxConnectDefault, SetNWLinkMaxConnectDefault, GetNWLinkMaxConnectDefault98,
         SetNWLinkMaxConnectDefault98, {{M, NWConnectKey, "default"}, {M, NWConnectKey, ""}}),
    Text(GetNWLinkMaxConnectMax, SetNWLinkMaxConnectMax, GetNWLinkMaxConnectMax98,
         SetNWLinkMaxConnectMax98, {{M, NWConnectKey, "max"}}),
    Text(GetNWLinkMaxConnectMin, SetNWLinkMaxConnectMin, GetNWLinkMaxConnectMin98,
         SetNWLinkMaxConnectMin98, {{M, NWConnectKey, "min"}}),
    Text(GetNWLinkMaxSocketsDefault, SetNWLinkMaxSocketsDefault, GetNWLinkMaxSocketsDefault98,
         SetNWLinkMaxSocketsDefault98, {{M, NWSocketsKey, "default"}, {M, NWSocketsKey, ""}}),
    Text(GetNWLinkMaxSocketsMax, SetNWLinkMaxSocketsMax, GetNWLinkMaxSocketsMax98,
         SetNWLinkMaxSocketsMax98, {{M, NWSocketsKey, "max"}}),
    Text(GetNWLinkMaxSocketsMin, SetNWLinkMaxSocketsMin, GetNWLinkMaxSocketsMin98,
         SetNWLinkMaxSocketsMin98, {{M, NWSocketsKey, "min"}}),
    Number(GetPMTUAutoDetection, SetPMTUAutoDetection, GetPMTUAutoDetection98,
           SetPMTUAutoDetection98, TcpKey, "PMTUAutoDetection", {{M, TcpKey, "PMTUAutoDetection"}}),
    Number(GetPMTUBlackHoleDetect, SetPMTUBlackHoleDetect, GetPMTUBlackHoleDetect98,
           SetPMTUBlackHoleDetect98, TcpKey, "PMTUBlackHoleDetect",
           {{M, TcpKey, "PMTUBlackHoleDetect"}}),
    Number(GetPMTUBlackHoleEnabled, SetPMTUBlackHoleEnabled, GetPMTUBlackHoleEnabled98,
           SetPMTUBlackHoleEnabled98, TcpKey, "PMTUBlackHoleEnabled",
           {{M, TcpKey, "PMTUBlackHoleEnabled"}}),
    Number(GetPMTUDiscovery, SetPMTUDiscovery, GetPMTUDiscovery98, SetPMTUDiscovery98, TcpKey,
           "PMTUDiscovery", {{M, TcpKey, "PMTUDiscovery"}}),
    Number(GetSackOpts, SetSackOpts, GetSackOpts98, SetSackOpts98, TcpKey, "SackOpts",
           {{M, TcpKey, "SackOpts"}, {M, TcpParamsKey, "SackOpts"}}),
    Number(GetTcp1323Opts, SetTcp1323Opts, GetTcp1323Opts98, SetTcp1323Opts98, TcpKey,
           "Tcp1323Opts", {{M, TcpKey, "Tcp1323Opts"}, {M, TcpParamsKey, "Tcp1323Opts"}}),
    Number(GetTcpUseRFC1122UrgentPointer, SetTcpUseRFC1122UrgentPointer,
           GetTcpUseRFC1122UrgentPointer98, SetTcpUseRFC1122UrgentPointer98, TcpKey,
           "TcpUseRFC1122UrgentPointer", {{M, TcpKey, "TcpUseRFC1122UrgentPointer"}}),
    Number(GetMaxDupAcks, SetMaxDupAcks, GetMaxDupAcks98, SetMaxDupAcks98, TcpParamsKey,
           "MaxDupAcks", {{M, TcpParamsKey, "MaxDupAcks"}}),
    Number(GetMaxConnectionsPerServer, SetMaxConnectionsPerServer, GetMaxConnectionsPerServer98,
           SetMaxConnectionsPerServer98, InternetKey, "MaxConnectionsPerServer",
           {{U, InternetKey, "MaxConnectionsPerServer"}}),
    Number(GetMaxConnectionsPer1_0Server, SetMaxConnectionsPer1_0Server,
           GetMaxConnectionsPer1_0Server98, SetMaxConnectionsPer1_0Server98, InternetKey,
           "MaxConnectionsPer1_0Server", {{U, InternetKey, "MaxConnectionsPer1_0Server"}}),
    Text(GetNetBEUIDefault, SetNetBEUIDefault, GetNetBEUIDefault98, SetNetBEUIDefault98,
         {{M, NetBEUIKey, "default"}}),
    Text(GetNetBEUINcbs, SetNetBEUINcbs, GetNetBEUINcbs98, SetNetBEUINcbs98,
         {{M, NetBEUIKey, "ncbs"}}),
    Text(GetNetBEUISessions, SetNetBEUISessions, GetNetBEUISessions98, SetNetBEUISessions98,
         {{M, NetBEUIKey, "sessions"}}),
    Text(GetNetBEUINcbsDefault, SetNetBEUINcbsDefault, GetNetBEUINcbsDefault98,
         SetNetBEUINcbsDefault98, {{M, NcbsKey, "default"}, {M, NcbsKey, ""}}),
    Text(GetNetBEUINcbsMax, SetNetBEUINcbsMax, GetNetBEUINcbsMax98, SetNetBEUINcbsMax98,
         {{M, NcbsKey, "max"}}),
    Text(GetNetBEUINcbsMin, SetNetBEUINcbsMin, GetNetBEUINcbsMin98, SetNetBEUINcbsMin98,
         {{M, NcbsKey, "min"}}),
    Text(GetNetBEUISessionsDefault, SetNetBEUISessionsDefault, GetNetBEUISessionsDefault98,
         SetNetBEUISessionsDefault98, {{M, SessionsKey, "default"}, {M, SessionsKey, ""}}),
    Text(GetNetBEUISessionsMax, SetNetBEUISessionsMax, GetNetBEUISessionsMax98,
         SetNetBEUISessionsMax98, {{M, SessionsKey, "max"}}),
    Text(GetNetBEUISessionsMin, SetNetBEUISessionsMin, GetNetBEUISessionsMin98,
         SetNetBEUISessionsMin98, {{M, SessionsKey, "min"}}),
};

struct NTAccess {
    int32_t (*get)();
    void (*set)(int32_t);
};

// Rows in the order of NTLayout.
const std::vector<NTAccess> NTValues = {
    {GetTcpWindowSizeNT, SetTcpWindowSizeNT},
    {GetDefaultTTLNT, SetDefaultTTLNT},
    {GetSessionKeepAliveNT, SetSessionKeepAliveNT},
    {GetEnablePMTUBHDetectNT, SetEnablePMTUBHDetectNT},
    {GetEnablePMTUDiscoveryNT, SetEnablePMTUDiscoveryNT},
    {GetSackOptsNT, SetSackOptsNT},
    {GetTcp1323OptsNT, SetTcp1323OptsNT},
    {GetTcpUseRFC1122UrgentPointerNT, SetTcpUseRFC1122UrgentPointerNT},
    {GetTcpMaxDupAcksNT, SetTcpMaxDupAcksNT},
};

// The 95/Me writers, which Me's optimization uses, keep some values as numbers that the 98
// readers cannot see. On Me such a number is kept as its decimal text, which the 98 writer
// then restores as text.
std::string MeNumberAsText(const GlobalAccess& row) {
    int32_t first = GetRegDword(HKEY_LOCAL_MACHINE, row.numberKey, row.name, 0);
    int32_t second = GetRegDword(HKEY_LOCAL_MACHINE, row.numberKey, row.name, -1);
    if (first != second) return "";  // no number there
    return std::to_string(uint32_t(first));
}

SavedValue ReadSlowNet(Layout layout, const std::string& adapter) {
    RegBinary bytes = layout == Layout::Win98 ? GetSLOWNET98(adapter) : GetSLOWNET(adapter);
    if (!bytes || bytes->empty()) return SavedValue{};
    return SavedValue::OfBytes(*bytes);
}

SavedValue ReadGlobal(const GlobalAccess& row, Layout layout, bool isMe) {
    if (layout != Layout::Win98)
        return row.getNumber ? SavedValue::OfNumber(row.getNumber()) : SavedValue::OfText(row.getText());
    std::string text = row.get98();
    if (text.empty() && isMe && row.getNumber) text = MeNumberAsText(row);
    return SavedValue::OfText(text);
}

void RestoreAdapterValue(const RestoreStep& step, Layout layout, const AdapterSlot& slot) {
    bool is98 = layout == Layout::Win98;
    if (step.value == SlowNetValue) {
        if (step.remove)
            for (const Deletion& d : SlowNetDeletions) Delete(d, &slot);
        else if (is98)
            SetSLOWNET98(slot.adapter, slot.protocol, step.argument.bytes);
        else
            SetSLOWNET(slot.adapter, slot.protocol, step.argument.bytes);
        return;
    }
    const AdapterAccess& row = AdapterValues[step.value];
    if (step.remove)
        for (const Deletion& d : row.deletions) Delete(d, &slot);
    else
        (is98 ? row.set98 : row.set95)(slot, step.argument.text);
}

void RestoreGlobal(const RestoreStep& step, Layout layout) {
    const GlobalAccess& row = GlobalValues[step.value];
    if (step.remove)
        for (const Deletion& d : row.deletions) Delete(d, nullptr);
    else if (layout == Layout::Win98)
        row.set98(step.argument.text);
    else if (step.argument.kind == SavedValue::Number)
        row.setNumber(step.argument.number);
    else
        row.setText(step.argument.text);
}

void RestoreNT(const RestoreStep& step) {
    if (step.remove)
        DeleteRegValue(HKEY_LOCAL_MACHINE, NTKey, NTLayout[step.value].value);
    else
        NTValues[step.value].set(step.argument.number);
}

}  // namespace

Layout LayoutFor(const COpSysInfo& system) {
    return ChooseLayout(system.IsWinXP(), system.IsWin2K(), system.IsWinNT(), system.IsWin98(),
                        system.IsWin95());
}

SettingsBackup ReadSettings(const COpSysInfo& system) {
    Layout layout = LayoutFor(system);
    SettingsBackup backup = NewBackup(layout);
    if (layout == Layout::NT) {
        for (size_t i = 0; i < NTValues.size(); ++i)
            backup.globals[i] = SavedValue::OfNumber(NTValues[i].get());
        return backup;
    }
    bool is98 = layout == Layout::Win98;
    for (size_t s = 0; s < backup.slots.size(); ++s) {
        const std::string& adapter = backup.slots[s].adapter;
        for (size_t k = 0; k < AdapterValues.size(); ++k)
            backup.adapterValues[s][k] =
                SavedValue::OfText((is98 ? AdapterValues[k].get98 : AdapterValues[k].get95)(adapter));
        backup.adapterValues[s][SlowNetValue] = ReadSlowNet(layout, adapter);
    }
    for (size_t g = 0; g < GlobalValues.size(); ++g)
        backup.globals[g] = ReadGlobal(GlobalValues[g], layout, system.IsWinME());
    return backup;
}

void RestoreSettings(const SettingsBackup& backup) {
    for (const RestoreStep& step : PlanRestore(backup)) {
        if (backup.layout == Layout::NT)
            RestoreNT(step);
        else if (step.slot >= 0)
            RestoreAdapterValue(step, backup.layout, backup.slots[step.slot]);
        else
            RestoreGlobal(step, backup.layout);
    }
}

}  // namespace backup
