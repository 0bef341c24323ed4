#pragma once
// What the user typed, checked and shown back: numbers only in plain decimal
// notation, and input repeated in messages on one line with its control bytes
// escaped.

#include "platform/decimal.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zenka::app {

// Plain decimal numbers, as every front end reads them.
using zenka::is_decimal;
using zenka::parse_decimal;

// A CLI11 check that the option's text is_decimal(); a whole number unless
// `fraction`.
CLI::Validator decimal(bool fraction);

// `text` in double quotes with \", \\, \n, \t, \r and \xNN for other control bytes.
std::string quote_input(std::string_view text);
// `text` with its control bytes written as \n, \t, \r or \xNN: one line.
std::string printable(std::string_view text);

// The one of `words` that `typed` is a slip of (a letter wrong, missing, extra, or two swapped,
// at most two such slips), or empty when none is that close.
std::string nearest_word(std::string_view typed, std::span<const std::string_view> words);

} // namespace zenka::app
