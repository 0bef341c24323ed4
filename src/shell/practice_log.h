#pragma once
// The listener's copy practice, kept between runs: every scored copy a line of a readable
// tab-separated file ($XDG_DATA_HOME/zenka/practice.tsv), rewritten atomically at each new
// one; a damaged or hostile file is moved aside with what could be read of it kept, and a
// fresh one started. The summary tells how well the recent copies went, by speed and by
// kind of keying, weighted by the characters keyed.

#include "platform/clock.h"
#include "synth/emission.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// One scored copy.
struct PracticeAttempt {
    UtcInstant at{};                // when it was scored
    int freq = 0;                   // the dial, 100 Hz
    std::string station;            // the label of the station copied
    std::vector<std::string> calls; // the calls taking part
    int spd = 0;                    // words per minute
    Keying keying = Keying::machine;
    int qsa = 0; // strength 0 .. 5
    // Characters keyed and typed, and how the typed ones aligned against the keyed.
    int keyed = 0, copied = 0, right = 0, wrong = 0, missed = 0, extra = 0;

    // (wrong + missed + extra) / keyed, as the copy's score has it.
    double error_rate() const;

    friend bool operator==(const PracticeAttempt&, const PracticeAttempt&) = default;
};

// The file's text: two lines of heading, then one line an attempt.
std::string write_practice_table(const std::vector<PracticeAttempt>& attempts);

struct PracticeTable {
    std::vector<PracticeAttempt> attempts;
    std::vector<std::string> problems; // "line 7: ..." for each line that is no attempt
};
PracticeTable read_practice_table(std::string_view text);

class PracticeLog {
  public:
    // Past this a file is not a practice log (some hundred thousand attempts).
    static constexpr std::size_t kLimit = 16 * 1024 * 1024;

    PracticeLog(std::filesystem::path file, const Clock& clock);

    // Reads the kept attempts. Empty, or a message for the user.
    std::string load();
    // Adds an attempt and keeps the log at once. Empty, or why it is not kept.
    std::string add(PracticeAttempt a);

    const std::vector<PracticeAttempt>& attempts() const { return attempts_; }
    const std::filesystem::path& file() const { return file_; }

  private:
    std::filesystem::path file_;
    const Clock& clock_;
    std::vector<PracticeAttempt> attempts_;
    bool writable_ = true;
};

// How a group of attempts went.
struct Accuracy {
    std::string label; // "10-14 wpm", "hand"
    int attempts = 0;
    int keyed = 0;  // characters keyed
    int errors = 0; // wrong + missed + extra

    // 1 - errors / keyed, never below 0; 0 when nothing was keyed.
    double accuracy() const;
};

struct PracticeSummary {
    Accuracy all;
    std::vector<Accuracy> by_speed;  // "< 10 wpm", "10-14 wpm", "15-19 wpm", "20-24 wpm", "25+ wpm"
    std::vector<Accuracy> by_keying; // machine, hand, bug, spark, F1
};

// The last `last` attempts (all when there are fewer) summed up.
PracticeSummary summarise(const std::vector<PracticeAttempt>& attempts, std::size_t last);

// The summary in lines of text, as the pane shows and a screen reader says it.
std::string to_text(const PracticeSummary& s);

} // namespace zenka
