// Whole registry trees read into sorted maps, so a test can state the complete expected state
// and see every difference at once.
#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

// "HKLM\path\to\key|name" (lower case) -> "REG_SZ \"576\"", "REG_DWORD 2144", "REG_BINARY 01 02".
using Snapshot = std::map<std::string, std::string>;

std::string Entry(HKEY root, const std::string& key, const std::string& name);
std::string Sz(const std::string& text);
std::string Dword(uint32_t number);

// Every value of the key and of all keys below it.
void ReadTree(HKEY root, const std::string& key, Snapshot& into);
// One value, when it is there.
void ReadValue(HKEY root, const std::string& key, const std::string& name, Snapshot& into);

void DeleteTree(HKEY root, const std::string& key);
void PutSz(HKEY root, const std::string& key, const std::string& name, const std::string& text);
void PutDword(HKEY root, const std::string& key, const std::string& name, uint32_t number);

// The differences, one line each ("missing", "unexpected", "expected ... got ..."); empty when equal.
std::string Differences(const Snapshot& expected, const Snapshot& actual);
