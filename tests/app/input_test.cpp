// Numbers are plain decimals, input comes back escaped on one line, and a
// report that cannot be delivered on standard output is a failure.

#include "support/run_command.h"
#include "support/temp_folder.h"
#include "user_input.h"
#include "world_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zenka {
namespace {

using test::Ran;
using test::run;
using test::zenka;

TEST(UserInput, OnlyPlainDecimalsAreNumbers) {
    for (const char* good : {"500", "500.0", "+3", "-3", ".5", "5.", "0012"}) {
        EXPECT_TRUE(app::is_decimal(good, true)) << good;
        EXPECT_EQ(app::parse_decimal(good), std::stod(good)) << good;
    }
    for (const char* bad : {"", "-", ".", "nan", "-nan", "NAN", "inf", "-inf", "infinity", "0x1F4",
                            "1e3", "5e-1", " 500", "500 ", "1.2.3", "5,0", "0b1", "--5", "+-5"}) {
        EXPECT_FALSE(app::is_decimal(bad, true)) << bad;
        EXPECT_FALSE(app::parse_decimal(bad)) << bad;
    }
    EXPECT_TRUE(app::is_decimal("20", false));
    EXPECT_FALSE(app::is_decimal("20.0", false));
    EXPECT_FALSE(app::is_decimal("0x14", false));
}

TEST(UserInput, QuotedAndPrintableKeepEveryByteOnOneLine) {
    EXPECT_EQ(app::quote_input("a\nb\tc\r\x1b[2J\x7f\"\\"), R"("a\nb\tc\r\x1B[2J\x7F\"\\")");
    EXPECT_EQ(app::printable("a\nb\\c\x01"), "a\\nb\\c\\x01");
    // Every byte value: nothing below 0x20 or 0x7F survives unescaped.
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    for (const std::string& shown : {app::quote_input(all), app::printable(all)})
        EXPECT_TRUE(std::none_of(shown.begin(), shown.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b < 0x20 || b == 0x7f;
        })) << shown;
}

TEST(UserInput, NonDecimalNumbersAreRefusedWithOneLineAndStatusTwo) {
    test::TempFolder folder;
    const std::string out = " --out " + (folder / "x.wav").string();
    struct Case {
        std::string args, names;
    };
    std::vector<Case> cases;
    for (const char* bad : {"nan", "-nan", "inf", "0x1F4", "1e3"}) {
        const std::string v = bad;
        cases.push_back({"render --freq 500 --seconds " + v + out, "--seconds"});
        cases.push_back({"render --freq " + v + " --seconds 1" + out, "--freq"});
        cases.push_back({"text --freq " + v, "--freq"});
        cases.push_back({"survey --from " + v, "--from"});
        cases.push_back({"key --freq " + v + out + " T", "--freq"});
    }
    for (const char* opt : {"--wpm 0x14", "--tone 0x3E8", "--seed 0x10", "--spacing 1e1"})
        cases.push_back({std::string("key ") + opt + out + " T",
                         std::string(opt).substr(0, std::string(opt).find(' '))});
    cases.push_back({"render --freq 500 --seconds 1 --channel 0x1" + out, "--channel"});
    for (const Case& c : cases) {
        const Ran r = run(zenka(c.args));
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_NE(r.out.find(c.names), std::string::npos) << c.args << ": " << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << c.args << ": " << r.out;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// One parser reads every frequency: key, text, render and survey take and refuse
// the same texts, those of the dial in steps of 0.1 kHz.
TEST(UserInput, EveryCommandTakesTheSameFrequencies) {
    test::TempFolder folder;
    const std::string out = " --out " + (folder / "x.wav").string();
    struct Case {
        std::string khz;
        bool dial;
    };
    for (const Case& c :
         {Case{"500", true}, Case{"500.1", true}, Case{"0500.10", true}, Case{"10", true},
          Case{"1000.4", true}, Case{"500.05", false}, Case{"500.01", false}, Case{"9.9", false},
          Case{"1000.5", false}, Case{"-500", false}}) {
        EXPECT_EQ(app::parse_khz(c.khz).has_value(), c.dial) << c.khz;
        for (const std::string& args : {"key --freq " + c.khz + out + " E", "text --freq " + c.khz,
                                        "render --freq " + c.khz + " --seconds 0.1 --qrn off" + out,
                                        "survey --from " + c.khz + " --to " + c.khz}) {
            const Ran r = run(zenka(args), false);
            EXPECT_EQ(r.status, c.dial ? 0 : 2) << args;
        }
    }
}

TEST(UserInput, MessagesShowControlBytesEscaped) {
    test::TempFolder folder;
    for (const std::string& args :
         {std::string("text --freq $'5\\n00'"), std::string("text --freq 500 --at $'\\e[2J\\n'"),
          std::string("key --at $'x\\ny' --out x.wav T"),
          "render --freq 500 --seconds 1 --out " + (folder / "no").string() + "/$'a\\nb'"}) {
        const Ran r = run("bash -c " + test::quoted(zenka(args)));
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << args << ": " << r.out;
        EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("\\n"), std::string::npos) << args << ": " << r.out;
    }
}

TEST(StandardOutput, AReportThatCannotBeDeliveredIsAFailure) {
    test::TempFolder folder;
    for (const std::string& args :
         {std::string("survey --json --at 2026-12-08T09:18:00Z --from 500 --to 520"),
          std::string("text --freq 500 --at 2026-12-08T06:13:02Z"), std::string("--help"),
          std::string("key --help"), "key --out " + (folder / "e.wav").string() + " E"}) {
        for (const char* redirect : {" > /dev/full", " >&-"}) {
            // Standard error to the pipe read here, standard output away.
            const Ran r = run("sh -c " + test::quoted(zenka(args) + " 2>&1" + redirect));
            EXPECT_EQ(r.status, 1) << args << redirect << ": " << r.out;
            EXPECT_NE(r.out.find("zenka: cannot write the output"), std::string::npos)
                << args << redirect << ": " << r.out;
            EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
        }
    }
}

} // namespace
} // namespace zenka
