#include "shell/practice_log.h"

#include "platform/decimal.h"
#include "platform/kept_file.h"
#include "platform/text_lines.h"
#include "shell/dial.h"
#include "shell/text_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace zenka {
namespace {

constexpr std::array<Keying, 5> kKinds = {Keying::machine, Keying::hand, Keying::bug,
                                          Keying::spark, Keying::f1};
constexpr std::size_t kFields = 14;
constexpr const char* kHeading = "# Zenka copy practice: one scored copy a line, tab-separated.\n"
                                 "# UTC\tkHz\tstation\tcalls\twpm\tkeying\tstrength\tkeyed\t"
                                 "copied\tright\twrong\tmissed\textra\terror rate\n";

// A field with its tabs, line ends and backslashes escaped; in the calls also the
// commas between them.
void put_escaped(std::string& out, std::string_view s, bool commas) {
    for (const char c : s) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case ',':
            out += commas ? "\\," : ",";
            break;
        default:
            out += c;
        }
    }
}

// The field's text, and where `stop` (a comma outside an escape) ends a piece of it.
std::optional<std::vector<std::string>> unescaped(std::string_view s, char stop) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == stop) {
            pieces.emplace_back();
            continue;
        }
        if (c != '\\') {
            pieces.back() += c;
            continue;
        }
        if (++i == s.size()) return std::nullopt;
        switch (s[i]) {
        case '\\':
        case ',':
            pieces.back() += s[i];
            break;
        case 't':
            pieces.back() += '\t';
            break;
        case 'n':
            pieces.back() += '\n';
            break;
        case 'r':
            pieces.back() += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return pieces;
}

// Whole seconds as "2026-12-09T06:13:02Z", a moment between them with its milliseconds.
std::string utc_text(UtcInstant t) {
    std::string s = format_utc(t);
    if (s.ends_with(".000Z")) s.erase(s.size() - 5, 4);
    return s;
}

std::optional<int> count(std::string_view s, int most) {
    int v = 0;
    if (s.empty() || s.size() > 9) return std::nullopt;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < 0 || v > most) return std::nullopt;
    return v;
}

std::optional<Keying> keying_named(std::string_view name) {
    for (const Keying k : kKinds)
        if (keying_name(k) == name) return k;
    return std::nullopt;
}

std::vector<std::string_view> fields_of(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

// The attempt of one line, or why the line is none.
std::string read_attempt(std::string_view line, PracticeAttempt& a) {
    const std::vector<std::string_view> f = fields_of(line);
    if (f.size() != kFields)
        return "not an attempt (" + std::to_string(kFields) + " fields separated by tabs)";
    const std::optional<UtcInstant> at = parse_utc(f[0]);
    if (!at) return "not a UTC time: " + shown(f[0]);
    a.at = *at;
    const std::optional<int> freq = dial_units(f[1]);
    if (!freq) return "not a frequency on the dial: " + shown(f[1]);
    a.freq = *freq;
    const auto station = unescaped(f[2], '\0');
    const auto calls = f[3].empty() ? std::optional<std::vector<std::string>>(std::in_place)
                                    : unescaped(f[3], ',');
    if (!station || !calls) return "a station or calls with a stray backslash";
    a.station = station->front();
    a.calls = *calls;
    if (std::find(a.calls.begin(), a.calls.end(), "") != a.calls.end())
        return "an empty call: " + shown(f[3]);
    const std::optional<int> spd = count(f[4], 999);
    if (!spd || *spd == 0) return "not a speed in wpm: " + shown(f[4]);
    a.spd = *spd;
    const std::optional<Keying> kind = keying_named(f[5]);
    if (!kind) return "not a kind of keying: " + shown(f[5]);
    a.keying = *kind;
    const std::optional<int> qsa = count(f[6], 5);
    if (!qsa) return "not a strength 0 - 5: " + shown(f[6]);
    a.qsa = *qsa;
    int* counts[] = {&a.keyed, &a.copied, &a.right, &a.wrong, &a.missed, &a.extra};
    for (std::size_t i = 0; i < std::size(counts); ++i) {
        const std::optional<int> n = count(f[7 + i], 100'000'000);
        if (!n) return "not a count of characters: " + shown(f[7 + i]);
        *counts[i] = *n;
    }
    if (a.right + a.wrong + a.missed != a.keyed || a.right + a.wrong + a.extra != a.copied)
        return "counts that do not add up";
    const std::string_view rate = f[13];
    if (!rate.ends_with('%') || !parse_decimal(rate.substr(0, rate.size() - 1)))
        return "not an error rate in per cent: " + shown(rate);
    return {};
}

} // namespace

double PracticeAttempt::error_rate() const {
    const int errors = wrong + missed + extra;
    if (keyed == 0) return errors == 0 ? 0.0 : 1.0;
    return static_cast<double>(errors) / keyed;
}

std::string write_practice_table(const std::vector<PracticeAttempt>& attempts) {
    std::string out = kHeading;
    for (const PracticeAttempt& a : attempts) {
        out += utc_text(a.at);
        out += '\t';
        out += dial_khz(a.freq);
        out += '\t';
        put_escaped(out, a.station, false);
        out += '\t';
        bool first = true;
        for (const std::string& call : a.calls) {
            if (call.empty()) continue;
            if (!first) out += ',';
            put_escaped(out, call, true);
            first = false;
        }
        out += format("\t%d\t", a.spd);
        out.append(keying_name(a.keying));
        out += format("\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%.1f%%\n", a.qsa, a.keyed, a.copied, a.right,
                      a.wrong, a.missed, a.extra, 100.0 * a.error_rate());
    }
    return out;
}

PracticeTable read_practice_table(std::string_view text) {
    PracticeTable table;
    for (int number = 1; !text.empty(); ++number) {
        const std::string_view line = next_line(text);
        if (line.empty() || line.front() == '#') continue;
        PracticeAttempt a;
        if (std::string why = read_attempt(line, a); !why.empty())
            table.problems.push_back("line " + std::to_string(number) + ": " + why);
        else
            table.attempts.push_back(std::move(a));
    }
    return table;
}

PracticeLog::PracticeLog(std::filesystem::path file, const Clock& clock)
    : file_(std::move(file)), clock_(clock) {}

std::string PracticeLog::load() {
    KeptLoad kept = load_kept_file(file_, kLimit, clock_, "practice log");
    writable_ = kept.writable;
    PracticeTable table = read_practice_table(kept.text);
    attempts_ = std::move(table.attempts);
    if (!table.problems.empty() && kept.message.empty()) {
        kept = set_aside_damaged(file_, table.problems.front(), clock_, "practice log");
        writable_ = kept.writable;
    }
    // The fresh file, with what could be read.
    if (!kept.message.empty() && writable_)
        if (const std::string error = write_kept_text(file_, write_practice_table(attempts_));
            !error.empty())
            kept.message += "; " + error;
    return kept.message;
}

std::string PracticeLog::add(PracticeAttempt a) {
    std::erase(a.calls, std::string());
    if (!valid_utf8(a.station) ||
        std::any_of(a.calls.begin(), a.calls.end(), [](const auto& c) { return !valid_utf8(c); }))
        return "a station or call that is not UTF-8 text is not kept";
    // Only what the next start reads back as it was.
    if (const PracticeTable back = read_practice_table(write_practice_table({a}));
        !back.problems.empty())
        return "not kept, " + back.problems.front().substr(back.problems.front().find(": ") + 2);
    attempts_.push_back(std::move(a));
    if (!writable_)
        return "the practice log is not kept: " + file_.string() + " is left as it is";
    return write_kept_text(file_, write_practice_table(attempts_));
}

double Accuracy::accuracy() const {
    if (keyed <= 0) return 0.0;
    return std::max(0.0, 1.0 - static_cast<double>(errors) / keyed);
}

PracticeSummary summarise(const std::vector<PracticeAttempt>& attempts, std::size_t last) {
    PracticeSummary s;
    s.all.label = "all";
    for (const char* band : {"< 10 wpm", "10-14 wpm", "15-19 wpm", "20-24 wpm", "25+ wpm"})
        s.by_speed.push_back({band});
    for (const Keying k : kKinds)
        s.by_keying.push_back({std::string(keying_name(k))});
    const std::size_t from = attempts.size() > last ? attempts.size() - last : 0;
    for (std::size_t i = from; i < attempts.size(); ++i) {
        const PracticeAttempt& a = attempts[i];
        const std::size_t band = a.spd < 10 ? 0 : std::min<std::size_t>((a.spd - 5) / 5, 4);
        const auto kind = static_cast<std::size_t>(
            std::find(kKinds.begin(), kKinds.end(), a.keying) - kKinds.begin());
        for (Accuracy* g : {&s.all, &s.by_speed[band], &s.by_keying[kind]}) {
            ++g->attempts;
            g->keyed += a.keyed;
            g->errors += a.wrong + a.missed + a.extra;
        }
    }
    return s;
}

namespace {

std::string groups_text(const std::vector<Accuracy>& groups) {
    std::string out;
    for (const Accuracy& g : groups) {
        if (!out.empty()) out += "; ";
        out += g.label;
        out += g.attempts == 0 ? std::string(" none")
                               : format(" %.1f%% (%d)", 100.0 * g.accuracy(), g.attempts);
    }
    return out;
}

} // namespace

std::string to_text(const PracticeSummary& s) {
    if (s.all.attempts == 0) return "No copy scored yet.";
    std::string out = format("%d %s, %d characters keyed: %.1f%% right.\n", s.all.attempts,
                             s.all.attempts == 1 ? "copy" : "copies", s.all.keyed,
                             100.0 * s.all.accuracy());
    out += "By speed: " + groups_text(s.by_speed) + ".\n";
    out += "By keying: " + groups_text(s.by_keying) + ".";
    return out;
}

} // namespace zenka
