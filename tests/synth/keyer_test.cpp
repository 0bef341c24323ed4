#include "support/temp_folder.h"
#include "synth/keyer.h"
#include "synth/wave_bytes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zenka {
namespace {

using test::Bytes;
using test::operator+;
using test::keyed;
using test::silent;
using test::tone;

// Renders with the emission parameters `p`, loaded as a slot's set would be; by default
// 20 wpm, tone request 1000, strength 5: sample rate 8000, dot_size 60.
class Keyer : public ::testing::Test {
  protected:
    Keyer() : clock(*parse_utc("2026-12-08T22:30:00Z")), keyer(clock, random) {
        p.spd = 20, p.ton = 1000, p.qsa = 5;
    }

    RenderResult render(std::string_view text) { return keyer.render(file(), text, p, rx); }
    std::filesystem::path file() const { return folder / "out.wav"; }
    Bytes bytes() const { return test::read_bytes(file()); }
    Bytes samples() const { return test::samples_of(bytes()); }

    test::TempFolder folder;
    FixedClock clock;
    RandomSource random;
    ::zenka::Keyer keyer;
    EmissionParams p;
    KeyerSetup rx;
};

TEST_F(Keyer, RendersTheLetterEExactly) {
    const RenderResult r = render("E");
    EXPECT_EQ(r.outcome, RenderResult::Outcome::Written);
    EXPECT_EQ(r.duration_ms, 360u); // 2884 * 1000 / 8000

    const Bytes head = {'R',  'I',  'F', 'F', 0x68, 0x0B, 0,    0,   // RIFF size 2920
                        'W',  'A',  'V', 'E', 'f',  'm',  't',  ' ', //
                        16,   0,    0,   0,   1,    0,    1,    0,   // PCM, mono
                        0x40, 0x1F, 0,   0,   0x40, 0x1F, 0,    0,   // 8000 samples/s, 8000 bytes/s
                        1,    0,    8,   0,   'd',  'a',  't',  'a', //
                        0x44, 0x0B, 0,   0,   0x80, 0x80, 0x80, 0x80}; // data size 2884
    const Bytes file = bytes();
    ASSERT_EQ(file.size(), 48u + 2880u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 48), head);
    EXPECT_EQ(samples(), silent(960) + tone(60, 5) + silent(480) + silent(960));
}

TEST_F(Keyer, DotSizeFollowsFilterAndSampling) {
    struct Case {
        int sampling;
        Filter filter;
        std::size_t dot;
        std::uint32_t rate, duration;
    };
    for (const Case& c :
         {Case{4, Filter::flt2, 60, 8000, 360}, Case{4, Filter::flt1, 30, 4000, 361},
          Case{3, Filter::flt2, 44, 6000, 352}, Case{3, Filter::flt1, 22, 3000, 353}}) {
        p.spd = 20, p.ton = 1000, p.qsa = 5, rx.sampling = c.sampling, rx.filter = c.filter;
        keyer.last_space = 0;
        EXPECT_EQ(render("E").duration_ms, c.duration) << c.sampling << narrow(c.filter);
        EXPECT_EQ(keyer.wavehdr.sample_rate, c.rate);
        EXPECT_EQ(samples(), silent(16 * c.dot) + keyed(".", c.dot, 5));
    }
}

TEST_F(Keyer, LeadingSpaceCarriesOverFromThePreviousRender) {
    render("");
    EXPECT_EQ(samples(), silent(960)); // the previous render did not end in a space
    EXPECT_EQ(keyer.last_space, 1);
    render("");
    EXPECT_EQ(samples(), silent(2400)); // 5 units after a space
    render("E");
    EXPECT_EQ(keyer.last_space, 0);
    render("T ");
    EXPECT_EQ(samples(), silent(960) + keyed("-", 60, 5) + silent(960));
}

TEST_F(Keyer, EachFurtherSpaceAddsThreeUnits) {
    render("E  ");
    EXPECT_EQ(samples(), silent(960) + keyed(".", 60, 5) + silent(960) + silent(2400));
}

TEST_F(Keyer, FoldsLowerCaseUnlessKanaIsOn) {
    render("e");
    const Bytes folded = samples();
    keyer.last_space = 0;
    render("E");
    EXPECT_EQ(folded, samples());

    p.katokana = 1;
    keyer.last_space = 0;
    render("e");
    EXPECT_EQ(samples(), silent(960) + keyed("-..--", 60, 5));

    keyer.last_space = 0;
    render("~\x7F"); // kana signs above "z"
    EXPECT_EQ(samples(), silent(960) + keyed("--.-", 60, 5) + keyed("..--", 60, 5));
}

TEST_F(Keyer, WithoutKanaTheCodesAboveZFoldToPunctuation) {
    render("{|}~\x7F");
    const Bytes folded = samples();
    keyer.last_space = 0;
    render("[\\]^_");
    EXPECT_EQ(folded, samples());
}

TEST_F(Keyer, CutZeroKeysZeroAsT) {
    p.sz = 1;
    render("0");
    EXPECT_EQ(samples(), silent(960) + keyed("-", 60, 5));
    p.sz = 0;
    keyer.last_space = 0;
    render("0");
    EXPECT_EQ(samples(), silent(960) + keyed("-----", 60, 5));
}

TEST_F(Keyer, AttenuatorSilencesStrengthZeroAndWeakensTheRest) {
    rx.att = 1;
    p.qsa = 0;
    render("LONG TEXT THAT WAS THERE BEFORE"); // the file existed and had content
    rx.att = 0, p.qsa = 3;
    render("LONG TEXT");
    ASSERT_GT(bytes().size(), 48u);

    rx.att = 1, p.qsa = 0;
    const RenderResult r = render("E");
    EXPECT_EQ(r.outcome, RenderResult::Outcome::Suppressed);
    EXPECT_EQ(r.duration_ms, 0u);
    EXPECT_EQ(bytes().size(), 0u);

    p.qsa = 3;
    keyer.last_space = 0;
    render("E");
    EXPECT_EQ(samples(), silent(960) + keyed(".", 60, 2));
}

TEST_F(Keyer, PropagationWeakensLowFrequenciesByDayAndNothingAtNight) {
    clock.set(*parse_utc("2026-12-08T12:00:00Z"));
    rx.freq = 2000; // 200.0 kHz
    p.qsa = 3;
    render("E");
    EXPECT_EQ(samples(), silent(960) + keyed(".", 60, 2));

    clock.set(*parse_utc("2026-12-08T22:00:00Z"));
    p.qsa = 3;
    keyer.last_space = 0;
    render("E");
    EXPECT_EQ(samples(), silent(960) + keyed(".", 60, 3));

    rx.freq = 1000; // 100.0 kHz is below the weakened range
    clock.set(*parse_utc("2026-12-08T12:00:00Z"));
    p.qsa = 3;
    keyer.last_space = 0;
    render("E");
    EXPECT_EQ(samples(), silent(960) + keyed(".", 60, 3));

    // By day a strength 1 station at 200 kHz drops to 0 and the attenuator removes it.
    rx.freq = 2000, p.qsa = 1, rx.att = 1;
    EXPECT_EQ(render("E").outcome, RenderResult::Outcome::Suppressed);
}

TEST_F(Keyer, SwitchBytesChangeSpeedToneAndStrengthMidText) {
    render("\x01\x0C"
           "E");
    // The leading space at 20 wpm (dot_size 60), the E at 12 wpm: 600 / 12 * 2 = 100.
    EXPECT_EQ(samples(), silent(960) + keyed(".", 100, 5));
    EXPECT_EQ(keyer.wavehdr.sample_rate, 8000u);

    p.spd = 20, p.qsa = 5, p.ton = 1000;
    keyer.last_space = 0;
    render("E\x03\x02"
           "E\x02\xF4\x01"
           "E"); // strength 2, then tone 500 (doubled to 1000: 30 * 200 / 200)
    EXPECT_EQ(samples(), silent(960) + keyed(".", 60, 5) + keyed(".", 60, 2) + keyed(".", 30, 2));
    EXPECT_EQ(keyer.wavehdr.sample_rate, 8000u); // the file's rate stays that of the start
}

TEST_F(Keyer, ASwitchCutOffByTheEndOfTheTextEndsTheRender) {
    render("E");
    const Bytes plain = samples();
    for (std::string_view text :
         {std::string_view("E\x01"), std::string_view("E\x02"), std::string_view("E\x02\x10"),
          std::string_view("E\x03"), std::string_view("E\x02\x10\0\x10T", 6)}) {
        p.spd = 20, p.ton = 1000, p.qsa = 5;
        keyer.last_space = 0;
        render(text);
        EXPECT_EQ(samples(), plain) << text.size();
    }
}

TEST_F(Keyer, StrengthSixKeysAtStrengthZero) {
    p.qsa = 6;
    render("E");
    EXPECT_EQ(samples(), silent(960) + keyed(".", 60, 0));
    EXPECT_EQ(keyer.p.qsa, 0);
}

TEST_F(Keyer, NegativeStrengthWritesNoMarks) {
    p.qsa = -1;
    render("EE");
    EXPECT_EQ(samples(), silent(960) + silent(480 + 960) + silent(480 + 960));
}

TEST_F(Keyer, CodesAboveSevenBitsGiveOnlyTheLetterGap) {
    render("\xC4\xFF");
    EXPECT_EQ(samples(), silent(960) + silent(960) + silent(960));
    EXPECT_EQ(keyer.last_space, 0);
}

TEST_F(Keyer, LongestCodeHasTenElements) {
    render("\x07");
    EXPECT_EQ(samples(), silent(960) + keyed(".........-", 60, 5));
}

TEST_F(Keyer, TuningCharactersJoinIntoOneCarrier) {
    render("\x04\x04 E");
    // The tuning characters leave last_space as the leading space set it: the space
    // after them is a further space of 5 units.
    EXPECT_EQ(samples(), silent(960) + tone(360, 5) + silent(2400) + keyed(".", 60, 5));
    EXPECT_EQ(keyer.tuning_flag, 0);
}

TEST_F(Keyer, BugKeyLengthensTheTuningCarrier) {
    // rto 1..20: 83 to under 123 units; above 20: 83 to under 163 (dot_size 60 after the
    // bug key's extra word per minute: 600 / 21 * 2 = 56).
    for (int rto : {10, 30}) {
        for (int i = 0; i < 20; ++i) {
            p.spd = 20, p.ton = 1000, p.qsa = 5, p.rto = rto;
            clock.advance(std::chrono::milliseconds(113));
            render("\x04");
            const auto runs = test::cycle_runs(samples());
            ASSERT_EQ(runs.size(), 2u);
            EXPECT_GE(runs[1], 83 * 56);
            EXPECT_LT(runs[1], (rto > 20 ? 163 : 123) * 56);
        }
    }
}

TEST_F(Keyer, HandKeyingStretchesEachElementByLessThanHalf) {
    p.hand = 1;
    long longest_dash = 0;
    for (int i = 0; i < 30; ++i) {
        p.spd = 20, p.ton = 1000, p.qsa = 5;
        keyer.last_space = 0;
        clock.advance(std::chrono::milliseconds(7));
        render("T");
        const auto runs = test::cycle_runs(samples());
        ASSERT_EQ(runs.size(), 3u);
        EXPECT_LE(runs[0], -120); // leading space: 2 units + under 1
        EXPECT_GT(runs[0], -180);
        EXPECT_GE(runs[1], 180); // dash: 3 units + under half a unit
        EXPECT_LT(runs[1], 210);
        EXPECT_LE(runs[2], -180); // element gap and letter gap
        EXPECT_GT(runs[2], -(90 + 180));
        longest_dash = std::max(longest_dash, runs[1]);
    }
    EXPECT_GT(longest_dash, 180); // the jitter is really there
}

TEST_F(Keyer, BugKeyWeightsDashesButNotDots) {
    p.rto = 10;
    render("ET");
    // 21 wpm: dot_size 56; dash 3 units + 1 to 1.5 units.
    const auto runs = test::cycle_runs(samples());
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[1], 56);
    EXPECT_GE(runs[3], 4 * 56);
    EXPECT_LT(runs[3], 4 * 56 + 28);
}

TEST_F(Keyer, InvertedKeyingDropsTheToneForTheMarks) {
    p.bw = 1;
    render("ET");
    // Every gap is one unit of tone; a dot drops out for dot_size samples, a dash for three times
    // that.
    EXPECT_EQ(samples(), tone(60, 5) + silent(60) + tone(60, 5) + tone(60, 5) + silent(180) +
                             tone(60, 5) + tone(60, 5));
}

TEST_F(Keyer, AFileThatCannotBeCreatedGivesNothingToPlay) {
    const RenderResult r = keyer.render(folder / "missing" / "x.wav", "E", p, rx);
    EXPECT_EQ(r.outcome, RenderResult::Outcome::FileError);
    EXPECT_FALSE(r.error.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(Keyer, RewritesALongerFileInPlaceToItsNewLength) {
    render(std::string(400, 'H'));
    struct stat before {};
    ASSERT_EQ(::stat(file().c_str(), &before), 0);
    keyer.last_space = 0;
    render("E");
    struct stat after {};
    ASSERT_EQ(::stat(file().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_size, 48 + 2880);
    EXPECT_EQ(samples(), silent(960) + keyed(".", 60, 5));
}

// Measuring keys the same text without a file: the same duration, the same draws.
TEST_F(Keyer, MeasureGivesTheRendersDurationWithoutAFile) {
    for (const char* text : {"E", "CQ CQ DE DDK K",
                             "\x01\x0C"
                             "E",
                             "\x04\x04 VVV"}) {
        for (int hand : {0, 1}) {
            p.hand = hand;
            random = RandomSource{};
            RandomSource twin_random;
            ::zenka::Keyer twin(clock, twin_random);
            const RenderResult written = keyer.render(file(), text, p, rx);
            const RenderResult measured = twin.measure(text, p, rx);
            EXPECT_EQ(measured.duration_ms, written.duration_ms) << text;
            EXPECT_EQ(measured.qsa, written.qsa) << text;
            EXPECT_EQ(twin_random.seed, random.seed) << text;
            keyer.last_space = twin.last_space = 0;
        }
    }
    rx.att = 1, p.qsa = 0;
    EXPECT_EQ(keyer.measure("E", p, rx).outcome, RenderResult::Outcome::Suppressed);
    std::filesystem::remove(file());
    rx.att = 0;
    keyer.measure("E", p, rx);
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(Keyer, DurationOfLongFilesDoesNotOverflow) {
    p.spd = 5;                         // dot_size 240: a unit is 1920 bytes
    const std::string text(3000, 'H'); // 3000 * (4 * 2 + 2) units: 57.6 MB
    const RenderResult r = render(text);
    const std::uint64_t data = 8 * 240 * (2 + 3000 * 10) + 4; // over 2^32 / 1000
    EXPECT_EQ(r.duration_ms, data * 1000 / 8000);
    EXPECT_EQ(std::filesystem::file_size(file()), 44 + data);
}

// A text longer than the 32-bit sizes of a file hold is keyed up to the limit and
// said to be cut short, with how much of it is in the file: exactly the longest
// beginning that fits whole.
TEST_F(Keyer, ATextPastTheFileLimitIsCutShortAtTheLongestBeginningThatFits) {
    p.spd = 1; // a unit of 9600 samples, a figure 0 of 22 units: about 20,300 of them fit
    const std::string text(30000, '0');
    const RenderResult cut = keyer.measure(text, p, rx);
    EXPECT_TRUE(cut.cut_short);
    ASSERT_GT(cut.keyed, 20000u);
    ASSERT_LT(cut.keyed, text.size());
    const RenderResult fits = keyer.measure(text.substr(0, cut.keyed), p, rx);
    EXPECT_FALSE(fits.cut_short);
    EXPECT_EQ(fits.keyed, cut.keyed);
    EXPECT_TRUE(keyer.measure(text.substr(0, cut.keyed + 1), p, rx).cut_short);
    // Whole texts are never cut short, and their size up to the first zero byte is keyed.
    const RenderResult whole = keyer.measure(std::string("CQ\0DE"), p, rx);
    EXPECT_FALSE(whole.cut_short);
    EXPECT_EQ(whole.keyed, 2u);
    EXPECT_EQ(render("E").keyed, 1u);
    EXPECT_FALSE(render("E").cut_short);
}

} // namespace
} // namespace zenka

namespace zenka {
namespace {

// Where the key goes down in a channel file: the first sample of a mark after at least one
// tone cycle (8 samples) of silence. A mark cycle may cross the middle level, a gap never
// leaves it.
std::vector<std::size_t> key_downs(const test::Bytes& samples) {
    std::vector<std::size_t> out;
    std::size_t quiet = 8;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] == kSilence) {
            ++quiet;
            continue;
        }
        if (quiet >= 8) out.push_back(i);
        quiet = 0;
    }
    return out;
}

TEST_F(Keyer, TheTimelineOfTheCharactersIsWhereTheirKeyGoesDown) {
    // Hand keying draws every element's length; a speed switch, a tone switch and a run of
    // spaces change the timing within the text.
    p.hand = 1;
    const std::string text = "CQ DE\x01\x0C W1AW    \x02\xF4\x01K";
    const RenderResult r = render(text);
    ASSERT_EQ(r.outcome, RenderResult::Outcome::Written);
    // Every byte but the switches' is a character, in order.
    std::vector<std::size_t> at;
    const std::vector<CharStart> chars = keyer.chars();
    for (const CharStart& c : chars)
        at.push_back(c.at);
    EXPECT_EQ(at, (std::vector<std::size_t>{0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19}));

    const test::Bytes sound = samples();
    const std::vector<std::size_t> downs = key_downs(sound);
    const std::size_t per_ms = keyer.wavehdr.byte_rate / 1000; // 8 samples a millisecond
    ASSERT_EQ(per_ms, 8u);
    // The elements of each letter: C -.-. Q --.- D -.. E . W .-- 1 .---- A .- K -.-
    const std::string elements = "44 31 3523    3";
    std::size_t d = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const std::size_t from = chars[i].ms * per_ms;
        const std::size_t to = i + 1 < chars.size() ? chars[i + 1].ms * per_ms : sound.size();
        std::size_t count = 0;
        for (; d < downs.size() && downs[d] < to; ++d, ++count) {
            EXPECT_GE(downs[d], from) << "character " << i;
            // A letter starts with its key going down, within the millisecond the timeline
            // rounds to (and a cycle that starts at the middle level).
            if (count == 0) {
                EXPECT_LE(downs[d], from + per_ms + 1) << "character " << i;
            }
        }
        EXPECT_EQ(count, static_cast<std::size_t>(elements[i] == ' ' ? 0 : elements[i] - '0'))
            << "character " << i << " '" << text[chars[i].at] << "'";
    }
    EXPECT_EQ(d, downs.size());
    EXPECT_LT(chars.back().ms, r.duration_ms);

    // Measuring gives the timeline of a render with the same draws.
    p.hand = 0;
    render(text);
    const std::vector<CharStart> rendered = keyer.chars();
    keyer.measure(text, p, rx);
    EXPECT_EQ(keyer.chars(), rendered);
    // Nothing keyed, no timeline.
    rx.att = 1, p.qsa = 0;
    EXPECT_EQ(render(text).outcome, RenderResult::Outcome::Suppressed);
    EXPECT_TRUE(keyer.chars().empty());
}

} // namespace
} // namespace zenka
