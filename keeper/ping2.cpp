#include "keeper/ping2.h"

#include "keeper/Winsock.h"
#include "ui/App.h"
#include "ui/Bind.h"

const char* const CleanupErrorText = "Windows Sockets error occurred in Cleanup.";

namespace {
using ui::Bind;

using IcmpCreateFileProc = HANDLE(WINAPI*)();
using IcmpCloseHandleProc = BOOL(WINAPI*)(HANDLE);

// The ICMP calls live in icmp.dll up to Windows 2000 and in iphlpapi.dll from XP on.
struct IcmpLibrary {
    IcmpCreateFileProc Create = nullptr;
    IcmpCloseHandleProc Close = nullptr;
    IcmpSendEchoProc Send = nullptr;

    IcmpLibrary()
    {
        for (const char* name : {"icmp.dll", "iphlpapi.dll"}) {
            HMODULE module = LoadLibraryA(name);
            if (!module)
                continue;
            Create = Bind<IcmpCreateFileProc>(module, "IcmpCreateFile");
            Close = Bind<IcmpCloseHandleProc>(module, "IcmpCloseHandle");
            Send = Bind<IcmpSendEchoProc>(module, "IcmpSendEcho");
            if (Create && Close && Send)
                return;
            FreeLibrary(module);
            Create = nullptr;
            Close = nullptr;
            Send = nullptr;
        }
    }
};

const IcmpLibrary& Icmp()
{
    static const IcmpLibrary library;
    return library;
}

IcmpSendEchoProc SendEchoStandIn = nullptr;
}

bool SocketsInitialize()
{
    WSADATA data;
    return Winsock().Startup(MAKEWORD(1, 1), &data) == 0;
}

void SocketsCleanup()
{
    if (Winsock().Cleanup() != 0)
        ui::MsgBox(GetActiveWindow(), CleanupErrorText, "Olandri", MB_OK | MB_ICONEXCLAMATION);
}

void PingAddress(const std::string& address, const std::string& data, PingReply& reply)
{
    const unsigned long target = Winsock().Address(address.c_str());
    if (target == INADDR_NONE)
        return;
    const IcmpLibrary& icmp = Icmp();
    if (!icmp.Create)
        return;
    HANDLE handle = icmp.Create();
    if (handle == INVALID_HANDLE_VALUE)
        return;
    PingReply buffer = reply;
    const WORD size = static_cast<WORD>(data.size() < 0xFFFF ? data.size() : 0xFFFF);
    const IcmpSendEchoProc send = SendEchoStandIn ? SendEchoStandIn : icmp.Send;
    send(handle, target, const_cast<char*>(data.data()), size, nullptr, &buffer,
              sizeof buffer, PingTimeoutMs);
    reply = buffer;
    icmp.Close(handle);
}

IcmpSendEchoProc SetIcmpSendEcho(IcmpSendEchoProc proc)
{
    const IcmpSendEchoProc old = SendEchoStandIn;
    SendEchoStandIn = proc;
    return old;
}
