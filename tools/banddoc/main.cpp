// zenka_banddoc: prints the table of the catalogue's families for docs/band.md, writes
// it into FILE with --update FILE, or with --check FILE, compares it with the table in FILE and exits 1 when they differ
// or when the catalogue names a kind of emission that the registry lacks.

#include "families.h"
#include "platform/atomic_file.h"

#include <unistd.h>

#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

constexpr std::string_view kBegin = "<!-- families: begin (zenka_banddoc) -->\n";
constexpr std::string_view kEnd = "<!-- families: end -->";

// FILE's text, and where its table begins and ends; empty when it cannot be read or
// has no table between the markers.
struct Document {
    std::string text;
    std::size_t from = 0, to = 0;
};

std::optional<Document> read_document(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "zenka_banddoc: cannot read " << path << "\n";
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    Document d{text.str()};
    const std::size_t begin = d.text.find(kBegin);
    d.to = d.text.find(kEnd);
    if (begin == std::string::npos || d.to == std::string::npos || d.to < begin) {
        std::cerr << "zenka_banddoc: " << path << " has no families table between the markers\n";
        return std::nullopt;
    }
    d.from = begin + kBegin.size();
    return d;
}

int update(const std::string& path, const std::string& table) {
    std::optional<Document> d = read_document(path);
    if (!d) return 2;
    d->text.replace(d->from, d->to - d->from, table);
    // Written beside the file and renamed over it, so a failed write leaves it as it was.
    zenka::AtomicFile out;
    bool written = out.open(path);
    for (std::size_t at = 0; written && at < d->text.size();) {
        const ssize_t n = ::write(out.fd(), d->text.data() + at, d->text.size() - at);
        written = n > 0;
        at += written ? static_cast<std::size_t>(n) : 0;
    }
    if (!written || !out.commit()) {
        std::cerr << "zenka_banddoc: cannot write " << path << ": " << out.error() << "\n";
        return 2;
    }
    return 0;
}

int check(const std::string& path, const std::string& table) {
    const std::optional<Document> d = read_document(path);
    if (!d) return 2;
    if (d->text.compare(d->from, d->to - d->from, table) != 0) {
        std::cerr << "zenka_banddoc: the families table of " << path
                  << " is out of date; run zenka_banddoc --update " << path << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const zenka::Catalogue catalogue = zenka::station_catalogue();
    const std::string table = zenka::banddoc::family_table(catalogue);
    const std::string arg = argc > 1 ? argv[1] : "";
    if (arg == "--help" || arg == "-h") {
        std::cout << "usage: zenka_banddoc [--check FILE | --update FILE]\n"
                     "Prints the table of the station catalogue's families (markdown).\n"
                     "--check FILE   exit 1 when FILE's table differs from it\n"
                     "--update FILE  write it into FILE between the markers\n";
        return 0;
    }
    const auto unplaced = zenka::banddoc::unregistered_kinds(catalogue);
    for (const std::string& kind : unplaced)
        std::cerr << "zenka_banddoc: the registry of emission kinds lacks \"" << kind << "\"\n";
    if (arg == "--check" && argc > 2) return unplaced.empty() ? check(argv[2], table) : 1;
    if (arg == "--update" && argc > 2) return update(argv[2], table);
    if (!arg.empty()) {
        std::cerr << "zenka_banddoc: unknown argument " << arg << " (try --help)\n";
        return 2;
    }
    std::cout << table;
    return 0;
}
