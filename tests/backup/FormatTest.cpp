// The backup file format on its own: exact bytes of the records, the check that guards every
// restore, what a restore does with each saved value, and the rules for names.
#include "backup/BackupFile.h"
#include "backup/BackupNames.h"

#include <gtest/gtest.h>

#include <set>

using namespace backup;

namespace {

Bytes FileOf(const SettingsBackup& backup) {
    EncodedBackup encoded = EncodeBackup(backup);
    EXPECT_EQ(encoded.tooLong, "");
    return WriteRecords({}, encoded.records);
}

Bytes Head(const Bytes& file, int record, size_t count) {
    Record r = RecordAt(file, record);
    return Bytes(r.begin(), r.begin() + count);
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Join(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

SettingsBackup WithSlowNet(Layout layout, const SavedValue& value) {
    SettingsBackup backup = NewBackup(layout);
    backup.adapterValues[0][SlowNetValue] = value;
    return backup;
}

const Layout AllLayouts[] = {Layout::NT, Layout::Win98, Layout::Win95, Layout::Fallback};

}  // namespace

TEST(BackupFormat, NewAdapterLayoutFilesHaveElevenSlotsAndTheirKeys) {
    for (Layout layout : {Layout::Win95, Layout::Win98, Layout::Fallback}) {
        Bytes file = FileOf(NewBackup(layout));
        EXPECT_EQ(file.size(), 18304u);
        EXPECT_EQ(Head(file, 1, 4), (Bytes{0x0A, 0, 0, 0}));
        EXPECT_EQ(Head(file, 2, 8), Join({0x08, 0, 0x04, 0}, Text("0000")));
        EXPECT_EQ(Head(file, 3, 17), Join({0x08, 0, 0x0D, 0}, Text("NetTrans\\0000")));
        EXPECT_EQ(Head(file, 22, 8), Join({0x08, 0, 0x04, 0}, Text("0010")));
        EXPECT_EQ(Head(file, 23, 17), Join({0x08, 0, 0x0D, 0}, Text("NetTrans\\0010")));
    }
}

TEST(BackupFormat, NewNTFileHasTenRecordsTheFirstOneZero) {
    SettingsBackup backup = NewBackup(Layout::NT);
    backup.globals[0] = SavedValue::OfNumber(0x0001F4E0);
    Bytes file = FileOf(backup);
    EXPECT_EQ(file.size(), 1280u);
    EXPECT_EQ(Head(file, 1, 128), Bytes(128, 0));
    EXPECT_EQ(Head(file, 2, 6), (Bytes{0x03, 0, 0xE0, 0xF4, 0x01, 0}));
    EXPECT_EQ(Head(FileOf(NewBackup(Layout::NT)), 2, 6), (Bytes{0x03, 0, 0, 0, 0, 0}));
}

TEST(BackupFormat, SlowNetIsOneByteIn98AndTheWholeArrayIn95) {
    SavedValue one = SavedValue::OfBytes({0x01});
    EXPECT_EQ(Head(FileOf(WithSlowNet(Layout::Win98, one)), 31, 4), (Bytes{0x11, 0, 0x01, 0}));
    EXPECT_EQ(Head(FileOf(WithSlowNet(Layout::Win95, one)), 31, 14),
              (Bytes{0x11, 0x20, 0x01, 0, 0x01, 0, 0, 0, 0, 0, 0, 0, 0x01, 0}));
    for (Layout layout : {Layout::Win95, Layout::Win98, Layout::Fallback})
        EXPECT_EQ(Head(FileOf(NewBackup(layout)), 31, 4), (Bytes{0x08, 0, 0, 0}));
}

TEST(BackupFormat, GlobalRecordsFollowTheLayoutsColumns) {
    struct Case { Layout layout; int record; Bytes head; };
    const Case cases[] = {
        {Layout::Win95, 112, {0x03, 0, 0, 0, 0, 0}},    // BSDUrgent, number
        {Layout::Win98, 112, {0x08, 0, 0, 0}},          // BSDUrgent, text
        {Layout::Win95, 114, {0x08, 0, 0, 0}},          // DefaultTTL, text everywhere
        {Layout::Fallback, 134, {0, 0, 0, 0}},          // MaxConnectionsPer1_0Server, plain
        {Layout::Win95, 134, {0x03, 0, 0, 0, 0, 0}},
        {Layout::Win98, 143, {0, 0}},                   // NetBEUI sessions min, plain text
        {Layout::Win95, 143, {0x08, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Head(FileOf(NewBackup(c.layout)), c.record, c.head.size()), c.head)
            << "record " << c.record;
}

TEST(BackupFormat, NTBackupOverA95FileKeepsItsLengthAndOtherRecords) {
    SettingsBackup old95 = NewBackup(Layout::Win95);
    old95.globals[2] = SavedValue::OfText("128");
    Bytes before = FileOf(old95);
    SettingsBackup nt = NewBackup(Layout::NT);
    nt.globals[1] = SavedValue::OfNumber(64);
    Bytes after = WriteRecords(before, EncodeBackup(nt).records);
    ASSERT_EQ(after.size(), 18304u);
    EXPECT_EQ(RecordAt(after, 1), RecordAt(before, 1));
    for (int n = 11; n <= 143; ++n) EXPECT_EQ(RecordAt(after, n), RecordAt(before, n)) << n;
    EXPECT_EQ(Head(after, 3, 6), (Bytes{0x03, 0, 64, 0, 0, 0}));
}

TEST(BackupFormat, ValuesThatDoNotFitTheirRecordAreNamed) {
    struct Case { Layout layout; int slot, k, g; SavedValue value; std::string tooLong; };
    const Case cases[] = {
        {Layout::Win95, 3, 0, -1, SavedValue::OfText(std::string(124, '1')), ""},
        {Layout::Win95, 3, 0, -1, SavedValue::OfText(std::string(125, '1')), "IPMTU of adapter 0003"},
        {Layout::Win95, 0, 7, -1, SavedValue::OfBytes(Bytes(116, 1)), ""},
        {Layout::Win95, 0, 7, -1, SavedValue::OfBytes(Bytes(117, 1)), "SLOWNET of adapter 0000"},
        {Layout::Win98, 0, 7, -1, SavedValue::OfBytes(Bytes(117, 1)), ""},  // keeps one byte
        {Layout::Win98, -1, 0, 31, SavedValue::OfText(std::string(126, 'x')), ""},
        {Layout::Win98, -1, 0, 31, SavedValue::OfText(std::string(127, 'x')), "NetBEUI sessions min"},
        {Layout::Win98, -1, 0, 2, SavedValue::OfText(std::string(125, 'x')), "DefaultTTL"},
    };
    for (const Case& c : cases) {
        SettingsBackup backup = NewBackup(c.layout);
        (c.slot >= 0 ? backup.adapterValues[c.slot][c.k] : backup.globals[c.g]) = c.value;
        EXPECT_EQ(EncodeBackup(backup).tooLong, c.tooLong);
    }
}

TEST(BackupFormat, LayoutFollowsTheFirstTrueFamilyTest) {
    EXPECT_EQ(ChooseLayout(true, true, true, false, false), Layout::NT);
    EXPECT_EQ(ChooseLayout(false, true, true, false, false), Layout::NT);
    EXPECT_EQ(ChooseLayout(false, false, true, false, false), Layout::NT);
    EXPECT_EQ(ChooseLayout(false, false, false, true, true), Layout::Win98);  // 98 and Me
    EXPECT_EQ(ChooseLayout(false, false, false, false, true), Layout::Win95);
    EXPECT_EQ(ChooseLayout(false, false, false, false, false), Layout::Fallback);
}

TEST(BackupFileCheck, EveryWrittenLayoutPassesOnlyItsOwnCheck) {
    for (Layout written : {Layout::NT, Layout::Win98, Layout::Win95}) {
        Bytes file = FileOf(NewBackup(written));
        for (Layout read : AllLayouts) {
            FileVerdict expected = read == written ? FileVerdict::Valid : FileVerdict::OtherLayout;
            if (written == Layout::Win95 && read == Layout::Fallback) expected = FileVerdict::Valid;
            EXPECT_EQ(CheckBackupFile(file, read), expected)
                << int(written) << " read as " << int(read);
        }
    }
}

TEST(BackupFileCheck, DamagedFilesAreRefusedWhole) {
    Bytes good = FileOf(NewBackup(Layout::Win98));
    auto with = [&](int record, Bytes head) {
        Bytes file = good;
        Record r{};
        std::copy(head.begin(), head.end(), r.begin());
        PutRecord(file, record, r);
        return file;
    };
    struct Case { const char* what; Bytes file; };
    const Case cases[] = {
        {"one byte short", Bytes(good.begin(), good.end() - 1)},
        {"empty file", {}},
        {"N below 0", with(1, {0xFF, 0xFF})},
        {"N above 10", with(1, {0x0B, 0})},
        {"adapter key leaving the class key", with(2, Join({0x08, 0, 0x04, 0}, Text("..\\x")))},
        {"adapter key of letters", with(2, Join({0x08, 0, 0x04, 0}, Text("000A")))},
        {"adapter key of five digits", with(2, Join({0x08, 0, 0x05, 0}, Text("00000")))},
        {"adapter key empty", with(2, {0x08, 0, 0, 0})},
        {"protocol key elsewhere", with(3, Join({0x08, 0, 0x0D, 0}, Text("NetTrans\\..\\x")))},
        {"protocol key of another class", with(3, Join({0x08, 0, 0x0D, 0}, Text("NetTrans/0000")))},
        {"number where text belongs", with(24, {0x03, 0, 0xDC, 0x05, 0, 0})},
        {"text longer than its record", with(24, {0x08, 0, 125, 0})},
        {"unknown tag", with(112, {0x07, 0})},
        {"plain text longer than its record", with(143, {127, 0})},
        {"SLOWNET of the 95 layout", with(31, {0x11, 0x20, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1})},
    };
    for (const Case& c : cases) {
        EXPECT_NE(CheckBackupFile(c.file, Layout::Win98), FileVerdict::Valid) << c.what;
        EXPECT_FALSE(ReadBackupFile(c.file, Layout::Win98).has_value()) << c.what;
    }
    Bytes nt = FileOf(NewBackup(Layout::NT));
    EXPECT_EQ(CheckBackupFile(Bytes(nt.begin(), nt.end() - 128), Layout::NT), FileVerdict::Damaged);
    Record text{0x08, 0, 0x02, 0, '6', '4'};
    PutRecord(nt, 3, text);
    EXPECT_EQ(CheckBackupFile(nt, Layout::NT), FileVerdict::Damaged);
}

TEST(BackupFileCheck, ByteArraysMustHaveOneDimensionFromZero) {
    Bytes good = FileOf(WithSlowNet(Layout::Win95, SavedValue::OfBytes({1})));
    ASSERT_EQ(CheckBackupFile(good, Layout::Win95), FileVerdict::Valid);
    for (auto [at, byte] : {std::pair<int, int>{2, 2}, {4, 117}, {8, 1}}) {
        Bytes file = good;
        file[30 * 128 + at] = byte;
        EXPECT_EQ(CheckBackupFile(file, Layout::Win95), FileVerdict::Damaged) << at;
    }
}

TEST(BackupFileCheck, ZeroRecordsAreEmptyValuesAndAFewerSlotsFileIsValid) {
    Bytes file = FileOf(NewBackup(Layout::Win95));
    PutRecord(file, 112, Record{});
    PutRecord(file, 24, Record{});
    EXPECT_EQ(CheckBackupFile(file, Layout::Win95), FileVerdict::Valid);
    // N = 0: one slot, its values from record 4, the globals from record 12.
    SettingsBackup one = NewBackup(Layout::Win98);
    one.slots.resize(1);
    one.adapterValues.resize(1);
    one.adapterValues[0][0] = SavedValue::OfText("1500");
    Bytes small = FileOf(one);
    EXPECT_EQ(small.size(), 43u * 128);
    auto read = ReadBackupFile(small, Layout::Win98);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->slots.size(), 1u);
    EXPECT_EQ(read->adapterValues[0][0].text, "1500");
}

TEST(BackupRestorePlan, ActsSlotBySlotThenOnTheGlobals) {
    SettingsBackup backup = NewBackup(Layout::Win98);
    backup.adapterValues[0][0] = SavedValue::OfText("1500");
    backup.adapterValues[1][7] = SavedValue::OfBytes({1, 2});
    backup.globals[21] = SavedValue::OfText("8");
    auto read = ReadBackupFile(FileOf(backup), Layout::Win98);
    ASSERT_TRUE(read.has_value());
    std::vector<RestoreStep> steps = PlanRestore(*read);
    ASSERT_EQ(steps.size(), 11u * 8 + 32);
    for (size_t i = 0; i < 88; ++i) {
        EXPECT_EQ(steps[i].slot, int(i / 8));
        EXPECT_EQ(steps[i].value, int(i % 8));
    }
    EXPECT_FALSE(steps[0].remove);
    EXPECT_EQ(steps[0].argument.text, "1500");
    EXPECT_TRUE(steps[1].remove);
    EXPECT_TRUE(steps[7].remove);  // missing SLOWNET, saved as text
    EXPECT_FALSE(steps[15].remove);
    EXPECT_EQ(steps[15].argument.bytes, Bytes{1});
    EXPECT_EQ(steps[88 + 21].argument.text, "8");
    EXPECT_TRUE(steps[88 + 22].remove);
}

TEST(BackupRestorePlan, SavedZeroAndEmptyMeanDelete) {
    SettingsBackup w95 = NewBackup(Layout::Win95);
    w95.adapterValues[0][7] = SavedValue::OfBytes({0, 5});
    w95.globals[0] = SavedValue::OfNumber(1);
    w95.globals[1] = SavedValue::OfNumber(0);
    auto steps = PlanRestore(*ReadBackupFile(FileOf(w95), Layout::Win95));
    EXPECT_FALSE(steps[7].remove);  // a SLOWNET of 0 is written back, one byte
    EXPECT_EQ(steps[7].argument.bytes, Bytes{0});
    EXPECT_EQ(steps[88].argument.number, 1);
    EXPECT_TRUE(steps[89].remove);
    SettingsBackup nt = NewBackup(Layout::NT);
    nt.globals[1] = SavedValue::OfNumber(128);
    auto ntSteps = PlanRestore(*ReadBackupFile(FileOf(nt), Layout::NT));
    ASSERT_EQ(ntSteps.size(), 9u);
    EXPECT_TRUE(ntSteps[0].remove);
    EXPECT_EQ(ntSteps[1].argument.number, 128);
}

TEST(BackupNames, RefusesWhatCannotBeAFileOfTheBackupFolder) {
    const char* refused[] = {"..\\..\\x", "a/b", "c:x", "what?", "star*", "<a>", "pipe|", "quote\"",
                             "tab\t", "CON", "con", "Prn", "AUX", "NUL", "COM1", "lpt9", "NUL.txt",
                             "com3 ", "CON."};
    for (const char* name : refused) EXPECT_NE(NameProblem(name, 40), "") << name;
    const char* accepted[] = {"12_8_2026_1", "before the update", "COM10", "CONSOLE", "LPT0",
                              "a.b", " leading blank", "Zürich", "name.", "name ", ".", ".."};
    for (const char* name : accepted) EXPECT_EQ(NameProblem(name, 40), "") << name;
    EXPECT_EQ(NameProblem(std::string(259 - 40 - 5, 'x'), 40), "");
    EXPECT_NE(NameProblem(std::string(259 - 40 - 4, 'x'), 40), "");
}

// In Shift-JIS the second byte of 表 (95 5C) and 能 (94 5C) is the byte of "\", that of ポ (83 7C)
// the byte of "|"; the NT family limits a path in characters, Windows 95, 98 and Me in bytes.
TEST(BackupNames, ReadsDoubleByteNamesByCharacter) {
    struct Case { const char* name; char forbidden; };
    const Case cases[] = {{"\x95\x5c\x8e\xa6", 0},            // 表示
                          {"\x83\x7c\x81\x5b\x83\x67", 0},    // ポート
                          {"\x94\x5c\x97\xcd", 0},            // 能力
                          {"\x95\x5c\\\x8e\xa6", '\\'},       // 表\示
                          {"\x83\x7c|", '|'}};                // ポ|
    for (const Case& c : cases) {
        std::string problem = NameProblem(c.name, 40, 932);
        if (c.forbidden) EXPECT_NE(problem.find(std::string("character ") + c.forbidden + ","),
                                   std::string::npos) << problem;
        else EXPECT_EQ(problem, "") << c.name;
    }
    std::string wide;
    for (int i = 0; i < 259 - 40 - 5; ++i) wide += "\x82\xa0";  // あ
    EXPECT_EQ(NameProblem(wide, 40, 932, true), "");
    EXPECT_NE(NameProblem(wide + "\x82\xa0", 40, 932, true), "");
    EXPECT_NE(NameProblem(wide.substr(0, 216), 40, 932, false), "");
}

TEST(BackupNames, ListsDatFilesCaseSensitivelyWithoutTheirExtension) {
    struct Case { const char* file; bool listed; const char* shown; };
    const Case cases[] = {{"a.dat", true, "a"}, {"b.txt", false, ""}, {"c.DAT", false, ""},
                          {"dat", false, ""}, {".dat", false, ""}, {"my backup.dat", true, "my backup"},
                          {"x_dat", false, ""}, {"notesdat", false, ""}, {"x.dat", true, "x"}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsListedBackup(c.file), c.listed) << c.file;
        if (c.listed) {
            EXPECT_EQ(ShownName(c.file), c.shown);
        }
    }
}

TEST(BackupNames, ProposesTheDateAndTheFirstFreeNumber) {
    std::set<std::string> files;
    auto exists = [&](const std::string& f) { return files.count(f) > 0; };
    EXPECT_EQ(ProposedName("12/8/2026", exists), "12_8_2026_1");
    files = {"12_8_2026_1.dat", "12_8_2026_2.dat", "12_8_2026_4.dat"};
    EXPECT_EQ(ProposedName("12/8/2026", exists), "12_8_2026_3");
    files = {"12_8_2026_1.DAT"};
    EXPECT_EQ(ProposedName("12/8/2026", exists), "12_8_2026_1");
    EXPECT_EQ(ProposedName("08.12.2026", exists), "08_12_2026_1");
    EXPECT_EQ(ProposedName("2026-12-08", exists), "2026-12-08_1");
}
