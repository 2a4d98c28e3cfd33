#include "settings/RegFunctions.h"

#include <atomic>

namespace {

std::atomic<unsigned> failures{0};

void CountFailure() { ++failures; }

// Opens an existing key; readers and the deleter never create one.
HKEY OpenKey(HKEY root, const std::string& key, LONG* status = nullptr) {
    HKEY handle = nullptr;
    LONG rc = RegOpenKeyA(root, key.c_str(), &handle);
    if (status) *status = rc;
    return rc == ERROR_SUCCESS ? handle : nullptr;
}

// Writes one value, creating every missing key along the path; a refusal is counted.
void WriteValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                const void* data, DWORD size) {
    HKEY handle = nullptr;
    if (RegCreateKeyA(root, key.c_str(), &handle) != ERROR_SUCCESS) {
        CountFailure();
        return;
    }
    if (RegSetValueExA(handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) !=
        ERROR_SUCCESS)
        CountFailure();
    RegCloseKey(handle);
}

// The data of a value of the wanted type, or false when it is missing or of another type.
bool ReadValue(HKEY root, const std::string& key, const std::string& name, DWORD wanted,
               Bytes& data) {
    HKEY handle = OpenKey(root, key);
    if (!handle) return false;
    DWORD type = 0, size = 0;
    bool found = RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size) ==
                     ERROR_SUCCESS && type == wanted;
    if (found) {
        data.assign(size, 0);
        found = RegQueryValueExA(handle, name.c_str(), nullptr, &type, data.data(), &size) ==
                    ERROR_SUCCESS && type == wanted;
        data.resize(size);
    }
    RegCloseKey(handle);
    return found;
}

}  // namespace

unsigned RegFailureCount() { return failures; }

void DeleteRegValue(HKEY root, const std::string& key, const std::string& name) {
    LONG rc = ERROR_SUCCESS;
    HKEY handle = OpenKey(root, key, &rc);
    if (!handle) {
        if (rc != ERROR_FILE_NOT_FOUND) CountFailure();
        return;
    }
    rc = RegDeleteValueA(handle, name.c_str());
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) CountFailure();
    RegCloseKey(handle);
}

std::string GetRegString(HKEY root, const std::string& key, const std::string& name,
                         const std::string& fallback) {
    Bytes data;
    if (!ReadValue(root, key, name, REG_SZ, data)) return fallback;
    std::string text(data.begin(), data.end());
    return text.substr(0, text.find('\0'));
}

void SetRegString(HKEY root, const std::string& key, const std::string& name, const std::string& text) {
    // Windows NT stores the bytes it is given, but counts a NUL that follows them as part of the
    // text; a byte other than NUL after the text keeps the value to the text alone. Windows 95,
    // 98 and Me store a text up to its NUL and always with it, whatever length is given.
    const bool ntFamily = (GetVersion() & 0x80000000) == 0;
    const std::string data = ntFamily ? text + '\x01' : text;
    WriteValue(root, key, name, REG_SZ, data.c_str(), static_cast<DWORD>(text.size()));
}

int32_t GetRegDword(HKEY root, const std::string& key, const std::string& name, int32_t fallback) {
    HKEY handle = OpenKey(root, key);
    if (!handle) return fallback;
    int32_t number = 0;
    DWORD type = 0, size = sizeof number;
    LONG rc = RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(&number), &size);
    RegCloseKey(handle);
    return rc == ERROR_SUCCESS && type == REG_DWORD ? number : fallback;
}

void SetRegDword(HKEY root, const std::string& key, const std::string& name, int32_t value) {
    const BYTE data[4] = {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
    WriteValue(root, key, name, REG_DWORD, data, sizeof data);
}

RegBinary GetRegBinary(HKEY root, const std::string& key, const std::string& name,
                       const RegBinary& fallback) {
    Bytes data;
    if (!ReadValue(root, key, name, REG_BINARY, data)) return fallback;
    return data;
}

void SetRegBinary(HKEY root, const std::string& key, const std::string& name, const Bytes& bytes) {
    WriteValue(root, key, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

std::vector<std::string> EnumRegKeys(HKEY root, const std::string& key) {
    std::vector<std::string> names;
    HKEY handle = OpenKey(root, key);
    if (!handle) return names;
    // A key name holds at most 255 characters; one more for its NUL.
    char buffer[256];
    for (DWORD index = 0; RegEnumKeyA(handle, index, buffer, sizeof buffer) == ERROR_SUCCESS; ++index)
        names.emplace_back(buffer, strnlen(buffer, sizeof buffer));
    RegCloseKey(handle);
    return names;
}
