#include "settings/SettingsNT.h"

#include "settings/RegFunctions.h"

namespace {

const char kParametersKey[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

enum Value {
    DefaultTTL, EnablePMTUBHDetect, EnablePMTUDiscovery, TcpUseRFC1122UrgentPointer, TcpWindowSize,
    SessionKeepAlive, TcpMaxDupAcks, SackOpts, Tcp1323Opts, ValueCount
};

// Every value is a 32-bit number under the one parameters key.
constexpr const char* kNames[] = {
    "DefaultTTL", "EnablePMTUBHDetect", "EnablePMTUDiscovery", "TcpUseRFC1122UrgentPointer",
    "TcpWindowSize", "SessionKeepAlive", "TcpMaxDupAcks", "SackOpts", "Tcp1323Opts",
};
static_assert(sizeof kNames / sizeof kNames[0] == ValueCount, "one name per value");

int32_t Read(Value id) { return GetRegDword(HKEY_LOCAL_MACHINE, kParametersKey, kNames[id]); }
void Write(Value id, int32_t value) { SetRegDword(HKEY_LOCAL_MACHINE, kParametersKey, kNames[id], value); }

}  // namespace

int32_t GetDefaultTTLNT() { return Read(DefaultTTL); }
void SetDefaultTTLNT(int32_t v) { Write(DefaultTTL, v); }
int32_t GetEnablePMTUBHDetectNT() { return Read(EnablePMTUBHDetect); }
void SetEnablePMTUBHDetectNT(int32_t v) { Write(EnablePMTUBHDetect, v); }
int32_t GetEnablePMTUDiscoveryNT() { return Read(EnablePMTUDiscovery); }
void SetEnablePMTUDiscoveryNT(int32_t v) { Write(EnablePMTUDiscovery, v); }
int32_t GetTcpUseRFC1122UrgentPointerNT() { return Read(TcpUseRFC1122UrgentPointer); }
void SetTcpUseRFC1122UrgentPointerNT(int32_t v) { Write(TcpUseRFC1122UrgentPointer, v); }
int32_t GetTcpWindowSizeNT() { return Read(TcpWindowSize); }
void SetTcpWindowSizeNT(int32_t v) { Write(TcpWindowSize, v); }
int32_t GetSessionKeepAliveNT() { return Read(SessionKeepAlive); }
void SetSessionKeepAliveNT(int32_t v) { Write(SessionKeepAlive, v); }
int32_t GetTcpMaxDupAcksNT() { return Read(TcpMaxDupAcks); }
void SetTcpMaxDupAcksNT(int32_t v) { Write(TcpMaxDupAcks, v); }
int32_t GetSackOptsNT() { return Read(SackOpts); }
void SetSackOptsNT(int32_t v) { Write(SackOpts, v); }
int32_t GetTcp1323OptsNT() { return Read(Tcp1323Opts); }
void SetTcp1323OptsNT(int32_t v) { Write(Tcp1323Opts, v); }
