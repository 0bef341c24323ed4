// zenka_shipreg writes the ship register kept in the sources, byte for byte.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(ShipRegisterProgram, WritesTheRegisterInTheSources) {
    std::string written;
    FILE* p = popen(ZENKA_SHIPREG, "r");
    ASSERT_NE(p, nullptr);
    std::array<char, 4096> buf{};
    for (std::size_t n; (n = fread(buf.data(), 1, buf.size(), p)) > 0;)
        written.append(buf.data(), n);
    EXPECT_EQ(pclose(p), 0);
    std::ifstream in(ZENKA_SHIPS);
    std::stringstream kept;
    kept << in.rdbuf();
    ASSERT_FALSE(kept.str().empty());
    EXPECT_EQ(written, kept.str());
}

} // namespace
