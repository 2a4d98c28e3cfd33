#include "keeper/GetIpMod.h"

#include "keeper/Winsock.h"

#include <cstring>

const char* const UnresolvedText = "Unable to resolve domain name.";
const char* const NonIpText = "A non-IP address was returned.";

namespace {
// No DNS name is longer than this; longer text (or text with a NUL inside) is never handed to the
// resolver, whose own buffers are not ours to trust.
constexpr size_t MaxHostName = 255;
}

std::string GetIPFromHostName(const std::string& site)
{
    if (site.size() > MaxHostName || site.find('\0') != std::string::npos)
        return UnresolvedText;
    const hostent* host = Winsock().HostByName(site.c_str());
    if (!host)
        return UnresolvedText;
    if (host->h_addrtype != AF_INET || host->h_length != 4)
        return NonIpText;
    if (!host->h_addr_list || !host->h_addr_list[0])
        return UnresolvedText;
    in_addr address;
    std::memcpy(&address, host->h_addr_list[0], sizeof address);
    const char* text = Winsock().AddressText(address);
    return text ? std::string(text, strnlen(text, 16)) : std::string(UnresolvedText);
}
