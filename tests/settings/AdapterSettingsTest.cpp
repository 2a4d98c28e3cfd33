// The per-adapter values of Windows 95, 98 and Me: every place each writer stores, and what the
// readers see, against Wine's registry.
#include <gtest/gtest.h>

#include "RegCheck.h"
#include "settings/AdapterSettings.h"

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;
const std::string kAdapter = "0003";
const std::string kProtocol = "NetTrans\\0003";
const std::string kAdapterKey = std::string(kNetKey) + "\\0003";
const std::string kProtocolKey = std::string(kClassTree) + "\\NetTrans\\0003";

std::string ParamKey(const std::string& value) { return kAdapterKey + "\\Ndi\\Params\\" + value; }

using Writer = void (*)(const std::string& text);
using Reader = std::string (*)(const std::string& adapter);

struct AdapterCase {
    const char* value;
    Writer set95, set98;
    Reader get95, get98;
    std::vector<RegPlace> places;
};

#define WITH_PROTOCOL(name) \
    [](const std::string& t) { Set##name(kAdapter, kProtocol, t); }, \
    [](const std::string& t) { Set##name##98(kAdapter, kProtocol, t); }, &Get##name, &Get##name##98
#define ADAPTER_ONLY(name) \
    [](const std::string& t) { Set##name(kAdapter, t); }, \
    [](const std::string& t) { Set##name##98(kAdapter, t); }, &Get##name, &Get##name##98

const AdapterCase kCases[] = {
    {"IPMTU", WITH_PROTOCOL(IPMTU),
     {{kAdapterKey, "IPMTU"}, {ParamKey("IPMTU"), "default"}, {kProtocolKey, "IPMTU"}}},
    {"IPXHeaderCompression", ADAPTER_ONLY(IPXHeaderCompression),
     {{kAdapterKey, "IPXHeaderCompression"}, {ParamKey("IPXHeaderCompression"), "default"}}},
    {"Logging", ADAPTER_ONLY(Logging), {{kAdapterKey, "Logging"}, {ParamKey("Logging"), "default"}}},
    {"MaxMSS", WITH_PROTOCOL(MaxMSS), {{kAdapterKey, "MaxMSS"}, {kProtocolKey, "MaxMSS"}}},
    {"MaxMTU", WITH_PROTOCOL(MaxMTU), {{kAdapterKey, "MaxMTU"}, {kProtocolKey, "MaxMTU"}}},
    {"MSS", WITH_PROTOCOL(MSS), {{kAdapterKey, "MSS"}, {kProtocolKey, "MSS"}, {kTcpKey, "DefaultMSS"}}},
    {"PointToPointIP", ADAPTER_ONLY(PointToPointIP),
     {{kAdapterKey, "PointToPointIP"}, {ParamKey("PointToPointIP"), "default"}}},
};

// Every place any per-adapter writer could touch, to show that each writes its own places only.
std::vector<RegPlace> AllPlaces() {
    std::vector<RegPlace> all;
    for (const AdapterCase& c : kCases) all.insert(all.end(), c.places.begin(), c.places.end());
    all.push_back({kAdapterKey, "SLOWNET"});
    all.push_back({kProtocolKey, "SLOWNET"});
    return all;
}

bool Listed(const std::vector<RegPlace>& places, const RegPlace& place) {
    for (const RegPlace& p : places)
        if (p.key == place.key && p.name == place.name) return true;
    return false;
}

class AdapterSettings : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        DeleteTree(kRoot, kClassTree);
        DeleteValues(kRoot, kTcpKey, {"DefaultMSS"});
    }
};

TEST_F(AdapterSettings, EachWriterStoresTheTextAtEveryPlaceAndNowhereElse) {
    for (const AdapterCase& c : kCases) {
        for (bool ninetyEight : {false, true}) {
            SCOPED_TRACE(std::string(c.value) + (ninetyEight ? "98" : ""));
            Clean();
            (ninetyEight ? c.set98 : c.set95)("1500");
            for (const RegPlace& place : c.places) EXPECT_REG_SZ(kRoot, place.key, place.name, "1500");
            for (const RegPlace& place : AllPlaces())
                if (!Listed(c.places, place)) EXPECT_NO_VALUE(kRoot, place.key, place.name);
            EXPECT_EQ(c.get95(kAdapter), "1500");
            EXPECT_EQ(c.get98(kAdapter), "1500");
        }
    }
}

TEST_F(AdapterSettings, ReadersReadTheAdapterKeyOnly) {
    for (const AdapterCase& c : kCases) {
        SCOPED_TRACE(c.value);
        Clean();
        for (const RegPlace& place : c.places)
            if (place.key != kAdapterKey) PutValue(kRoot, place.key, place.name, REG_SZ, TextBytes("576"));
        EXPECT_EQ(c.get95(kAdapter), "");
        EXPECT_EQ(c.get98(kAdapter), "");
        EXPECT_EQ(c.get95("0004"), "");
    }
}

TEST_F(AdapterSettings, ValuesOfAnotherTypeReadAsEmptyText) {
    const struct {
        DWORD type;
        Bytes data;
    } stored[] = {{REG_DWORD, DwordBytes(1500)}, {REG_BINARY, TextBytes("1500")},
                  {REG_EXPAND_SZ, TextBytes(std::string("1500", 5))}};
    for (const AdapterCase& c : kCases) {
        for (const auto& s : stored) {
            SCOPED_TRACE(std::string(c.value) + " type " + std::to_string(s.type));
            PutValue(kRoot, kAdapterKey, c.value, s.type, s.data);
            EXPECT_EQ(c.get95(kAdapter), "");
            EXPECT_EQ(c.get98(kAdapter), "");
        }
    }
}

TEST_F(AdapterSettings, MSSChangesTheGlobalDefaultMSSForEverySlotWritten) {
    SetMSS("0000", "NetTrans\\0000", "1460");
    EXPECT_REG_SZ(kRoot, kTcpKey, "DefaultMSS", "1460");
    SetMSS98("0010", "NetTrans\\0010", "536");
    EXPECT_REG_SZ(kRoot, kTcpKey, "DefaultMSS", "536");
    EXPECT_REG_SZ(kRoot, std::string(kNetKey) + "\\0000", "MSS", "1460");
    EXPECT_REG_SZ(kRoot, std::string(kClassTree) + "\\NetTrans\\0010", "MSS", "536");
}

TEST_F(AdapterSettings, SLOWNETIsBinaryOnTheAdapterAndItsFirstByteOnTheProtocol) {
    const struct {
        void (*set)(const std::string&, const std::string&, const Bytes&);
        RegBinary (*get)(const std::string&);
        Bytes bytes;
        uint32_t number;
    } cases[] = {
        {&SetSLOWNET, &GetSLOWNET, {1, 0, 0, 0}, 1},
        {&SetSLOWNET98, &GetSLOWNET98, {1, 0, 0, 0}, 1},
        {&SetSLOWNET, &GetSLOWNET, {0xC8}, 200},
        {&SetSLOWNET98, &GetSLOWNET98, {0, 7}, 0},
    };
    for (const auto& c : cases) {
        Clean();
        c.set(kAdapter, kProtocol, c.bytes);
        EXPECT_REG(kRoot, kAdapterKey, "SLOWNET", REG_BINARY, c.bytes);
        EXPECT_REG_DWORD(kRoot, kProtocolKey, "SLOWNET", c.number);
        EXPECT_EQ(c.get(kAdapter), RegBinary(c.bytes));
    }
}

TEST_F(AdapterSettings, SLOWNETReadsAsAbsentWhenMissingOrNotBinary) {
    EXPECT_EQ(GetSLOWNET(kAdapter), std::nullopt);
    PutValue(kRoot, kProtocolKey, "SLOWNET", REG_DWORD, DwordBytes(1));
    EXPECT_EQ(GetSLOWNET98(kAdapter), std::nullopt);
    PutValue(kRoot, kAdapterKey, "SLOWNET", REG_DWORD, DwordBytes(1));
    EXPECT_EQ(GetSLOWNET(kAdapter), std::nullopt);
    EXPECT_EQ(GetSLOWNET98(kAdapter), std::nullopt);
}

TEST_F(AdapterSettings, AnEmptySLOWNETWritesNothing) {
    SetSLOWNET(kAdapter, kProtocol, {});
    SetSLOWNET98(kAdapter, kProtocol, {});
    EXPECT_NO_KEY(kRoot, kClassTree);
}

TEST_F(AdapterSettings, ReadersCreateNoKeys) {
    for (const AdapterCase& c : kCases) {
        c.get95(kAdapter);
        c.get98(kAdapter);
    }
    GetSLOWNET(kAdapter);
    GetSLOWNET98(kAdapter);
    EXPECT_NO_KEY(kRoot, kClassTree);
}

}  // namespace
