#include "compose/air.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace zenka {
namespace {

bool is_letter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool is_figure(char c) {
    return c >= '0' && c <= '9';
}

// At 09:18:07.250 every draw adds the runtime value + 1786, so a fresh context
// with rand_seed 11111 draws 12938, 33191, 41311, 69597, 90552, ...
class TextElements : public ::testing::Test {
  protected:
    TextElements() : clock(*parse_utc("2026-12-08T09:18:07.250Z")), a(clock) {}

    FixedClock clock;
    Air a;
};

TEST_F(TextElements, LetterAndFigureAreTheDrawModuloTheirRange) {
    Air b(clock);
    EXPECT_EQ(a.rand_lat(), 'Q'); // 12938 mod 26 = 16
    EXPECT_EQ(b.rand_fig(), '8'); // 12938 mod 10 = 8
    EXPECT_EQ(a.rand_lat(), 'P'); // 33191 mod 26 = 15
    EXPECT_EQ(b.rand_fig(), '1'); // 33191 mod 10 = 1
}

TEST_F(TextElements, GroupsAreBuiltFromSuccessiveDraws) {
    Air b(clock);
    EXPECT_EQ(a.group5f(), "81172 ");
    EXPECT_EQ(b.group5l(2), "QPXVU ");
    EXPECT_EQ(b.str, "QPXVU ");

    Air c(clock);
    c.nato_call3();
    EXPECT_EQ(c.str2, "Q9X"); // figure '1' + 33191 mod 9
}

TEST_F(TextElements, GroupShapesAndBuffers) {
    for (int i = 0; i < 300; ++i) {
        clock.advance(std::chrono::milliseconds(37));
        const auto check = [](const std::string& g, std::size_t chars, bool letters) {
            ASSERT_EQ(g.size(), chars + 1) << g;
            EXPECT_EQ(g.back(), ' ');
            for (std::size_t k = 0; k < chars; ++k)
                EXPECT_TRUE(letters ? is_letter(g[k]) : is_figure(g[k])) << g;
        };
        EXPECT_EQ(&a.group5l(2), &a.str);
        check(a.str, 5, true);
        EXPECT_EQ(&a.group4l(), &a.str2);
        check(a.str2, 4, true);
        EXPECT_EQ(&a.group3l(), &a.str2);
        check(a.str2, 3, true);
        EXPECT_EQ(&a.group5f(), &a.str);
        check(a.str, 5, false);
        EXPECT_EQ(&a.group4f(), &a.str);
        check(a.str, 4, false);
        EXPECT_EQ(&a.group3f(), &a.str);
        check(a.str, 3, false);
    }
}

TEST_F(TextElements, GroupFiveFiguresReusesItsBuffer) {
    const std::string& first = a.group5f();
    const std::string kept = first;
    const std::string& second = a.group5f();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(&second, &a.str);
    EXPECT_EQ(kept, "81172 ");
    EXPECT_EQ(second, "26088 "); // the first group is gone
    EXPECT_EQ(first, "26088 ");
}

TEST_F(TextElements, Call4lNeverKeysDoubledLettersSideBySide) {
    int with_figure = 0;
    for (int i = 0; i < 3000; ++i) {
        clock.advance(std::chrono::milliseconds(13));
        const std::string& call = a.call4l();
        EXPECT_EQ(&call, &a.str);
        ASSERT_EQ(call.size(), 5u) << call;
        EXPECT_EQ(call[4], ' ');
        EXPECT_TRUE(is_letter(call[0])) << call;
        EXPECT_TRUE(is_letter(call[3])) << call;
        EXPECT_TRUE(is_letter(call[1]) || is_figure(call[1])) << call;
        EXPECT_TRUE(is_letter(call[2]) || is_figure(call[2])) << call;
        for (std::size_t k = 0; k + 1 < 4; ++k)
            if (is_letter(call[k]) && is_letter(call[k + 1])) {
                EXPECT_NE(call[k], call[k + 1]) << call;
            }
        if (is_figure(call[1]) || is_figure(call[2])) ++with_figure;
    }
    EXPECT_GT(with_figure, 0); // the substitution did take place
}

TEST_F(TextElements, Call4lFromFourEqualLettersKeepsOnlyTheEnds) {
    // Runtime started from 50964 gives 2625, 6846, 24760, 22758, 16569, 19482:
    // with rand_seed 10409 the draws are 14820, 23452, 49998, 74542 (all A),
    // then 92897 and 114165 for the two figures.
    a.random.seed_runtime(50964);
    a.random.seed = 10409;
    EXPECT_EQ(a.call4l(), "A75A ");
}

TEST_F(TextElements, NatoCall3HasNoFigureZero) {
    for (int i = 0; i < 2000; ++i) {
        clock.advance(std::chrono::milliseconds(7));
        a.nato_call3();
        ASSERT_EQ(a.str2.size(), 3u);
        EXPECT_TRUE(is_letter(a.str2[0])) << a.str2;
        EXPECT_TRUE(a.str2[1] >= '1' && a.str2[1] <= '9') << a.str2;
        EXPECT_TRUE(is_letter(a.str2[2])) << a.str2;
    }
}

} // namespace
} // namespace zenka
