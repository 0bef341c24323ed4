// Copy practice as plain values: the characters a channel keyed between two moments, agreeing
// with the text Now hearing shows, the channel taken by default, a copy scored, the attempt
// kept, and the copy laid out aligned with its marks.

#include "panel/copy_aligned.h"
#include "panel/copy_attempt.h"
#include "support/band_receiver.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

// A channel keying `composed` from its byte `first` on (the switches before it), a byte a
// tenth of a second after the one before.
CopyChannel channel_keying(const std::string& composed, std::size_t first = 0, int qsa = 4,
                           std::uint32_t ms = 60'000) {
    CopyChannel ch;
    ch.composed = composed;
    ch.row.channel = 0;
    ch.row.duration_ms = ms;
    ch.row.emission.qsa = qsa;
    ch.row.text = heard_text(composed);
    for (std::size_t i = first; i < composed.size(); ++i)
        ch.starts.push_back({i, static_cast<std::uint32_t>(100 * (i - first))});
    ch.row.keyed_ms = heard_times(composed, ch.starts);
    return ch;
}

// Over the real band: what a channel keyed from a moment to another is, in the text as heard,
// exactly the characters Now hearing shows as begun between them.
TEST(CopyAttempt, TheKeyedSpanIsWhatNowHearingShowsAsKeyed) {
    test::BandReceiver band("2026-12-08T22:07:00Z");
    int channels = 0, moments = 0;
    for (int freq = 4700; freq <= 5200; freq += 5) {
        band.retune(freq);
        for (const CopyChannel& ch : copy_channels(band.rx.last(), band.rx.last_play())) {
            ++channels;
            const HearingRow& row = ch.row;
            ASSERT_EQ(row.keyed_ms.size(), row.text.size()) << freq;
            std::vector<std::uint32_t> at = {0, row.duration_ms, row.duration_ms + 1};
            for (std::size_t i = 0; i < row.keyed_ms.size(); i += 1 + row.keyed_ms.size() / 40)
                for (const std::uint32_t d : {0u, 1u})
                    at.push_back(row.keyed_ms[i] + d), at.push_back(row.keyed_ms[i] - std::min(d, row.keyed_ms[i]));
            for (const std::uint32_t to : at) {
                for (const std::uint32_t from : {0u, to / 3, to}) {
                    const ByteSpan span = keyed_between(ch, from, to);
                    const std::size_t before = from == 0 ? 0 : keyed_by(row, from - 1);
                    const std::size_t upto = keyed_by(row, to);
                    ASSERT_EQ(heard_text(ch.composed.substr(span.begin, span.end - span.begin)),
                              row.text.substr(before, upto - std::min(before, upto)))
                        << freq << " channel " << row.channel << " from " << from << " to " << to;
                    ++moments;
                }
            }
            // The whole text typed as heard is scored right, less the signs keyed by a
            // control code, which the text as heard leaves out.
            const CopyScore whole = score_between(ch, row.text, 0, row.duration_ms);
            EXPECT_EQ(whole.wrong + whole.extra, 0) << freq;
            EXPECT_EQ(whole.right, static_cast<int>(keyed_characters(row.text, ch.params).size()))
                << freq;
        }
    }
    EXPECT_GT(channels, 20);
    EXPECT_GT(moments, 1000);
}

TEST(CopyAttempt, ACopyIsScoredAgainstWhatWasKeyedWhileCopying) {
    // A speed switch, a distress sign keyed by its control code, words.
    const CopyChannel ch = channel_keying("\x01\x12" "CQ \x12 DE DAN K", 2);
    // Bytes 2.. are keyed 100 ms apart: "C" at 0, "Q" at 100, " " at 200, SOS at 300 ...
    EXPECT_EQ(keyed_between(ch, 0, 0), (ByteSpan{0, 3}));
    EXPECT_EQ(keyed_between(ch, 0, 350), (ByteSpan{0, 6}));
    EXPECT_EQ(keyed_between(ch, 300, 350), (ByteSpan{5, 6}));
    EXPECT_EQ(keyed_between(ch, 301, 350), (ByteSpan{6, 6}));
    EXPECT_EQ(keyed_between(ch, 0, 99'999), (ByteSpan{0, ch.composed.size()}));

    const auto score = [&](const char* copy, std::uint32_t from, std::uint32_t to) {
        const CopyScore s = score_between(ch, copy, from, to);
        return std::to_string(s.sent) + " " + s.marked();
    };
    EXPECT_EQ(score("CQ <SOS> DE DAN K", 0, 99'999), "9 CQ <SOS> DE DAN K");
    EXPECT_EQ(score("CQ DE DAN K", 0, 99'999), "9 CQ (<SOS>) DE DAN K");
    // Three letters are no distress sign: one wrong, two extra.
    const CopyScore letters = score_between(ch, "cq sos de dan k", 0, 99'999);
    EXPECT_EQ(letters.right, 8);
    EXPECT_EQ(letters.wrong, 1);
    EXPECT_EQ(letters.missed, 0);
    EXPECT_EQ(letters.extra, 2);
    // From the moment the copy started: the first characters are not asked for.
    EXPECT_EQ(score("DE DA", 500, 950), "4 DE DA");
    EXPECT_EQ(score("DE DAN", 500, 950), "4 DE DA{N}");
    EXPECT_EQ(score("", 99'999, 99'999), "0 ");
}

TEST(CopyAttempt, TheStrongestKeyingChannelIsTakenFirst) {
    std::vector<CopyChannel> channels = {
        channel_keying("A", 0, 3, 9000), channel_keying("B", 0, 5, 2000),
        channel_keying("C", 0, 5, 8000), channel_keying("D", 0, 2, 9500)};
    EXPECT_EQ(strongest_channel(channels, 0), 1);    // the first of the two strongest
    EXPECT_EQ(strongest_channel(channels, 2000), 2); // the first has ended
    EXPECT_EQ(strongest_channel(channels, 8000), 0);
    EXPECT_EQ(strongest_channel(channels, 9000), 3);
    EXPECT_EQ(strongest_channel(channels, 9500), -1);
    EXPECT_EQ(strongest_channel({}, 0), -1);
}

TEST(CopyAttempt, TheAttemptKeptHasTheStationAndTheFigures) {
    CopyChannel ch = channel_keying("CQ DE DAN");
    ch.row.emission.station.label = "coast_station_mf DAN/NORDDEICH";
    ch.row.emission.station.calls = {"DAN"};
    ch.row.emission.spd = 17;
    ch.row.emission.keying = Keying::bug;
    const CopyScore s = score_between(ch, "CQ DX DANN", 0, 99'999);
    const UtcInstant at = *parse_utc("2026-12-09T06:13:02Z");
    PracticeAttempt want;
    want.at = at;
    want.freq = 5000;
    want.station = "coast_station_mf DAN/NORDDEICH";
    want.calls = {"DAN"};
    want.spd = 17;
    want.keying = Keying::bug;
    want.qsa = 4;
    want.keyed = 7;
    want.copied = 8;
    want.right = 6;
    want.wrong = 1;
    want.extra = 1;
    EXPECT_EQ(practice_attempt(ch, s, 5000, at), want);
}

CopyScore scored(const char* keyed, const char* copy) {
    return score_copy(keyed_characters(keyed, {}), copied_characters(copy));
}

TEST(CopyAligned, TheCopyStandsUnderWhatWasKeyedWithItsMarks) {
    EXPECT_EQ(aligned_text(aligned_lines(scored("CQ DE K", "CQ DX KE"), 60)),
              "Keyed  CQ DE K\n"
              "Copied CQ DX KE\n"
              "Marks      x  +\n");
    // A sign written by its name takes as many columns as its name.
    EXPECT_EQ(aligned_text(aligned_lines(scored("SOS \x12 E", "SOS <AR>"), 60)),
              "Keyed  SOS <SOS> E\n"
              "Copied SOS       <AR>\n"
              "Marks      -     x\n");
    // Broken at the last word gap that fits, the gap left out; a word longer than a line
    // is broken where the line is full.
    EXPECT_EQ(aligned_text(aligned_lines(scored("CQ CQ DE K ABCDEFGH", "CQ CQ DE K ABCDEFGH"), 5)),
              "Keyed  CQ CQ\nCopied CQ CQ\nMarks\n\n"
              "Keyed  DE K\nCopied DE K\nMarks\n\n"
              "Keyed  ABCDE\nCopied ABCDE\nMarks\n\n"
              "Keyed  FGH\nCopied FGH\nMarks\n");
    // Every column once, in order, whatever the width.
    const CopyScore s = scored("VVV CQ CQ DE DAN DAN QRU K", "VV CQ CX DE DANN DAN QRU");
    for (std::size_t width = 1; width < 40; ++width) {
        std::size_t marks = 0;
        for (const AlignedLine& line : aligned_lines(s, width)) {
            std::size_t w = 0;
            for (const AlignedColumn& c : line) {
                EXPECT_EQ(c.keyed.size(), c.copied.size());
                w += c.keyed.size();
                if (c.keyed != " " || c.copied != " ") ++marks;
            }
            EXPECT_LE(w, std::max<std::size_t>(width, 1)) << width;
            ASSERT_FALSE(line.empty());
            EXPECT_FALSE(line.front().keyed == " " && line.front().copied == " ") << width;
        }
        EXPECT_EQ(marks, s.marks.size()) << width;
    }
}

} // namespace
} // namespace zenka
