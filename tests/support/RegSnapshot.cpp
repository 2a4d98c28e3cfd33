#include "tests/support/RegSnapshot.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Entry(DWORD type, const std::vector<BYTE>& data, DWORD size) {
  if (type == REG_SZ) {
    std::string text(reinterpret_cast<const char*>(data.data()), size);
    return SzEntry(text.substr(0, text.find('\0')));
  }
  if (type == REG_DWORD && size == 4) {
    DWORD value;
    memcpy(&value, data.data(), 4);
    return DwordEntry(value);
  }
  if (type == REG_BINARY) return HexEntry(std::string(data.begin(), data.begin() + size));
  return "type" + std::to_string(type);
}

// Marks a key itself in a walk, so empty keys survive a save and restore.
constexpr DWORD kKeyOnly = ~0u;

// Calls visit(path, name, type, bytes, size) for every key (type kKeyOnly) and every value of the
// tree below key.
template <class Visit>
void WalkKey(HKEY key, const std::string& path, Visit&& visit) {
  char name[16384];
  std::vector<BYTE> data(65536);
  visit(path, std::string(), kKeyOnly, data, 0);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof name, size = static_cast<DWORD>(data.size()), type = 0;
    if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
      break;
    visit(path, std::string(name), type, data, size);
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof name;
    if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    HKEY child;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
      WalkKey(child, path + "\\" + name, visit);
      RegCloseKey(child);
    }
  }
}

void ReadKey(HKEY key, const std::string& path, RegSnapshot& out) {
  WalkKey(key, path, [&](const std::string& at, const std::string& name, DWORD type,
                         const std::vector<BYTE>& data, DWORD size) {
    if (type != kKeyOnly) out[SnapshotKey(at, name)] = Entry(type, data, size);
  });
}

void Put(HKEY root, const std::string& key, const std::string& name, DWORD type, const void* data,
         DWORD size) {
  HKEY handle;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS)
    return;
  if (type != kKeyOnly) RegSetValueExA(handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(handle);
}

}  // namespace

std::string SnapshotKey(const std::string& key, const std::string& name) {
  return Lower(key) + "|" + Lower(name);
}
std::string SzEntry(const std::string& text) { return "sz:" + text; }
std::string DwordEntry(DWORD value) { return "dword:" + std::to_string(value); }
std::string HexEntry(const std::string& bytes) {
  std::string out = "hex:";
  for (unsigned char c : bytes) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", c);
    out += hex;
  }
  return out;
}

RegSnapshot SnapshotTree(HKEY root, const std::string& key) {
  RegSnapshot out;
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS) {
    ReadKey(handle, key, out);
    RegCloseKey(handle);
  }
  return out;
}

RegSnapshot SnapshotTrees(HKEY root, std::initializer_list<std::string> keys) {
  RegSnapshot out;
  for (const std::string& key : keys) {
    RegSnapshot part = SnapshotTree(root, key);
    out.insert(part.begin(), part.end());
  }
  return out;
}

bool DeleteTree(HKEY root, const std::string& key) {
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &handle) == ERROR_SUCCESS) {
    char name[16384];
    for (;;) {
      DWORD nameLength = sizeof name;
      if (RegEnumKeyExA(handle, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS)
        break;
      if (!DeleteTree(handle, name)) break;
    }
    RegCloseKey(handle);
  }
  return RegDeleteKeyA(root, key.c_str()) == ERROR_SUCCESS;
}

SavedTree SaveTree(HKEY root, const std::string& key) {
  SavedTree out;
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS) {
    WalkKey(handle, key, [&](const std::string& at, const std::string& name, DWORD type,
                             const std::vector<BYTE>& data, DWORD size) {
      out.push_back({at, name, type, std::string(data.begin(), data.begin() + size)});
    });
    RegCloseKey(handle);
  }
  return out;
}

void RestoreTree(HKEY root, const SavedTree& tree) {
  for (const SavedRegValue& v : tree)
    Put(root, v.key, v.name, v.type, v.bytes.data(), static_cast<DWORD>(v.bytes.size()));
}

void PutString(HKEY root, const std::string& key, const std::string& name, const std::string& text) {
  Put(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void PutDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
  Put(root, key, name, REG_DWORD, &value, sizeof value);
}
