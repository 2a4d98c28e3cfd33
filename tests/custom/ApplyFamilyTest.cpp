// Which routine serves the running Windows family; run once in each family's prefix.
#include <gtest/gtest.h>

#include <cstdlib>

#include "settings/Settings.h"
#include "tests/custom/Expected.h"
#include "tuner/CustomApply.h"

namespace {

std::string Family() {
  const char* family = std::getenv("TEST_FAMILY");
  return family ? family : "winxp";
}

const char kMstcp[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";

TEST(ApplyFamily, EachFamilyGetsItsRoutineAndMeGoesWith95) {
  const std::string family = Family();
  const ApplyFamily expected = family == "win98"                       ? ApplyFamily::Win98
                               : family == "win95" || family == "winme" ? ApplyFamily::Win95Me
                                                                        : ApplyFamily::NT;
  EXPECT_EQ(ApplyFamilyOf(COpSysInfo()), expected);
}

TEST(ApplyFamily, RcvWindowAndSessionKeepAliveTakeTheFamilysForm) {
  Clear9x();
  DeleteTree(HKEY_LOCAL_MACHINE, kTcpipNT);
  CustomChoices choices;
  choices[2] = 1;   // RcvWindow "8576"
  choices[16] = 4;  // Session Keep Alive "30"
  choices[11] = 7;  // TTL "256"
  choices[18] = 1;  // SlowNet "On"
  choices[5] = 1;   // Force Even "On"
  ApplyCustomSettings(COpSysInfo(), choices, {{"0000", "NetTrans\\0000"}});

  const std::string family = Family();
  const RegSnapshot nine = Snapshot9x(), nt = SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT);
  auto at9x = [&](const std::string& key, const std::string& name) {
    auto it = nine.find(SnapshotKey(key, name));
    return it == nine.end() ? "absent" : it->second;
  };
  if (family == "nt40" || family == "win2k" || family == "winxp") {
    EXPECT_EQ(nt, (RegSnapshot{{SnapshotKey(kTcpipNT, "TcpWindowSize"), DwordEntry(8576)},
                               {SnapshotKey(kTcpipNT, "SessionKeepAlive"), DwordEntry(1800000)},
                               {SnapshotKey(kTcpipNT, "DefaultTTL"), DwordEntry(256)}}));
    EXPECT_TRUE(nine.empty());
    return;
  }
  const bool is98 = family == "win98";
  EXPECT_TRUE(nt.empty());
  EXPECT_EQ(at9x(kMstcp, "DefaultRcvWindow"), is98 ? SzEntry("8576") : DwordEntry(8576));
  EXPECT_EQ(at9x(std::string(kMstcp) + "\\Parameters", "DefaultRcvWindow"),
            is98 ? SzEntry("8576") : DwordEntry(8576));
  EXPECT_EQ(at9x(kMstcp, "SessionKeepAlive"), SzEntry("1800000"));
  EXPECT_EQ(at9x(kMstcp, "DefaultTTL"), SzEntry("256"));
  EXPECT_EQ(at9x("System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\forceeven",
                 "default"), SzEntry("1"));
  EXPECT_EQ(at9x("System\\CurrentControlSet\\Services\\Class\\Net\\0000", "SLOWNET"), HexEntry("\x01"));
  EXPECT_EQ(at9x("System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "SLOWNET"),
            DwordEntry(1));
}

}  // namespace
