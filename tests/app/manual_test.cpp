// The manual page, data/zenka.1, against what the executable says of itself:
// every long option that `zenka --help` and `zenka <sub> --help` print is
// described in it, and so is every subcommand.

#include "support/run_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace zenka {
namespace {

using test::Ran;
using test::run;

// The page as it reads: "\-" is a hyphen, font changes and zero-width marks go.
std::string manual_text() {
    std::ifstream in(ZENKA_MANUAL);
    std::stringstream raw;
    raw << in.rdbuf();
    std::string s = raw.str(), out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
        } else if (s[i + 1] == '-') {
            out += '-';
            ++i;
        } else if (s[i + 1] == '&') {
            ++i;
        } else if (s[i + 1] == 'f' && i + 2 < s.size()) {
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::set<std::string> long_options(const std::string& help) {
    std::set<std::string> found;
    const std::regex option(R"((^|[^A-Za-z0-9-])(--[a-z][a-z0-9-]*))");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
         it != std::sregex_iterator(); ++it)
        found.insert((*it)[2]);
    return found;
}

bool mentions(const std::string& page, const std::string& word) {
    const std::regex bounded("(^|[^A-Za-z0-9-])" + word + "($|[^A-Za-z0-9-])");
    return std::regex_search(page, bounded);
}

TEST(ManualPage, DescribesEveryLongOptionThatHelpPrints) {
    const std::string page = manual_text();
    ASSERT_GT(page.size(), 1000u) << "cannot read " << ZENKA_MANUAL;
    std::size_t checked = 0;
    for (const std::string sub : {"", "key", "text", "render", "survey"}) {
        const Ran help = run(test::zenka(sub + " --help"), false);
        ASSERT_EQ(help.status, 0) << sub;
        const auto options = long_options(help.out);
        // A help text this parser cannot read would pass anything.
        EXPECT_TRUE(options.contains("--help")) << sub << ":\n" << help.out;
        EXPECT_GE(options.size(), 3u) << sub << ":\n" << help.out;
        for (const auto& option : options) {
            EXPECT_TRUE(mentions(page, option))
                << "zenka " << sub << " --help prints " << option << ", the page does not";
            ++checked;
        }
    }
    EXPECT_GE(checked, 40u);
}

TEST(ManualPage, DescribesEverySubcommandAndTheEnvironment) {
    const std::string page = manual_text();
    const Ran help = run(test::zenka("--help"), false);
    ASSERT_EQ(help.status, 0);
    for (const std::string sub : {"key", "text", "render", "survey"}) {
        EXPECT_TRUE(mentions(help.out, sub)) << help.out;
        EXPECT_TRUE(mentions(page, "zenka " + sub)) << sub;
    }
    for (const std::string name :
         {"ZENKA_FONE", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "SDL_AUDIODRIVER", "EXIT STATUS",
          "FILES", "ENVIRONMENT"})
        EXPECT_TRUE(mentions(page, name)) << name;
}

TEST(ManualPage, TheCheckFindsAnOptionThatIsMissing) {
    EXPECT_FALSE(mentions(manual_text(), "--no-such-option"));
    EXPECT_FALSE(mentions("--attack", "--at"));
    EXPECT_TRUE(mentions("[--at TIME]", "--at"));
    EXPECT_EQ(long_options("  -h,--help  x\n  --at TIME\n  a--b --c-d"),
              (std::set<std::string>{"--help", "--at", "--c-d"}));
}

} // namespace
} // namespace zenka
