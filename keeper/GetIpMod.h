// Turns the site the user typed into a dotted IPv4 address.
#pragma once
#include <string>

extern const char* const UnresolvedText;   // "Unable to resolve domain name."
extern const char* const NonIpText;        // "A non-IP address was returned."

// The dotted address of the site's first IPv4 address, or one of the two texts above.
std::string GetIPFromHostName(const std::string& site);
