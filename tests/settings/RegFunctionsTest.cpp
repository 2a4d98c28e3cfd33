// The registry procedures against Wine's real registry, in a scratch key of their own.
#include <gtest/gtest.h>

#include "RegCheck.h"
#include "settings/RegFunctions.h"

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;
const std::string kScratch = "SOFTWARE\\QuorvaneSoftware\\Tests";
const std::string kKey = kScratch + "\\Values";

class RegFunctions : public ::testing::Test {
protected:
    void SetUp() override { DeleteTree(kRoot, kScratch); }
    void TearDown() override { DeleteTree(kRoot, kScratch); }
};

struct StoredCase {
    const char* what;
    DWORD type;
    Bytes data;
};

Bytes Raw(const char* text, size_t size) { return Bytes(text, text + size); }

// Only the NT family can store a text without its NUL; Windows 9x always adds it.
TEST_F(RegFunctions, SetRegStringStoresTheTextWithoutNul) {
    const std::string texts[] = {"1500", "", "a b", "\xE9t\xE9", std::string(5000, 'x')};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 10));
        SetRegString(kRoot, kKey, "Text", text);
        EXPECT_REG_SZ(kRoot, kKey, "Text", text);
        EXPECT_EQ(GetRegString(kRoot, kKey, "Text", "fallback"), text);
    }
}

TEST_F(RegFunctions, GetRegStringReadsUpToTheFirstNulAndOnlyPlainText) {
    const struct {
        StoredCase stored;
        std::string expected;
    } cases[] = {
        {{"text with its NUL", REG_SZ, Raw("1500\0", 5)}, "1500"},
        {{"text after an embedded NUL", REG_SZ, Raw("ab\0cd", 5)}, "ab"},
        {{"NUL first", REG_SZ, Raw("\0ab", 3)}, ""},
        {{"empty text", REG_SZ, {}}, ""},
        {{"expandable text", REG_EXPAND_SZ, Raw("%TEMP%\0", 7)}, "fallback"},
        {{"multi text", REG_MULTI_SZ, Raw("a\0b\0\0", 5)}, "fallback"},
        {{"number", REG_DWORD, DwordBytes(1500)}, "fallback"},
        {{"binary", REG_BINARY, Raw("1500", 4)}, "fallback"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.what);
        PutValue(kRoot, kKey, "Text", c.stored.type, c.stored.data);
        EXPECT_EQ(GetRegString(kRoot, kKey, "Text", "fallback"), c.expected);
    }
    EXPECT_EQ(GetRegString(kRoot, kKey, "Missing", "fallback"), "fallback");
    EXPECT_EQ(GetRegString(kRoot, kKey, "Missing"), "");
    EXPECT_EQ(GetRegString(kRoot, kScratch + "\\NoSuchKey", "Text", "fallback"), "fallback");
}

TEST_F(RegFunctions, SetRegDwordStoresFourBytesLeastSignificantFirst) {
    const int32_t numbers[] = {0, 1500, -1, 0x12345678, INT32_MIN};
    for (int32_t number : numbers) {
        SetRegDword(kRoot, kKey, "Number", number);
        EXPECT_REG_DWORD(kRoot, kKey, "Number", uint32_t(number));
        EXPECT_EQ(GetRegDword(kRoot, kKey, "Number", 7), number);
    }
}

TEST_F(RegFunctions, GetRegDwordReadsOnlyNumbers) {
    const StoredCase cases[] = {
        {"number as text", REG_SZ, Raw("1500", 4)},
        {"four binary bytes", REG_BINARY, DwordBytes(1500)},
        {"eight binary bytes", REG_BINARY, Raw("12345678", 8)},
        {"big-endian number", REG_DWORD_BIG_ENDIAN, DwordBytes(1500)},
        {"expandable text", REG_EXPAND_SZ, Raw("15\0", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PutValue(kRoot, kKey, "Number", c.type, c.data);
        EXPECT_EQ(GetRegDword(kRoot, kKey, "Number", 7), 7);
        EXPECT_EQ(GetRegDword(kRoot, kKey, "Number"), 0);
    }
    EXPECT_EQ(GetRegDword(kRoot, kKey, "Missing", 7), 7);
    EXPECT_EQ(GetRegDword(kRoot, kScratch + "\\NoSuchKey", "Number", 7), 7);
}

TEST_F(RegFunctions, BinaryValuesAndTheAbsentMarker) {
    SetRegBinary(kRoot, kKey, "Binary", {1, 0, 0, 0});
    EXPECT_REG(kRoot, kKey, "Binary", REG_BINARY, Bytes({1, 0, 0, 0}));
    EXPECT_EQ(GetRegBinary(kRoot, kKey, "Binary"), RegBinary(Bytes{1, 0, 0, 0}));

    const RegBinary fallback = Bytes{9, 9};
    EXPECT_EQ(GetRegBinary(kRoot, kKey, "Missing"), std::nullopt);
    EXPECT_EQ(GetRegBinary(kRoot, kKey, "Missing", fallback), fallback);
    EXPECT_EQ(GetRegBinary(kRoot, kScratch + "\\NoSuchKey", "Binary"), std::nullopt);

    PutValue(kRoot, kKey, "Text", REG_SZ, Raw("1", 1));
    EXPECT_EQ(GetRegBinary(kRoot, kKey, "Text"), std::nullopt);
    EXPECT_EQ(GetRegBinary(kRoot, kKey, "Text", fallback), fallback);
    PutValue(kRoot, kKey, "Number", REG_DWORD, DwordBytes(1));
    EXPECT_EQ(GetRegBinary(kRoot, kKey, "Number"), std::nullopt);

    // An empty binary value is there all the same: an empty array, not the absent marker.
    PutValue(kRoot, kKey, "Empty", REG_BINARY, {});
    EXPECT_EQ(GetRegBinary(kRoot, kKey, "Empty"), RegBinary(Bytes{}));
}

TEST_F(RegFunctions, WritersCreateTheWholeMissingChain) {
    const struct {
        const char* what;
        void (*write)(const std::string& key);
        DWORD type;
        Bytes data;
    } writers[] = {
        {"text", [](const std::string& key) { SetRegString(kRoot, key, "V", "12"); }, REG_SZ, StoredText("12")},
        {"number", [](const std::string& key) { SetRegDword(kRoot, key, "V", 12); }, REG_DWORD, DwordBytes(12)},
        {"binary", [](const std::string& key) { SetRegBinary(kRoot, key, "V", {12}); }, REG_BINARY, {12}},
    };
    for (const auto& w : writers) {
        SCOPED_TRACE(w.what);
        DeleteTree(kRoot, kScratch);
        const std::string deep = kScratch + "\\A\\Ndi\\Params\\IPMTU";
        w.write(deep);
        EXPECT_REG(kRoot, deep, "V", w.type, w.data);
    }
}

TEST_F(RegFunctions, ReadersAndTheDeleterCreateNothing) {
    const std::string deep = kScratch + "\\A\\B";
    GetRegString(kRoot, deep, "V");
    GetRegDword(kRoot, deep, "V");
    GetRegBinary(kRoot, deep, "V");
    EnumRegKeys(kRoot, deep);
    DeleteRegValue(kRoot, deep, "V");
    DeleteRegValue(kRoot, deep, "");
    EXPECT_NO_KEY(kRoot, kScratch);
}

TEST_F(RegFunctions, DeleteRegValueRemovesOneValueOrTheUnnamedOne) {
    SetRegString(kRoot, kKey, "", "unnamed");
    SetRegString(kRoot, kKey, "Named", "named");
    EXPECT_REG_SZ(kRoot, kKey, "", "unnamed");
    EXPECT_EQ(GetRegString(kRoot, kKey, ""), "unnamed");

    DeleteRegValue(kRoot, kKey, "");
    EXPECT_NO_VALUE(kRoot, kKey, "");
    EXPECT_REG_SZ(kRoot, kKey, "Named", "named");

    DeleteRegValue(kRoot, kKey, "Named");
    EXPECT_NO_VALUE(kRoot, kKey, "Named");
    EXPECT_TRUE(KeyExists(kRoot, kKey));
}

TEST_F(RegFunctions, EnumRegKeysListsTheSubKeysInRegistryOrder) {
    EXPECT_TRUE(EnumRegKeys(kRoot, kKey).empty());
    SetRegString(kRoot, kKey, "V", "no sub-keys yet");
    EXPECT_TRUE(EnumRegKeys(kRoot, kKey).empty());

    for (const char* name : {"Zeta", "alpha", "0010", "Beta", "0002"})
        SetRegString(kRoot, kKey + "\\" + name, "V", "x");
    SetRegString(kRoot, kKey + "\\Beta\\Below", "V", "not listed");

    const std::vector<std::string> expected = {"0002", "0010", "alpha", "Beta", "Zeta"};
    EXPECT_EQ(EnumRegKeys(kRoot, kKey), expected);
}

TEST_F(RegFunctions, FailureCountRisesOnlyForRefusedWrites) {
    const std::string volatileKey = kScratch + "\\Volatile";
    PutValue(kRoot, kScratch, "Lasting", REG_SZ, TextBytes("so only the last key is volatile"));
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(kRoot, volatileKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(handle);

    const unsigned before = RegFailureCount();
    SetRegString(kRoot, volatileKey, "Here", "allowed");
    SetRegDword(kRoot, kKey, "Number", 1);
    DeleteRegValue(kRoot, kKey, "Missing");
    DeleteRegValue(kRoot, kScratch + "\\NoSuchKey", "Missing");
    EXPECT_EQ(RegFailureCount(), before);
    EXPECT_REG_SZ(kRoot, volatileKey, "Here", "allowed");

    // A lasting key below a volatile one is refused (ERROR_CHILD_MUST_BE_VOLATILE).
    SetRegString(kRoot, volatileKey + "\\Child\\Deeper", "Text", "refused");
    EXPECT_EQ(RegFailureCount(), before + 1);
    EXPECT_NO_KEY(kRoot, volatileKey + "\\Child");

    SetRegBinary(kRoot, volatileKey + "\\Child", "Binary", {1});
    SetRegDword(kRoot, volatileKey + "\\Child", "Number", 1);
    EXPECT_EQ(RegFailureCount(), before + 3);
}

}  // namespace
