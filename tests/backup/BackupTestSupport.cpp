#include "BackupTestSupport.h"
#include "tests/support/RegSnapshot.h"
#include "tests/support/VolatileKey.h"

#include <cstdio>
#include <cstdlib>
#include <shlwapi.h>
#include <vector>

namespace backup_test {

namespace {

struct Tree {
    HKEY root;
    const char* rootName;
    const char* key;
};

const Tree Trees[] = {
    {HKEY_LOCAL_MACHINE, "HKLM", "System\\CurrentControlSet\\Services\\Class\\Net"},
    {HKEY_LOCAL_MACHINE, "HKLM", "System\\CurrentControlSet\\Services\\Class\\NetTrans"},
    {HKEY_LOCAL_MACHINE, "HKLM", "System\\CurrentControlSet\\Services\\VxD"},
    {HKEY_LOCAL_MACHINE, "HKLM", "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters"},
    {HKEY_LOCAL_MACHINE, "HKLM", "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"},
    {HKEY_CURRENT_USER, "HKCU", "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"},
};

const char* const NTValues[] = {"TcpWindowSize", "DefaultTTL", "SessionKeepAlive",
                                "EnablePMTUBHDetect", "EnablePMTUDiscovery", "SackOpts",
                                "Tcp1323Opts", "TcpUseRFC1122UrgentPointer", "TcpMaxDupAcks"};

std::string Describe(DWORD type, const std::vector<unsigned char>& data) {
    std::string text = std::to_string(type) + ":";
    if (type == REG_DWORD && data.size() == 4) {
        uint32_t n = data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24;
        return text + std::to_string(n);
    }
    if (type == REG_SZ) {
        // Windows 95, 98 and Me keep a closing NUL that readers do not see.
        std::string sz(data.begin(), data.end());
        return text + sz.substr(0, sz.find('\0'));
    }
    char hex[4];
    for (unsigned char c : data) {
        std::snprintf(hex, sizeof hex, "%02X ", c);
        text += hex;
    }
    return text;
}

void ReadTree(HKEY root, const std::string& label, const std::string& key, Snapshot& into) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return;
    for (DWORD i = 0;; ++i) {
        char name[512];
        DWORD nameLength = sizeof name, type = 0, size = 0;
        if (RegEnumValueA(handle, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::vector<unsigned char> data(size);
        nameLength = sizeof name;
        RegEnumValueA(handle, i, name, &nameLength, nullptr, &type, data.data(), &size);
        data.resize(size);
        std::string path = label + "\\" + key + "|" + name;
        CharLowerA(path.data());
        into[path] = Describe(type, data);
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        char name[512];
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(handle, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.push_back(name);
    }
    RegCloseKey(handle);
    for (const std::string& sub : subkeys) ReadTree(root, label, key + "\\" + sub, into);
}

void RemoveTree(const std::string& folder) {
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName, path = folder + "\\" + name;
            if (name == "." || name == "..") continue;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

Snapshot RegistryState() {
    Snapshot state;
    for (const Tree& tree : Trees) ReadTree(tree.root, tree.rootName, tree.key, state);
    return state;
}

std::string Differences(const Snapshot& expected, const Snapshot& actual) {
    std::string out;
    for (const auto& [path, value] : expected) {
        auto found = actual.find(path);
        if (found == actual.end())
            out += "missing " + path + " = " + value + "\n";
        else if (found->second != value)
            out += "changed " + path + ": " + value + " -> " + found->second + "\n";
    }
    for (const auto& [path, value] : actual)
        if (!expected.count(path)) out += "unexpected " + path + " = " + value + "\n";
    return out;
}

void ClearTunedValues() {
    for (const Tree& tree : Trees) {
        std::string key = tree.key;
        if (key.find("Tcpip") != std::string::npos || key.find("Internet") != std::string::npos)
            continue;
        SHDeleteKeyA(tree.root, tree.key);
    }
    for (const char* name : NTValues)
        SHDeleteValueA(HKEY_LOCAL_MACHINE, Trees[3].key, name);
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const char* name : {"MaxConnectionsPerServer", "MaxConnectionsPer1_0Server"})
            SHDeleteValueA(root, Trees[4].key, name);
}

std::string Family() {
    const char* family = std::getenv("TEST_FAMILY");
    return family ? family : "winxp";
}

bool IsNTFamily() {
    std::string f = Family();
    return f == "nt40" || f == "win2k" || f == "winxp";
}

bool IsMe() { return Family() == "winme"; }

std::string FreshFolder(const std::string& name) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path, length);
    std::string folder = program.substr(0, program.find_last_of('\\')) + "\\" + name + "-" + Family();
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::map<std::string, Bytes> FolderState(const std::string& folder) {
    std::map<std::string, Bytes> files;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[data.cFileName] = ReadFileBytes(folder + "\\" + data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return files;
}

Bytes ReadFileBytes(const std::string& path) {
    Bytes bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        unsigned char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return bytes;
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

void PutSz(HKEY root, const std::string& key, const std::string& name, const std::string& text) {
    HKEY handle;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr)) return;
    RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()), DWORD(text.size()));
    RegCloseKey(handle);
}

void PutDword(HKEY root, const std::string& key, const std::string& name, uint32_t number) {
    HKEY handle;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr)) return;
    RegSetValueExA(handle, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    RegCloseKey(handle);
}

bool HasValue(HKEY root, const std::string& key, const std::string& name) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    bool found = RegQueryValueExA(handle, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return found;
}

RefusedWrites::RefusedWrites()
    : key_(IsNTFamily() ? "SYSTEM\\CurrentControlSet\\Services\\Tcpip"
                        : "System\\CurrentControlSet\\Services\\Class\\Net\\0000"),
      saved_(SaveTree(HKEY_LOCAL_MACHINE, key_)) {
    DeleteTree(HKEY_LOCAL_MACHINE, key_);
    MakeVolatileKey(HKEY_LOCAL_MACHINE, key_);
}

RefusedWrites::~RefusedWrites() {
    DeleteTree(HKEY_LOCAL_MACHINE, key_);
    RestoreTree(HKEY_LOCAL_MACHINE, saved_);
}

}  // namespace backup_test
