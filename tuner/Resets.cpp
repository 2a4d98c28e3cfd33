#include "tuner/Resets.h"

#include "settings/AdapterSettings.h"
#include "settings/RegFunctions.h"

namespace {

// Where a row's key lies: below the adapter key, the protocol-instance key, or a fixed key
// under HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER.
enum class Base { Adapter, Protocol, Machine, User };

struct Deletion {
    Base base;
    const char* key;        // appended to the adapter key; the whole path for Machine and User
    const char* names[7];   // deleted left to right; "" is the key's unnamed value
};

constexpr const char* kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* kMstcpParams = "System\\CurrentControlSet\\Services\\VxD\\MSTCP\\Parameters";
constexpr const char* kNWLink = "System\\CurrentControlSet\\Services\\VxD\\NWLink";
constexpr const char* kNetbeui = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI";
constexpr const char* kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// In the order Windows 95, 98 and Me are reset, one row per key visited.
const Deletion kDeletions9x[] = {
    {Base::Adapter, "", {"IPMTU"}},
    {Base::Adapter, "\\Ndi\\Params\\IPMTU", {"", "default"}},
    {Base::Protocol, "", {"IPMTU"}},
    {Base::Adapter, "", {"IPXHeaderCompression"}},
    {Base::Adapter, "\\Ndi\\Params\\IPXHeaderCompression", {"", "default"}},
    {Base::Adapter, "", {"Logging"}},
    {Base::Adapter, "\\Ndi\\Params\\Logging", {"", "default"}},
    {Base::Adapter, "", {"MaxMSS"}},
    {Base::Protocol, "", {"MaxMSS"}},
    {Base::Adapter, "", {"MaxMTU"}},
    {Base::Protocol, "", {"MaxMTU"}},
    {Base::Adapter, "", {"MSS"}},
    {Base::Protocol, "", {"MSS"}},
    {Base::Machine, kMstcp, {"DefaultMSS"}},
    {Base::Adapter, "", {"PointToPointIP"}},
    {Base::Adapter, "\\Ndi\\Params\\PointToPointIP", {"", "default"}},
    {Base::Adapter, "", {"SLOWNET"}},
    {Base::Protocol, "", {"SLOWNET"}},
    {Base::Machine, kMstcp, {"BSDUrgent", "DefaultRcvWindow"}},
    {Base::Machine, kMstcpParams, {"DefaultRcvWindow"}},
    {Base::Machine, kMstcp, {"DefaultTTL", "LocalCopyMade", "PMTUAutoDetection", "PMTUBlackHoleDetect",
                             "PMTUBlackHoleEnabled", "PMTUDiscovery", "SackOpts"}},
    {Base::Machine, kMstcpParams, {"SackOpts"}},
    {Base::Machine, kMstcp, {"SessionKeepAlive", "Tcp1323Opts"}},
    {Base::Machine, kMstcpParams, {"Tcp1323Opts"}},
    {Base::Machine, kMstcp, {"TcpUseRFC1122UrgentPointer"}},
    {Base::Machine, kMstcpParams, {"MaxDupAcks"}},
    {Base::Machine, kNWLink, {"cachesize"}},
    {Base::Machine, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize",
     {"", "default", "0", "1", "NdiValue"}},
    {Base::Machine, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\forceeven",
     {"default", ""}},
    {Base::Machine, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxconnect",
     {"default", "", "max", "min"}},
    {Base::Machine, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxsockets",
     {"default", "", "max", "min"}},
    // The user's own connection limits; the presets write the machine's.
    {Base::User, kInternet, {"MaxConnectionsPerServer", "MaxConnectionsPer1_0Server"}},
    {Base::Machine, kNetbeui, {"default", "ncbs", "sessions"}},
    {Base::Machine, "System\\CurrentControlSet\\Services\\VxD\\NETBEUI\\Ndi\\params\\ncbs",
     {"default", "max", "min"}},
    {Base::Machine, "System\\CurrentControlSet\\Services\\VxD\\NETBEUI\\Ndi\\params\\sessions",
     {"default", "max", "min"}},
};

const char* const kDeletionsNT[] = {
    "DefaultTTL", "EnablePMTUBHDetect", "EnablePMTUDiscovery", "TcpUseRFC1122UrgentPointer",
    "TcpWindowSize", "SessionKeepAlive", "TcpMaxDupAcks", "SackOpts", "Tcp1323Opts",
};

// The key a row's values are deleted from; empty where the adapter has no protocol instance.
std::string KeyOf(const Deletion& row, const std::string& adapter, const std::string& protocol) {
    switch (row.base) {
    case Base::Adapter: return AdapterKey(adapter) + row.key;
    case Base::Protocol: return ProtocolInstanceKey(protocol);
    case Base::Machine:
    case Base::User: break;
    }
    return row.key;
}

void Reset9x(const std::string& adapter, const std::string& protocol) {
    for (const Deletion& row : kDeletions9x) {
        HKEY root = row.base == Base::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        const std::string key = KeyOf(row, adapter, protocol);
        if (key.empty()) continue;
        for (const char* name : row.names) {
            if (name) DeleteRegValue(root, key, name);
        }
    }
}

}  // namespace

void ResetDefaults95Me(const std::string& adapter, const std::string& protocol) { Reset9x(adapter, protocol); }

void ResetDefaults98(const std::string& adapter, const std::string& protocol) { Reset9x(adapter, protocol); }

void ResetDefaultsNT() {
    for (const char* name : kDeletionsNT)
        DeleteRegValue(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", name);
}
