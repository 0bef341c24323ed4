#pragma once
// A scored copy laid out for reading: the keyed characters above the copied ones, column by
// column, and under them a line of marks that needs no colour ("x" wrong, "-" missed, "+"
// extra), broken into lines of a given width at the word gaps. No Qt here.

#include "shell/copy_score.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zenka {

inline constexpr const char* kMarksLegend = "Marks: x wrong, - missed, + extra.";

// One column: what was keyed over what was typed, both padded to the same width (a blank
// where one of them has nothing), and its mark.
struct AlignedColumn {
    CopyMark::Kind kind = CopyMark::Kind::right;
    std::string keyed, copied;
    char mark = ' ';

    friend bool operator==(const AlignedColumn&, const AlignedColumn&) = default;
};
using AlignedLine = std::vector<AlignedColumn>;

// Lines of at most `width` characters (a longer column has a line of its own), broken at
// the last word gap that fits; the gap itself is left out at a break.
std::vector<AlignedLine> aligned_lines(const CopyScore& s, std::size_t width);

// Each line as three, "Keyed  ...", "Copied ...", "Marks  ...", without blanks at the end,
// with a blank line between them.
std::string aligned_text(const std::vector<AlignedLine>& lines);

} // namespace zenka
