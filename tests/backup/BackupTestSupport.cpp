#include "BackupTestSupport.h"
#include "tests/support/RegSnapshot.h"
#include "tests/support/VolatileKey.h"
#include "ui/App.h"

#include <cstdio>
#include <cstdlib>
#include <shlwapi.h>
#include <vector>

namespace backup_test {

namespace {

struct Tree {
    HKEY root;
    const char* key;
};

const Tree Trees[] = {
    {HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\Net"},
    {HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\NetTrans"},
    {HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\VxD"},
    {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters"},
    {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"},
    {HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"},
};

const char* const NTValues[] = {"TcpWindowSize", "DefaultTTL", "SessionKeepAlive",
                                "EnablePMTUBHDetect", "EnablePMTUDiscovery", "SackOpts",
                                "Tcp1323Opts", "TcpUseRFC1122UrgentPointer", "TcpMaxDupAcks"};

void RemoveTree(const std::string& folder) {
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName, path = folder + "\\" + name;
            if (name == "." || name == "..") continue;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

RegSnapshot RegistryState() {
    RegSnapshot state;
    for (const Tree& tree : Trees) state.merge(SnapshotTree(tree.root, tree.key));
    return state;
}

void ClearTunedValues() {
    for (const Tree& tree : Trees) {
        std::string key = tree.key;
        if (key.find("Tcpip") != std::string::npos || key.find("Internet") != std::string::npos)
            continue;
        SHDeleteKeyA(tree.root, tree.key);
    }
    for (const char* name : NTValues)
        SHDeleteValueA(HKEY_LOCAL_MACHINE, Trees[3].key, name);
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const char* name : {"MaxConnectionsPerServer", "MaxConnectionsPer1_0Server"})
            SHDeleteValueA(root, Trees[4].key, name);
}

std::string Family() {
    const char* family = std::getenv("TEST_FAMILY");
    return family ? family : "winxp";
}

bool IsNTFamily() {
    std::string f = Family();
    return f == "nt40" || f == "win2k" || f == "winxp";
}

bool IsMe() { return Family() == "winme"; }

std::string FreshFolder(const std::string& name) {
    std::string folder = ui::ProgramFolder() + "\\" + name + "-" + Family();
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::map<std::string, Bytes> FolderState(const std::string& folder) {
    std::map<std::string, Bytes> files;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[data.cFileName] = ReadFileBytes(folder + "\\" + data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return files;
}

Bytes ReadFileBytes(const std::string& path) {
    Bytes bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        unsigned char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return bytes;
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

RefusedWrites::RefusedWrites()
    : key_(IsNTFamily() ? "SYSTEM\\CurrentControlSet\\Services\\Tcpip"
                        : "System\\CurrentControlSet\\Services\\Class\\Net\\0000"),
      saved_(SaveTree(HKEY_LOCAL_MACHINE, key_)) {
    DeleteTree(HKEY_LOCAL_MACHINE, key_);
    MakeVolatileKey(HKEY_LOCAL_MACHINE, key_);
}

RefusedWrites::~RefusedWrites() {
    DeleteTree(HKEY_LOCAL_MACHINE, key_);
    RestoreTree(HKEY_LOCAL_MACHINE, saved_);
}

}  // namespace backup_test
