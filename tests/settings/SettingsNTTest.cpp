// The TCP/IP values of Windows NT, 2000 and XP: numbers under the Tcpip parameters key only.
#include <gtest/gtest.h>

#include "RegCheck.h"
#include "settings/SettingsNT.h"

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;

const struct NTCase {
    const char* value;
    int32_t (*get)();
    void (*set)(int32_t);
} kCases[] = {
    {"DefaultTTL", &GetDefaultTTLNT, &SetDefaultTTLNT},
    {"EnablePMTUBHDetect", &GetEnablePMTUBHDetectNT, &SetEnablePMTUBHDetectNT},
    {"EnablePMTUDiscovery", &GetEnablePMTUDiscoveryNT, &SetEnablePMTUDiscoveryNT},
    {"TcpUseRFC1122UrgentPointer", &GetTcpUseRFC1122UrgentPointerNT, &SetTcpUseRFC1122UrgentPointerNT},
    {"TcpWindowSize", &GetTcpWindowSizeNT, &SetTcpWindowSizeNT},
    {"SessionKeepAlive", &GetSessionKeepAliveNT, &SetSessionKeepAliveNT},
    {"TcpMaxDupAcks", &GetTcpMaxDupAcksNT, &SetTcpMaxDupAcksNT},
    {"SackOpts", &GetSackOptsNT, &SetSackOptsNT},
    {"Tcp1323Opts", &GetTcp1323OptsNT, &SetTcp1323OptsNT},
};

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const NTCase& c : kCases) names.push_back(c.value);
    return names;
}

class SettingsNT : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        DeleteValues(kRoot, kNTKey, Names());
        DeleteValues(kRoot, kTcpKey, Names());
        DeleteTree(kRoot, kTcpParamsKey);
    }
};

TEST_F(SettingsNT, EachWriterStoresOneNumberUnderTheParametersKey) {
    const int32_t numbers[] = {64240, 0, -1};
    for (const NTCase& c : kCases) {
        for (int32_t number : numbers) {
            SCOPED_TRACE(std::string(c.value) + " " + std::to_string(number));
            c.set(number);
            EXPECT_REG_DWORD(kRoot, kNTKey, c.value, uint32_t(number));
            EXPECT_EQ(c.get(), number);
        }
        // Other values are left alone, and nothing goes to the keys of Windows 95, 98 and Me.
        for (const NTCase& other : kCases)
            if (&other != &c) EXPECT_NO_VALUE(kRoot, kNTKey, other.value);
        EXPECT_NO_VALUE(kRoot, kTcpKey, c.value);
        EXPECT_NO_KEY(kRoot, kTcpParamsKey);
        DeleteValues(kRoot, kNTKey, {c.value});
    }
}

TEST_F(SettingsNT, TextMissingAndOtherTypesReadAsZero) {
    for (const NTCase& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(c.get(), 0);
        PutValue(kRoot, kNTKey, c.value, REG_SZ, TextBytes("128"));
        EXPECT_EQ(c.get(), 0);
        PutValue(kRoot, kNTKey, c.value, REG_BINARY, DwordBytes(128));
        EXPECT_EQ(c.get(), 0);
    }
}

}  // namespace
