#include "compose/station_id.h"

#include "synth/in_band.h"

#include <algorithm>
#include <array>

namespace zenka {
namespace {

bool sign(char c) {
    return c == '@' || c == '!' || c == '$' || c == '#';
}

bool call_char(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || sign(c);
}

// The words of a text as it is keyed: the switches and every byte that cannot stand in a
// call separate them; lower case folded to capitals unless the slot keys kana (its kana
// signs stay and make a word no call).
class Words {
  public:
    Words(std::string_view text, bool kana) : keyed_(text) {
        for (std::size_t i = 0; i < keyed_.size();) {
            if (const std::size_t n = switch_size(keyed_, i); n > 0) {
                std::fill_n(keyed_.begin() + static_cast<std::ptrdiff_t>(i), n, ' ');
                i += n;
                continue;
            }
            char& c = keyed_[i++];
            if (!kana && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            if (!call_char(c) && !(kana && c >= 'a' && c <= 'z')) c = ' ';
        }
        for (std::size_t at = keyed_.find_first_not_of(' '); at != std::string::npos;) {
            const std::size_t end = std::min(keyed_.find(' ', at), keyed_.size());
            words_.push_back(std::string_view(keyed_).substr(at, end - at));
            at = keyed_.find_first_not_of(' ', end);
        }
    }
    const std::vector<std::string_view>& list() const { return words_; }

  private:
    std::string keyed_;
    std::vector<std::string_view> words_;
};

// General calls, procedure words and prosigns that stand where a call would.
constexpr std::array<std::string_view, 14> kNoCalls = {
    "CQ", "CP", "DE", "QST", "SOS", "CQD", "TEST", "AR", "SK", "KN", "BT", "AS", "RR", "NIL"};

bool call_shaped(std::string_view w) {
    if (w.size() < 2 || w.size() > 7) return false;
    if (!std::all_of(w.begin(), w.end(), call_char)) return false;
    if (std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    return true;
}

// A word that may name a station called: a call shape that is no general call, no Q code and
// no run of one letter ("VVV", "TTT").
bool may_be_called(std::string_view w) {
    if (!call_shaped(w) || w.front() == 'Q') return false;
    if (std::find(kNoCalls.begin(), kNoCalls.end(), w) != kNoCalls.end()) return false;
    return !std::all_of(w.begin(), w.end(), [&](char c) { return c == w.front(); });
}

void add_once(std::vector<std::string>& calls, std::string_view call) {
    if (std::find(calls.begin(), calls.end(), call) == calls.end()) calls.emplace_back(call);
}

} // namespace

std::vector<std::string> calls_in_text(std::string_view text, bool kana) {
    const Words words(text, kana);
    const std::vector<std::string_view>& w = words.list();
    std::vector<std::string> senders, called;
    for (std::size_t i = 0; i + 1 < w.size(); ++i) {
        std::size_t s = i + 1;
        while (w[i] == "DE" && s + 1 < w.size() && w[s] == "DE") // "DE DE WCC"
            ++s;
        const bool de = w[i] == "DE" && may_be_called(w[s]);
        const bool old_v = w[i] == "V" && i > 0 && (w[i - 1] == "CQ" || may_be_called(w[i - 1])) &&
                           may_be_called(w[s]);
        if (!de && !old_v) continue;
        add_once(senders, w[s]);
        if (i > 0 && may_be_called(w[i - 1])) add_once(called, w[i - 1]);
    }
    for (const std::string& c : called)
        add_once(senders, c);
    return senders;
}

std::vector<std::string> named_calls_in_text(std::string_view text, bool kana,
                                             const std::vector<std::string>& named) {
    std::vector<std::string> out;
    if (named.empty()) return out;
    const Words words(text, kana);
    for (std::string_view w : words.list())
        if (std::find(named.begin(), named.end(), w) != named.end()) add_once(out, w);
    return out;
}

std::string_view service_name(Service s) {
    switch (s) {
    case Service::unknown:
        return "";
    case Service::maritime:
        return "maritime";
    case Service::calling_500:
        return "500 kHz";
    case Service::weather:
        return "weather";
    case Service::naval:
        return "naval";
    case Service::military:
        return "military";
    case Service::aeronautical:
        return "aeronautical";
    case Service::telecom:
        return "telecom";
    case Service::beacon:
        return "beacon";
    case Service::time_signal:
        return "time signal";
    case Service::background:
        return "background";
    }
    return "";
}

} // namespace zenka
