// `zenka copy-check`: a copy of a rendered emission, read back by the multimon-ng Morse
// decoder, scores what the decoder got wrong; copies with known slips are counted exactly;
// what cannot be read is said in one line.

#include "support/run_command.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace zenka {
namespace {

using test::Ran;
using test::run;
using test::zenka;

const std::string kAt = " --at 2026-12-08T06:13:50Z";

int field(const std::string& json, const std::string& name) {
    std::smatch m;
    const std::regex re("\"" + name + "\": ([0-9]+)");
    return std::regex_search(json, m, re) ? std::stoi(m[1]) : -1;
}

TEST(CopyCheckCommand, ADecodedRenderScoresWhatTheDecoderMissed) {
    test::TempFolder folder;
    const std::string wav = (folder / "c0.wav").string(), loud = (folder / "loud.wav").string();
    ASSERT_EQ(run(zenka("render --freq 500" + kAt + " --seconds 185 --channel 0 --out " + wav))
                  .status,
              0);
    ASSERT_EQ(run("sox " + wav + " " + loud + " norm -1").status, 0);
    const std::string decoded = run("multimon-ng -q -c -a MORSE_CW -t wav " + loud, false).out;
    ASSERT_GT(decoded.size(), 20u);
    test::write_text(folder / "copy.txt", decoded);
    const Ran exact = run(zenka("copy-check --freq 500" + kAt + " --json " +
                                (folder / "copy.txt").string()),
                          false);
    ASSERT_EQ(exact.status, 0) << exact.out;
    // The decoder reads this machine-keyed emission without a slip (see RenderCommand).
    EXPECT_EQ(field(exact.out, "wrong") + field(exact.out, "missed") + field(exact.out, "extra"),
              0)
        << exact.out;
    const int sent = field(exact.out, "sent");
    EXPECT_GT(sent, 20);

    // Three characters dropped, two added and one changed, far apart.
    std::string slipped = decoded;
    std::size_t letters = 0;
    std::string out;
    for (const char c : slipped) {
        const bool letter = c >= 'A' && c <= 'Z';
        if (letter) ++letters;
        if (letter && (letters == 3 || letters == 9 || letters == 15)) continue; // dropped
        if (letter && letters == 6) {
            out += (c == 'E' ? 'I' : 'E'); // changed
            continue;
        }
        out += c;
        if (letter && (letters == 12 || letters == 18)) out += "  5"; // added (no 5 is sent)
    }
    test::write_text(folder / "slips.txt", out);
    const Ran slips = run(
        zenka("copy-check --freq 500" + kAt + " --json " + (folder / "slips.txt").string()), false);
    ASSERT_EQ(slips.status, 0) << slips.out;
    EXPECT_EQ(field(slips.out, "missed"), 3) << slips.out;
    EXPECT_EQ(field(slips.out, "extra"), 2) << slips.out;
    EXPECT_EQ(field(slips.out, "wrong"), 1) << slips.out;
    EXPECT_EQ(field(slips.out, "right"), sent - 4) << slips.out;
}

TEST(CopyCheckCommand, WhatCannotBeCheckedIsSaidInOneLine) {
    test::TempFolder folder;
    const Ran missing = run(zenka("copy-check --freq 500" + kAt + " " +
                                  (folder / "none.txt").string()));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.out.find("none.txt\": No such file or directory\n"), std::string::npos)
        << missing.out;
    const Ran folder_copy =
        run(zenka("copy-check --freq 500" + kAt + " " + folder.path().string()));
    EXPECT_EQ(folder_copy.status, 2);
    EXPECT_NE(folder_copy.out.find(": not a regular file\n"), std::string::npos)
        << folder_copy.out;
    test::write_text(folder / "copy.txt", "CQ");
    const Ran quiet = run(zenka("copy-check --freq 410 --at 2026-12-08T00:10:00Z --channel 6 " +
                                (folder / "copy.txt").string()));
    EXPECT_EQ(quiet.status, 1);
    EXPECT_EQ(quiet.out, "zenka copy-check: nothing is keyed on channel 6 at 410 kHz then\n");
    const Ran bad = run(zenka("copy-check --freq 500 --channel 7 " + (folder / "copy.txt").string()));
    EXPECT_EQ(bad.status, 2);
    const Ran from_stdin =
        run("echo SOS | " + zenka("copy-check --freq 500" + kAt + " --seconds 3 -"));
    EXPECT_EQ(from_stdin.status, 0) << from_stdin.out;
    EXPECT_NE(from_stdin.out.find("channel 0"), std::string::npos) << from_stdin.out;
}

} // namespace
} // namespace zenka
