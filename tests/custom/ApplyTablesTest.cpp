// The three apply routines called directly with list choices, against the documented tables.
#include <gtest/gtest.h>

#include "settings/Settings.h"
#include "tests/custom/Expected.h"
#include "tuner/CustomApply.h"

namespace {

const Slot kAdapter = {"0003", "NetTrans\\0003"};
const Slot kOtherAdapter = {"0005", "NetTrans\\0005"};

std::vector<AdapterSlot> Slots(const std::vector<Slot>& slots) {
  std::vector<AdapterSlot> out;
  for (const Slot& s : slots) out.push_back({s.subkey, s.driver});
  return out;
}

std::vector<Slot> ElevenSlots() {
  return {{"0000", "NetTrans\\0000"}, {"0001", "NetTrans\\0001"}, {"0002", "NetTrans\\0002"},
          {"0003", "NetTrans\\0003"}, {"0004", "NetTrans\\0004"}, {"0005", "NetTrans\\0005"},
          {"0006", "NetTrans\\0006"}, {"0007", "NetTrans\\0007"}, {"0008", "NetTrans\\0008"},
          {"0009", "NetTrans\\0009"}, {"0010", "NetTrans\\0010"}};
}

void Apply(bool is98, const CustomChoices& choices, const std::vector<Slot>& slots) {
  if (is98) ApplyCustomSettings98(choices, Slots(slots));
  else ApplyCustomSettings95Me(choices, Slots(slots));
}

CustomChoices Choose(int list, int index) {
  CustomChoices choices;
  choices[list] = index;
  return choices;
}

// What a write of item `index` of a list leaves at the given slots, added to `into`.
void AddWrites(RegSnapshot& into, const ListCase& c, int index, const std::vector<Slot>& slots,
               bool is98) {
  for (const Slot& slot : c.perAdapter() ? slots : std::vector<Slot>{Slot{}})
    for (const Place& p : c.writes)
      into[SnapshotKey(KeyOf(p, slot), p.name)] = EntryOf(p, c.values[index - 1], is98);
}

// Every value any list could touch, for two adapters, plus a bystander value in each key.
RegSnapshot Seed() {
  Clear9x();
  for (const ListCase& c : ListCases9x())
    for (const Slot& slot : {kAdapter, kOtherAdapter})
      for (const std::vector<Place>* places : {&c.writes, &c.unnamed})
        for (const Place& p : *places) {
          PutString(HKEY_LOCAL_MACHINE, KeyOf(p, slot), p.name, "seed");
          PutString(HKEY_LOCAL_MACHINE, KeyOf(p, slot), "Bystander", "stays");
        }
  return Snapshot9x();
}

void RemoveDefaults(RegSnapshot& from, const ListCase& c, const std::vector<Slot>& slots) {
  for (const Slot& slot : c.perAdapter() ? slots : std::vector<Slot>{Slot{}})
    for (const std::vector<Place>* places : {&c.writes, &c.unnamed})
      for (const Place& p : *places) from.erase(SnapshotKey(KeyOf(p, slot), p.name));
}

class Variant : public ::testing::TestWithParam<bool> {};
INSTANTIATE_TEST_SUITE_P(Both, Variant, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Win98" : "Win95Me"; });

TEST_P(Variant, EveryItemOfEveryListWritesItsValueAtItsPlacesOnly) {
  const bool is98 = GetParam();
  for (const ListCase& c : ListCases9x())
    for (int index = 1; index <= static_cast<int>(c.items.size()); ++index) {
      Clear9x();
      Apply(is98, Choose(c.list, index), {kAdapter});
      RegSnapshot expected;
      AddWrites(expected, c, index, {kAdapter}, is98);
      EXPECT_EQ(Snapshot9x(), expected) << "Combo" << c.list << " item " << c.items[index - 1];
    }
}

TEST_P(Variant, DefaultDeletesExactlyItsRowsPlaces) {
  const bool is98 = GetParam();
  for (const ListCase& c : ListCases9x()) {
    RegSnapshot expected = Seed();
    Apply(is98, Choose(c.list, 0), {kAdapter});
    RemoveDefaults(expected, c, {kAdapter});
    EXPECT_EQ(Snapshot9x(), expected) << "Combo" << c.list;
  }
}

TEST_P(Variant, ListsWithoutChoiceOrPastTheLastItemTouchNothing) {
  const bool is98 = GetParam();
  const RegSnapshot seeded = Seed();
  Apply(is98, CustomChoices(), ElevenSlots());
  EXPECT_EQ(Snapshot9x(), seeded);
  for (const ListCase& c : ListCases9x()) {
    Apply(is98, Choose(c.list, static_cast<int>(c.items.size()) + 1), ElevenSlots());
    Apply(is98, Choose(c.list, -2), ElevenSlots());
  }
  EXPECT_EQ(Snapshot9x(), seeded);
}

TEST_P(Variant, DefaultAdapterWritesAndDeletesAtAllElevenSlots) {
  const bool is98 = GetParam();
  for (const ListCase& c : ListCases9x()) {
    if (!c.perAdapter()) continue;
    Clear9x();
    PutString(HKEY_LOCAL_MACHINE, KeyOf({"{A}", "Bystander"}, {"0011", ""}), "Bystander", "stays");
    const RegSnapshot before = Snapshot9x();
    Apply(is98, Choose(c.list, 1), ElevenSlots());
    RegSnapshot expected = before;
    AddWrites(expected, c, 1, ElevenSlots(), is98);
    EXPECT_EQ(Snapshot9x(), expected) << "Combo" << c.list;

    for (const Slot& slot : ElevenSlots())
      for (const Place& p : c.unnamed) PutString(HKEY_LOCAL_MACHINE, KeyOf(p, slot), p.name, "x");
    Apply(is98, Choose(c.list, 0), ElevenSlots());
    EXPECT_EQ(Snapshot9x(), before) << "Combo" << c.list;
  }
}

// An adapter whose binding names no protocol instance gets what a bound one gets on its own keys,
// for every item and "Default"; the class key, which its empty instance would name, keeps its values.
TEST_P(Variant, AnAdapterWithoutAProtocolInstanceKeepsToItsOwnKeys) {
  const std::string classKey = "System\\CurrentControlSet\\Services\\Class";
  const char* const names[] = {"IPMTU", "MaxMTU", "MSS", "SLOWNET"};
  auto run = [&](const std::string& protocol, const CustomChoices& choices) {
    Seed();
    for (const char* name : names) PutString(HKEY_LOCAL_MACHINE, classKey, name, "seed");
    Apply(GetParam(), choices, {{kAdapter.subkey, protocol}});
    RegSnapshot state = SnapshotTree(HKEY_LOCAL_MACHINE, classKey + "\\Net");
    for (const char* name : names) state.merge(SnapshotValue(HKEY_LOCAL_MACHINE, classKey, name));
    return state;
  };
  for (const ListCase& c : ListCases9x())
    for (int index = 0; c.perAdapter() && index <= 1; ++index)
      EXPECT_EQ(run("", Choose(c.list, index)), run(kAdapter.driver, Choose(c.list, index)))
          << "Combo" << c.list << " item " << index;
  DeleteTree(HKEY_LOCAL_MACHINE, classKey);
}

TEST_P(Variant, GlobalListsGiveTheSameResultForEitherAdapterChoice) {
  const bool is98 = GetParam();
  CustomChoices choices;
  for (const ListCase& c : ListCases9x())
    if (!c.perAdapter()) choices[c.list] = static_cast<int>(c.items.size());
  Clear9x();
  Apply(is98, choices, ElevenSlots());
  const RegSnapshot withDefaultAdapter = Snapshot9x();
  Clear9x();
  Apply(is98, choices, {kOtherAdapter});
  EXPECT_EQ(Snapshot9x(), withDefaultAdapter);
  EXPECT_EQ(withDefaultAdapter.count(SnapshotKey(
                "System\\CurrentControlSet\\Services\\VxD\\NETBEUI", "sessions")), 1u);
}

TEST_P(Variant, TheLaterCacheSizeListDecides) {
  const bool is98 = GetParam();
  const ListCase& cache = ListCase9x(20);
  const Slot none;
  auto values = [&] {
    RegSnapshot all = Snapshot9x(), out;
    for (const Place& p : cache.writes) {
      auto it = all.find(SnapshotKey(KeyOf(p, none), p.name));
      out[p.name] = it == all.end() ? "absent" : it->second;
    }
    out["(unnamed)"] = all.count(SnapshotKey(KeyOf(cache.unnamed[0], none), "")) ? "there" : "absent";
    return out;
  };
  auto run = [&](int first, int second) {
    Seed();
    CustomChoices choices;
    choices[19] = first;
    choices[20] = second;
    Apply(is98, choices, {kAdapter});
    return values();
  };
  const int i64 = 6, i16 = 4, i8 = 3;
  RegSnapshot gone = {{"cachesize", "absent"}, {"default", "absent"}, {"0", "absent"},
                      {"1", "absent"}, {"NdiValue", "absent"}, {"(unnamed)", "absent"}};
  EXPECT_EQ(run(i64, 0), gone);
  auto all = [&](const std::string& text, const char* unnamed) {
    return RegSnapshot{{"cachesize", SzEntry(text)}, {"default", SzEntry(text)}, {"0", SzEntry(text)},
                       {"1", SzEntry(text)}, {"NdiValue", SzEntry(text)}, {"(unnamed)", unnamed}};
  };
  EXPECT_EQ(run(0, i16), all("16", "absent"));
  EXPECT_EQ(run(i8, -1), all("8", "there"));
  EXPECT_EQ(run(-1, -1), all("seed", "there"));
}

TEST_P(Variant, NeverTouchesTheNTKey) {
  const bool is98 = GetParam();
  const RegSnapshot before = SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT);
  CustomChoices everything;
  for (int list = 1; list <= 35; ++list) everything[list] = 1;
  Apply(is98, everything, {kAdapter});
  for (int list = 1; list <= 35; ++list) everything[list] = 0;
  Apply(is98, everything, {kAdapter});
  EXPECT_EQ(SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT), before);
}

// The NT key also holds the machine's own TCP/IP settings; each test puts them back.
class ApplyNT : public ::testing::Test {
 protected:
  void SetUp() override { saved = SaveTree(HKEY_LOCAL_MACHINE, kTcpipNT); }
  void TearDown() override {
    DeleteTree(HKEY_LOCAL_MACHINE, kTcpipNT);
    RestoreTree(HKEY_LOCAL_MACHINE, saved);
  }
  SavedTree saved;
};

TEST_F(ApplyNT, EveryItemWritesItsNumber) {
  for (const NTCase& c : NTCases())
    for (int index = 1; index <= static_cast<int>(c.numbers.size()); ++index) {
      DeleteTree(HKEY_LOCAL_MACHINE, kTcpipNT);
      ApplyCustomSettingsNT(Choose(c.list, index));
      RegSnapshot expected = {{SnapshotKey(kTcpipNT, c.name), DwordEntry(c.numbers[index - 1])}};
      EXPECT_EQ(SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT), expected) << "Combo" << c.list;
    }
}

TEST_F(ApplyNT, DefaultDeletesOnlyItsOwnValue) {
  for (const NTCase& c : NTCases()) {
    DeleteTree(HKEY_LOCAL_MACHINE, kTcpipNT);
    for (const NTCase& other : NTCases()) PutDword(HKEY_LOCAL_MACHINE, kTcpipNT, other.name, 9);
    PutDword(HKEY_LOCAL_MACHINE, kTcpipNT, "TcpUseRFC1122UrgentPointer", 9);
    RegSnapshot expected = SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT);
    expected.erase(SnapshotKey(kTcpipNT, c.name));
    ApplyCustomSettingsNT(Choose(c.list, 0));
    EXPECT_EQ(SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT), expected) << "Combo" << c.list;
  }
}

TEST_F(ApplyNT, ReadsOnlyItsEightLists) {
  DeleteTree(HKEY_LOCAL_MACHINE, kTcpipNT);
  PutDword(HKEY_LOCAL_MACHINE, kTcpipNT, "TcpWindowSize", 4096);
  const RegSnapshot nt = SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT);
  const RegSnapshot others = Seed();
  CustomChoices choices;
  for (int list = 1; list <= 35; ++list) choices[list] = 1;
  for (const NTCase& c : NTCases()) choices[c.list] = -1;
  ApplyCustomSettingsNT(choices);
  for (int list = 1; list <= 35; ++list) choices[list] = choices[list] < 0 ? -1 : 0;
  ApplyCustomSettingsNT(choices);
  EXPECT_EQ(SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT), nt);
  EXPECT_EQ(Snapshot9x(), others);
}

}  // namespace
