// Registry helpers for tests: a key tree read into a sorted map, so a test can compare what a
// command left behind with what it expects in one assertion; key trees saved and put back.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

// "path|name" (lower case; the unnamed value has the empty name) -> "sz:text", "dword:N" or
// "hex:0a0b"; other types show their number.
using RegSnapshot = std::map<std::string, std::string>;

RegSnapshot SnapshotTree(HKEY root, const std::string& key);
// Merges the snapshots of several trees.
RegSnapshot SnapshotTrees(HKEY root, std::initializer_list<std::string> keys);

// False when the key could not be deleted (or was not there).
bool DeleteTree(HKEY root, const std::string& key);
// A key tree held in memory with its values' raw types and bytes, to put back after a test.
struct SavedRegValue {
  std::string key, name;
  DWORD type;
  std::string bytes;
};
using SavedTree = std::vector<SavedRegValue>;
SavedTree SaveTree(HKEY root, const std::string& key);
void RestoreTree(HKEY root, const SavedTree& tree);

void PutString(HKEY root, const std::string& key, const std::string& name, const std::string& text);
void PutDword(HKEY root, const std::string& key, const std::string& name, DWORD value);

// The entry a value leaves in a snapshot.
std::string SnapshotKey(const std::string& key, const std::string& name);
std::string SzEntry(const std::string& text);
std::string DwordEntry(DWORD value);
std::string HexEntry(const std::string& bytes);
