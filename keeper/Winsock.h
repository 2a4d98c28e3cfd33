// Windows Sockets, bound from wsock32.dll at its first use: Windows 95 without TCP/IP has no such
// library, and olandri must start there all the same.
#pragma once
#include <winsock.h>

// Where the library or any of these calls is missing, each answers as its own failure does:
// Startup WSASYSNOTREADY, Cleanup SOCKET_ERROR, HostByName and AddressText nullptr, Address
// INADDR_NONE.
struct WinsockCalls {
    decltype(&WSAStartup) Startup;
    decltype(&WSACleanup) Cleanup;
    decltype(&gethostbyname) HostByName;
    decltype(&inet_addr) Address;
    decltype(&inet_ntoa) AddressText;
};
const WinsockCalls& Winsock();

// Binds the calls from the named library instead (tests name one that does not exist); nullptr
// binds wsock32.dll again.
void BindWinsock(const char* library);
