// The documents that come with the program: the README tells the listener first what there is
// to hear, and every example it gives shows what it says; the licence is the same in the
// sources, the AppStream description and the package's copyright file.

#include "support/run_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::run;

std::string source_file(const std::string& name) {
    std::ifstream in(std::filesystem::path(ZENKA_SOURCE_DIR) / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string readme() {
    return source_file("README.md");
}

// The lines of the first fenced block after `heading`.
std::vector<std::string> block_after(const std::string& text, const std::string& heading) {
    const std::size_t at = text.find(heading);
    const std::size_t open = text.find("```", at);
    const std::size_t start = text.find('\n', open) + 1, end = text.find("```", start);
    std::vector<std::string> lines;
    std::istringstream in(text.substr(start, end - start));
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST(Readme, TellsTheListenerWhatThereIsToHearBeforeTheCommands) {
    const std::string text = readme();
    const std::size_t hear = text.find("## What you hear"), quick = text.find("## Quick start");
    ASSERT_NE(hear, std::string::npos);
    ASSERT_NE(quick, std::string::npos);
    EXPECT_LT(hear, quick);
    // Before the first command: 500 kHz, the time signals of minute 55, the VLF broadcasts and
    // the UTC clock.
    const std::string listener = text.substr(0, quick);
    for (const char* words : {"**500 kHz**", "**Minute 55, the time signals.**",
                              "**The very low frequencies", "**The clock rules the band.**"})
        EXPECT_NE(listener.find(words), std::string::npos) << words;
    const std::vector<std::string> quick_start = block_after(text, "## Quick start");
    ASSERT_EQ(quick_start.size(), 2u);
    EXPECT_TRUE(quick_start[0].starts_with("scripts/run ")) << quick_start[0];
    EXPECT_TRUE(quick_start[1].starts_with("scripts/test ")) << quick_start[1];
    // The developers' material is in docs/development.md.
    for (const char* heading : {"## The band plan", "## Layout", "## Benchmarks"}) {
        EXPECT_EQ(text.find(heading), std::string::npos) << heading;
        EXPECT_NE(source_file("docs/development.md").find(heading), std::string::npos) << heading;
    }
}

// Each example the listener's part of the README gives, with what it must show.
struct Example {
    std::string command;
    std::vector<std::string> shows;
};

TEST(Readme, EveryExampleForTheListenerShowsWhatTheReadmeSays) {
    const std::vector<Example> examples = {
        {"text --freq 500 --at 2026-12-08T09:18:05Z",
         {"<tune><tune>", "FIRE OUT OF CONTROL", "HELICOPTER", "NMF"}},
        {"survey --from 10 --to 200 --at 2026-12-08T10:55:30Z",
         {"    60.0 kHz  1  | MSF  TIME  E    E", "    26.1 kHz  1  | NPM  TIME",
          "   106.0 kHz  2  | NPM  TIME", "   132.0 kHz  1  | NAX  TIME"}},
        {"text --freq 16 --at 2026-12-08T09:30:00Z", {"GBXZ GBXZ GBXZ DE GBR GBR GBR", "<spd 40>"}},
    };
    const std::string text = readme();
    const std::string listener = text.substr(0, text.find("## Quick start"));
    std::set<std::string> given;
    const std::regex example("`zenka ((?:text|survey)[^`]*)`");
    std::string flat = std::regex_replace(listener, std::regex("\n +"), " ");
    for (auto it = std::sregex_iterator(flat.begin(), flat.end(), example);
         it != std::sregex_iterator(); ++it)
        given.insert((*it)[1]);
    std::set<std::string> tested;
    for (const Example& e : examples) {
        tested.insert(e.command);
        const test::Ran r = run(test::zenka(e.command), false);
        EXPECT_EQ(r.status, 0) << e.command;
        for (const std::string& words : e.shows)
            EXPECT_NE(r.out.find(words), std::string::npos) << e.command << ": " << words;
    }
    EXPECT_EQ(given, tested);

    // Minute 55: fourteen time signals between 10 and 200 kHz, none five minutes earlier.
    const auto signals = [](const std::string& at) {
        const std::string out = run(test::zenka("survey --from 10 --to 200 --at " + at), false).out;
        std::istringstream in(out);
        int count = 0;
        for (std::string line; std::getline(in, line);)
            count += line.find("E    E    E    E") != std::string::npos;
        return count;
    };
    EXPECT_EQ(signals("2026-12-08T10:55:30Z"), 14);
    EXPECT_LE(signals("2026-12-08T10:50:30Z"), 1);
    // 500 kHz: the silence period has only the check of the frequency; 06:13 NMO's relay.
    const std::string silence = run(test::zenka("text --freq 500 --at 2026-12-08T10:16:10Z")).out;
    EXPECT_NE(silence.find("1 slot\n"), std::string::npos) << silence;
    EXPECT_NE(silence.find("VVVV"), std::string::npos) << silence;
    const std::string relay = run(test::zenka("text --freq 500 --at 2026-12-08T06:13:02Z")).out;
    EXPECT_NE(relay.find("DDD SOS DE NMO 090613Z THE VESSEL TAI KI IS SINKING"), std::string::npos);
    // GBR's time signal from minute 54 of hour 14.
    EXPECT_NE(run(test::zenka("text --freq 16 --at 2026-12-08T14:54:10Z")).out.find("GBR TIME"),
              std::string::npos);
}

TEST(Licence, TheSameInTheSourcesTheDescriptionAndThePackage) {
    const std::string licence = source_file("LICENSE");
    const std::string gpl3 = [] {
        std::ifstream in("/usr/share/common-licenses/GPL-3", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }();
    EXPECT_TRUE(licence.starts_with("                    GNU GENERAL PUBLIC LICENSE\n"
                                    "                       Version 3, 29 June 2007\n"));
    EXPECT_NE(licence.find("END OF TERMS AND CONDITIONS"), std::string::npos);
    if (!gpl3.empty()) {
        EXPECT_EQ(licence, gpl3);
    }

    EXPECT_NE(source_file("data/org.zenka.Zenka.metainfo.xml")
                  .find("<project_license>GPL-3.0-or-later</project_license>"),
              std::string::npos);

    // The machine-readable form Debian reads: a header, the files, and the licence's text.
    const std::string copyright = source_file("data/copyright");
    EXPECT_TRUE(copyright.starts_with(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
    EXPECT_NE(copyright.find("\nFiles: *\nCopyright: "), std::string::npos);
    const std::regex licence_field("\nLicense: GPL-3.0-or-later\n");
    EXPECT_EQ(std::distance(std::sregex_iterator(copyright.begin(), copyright.end(), licence_field),
                            std::sregex_iterator()),
              2); // the files' field and the stand-alone paragraph with the text
    EXPECT_NE(copyright.find("/usr/share/common-licenses/GPL-3"), std::string::npos);
    // Every line of a paragraph's continuation starts with a blank; paragraphs end blank.
    std::istringstream in(copyright);
    for (std::string line; std::getline(in, line);)
        EXPECT_TRUE(line.empty() || line[0] == ' ' ||
                    std::regex_match(line, std::regex("[A-Z][A-Za-z-]*: .*")))
            << line;
    EXPECT_NE(readme().find("[LICENSE](LICENSE)"), std::string::npos);
}

} // namespace
} // namespace zenka
