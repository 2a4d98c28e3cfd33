// Machine-wide TCP/IP, NWLink, NetBEUI and Internet Settings values of Windows 95, 98 and Me.
// The 95/Me variant stores some values as 32-bit numbers; the 98 variant (suffix 98) stores every
// value as text, in the same places. A missing value, or one of the other variant's type, reads as
// empty text or 0.
#pragma once
#include <cstdint>
#include <string>

// Windows 95 and Me
// TCP/IP
int32_t GetBSDUrgent();
void SetBSDUrgent(int32_t value);
int32_t GetDefaultRcvWindow();
void SetDefaultRcvWindow(int32_t value);
std::string GetDefaultTTL();
void SetDefaultTTL(const std::string& value);
std::string GetLocalCopyMade();
void SetLocalCopyMade(const std::string& value);
int32_t GetPMTUAutoDetection();
void SetPMTUAutoDetection(int32_t value);
int32_t GetPMTUBlackHoleDetect();
void SetPMTUBlackHoleDetect(int32_t value);
int32_t GetPMTUBlackHoleEnabled();
void SetPMTUBlackHoleEnabled(int32_t value);
int32_t GetPMTUDiscovery();
void SetPMTUDiscovery(int32_t value);
int32_t GetSackOpts();
void SetSackOpts(int32_t value);
std::string GetSessionKeepAlive();
void SetSessionKeepAlive(const std::string& value);
int32_t GetTcp1323Opts();
void SetTcp1323Opts(int32_t value);
int32_t GetTcpUseRFC1122UrgentPointer();
void SetTcpUseRFC1122UrgentPointer(int32_t value);
int32_t GetMaxDupAcks();
void SetMaxDupAcks(int32_t value);
// Internet Settings
int32_t GetMaxConnectionsPerServer();
void SetMaxConnectionsPerServer(int32_t value);
int32_t GetMaxConnectionsPer1_0Server();
void SetMaxConnectionsPer1_0Server(int32_t value);
// NWLink
std::string GetNWLinkCacheSize();
void SetNWLinkCacheSize(const std::string& value);
std::string GetNWLinkForceEvenDefault();
void SetNWLinkForceEvenDefault(const std::string& value);
std::string GetNWLinkMaxConnectDefault();
void SetNWLinkMaxConnectDefault(const std::string& value);
std::string GetNWLinkMaxConnectMax();
void SetNWLinkMaxConnectMax(const std::string& value);
std::string GetNWLinkMaxConnectMin();
void SetNWLinkMaxConnectMin(const std::string& value);
std::string GetNWLinkMaxSocketsDefault();
void SetNWLinkMaxSocketsDefault(const std::string& value);
std::string GetNWLinkMaxSocketsMax();
void SetNWLinkMaxSocketsMax(const std::string& value);
std::string GetNWLinkMaxSocketsMin();
void SetNWLinkMaxSocketsMin(const std::string& value);
// NetBEUI
std::string GetNetBEUIDefault();
void SetNetBEUIDefault(const std::string& value);
std::string GetNetBEUINcbs();
void SetNetBEUINcbs(const std::string& value);
std::string GetNetBEUISessions();
void SetNetBEUISessions(const std::string& value);
std::string GetNetBEUINcbsDefault();
void SetNetBEUINcbsDefault(const std::string& value);
std::string GetNetBEUINcbsMax();
void SetNetBEUINcbsMax(const std::string& value);
std::string GetNetBEUINcbsMin();
void SetNetBEUINcbsMin(const std::string& value);
std::string GetNetBEUISessionsDefault();
void SetNetBEUISessionsDefault(const std::string& value);
std::string GetNetBEUISessionsMax();
void SetNetBEUISessionsMax(const std::string& value);
std::string GetNetBEUISessionsMin();
void SetNetBEUISessionsMin(const std::string& value);

// Windows 98
// TCP/IP
std::string GetBSDUrgent98();
void SetBSDUrgent98(const std::string& value);
std::string GetDefaultRcvWindow98();
void SetDefaultRcvWindow98(const std::string& value);
std::string GetDefaultTTL98();
void SetDefaultTTL98(const std::string& value);
std::string GetLocalCopyMade98();
void SetLocalCopyMade98(const std::string& value);
std::string GetPMTUAutoDetection98();
void SetPMTUAutoDetection98(const std::string& value);
std::string GetPMTUBlackHoleDetect98();
void SetPMTUBlackHoleDetect98(const std::string& value);
std::string GetPMTUBlackHoleEnabled98();
void SetPMTUBlackHoleEnabled98(const std::string& value);
std::string GetPMTUDiscovery98();
void SetPMTUDiscovery98(const std::string& value);
std::string GetSackOpts98();
void SetSackOpts98(const std::string& value);
std::string GetSessionKeepAlive98();
void SetSessionKeepAlive98(const std::string& value);
std::string GetTcp1323Opts98();
void SetTcp1323Opts98(const std::string& value);
std::string GetTcpUseRFC1122UrgentPointer98();
void SetTcpUseRFC1122UrgentPointer98(const std::string& value);
std::string GetMaxDupAcks98();
void SetMaxDupAcks98(const std::string& value);
// Internet Settings
std::string GetMaxConnectionsPerServer98();
void SetMaxConnectionsPerServer98(const std::string& value);
std::string GetMaxConnectionsPer1_0Server98();
void SetMaxConnectionsPer1_0Server98(const std::string& value);
// NWLink
std::string GetNWLinkCacheSize98();
void SetNWLinkCacheSize98(const std::string& value);
std::string GetNWLinkForceEvenDefault98();
void SetNWLinkForceEvenDefault98(const std::string& value);
std::string GetNWLinkMaxConnectDefault98();
void SetNWLinkMaxConnectDefault98(const std::string& value);
std::string GetNWLinkMaxConnectMax98();
void SetNWLinkMaxConnectMax98(const std::string& value);
std::string GetNWLinkMaxConnectMin98();
void SetNWLinkMaxConnectMin98(const std::string& value);
std::string GetNWLinkMaxSocketsDefault98();
void SetNWLinkMaxSocketsDefault98(const std::string& value);
std::string GetNWLinkMaxSocketsMax98();
void SetNWLinkMaxSocketsMax98(const std::string& value);
std::string GetNWLinkMaxSocketsMin98();
void SetNWLinkMaxSocketsMin98(const std::string& value);
// NetBEUI
std::string GetNetBEUIDefault98();
void SetNetBEUIDefault98(const std::string& value);
std::string GetNetBEUINcbs98();
void SetNetBEUINcbs98(const std::string& value);
std::string GetNetBEUISessions98();
void SetNetBEUISessions98(const std::string& value);
std::string GetNetBEUINcbsDefault98();
void SetNetBEUINcbsDefault98(const std::string& value);
std::string GetNetBEUINcbsMax98();
void SetNetBEUINcbsMax98(const std::string& value);
std::string GetNetBEUINcbsMin98();
void SetNetBEUINcbsMin98(const std::string& value);
std::string GetNetBEUISessionsDefault98();
void SetNetBEUISessionsDefault98(const std::string& value);
std::string GetNetBEUISessionsMax98();
void SetNetBEUISessionsMax98(const std::string& value);
std::string GetNetBEUISessionsMin98();
void SetNetBEUISessionsMin98(const std::string& value);
