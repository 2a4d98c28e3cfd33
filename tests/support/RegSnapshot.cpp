#include "tests/support/RegSnapshot.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>

namespace {

using Data = std::vector<BYTE>;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string RootName(HKEY root) {
  if (root == HKEY_LOCAL_MACHINE) return "hklm";
  if (root == HKEY_CURRENT_USER) return "hkcu";
  return "hkey" + std::to_string(reinterpret_cast<ULONG_PTR>(root) & 0xff);
}

std::string Hex(const BYTE* data, size_t size) {
  std::string out;
  char hex[3];
  for (size_t i = 0; i < size; ++i) {
    std::snprintf(hex, sizeof hex, "%02x", data[i]);
    out += hex;
  }
  return out;
}

// Every byte of a text, the unprintable ones (a NUL too) and the backslash as \xNN.
std::string Escaped(const BYTE* data, size_t size) {
  std::string out;
  char hex[5];
  for (size_t i = 0; i < size; ++i) {
    if (data[i] >= 32 && data[i] < 127 && data[i] != '\\') {
      out += static_cast<char>(data[i]);
    } else {
      std::snprintf(hex, sizeof hex, "\\x%02x", data[i]);
      out += hex;
    }
  }
  return out;
}

std::string Entry(DWORD type, const Data& data) {
  if (type == REG_SZ) return "sz:" + Escaped(data.data(), data.size());
  if (type == REG_DWORD && data.size() == 4) {
    DWORD value;
    memcpy(&value, data.data(), 4);
    return DwordEntry(value);
  }
  if (type == REG_BINARY) return "hex:" + Hex(data.data(), data.size());
  return "type" + std::to_string(type) + ":" + Hex(data.data(), data.size());
}

// Marks a key itself in a walk, so empty keys survive a save and restore.
constexpr DWORD kKeyOnly = ~0u;

// Calls visit(path, name, type, data) for every key (type kKeyOnly) and every value of the tree
// below key.
template <class Visit>
void WalkKey(HKEY key, const std::string& path, Visit&& visit) {
  char name[16384];
  visit(path, std::string(), kKeyOnly, Data());
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof name, size = 0, type = 0;
    if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      break;
    Data data(size);
    nameLength = sizeof name;
    RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data.data(), &size);
    data.resize(size);
    visit(path, std::string(name, nameLength), type, data);
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof name;
    if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    HKEY child;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
      WalkKey(child, path + "\\" + name, visit);
      RegCloseKey(child);
    }
  }
}

// WalkKey over the tree below key, when there is one.
template <class Visit>
void WalkTree(HKEY root, const std::string& key, Visit&& visit) {
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return;
  WalkKey(handle, key, visit);
  RegCloseKey(handle);
}

HKEY CreateKey(HKEY root, const std::string& key) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS)
    ADD_FAILURE() << "cannot create " << key;
  return handle;
}

}  // namespace

bool NinetyFamily() { return (GetVersion() & 0x80000000) != 0; }

std::string SnapshotKey(const std::string& key, const std::string& name, HKEY root) {
  return RootName(root) + "\\" + Lower(key) + "|" + Lower(name);
}
std::string SzEntry(const std::string& text) {
  const std::string stored = NinetyFamily() ? text + '\0' : text;
  return "sz:" + Escaped(reinterpret_cast<const BYTE*>(stored.data()), stored.size());
}
std::string DwordEntry(DWORD value) { return "dword:" + std::to_string(value); }
std::string HexEntry(const std::string& bytes) {
  return "hex:" + Hex(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
}

RegSnapshot SnapshotTree(HKEY root, const std::string& key) {
  RegSnapshot out;
  WalkTree(root, key, [&](const std::string& at, const std::string& name, DWORD type,
                          const Data& data) {
    if (type != kKeyOnly) out[SnapshotKey(at, name, root)] = Entry(type, data);
  });
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

RegSnapshot SnapshotValue(HKEY root, const std::string& key, const std::string& name) {
  RegSnapshot out;
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return out;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    Data data(size);
    RegQueryValueExA(handle, name.c_str(), nullptr, &type, data.data(), &size);
    data.resize(size);
    out[SnapshotKey(key, name, root)] = Entry(type, data);
  }
  RegCloseKey(handle);
  return out;
}

std::string Differences(const RegSnapshot& expected, const RegSnapshot& actual) {
  std::string report;
  for (const auto& [where, value] : expected) {
    auto found = actual.find(where);
    if (found == actual.end())
      report += "  missing    " + where + " = " + value + "\n";
    else if (found->second != value)
      report += "  differs    " + where + ": expected " + value + ", got " + found->second + "\n";
  }
  for (const auto& [where, value] : actual)
    if (!expected.count(where)) report += "  unexpected " + where + " = " + value + "\n";
  return report;
}

void DeleteTree(HKEY root, const std::string& key) {
  SHDeleteKeyA(root, key.c_str());
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS) {
    RegCloseKey(handle);
    ADD_FAILURE() << "cannot delete " << key;
  }
}

SavedTree SaveTree(HKEY root, const std::string& key) {
  SavedTree out;
  WalkTree(root, key, [&](const std::string& at, const std::string& name, DWORD type,
                          const Data& data) {
    out.push_back({at, name, type, std::string(data.begin(), data.end())});
  });
  return out;
}

void RestoreTree(HKEY root, const SavedTree& tree) {
  for (const SavedRegValue& v : tree) {
    if (v.type != kKeyOnly) {
      PutValue(root, v.key, v.name, v.type, Data(v.bytes.begin(), v.bytes.end()));
    } else if (HKEY handle = CreateKey(root, v.key)) {
      RegCloseKey(handle);
    }
  }
}

void PutValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
              const Data& data) {
  HKEY handle = CreateKey(root, key);
  if (!handle) return;
  // The NT family counts a NUL after a text's bytes as part of it; Windows 95, 98 and Me store a
  // text up to its NUL whatever the length, so it gets a NUL there.
  Data guarded = data;
  guarded.push_back(NinetyFamily() ? 0 : 1);
  EXPECT_EQ(RegSetValueExA(handle, name.c_str(), 0, type, guarded.data(),
                           static_cast<DWORD>(data.size())),
            ERROR_SUCCESS)
      << key << " \"" << name << "\"";
  RegCloseKey(handle);
}

void PutString(HKEY root, const std::string& key, const std::string& name,
               const std::string& text) {
  PutValue(root, key, name, REG_SZ, Data(text.begin(), text.end()));
}

void PutDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
  const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
  PutValue(root, key, name, REG_DWORD, Data(bytes, bytes + sizeof value));
}
