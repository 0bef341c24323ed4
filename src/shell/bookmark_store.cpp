#include "shell/bookmark_store.h"

#include "platform/kept_file.h"
#include "platform/text_lines.h"
#include "shell/dial.h"

#include <algorithm>

namespace zenka {
namespace {

// Problems named in one line before "and N more".
constexpr std::size_t kProblemsShown = 3;

std::string problems_text(const std::vector<std::string>& problems) {
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        text += (i == 0 ? "" : "; ") + problems[i];
    if (problems.size() > kProblemsShown)
        text += "; and " + std::to_string(problems.size() - kProblemsShown) + " more";
    return text;
}

} // namespace

BookmarkStore::BookmarkStore(std::filesystem::path file, const Clock& clock)
    : file_(std::move(file)), clock_(clock) {}

Bookmark BookmarkStore::normalised(Bookmark b) {
    std::vector<std::string> tags;
    for (const std::string& tag : b.tags) {
        std::string t(trimmed(tag));
        if (!t.empty() && t != kUntagged && std::find(tags.begin(), tags.end(), t) == tags.end())
            tags.push_back(std::move(t));
    }
    b.tags = std::move(tags);
    return b;
}

std::string BookmarkStore::check(const Bookmark& b) {
    if (!on_dial(b.freq)) return "the frequency is not on the dial (10.0 - 1000.4 kHz)";
    if (!valid_text(b)) return "a name, note or tag that is not UTF-8 text";
    return {};
}

std::string BookmarkStore::load() {
    KeptLoad kept = load_kept_file(file_, kLimit, clock_, "bookmarks");
    writable_ = kept.writable;
    BookmarkTable table = read_bookmark_table(kept.text);
    bookmarks_.clear();
    for (Bookmark& b : table.bookmarks)
        bookmarks_.push_back(normalised(std::move(b)));
    if (!table.problems.empty() && kept.message.empty()) {
        kept = set_aside_damaged(file_, table.problems.front(), clock_, "bookmarks");
        writable_ = kept.writable;
    }
    // The fresh file, with what could be read.
    if (!kept.message.empty() && writable_)
        if (const std::string error = save(); !error.empty()) kept.message += "; " + error;
    return kept.message;
}

std::string BookmarkStore::save() {
    if (!writable_) return "the bookmarks are not kept: " + file_.string() + " is left as it is";
    return write_kept_text(file_, write_bookmark_table(bookmarks_));
}

std::string BookmarkStore::add(Bookmark b) {
    b = normalised(std::move(b));
    if (std::string why = check(b); !why.empty()) return why;
    bookmarks_.push_back(std::move(b));
    return save();
}

std::string BookmarkStore::replace(std::size_t index, Bookmark b) {
    if (index >= bookmarks_.size()) return "there is no such bookmark";
    b = normalised(std::move(b));
    if (std::string why = check(b); !why.empty()) return why;
    bookmarks_[index] = std::move(b);
    return save();
}

std::string BookmarkStore::remove(std::size_t index) {
    if (index >= bookmarks_.size()) return "there is no such bookmark";
    bookmarks_.erase(bookmarks_.begin() + static_cast<std::ptrdiff_t>(index));
    return save();
}

BookmarkStore::ImportReport BookmarkStore::import_from(const std::filesystem::path& from) {
    ImportReport report;
    const KeptText text = read_user_text(from, kLimit);
    if (text.state == KeptText::State::absent) {
        report.error = "there is no such file";
        return report;
    }
    if (text.state != KeptText::State::read) {
        report.error = text.problem;
        return report;
    }
    BookmarkTable table = read_bookmark_table(text.text);
    report.problems = std::move(table.problems);
    for (Bookmark& b : table.bookmarks) {
        b = normalised(std::move(b));
        if (std::find(bookmarks_.begin(), bookmarks_.end(), b) != bookmarks_.end()) {
            ++report.already;
            continue;
        }
        bookmarks_.push_back(std::move(b));
        ++report.added;
    }
    if (report.added > 0) report.error = save();
    return report;
}

std::string BookmarkStore::ImportReport::summary(const std::filesystem::path& from) const {
    if (!error.empty() && added == 0 && already == 0 && problems.empty())
        return "cannot import " + from.string() + ": " + error;
    std::string text = std::to_string(added) + (added == 1 ? " bookmark" : " bookmarks") +
                       " imported from " + from.string();
    if (already > 0) text += " (" + std::to_string(already) + " already there)";
    if (!problems.empty())
        text += "; " + std::to_string(problems.size()) +
                (problems.size() == 1 ? " line skipped: " : " lines skipped: ") +
                problems_text(problems);
    if (!error.empty()) text += "; " + error;
    return text;
}

std::string BookmarkStore::export_to(const std::filesystem::path& to) const {
    return write_kept_text(to, write_bookmark_table(bookmarks_));
}

} // namespace zenka
