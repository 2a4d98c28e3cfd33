// The machine-wide values of Windows 95, 98 and Me: places, and the types of the 95/Me variant
// (numbers for some values) against the 98 variant (text for all).
#include <gtest/gtest.h>

#include "RegCheck.h"
#include "settings/GlobalSettings.h"

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;
const std::string kTcp = kTcpKey;
const std::string kParams = kTcpParamsKey;
const std::string kCache = std::string(kNWLinkKey) + "\\Ndi\\params\\cachesize";
const std::string kEven = std::string(kNWLinkKey) + "\\Ndi\\params\\forceeven";
const std::string kConnect = std::string(kNWLinkKey) + "\\Ndi\\params\\maxconnect";
const std::string kSockets = std::string(kNWLinkKey) + "\\Ndi\\params\\maxsockets";
const std::string kNcbs = std::string(kNetBEUIKey) + "\\Ndi\\params\\ncbs";
const std::string kSessions = std::string(kNetBEUIKey) + "\\Ndi\\params\\sessions";

struct GlobalCase {
    const char* value;
    int32_t (*getNumber)();  // the 95/Me variant of a number value
    void (*setNumber)(int32_t);
    std::string (*getText)();  // the 95/Me variant of a text value
    void (*setText)(const std::string&);
    std::string (*get98)();
    void (*set98)(const std::string&);
    std::vector<RegPlace> places;  // the first one is where the readers read
};

#define NUMBER_VALUE(name) #name, &Get##name, &Set##name, nullptr, nullptr, &Get##name##98, &Set##name##98
#define TEXT_VALUE(name) #name, nullptr, nullptr, &Get##name, &Set##name, &Get##name##98, &Set##name##98

const GlobalCase kCases[] = {
    {NUMBER_VALUE(BSDUrgent), {{kTcp, "BSDUrgent"}}},
    {NUMBER_VALUE(DefaultRcvWindow), {{kTcp, "DefaultRcvWindow"}, {kParams, "DefaultRcvWindow"}}},
    {TEXT_VALUE(DefaultTTL), {{kTcp, "DefaultTTL"}}},
    {TEXT_VALUE(LocalCopyMade), {{kTcp, "LocalCopyMade"}}},
    {NUMBER_VALUE(PMTUAutoDetection), {{kTcp, "PMTUAutoDetection"}}},
    {NUMBER_VALUE(PMTUBlackHoleDetect), {{kTcp, "PMTUBlackHoleDetect"}}},
    {NUMBER_VALUE(PMTUBlackHoleEnabled), {{kTcp, "PMTUBlackHoleEnabled"}}},
    {NUMBER_VALUE(PMTUDiscovery), {{kTcp, "PMTUDiscovery"}}},
    {NUMBER_VALUE(SackOpts), {{kTcp, "SackOpts"}, {kParams, "SackOpts"}}},
    {TEXT_VALUE(SessionKeepAlive), {{kTcp, "SessionKeepAlive"}}},
    {NUMBER_VALUE(Tcp1323Opts), {{kTcp, "Tcp1323Opts"}, {kParams, "Tcp1323Opts"}}},
    {NUMBER_VALUE(TcpUseRFC1122UrgentPointer), {{kTcp, "TcpUseRFC1122UrgentPointer"}}},
    {NUMBER_VALUE(MaxDupAcks), {{kParams, "MaxDupAcks"}}},
    {NUMBER_VALUE(MaxConnectionsPerServer), {{kInternetKey, "MaxConnectionsPerServer"}}},
    {NUMBER_VALUE(MaxConnectionsPer1_0Server), {{kInternetKey, "MaxConnectionsPer1_0Server"}}},
    {TEXT_VALUE(NWLinkCacheSize),
     {{kNWLinkKey, "cachesize"}, {kCache, "default"}, {kCache, "0"}, {kCache, "1"}, {kCache, "NdiValue"}}},
    {TEXT_VALUE(NWLinkForceEvenDefault), {{kEven, "default"}}},
    {TEXT_VALUE(NWLinkMaxConnectDefault), {{kConnect, "default"}}},
    {TEXT_VALUE(NWLinkMaxConnectMax), {{kConnect, "max"}}},
    {TEXT_VALUE(NWLinkMaxConnectMin), {{kConnect, "min"}}},
    {TEXT_VALUE(NWLinkMaxSocketsDefault), {{kSockets, "default"}}},
    {TEXT_VALUE(NWLinkMaxSocketsMax), {{kSockets, "max"}}},
    {TEXT_VALUE(NWLinkMaxSocketsMin), {{kSockets, "min"}}},
    {TEXT_VALUE(NetBEUIDefault), {{kNetBEUIKey, "default"}}},
    {TEXT_VALUE(NetBEUINcbs), {{kNetBEUIKey, "ncbs"}}},
    {TEXT_VALUE(NetBEUISessions), {{kNetBEUIKey, "sessions"}}},
    {TEXT_VALUE(NetBEUINcbsDefault), {{kNcbs, "default"}}},
    {TEXT_VALUE(NetBEUINcbsMax), {{kNcbs, "max"}}},
    {TEXT_VALUE(NetBEUINcbsMin), {{kNcbs, "min"}}},
    {TEXT_VALUE(NetBEUISessionsDefault), {{kSessions, "default"}}},
    {TEXT_VALUE(NetBEUISessionsMax), {{kSessions, "max"}}},
    {TEXT_VALUE(NetBEUISessionsMin), {{kSessions, "min"}}},
};

bool Listed(const std::vector<RegPlace>& places, const RegPlace& place) {
    for (const RegPlace& p : places)
        if (p.key == place.key && p.name == place.name) return true;
    return false;
}

// Nothing but the case's own places holds a value of any row.
void ExpectOnlyPlacesOf(const GlobalCase& written) {
    for (const GlobalCase& other : kCases)
        for (const RegPlace& place : other.places)
            if (!Listed(written.places, place)) EXPECT_NO_VALUE(kRoot, place.key, place.name);
}

class GlobalSettings : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        DeleteTree(kRoot, kParams);
        DeleteTree(kRoot, kNWLinkKey);
        DeleteTree(kRoot, kNetBEUIKey);
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            DeleteValues(root, kInternetKey, {"MaxConnectionsPerServer", "MaxConnectionsPer1_0Server"});
        std::vector<std::string> tcpValues;
        for (const GlobalCase& c : kCases)
            for (const RegPlace& place : c.places)
                if (place.key == kTcp) tcpValues.push_back(place.name);
        DeleteValues(kRoot, kTcpKey, tcpValues);
    }
};

TEST_F(GlobalSettings, The95VariantStoresNumbersAndTextsAtEveryPlace) {
    for (const GlobalCase& c : kCases) {
        SCOPED_TRACE(c.value);
        Clean();
        if (c.setNumber) {
            c.setNumber(64240);
            for (const RegPlace& place : c.places) EXPECT_REG_DWORD(kRoot, place.key, place.name, 64240);
            EXPECT_EQ(c.getNumber(), 64240);
        } else {
            c.setText("64240");
            for (const RegPlace& place : c.places) EXPECT_REG_SZ(kRoot, place.key, place.name, "64240");
            EXPECT_EQ(c.getText(), "64240");
        }
        ExpectOnlyPlacesOf(c);
    }
}

TEST_F(GlobalSettings, The98VariantStoresTextAtTheSamePlaces) {
    for (const GlobalCase& c : kCases) {
        SCOPED_TRACE(c.value);
        Clean();
        c.set98("1");
        for (const RegPlace& place : c.places) EXPECT_REG_SZ(kRoot, place.key, place.name, "1");
        EXPECT_EQ(c.get98(), "1");
        ExpectOnlyPlacesOf(c);
    }
}

TEST_F(GlobalSettings, AValueOfTheOtherVariantsTypeReadsAsTheDefault) {
    for (const GlobalCase& c : kCases) {
        SCOPED_TRACE(c.value);
        Clean();
        if (c.setNumber) {
            c.setNumber(1);
            EXPECT_EQ(c.get98(), "");
            c.set98("1");
            EXPECT_EQ(c.getNumber(), 0);
        } else {
            c.setText("1");  // text in both variants: each reads what the other wrote
            EXPECT_EQ(c.get98(), "1");
            c.set98("2");
            EXPECT_EQ(c.getText(), "2");
        }
    }
}

TEST_F(GlobalSettings, ReadersReadTheFirstPlaceOnly) {
    for (const GlobalCase& c : kCases) {
        SCOPED_TRACE(c.value);
        Clean();
        for (size_t i = 1; i < c.places.size(); ++i) {
            PutValue(kRoot, c.places[i].key, c.places[i].name, REG_SZ, TextBytes("7"));
        }
        if (c.getNumber) { EXPECT_EQ(c.getNumber(), 0); }
        if (c.getText) { EXPECT_EQ(c.getText(), ""); }
        EXPECT_EQ(c.get98(), "");
    }
}

TEST_F(GlobalSettings, MissingValuesReadAsTheDefaultAndReadersCreateNoKeys) {
    for (const GlobalCase& c : kCases) {
        SCOPED_TRACE(c.value);
        if (c.getNumber) { EXPECT_EQ(c.getNumber(), 0); }
        if (c.getText) { EXPECT_EQ(c.getText(), ""); }
        EXPECT_EQ(c.get98(), "");
    }
    EXPECT_NO_KEY(kRoot, kParams);
    EXPECT_NO_KEY(kRoot, kNWLinkKey);
    EXPECT_NO_KEY(kRoot, kNetBEUIKey);
}

TEST_F(GlobalSettings, ConnectionLimitsLiveUnderTheMachineKeyNotTheUsers) {
    PutValue(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPerServer", REG_DWORD, DwordBytes(2));
    PutValue(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server", REG_SZ, TextBytes("4"));
    EXPECT_EQ(GetMaxConnectionsPerServer(), 0);
    EXPECT_EQ(GetMaxConnectionsPer1_0Server98(), "");

    SetMaxConnectionsPerServer(10);
    SetMaxConnectionsPer1_0Server98("20");
    EXPECT_REG_DWORD(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPerServer", 2);
    EXPECT_REG_SZ(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server", "4");
    EXPECT_EQ(GetMaxConnectionsPerServer(), 10);
    EXPECT_EQ(GetMaxConnectionsPer1_0Server98(), "20");
}

}  // namespace
