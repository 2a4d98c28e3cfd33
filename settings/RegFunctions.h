// The registry procedures shared by both programs. Each call opens (or, for writers, creates) the
// key it works on, does one thing and closes it again; none reports an error to its caller.
#pragma once
#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;
// A binary value as read: the bytes, or nothing when no binary value is there.
using RegBinary = std::optional<Bytes>;

void DeleteRegValue(HKEY root, const std::string& key, const std::string& name);
std::string GetRegString(HKEY root, const std::string& key, const std::string& name,
                         const std::string& fallback = "");
void SetRegString(HKEY root, const std::string& key, const std::string& name, const std::string& text);
int32_t GetRegDword(HKEY root, const std::string& key, const std::string& name, int32_t fallback = 0);
void SetRegDword(HKEY root, const std::string& key, const std::string& name, int32_t value);
RegBinary GetRegBinary(HKEY root, const std::string& key, const std::string& name,
                       const RegBinary& fallback = std::nullopt);
void SetRegBinary(HKEY root, const std::string& key, const std::string& name, const Bytes& bytes);
std::vector<std::string> EnumRegKeys(HKEY root, const std::string& key);

// Writes and deletions the registry refused so far in this process (a deletion of a missing key
// or value is no refusal). Callers keep the count from before their work and compare after it.
unsigned RegFailureCount();
