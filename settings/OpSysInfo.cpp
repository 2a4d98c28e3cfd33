#include "settings/OpSysInfo.h"

#include <cstring>

namespace {

const size_t kCsdWidth = sizeof(OSVERSIONINFOEXA{}.szCSDVersion);  // 128

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

COpSysInfo::COpSysInfo() : COpSysInfo(::GetVersionExA) {}

COpSysInfo::COpSysInfo(VersionCall call) {
    record_.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    bool extended = call(reinterpret_cast<LPOSVERSIONINFOA>(&record_)) != 0;
    if (!extended) {
        // The result of the retry is not needed: a refused call leaves the record as it was.
        record_.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        call(reinterpret_cast<LPOSVERSIONINFOA>(&record_));
    }
    Derive(extended);
}

COpSysInfo::COpSysInfo(const OSVERSIONINFOEXA& record, bool extended) : record_(record) {
    Derive(extended);
}

void COpSysInfo::Derive(bool extended) {
    if (!extended) {
        record_.wServicePackMajor = 0;
        record_.wServicePackMinor = 0;
        record_.wSuiteMask = 0;
        record_.wProductType = 0;
        record_.wReserved = 0;
    }
    csdVersion_.assign(record_.szCSDVersion, strnlen(record_.szCSDVersion, kCsdWidth));
    csdVersion_.resize(kCsdWidth, ' ');

    switch (record_.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        isWin98_ = record_.dwMinorVersion >= 10;
        isWin95_ = true;
        isWinME_ = LoWord(record_.dwBuildNumber) >= 3000;
        break;
    case VER_PLATFORM_WIN32_NT:
        isWinNT_ = true;
        isWin2K_ = record_.dwMajorVersion >= 5;
        isWinXP_ = record_.dwMajorVersion >= 5 && record_.dwMinorVersion >= 1;
        break;
    default:
        break;
    }
}

int16_t COpSysInfo::LoWord(uint32_t number) { return static_cast<int16_t>(number & 0xFFFF); }

bool COpSysInfo::HasSuite(unsigned bit) const { return (record_.wSuiteMask & bit) != 0; }

int32_t COpSysInfo::BuildNumber() const { return LoWord(record_.dwBuildNumber); }
std::string COpSysInfo::CSDVersion() const { return Trim(csdVersion_); }
int32_t COpSysInfo::MajorVersion() const { return static_cast<int32_t>(record_.dwMajorVersion); }
int32_t COpSysInfo::MinorVersion() const { return static_cast<int32_t>(record_.dwMinorVersion); }
int32_t COpSysInfo::PlatformID() const { return static_cast<int32_t>(record_.dwPlatformId); }
int32_t COpSysInfo::ProductType() const { return record_.wProductType; }
int16_t COpSysInfo::ServicePackMajor() const { return static_cast<int16_t>(record_.wServicePackMajor); }
int16_t COpSysInfo::ServicePackMinor() const { return static_cast<int16_t>(record_.wServicePackMinor); }
int16_t COpSysInfo::SuiteMask() const { return static_cast<int16_t>(record_.wSuiteMask); }
bool COpSysInfo::HasAS() const { return HasSuite(0x02); }
bool COpSysInfo::HasBO() const { return HasSuite(0x04); }
bool COpSysInfo::HasDC() const { return HasSuite(0x80); }
bool COpSysInfo::HasSBS() const { return HasSuite(0x01); }
bool COpSysInfo::HasSBSr() const { return HasSuite(0x20); }
bool COpSysInfo::HasTS() const { return HasSuite(0x10); }
bool COpSysInfo::IsWinXP() const { return isWinXP_; }
bool COpSysInfo::IsWin2K() const { return isWin2K_; }
bool COpSysInfo::IsWinNT() const { return isWinNT_; }
bool COpSysInfo::IsWin9x() const { return isWinME_ || isWin98_ || isWin95_; }
bool COpSysInfo::IsWin95() const { return isWin95_; }
bool COpSysInfo::IsWin98() const { return isWin98_; }
bool COpSysInfo::IsWinME() const { return isWinME_; }

std::string COpSysInfo::platform() const {
    if (isWinME_) return "Windows Me";
    if (isWin98_) return "Windows 98";
    if (isWin95_) return "Windows 95";
    if (isWinXP_) return "Windows XP";
    if (isWin2K_) return "Windows 2000";
    if (isWinNT_) return "Windows NT";
    return "";
}

std::string COpSysInfo::Version() const {
    return platform() + " v" + std::to_string(MajorVersion()) + "." + std::to_string(MinorVersion()) +
           ", Build " + std::to_string(BuildNumber());
}

std::string COpSysInfo::ProductTypeName() const {
    static const char* const names[] = {"Unknown", "NT Workstation", "Domain Controller", "NT Server"};
    int32_t type = ProductType();
    return type < 4 ? names[type] : "";
}
