#pragma once
// Bookmarks and the bookmark table that SDR programs exchange, in the layout
// of gqrx's bookmarks.csv: a table of tags and their colours, a blank line,
// then one bookmark a line, "frequency; name; modulation; bandwidth; tags",
// the frequency and bandwidth in Hz, the tags separated by commas, '#' starting
// a comment:
//
//   # Tag name          ;  color
//   Coast               ; #c0c0c0
//
//   # Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags
//   # Note: Calls ships on the hour
//         500000; Norddeich Radio          ; CW-U                ;       2000; Coast
//
// A bookmark's note, which that layout has no column for, goes on "# Note:"
// comment lines just above it, one for each line of the note, which other
// programs pass over. What the layout cannot hold in a field (a ';', a ',' in a
// tag, a control byte, blanks at either end, '%' before two hex digits) is
// written as %XX, so every name, note and tag reads back exactly as it was.
// Written, the modulation is CW-U and the bandwidth 2000 Hz, the receiver's
// 2 kHz filter; read, both are passed over.

#include <string>
#include <string_view>
#include <vector>

namespace zenka {

struct Bookmark {
    std::string name;
    int freq = 0; // in units of 100 Hz, the dial's steps
    std::string note;
    std::vector<std::string> tags;

    friend bool operator==(const Bookmark&, const Bookmark&) = default;
};

// Its name, note and tags are UTF-8 text.
bool valid_text(const Bookmark& b);

std::string write_bookmark_table(const std::vector<Bookmark>& bookmarks);

struct BookmarkTable {
    std::vector<Bookmark> bookmarks;
    // A line that is not a bookmark, or one off the dial, one each:
    // "line 9: 7074000 Hz is outside 10.0 - 1000.4 kHz".
    std::vector<std::string> problems;
};

BookmarkTable read_bookmark_table(std::string_view text);

// The tag gqrx gives a bookmark without tags; read, it is no tag.
inline constexpr std::string_view kUntagged = "Untagged";

} // namespace zenka
