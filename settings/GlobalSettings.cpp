#include "settings/GlobalSettings.h"

#include "settings/RegFunctions.h"

namespace {

const char kTcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kTcpParamsKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP\\Parameters";
const char kNWLinkKey[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink";
const char kNWLinkCacheKey[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
const char kNWLinkEvenKey[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\forceeven";
const char kNWLinkConnectKey[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxconnect";
const char kNWLinkSocketsKey[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxsockets";
const char kNetBEUIKey[] = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI";
const char kNetBEUINcbsKey[] = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI\\Ndi\\params\\ncbs";
const char kNetBEUISessionsKey[] = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI\\Ndi\\params\\sessions";
const char kInternetKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// The type a value has in the 95/Me variant; the 98 variant stores every value as text.
enum class Kind { Number, Text };

struct Place {
    const char* key;
    const char* name;
};

enum Value {
    BSDUrgent, DefaultRcvWindow, DefaultTTL, LocalCopyMade, PMTUAutoDetection, PMTUBlackHoleDetect,
    PMTUBlackHoleEnabled, PMTUDiscovery, SackOpts, SessionKeepAlive, Tcp1323Opts,
    TcpUseRFC1122UrgentPointer, MaxDupAcks,
    MaxConnectionsPerServer, MaxConnectionsPer1_0Server,
    NWLinkCacheSize, NWLinkForceEvenDefault, NWLinkMaxConnectDefault, NWLinkMaxConnectMax,
    NWLinkMaxConnectMin, NWLinkMaxSocketsDefault, NWLinkMaxSocketsMax, NWLinkMaxSocketsMin,
    NetBEUIDefault, NetBEUINcbs, NetBEUISessions, NetBEUINcbsDefault, NetBEUINcbsMax, NetBEUINcbsMin,
    NetBEUISessionsDefault, NetBEUISessionsMax, NetBEUISessionsMin,
    ValueCount
};

struct ValueRow {
    Value id;
    Kind kind;
    Place places[5];  // written in this order; readers read the first place only
};

constexpr ValueRow kValues[] = {
    {BSDUrgent, Kind::Number, {{kTcpKey, "BSDUrgent"}}},
    {DefaultRcvWindow, Kind::Number, {{kTcpKey, "DefaultRcvWindow"}, {kTcpParamsKey, "DefaultRcvWindow"}}},
    {DefaultTTL, Kind::Text, {{kTcpKey, "DefaultTTL"}}},
    {LocalCopyMade, Kind::Text, {{kTcpKey, "LocalCopyMade"}}},
    {PMTUAutoDetection, Kind::Number, {{kTcpKey, "PMTUAutoDetection"}}},
    {PMTUBlackHoleDetect, Kind::Number, {{kTcpKey, "PMTUBlackHoleDetect"}}},
    {PMTUBlackHoleEnabled, Kind::Number, {{kTcpKey, "PMTUBlackHoleEnabled"}}},
    {PMTUDiscovery, Kind::Number, {{kTcpKey, "PMTUDiscovery"}}},
    {SackOpts, Kind::Number, {{kTcpKey, "SackOpts"}, {kTcpParamsKey, "SackOpts"}}},
    {SessionKeepAlive, Kind::Text, {{kTcpKey, "SessionKeepAlive"}}},
    {Tcp1323Opts, Kind::Number, {{kTcpKey, "Tcp1323Opts"}, {kTcpParamsKey, "Tcp1323Opts"}}},
    {TcpUseRFC1122UrgentPointer, Kind::Number, {{kTcpKey, "TcpUseRFC1122UrgentPointer"}}},
    {MaxDupAcks, Kind::Number, {{kTcpParamsKey, "MaxDupAcks"}}},
    {MaxConnectionsPerServer, Kind::Number, {{kInternetKey, "MaxConnectionsPerServer"}}},
    {MaxConnectionsPer1_0Server, Kind::Number, {{kInternetKey, "MaxConnectionsPer1_0Server"}}},
    {NWLinkCacheSize, Kind::Text,
     {{kNWLinkKey, "cachesize"}, {kNWLinkCacheKey, "default"}, {kNWLinkCacheKey, "0"},
      {kNWLinkCacheKey, "1"}, {kNWLinkCacheKey, "NdiValue"}}},
    {NWLinkForceEvenDefault, Kind::Text, {{kNWLinkEvenKey, "default"}}},
    {NWLinkMaxConnectDefault, Kind::Text, {{kNWLinkConnectKey, "default"}}},
    {NWLinkMaxConnectMax, Kind::Text, {{kNWLinkConnectKey, "max"}}},
    {NWLinkMaxConnectMin, Kind::Text, {{kNWLinkConnectKey, "min"}}},
    {NWLinkMaxSocketsDefault, Kind::Text, {{kNWLinkSocketsKey, "default"}}},
    {NWLinkMaxSocketsMax, Kind::Text, {{kNWLinkSocketsKey, "max"}}},
    {NWLinkMaxSocketsMin, Kind::Text, {{kNWLinkSocketsKey, "min"}}},
    {NetBEUIDefault, Kind::Text, {{kNetBEUIKey, "default"}}},
    {NetBEUINcbs, Kind::Text, {{kNetBEUIKey, "ncbs"}}},
    {NetBEUISessions, Kind::Text, {{kNetBEUIKey, "sessions"}}},
    {NetBEUINcbsDefault, Kind::Text, {{kNetBEUINcbsKey, "default"}}},
    {NetBEUINcbsMax, Kind::Text, {{kNetBEUINcbsKey, "max"}}},
    {NetBEUINcbsMin, Kind::Text, {{kNetBEUINcbsKey, "min"}}},
    {NetBEUISessionsDefault, Kind::Text, {{kNetBEUISessionsKey, "default"}}},
    {NetBEUISessionsMax, Kind::Text, {{kNetBEUISessionsKey, "max"}}},
    {NetBEUISessionsMin, Kind::Text, {{kNetBEUISessionsKey, "min"}}},
};

constexpr bool RowsInOrder() {
    for (int i = 0; i < ValueCount; ++i)
        if (kValues[i].id != i) return false;
    return sizeof kValues / sizeof kValues[0] == ValueCount;
}
static_assert(RowsInOrder(), "one row per value, in the order of the Value enumeration");

// The named procedures of the 95/Me variant must have the type of their row.
template <Value id>
int32_t ReadNumber() {
    static_assert(kValues[id].kind == Kind::Number, "this value is text in the 95/Me variant");
    const Place& first = kValues[id].places[0];
    return GetRegDword(HKEY_LOCAL_MACHINE, first.key, first.name);
}

template <Value id>
void WriteNumber(int32_t value) {
    static_assert(kValues[id].kind == Kind::Number, "this value is text in the 95/Me variant");
    for (const Place& place : kValues[id].places)
        if (place.key) SetRegDword(HKEY_LOCAL_MACHINE, place.key, place.name, value);
}

std::string ReadText(Value id) {
    const Place& first = kValues[id].places[0];
    return GetRegString(HKEY_LOCAL_MACHINE, first.key, first.name);
}

void WriteText(Value id, const std::string& value) {
    for (const Place& place : kValues[id].places)
        if (place.key) SetRegString(HKEY_LOCAL_MACHINE, place.key, place.name, value);
}

template <Value id>
std::string ReadText95() {
    static_assert(kValues[id].kind == Kind::Text, "this value is a number in the 95/Me variant");
    return ReadText(id);
}

template <Value id>
void WriteText95(const std::string& value) {
    static_assert(kValues[id].kind == Kind::Text, "this value is a number in the 95/Me variant");
    WriteText(id, value);
}

}  // namespace

using Text = const std::string&;

// Windows 95 and Me
int32_t GetBSDUrgent() { return ReadNumber<BSDUrgent>(); }
void SetBSDUrgent(int32_t v) { WriteNumber<BSDUrgent>(v); }
int32_t GetDefaultRcvWindow() { return ReadNumber<DefaultRcvWindow>(); }
void SetDefaultRcvWindow(int32_t v) { WriteNumber<DefaultRcvWindow>(v); }
std::string GetDefaultTTL() { return ReadText95<DefaultTTL>(); }
void SetDefaultTTL(Text v) { WriteText95<DefaultTTL>(v); }
std::string GetLocalCopyMade() { return ReadText95<LocalCopyMade>(); }
void SetLocalCopyMade(Text v) { WriteText95<LocalCopyMade>(v); }
int32_t GetPMTUAutoDetection() { return ReadNumber<PMTUAutoDetection>(); }
void SetPMTUAutoDetection(int32_t v) { WriteNumber<PMTUAutoDetection>(v); }
int32_t GetPMTUBlackHoleDetect() { return ReadNumber<PMTUBlackHoleDetect>(); }
void SetPMTUBlackHoleDetect(int32_t v) { WriteNumber<PMTUBlackHoleDetect>(v); }
int32_t GetPMTUBlackHoleEnabled() { return ReadNumber<PMTUBlackHoleEnabled>(); }
void SetPMTUBlackHoleEnabled(int32_t v) { WriteNumber<PMTUBlackHoleEnabled>(v); }
int32_t GetPMTUDiscovery() { return ReadNumber<PMTUDiscovery>(); }
void SetPMTUDiscovery(int32_t v) { WriteNumber<PMTUDiscovery>(v); }
int32_t GetSackOpts() { return ReadNumber<SackOpts>(); }
void SetSackOpts(int32_t v) { WriteNumber<SackOpts>(v); }
std::string GetSessionKeepAlive() { return ReadText95<SessionKeepAlive>(); }
void SetSessionKeepAlive(Text v) { WriteText95<SessionKeepAlive>(v); }
int32_t GetTcp1323Opts() { return ReadNumber<Tcp1323Opts>(); }
void SetTcp1323Opts(int32_t v) { WriteNumber<Tcp1323Opts>(v); }
int32_t GetTcpUseRFC1122UrgentPointer() { return ReadNumber<TcpUseRFC1122UrgentPointer>(); }
void SetTcpUseRFC1122UrgentPointer(int32_t v) { WriteNumber<TcpUseRFC1122UrgentPointer>(v); }
int32_t GetMaxDupAcks() { return ReadNumber<MaxDupAcks>(); }
void SetMaxDupAcks(int32_t v) { WriteNumber<MaxDupAcks>(v); }
int32_t GetMaxConnectionsPerServer() { return ReadNumber<MaxConnectionsPerServer>(); }
void SetMaxConnectionsPerServer(int32_t v) { WriteNumber<MaxConnectionsPerServer>(v); }
int32_t GetMaxConnectionsPer1_0Server() { return ReadNumber<MaxConnectionsPer1_0Server>(); }
void SetMaxConnectionsPer1_0Server(int32_t v) { WriteNumber<MaxConnectionsPer1_0Server>(v); }
std::string GetNWLinkCacheSize() { return ReadText95<NWLinkCacheSize>(); }
void SetNWLinkCacheSize(Text v) { WriteText95<NWLinkCacheSize>(v); }
std::string GetNWLinkForceEvenDefault() { return ReadText95<NWLinkForceEvenDefault>(); }
void SetNWLinkForceEvenDefault(Text v) { WriteText95<NWLinkForceEvenDefault>(v); }
std::string GetNWLinkMaxConnectDefault() { return ReadText95<NWLinkMaxConnectDefault>(); }
void SetNWLinkMaxConnectDefault(Text v) { WriteText95<NWLinkMaxConnectDefault>(v); }
std::string GetNWLinkMaxConnectMax() { return ReadText95<NWLinkMaxConnectMax>(); }
void SetNWLinkMaxConnectMax(Text v) { WriteText95<NWLinkMaxConnectMax>(v); }
std::string GetNWLinkMaxConnectMin() { return ReadText95<NWLinkMaxConnectMin>(); }
void SetNWLinkMaxConnectMin(Text v) { WriteText95<NWLinkMaxConnectMin>(v); }
std::string GetNWLinkMaxSocketsDefault() { return ReadText95<NWLinkMaxSocketsDefault>(); }
void SetNWLinkMaxSocketsDefault(Text v) { WriteText95<NWLinkMaxSocketsDefault>(v); }
std::string GetNWLinkMaxSocketsMax() { return ReadText95<NWLinkMaxSocketsMax>(); }
void SetNWLinkMaxSocketsMax(Text v) { WriteText95<NWLinkMaxSocketsMax>(v); }
std::string GetNWLinkMaxSocketsMin() { return ReadText95<NWLinkMaxSocketsMin>(); }
void SetNWLinkMaxSocketsMin(Text v) { WriteText95<NWLinkMaxSocketsMin>(v); }
std::string GetNetBEUIDefault() { return ReadText95<NetBEUIDefault>(); }
void SetNetBEUIDefault(Text v) { WriteText95<NetBEUIDefault>(v); }
std::string GetNetBEUINcbs() { return ReadText95<NetBEUINcbs>(); }
void SetNetBEUINcbs(Text v) { WriteText95<NetBEUINcbs>(v); }
std::string GetNetBEUISessions() { return ReadText95<NetBEUISessions>(); }
void SetNetBEUISessions(Text v) { WriteText95<NetBEUISessions>(v); }
std::string GetNetBEUINcbsDefault() { return ReadText95<NetBEUINcbsDefault>(); }
void SetNetBEUINcbsDefault(Text v) { WriteText95<NetBEUINcbsDefault>(v); }
std::string GetNetBEUINcbsMax() { return ReadText95<NetBEUINcbsMax>(); }
void SetNetBEUINcbsMax(Text v) { WriteText95<NetBEUINcbsMax>(v); }
std::string GetNetBEUINcbsMin() { return ReadText95<NetBEUINcbsMin>(); }
void SetNetBEUINcbsMin(Text v) { WriteText95<NetBEUINcbsMin>(v); }
std::string GetNetBEUISessionsDefault() { return ReadText95<NetBEUISessionsDefault>(); }
void SetNetBEUISessionsDefault(Text v) { WriteText95<NetBEUISessionsDefault>(v); }
std::string GetNetBEUISessionsMax() { return ReadText95<NetBEUISessionsMax>(); }
void SetNetBEUISessionsMax(Text v) { WriteText95<NetBEUISessionsMax>(v); }
std::string GetNetBEUISessionsMin() { return ReadText95<NetBEUISessionsMin>(); }
void SetNetBEUISessionsMin(Text v) { WriteText95<NetBEUISessionsMin>(v); }

// Windows 98: every value is text, in the same places.
std::string GetBSDUrgent98() { return ReadText(BSDUrgent); }
void SetBSDUrgent98(Text v) { WriteText(BSDUrgent, v); }
std::string GetDefaultRcvWindow98() { return ReadText(DefaultRcvWindow); }
void SetDefaultRcvWindow98(Text v) { WriteText(DefaultRcvWindow, v); }
std::string GetDefaultTTL98() { return ReadText(DefaultTTL); }
void SetDefaultTTL98(Text v) { WriteText(DefaultTTL, v); }
std::string GetLocalCopyMade98() { return ReadText(LocalCopyMade); }
void SetLocalCopyMade98(Text v) { WriteText(LocalCopyMade, v); }
std::string GetPMTUAutoDetection98() { return ReadText(PMTUAutoDetection); }
void SetPMTUAutoDetection98(Text v) { WriteText(PMTUAutoDetection, v); }
std::string GetPMTUBlackHoleDetect98() { return ReadText(PMTUBlackHoleDetect); }
void SetPMTUBlackHoleDetect98(Text v) { WriteText(PMTUBlackHoleDetect, v); }
std::string GetPMTUBlackHoleEnabled98() { return ReadText(PMTUBlackHoleEnabled); }
void SetPMTUBlackHoleEnabled98(Text v) { WriteText(PMTUBlackHoleEnabled, v); }
std::string GetPMTUDiscovery98() { return ReadText(PMTUDiscovery); }
void SetPMTUDiscovery98(Text v) { WriteText(PMTUDiscovery, v); }
std::string GetSackOpts98() { return ReadText(SackOpts); }
void SetSackOpts98(Text v) { WriteText(SackOpts, v); }
std::string GetSessionKeepAlive98() { return ReadText(SessionKeepAlive); }
void SetSessionKeepAlive98(Text v) { WriteText(SessionKeepAlive, v); }
std::string GetTcp1323Opts98() { return ReadText(Tcp1323Opts); }
void SetTcp1323Opts98(Text v) { WriteText(Tcp1323Opts, v); }
std::string GetTcpUseRFC1122UrgentPointer98() { return ReadText(TcpUseRFC1122UrgentPointer); }
void SetTcpUseRFC1122UrgentPointer98(Text v) { WriteText(TcpUseRFC1122UrgentPointer, v); }
std::string GetMaxDupAcks98() { return ReadText(MaxDupAcks); }
void SetMaxDupAcks98(Text v) { WriteText(MaxDupAcks, v); }
std::string GetMaxConnectionsPerServer98() { return ReadText(MaxConnectionsPerServer); }
void SetMaxConnectionsPerServer98(Text v) { WriteText(MaxConnectionsPerServer, v); }
std::string GetMaxConnectionsPer1_0Server98() { return ReadText(MaxConnectionsPer1_0Server); }
void SetMaxConnectionsPer1_0Server98(Text v) { WriteText(MaxConnectionsPer1_0Server, v); }
std::string GetNWLinkCacheSize98() { return ReadText(NWLinkCacheSize); }
void SetNWLinkCacheSize98(Text v) { WriteText(NWLinkCacheSize, v); }
std::string GetNWLinkForceEvenDefault98() { return ReadText(NWLinkForceEvenDefault); }
void SetNWLinkForceEvenDefault98(Text v) { WriteText(NWLinkForceEvenDefault, v); }
std::string GetNWLinkMaxConnectDefault98() { return ReadText(NWLinkMaxConnectDefault); }
void SetNWLinkMaxConnectDefault98(Text v) { WriteText(NWLinkMaxConnectDefault, v); }
std::string GetNWLinkMaxConnectMax98() { return ReadText(NWLinkMaxConnectMax); }
void SetNWLinkMaxConnectMax98(Text v) { WriteText(NWLinkMaxConnectMax, v); }
std::string GetNWLinkMaxConnectMin98() { return ReadText(NWLinkMaxConnectMin); }
void SetNWLinkMaxConnectMin98(Text v) { WriteText(NWLinkMaxConnectMin, v); }
std::string GetNWLinkMaxSocketsDefault98() { return ReadText(NWLinkMaxSocketsDefault); }
void SetNWLinkMaxSocketsDefault98(Text v) { WriteText(NWLinkMaxSocketsDefault, v); }
std::string GetNWLinkMaxSocketsMax98() { return ReadText(NWLinkMaxSocketsMax); }
void SetNWLinkMaxSocketsMax98(Text v) { WriteText(NWLinkMaxSocketsMax, v); }
std::string GetNWLinkMaxSocketsMin98() { return ReadText(NWLinkMaxSocketsMin); }
void SetNWLinkMaxSocketsMin98(Text v) { WriteText(NWLinkMaxSocketsMin, v); }
std::string GetNetBEUIDefault98() { return ReadText(NetBEUIDefault); }
void SetNetBEUIDefault98(Text v) { WriteText(NetBEUIDefault, v); }
std::string GetNetBEUINcbs98() { return ReadText(NetBEUINcbs); }
void SetNetBEUINcbs98(Text v) { WriteText(NetBEUINcbs, v); }
std::string GetNetBEUISessions98() { return ReadText(NetBEUISessions); }
void SetNetBEUISessions98(Text v) { WriteText(NetBEUISessions, v); }
std::string GetNetBEUINcbsDefault98() { return ReadText(NetBEUINcbsDefault); }
void SetNetBEUINcbsDefault98(Text v) { WriteText(NetBEUINcbsDefault, v); }
std::string GetNetBEUINcbsMax98() { return ReadText(NetBEUINcbsMax); }
void SetNetBEUINcbsMax98(Text v) { WriteText(NetBEUINcbsMax, v); }
std::string GetNetBEUINcbsMin98() { return ReadText(NetBEUINcbsMin); }
void SetNetBEUINcbsMin98(Text v) { WriteText(NetBEUINcbsMin, v); }
std::string GetNetBEUISessionsDefault98() { return ReadText(NetBEUISessionsDefault); }
void SetNetBEUISessionsDefault98(Text v) { WriteText(NetBEUISessionsDefault, v); }
std::string GetNetBEUISessionsMax98() { return ReadText(NetBEUISessionsMax); }
void SetNetBEUISessionsMax98(Text v) { WriteText(NetBEUISessionsMax, v); }
std::string GetNetBEUISessionsMin98() { return ReadText(NetBEUISessionsMin); }
void SetNetBEUISessionsMin98(Text v) { WriteText(NetBEUISessionsMin, v); }
