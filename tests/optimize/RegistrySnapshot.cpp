#include "RegistrySnapshot.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string RootName(HKEY root) { return root == HKEY_CURRENT_USER ? "HKCU" : "HKLM"; }

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c < 128 ? char(c) : '?';
    return narrow;
}

// Text is rendered from the stored UTF-16 data, so a terminating NUL that was written shows as \x00.
std::string Render(DWORD type, const std::vector<unsigned char>& data) {
    char buffer[16];
    switch (type) {
    case REG_SZ: {
        std::string text = "REG_SZ \"";
        for (size_t i = 0; i + 1 < data.size(); i += 2) {
            unsigned c = data[i] | data[i + 1] << 8;
            if (c >= 32 && c < 127) text += char(c);
            else { std::snprintf(buffer, sizeof buffer, "\\x%02x", c); text += buffer; }
        }
        return text + "\"";
    }
    case REG_DWORD:
        if (data.size() == 4) {
            uint32_t number = data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24;
            return "REG_DWORD " + std::to_string(number);
        }
        break;
    default: break;
    }
    std::string text = "type " + std::to_string(type) + ":";
    for (unsigned char c : data) { std::snprintf(buffer, sizeof buffer, " %02x", c); text += buffer; }
    return text;
}

void ReadKeyValues(HKEY handle, const std::string& path, Snapshot& into) {
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameSize = 16384, type = 0, size = 0;
        if (RegEnumValueW(handle, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        std::vector<unsigned char> data(size);
        nameSize = 16384;
        RegEnumValueW(handle, i, name, &nameSize, nullptr, &type, data.data(), &size);
        data.resize(size);
        into[Lower(path + "|" + Narrow(name))] = Render(type, data);
    }
}

void ReadKey(HKEY handle, const std::string& path, Snapshot& into) {
    ReadKeyValues(handle, path, into);
    for (DWORD i = 0;; ++i) {
        char name[256];
        if (RegEnumKeyA(handle, i, name, sizeof name) != ERROR_SUCCESS) break;
        HKEY child = nullptr;
        if (RegOpenKeyExA(handle, name, 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
        ReadKey(child, path + "\\" + name, into);
        RegCloseKey(child);
    }
}

}  // namespace

std::string Entry(HKEY root, const std::string& key, const std::string& name) {
    return Lower(RootName(root) + "\\" + key + "|" + name);
}

std::string Sz(const std::string& text) {
    std::vector<unsigned char> data;
    for (char c : text) data.insert(data.end(), {static_cast<unsigned char>(c), 0});
    return Render(REG_SZ, data);
}

std::string Dword(uint32_t number) { return "REG_DWORD " + std::to_string(number); }

void ReadTree(HKEY root, const std::string& key, Snapshot& into) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return;
    ReadKey(handle, RootName(root) + "\\" + key, into);
    RegCloseKey(handle);
}

void ReadValue(HKEY root, const std::string& key, const std::string& name, Snapshot& into) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return;
    DWORD type = 0, size = 0;
    const std::wstring wide(name.begin(), name.end());
    if (RegQueryValueExW(handle, wide.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<unsigned char> data(size);
        RegQueryValueExW(handle, wide.c_str(), nullptr, &type, data.data(), &size);
        data.resize(size);
        into[Entry(root, key, name)] = Render(type, data);
    }
    RegCloseKey(handle);
}

void DeleteTree(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(handle, i, name, sizeof name) == ERROR_SUCCESS; ++i) children.push_back(name);
    RegCloseKey(handle);
    for (const std::string& child : children) DeleteTree(root, key + "\\" + child);
    RegDeleteKeyA(root, key.c_str());
}

void PutSz(HKEY root, const std::string& key, const std::string& name, const std::string& text) {
    HKEY handle = nullptr;
    if (RegCreateKeyA(root, key.c_str(), &handle) != ERROR_SUCCESS) return;
    RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()), DWORD(text.size()));
    RegCloseKey(handle);
}

void PutDword(HKEY root, const std::string& key, const std::string& name, uint32_t number) {
    HKEY handle = nullptr;
    if (RegCreateKeyA(root, key.c_str(), &handle) != ERROR_SUCCESS) return;
    RegSetValueExA(handle, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(handle);
}

std::string Differences(const Snapshot& expected, const Snapshot& actual) {
    std::string report;
    for (const auto& [where, value] : expected) {
        auto found = actual.find(where);
        if (found == actual.end()) report += "  missing    " + where + " = " + value + "\n";
        else if (found->second != value)
            report += "  differs    " + where + ": expected " + value + ", got " + found->second + "\n";
    }
    for (const auto& [where, value] : actual)
        if (!expected.count(where)) report += "  unexpected " + where + " = " + value + "\n";
    return report;
}
