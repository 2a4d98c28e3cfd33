// For every connection type and configuration, with "Default Adapter" and with one discovered
// adapter, the complete state below the tuned keys after the registry work of "&Optimize" on the
// family this prefix plays.
#include "Expected.h"
#include "tuner/Optimize.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace {

Family ThisFamily() {
    const char* name = std::getenv("TEST_FAMILY");
    return FamilyNamed(name ? name : "winxp");
}

std::vector<AdapterSlot> ToAdapterSlots(const std::vector<Slot>& slots) {
    std::vector<AdapterSlot> result;
    for (const Slot& slot : slots) result.push_back({slot.adapter, slot.protocol});
    return result;
}

const char* const kConnectionNames[] = {"DialUp", "Lan", "Pppoe", "Satellite", "WindowsDefaults"};

using Choice = std::tuple<int, int, bool>;  // connection type, configuration, "Default Adapter"

class OptimizeState : public ::testing::TestWithParam<Choice> {};

TEST_P(OptimizeState, LeavesTheDocumentedValues) {
    const auto [connection, configuration, defaultAdapter] = GetParam();
    const Family family = ThisFamily();
    const std::vector<Slot> slots = defaultAdapter ? FixedSlots() : std::vector<Slot>{DiscoveredSlot()};
    std::vector<Slot> everySlot = FixedSlots();
    everySlot.push_back(DiscoveredSlot());

    ClearHandledState();
    SeedOldState(everySlot);
    const RegSnapshot before = ReadHandledState();

    const bool refused = OptimizeRegistry(COpSysInfo(), connection, configuration, ToAdapterSlots(slots));

    EXPECT_FALSE(refused);
    const RegSnapshot expected = ExpectOptimize(before, family, connection, configuration, slots);
    EXPECT_EQ("", Differences(expected, ReadHandledState()))
        << FamilyName(family) << ", " << kConnectionNames[connection] << " #" << configuration << ", "
        << (defaultAdapter ? "Default Adapter" : "one adapter");
}

INSTANTIATE_TEST_SUITE_P(
    EveryChoice, OptimizeState,
    ::testing::Combine(::testing::Range(0, 5), ::testing::Range(1, 6), ::testing::Bool()),
    [](const ::testing::TestParamInfo<Choice>& info) {
        return std::string(kConnectionNames[std::get<0>(info.param)]) + "_" +
               std::to_string(std::get<1>(info.param)) +
               (std::get<2>(info.param) ? "_DefaultAdapter" : "_OneAdapter");
    });

TEST(OptimizeFamilyChoice, ThisPrefixIsServedAsItsOwnFamily) {
    const OptimizeFamily expected[] = {OptimizeFamily::Win95, OptimizeFamily::Win98, OptimizeFamily::WinME,
                                       OptimizeFamily::WinNT, OptimizeFamily::Win2K, OptimizeFamily::WinXP};
    EXPECT_EQ(expected[int(ThisFamily())], ChooseFamily(COpSysInfo()));
}

}  // namespace
