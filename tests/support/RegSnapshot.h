// Registry helpers for tests: a key tree read into a sorted map, so a test can compare what a
// command left behind with what it expects in one assertion; key trees saved and put back; values
// written with exactly the bytes given. Failures to write or delete are reported at once.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

// "hklm\path|name" (lower case; the unnamed value has the empty name) -> "sz:text" (every byte
// stored, a NUL shown as \x00), "dword:N", "hex:0a0b", or "typeN:0a0b" for any other type.
using RegSnapshot = std::map<std::string, std::string>;

RegSnapshot SnapshotTree(HKEY root, const std::string& key);
// Merges the snapshots of several trees.
RegSnapshot SnapshotTrees(HKEY root, std::initializer_list<std::string> keys);
// One value: an empty snapshot when it is not there.
RegSnapshot SnapshotValue(HKEY root, const std::string& key, const std::string& name);

// The differences, one line each ("missing", "differs", "unexpected"); empty when equal.
std::string Differences(const RegSnapshot& expected, const RegSnapshot& actual);

// Whether the running Windows is 95, 98 or Me, whose registry keeps a text's NUL.
bool NinetyFamily();
// Deletes the key and all below it; a key left behind fails the test.
void DeleteTree(HKEY root, const std::string& key);
// A key tree held in memory with its values' raw types and bytes, to put back after a test.
struct SavedRegValue {
  std::string key, name;
  DWORD type;
  std::string bytes;
};
using SavedTree = std::vector<SavedRegValue>;
SavedTree SaveTree(HKEY root, const std::string& key);
void RestoreTree(HKEY root, const SavedTree& tree);

// Stores exactly these bytes with any type, creating the key.
void PutValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
              const std::vector<BYTE>& data);
// A text as Windows stores one given without its NUL (SzEntry describes it).
void PutString(HKEY root, const std::string& key, const std::string& name,
               const std::string& text);
void PutDword(HKEY root, const std::string& key, const std::string& name, DWORD value);

// The entry a value leaves in a snapshot.
std::string SnapshotKey(const std::string& key, const std::string& name,
                        HKEY root = HKEY_LOCAL_MACHINE);
// A text given without its NUL: the text alone on the NT family; Windows 95, 98 and Me (and Wine
// playing them) always store the NUL too.
std::string SzEntry(const std::string& text);
std::string DwordEntry(DWORD value);
std::string HexEntry(const std::string& bytes);
