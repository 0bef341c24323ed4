// The manual page, data/zenka.1, against what the executable says of itself:
// every long option that `zenka --help` and `zenka <sub> --help` print is
// described in it, with the same values, ranges and default, and so is every
// subcommand.

#include "support/run_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

// The subcommands `zenka --help` lists, in its order.
std::vector<std::string> subcommands() {
    const std::string help = run(test::zenka("--help"), false).out;
    std::vector<std::string> out;
    const std::size_t at = help.find("Subcommands:\n");
    if (at == std::string::npos) return out;
    std::istringstream lines(help.substr(at + 13));
    for (std::string line; std::getline(lines, line) && line.starts_with("  ");) {
        const std::size_t start = line.find_first_not_of(' ');
        out.push_back(line.substr(start, line.find(' ', start) - start));
    }
    return out;
}

// The page's sections: the panel's options, then every subcommand's.
std::vector<std::string> panel_and_subcommands() {
    std::vector<std::string> out = {""};
    for (const std::string& s : subcommands())
        out.push_back(s);
    return out;
}

bool mentions(const std::string& page, const std::string& word) {
    const std::regex bounded("(^|[^A-Za-z0-9-])" + word + "($|[^A-Za-z0-9-])");
    return std::regex_search(page, bounded);
}

TEST(ManualPage, DescribesEveryLongOptionThatHelpPrints) {
    const std::string page = manual_text();
    ASSERT_GT(page.size(), 1000u) << "cannot read " << ZENKA_MANUAL;
    std::size_t checked = 0;
    for (const std::string& sub : panel_and_subcommands()) {
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

// One option as `--help` prints it: "--sampling INT:{3,4}=4", "--wpm INT:INT in [1 - 600]=20".
struct HelpOption {
    std::string name;
    std::vector<std::string> values; // {3,4}
    std::string low, high;           // [1 - 600]
    std::string default_value;       // =4
};

std::vector<HelpOption> help_options(const std::string& help) {
    std::vector<HelpOption> out;
    const std::regex line(R"(^\s+(?:-[a-z],)?(--[a-z][a-z0-9-]*)((?: ?[^ ])*))");
    std::istringstream in(help);
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        if (!std::regex_search(text, m, line)) continue;
        HelpOption o{m[1], {}, {}, {}, {}};
        const std::string shape = m[2];
        std::smatch part;
        if (std::regex_search(shape, part, std::regex(R"(\{([^}]*)\})"))) {
            std::stringstream list(part[1].str());
            for (std::string v; std::getline(list, v, ',');)
                o.values.push_back(v);
        }
        if (std::regex_search(shape, part, std::regex(R"(\[([0-9.]+) - ([0-9.]+)\])"))) {
            o.low = part[1];
            o.high = part[2];
        }
        const std::size_t eq = shape.rfind('=');
        if (eq != std::string::npos) o.default_value = shape.substr(eq + 1);
        out.push_back(o);
    }
    return out;
}

// The part of the page that describes the options of `sub` ("" for the panel's own).
std::string section_of(const std::string& page, const std::string& sub) {
    const auto between = [&](const std::string& from, const std::string& to) {
        const std::size_t start = page.find(from);
        if (start == std::string::npos) return std::string();
        const std::size_t end = page.find(to, start + from.size());
        return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
    };
    if (sub.empty()) return between("\n.SH OPTIONS", "\n.SH ");
    if (sub == "key") return between("\n.SH \"KEY", "\n.SH ");
    return between("\n.SH \"TEXT, RENDER AND SURVEY", "\n.SS ") +
           between("\n.SS zenka " + sub + "\n", "\n.S");
}

// The paragraph (.TP, its heading line and body) whose heading names `option`.
std::string paragraph_of(const std::string& section, const std::string& option) {
    const std::regex heading("(^|[^A-Za-z0-9-])" + option + "($|[^A-Za-z0-9-])");
    for (std::size_t at = section.find("\n.TP\n"); at != std::string::npos;
         at = section.find("\n.TP\n", at + 1)) {
        const std::size_t head = at + 5, head_end = section.find('\n', head);
        if (!std::regex_search(section.substr(head, head_end - head), heading)) continue;
        std::size_t end = head_end;
        while (
            end != std::string::npos && end + 1 < section.size() &&
            !(section.compare(end + 1, 3, ".TP") == 0 || section.compare(end + 1, 3, ".SS") == 0 ||
              section.compare(end + 1, 3, ".SH") == 0 || section.compare(end + 1, 3, ".PP") == 0))
            end = section.find('\n', end + 1);
        return section.substr(head, end == std::string::npos ? std::string::npos : end - head);
    }
    return {};
}

// A number range "A - B" in `text` with the values of `low` and `high`.
bool names_range(const std::string& text, const std::string& low, const std::string& high) {
    const std::regex range(R"(([0-9][0-9.]*) - ([0-9][0-9.]*))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), range);
         it != std::sregex_iterator(); ++it)
        if (std::stod((*it)[1]) == std::stod(low) && std::stod((*it)[2]) == std::stod(high))
            return true;
    return false;
}

TEST(ManualPage, GivesTheValuesRangesAndDefaultsThatHelpPrints) {
    const std::string page = manual_text();
    std::size_t defaults = 0, lists = 0, ranges = 0;
    for (const std::string& sub : panel_and_subcommands()) {
        const std::string section = section_of(page, sub);
        ASSERT_FALSE(section.empty()) << sub;
        for (const HelpOption& o : help_options(run(test::zenka(sub + " --help"), false).out)) {
            if (o.name == "--help" || o.name == "--version") continue;
            const std::string where = "zenka " + sub + " " + o.name;
            const std::string text = paragraph_of(section, o.name);
            ASSERT_FALSE(text.empty()) << where << " has no paragraph of its own";
            const std::string heading = text.substr(0, text.find('\n'));
            if (!o.default_value.empty()) {
                ++defaults;
                EXPECT_NE(text.find("default " + o.default_value + ")"), std::string::npos)
                    << where << " defaults to " << o.default_value << ":\n"
                    << text;
            }
            if (!o.values.empty()) {
                ++lists;
                std::string list;
                for (const std::string& v : o.values)
                    list += (list.empty() ? "" : "|") + v;
                EXPECT_NE(heading.find(list), std::string::npos)
                    << where << " takes " << list << ":\n"
                    << heading;
            }
            if (!o.low.empty()) {
                ++ranges;
                EXPECT_TRUE(names_range(text, o.low, o.high))
                    << where << " takes " << o.low << " - " << o.high << ":\n"
                    << text;
            }
        }
    }
    EXPECT_GE(defaults, 25u);
    EXPECT_GE(lists, 20u);
    EXPECT_GE(ranges, 6u);
}

TEST(ManualPage, TheCheckOfDefaultsReadsHelpAsItIsPrinted) {
    const auto options = help_options("  --wpm INT:INT in [1 - 600]=20\n"
                                      "                              Keying speed\n"
                                      "  --sampling INT:{3,4}=4      Playback rate 3|4\n"
                                      "  --at TIME                   The instant: a=b\n"
                                      "  -h,--help                   Print this help\n");
    ASSERT_EQ(options.size(), 4u);
    EXPECT_EQ(options[0].name, "--wpm");
    EXPECT_EQ(options[0].low + " " + options[0].high + " " + options[0].default_value, "1 600 20");
    EXPECT_EQ(options[1].values, (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(options[1].default_value, "4");
    EXPECT_EQ(options[2].default_value, "");
    EXPECT_EQ(options[3].name, "--help");
    const std::string page = ".SH OPTIONS\n.TP\n.BR --sampling \" 3|4\"\nThe rate (default 3).\n"
                             ".TP\n.B --qrn\nNoise.\n.SH X\n";
    const std::string text = paragraph_of(section_of("\n" + page, ""), "--sampling");
    EXPECT_EQ(text.find("default 4)"), std::string::npos) << text;
    EXPECT_NE(text.find("default 3)"), std::string::npos) << text;
    EXPECT_EQ(text.find("--qrn"), std::string::npos) << text;
}

TEST(ManualPage, DescribesEverySubcommandAndTheEnvironment) {
    const std::string page = manual_text();
    const Ran help = run(test::zenka("--help"), false);
    ASSERT_EQ(help.status, 0);
    const std::vector<std::string> subs = subcommands();
    for (const std::string known : {"key", "text", "render", "survey", "next"})
        EXPECT_NE(std::find(subs.begin(), subs.end(), known), subs.end()) << known;
    for (const std::string& sub : subs) {
        EXPECT_TRUE(mentions(help.out, sub)) << help.out;
        EXPECT_TRUE(mentions(page, "zenka " + sub)) << sub;
    }
    for (const std::string name : {"ZENKA_FONE", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM",
                                   "SDL_AUDIODRIVER", "EXIT STATUS", "FILES", "ENVIRONMENT"})
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
