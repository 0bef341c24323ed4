#include "platform/work_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace zenka {
namespace {

std::filesystem::path default_parent() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime)
        return runtime;
    std::error_code ec;
    auto temp = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : temp;
}

} // namespace

WorkFolder::WorkFolder(const std::filesystem::path& parent) {
    const std::filesystem::path base = parent.empty() ? default_parent() : parent;
    std::string pattern = (base / "zenka-XXXXXX").string();
    // mkdtemp makes the folder with mode 0700.
    if (::mkdtemp(pattern.data()) == nullptr) {
        error_ = "cannot make a working folder in " + base.string() + ": " + std::strerror(errno);
        return;
    }
    path_ = pattern;
}

WorkFolder::~WorkFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace zenka
