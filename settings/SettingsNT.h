// TCP/IP values of Windows NT, 2000 and XP: 32-bit numbers under the Tcpip parameters key.
// A missing value, or one of another type, reads as 0.
#pragma once
#include <cstdint>

int32_t GetDefaultTTLNT();
void SetDefaultTTLNT(int32_t value);
int32_t GetEnablePMTUBHDetectNT();
void SetEnablePMTUBHDetectNT(int32_t value);
int32_t GetEnablePMTUDiscoveryNT();
void SetEnablePMTUDiscoveryNT(int32_t value);
int32_t GetTcpUseRFC1122UrgentPointerNT();
void SetTcpUseRFC1122UrgentPointerNT(int32_t value);
int32_t GetTcpWindowSizeNT();
void SetTcpWindowSizeNT(int32_t value);
int32_t GetSessionKeepAliveNT();
void SetSessionKeepAliveNT(int32_t value);
int32_t GetTcpMaxDupAcksNT();
void SetTcpMaxDupAcksNT(int32_t value);
int32_t GetSackOptsNT();
void SetSackOptsNT(int32_t value);
int32_t GetTcp1323OptsNT();
void SetTcp1323OptsNT(int32_t value);
