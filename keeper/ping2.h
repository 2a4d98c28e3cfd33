// One ICMP echo per call, with Windows Sockets started and cleaned up around each ping cycle.
#pragma once
#include <windows.h>
#include <ipexport.h>

#include <string>

// The echo reply as the ICMP library writes it, followed by room for the returned data.
#pragma pack(push, 1)
struct PingReply {
    ICMP_ECHO_REPLY Reply;
    unsigned char Data[250];
};
#pragma pack(pop)
static_assert(sizeof(PingReply) == 278, "the reply buffer is 278 bytes");

constexpr DWORD PingTimeoutMs = 500;

bool SocketsInitialize();
void SocketsCleanup();
// Sends one echo carrying the bytes of data to the dotted address and copies the reply buffer back
// into reply; a text that is no dotted address sends nothing and leaves reply untouched.
void PingAddress(const std::string& address, const std::string& data, PingReply& reply);

// Tests put a stand-in for IcmpSendEcho here (nullptr restores the ICMP library's own).
using IcmpSendEchoProc = DWORD(WINAPI*)(HANDLE icmp, ULONG address, LPVOID data, WORD size,
                                        void* options, LPVOID reply, DWORD replySize,
                                        DWORD timeout);
IcmpSendEchoProc SetIcmpSendEcho(IcmpSendEchoProc proc);

// What SocketsCleanup reports when WSACleanup fails.
extern const char* const CleanupErrorText;
