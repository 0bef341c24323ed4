#include "panel/copy_aligned.h"

#include <algorithm>

namespace zenka {
namespace {

AlignedColumn column_of(const CopyMark& m) {
    static constexpr char kMarks[] = {' ', 'x', '-', '+'}; // right, wrong, missed, extra
    AlignedColumn c{m.kind, m.sent, m.copied, kMarks[static_cast<int>(m.kind)]};
    const std::size_t w = std::max({c.keyed.size(), c.copied.size(), std::size_t{1}});
    c.keyed.resize(w, ' ');
    c.copied.resize(w, ' ');
    return c;
}

bool is_gap(const AlignedColumn& c) {
    return c.keyed == " " && c.copied == " " && c.mark == ' ';
}

std::size_t width_of(const AlignedLine& line) {
    std::size_t w = 0;
    for (const AlignedColumn& c : line)
        w += c.keyed.size();
    return w;
}

void trim_end(std::string& s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
}

} // namespace

std::vector<AlignedLine> aligned_lines(const CopyScore& s, std::size_t width) {
    std::vector<AlignedLine> lines;
    AlignedLine line;
    const auto add = [&](AlignedColumn c) {
        if (line.empty() && is_gap(c)) return;
        if (!line.empty() && width_of(line) + c.keyed.size() > width) {
            if (is_gap(c)) { // the break falls on the gap itself
                lines.push_back(std::move(line));
                line.clear();
                return;
            }
            const auto gap = std::find_if(line.rbegin(), line.rend(), is_gap);
            AlignedLine rest;
            if (gap != line.rend()) {
                const auto at = gap.base() - 1; // the gap itself
                rest.assign(at + 1, line.end());
                line.erase(at, line.end());
            }
            lines.push_back(std::move(line));
            line = std::move(rest);
        }
        line.push_back(std::move(c));
    };
    for (const CopyMark& m : s.marks) {
        if (m.word_start) add({CopyMark::Kind::right, " ", " ", ' '});
        add(column_of(m));
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string aligned_text(const std::vector<AlignedLine>& lines) {
    std::string out;
    for (const AlignedLine& line : lines) {
        if (!out.empty()) out += '\n';
        std::string keyed = "Keyed  ", copied = "Copied ", marks = "Marks  ";
        for (const AlignedColumn& c : line) {
            keyed += c.keyed;
            copied += c.copied;
            marks += c.mark;
            marks.append(c.keyed.size() - 1, ' ');
        }
        for (std::string* s : {&keyed, &copied, &marks}) {
            trim_end(*s);
            out += *s;
            out += '\n';
        }
    }
    return out;
}

} // namespace zenka
