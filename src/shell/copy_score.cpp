#include "shell/copy_score.h"

#include "synth/morse_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace zenka {
namespace {

constexpr unsigned char kSpeedSwitch = 0x01, kToneSwitch = 0x02, kStrengthSwitch = 0x03,
                        kTuning = 0x04;

// The procedure signs a listener types by name, with the elements they key.
struct Prosign {
    std::string_view name;
    std::string_view code;
};
constexpr std::array<Prosign, 9> kProsigns = {{
    {"AR", ".-.-."},
    {"SK", "...-.-"},
    {"BT", "-...-"},
    {"SN", "...-."},
    {"KA", "-.-.-"},
    {"AS", ".-..."},
    {"KN", "-.--."},
    {"SOS", "...---..."},
    {"HH", "........"},
}};

// The elements of a 7-bit character code, "" when it keys none.
std::string elements(unsigned char ch) {
    const std::uint32_t code = cw_table[ch & 0x7F];
    int top = 31;
    while (top > 0 && !(code & (1u << top)))
        --top;
    std::string out;
    for (int bit = top - 1; bit >= 0; --bit)
        out += (code & (1u << bit)) ? '-' : '.';
    return out;
}

// How a keyed character is written: printable ones as they are, the signs the traffic
// keys by a control code by their prosign name where they have one, else by elements.
std::string shown(unsigned char ch, const std::string& code) {
    if (ch >= 0x20 && ch < 0x7F) return std::string(1, static_cast<char>(ch));
    std::string_view name = code;
    for (const Prosign& p : kProsigns)
        if (p.code == code) name = p.name;
    std::string out;
    out.reserve(name.size() + 2);
    out.push_back('<');
    out.append(name);
    out.push_back('>');
    return out;
}

} // namespace

std::vector<MorseChar> keyed_characters(std::string_view text, const EmissionParams& params) {
    std::vector<MorseChar> out;
    bool gap = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto ch = static_cast<unsigned char>(text[i]);
        if (ch == 0) break;
        if (ch == kSpeedSwitch || ch == kStrengthSwitch) {
            i += 1;
            continue;
        }
        if (ch == kToneSwitch) {
            i += 2;
            continue;
        }
        if (ch == ' ') gap = true;
        if (ch == kTuning || ch == ' ' || ch > 0x7F) continue;
        // As the keyer keys it: lower case is kana only with kana keying, a cut zero is a T.
        if (!params.katokana && ch >= 0x61 && ch <= 0x7F)
            ch = static_cast<unsigned char>(ch - 0x20);
        const bool cut = params.sz && ch == '0';
        if (cut) ch = 'T';
        std::string code = elements(ch);
        if (code.empty()) continue;
        out.push_back({code, shown(ch, code), cut ? elements('0') : "", gap && !out.empty()});
        gap = false;
    }
    return out;
}

std::vector<MorseChar> copied_characters(std::string_view copy, const EmissionParams& params) {
    std::vector<MorseChar> out;
    for (std::size_t i = 0; i < copy.size(); ++i) {
        if (copy[i] == '<') {
            const std::size_t close = copy.find('>', i);
            if (close != std::string_view::npos) {
                std::string name(copy.substr(i + 1, close - i - 1));
                std::transform(name.begin(), name.end(), name.begin(),
                               [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
                const auto p = std::find_if(kProsigns.begin(), kProsigns.end(),
                                            [&](const Prosign& s) { return s.name == name; });
                if (p != kProsigns.end()) {
                    out.push_back({std::string(p->code), "<" + name + ">", ""});
                    i = close;
                    continue;
                }
                if (!name.empty() && name.find_first_not_of(".-") == std::string::npos) {
                    out.push_back({name, "<" + name + ">", ""});
                    i = close;
                    continue;
                }
            }
        }
        auto ch = static_cast<unsigned char>(copy[i]);
        if (ch > 0x7F || ch <= ' ') continue;
        if (!params.katokana && ch >= 0x61 && ch <= 0x7F)
            ch = static_cast<unsigned char>(ch - 0x20);
        std::string code = elements(ch);
        if (code.empty()) continue;
        out.push_back({code, std::string(1, static_cast<char>(ch)), ""});
    }
    return out;
}

double CopyScore::error_rate() const {
    const int errors = wrong + missed + extra;
    if (sent == 0) return errors == 0 ? 0.0 : 1.0;
    return static_cast<double>(errors) / sent;
}

std::string CopyScore::marked() const {
    std::string out;
    for (const CopyMark& m : marks) {
        if (m.word_start) out += ' ';
        switch (m.kind) {
        case CopyMark::Kind::right:
            out += m.sent;
            break;
        case CopyMark::Kind::wrong:
            out += "[" + m.sent + ">" + m.copied + "]";
            break;
        case CopyMark::Kind::missed:
            out += "(" + m.sent + ")";
            break;
        case CopyMark::Kind::extra:
            out += "{" + m.copied + "}";
            break;
        }
    }
    return out;
}

CopyScore score_copy(const std::vector<MorseChar>& sent, const std::vector<MorseChar>& copied) {
    // Levenshtein over what each character keys, two rows of distances and the step taken
    // into every cell (two bits each, so that a whole slot against a long copy stays small),
    // then the path back.
    enum Step : std::uint8_t { diagonal = 0, up = 1, left = 2 }; // up: missed, left: extra
    const std::size_t n = sent.size(), m = copied.size();
    std::vector<std::uint8_t> steps((n + 1) * (m + 1) / 4 + 1, 0);
    const auto put = [&](std::size_t i, std::size_t j, Step s) {
        const std::size_t at = i * (m + 1) + j;
        steps[at / 4] = static_cast<std::uint8_t>(steps[at / 4] | (s << (2 * (at % 4))));
    };
    const auto step = [&](std::size_t i, std::size_t j) {
        const std::size_t at = i * (m + 1) + j;
        return static_cast<Step>((steps[at / 4] >> (2 * (at % 4))) & 3);
    };
    std::vector<int> above(m + 1), row(m + 1);
    for (std::size_t j = 0; j <= m; ++j) {
        above[j] = static_cast<int>(j);
        if (j > 0) put(0, j, left);
    }
    for (std::size_t i = 1; i <= n; ++i) {
        row[0] = static_cast<int>(i);
        put(i, 0, up);
        for (std::size_t j = 1; j <= m; ++j) {
            const int diag = above[j - 1] + (sent[i - 1].copied_by(copied[j - 1]) ? 0 : 1);
            const int miss = above[j] + 1, extra = row[j - 1] + 1;
            if (diag <= miss && diag <= extra) {
                row[j] = diag;
            } else if (miss <= extra) {
                row[j] = miss;
                put(i, j, up);
            } else {
                row[j] = extra;
                put(i, j, left);
            }
        }
        std::swap(above, row);
    }
    CopyScore score;
    score.sent = static_cast<int>(n);
    for (std::size_t i = n, j = m; i > 0 || j > 0;) {
        switch (step(i, j)) {
        case diagonal: {
            const bool same = sent[i - 1].copied_by(copied[j - 1]);
            score.marks.push_back({same ? CopyMark::Kind::right : CopyMark::Kind::wrong,
                                   sent[i - 1].shown, copied[j - 1].shown,
                                   sent[i - 1].word_start});
            ++(same ? score.right : score.wrong);
            --i, --j;
            break;
        }
        case up:
            score.marks.push_back(
                {CopyMark::Kind::missed, sent[i - 1].shown, "", sent[i - 1].word_start});
            ++score.missed;
            --i;
            break;
        default:
            score.marks.push_back({CopyMark::Kind::extra, "", copied[j - 1].shown});
            ++score.extra;
            --j;
            break;
        }
    }
    std::reverse(score.marks.begin(), score.marks.end());
    return score;
}

} // namespace zenka
