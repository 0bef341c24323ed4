// The options as every subcommand spells them: the filter by its width, the attenuator as a
// flag or on|off, a time with its zone or offset, and a mistyped command named back.

#include "support/run_command.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::Ran;
using test::run;
using test::zenka;

// The sample rate in the header of a channel file.
std::uint32_t sample_rate(const std::vector<std::uint8_t>& wav) {
    if (wav.size() < 28) return 0;
    return static_cast<std::uint32_t>(wav[24] | wav[25] << 8 | wav[26] << 16 | wav[27] << 24);
}

const char* const kFilterLine =
    "the audio filter is 1 (FLT1, 1 kHz wide) or 2 (FLT2, 2 kHz wide), not ";

TEST(FilterOption, OneMeaningInEverySubcommand) {
    test::TempFolder folder;
    const std::string wav = (folder / "e.wav").string();
    // key: FLT1 keys the tone undoubled, at half the sample rate of FLT2, the default.
    const auto keyed = [&](const std::string& filter) {
        EXPECT_EQ(run(zenka("key --tone 1000 " + filter + " --out " + wav + " E")).status, 0);
        return sample_rate(test::read_bytes(wav));
    };
    EXPECT_EQ(keyed("--filter 1"), 4000u);
    EXPECT_EQ(keyed("--filter 2"), 8000u);
    EXPECT_EQ(keyed(""), 8000u);
    // Every subcommand takes 1 and 2, and refuses anything else in the same one line.
    const std::string at = " --at 2026-12-08T06:13:02Z";
    const std::vector<std::string> commands = {"key --out " + wav + " E", "text --freq 500" + at,
                                               "survey --from 500 --to 500" + at,
                                               "render --freq 500 --seconds 0.1 --out " + wav + at};
    for (const std::string& c : commands) {
        for (const char* good : {"1", "2"})
            EXPECT_EQ(run(zenka(c + " --filter " + good)).status, 0) << c << " " << good;
        for (const char* bad : {"0", "3", "FLT1", "1.0"}) {
            const Ran r = run(zenka(c + " --filter '" + bad + "'"));
            EXPECT_EQ(r.status, 2) << c << " " << bad;
            EXPECT_EQ(r.out, std::string("zenka: --filter: ") + kFilterLine + "\"" + bad + "\"\n")
                << c;
        }
    }
}

// --att, --att on and --att=on are one thing in every subcommand, --att off and none another.
TEST(AttOption, AFlagOrOnOffInEverySubcommand) {
    test::TempFolder folder;
    const std::string wav = (folder / "t.wav").string();
    for (const char* on : {"--att", "--att on", "--att=on"}) {
        const Ran r = run(zenka(std::string("key --strength 0 ") + on + " --out " + wav + " T"));
        EXPECT_EQ(r.status, 0) << on;
        EXPECT_NE(r.out.find("strength 0 does not pass the attenuator"), std::string::npos) << on;
        // The text may follow the flag.
        const Ran flag_then_text =
            run(zenka(std::string("key --strength 0 --out ") + wav + " " + on + " T"));
        EXPECT_NE(flag_then_text.out.find("does not pass"), std::string::npos) << on;
    }
    for (const char* off : {"--att off", "--att=off", ""}) {
        const Ran r = run(zenka(std::string("key --strength 0 ") + off + " --out " + wav + " T"));
        EXPECT_EQ(r.out, wav + ": 480 ms\n") << off;
    }
    // text: the ships' faint exchange at strength 0 does not pass the attenuator.
    const std::string at = " --at 2026-12-08T06:13:02Z";
    const auto faint = [&](const std::string& att) {
        const Ran r = run(zenka("text --freq 500" + at + " " + att), false);
        EXPECT_EQ(r.status, 0) << att;
        std::smatch m;
        EXPECT_TRUE(std::regex_search(r.out, m, std::regex("channel 1 .* ([0-9]+) ms\n"))) << r.out;
        return m.size() > 1 ? std::stoi(m[1]) : -1;
    };
    for (const char* on : {"--att", "--att on", "--att=on"})
        EXPECT_EQ(faint(on), 0) << on;
    for (const char* off : {"--att off", ""})
        EXPECT_GT(faint(off), 0) << off;
    for (const std::string& c :
         {"survey --from 500 --to 500" + at, "render --freq 500 --seconds 0.1 --out " + wav + at}) {
        for (const char* att : {"--att", "--att on", "--att off"})
            EXPECT_EQ(run(zenka(c + " " + att)).status, 0) << c << " " << att;
        const Ran bad = run(zenka(c + " --att maybe"));
        EXPECT_EQ(bad.status, 2);
        EXPECT_NE(bad.out.find("--att"), std::string::npos) << bad.out;
    }
    EXPECT_EQ(run(zenka("survey --from 500 --to 500 --json --att" + at), false).out,
              run(zenka("survey --from 500 --to 500 --json --att on" + at), false).out);
}

// A time with an offset is the UTC time it names; one without a zone is UTC.
TEST(AtOption, AnyOffsetIsConvertedToUtc) {
    const std::string utc = run(zenka("text --freq 500 --at 2026-12-08T06:13:02Z"), false).out;
    ASSERT_NE(utc.find("2026-12-08T06:13:02.000Z"), std::string::npos) << utc;
    for (const char* at : {"2026-12-08T07:13:02+01:00", "2026-12-08T07:13:02+0100",
                           "2026-12-08T01:13:02-05:00", "2026-12-08T06:13:02"}) {
        const Ran r = run(zenka(std::string("text --freq 500 --at ") + at));
        EXPECT_EQ(r.status, 0) << at << ": " << r.out;
        EXPECT_EQ(r.out, utc) << at;
    }
    test::TempFolder folder;
    const std::string one = (folder / "1.wav").string(), two = (folder / "2.wav").string();
    run(zenka("key --hand --seed 3 --at 2026-12-08T07:13:00+01:00 --out " + one + " CQ"));
    run(zenka("key --hand --seed 3 --at 2026-12-08T06:13:00Z --out " + two + " CQ"));
    EXPECT_EQ(test::read_bytes(one), test::read_bytes(two));
    const Ran bad = run(zenka("text --freq 500 --at 2026-12-08T07:13:02+25:00"));
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(std::count(bad.out.begin(), bad.out.end(), '\n'), 1) << bad.out;
    for (const char* sub : {"", "key ", "text ", "render ", "survey "})
        EXPECT_NE(run(zenka(std::string(sub) + "--help")).out.find("a time without a zone is UTC"),
                  std::string::npos)
            << sub;
}

TEST(Commands, AMistypedCommandIsNamedWithWhatWasMeant) {
    struct Case {
        std::string args, line;
    };
    for (const Case& c : {
             Case{"tetx --freq 500", "zenka: unknown command 'tetx'; did you mean 'text'? (zenka "
                                     "--help)\n"},
             Case{"rendr --freq 500", "zenka: unknown command 'rendr'; did you mean 'render'? "
                                      "(zenka --help)\n"},
             Case{"--debug-log suvrey", "zenka: unknown command 'suvrey'; did you mean 'survey'? "
                                        "(zenka --help)\n"},
             Case{"--at 2026-12-08T06:13:00Z kye E", "zenka: unknown command 'kye'; did you mean "
                                                     "'key'? (zenka --help)\n"},
             Case{"listen", "zenka: unknown command 'listen' (zenka --help)\n"},
         }) {
        const Ran r = run(zenka(c.args));
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, c.line) << c.args;
    }
}

} // namespace
} // namespace zenka
