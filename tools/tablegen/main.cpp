// zenka_tablegen: turns a text table, one entry a line, into a constexpr C++ array.
//
//   zenka_tablegen --struct TYPE --array NAME --columns NAME:KIND,... [--sorted-by COLUMN]
//                  [--namespace NS] [--include HEADER]... TABLE HEADER
//
// A line of TABLE is an entry: its fields separated by blanks, in the order of --columns.
// Blank lines and lines starting with '#' are comments. Column kinds:
//   int   a decimal integer
//   str   one word
//   text  the rest of the line, blanks inside included (the last column only)
// Each entry is written as {.NAME = value, ...}, so the compiler checks that TYPE has the
// column names as fields, in that order. --sorted-by checks that the entries stand in strictly
// increasing order of that column (bytes for words, value for integers): no duplicates.
// A bad line stops the tool with "TABLE:LINE: what is wrong" and status 1, and HEADER is
// written only from a whole good table. Bad options give status 2.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace {

enum class Kind { Int, Str, Text };

struct Column {
    std::string name;
    Kind kind;
};

struct Options {
    std::string type;
    std::string array;
    std::vector<Column> columns;
    std::optional<std::size_t> sort_column;
    std::string name_space;
    std::vector<std::string> includes;
    std::filesystem::path table;
    std::filesystem::path header;
};

using Field = std::variant<long long, std::string>;

struct Entry {
    int line;
    std::vector<Field> fields;
};

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A fault of the table, its message already "TABLE:LINE: ..." or "TABLE: ...".
struct TableError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr std::string_view kBlanks = " \t\r";

bool is_identifier(std::string_view s) {
    auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    if (s.empty() || !letter(s.front())) return false;
    for (char c : s)
        if (!letter(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

std::vector<Column> parse_columns(std::string_view list) {
    std::vector<Column> columns;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        const std::size_t colon = item.find(':');
        const std::string name(item.substr(0, colon));
        const std::string_view kind = colon == std::string_view::npos ? "" : item.substr(colon + 1);
        if (!is_identifier(name)) throw UsageError("bad column name '" + name + "'");
        for (const Column& c : columns)
            if (c.name == name) throw UsageError("column '" + name + "' given twice");
        if (!columns.empty() && columns.back().kind == Kind::Text)
            throw UsageError("a text column must be the last");
        if (kind == "int")
            columns.push_back({name, Kind::Int});
        else if (kind == "str")
            columns.push_back({name, Kind::Str});
        else if (kind == "text")
            columns.push_back({name, Kind::Text});
        else
            throw UsageError("column '" + name + "' needs a kind: int, str or text");
    }
    if (columns.empty()) throw UsageError("--columns names no column");
    return columns;
}

Options parse_options(int argc, char** argv) {
    Options o;
    std::string sorted_by;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!arg.starts_with("--")) {
            files.emplace_back(arg);
            continue;
        }
        if (i + 1 == argc) throw UsageError(std::string(arg) + " needs a value");
        const std::string value = argv[++i];
        if (arg == "--struct")
            o.type = value;
        else if (arg == "--array")
            o.array = value;
        else if (arg == "--columns")
            o.columns = parse_columns(value);
        else if (arg == "--sorted-by")
            sorted_by = value;
        else if (arg == "--namespace")
            o.name_space = value;
        else if (arg == "--include")
            o.includes.push_back(value);
        else
            throw UsageError("unknown option " + std::string(arg));
    }
    if (o.type.empty() || o.array.empty() || o.columns.empty())
        throw UsageError("--struct, --array and --columns are needed");
    if (files.size() != 2) throw UsageError("give one table and one header");
    if (!sorted_by.empty()) {
        for (std::size_t k = 0; k < o.columns.size(); ++k)
            if (o.columns[k].name == sorted_by) o.sort_column = k;
        if (!o.sort_column) throw UsageError("--sorted-by names no column: " + sorted_by);
    }
    o.table = files[0];
    o.header = files[1];
    return o;
}

std::string shown(const Field& f) {
    if (const auto* n = std::get_if<long long>(&f)) return std::to_string(*n);
    return "'" + std::get<std::string>(f) + "'";
}

// The fields of one entry line, or a TableError naming the line.
std::vector<Field> parse_entry(std::string_view line, const std::vector<Column>& columns,
                               const std::string& where) {
    std::vector<Field> fields;
    std::size_t at = 0;
    for (const Column& c : columns) {
        at = std::min(line.find_first_not_of(kBlanks, at), line.size());
        if (at == line.size())
            throw TableError(where + "missing field '" + c.name +
                             "': " + std::to_string(columns.size()) + " fields wanted, " +
                             std::to_string(fields.size()) + " found");
        if (c.kind == Kind::Text) {
            const std::size_t end = line.find_last_not_of(kBlanks) + 1;
            fields.emplace_back(std::string(line.substr(at, end - at)));
            return fields;
        }
        const std::size_t end = std::min(line.find_first_of(kBlanks, at), line.size());
        const std::string_view word = line.substr(at, end - at);
        at = end;
        if (c.kind == Kind::Str) {
            fields.emplace_back(std::string(word));
            continue;
        }
        long long n = 0;
        const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), n);
        if (error != std::errc{} || stop != word.data() + word.size())
            throw TableError(where + "'" + std::string(word) + "' in column '" + c.name +
                             "' is not an integer");
        fields.emplace_back(n);
    }
    if (line.find_first_not_of(kBlanks, at) != std::string_view::npos)
        throw TableError(where + "more than " + std::to_string(columns.size()) + " fields");
    return fields;
}

std::vector<Entry> read_table(const Options& o) {
    std::ifstream in(o.table);
    if (!in) throw TableError(o.table.string() + ": cannot be read");
    std::vector<Entry> entries;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::size_t first = line.find_first_not_of(kBlanks);
        if (first == std::string::npos || line[first] == '#') continue;
        const std::string where = o.table.string() + ":" + std::to_string(number) + ": ";
        Entry e{number, parse_entry(line, o.columns, where)};
        if (o.sort_column && !entries.empty()) {
            const Entry& before = entries.back();
            const Field& key = e.fields[*o.sort_column];
            const Field& last = before.fields[*o.sort_column];
            if (key == last)
                throw TableError(where + "duplicate key " + shown(key) + ", also on line " +
                                 std::to_string(before.line));
            if (key < last)
                throw TableError(where + "key " + shown(key) + " out of order: it sorts before " +
                                 shown(last) + " on line " + std::to_string(before.line));
        }
        entries.push_back(std::move(e));
    }
    if (entries.empty()) throw TableError(o.table.string() + ": the table has no entries");
    return entries;
}

// `s` as a C++ string literal: quotes and backslashes escaped, control bytes in octal.
std::string literal(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned>(byte));
            out += octal;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string header_text(const Options& o, const std::vector<Entry>& entries) {
    std::ostringstream h;
    h << "// Generated by zenka_tablegen from " << o.table.filename().string()
      << ": edit the table, not this file.\n#pragma once\n";
    if (!o.includes.empty()) h << '\n';
    for (const std::string& include : o.includes)
        h << "#include \"" << include << "\"\n";
    h << '\n';
    if (!o.name_space.empty()) h << "namespace " << o.name_space << " {\n\n";
    h << "inline constexpr " << o.type << ' ' << o.array << "[] = {\n";
    for (const Entry& e : entries) {
        h << "    {";
        for (std::size_t k = 0; k < e.fields.size(); ++k) {
            const Field& f = e.fields[k];
            h << (k == 0 ? "." : ", .") << o.columns[k].name << " = ";
            if (const auto* n = std::get_if<long long>(&f))
                h << *n;
            else
                h << literal(std::get<std::string>(f));
        }
        h << "},\n";
    }
    h << "};\n";
    if (!o.name_space.empty()) h << "\n} // namespace " << o.name_space << '\n';
    return h.str();
}

// Writes beside the header and renames, so that no half-written header is left behind.
void write_header(const std::filesystem::path& header, const std::string& text) {
    if (header.has_parent_path()) std::filesystem::create_directories(header.parent_path());
    std::filesystem::path part = header;
    part += ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) throw std::runtime_error("cannot write " + part.string());
    }
    std::filesystem::rename(part, header);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options o = parse_options(argc, argv);
        write_header(o.header, header_text(o, read_table(o)));
    } catch (const UsageError& e) {
        std::cerr << "zenka_tablegen: " << e.what() << "\nusage: zenka_tablegen --struct TYPE "
                  << "--array NAME --columns NAME:int|str|text,... [--sorted-by COLUMN] "
                  << "[--namespace NS] [--include HEADER]... TABLE HEADER\n";
        return 2;
    } catch (const TableError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "zenka_tablegen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
