// The headless subcommands run as a script would run them.

#include "support/run_command.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace zenka {
namespace {

using test::Ran;
using test::run;

std::string zenka(const std::string& args) {
    return std::string(ZENKA_EXE) + " " + args;
}

// The "text" fields of the slots of a JSON report, in order, with the escapes the report
// uses undone (the neighbours' texts left out).
std::vector<std::string> texts(const std::string& json) {
    std::vector<std::string> out;
    const std::regex field(R"re("text": "((?:[^"\\]|\\.)*)")re");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), field);
         it != std::sregex_iterator(); ++it) {
        const std::string before = json.substr(0, static_cast<std::size_t>(it->position()));
        const std::size_t slots = before.rfind("\"slots\": [");
        const std::size_t near = before.rfind("\"neighbours\": [");
        if (near != std::string::npos && (slots == std::string::npos || near > slots)) continue;
        std::string raw = (*it)[1], text;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '\\') {
                text += raw[i];
            } else if (raw[i + 1] == 'u') {
                text += static_cast<char>(std::stoi(raw.substr(i + 2, 4), nullptr, 16));
                i += 5;
            } else {
                text += raw[++i];
            }
        }
        out.push_back(text);
    }
    return out;
}

std::string without_blanks(std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n' || c == '\r'; });
    return s;
}

const std::string kDistress = " --at 2026-12-08T06:13:02Z --seed 5";

TEST(TextCommand, TheSameArgumentsComposeTheSameTraffic) {
    const Ran one = run(zenka("text --freq 500" + kDistress + " --json"), false);
    const Ran two = run(zenka("text --freq 500" + kDistress + " --json"), false);
    ASSERT_EQ(one.status, 0);
    EXPECT_EQ(one.out, two.out);
    EXPECT_TRUE(one.out.starts_with(
        R"({"freq": 5000, "utc": "2026-12-08T06:13:02.000Z", "send_call": 4, "slots": [{"channel": 0, "spd": 16, "ton": 1400, "qsa": 1,)"))
        << one.out;
    const auto t = texts(one.out);
    ASSERT_EQ(t.size(), 4u); // the ships' faint and clear calls between
    EXPECT_TRUE(t[0].starts_with("DDD SOS DE NMO 090613Z"));
    EXPECT_EQ(t[3].front(), '\x04'); // the tuning at second 2
    EXPECT_NE(one.out.find("\\u0004"), std::string::npos);
}

TEST(TextCommand, ReadableLinesAndSounds) {
    const Ran r = run(zenka("text --freq 540 --at 2026-12-08T23:00:00Z"), false);
    ASSERT_EQ(r.status, 0);
    const std::regex expected(
        "540\\.0 kHz  2026-12-08T23:00:00\\.000Z  0 slots\n"
        "carrier  tone 1[01][0-9][0-9] qsa [2-5]  station carrier medium-wave broadcaster  "
        "service background\n"
        "carrier  tone 1[3-8][0-9][0-9] qsa [01]  \\(not started: a carrier sounds\\)  station "
        "carrier medium-wave broadcaster  service background\n");
    EXPECT_TRUE(std::regex_match(r.out, expected)) << r.out;
    // The first carrier of the pass is the one heard, in both forms of the report.
    const std::regex started("\"kind\": \"carrier\", \"tone\": [0-9]+, \"qsa\": [0-9], "
                             "\"started\": true, \"station\": \\{[^}]*\\}\\}, \\{\"kind\": "
                             "\"carrier\", \"tone\": [0-9]+, \"qsa\": [0-9], \"started\": false, "
                             "\"station\": \\{[^}]*\\}\\}");
    const Ran json = run(zenka("text --freq 540 --at 2026-12-08T23:00:00Z --json"), false);
    EXPECT_TRUE(std::regex_search(json.out, started)) << json.out;
    const Ran survey =
        run(zenka("survey --from 540 --to 540 --at 2026-12-08T23:00:00Z --json"), false);
    EXPECT_TRUE(std::regex_search(survey.out, started)) << survey.out;
    const Ran tuning = run(zenka("text --freq 500 --at 2026-12-08T10:21:41Z"), false);
    EXPECT_NE(tuning.out.find("<tune><tune><tune>"), std::string::npos) << tuning.out;
}

// The switch that keys a voice at strength 0 carries a 6 (a zero byte would end the text);
// the report shows the strength heard.
TEST(TextCommand, AStrengthSwitchShowsTheStrengthHeard) {
    const std::string at = " --at 2026-12-08T06:13:02Z";
    const std::string lines = run(zenka("text --freq 500" + at), false).out;
    EXPECT_NE(lines.find("<qsa 0>JOS JOS DE HZUN"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("<qsa 6>"), std::string::npos) << lines;
    const std::string json = run(zenka("text --freq 500 --json" + at), false).out;
    EXPECT_NE(json.find("\\u0003\\u0000JOS JOS DE HZUN"), std::string::npos) << json;
    EXPECT_EQ(json.find("\\u0003\\u0006"), std::string::npos) << json;
    const std::string survey = run(zenka("survey --from 500 --to 500 --json" + at), false).out;
    EXPECT_EQ(survey.find("\\u0003\\u0006"), std::string::npos);
    EXPECT_NE(survey.find("\\u0003\\u0000"), std::string::npos);
}

TEST(RenderCommand, OneChannelDecodesToItsSlotText) {
    test::TempFolder folder;
    const std::string wav = (folder / "c0.wav").string(), loud = (folder / "loud.wav").string();
    const std::string at = " --at 2026-12-08T06:13:50Z";
    const auto slots = texts(run(zenka("text --freq 500" + at + " --json"), false).out);
    ASSERT_EQ(slots.size(), 3u); // the distress text, then the ships' calls
    const Ran r = run(zenka("render --freq 500" + at + " --seconds 185 --channel 0 --out " + wav));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(test::read_bytes(wav).size(), 44u + 2 * 185 * 48000);
    // The decoder wants a strong signal: strength 1 is brought up first.
    ASSERT_EQ(run("sox " + wav + " " + loud + " norm -1").status, 0);
    std::string decoded = run("multimon-ng -q -c -a MORSE_CW -t wav " + loud).out;
    decoded = std::regex_replace(decoded, std::regex("<SK>"), "]");
    EXPECT_EQ(without_blanks(decoded), without_blanks(slots[0]));
}

TEST(RenderCommand, TheWholeMixHasNoiseAndStation) {
    test::TempFolder folder;
    const std::string wav = (folder / "all.wav").string();
    const Ran r =
        run(zenka("render --freq 500 --at 2026-12-08T10:21:41Z --seconds 2 --out " + wav));
    ASSERT_EQ(r.status, 0) << r.out;
    const auto bytes = test::read_bytes(wav);
    ASSERT_EQ(bytes.size(), 44u + 2 * 2 * 48000);
    int loud = 0;
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2) {
        const auto v = static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8);
        loud += v > 500 || v < -500;
    }
    EXPECT_GT(loud, 1000);
    EXPECT_TRUE(std::filesystem::is_regular_file(wav));
}

// The stations near the dial are part of what a retune reports, alike in both commands.
TEST(SurveyCommand, ListsTheSameNeighboursAsText) {
    const std::string at = " --at 2026-12-08T22:07:00Z --seed 3";
    const Ran survey = run(zenka("survey --from 478 --to 482" + at + " --json"), false);
    ASSERT_EQ(survey.status, 0);
    std::istringstream lines(survey.out);
    int reports = 0, with_neighbours = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line == "[" || line == "]") continue;
        if (line.back() == ',') line.pop_back();
        const std::size_t freq_at = line.find("\"freq\": ") + 8;
        const int freq = std::stoi(line.substr(freq_at));
        const std::string khz = std::to_string(freq / 10) + "." + std::to_string(freq % 10);
        EXPECT_EQ(run(zenka("text --freq " + khz + at + " --json"), false).out, line + "\n");
        ++reports;
        with_neighbours += line.find("\"neighbours\": []") == std::string::npos;
    }
    EXPECT_GT(reports, 0);
    EXPECT_GT(with_neighbours, 0);
}

TEST(SurveyCommand, AgreesWithTextFrequencyByFrequency) {
    const std::string at = " --at 2026-12-08T06:13:13Z --seed 9";
    const Ran survey = run(zenka("survey --from 499.5 --to 500.5" + at + " --json"), false);
    ASSERT_EQ(survey.status, 0);
    std::vector<std::string> expected;
    for (const char* f : {"499.5", "500", "500.5"})
        for (const auto& t :
             texts(run(zenka(std::string("text --freq ") + f + at + " --json"), false).out))
            expected.push_back(t);
    EXPECT_EQ(expected.size(), 12u);
    EXPECT_EQ(texts(survey.out), expected);

    const Ran lines = run(zenka("survey --from 53.6 --to 53.9" + at), false);
    EXPECT_EQ(lines.out, "    53.6 kHz  1  |  VVV DE OJA OJA OJA            VVV VVV VVV DE OJA OJA "
                         "OJA     | fone/fax-001.wav  = OJA marker (OJA); background facsimile\n"
                         "    53.7 kHz  0  | fone/ssb-002.wav  = background voice\n"
                         "    53.8 kHz  0  | fone/ssb-002.wav  = background voice\n");
}

TEST(TextCommand, NamesTheStationOfEverySlotAndSound) {
    const std::string at = " --at 2026-12-08T06:13:13Z --seed 9";
    const Ran json = run(zenka("text --freq 53.6 --json" + at), false);
    EXPECT_NE(json.out.find("\"text\": \" VVV DE OJA"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(", \"station\": {\"label\": \"OJA marker\", \"calls\": [\"OJA\"], "
                            "\"service\": \"naval\", \"may_call\": false}}], \"sounds\": "),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("{\"kind\": \"clip\", \"path\": \"fone/fax-001.wav\", \"started\": "
                            "true, \"station\": {\"label\": \"background facsimile\", \"calls\": "
                            "[], \"service\": \"background\", \"may_call\": false}}], \"neighbours\": "),
              std::string::npos)
        << json.out;
    const Ran lines = run(zenka("text --freq 53.6" + at), false);
    EXPECT_NE(lines.out.find(" ms\n  station OJA marker  service naval  calls OJA\n   VVV DE OJA"),
              std::string::npos)
        << lines.out;
    EXPECT_NE(lines.out.find("\nclip  fone/fax-001.wav  station background facsimile  service "
                             "background\n"),
              std::string::npos)
        << lines.out;
    // A station drawn by chance says it may call: the operators' chat at 300 kHz and up.
    const Ran chat = run(zenka("survey --from 100 --to 1000 --json" + at), false);
    EXPECT_NE(chat.out.find("\"may_call\": true"), std::string::npos);
}

// The panel's fine step up from 999.9 kHz shows 1000.4 kHz; the commands take every
// frequency the panel can show, and only those.
TEST(HeadlessCommands, TheDialRunsFrom10To1000_4) {
    test::TempFolder folder;
    const std::string at = " --at 2026-12-08T23:00:00Z";
    for (const std::string freq : {"10.0", "1000.4"}) {
        const Ran text = run(zenka("text --freq " + freq + at), false);
        EXPECT_EQ(text.status, 0) << freq;
        EXPECT_TRUE(text.out.starts_with(freq + " kHz  2026-12-08T23:00:00.000Z  ")) << text.out;
        const Ran key = run(zenka("key --freq " + freq + at + " --out " +
                                  (folder / (freq + ".wav")).string() + " E"));
        EXPECT_EQ(key.status, 0) << key.out;
    }
    for (const std::string freq : {"9.9", "1000.5"}) {
        const Ran text = run(zenka("text --freq " + freq + at));
        EXPECT_EQ(text.status, 2) << freq;
        EXPECT_NE(text.out.find("not a frequency of 10.0 - 1000.4 kHz in steps of 0.1 kHz: \"" +
                                freq + "\""),
                  std::string::npos)
            << text.out;
        EXPECT_EQ(run(zenka("key --freq " + freq + " E")).status, 2) << freq;
    }
    // A survey runs to the top of the dial unless told otherwise.
    const Ran top = run(zenka("survey --from 1000.4" + at), false);
    EXPECT_EQ(top.status, 0) << top.out;
}

TEST(HeadlessCommands, BadInputIsOneLineAndStatusTwo) {
    test::TempFolder folder;
    struct Case {
        std::string args, names;
    };
    for (const Case& c : {
             Case{"text --freq 500 --at 2026-12-08T25:00:00Z", "--at"},
             Case{"text --freq 9.9", "--freq"},
             Case{"text --freq 1000.5", "--freq"},
             Case{"text --freq 500.05", "--freq"},
             Case{"text --freq loud", "--freq"},
             Case{"text --freq 500 --bgnd maybe", "--bgnd"},
             Case{"text --freq 500 --filter 3", "--filter"},
             Case{"survey --from 600 --to 500", "--from"},
             Case{"render --freq 500 --seconds 1 --out " + (folder / "no" / "x.wav").string(),
                  "cannot write"},
             Case{"render --freq 500 --seconds 1 --channel 7 --out x.wav", "--channel"},
         }) {
        const Ran r = run(zenka(c.args));
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_NE(r.out.find(c.names), std::string::npos) << c.args << ": " << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

} // namespace
} // namespace zenka

namespace zenka {
namespace {

TEST(NextCommand, ListsTheMinutesAStationComesOnTheAir) {
    const std::string at = " --at 2026-12-08T10:20:30Z";
    const Ran lines = run(zenka("next --freq 60 --hours 3" + at), false);
    ASSERT_EQ(lines.status, 0) << lines.out;
    for (const char* hour : {"10", "11", "12"})
        EXPECT_NE(lines.out.find(std::string("2026-12-08T") + hour +
                                 ":55:00.000Z    60.0 kHz  station MSF ts2  service time signal  "
                                 "calls MSF\n"),
                  std::string::npos)
            << lines.out;
    EXPECT_EQ(lines.out.find("T13:55"), std::string::npos) << "past the horizon";
    // The first entry in JSON, the same station.
    const Ran json = run(zenka("next --freq 60.0 --hours 1 --json" + at), false);
    EXPECT_TRUE(json.out.starts_with(
        "[\n{\"utc\": \"2026-12-08T10:45:00.000Z\", \"freq\": 600, \"station\": {\"label\": "
        "\"RAJ spark\", \"calls\": [\"RAJ\"], \"service\": \"naval\", \"may_call\": false}},\n"))
        << json.out;
    EXPECT_TRUE(json.out.ends_with("}\n]\n")) << json.out;
    // Over a part of the band: several frequencies, traffic drawn by chance as may call.
    const Ran band = run(zenka("next --band --from 330 --to 340 --hours 0.5" + at), false);
    ASSERT_EQ(band.status, 0) << band.out;
    EXPECT_NE(band.out.find("may call\n"), std::string::npos) << band.out;
    EXPECT_EQ(band.out.find(" 329.9 kHz"), std::string::npos);
    EXPECT_EQ(band.out.find(" 340.1 kHz"), std::string::npos);
    // A quiet frequency says so.
    const Ran quiet = run(zenka("next --freq 1000.3 --hours 0.1" + at), false);
    EXPECT_EQ(quiet.out, "nothing comes on the air at 1000.3 kHz within 6 minutes\n");
}

TEST(NextCommand, RefusesWhatItCannotAnswerInOneLine) {
    for (const auto& [args, says] : std::vector<std::pair<std::string, std::string>>{
             {"next", "give --freq KHZ or --band"},
             {"next --freq 500 --band", "give --freq KHZ or --band"},
             {"next --freq 500 --from 10", "--from and --to go with --band"},
             {"next --band --from 600 --to 500", "--from lies above --to"},
             {"next --freq 500 --hours 25", "--hours"},
             {"next --freq 9.9", "--freq"}}) {
        const Ran r = run(zenka(args));
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.out.find(says), std::string::npos) << args << ": " << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << args << ": " << r.out;
    }
}

} // namespace
} // namespace zenka
