// A volatile key refuses lasting keys below it: the tests' way to make the registry refuse writes.
#pragma once
#include <windows.h>

#include <string>

// Creates key (absent until now) as a volatile key, its parent as a lasting one where missing.
inline bool MakeVolatileKey(HKEY root, const std::string& key) {
  const size_t cut = key.rfind('\\');
  HKEY parent = root, made = nullptr;
  if (cut != std::string::npos &&
      RegCreateKeyA(root, key.substr(0, cut).c_str(), &parent) != ERROR_SUCCESS)
    return false;
  const LONG result = RegCreateKeyExA(parent, key.c_str() + (cut == std::string::npos ? 0 : cut + 1),
                                      0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                      &made, nullptr);
  if (parent != root) RegCloseKey(parent);
  if (result == ERROR_SUCCESS) RegCloseKey(made);
  return result == ERROR_SUCCESS;
}
