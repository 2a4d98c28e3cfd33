#include "settings/AdapterSettings.h"

namespace {

const char kNetKey[] = "System\\CurrentControlSet\\Services\\Class\\Net\\";
const char kClassKey[] = "System\\CurrentControlSet\\Services\\Class\\";
const char kTcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";

// Where a place's key lies: the adapter key, the value's parameter key below it
// (Ndi\Params\<value>), the protocol-instance key, or the global TCP key.
enum class Base { None, Adapter, Param, Protocol, Tcp };

struct Place {
    Base base;
    const char* name;
};

enum Value { IPMTU, IPXHeaderCompression, Logging, MaxMSS, MaxMTU, MSS, PointToPointIP, ValueCount };

struct ValueRow {
    Value id;
    const char* name;
    Place places[3];  // written in this order; readers read the adapter key only
};

constexpr ValueRow kValues[] = {
    {IPMTU, "IPMTU", {{Base::Adapter, "IPMTU"}, {Base::Param, "default"}, {Base::Protocol, "IPMTU"}}},
    {IPXHeaderCompression, "IPXHeaderCompression",
     {{Base::Adapter, "IPXHeaderCompression"}, {Base::Param, "default"}}},
    {Logging, "Logging", {{Base::Adapter, "Logging"}, {Base::Param, "default"}}},
    {MaxMSS, "MaxMSS", {{Base::Adapter, "MaxMSS"}, {Base::Protocol, "MaxMSS"}}},
    {MaxMTU, "MaxMTU", {{Base::Adapter, "MaxMTU"}, {Base::Protocol, "MaxMTU"}}},
    {MSS, "MSS", {{Base::Adapter, "MSS"}, {Base::Protocol, "MSS"}, {Base::Tcp, "DefaultMSS"}}},
    {PointToPointIP, "PointToPointIP",
     {{Base::Adapter, "PointToPointIP"}, {Base::Param, "default"}}},
};

constexpr bool RowsInOrder() {
    for (int i = 0; i < ValueCount; ++i)
        if (kValues[i].id != i) return false;
    return sizeof kValues / sizeof kValues[0] == ValueCount;
}
static_assert(RowsInOrder(), "one row per value, in the order of the Value enumeration");

constexpr bool UsesProtocol(Value id) {
    for (const Place& place : kValues[id].places)
        if (place.base == Base::Protocol) return true;
    return false;
}

// The key of a place; empty where there is none.
std::string KeyOf(const ValueRow& row, Base base, const std::string& adapter,
                  const std::string& protocol) {
    switch (base) {
    case Base::Adapter: return AdapterKey(adapter);
    case Base::Param: return AdapterKey(adapter) + "\\Ndi\\Params\\" + row.name;
    case Base::Protocol: return ProtocolInstanceKey(protocol);
    case Base::Tcp: return kTcpKey;
    case Base::None: break;
    }
    return "";
}

void Write(Value id, const std::string& adapter, const std::string& protocol, const std::string& value) {
    const ValueRow& row = kValues[id];
    for (const Place& place : row.places)
        if (std::string key = KeyOf(row, place.base, adapter, protocol); !key.empty())
            SetRegString(HKEY_LOCAL_MACHINE, key, place.name, value);
}

std::string Read(Value id, const std::string& adapter) {
    return GetRegString(HKEY_LOCAL_MACHINE, AdapterKey(adapter), kValues[id].name);
}

template <Value id>
void WriteWithProtocol(const std::string& adapter, const std::string& protocol, const std::string& value) {
    static_assert(UsesProtocol(id), "this value has no place on the protocol key");
    Write(id, adapter, protocol, value);
}

template <Value id>
void WriteAdapterOnly(const std::string& adapter, const std::string& value) {
    static_assert(!UsesProtocol(id), "this value needs the protocol key");
    Write(id, adapter, "", value);
}

// SLOWNET is a byte array on the adapter key and its first byte as a number on the protocol key.
RegBinary ReadSlowNet(const std::string& adapter) {
    return GetRegBinary(HKEY_LOCAL_MACHINE, AdapterKey(adapter), "SLOWNET");
}

void WriteSlowNet(const std::string& adapter, const std::string& protocol, const Bytes& value) {
    if (value.empty()) return;  // no first byte to store on the protocol key
    SetRegBinary(HKEY_LOCAL_MACHINE, AdapterKey(adapter), "SLOWNET", value);
    if (std::string key = ProtocolInstanceKey(protocol); !key.empty())
        SetRegDword(HKEY_LOCAL_MACHINE, key, "SLOWNET", value[0]);
}

}  // namespace

std::string AdapterKey(const std::string& adapter) { return kNetKey + adapter; }

// An empty path would name the class key itself.
std::string ProtocolInstanceKey(const std::string& protocol) {
    return protocol.empty() ? "" : kClassKey + protocol;
}

using Text = const std::string&;

std::string GetIPMTU(Text a) { return Read(IPMTU, a); }
void SetIPMTU(Text a, Text p, Text v) { WriteWithProtocol<IPMTU>(a, p, v); }
std::string GetIPXHeaderCompression(Text a) { return Read(IPXHeaderCompression, a); }
void SetIPXHeaderCompression(Text a, Text v) { WriteAdapterOnly<IPXHeaderCompression>(a, v); }
std::string GetLogging(Text a) { return Read(Logging, a); }
void SetLogging(Text a, Text v) { WriteAdapterOnly<Logging>(a, v); }
std::string GetMaxMSS(Text a) { return Read(MaxMSS, a); }
void SetMaxMSS(Text a, Text p, Text v) { WriteWithProtocol<MaxMSS>(a, p, v); }
std::string GetMaxMTU(Text a) { return Read(MaxMTU, a); }
void SetMaxMTU(Text a, Text p, Text v) { WriteWithProtocol<MaxMTU>(a, p, v); }
std::string GetMSS(Text a) { return Read(MSS, a); }
void SetMSS(Text a, Text p, Text v) { WriteWithProtocol<MSS>(a, p, v); }
std::string GetPointToPointIP(Text a) { return Read(PointToPointIP, a); }
void SetPointToPointIP(Text a, Text v) { WriteAdapterOnly<PointToPointIP>(a, v); }
RegBinary GetSLOWNET(Text a) { return ReadSlowNet(a); }
void SetSLOWNET(Text a, Text p, const Bytes& v) { WriteSlowNet(a, p, v); }

// Windows 98 keeps its per-adapter values exactly as 95 and Me do.
std::string GetIPMTU98(Text a) { return Read(IPMTU, a); }
void SetIPMTU98(Text a, Text p, Text v) { WriteWithProtocol<IPMTU>(a, p, v); }
std::string GetIPXHeaderCompression98(Text a) { return Read(IPXHeaderCompression, a); }
void SetIPXHeaderCompression98(Text a, Text v) { WriteAdapterOnly<IPXHeaderCompression>(a, v); }
std::string GetLogging98(Text a) { return Read(Logging, a); }
void SetLogging98(Text a, Text v) { WriteAdapterOnly<Logging>(a, v); }
std::string GetMaxMSS98(Text a) { return Read(MaxMSS, a); }
void SetMaxMSS98(Text a, Text p, Text v) { WriteWithProtocol<MaxMSS>(a, p, v); }
std::string GetMaxMTU98(Text a) { return Read(MaxMTU, a); }
void SetMaxMTU98(Text a, Text p, Text v) { WriteWithProtocol<MaxMTU>(a, p, v); }
std::string GetMSS98(Text a) { return Read(MSS, a); }
void SetMSS98(Text a, Text p, Text v) { WriteWithProtocol<MSS>(a, p, v); }
std::string GetPointToPointIP98(Text a) { return Read(PointToPointIP, a); }
void SetPointToPointIP98(Text a, Text v) { WriteAdapterOnly<PointToPointIP>(a, v); }
RegBinary GetSLOWNET98(Text a) { return ReadSlowNet(a); }
void SetSLOWNET98(Text a, Text p, const Bytes& v) { WriteSlowNet(a, p, v); }
