#pragma once
// Comparing a keyed text with what a Morse decoder read back.

#include <cctype>
#include <string>

namespace zenka::test {

// Letters and figures only, in capitals: punctuation and procedure signs are
// written differently by the decoder, and blanks depend on its timing.
inline std::string letters_and_figures(const std::string& s) {
    std::string out;
    for (char c : s)
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

} // namespace zenka::test
