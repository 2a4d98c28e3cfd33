// COpSysInfo on the family this test runs as (TEST_FAMILY), and on version records that Wine
// cannot produce.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "settings/OpSysInfo.h"

namespace {

struct Flags {
    bool xp, w2k, nt, me, w98, w95;
};

void ExpectFlags(const char* file, int line, const COpSysInfo& info, const Flags& f) {
    const Flags got{info.IsWinXP(), info.IsWin2K(), info.IsWinNT(), info.IsWinME(), info.IsWin98(),
                    info.IsWin95()};
    if (std::memcmp(&got, &f, sizeof f) != 0)
        ADD_FAILURE_AT(file, line) << "flags XP 2K NT ME 98 95: " << got.xp << got.w2k << got.nt << got.me
                                   << got.w98 << got.w95 << ", expected " << f.xp << f.w2k << f.nt << f.me
                                   << f.w98 << f.w95;
    if (info.IsWin9x() != (f.me || f.w98 || f.w95))
        ADD_FAILURE_AT(file, line) << "IsWin9x is " << info.IsWin9x();
}
#define EXPECT_FLAGS(info, ...) ExpectFlags(__FILE__, __LINE__, info, Flags{__VA_ARGS__})

OSVERSIONINFOEXA Record(DWORD platform, DWORD major, DWORD minor, DWORD build, const char* csd = "") {
    OSVERSIONINFOEXA record{};
    record.dwOSVersionInfoSize = sizeof record;
    record.dwPlatformId = platform;
    record.dwMajorVersion = major;
    record.dwMinorVersion = minor;
    record.dwBuildNumber = build;
    std::strncpy(record.szCSDVersion, csd, sizeof record.szCSDVersion);
    return record;
}

TEST(OpSysInfo, RecordSizesAreThoseOfTheVersionCall) {
    EXPECT_EQ(sizeof(OSVERSIONINFOEXA), 156u);
    EXPECT_EQ(sizeof(OSVERSIONINFOA), 148u);
}

TEST(OpSysInfo, TheRunningFamily) {
    const char* family = std::getenv("TEST_FAMILY");
    ASSERT_NE(family, nullptr) << "TEST_FAMILY names the family this test runs as";
    const struct {
        const char* family;
        int32_t platform, major, minor, build;
        Flags flags;
        const char* name;
        const char* version;
    } rows[] = {
        {"win95", 1, 4, 0, 950, {0, 0, 0, 0, 0, 1}, "Windows 95", "Windows 95 v4.0, Build 950"},
        {"win98", 1, 4, 10, 2222, {0, 0, 0, 0, 1, 1}, "Windows 98", "Windows 98 v4.10, Build 2222"},
        {"winme", 1, 4, 90, 3000, {0, 0, 0, 1, 1, 1}, "Windows Me", "Windows Me v4.90, Build 3000"},
        {"nt40", 2, 4, 0, 1381, {0, 0, 1, 0, 0, 0}, "Windows NT", "Windows NT v4.0, Build 1381"},
        {"win2k", 2, 5, 0, 2195, {0, 1, 1, 0, 0, 0}, "Windows 2000", "Windows 2000 v5.0, Build 2195"},
        {"winxp", 2, 5, 1, 2600, {1, 1, 1, 0, 0, 0}, "Windows XP", "Windows XP v5.1, Build 2600"},
    };
    for (const auto& row : rows) {
        if (std::strcmp(row.family, family) != 0) continue;
        const COpSysInfo info;
        EXPECT_EQ(info.PlatformID(), row.platform);
        EXPECT_EQ(info.MajorVersion(), row.major);
        EXPECT_EQ(info.MinorVersion(), row.minor);
        EXPECT_EQ(info.BuildNumber(), row.build);
        EXPECT_FLAGS(info, row.flags.xp, row.flags.w2k, row.flags.nt, row.flags.me, row.flags.w98,
                     row.flags.w95);
        EXPECT_EQ(info.platform(), row.name);
        EXPECT_EQ(info.Version(), row.version);
        // Whatever the family, the properties follow from the version call's own numbers.
        OSVERSIONINFOA plain{};
        plain.dwOSVersionInfoSize = sizeof plain;
        ASSERT_TRUE(GetVersionExA(&plain));
        EXPECT_EQ(info.Version(), info.platform() + " v" + std::to_string(plain.dwMajorVersion) + "." +
                                      std::to_string(plain.dwMinorVersion) + ", Build " +
                                      std::to_string(plain.dwBuildNumber & 0xFFFF));
        return;
    }
    FAIL() << "unknown family " << family;
}

TEST(OpSysInfo, DerivedFlagsNamesAndVersionLines) {
    const struct {
        const char* what;
        OSVERSIONINFOEXA record;
        Flags flags;
        const char* name;
        const char* version;
    } rows[] = {
        {"Me", Record(1, 4, 90, 0x045A0BB8), {0, 0, 0, 1, 1, 1}, "Windows Me", "Windows Me v4.90, Build 3000"},
        {"98 second edition", Record(1, 4, 10, 0x040A08AE), {0, 0, 0, 0, 1, 1}, "Windows 98",
         "Windows 98 v4.10, Build 2222"},
        {"build 2999", Record(1, 4, 90, 2999), {0, 0, 0, 0, 1, 1}, "Windows 98", "Windows 98 v4.90, Build 2999"},
        {"build low word 0x8000 or more", Record(1, 4, 90, 0x04008005), {0, 0, 0, 0, 1, 1}, "Windows 98",
         "Windows 98 v4.90, Build -32763"},
        {"build low word 0xFFFF", Record(1, 4, 0, 0xFFFF), {0, 0, 0, 0, 0, 1}, "Windows 95",
         "Windows 95 v4.0, Build -1"},
        {"platform id 0", Record(0, 3, 10, 0), {0, 0, 0, 0, 0, 0}, "", " v3.10, Build 0"},
        {"platform id 3", Record(3, 5, 1, 7), {0, 0, 0, 0, 0, 0}, "", " v5.1, Build 7"},
        {"NT 4", Record(2, 4, 0, 1381), {0, 0, 1, 0, 0, 0}, "Windows NT", "Windows NT v4.0, Build 1381"},
        {"version 5.2", Record(2, 5, 2, 3790), {1, 1, 1, 0, 0, 0}, "Windows XP", "Windows XP v5.2, Build 3790"},
        {"version 6.0", Record(2, 6, 0, 6000), {0, 1, 1, 0, 0, 0}, "Windows 2000",
         "Windows 2000 v6.0, Build 6000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const COpSysInfo info(row.record, true);
        EXPECT_FLAGS(info, row.flags.xp, row.flags.w2k, row.flags.nt, row.flags.me, row.flags.w98,
                     row.flags.w95);
        EXPECT_EQ(info.platform(), row.name);
        EXPECT_EQ(info.Version(), row.version);
    }
}

TEST(OpSysInfo, ServicePackText) {
    const std::string full(128, 'S');
    const struct {
        const char* what;
        std::string stored;
        std::string expected;
    } rows[] = {
        {"starts with NUL", std::string("\0Service Pack 1", 15), ""},
        {"cut at the first NUL", std::string("SP1\0junk", 8), "SP1"},
        {"blanks around it", "  Service Pack 2  ", "Service Pack 2"},
        {"only blanks", "   ", ""},
        {"all 128 characters", full, full},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        OSVERSIONINFOEXA record = Record(2, 5, 1, 2600);
        std::memcpy(record.szCSDVersion, row.stored.data(), row.stored.size());
        EXPECT_EQ(COpSysInfo(record, true).CSDVersion(), row.expected);
    }
}

TEST(OpSysInfo, SuiteMaskAndProductType) {
    const struct {
        WORD mask;
        bool sbs, as, bo, ts, sbsr, dc;
    } suites[] = {
        {0x01, 1, 0, 0, 0, 0, 0}, {0x02, 0, 1, 0, 0, 0, 0}, {0x04, 0, 0, 1, 0, 0, 0},
        {0x10, 0, 0, 0, 1, 0, 0}, {0x20, 0, 0, 0, 0, 1, 0}, {0x80, 0, 0, 0, 0, 0, 1},
        {0x148, 0, 0, 0, 0, 0, 0}, {0xB7, 1, 1, 1, 1, 1, 1},
    };
    for (const auto& s : suites) {
        SCOPED_TRACE(s.mask);
        OSVERSIONINFOEXA record = Record(2, 5, 0, 2195);
        record.wSuiteMask = s.mask;
        const COpSysInfo info(record, true);
        EXPECT_EQ(info.SuiteMask(), int16_t(s.mask));
        EXPECT_EQ((std::vector<bool>{info.HasSBS(), info.HasAS(), info.HasBO(), info.HasTS(), info.HasSBSr(),
                                     info.HasDC()}),
                  (std::vector<bool>{s.sbs, s.as, s.bo, s.ts, s.sbsr, s.dc}));
    }

    const struct {
        BYTE type;
        const char* name;
    } products[] = {{0, "Unknown"}, {1, "NT Workstation"}, {2, "Domain Controller"},
                    {3, "NT Server"}, {4, ""}, {255, ""}};
    for (const auto& p : products) {
        OSVERSIONINFOEXA record = Record(2, 5, 0, 2195);
        record.wProductType = p.type;
        const COpSysInfo info(record, true);
        EXPECT_EQ(info.ProductType(), p.type);
        EXPECT_EQ(info.ProductTypeName(), p.name);
    }
}

// A version call that records the sizes it is offered and refuses the extended record.
std::vector<DWORD> offered;
bool acceptExtended = false;

BOOL WINAPI FakeVersionCall(LPOSVERSIONINFOA record) {
    offered.push_back(record->dwOSVersionInfoSize);
    auto* full = reinterpret_cast<OSVERSIONINFOEXA*>(record);
    *full = Record(2, 5, 0, 2195, "Service Pack 4");
    full->dwOSVersionInfoSize = offered.back();
    full->wServicePackMajor = 4;
    full->wSuiteMask = 0x80;
    full->wProductType = 3;
    return acceptExtended || offered.back() == sizeof(OSVERSIONINFOA);
}

TEST(OpSysInfo, FallsBackOnThePlainRecord) {
    offered.clear();
    acceptExtended = false;
    const COpSysInfo info(&FakeVersionCall);
    EXPECT_EQ(offered, (std::vector<DWORD>{156, 148}));
    EXPECT_FLAGS(info, 0, 1, 1, 0, 0, 0);
    EXPECT_EQ(info.CSDVersion(), "Service Pack 4");
    EXPECT_EQ(info.ServicePackMajor(), 0);
    EXPECT_EQ(info.SuiteMask(), 0);
    EXPECT_EQ(info.ProductType(), 0);
    EXPECT_EQ(info.ProductTypeName(), "Unknown");
    EXPECT_FALSE(info.HasAS() || info.HasBO() || info.HasDC() || info.HasSBS() || info.HasSBSr() ||
                 info.HasTS());
}

TEST(OpSysInfo, TakesTheExtendedRecordWhenItIsGiven) {
    offered.clear();
    acceptExtended = true;
    const COpSysInfo info(&FakeVersionCall);
    EXPECT_EQ(offered, (std::vector<DWORD>{156}));
    EXPECT_EQ(info.ServicePackMajor(), 4);
    EXPECT_TRUE(info.HasDC());
    EXPECT_EQ(info.ProductTypeName(), "NT Server");
}

TEST(OpSysInfo, PlainRecordGivenDirectlyCountsItsExtendedFieldsAsZero) {
    OSVERSIONINFOEXA record = Record(1, 4, 10, 2222, " A ");
    record.wProductType = 2;
    record.wSuiteMask = 0xFF;
    const COpSysInfo info(record, false);
    EXPECT_EQ(info.ProductTypeName(), "Unknown");
    EXPECT_EQ(info.SuiteMask(), 0);
    EXPECT_EQ(info.CSDVersion(), "A");
    EXPECT_EQ(info.Version(), "Windows 98 v4.10, Build 2222");
}

}  // namespace
