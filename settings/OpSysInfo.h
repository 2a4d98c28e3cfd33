// The running Windows version and family, read once when an instance is made.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

class COpSysInfo {
public:
    using VersionCall = BOOL(WINAPI*)(LPOSVERSIONINFOA);

    // Asks GetVersionExA for the extended record, then for the plain one when that is refused.
    COpSysInfo();
    // The same, through another version call (one that behaves like GetVersionExA).
    explicit COpSysInfo(VersionCall call);
    // Derives everything from a record already read; extended = the extended call succeeded
    // (otherwise the fields only the extended record has count as 0).
    COpSysInfo(const OSVERSIONINFOEXA& record, bool extended);

    int32_t BuildNumber() const;
    std::string CSDVersion() const;
    int32_t MajorVersion() const;
    int32_t MinorVersion() const;
    int32_t PlatformID() const;
    int32_t ProductType() const;
    int16_t ServicePackMajor() const;
    int16_t ServicePackMinor() const;
    int16_t SuiteMask() const;
    bool HasAS() const;
    bool HasBO() const;
    bool HasDC() const;
    bool HasSBS() const;
    bool HasSBSr() const;
    bool HasTS() const;
    bool IsWinXP() const;
    bool IsWin2K() const;
    bool IsWinNT() const;
    bool IsWin9x() const;
    bool IsWin95() const;
    bool IsWin98() const;
    bool IsWinME() const;
    std::string platform() const;
    std::string Version() const;
    std::string ProductTypeName() const;

private:
    void Derive(bool extended);
    static int16_t LoWord(uint32_t number);
    bool HasSuite(unsigned bit) const;

    OSVERSIONINFOEXA record_{};
    std::string csdVersion_;  // the service-pack field: text before its first NUL, 128 wide
    bool isWinNT_ = false;
    bool isWin2K_ = false;
    bool isWinXP_ = false;
    bool isWin95_ = false;
    bool isWin98_ = false;
    bool isWinME_ = false;
};
