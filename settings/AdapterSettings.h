// Per-adapter TCP/IP values of Windows 95, 98 and Me. An adapter is named by its sub-key under the
// network class key ("0003"), its protocol instance by a path under the class key ("NetTrans\0003").
// Readers read the adapter key only; writers write every place the value lives, creating keys.
// The 95/Me variant and the 98 variant (suffix 98) store these values alike.
#pragma once
#include "settings/RegFunctions.h"
#include <string>

// The adapter's key under HKEY_LOCAL_MACHINE.
std::string AdapterKey(const std::string& adapter);
// The protocol-instance key under HKEY_LOCAL_MACHINE; empty text for an adapter whose binding names
// no protocol instance. Writers and deleters then leave its places out and keep to the adapter's.
std::string ProtocolInstanceKey(const std::string& protocol);

// Windows 95 and Me
std::string GetIPMTU(const std::string& adapter);
void SetIPMTU(const std::string& adapter, const std::string& protocol, const std::string& value);
std::string GetIPXHeaderCompression(const std::string& adapter);
void SetIPXHeaderCompression(const std::string& adapter, const std::string& value);
std::string GetLogging(const std::string& adapter);
void SetLogging(const std::string& adapter, const std::string& value);
std::string GetMaxMSS(const std::string& adapter);
void SetMaxMSS(const std::string& adapter, const std::string& protocol, const std::string& value);
std::string GetMaxMTU(const std::string& adapter);
void SetMaxMTU(const std::string& adapter, const std::string& protocol, const std::string& value);
std::string GetMSS(const std::string& adapter);
void SetMSS(const std::string& adapter, const std::string& protocol, const std::string& value);
std::string GetPointToPointIP(const std::string& adapter);
void SetPointToPointIP(const std::string& adapter, const std::string& value);
RegBinary GetSLOWNET(const std::string& adapter);
void SetSLOWNET(const std::string& adapter, const std::string& protocol, const Bytes& value);

// Windows 98
std::string GetIPMTU98(const std::string& adapter);
void SetIPMTU98(const std::string& adapter, const std::string& protocol, const std::string& value);
std::string GetIPXHeaderCompression98(const std::string& adapter);
void SetIPXHeaderCompression98(const std::string& adapter, const std::string& value);
std::string GetLogging98(const std::string& adapter);
void SetLogging98(const std::string& adapter, const std::string& value);
std::string GetMaxMSS98(const std::string& adapter);
void SetMaxMSS98(const std::string& adapter, const std::string& protocol, const std::string& value);
std::string GetMaxMTU98(const std::string& adapter);
void SetMaxMTU98(const std::string& adapter, const std::string& protocol, const std::string& value);
std::string GetMSS98(const std::string& adapter);
void SetMSS98(const std::string& adapter, const std::string& protocol, const std::string& value);
std::string GetPointToPointIP98(const std::string& adapter);
void SetPointToPointIP98(const std::string& adapter, const std::string& value);
RegBinary GetSLOWNET98(const std::string& adapter);
void SetSLOWNET98(const std::string& adapter, const std::string& protocol, const Bytes& value);
