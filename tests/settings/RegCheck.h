// Registry checks for the settings tests. They read the registry with the plain Win32 calls, not
// through the procedures under test, and report failures at the caller's line.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/RegFunctions.h"
#include "tests/support/RegSnapshot.h"  // DeleteTree, PutValue, NinetyFamily

// A place where a value lives: key path under HKEY_LOCAL_MACHINE and value name.
struct RegPlace {
    std::string key;
    std::string name;
};

bool KeyExists(HKEY root, const std::string& key);
bool ValueExists(HKEY root, const std::string& key, const std::string& name);
void DeleteValues(HKEY root, const std::string& key, const std::vector<std::string>& names);
Bytes TextBytes(const std::string& text);
// The bytes of a text value as SetRegString leaves them: the text alone, and on Windows 95, 98
// and Me, which always store the NUL, the text and its NUL.
Bytes StoredText(const std::string& text);
Bytes DwordBytes(uint32_t number);

void ExpectValue(const char* file, int line, HKEY root, const std::string& key, const std::string& name,
                 DWORD type, const Bytes& data);
void ExpectNoValue(const char* file, int line, HKEY root, const std::string& key, const std::string& name);
void ExpectNoKey(const char* file, int line, HKEY root, const std::string& key);

#define EXPECT_REG(root, key, name, type, data) ExpectValue(__FILE__, __LINE__, root, key, name, type, data)
#define EXPECT_REG_SZ(root, key, name, text) EXPECT_REG(root, key, name, REG_SZ, StoredText(text))
#define EXPECT_REG_DWORD(root, key, name, number) EXPECT_REG(root, key, name, REG_DWORD, DwordBytes(number))
#define EXPECT_NO_VALUE(root, key, name) ExpectNoValue(__FILE__, __LINE__, root, key, name)
#define EXPECT_NO_KEY(root, key) ExpectNoKey(__FILE__, __LINE__, root, key)

// Paths of the Windows 95/98/Me keys, spelled as the tuner spells them.
extern const char kClassTree[];   // System\CurrentControlSet\Services\Class
extern const char kNetKey[];      // ...\Class\Net
extern const char kTcpKey[];      // ...\VxD\MSTCP
extern const char kTcpParamsKey[];
extern const char kNWLinkKey[];
extern const char kNetBEUIKey[];
extern const char kInternetKey[];
extern const char kNTKey[];       // SYSTEM\CurrentControlSet\Services\Tcpip\Parameters
