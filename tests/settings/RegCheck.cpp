#include "RegCheck.h"

#include <gtest/gtest.h>

#include <sstream>

const char kClassTree[] = "System\\CurrentControlSet\\Services\\Class";
const char kNetKey[] = "System\\CurrentControlSet\\Services\\Class\\Net";
const char kTcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kTcpParamsKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP\\Parameters";
const char kNWLinkKey[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink";
const char kNetBEUIKey[] = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI";
const char kInternetKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kNTKey[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

namespace {

std::string Hex(const Bytes& data) {
    std::ostringstream out;
    for (size_t i = 0; i < data.size() && i < 32; ++i) out << ' ' << std::hex << int(data[i]);
    if (data.size() > 32) out << " ... (" << std::dec << data.size() << " bytes)";
    return out.str();
}

bool Query(HKEY root, const std::string& key, const std::string& name, DWORD& type, Bytes& data) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size);
    if (rc == ERROR_SUCCESS) {
        data.assign(size, 0);
        rc = RegQueryValueExA(handle, name.c_str(), nullptr, &type, data.data(), &size);
        data.resize(size);
    }
    RegCloseKey(handle);
    return rc == ERROR_SUCCESS;
}

}  // namespace

bool KeyExists(HKEY root, const std::string& key) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

bool ValueExists(HKEY root, const std::string& key, const std::string& name) {
    DWORD type;
    Bytes data;
    return Query(root, key, name, type, data);
}

void DeleteValues(HKEY root, const std::string& key, const std::vector<std::string>& names) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS) return;
    for (const std::string& name : names) RegDeleteValueA(handle, name.c_str());
    RegCloseKey(handle);
}

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }


Bytes StoredText(const std::string& text) {
    Bytes bytes = TextBytes(text);
    if (NinetyFamily()) bytes.push_back(0);
    return bytes;
}

Bytes DwordBytes(uint32_t number) {
    return {BYTE(number), BYTE(number >> 8), BYTE(number >> 16), BYTE(number >> 24)};
}

void ExpectValue(const char* file, int line, HKEY root, const std::string& key, const std::string& name,
                 DWORD type, const Bytes& data) {
    DWORD found = 0;
    Bytes stored;
    if (!Query(root, key, name, found, stored)) {
        ADD_FAILURE_AT(file, line) << "no value \"" << name << "\" in " << key;
        return;
    }
    if (found != type)
        ADD_FAILURE_AT(file, line) << key << " \"" << name << "\": type " << found << ", expected " << type;
    if (stored != data)
        ADD_FAILURE_AT(file, line) << key << " \"" << name << "\": data" << Hex(stored) << ", expected"
                                   << Hex(data);
}

void ExpectNoValue(const char* file, int line, HKEY root, const std::string& key, const std::string& name) {
    if (ValueExists(root, key, name))
        ADD_FAILURE_AT(file, line) << "unexpected value \"" << name << "\" in " << key;
}

void ExpectNoKey(const char* file, int line, HKEY root, const std::string& key) {
    if (KeyExists(root, key)) ADD_FAILURE_AT(file, line) << "unexpected key " << key;
}
