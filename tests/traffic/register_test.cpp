// The ship register and the coast station lists the build made from traffic/maritime/data.

#include "traffic/maritime/register.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

TEST(ShipRegister, HoldsItsShipsWithTheFirstInPlace) {
    EXPECT_EQ(vsl(0), "2ETI8");
    EXPECT_EQ(qra(0), "PIXY MARZO");
    for (int i = 0; i < kVslCount; ++i) {
        EXPECT_GE(vsl(i).size(), 4u) << i;
        EXPECT_LE(vsl(i).size(), 5u) << i;
        EXPECT_LE(qra(i).size(), 24u) << i;
        for (char c : vsl(i))
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << vsl(i);
        for (char c : qra(i))
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') << qra(i);
    }
}

TEST(ShipRegister, EveryCallSignAndNameStandsOnce) {
    std::set<std::string_view> calls, names;
    for (int i = 0; i < kVslCount; ++i) {
        EXPECT_TRUE(calls.insert(vsl(i)).second) << vsl(i);
        EXPECT_TRUE(names.insert(qra(i)).second) << qra(i);
    }
}

bool starts(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

TEST(ShipRegister, NamesFollowTheirFlags) {
    int japanese = 0, greek = 0, soviet_titles = 0;
    for (int i = 0; i < kVslCount; ++i) {
        const std::string_view c = vsl(i), n = qra(i);
        const bool japan = (c[0] == 'J' && c[1] <= 'S') || starts(c, "7J") || starts(c, "7K") ||
                           starts(c, "8J") || starts(c, "8K");
        if (japan) {
            EXPECT_NE(n.find(" MARU"), n.npos) << c << " " << n;
            ++japanese;
        }
        if (n.find(" MARU") != n.npos) {
            EXPECT_TRUE(japan) << c << " " << n;
        }
        if (starts(n, "AKADEMIK ") || starts(n, "GEROI ")) {
            EXPECT_TRUE(c[0] == 'U' || c[0] == 'E') << c << " " << n;
            ++soviet_titles;
        }
        if (starts(n, "AGIOS ") || starts(n, "AGHIA ") || starts(n, "AGIA ")) ++greek;
        if (n.ends_with(" MAERSK")) {
            EXPECT_TRUE(c[0] == 'O' && c[1] >= 'U') << c;
        }
    }
    EXPECT_GT(japanese, 80);
    EXPECT_GT(greek, 40);
    EXPECT_GT(soviet_titles, 10);
}

template <std::size_t N>
void collect(const std::array<std::string_view, N>& list, std::set<std::string_view>& seen,
             const std::set<std::string_view>& registered) {
    for (std::string_view call : list) {
        EXPECT_TRUE(registered.count(call)) << call;
        EXPECT_TRUE(seen.insert(call).second) << call << " stands in two type lists";
    }
}

TEST(ShipRegister, TypeListsHoldRegisteredShipsOnce) {
    std::set<std::string_view> registered, seen;
    for (int i = 0; i < kVslCount; ++i)
        registered.insert(vsl(i));
    collect(vsl_type_motorcargo, seen, registered);
    collect(vsl_type_ore, seen, registered);
    collect(vsl_type_motortanker, seen, registered);
    collect(vsl_type_steamcargo, seen, registered);
    collect(vsl_type_cc, seen, registered);
    collect(vsl_type_refrigatedcargo, seen, registered);
    collect(vsl_type_steamtanker, seen, registered);
    collect(vsl_type_motorpassanger, seen, registered);
    collect(vsl_type_steampassanger, seen, registered);
    collect(vsl_type_trawler, seen, registered);
    EXPECT_EQ(seen.size(), 190u + 92 + 51 + 16 + 9 + 16 + 25 + 13 + 18 + 23);
}

TEST(CoastLists, FirstAndLastEntriesAndWorkingFrequencies) {
    const std::vector<std::string_view> first = {"A7D", "A9M", "CBV", "CLA", "CUG"};
    for (std::size_t k = 0; k < first.size(); ++k)
        EXPECT_EQ(coast(static_cast<int>(k)), first[k]);
    EXPECT_EQ(coast(kCoastCount - 1), "9VG");
    const std::vector<std::string_view> mf = {"A7D", "A9M", "ASK", "CBV", "CLA", "DAN"};
    for (std::size_t k = 0; k < mf.size(); ++k)
        EXPECT_EQ(mf_coast(static_cast<int>(k)), mf[k]);
    EXPECT_EQ(mf_coast(kMfCoastCount - 2), "ZAD");
    EXPECT_EQ(mf_coast(kMfCoastCount - 1), "JCK");
    std::set<std::string_view> calls;
    for (const MfCoastEntry& c : kMfCoast) {
        EXPECT_TRUE(calls.insert(c.call).second) << c.call;
        EXPECT_LE(c.call.size(), 4u);
        EXPECT_GE(c.qss, 4050) << c.call;
        EXPECT_LE(c.qss, 5350) << c.call;
        EXPECT_GE(c.qsx, 4050) << c.call;
        EXPECT_LE(c.qsx, 5350) << c.call;
        EXPECT_NE(c.qss, c.qsx) << c.call;
    }
    std::set<std::string_view> coasts;
    for (const CoastEntry& c : kCoast) {
        EXPECT_TRUE(coasts.insert(c.call).second) << c.call;
        EXPECT_LE(c.call.size(), 4u);
    }
}

} // namespace
} // namespace zenka
