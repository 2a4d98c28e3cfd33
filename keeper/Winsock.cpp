#include "keeper/Winsock.h"

#include "ui/Bind.h"

namespace {
using ui::Bind;

int WINAPI NoStartup(WORD, LPWSADATA) { return WSASYSNOTREADY; }
int WINAPI NoCleanup() { return SOCKET_ERROR; }
hostent* WINAPI NoHost(const char*) { return nullptr; }
unsigned long WINAPI NoAddress(const char*) { return INADDR_NONE; }
char* WINAPI NoAddressText(in_addr) { return nullptr; }
const WinsockCalls Missing = {NoStartup, NoCleanup, NoHost, NoAddress, NoAddressText};

WinsockCalls Load(const char* library)
{
    HMODULE module = LoadLibraryA(library);
    if (!module)
        return Missing;
    const WinsockCalls calls = {Bind<decltype(&WSAStartup)>(module, "WSAStartup"),
                                Bind<decltype(&WSACleanup)>(module, "WSACleanup"),
                                Bind<decltype(&gethostbyname)>(module, "gethostbyname"),
                                Bind<decltype(&inet_addr)>(module, "inet_addr"),
                                Bind<decltype(&inet_ntoa)>(module, "inet_ntoa")};
    if (calls.Startup && calls.Cleanup && calls.HostByName && calls.Address && calls.AddressText)
        return calls;
    FreeLibrary(module);
    return Missing;
}

WinsockCalls& Calls()
{
    static WinsockCalls calls = Load("wsock32.dll");
    return calls;
}
}

const WinsockCalls& Winsock()
{
    return Calls();
}

void BindWinsock(const char* library)
{
    Calls() = Load(library ? library : "wsock32.dll");
}
